#include "src_lumo/Game/GameStartup.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/SoundSystem/SoundManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/GameLanguages.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Shaders/ShaderMaterials.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/SpriteDefinitionFiles.h"
#include "src_lumo/Visual/LumoVisual.h"
#include "src_lumo/Visual/VisualSpeechBubble.h"
#include "src_lumo/World/PathFinder.h"

namespace Lumo {

using TovarWorks::gDevice;

void GameStartup::setSoundVolume() {
    const std::shared_ptr<TovarWorks::SoundManager> sound = gDevice->getSoundManager();
    if (!sound)
        return;
    sound->setSoundVolume(1.0f);
    sound->setSoundVolume(static_cast<float>(gGameData->settings.musicVolume) / 100.0f);
}

void GameStartup::loadInterfaceTextures() {
    irr::video::IVideoDriver* driver = gDevice->getVideoDriver();
    driver->setTextureCreationFlag(irr::video::ETCF_CREATE_MIP_MAPS, false);
    struct TextureSlot {
        const char* path;
        irr::video::ITexture* GameData::*slot;
    };
    const TextureSlot textures[] = {
        {"lumodata/fontbakery.png", &GameData::fontTexture},
        {"lumodata/items.png", &GameData::itemsTexture},
        {"lumodata/2d/gui.png", &GameData::guiTexture},
        {"lumodata/2d/gui2.png", &GameData::gui2Texture},
        {"lumodata/2d/gui3.png", &GameData::gui3Texture},
    };
    for (const TextureSlot& texture : textures) {
        irr::video::ITexture* handle = driver->getTexture(texture.path);
        if (handle)
            driver->makeColorKeyTexture(handle, irr::core::position2d<irr::s32>(0, 0));
        gGameData->*texture.slot = handle;
    }
}

void GameStartup::loadDefinitions() { loadSpriteDefinitions(gGameData->spriteDefinitions); }

void GameStartup::loadPathGraph() {
    gGameData->world.customers->loadPathGraph(kWorldGraphFile);
}

void GameStartup::registerEvents(const std::shared_ptr<LumoGameLogic>& logic) {
    TovarWorks::EventManager& events = *gDevice->getEventManager();
    for (const TovarWorks::EventType* type : TovarWorks::kGameEventTypes)
        events.RegisterEventType(*type);
    using namespace TovarWorks;
    const EventType* const logicTypes[] = {
        &SetGameStateEventType, &StartNewDayEventType,  &CloseChoiceEventType,      &SetNewDayEventType,
        &SetTimeEventType,      &SetTimerEventType,     &StartNewGameEventType,     &SpawnLetterEventType,
        &RemoveCustomerEventType, &OpenMerchantMenueEventType, &CallActionEventType, &OpenBarMenueEventType,
    };
    const EventType* const visualTypes[] = {
        &AddCharacterEventType, &ChangeVisualNodeEventType,      &ChangeFaceDirEventType,
        &TeleportCharacterEventType, &SetHudEventType,           &SetAmbientColorSchemeEventType,
        &RemoveCharacterEventType, &ShowOverlayTextEventType,    &FadeOverlayTextEventType,
    };
    const IEventListenerPtr logicListener = logic;
    for (const EventType* type : logicTypes)
        events.AddListener(logicListener, *type);
    const IEventListenerPtr visualListener = logic->getVisual();
    for (const EventType* type : visualTypes)
        events.AddListener(visualListener, *type);
}

std::shared_ptr<LumoGameLogic> GameStartup::start(const GameSettings& settings, const GameSettings& window,
                                                  irr::video::E_DRIVER_TYPE driver) {
    gGameData = new GameData();
    gGameData->settings = settings;
    gGameData->settings.language = GameLanguages::loadTexts(settings.language, gGameData->texts);
    gDevice->setFramePacing(settings.vsync, static_cast<uint32_t>(settings.maxFps));
    gDevice->setStartLanguage(GameLanguages::byCode(gGameData->settings.language).engineName);
    if (!gDevice->init(static_cast<uint32_t>(window.width), static_cast<uint32_t>(window.height), window.fullscreen,
                       driver))
        return nullptr;
    // The window as it came out, for a player's bug report.
    const irr::core::dimension2du size = gDevice->getVideoDriver()->getScreenSize();
    gDevice->print(irr::core::stringw(L"Window: ") + irr::core::stringw(size.Width) + L"x" +
                       irr::core::stringw(size.Height) + (window.fullscreen ? L", fullscreen" : L", windowed"),
                   TovarWorks::MSG_INFO);
    setSoundVolume();
    gDevice->hideConsoleLog = true;
    gDevice->loadConsoleFont("TovarWorks/systemFont.bmp");
    irr::IrrlichtDevice* irrDevice = gDevice->getIrrlichtDevice();
    irrDevice->setResizable(true);
    irrDevice->setWindowCaption(L"Kornelo Beta");
    std::shared_ptr<LumoGameLogic> logic = build();
    gDevice->setGameLogic(logic);
    return logic;
}

std::shared_ptr<LumoGameLogic> GameStartup::build() {
    // Without the starting goods the dough menu would offer no bun and every tray would be unknown.
    gGameData->world.goods.fillStartingGoods();
    loadInterfaceTextures();
    registerShaderMaterials(*gDevice->getShaderManager(), gDevice->getVideoDriver(), gGameData->wallMaterial);
    loadDefinitions();
    loadPathGraph();
    CharNode::setSpeechBubbleFactory(VisualSpeechBubble::factory());
    auto logic = std::make_shared<LumoGameLogic>();
    registerEvents(logic);
    return logic;
}

} // namespace Lumo
