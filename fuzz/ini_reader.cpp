// The INI reader and the settings read from it: "settings.ini" is the one file players edit by hand.
#include "ScratchFolder.h"
#include "TovarWorks/Console/IniReader.h"
#include "src_lumo/Game/SettingsFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string file = ScratchFolder::write("settings.ini", data, size);
    const std::wstring name(file.begin(), file.end());
    const TovarWorks::IniReader ini(name);
    int value = 0;
    for (const wchar_t* key : {L"music", L"sound", L"resx", L"resy", L""})
        if (ini.getInt(key) != -1 || ini.tryGetInt(key, value))
            (void)ini.getBool(key);
    const Lumo::GameSettings settings = Lumo::SettingsFile::read(name);
    if (settings.musicVolume < 0 || settings.musicVolume > 100 || settings.width <= 0 || settings.height <= 0)
        std::abort(); // the reader promises usable values whatever the file holds
    return 0;
}
