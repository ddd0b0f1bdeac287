// Kornelo: builds the engine and the bakery in their fixed order, runs the main loop, tears down.
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/CommandLine.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/GameFolder.h"
#include "src_lumo/Game/GameStartup.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Game/SettingsFile.h"

#include <csignal>
#include <iostream>
#include <irrlicht.h>
#include <string>

using TovarWorks::gDevice;
using Lumo::gGameData;

namespace {

void requestQuit(int) {
    if (gDevice)
        gDevice->requestQuit();
}

// The window as it came out, for a player's bug report.
irr::core::stringw describeWindow(const irr::core::dimension2du& size, bool fullscreen) {
    return irr::core::stringw(L"Window: ") + irr::core::stringw(size.Width) + L"x" + irr::core::stringw(size.Height) +
           (fullscreen ? L", fullscreen" : L", windowed");
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
    const Lumo::GameSettings settings = Lumo::SettingsFile::read();

    gGameData = new Lumo::GameData();
    gGameData->texts.loadGameTexts("lumodata/lang/en.txt");
    gGameData->settings = settings;

    // The command line's window is for this run only: what the options screen saves stays as read.
    const Lumo::GameSettings window = commandLine.windowFor(settings);
    gDevice->setFramePacing(settings.vsync, static_cast<uint32_t>(settings.maxFps));
    if (!gDevice->init(window.width, window.height, window.fullscreen)) {
        delete gDevice;
        return 1;
    }
    std::signal(SIGTERM, requestQuit);
    std::signal(SIGINT, requestQuit);
    Lumo::GameStartup::setSoundVolume();

    irr::IrrlichtDevice* irrDevice = gDevice->getIrrlichtDevice();
    gDevice->hideConsoleLog = true;
    gDevice->loadConsoleFont("TovarWorks/systemFont.bmp");
    irrDevice->setResizable(true);
    gDevice->hideConsoleLog = true;
    irrDevice->setWindowCaption(L"Kornelo Beta");
    gDevice->print(describeWindow(gDevice->getVideoDriver()->getScreenSize(), window.fullscreen), TovarWorks::MSG_INFO);

    std::shared_ptr<Lumo::LumoGameLogic> logic = Lumo::GameStartup::build();
    gDevice->setGameLogic(logic);

    gDevice->runMainLoop();
    // The scene goes with the device: the logic's own hold on it must go first.
    logic.reset();
    delete gDevice;
    gDevice = nullptr;
    return 0;
}
