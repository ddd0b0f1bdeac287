#include "FuzzGame.h"

#include "ScratchFolder.h"
#include "TovarWorks/Platform/MessageOutput.h"
#include "TovarWorks/Platform/UserFolder.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/GameFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {
void stop() {
    delete TovarWorks::gDevice;
    TovarWorks::gDevice = nullptr;
    delete Lumo::gGameData;
    Lumo::gGameData = nullptr;
}
} // namespace

void FuzzGame::start() {
    if (TovarWorks::gDevice)
        return;
    const std::filesystem::path folder = ScratchFolder::path() / "runtime";
    std::string error;
    if (!TovarWorks::UserFolder::prepare(KORNELO_RUNTIME_DIR, folder, Lumo::GameFolder::kWritableFiles, error)) {
        std::fprintf(stderr, "cannot mirror the runtime folder: %s\n", error.c_str());
        std::abort();
    }
    std::filesystem::current_path(folder);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    TovarWorks::gDevice = new TovarWorks::TovarDevice();
    TovarWorks::gDevice->setMessageOutput(std::make_shared<TovarWorks::RecordingMessageOutput>());
    if (!TovarWorks::gDevice->init(640, 360, false, irr::video::EDT_NULL))
        std::abort();
    TovarWorks::gDevice->getIrrlichtDevice()->getTimer()->stop();
    TovarWorks::gDevice->hideConsoleLog = true;
    Lumo::gGameData = new Lumo::GameData();
    std::atexit(stop);
}
