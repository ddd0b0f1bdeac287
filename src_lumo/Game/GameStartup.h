#pragma once
// The game's start-up after the device is up, shared by the game itself and by scripted play:
// interface textures, shader materials, sprite definitions, the path graph, the
// logic with its visual, and the event wiring. Handing the logic to the device stays the caller's.
#include <memory>

namespace Lumo {

class LumoGameLogic;

class GameStartup {
public:
    // Needs the initialised device and GameData with its settings. The sound volume is set apart,
    // right after the device is up.
    static std::shared_ptr<LumoGameLogic> build();

    static void setSoundVolume();
    static void loadInterfaceTextures();
    static void loadDefinitions();
    static void loadPathGraph();
    static void registerEvents(const std::shared_ptr<LumoGameLogic>& logic);
};

} // namespace Lumo
