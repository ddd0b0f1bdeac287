#pragma once
// The game's start-up, one order for the game itself and for scripted play: the game data with its
// texts and settings, the frame pacing, the device and its window, the sound volume, the console,
// then interface textures, shader materials, sprite definitions, the path graph, the logic with its
// visual and the event wiring, and last the logic handed to the device.
#include <irrlicht.h>

#include <memory>

namespace Lumo {

class LumoGameLogic;
struct GameSettings;

class GameStartup {
public:
    // Needs the created device (gDevice) and the current folder at the game's data. The game data
    // keeps the settings; the window opens as `window` says, which may differ for this run. Null
    // when the window could not be opened; gGameData exists either way.
    static std::shared_ptr<LumoGameLogic> start(const GameSettings& settings, const GameSettings& window,
                                                irr::video::E_DRIVER_TYPE driver = irr::video::EDT_OPENGL);
    static std::shared_ptr<LumoGameLogic> start(const GameSettings& settings,
                                                irr::video::E_DRIVER_TYPE driver = irr::video::EDT_OPENGL) {
        return start(settings, settings, driver);
    }

private:
    static std::shared_ptr<LumoGameLogic> build();
    static void setSoundVolume();
    static void loadInterfaceTextures();
    static void loadDefinitions();
    static void loadPathGraph();
    static void registerEvents(const std::shared_ptr<LumoGameLogic>& logic);
};

} // namespace Lumo
