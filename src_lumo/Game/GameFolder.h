#pragma once
// Where the game runs, so its data's relative paths hold: its own folder when that is a build or
// an unpacked copy the player can write to, or the player's folder under the XDG data home (the
// shipped data linked there) when the game is installed or its folder is read-only.
#include <filesystem>
#include <string>
#include <vector>

namespace Lumo {

class GameFolder {
public:
    // Written into the game's folder by "cmake --install".
    static const char* const kInstalledMarker; // "installed"
    static const char* const kGameName;        // "kornelo"
    // The console's lines of this run and of the run before, for bug reports.
    static const char* const kLogFile;         // "kornelo.log"
    static const char* const kPreviousLogFile; // "kornelo-previous.log"
    // The files the game writes over: the settings and the world files of the editor.
    static const std::vector<std::string> kWritableFiles;

    static std::filesystem::path executableFolder();
    static bool needsUserFolder(const std::filesystem::path& gameFolder);

    // Enters the folder the game runs in. When the player's folder cannot be made, the game stays in
    // its own folder (it plays, but cannot save) and the reason comes back with false.
    static bool enter(const std::filesystem::path& gameFolder, std::string& error);
};

} // namespace Lumo
