#pragma once
// The oven's three particle systems: flour dust while raw goods start to bake, light smoke as
// they darken, dark smoke that grows the longer burnt goods stay inside.
#include <irrlicht.h>

#include <array>

namespace Lumo {

class OvenEffects {
public:
    explicit OvenEffects(irr::scene::ISceneManager* manager);
    ~OvenEffects();
    OvenEffects(const OvenEffects&) = delete;
    OvenEffects& operator=(const OvenEffects&) = delete;

    // Stage 0 is an empty oven (no effects), 1 to 4 the baking stage of the goods inside.
    // burnAmount is how many minutes the goods have baked past burning.
    void setStage(int stage, int burnAmount);
    int getStage() const { return stage; }

    enum System { FLOUR = 0, LIGHT_SMOKE = 1, DARK_SMOKE = 2 };
    // Null when the scene could not make the system.
    irr::scene::IParticleSystemSceneNode* getSystem(System system) const { return systems[system]; }

private:
    void emit(System system, irr::u32 minPerSecond, irr::u32 maxPerSecond);
    void emitSized(System system, irr::u32 minPerSecond, irr::u32 maxPerSecond, float size);

    std::array<irr::scene::IParticleSystemSceneNode*, 3> systems{};
    int stage = 0;
};

} // namespace Lumo
