#pragma once
// "settings.ini": read once at start-up, rewritten whole when the player leaves the options.
#include "src_lumo/Game/GameData.h"

#include <string>

namespace Lumo {

class SettingsFile {
public:
    static constexpr int kMaxWindowSide = 16384;

    // Defaults for a missing file, key or unusable value; volumes clamped to 0-100.
    static GameSettings read(const std::wstring& fileName = L"settings.ini");
    // Writes the canonical lines through a temporary file, so a failed write loses nothing.
    static bool save(const GameSettings& settings, const std::string& fileName = "settings.ini");
};

// Writes the settings held in gGameData; false without game data or when the write failed.
bool saveSettings(const std::string& fileName = "settings.ini");

} // namespace Lumo
