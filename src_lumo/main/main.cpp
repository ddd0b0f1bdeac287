// Kornelo: builds the engine and the bakery in their fixed order, runs the main loop, tears down.
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameFolder.h"
#include "src_lumo/Game/GameStartup.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Game/SettingsFile.h"

#include <csignal>
#include <string>

using TovarWorks::gDevice;

namespace {

void requestQuit(int) {
    if (gDevice)
        gDevice->requestQuit();
}

} // namespace

int main() {
    gDevice = new TovarWorks::TovarDevice();
    // The game opens its data by relative paths: from its own folder, or the player's when installed.
    std::string folderProblem;
    if (!Lumo::GameFolder::enter(Lumo::GameFolder::executableFolder(), folderProblem))
        gDevice->printError(L"Could not prepare the game's folder: %p", irr::core::stringw(folderProblem.c_str()));
    // From here on an end request waits for the loop, even one that comes while the game loads.
    std::signal(SIGTERM, requestQuit);
    std::signal(SIGINT, requestQuit);
    std::shared_ptr<Lumo::LumoGameLogic> logic = Lumo::GameStartup::start(Lumo::SettingsFile::read());
    if (!logic) {
        delete gDevice;
        return 1;
    }

    gDevice->runMainLoop();
    // The scene goes with the device: the logic's own hold on it must go first.
    logic.reset();
    delete gDevice;
    gDevice = nullptr;
    return 0;
}
