#pragma once
// Constants of the wall material: ambient tint, the transforms, and "diss", the wall's opacity
// that the visual fades when a wall would hide the baker.
#include "src_lumo/Shaders/MaterialConstantsCallBack.h"

namespace Lumo {

class LumoPixelShadowCallBack : public MaterialConstantsCallBack {
public:
    void OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 userData) override;
};

} // namespace Lumo
