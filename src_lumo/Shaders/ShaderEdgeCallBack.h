#pragma once
// Constants of materials tinted by their own diffuse colour ("edgeShader"; the sprite side walls
// are drawn with black).
#include <irrlicht.h>

namespace Lumo {

class ShaderEdgeCallBack : public irr::video::IShaderConstantSetCallBack {
public:
    void OnSetMaterial(const irr::video::SMaterial& material) override { current = &material; }
    void OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 userData) override;

private:
    const irr::video::SMaterial* current = nullptr;
};

} // namespace Lumo
