#pragma once
// Base of the game's shader callbacks: the constants depend on the material being drawn
// (its opacity parameter, its textures), so the material is remembered before they are set.
#include <irrlicht.h>

namespace Lumo {

class MaterialConstantsCallBack : public irr::video::IShaderConstantSetCallBack {
public:
    void OnSetMaterial(const irr::video::SMaterial& material) override { current = &material; }

protected:
    const irr::video::SMaterial* current = nullptr;
};

} // namespace Lumo
