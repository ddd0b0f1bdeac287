#include "src_lumo/Shaders/LumoPixelShadowCallBack.h"

#include "src_lumo/Shaders/ShaderConstants.h"

namespace Lumo {

void LumoPixelShadowCallBack::OnSetConstants(irr::video::IMaterialRendererServices* services,
                                             irr::s32 /*userData*/)
{
    setColorConstant(services, "mColor", ambientColor());
    const irr::core::matrix4& world = services->getVideoDriver()->getTransform(irr::video::ETS_WORLD);
    irr::core::matrix4 inverseWorld = world;
    if (!inverseWorld.makeInverse())
        inverseWorld = world;
    services->setVertexShaderConstant("mInvWorld", inverseWorld.pointer(), 16);
    services->setVertexShaderConstant("mWorld", world.pointer(), 16);
    setWorldViewProjection(services);
    const float lightPosition[3] = {0.f, 0.f, 0.f};
    services->setPixelShaderConstant("mLightPos", lightPosition, 3);
    const float opacity = current ? current->MaterialTypeParam2 : 1.f;
    services->setPixelShaderConstant("diss", &opacity, 1);
    const float baseUnit = 0.f;
    const float shadowUnit = 1.f;
    services->setPixelShaderConstant("baseTexture", &baseUnit, 1);
    services->setPixelShaderConstant("shadowTexture", &shadowUnit, 1);
}

} // namespace Lumo
