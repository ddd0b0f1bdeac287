#include "src_lumo/Shaders/LumoCuboldShader.h"

#include "src_lumo/Shaders/ShaderConstants.h"

namespace Lumo {

namespace {
const float kBase0[4] = {0.772549f, 1.0f, 0.956863f, 1.0f};
const float kBase1[4] = {0.286275f, 1.0f, 0.858824f, 1.0f};
const float kBase2[4] = {0.0f, 0.756863f, 0.603922f, 1.0f};
const float kUntinted[4] = {1.f, 1.f, 1.f, 1.f};
} // namespace

void LumoCuboldShader::OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 /*userData*/)
{
    setWorldViewProjection(services);
    setColorConstant(services, "mColor", ambientColor());
    services->setPixelShaderConstant("base0", kBase0, 4);
    services->setPixelShaderConstant("base1", kBase1, 4);
    services->setPixelShaderConstant("base2", kBase2, 4);
    services->setPixelShaderConstant("color0", kUntinted, 4);
    services->setPixelShaderConstant("color1", kUntinted, 4);
    services->setPixelShaderConstant("color2", kUntinted, 4);
}

} // namespace Lumo
