// Kornelo: builds the engine and the bakery in their fixed order, runs the main loop, tears down.
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/GameStartup.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Game/SettingsFile.h"

#include <csignal>
#include <filesystem>
#include <irrlicht.h>

using TovarWorks::gDevice;
using Lumo::gGameData;

namespace {

// The game opens its data by relative paths; they are relative to the folder it is installed in.
void enterGameFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        std::filesystem::current_path(executable.parent_path(), error);
}

void requestQuit(int) {
    if (gDevice)
        gDevice->requestQuit();
}

} // namespace

int main() {
    enterGameFolder();

    gDevice = new TovarWorks::TovarDevice();
    const Lumo::GameSettings settings = Lumo::SettingsFile::read();

    gGameData = new Lumo::GameData();
    gGameData->texts.loadGameTexts("lumodata/lang/en.txt");
    gGameData->settings = settings;

    if (!gDevice->init(settings.width, settings.height, settings.fullscreen)) {
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

    std::shared_ptr<Lumo::LumoGameLogic> logic = Lumo::GameStartup::build();
    gDevice->setGameLogic(logic);

    gDevice->runMainLoop();
    // The scene goes with the device: the logic's own hold on it must go first.
    logic.reset();
    delete gDevice;
    gDevice = nullptr;
    return 0;
}
