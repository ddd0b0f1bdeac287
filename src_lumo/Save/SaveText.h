#pragma once
// The save file's text: a version line, then one "name=value" per line like settings.ini, and an
// "end" line, so that a file cut anywhere is known to be cut. Reading is all or nothing.
#include "src_lumo/Save/SavedGame.h"

#include <string>
#include <string_view>

namespace Lumo {

class SaveText {
public:
    static constexpr int kVersion = 1;
    // Larger files are not saves of ours; they are refused before they are read.
    static constexpr size_t kMaxBytes = 64 * 1024;

    static std::string write(const SavedGame& game);
    // False, with the line and what is wrong with it, unless the text is one whole, sound save of
    // this version whose values the game can play.
    static bool read(std::string_view text, SavedGame& game, std::string& problem);
};

} // namespace Lumo
