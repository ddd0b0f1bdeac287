#pragma once
// Constants of the sprite face material "cuboldShader": transform, ambient tint and the palette
// (three base colours of the art and the colours they are tinted with).
#include <irrlicht.h>

namespace Lumo {

class LumoCuboldShader : public irr::video::IShaderConstantSetCallBack {
public:
    void OnSetMaterial(const irr::video::SMaterial& material) override { current = &material; }
    void OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 userData) override;

private:
    const irr::video::SMaterial* current = nullptr;
};

} // namespace Lumo
