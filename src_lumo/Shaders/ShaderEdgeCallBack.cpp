#include "src_lumo/Shaders/ShaderEdgeCallBack.h"

#include "src_lumo/Shaders/ShaderConstants.h"

namespace Lumo {

void ShaderEdgeCallBack::OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 /*userData*/)
{
    setColorConstant(services, "mColor", current ? current->DiffuseColor : irr::video::SColor(0xFFFFFFFF));
    setWorldViewProjection(services);
}

} // namespace Lumo
