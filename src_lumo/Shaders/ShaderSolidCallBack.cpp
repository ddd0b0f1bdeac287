#include "src_lumo/Shaders/ShaderSolidCallBack.h"

#include "src_lumo/Shaders/ShaderConstants.h"

namespace Lumo {

void ShaderSolidCallBack::OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 /*userData*/)
{
    setColorConstant(services, "mColor", ambientColor());
    setWorldViewProjection(services);
    const irr::s32 baseUnit = 0;
    const irr::s32 shadowUnit = 1;
    services->setPixelShaderConstant("baseTexture", &baseUnit, 1);
    services->setPixelShaderConstant("shadowTexture", &shadowUnit, 1);
}

} // namespace Lumo
