#include "src_lumo/Items/OvenEffects.h"

#include <algorithm>
#include <cmath>

namespace Lumo {

namespace {

using irr::core::vector3df;

struct SystemLook {
    const char* texture;
    vector3df position;
    vector3df direction; // initial drift per millisecond
    vector3df gravity;   // pull reached after 500 ms
    bool additive;
    irr::video::SColor darkest;
    irr::video::SColor brightest;
};

// Flour puffs out of the oven's mouth into the room and settles, spread wide enough not to pile up
// over the tray; smoke leaves the mouth and rises slowly.
// The flour's near-black colours are added to the picture, so they only lighten it a little: a pale
// haze through which the tray stays in sight. Smoke covers what is behind it, light smoke barely,
// dark smoke more, and more of it the longer the goods burn.
const SystemLook kLooks[3] = {
    {"lumodata/2d/flour.png", vector3df(825.f, 20.f, 633.f), vector3df(0.f, 0.015f, -0.03f), vector3df(0.f, -0.015f, 0.f),
     true, irr::video::SColor(0xFF000000), irr::video::SColor(0xFF141414)},
    {"lumodata/2d/k_1.png", vector3df(825.f, 24.f, 634.f), vector3df(0.f, 0.015f, -0.005f), vector3df(0.f, 0.01f, 0.f),
     false, irr::video::SColor(0x40FFFFFF), irr::video::SColor(0x70FFFFFF)},
    {"lumodata/2d/k_2.png", vector3df(825.f, 26.f, 636.f), vector3df(0.f, 0.02f, -0.004f), vector3df(0.f, 0.012f, 0.f),
     false, irr::video::SColor(0x14FFFFFF), irr::video::SColor(0x24FFFFFF)},
};

const irr::core::aabbox3df kEmitterBox(-5.f, 0.f, -2.f, 5.f, 3.f, 2.f);

} // namespace

OvenEffects::OvenEffects(irr::scene::ISceneManager* manager)
{
    irr::video::IVideoDriver* driver = manager->getVideoDriver();
    for (size_t i = 0; i < systems.size(); ++i) {
        const SystemLook& look = kLooks[i];
        irr::scene::IParticleSystemSceneNode* system = manager->addParticleSystemSceneNode(false);
        if (!system)
            continue;
        system->grab();
        system->setPosition(look.position);
        system->setMaterialFlag(irr::video::EMF_LIGHTING, false);
        system->setMaterialFlag(irr::video::EMF_ZWRITE_ENABLE, false);
        system->setMaterialTexture(0, driver->getTexture(look.texture));
        if (look.additive) {
            system->setMaterialType(irr::video::EMT_TRANSPARENT_ADD_COLOR);
        } else {
            // Blended by the texture's alpha times the particle's, so smoke thins as it fades out
            // instead of turning black.
            system->setMaterialType(irr::video::EMT_ONETEXTURE_BLEND);
            system->getMaterial(0).MaterialTypeParam =
                irr::video::pack_textureBlendFunc(irr::video::EBF_SRC_ALPHA, irr::video::EBF_ONE_MINUS_SRC_ALPHA,
                                                  irr::video::EMFN_MODULATE_1X,
                                                  irr::video::EAS_TEXTURE | irr::video::EAS_VERTEX_COLOR);
        }

        // Created stopped: no particles per second until a stage asks for them.
        irr::scene::IParticleEmitter* emitter = system->createBoxEmitter(
            kEmitterBox, look.direction, 0, 0, look.darkest, look.brightest, 3000,
            4000, 180, irr::core::dimension2df(5.f, 5.f), irr::core::dimension2df(20.f, 20.f));
        system->setEmitter(emitter);
        emitter->drop();
        irr::scene::IParticleAffector* fade = system->createFadeOutParticleAffector(irr::video::SColor(0), 1000);
        system->addAffector(fade);
        fade->drop();
        irr::scene::IParticleAffector* gravity = system->createGravityAffector(look.gravity, 500);
        system->addAffector(gravity);
        gravity->drop();
        systems[i] = system;
    }
}

OvenEffects::~OvenEffects()
{
    for (irr::scene::IParticleSystemSceneNode* system : systems) {
        if (!system)
            continue;
        system->remove();
        system->drop();
    }
}

void OvenEffects::setStage(int newStage, int burnAmount)
{
    stage = newStage;
    emit(FLOUR, 0, 0);
    emit(LIGHT_SMOKE, 0, 0);
    emit(DARK_SMOKE, 0, 0);
    switch (stage) {
    case 1:
        emitSized(FLOUR, 40, 70, 20.f);
        break;
    case 2:
        emitSized(FLOUR, 80, 90, 25.f);
        break;
    case 3:
        emit(FLOUR, 10, 20);
        emit(LIGHT_SMOKE, 10, 20);
        break;
    case 4: {
        emit(LIGHT_SMOKE, 10, 20);
        // Never below the plain smoke of a fresh burn: a negative amount must not stop it.
        const float f = std::clamp(static_cast<float>(burnAmount) / 10.f + 1.f, 1.f, 2.f);
        emitSized(DARK_SMOKE, static_cast<irr::u32>(std::lround(10.f * f)), static_cast<irr::u32>(std::lround(20.f * f)),
                  20.f * f);
        break;
    }
    default:
        break;
    }
}

void OvenEffects::emit(System system, irr::u32 minPerSecond, irr::u32 maxPerSecond)
{
    if (!systems[system] || !systems[system]->getEmitter())
        return;
    irr::scene::IParticleEmitter* emitter = systems[system]->getEmitter();
    emitter->setMinParticlesPerSecond(minPerSecond);
    emitter->setMaxParticlesPerSecond(maxPerSecond);
}

void OvenEffects::emitSized(System system, irr::u32 minPerSecond, irr::u32 maxPerSecond, float size)
{
    emit(system, minPerSecond, maxPerSecond);
    if (!systems[system] || !systems[system]->getEmitter())
        return;
    irr::scene::IParticleEmitter* emitter = systems[system]->getEmitter();
    emitter->setMinStartSize(irr::core::dimension2df(size, size));
    emitter->setMaxStartSize(irr::core::dimension2df(size, size));
}

} // namespace Lumo
