#pragma once
// The one game-data block, reached through gGameData: settings, interface textures, texts and
// the world state. Later systems add their fields here.
#include "src_lumo/Sprites/FileLoader.h"
#include "TovarWorks/Language/GameTexts.h"
#include "src_lumo/Game/WorldState.h"
#include "src_lumo/Gui/InterfaceView.h"
#include "src_lumo/Gui/TextSpeed.h"
#include "src_lumo/Input/KeyBindings.h"

#include <irrlicht.h>

#include <array>
#include <cstdint>
#include <string>

namespace Lumo {

struct GameSettings {
    int musicVolume = 100;
    int soundVolume = 100;
    bool fullscreen = false;
    int width = 1024;
    int height = 720;
    bool pixelPrecise = true;
    int maxFps = 60; // 0 = no cap
    // Asked of GLX by the device, where a server without swap control cannot end the game.
    bool vsync = true;
    bool hints = true; // the key hints at the bottom of the picture
    TextSpeed textSpeed = TextSpeed::Normal;
    std::string language = "en"; // a code of GameLanguages
    KeyBindings keys;
};

struct GameData {
    GameSettings settings;
    TovarWorks::GameTexts texts;
    FileLoader spriteDefinitions;

    irr::video::ITexture* fontTexture = nullptr;
    irr::video::ITexture* itemsTexture = nullptr;
    irr::video::ITexture* guiTexture = nullptr;
    irr::video::ITexture* gui2Texture = nullptr;
    irr::video::ITexture* gui3Texture = nullptr;
    int wallMaterial = 0;

    uint32_t ambientColor = 0;
    uint32_t screenFadeColor = 0;
    // Where the interface is drawn; the visual updates it on resize.
    InterfaceView interfaceView;

    WorldState world;
    // Where the baker stands, written by the visual every frame.
    irr::core::vector3df heroPosition;
    // Goods whose discovery remark has played, by good kind.
    std::array<bool, 16> discovered{};

    // After an ending: the world and the discoveries as a new program has them.
    void startOver();
};

extern GameData* gGameData;

// The game text in the current language; the identifier itself while there is no game data.
std::wstring gameText(const std::string& identifier);

} // namespace Lumo
