#include "src_lumo/Shaders/ShaderConstants.h"

#include "src_lumo/Game/GameData.h"

namespace Lumo {

void setColorConstant(irr::video::IMaterialRendererServices* services, const char* name,
                      irr::video::SColor color)
{
    const float channels[4] = {color.getRed() / 255.f, color.getGreen() / 255.f, color.getBlue() / 255.f,
                               color.getAlpha() / 255.f};
    services->setPixelShaderConstant(name, channels, 4);
}

void setWorldViewProjection(irr::video::IMaterialRendererServices* services)
{
    irr::video::IVideoDriver* driver = services->getVideoDriver();
    irr::core::matrix4 transform = driver->getTransform(irr::video::ETS_PROJECTION);
    transform *= driver->getTransform(irr::video::ETS_VIEW);
    transform *= driver->getTransform(irr::video::ETS_WORLD);
    services->setVertexShaderConstant("mWorldViewProj", transform.pointer(), 16);
}

irr::video::SColor ambientColor()
{
    return irr::video::SColor(gGameData ? gGameData->ambientColor : 0xFFFFFFFF);
}

} // namespace Lumo
