#pragma once
// The save file in the player's folder, with the previous save beside it as a backup. A save is
// written to a temporary file and renamed over the old one, so a failed or cut-short write never
// costs the save there was. A file that cannot be read as a whole is never used: it is moved aside
// under a name that says it is damaged, and the backup is tried.
#include "src_lumo/Save/SavedGame.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace Lumo {

class SaveSlot {
public:
    static constexpr const char* kFileName = "kornelo.sav";

    struct Loaded {
        std::optional<SavedGame> game;
        // For the player: every damaged file, where it went, and which file was used instead.
        std::vector<std::string> messages;
    };

    explicit SaveSlot(std::filesystem::path file) : file(std::move(file)) {}

    const std::filesystem::path& path() const { return file; }
    std::filesystem::path backupPath() const;

    // The save, or when it is damaged the backup; damaged files are moved aside.
    Loaded load() const;
    struct Written {
        // False when the save could not be written; the save there was stays.
        bool saved = false;
        // For the player: why it was not written, or that the new save has no backup beside it.
        std::vector<std::string> messages;
    };
    Written write(const SavedGame& game) const;
    // The story is over: the save and its backup go.
    void remove() const;

private:
    // A name beside the file that no file has yet: "kornelo.sav.damaged", "kornelo.sav.damaged-2" ...
    std::filesystem::path damagedPath(const std::filesystem::path& damaged) const;

    std::filesystem::path file;
};

} // namespace Lumo
