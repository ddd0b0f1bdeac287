#include "src_lumo/Game/GameFolder.h"

#include "TovarWorks/Platform/UserFolder.h"
#include "src_lumo/World/CollisionGrid.h"
#include "src_lumo/World/PathFinder.h"

#include <unistd.h>

namespace Lumo {

namespace fs = std::filesystem;

const char* const GameFolder::kInstalledMarker = "installed";
const char* const GameFolder::kGameName = "kornelo";
const char* const GameFolder::kLogFile = "kornelo.log";
const char* const GameFolder::kPreviousLogFile = "kornelo-previous.log";
const std::vector<std::string> GameFolder::kWritableFiles = {"settings.ini", kWorldGraphFile, kCollisionGridFile};

fs::path GameFolder::executableFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : executable.parent_path();
}

bool GameFolder::needsUserFolder(const fs::path& gameFolder) {
    std::error_code error;
    // The marker decides for an installed game even where the folder is writable (root, say).
    return fs::exists(gameFolder / kInstalledMarker, error) || access(gameFolder.c_str(), W_OK) != 0;
}

bool GameFolder::enter(const fs::path& gameFolder, std::string& error) {
    std::error_code code;
    fs::path folder = gameFolder;
    bool prepared = true;
    if (needsUserFolder(gameFolder)) {
        const fs::path user = TovarWorks::UserFolder::locate(kGameName);
        prepared = TovarWorks::UserFolder::prepare(gameFolder, user, kWritableFiles, error);
        if (prepared)
            folder = user;
    }
    fs::current_path(folder, code);
    if (code) {
        error = "cannot enter " + folder.string() + ": " + code.message();
        return false;
    }
    return prepared;
}

} // namespace Lumo
