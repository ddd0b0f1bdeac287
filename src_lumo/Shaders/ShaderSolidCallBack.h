#pragma once
// Constants of the room materials "solid", "alphatransparency" and "alphatransparencynosm":
// ambient tint, transform and the two texture units.
#include "src_lumo/Shaders/MaterialConstantsCallBack.h"

namespace Lumo {

class ShaderSolidCallBack : public MaterialConstantsCallBack {
public:
    void OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 userData) override;
};

} // namespace Lumo
