#pragma once
// Constants of the room materials "solid", "alphatransparency" and "alphatransparencynosm":
// ambient tint, transform and the two texture units.
#include <irrlicht.h>

namespace Lumo {

class ShaderSolidCallBack : public irr::video::IShaderConstantSetCallBack {
public:
    void OnSetMaterial(const irr::video::SMaterial& material) override { current = &material; }
    void OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 userData) override;

private:
    const irr::video::SMaterial* current = nullptr;
};

} // namespace Lumo
