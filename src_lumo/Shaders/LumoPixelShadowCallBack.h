#pragma once
// Constants of the wall material: ambient tint, the transforms, and "diss", the wall's opacity
// that the visual fades when a wall would hide the baker.
#include <irrlicht.h>

namespace Lumo {

class LumoPixelShadowCallBack : public irr::video::IShaderConstantSetCallBack {
public:
    void OnSetMaterial(const irr::video::SMaterial& material) override { current = &material; }
    void OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 userData) override;

private:
    const irr::video::SMaterial* current = nullptr;
};

} // namespace Lumo
