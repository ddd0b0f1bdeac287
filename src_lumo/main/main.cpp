// Kornelo: builds the engine and the bakery in their fixed order, runs the main loop, tears down.
#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"
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

void loadInterfaceTextures(irr::video::IVideoDriver* driver) {
    struct TextureSlot {
        const char* path;
        irr::video::ITexture* Lumo::GameData::*slot;
    };
    const TextureSlot textures[] = {
        {"lumodata/fontbakery.png", &Lumo::GameData::fontTexture},
        {"lumodata/items.png", &Lumo::GameData::itemsTexture},
        {"lumodata/2d/gui.png", &Lumo::GameData::guiTexture},
        {"lumodata/2d/gui2.png", &Lumo::GameData::gui2Texture},
        {"lumodata/2d/gui3.png", &Lumo::GameData::gui3Texture},
    };
    for (const TextureSlot& texture : textures) {
        irr::video::ITexture* handle = driver->getTexture(texture.path);
        if (handle)
            driver->makeColorKeyTexture(handle, irr::core::position2d<irr::s32>(0, 0));
        gGameData->*texture.slot = handle;
    }
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

    irr::IrrlichtDevice* irrDevice = gDevice->getIrrlichtDevice();
    irr::video::IVideoDriver* driver = gDevice->getVideoDriver();
    gDevice->hideConsoleLog = true;
    gDevice->loadConsoleFont("TovarWorks/systemFont.bmp");
    irrDevice->setResizable(true);
    gDevice->hideConsoleLog = true;
    irrDevice->setWindowCaption(L"Kornelo Beta");

    driver->setTextureCreationFlag(irr::video::ETCF_CREATE_MIP_MAPS, false);
    loadInterfaceTextures(driver);

    for (const TovarWorks::EventType* type : TovarWorks::kGameEventTypes)
        gDevice->getEventManager()->RegisterEventType(*type);

    gDevice->runMainLoop();
    delete gDevice;
    gDevice = nullptr;
    return 0;
}
