#pragma once
// Constants of the sprite face material "cuboldShader": transform, ambient tint and the palette
// (three base colours of the art and the colours they are tinted with).
#include "src_lumo/Shaders/MaterialConstantsCallBack.h"

namespace Lumo {

class LumoCuboldShader : public MaterialConstantsCallBack {
public:
    void OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 userData) override;
};

} // namespace Lumo
