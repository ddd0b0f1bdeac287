#pragma once
// Constants of materials tinted by their own diffuse colour ("edgeShader"; the sprite side walls
// are drawn with black).
#include "src_lumo/Shaders/MaterialConstantsCallBack.h"

namespace Lumo {

class ShaderEdgeCallBack : public MaterialConstantsCallBack {
public:
    void OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 userData) override;
};

} // namespace Lumo
