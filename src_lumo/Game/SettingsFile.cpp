#include "src_lumo/Game/SettingsFile.h"

#include "TovarWorks/Console/IniReader.h"
#include "TovarWorks/Platform/Utf8.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameLanguages.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace Lumo {

namespace {
// Beyond this a cap means nothing to any screen.
constexpr int kMaxFps = 1000;

void readVolume(const TovarWorks::IniReader& ini, const wchar_t* key, int& volume) {
    int value = 0;
    if (ini.tryGetInt(key, value))
        volume = std::clamp(value, 0, 100);
}

void readSide(const TovarWorks::IniReader& ini, const wchar_t* key, int& side) {
    int value = 0;
    if (ini.tryGetInt(key, value) && value > 0 && value <= SettingsFile::kMaxWindowSide)
        side = value;
}

void readFlag(const TovarWorks::IniReader& ini, const wchar_t* key, bool& flag) {
    if (ini.has(key))
        flag = ini.getBool(key);
}

void reportError(const wchar_t* message) {
    if (TovarWorks::gDevice)
        TovarWorks::gDevice->printError(message, L"");
}
} // namespace

GameSettings SettingsFile::read(const std::wstring& fileName) {
    GameSettings settings;
    const TovarWorks::IniReader ini(fileName);
    if (!ini.isLoaded()) {
        reportError(L"settings.ini not found!");
        return settings;
    }
    readVolume(ini, L"music", settings.musicVolume);
    readVolume(ini, L"sound", settings.soundVolume);
    readFlag(ini, L"fullscreen", settings.fullscreen);
    readSide(ini, L"resx", settings.width);
    readSide(ini, L"resy", settings.height);
    readFlag(ini, L"pixelprec", settings.pixelPrecise);
    int maxFps = 0;
    if (ini.tryGetInt(L"maxfps", maxFps) && maxFps >= 0)
        settings.maxFps = std::min(maxFps, kMaxFps);
    readFlag(ini, L"vsync", settings.vsync);
    readFlag(ini, L"hints", settings.hints);
    TextSpeeds::byName(ini.getString(L"text"), settings.textSpeed);
    const std::string language = TovarWorks::toUtf8(ini.getString(L"language"));
    if (GameLanguages::byCode(language).code == language)
        settings.language = language;
    settings.keys.read(ini);
    return settings;
}

bool SettingsFile::save(const GameSettings& settings, const std::string& fileName) {
    const std::string temporary = fileName + ".tmp";
    {
        std::ofstream file(temporary, std::ios::trunc);
        if (file) {
            const auto flag = [](bool value) { return value ? "true" : "false"; };
            file << "[key-bindings]\n";
            settings.keys.write(file);
            file << "[sound]\n"
                 << "music=" << settings.musicVolume << "\n"
                 << "sound=" << settings.soundVolume << "\n"
                 << "[graphics]\n"
                 << "fullscreen=" << flag(settings.fullscreen) << "\n"
                 << "resx=" << settings.width << "\n"
                 << "resy=" << settings.height << "\n"
                 << "pixelprec=" << flag(settings.pixelPrecise) << "\n"
                 << "maxfps=" << settings.maxFps << "\n"
                 << "vsync=" << flag(settings.vsync) << "\n"
                 << "[interface]\n"
                 << "hints=" << flag(settings.hints) << "\n"
                 << "text=" << TovarWorks::toUtf8(TextSpeeds::name(settings.textSpeed)) << "\n"
                 << "language=" << settings.language << "\n";
            file.close();
        }
        if (!file || std::rename(temporary.c_str(), fileName.c_str()) != 0) {
            std::remove(temporary.c_str());
            reportError(L"could not write to settings.ini!");
            return false;
        }
    }
    return true;
}

bool saveSettings(const std::string& fileName) {
    return gGameData && SettingsFile::save(gGameData->settings, fileName);
}

} // namespace Lumo
