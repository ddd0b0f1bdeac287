// Kornelo: builds the engine and the bakery in their fixed order, runs the main loop, tears down.
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/CommandLine.h"
#include "src_lumo/Game/GameFolder.h"
#include "src_lumo/Game/GameStartup.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Game/SettingsFile.h"
#include "src_lumo/Save/SaveSlot.h"

#include <csignal>
#include <iostream>
#include <string>

using TovarWorks::gDevice;

namespace {

void requestQuit(int) {
    if (gDevice)
        gDevice->requestQuit();
}

} // namespace

int main(int argc, char* argv[]) {
    const Lumo::CommandLine commandLine = Lumo::CommandLine::parse(argc, argv);
    switch (commandLine.getAction()) {
    case Lumo::CommandLine::Action::ShowHelp:
        std::cout << Lumo::CommandLine::usage();
        return 0;
    case Lumo::CommandLine::Action::ShowVersion:
        std::cout << Lumo::CommandLine::version();
        return 0;
    case Lumo::CommandLine::Action::BadUsage:
        std::cerr << "kornelo: " << commandLine.getProblem() << "\n" << Lumo::CommandLine::usage();
        return 2;
    case Lumo::CommandLine::Action::Play:
        break;
    }

    gDevice = new TovarWorks::TovarDevice();
    // The game opens its data by relative paths: from its own folder, or the player's when installed.
    std::string folderProblem;
    const bool folderReady = Lumo::GameFolder::enter(Lumo::GameFolder::executableFolder(), folderProblem);
    if (!gDevice->openLogFile(Lumo::GameFolder::kLogFile, Lumo::GameFolder::kPreviousLogFile))
        std::cerr << "kornelo: cannot write " << Lumo::GameFolder::kLogFile << " here; playing without a log file\n";
    if (!folderReady)
        gDevice->printError(L"Could not prepare the game's folder: %p", irr::core::stringw(folderProblem.c_str()));
    // From here on an end request waits for the loop, even one that comes while the game loads.
    std::signal(SIGTERM, requestQuit);
    std::signal(SIGINT, requestQuit);
    // The command line's window is for this run only: what the options screen saves stays as read.
    const Lumo::GameSettings settings = Lumo::SettingsFile::read();
    std::shared_ptr<Lumo::LumoGameLogic> logic = Lumo::GameStartup::start(settings, commandLine.windowFor(settings));
    if (!logic) {
        delete gDevice;
        return 1;
    }
    // The save lives beside settings.ini, in the folder the game runs in.
    logic->useSaveFile(Lumo::SaveSlot::kFileName);

    gDevice->runMainLoop();
    // The scene goes with the device: the logic's own hold on it must go first.
    logic.reset();
    delete gDevice;
    gDevice = nullptr;
    return 0;
}
