#include "src_lumo/Game/CommandLine.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/SettingsFile.h"

#include <cstdlib>

namespace Lumo {

CommandLine CommandLine::parse(int argc, const char* const argv[]) {
    CommandLine line;
    for (int i = 1; i < argc && line.action == Action::Play; ++i) {
        const std::string word = argv[i];
        if (word == "--help" || word == "-h") {
            line.action = Action::ShowHelp;
        } else if (word == "--version") {
            line.action = Action::ShowVersion;
        } else if (word == "--windowed") {
            line.fullscreen = false;
        } else if (word == "--fullscreen") {
            line.fullscreen = true;
        } else if (word == "--size" || word.rfind("--size=", 0) == 0) {
            const bool joined = word.size() > 6;
            if (!joined && i + 1 >= argc) {
                line.action = Action::BadUsage;
                line.problem = "--size needs a size such as 1280x720";
            } else if (!line.readSize(joined ? word.substr(7) : argv[++i])) {
                line.action = Action::BadUsage;
            }
        } else {
            line.action = Action::BadUsage;
            line.problem = "unknown option '" + word + "'";
        }
    }
    return line;
}

bool CommandLine::readSize(const std::string& text) {
    const size_t by = text.find('x');
    const auto side = [](const std::string& digits, int& value) {
        if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
            return false;
        value = std::atoi(digits.c_str());
        return value > 0 && value <= SettingsFile::kMaxWindowSide;
    };
    if (by == std::string::npos || !side(text.substr(0, by), width) || !side(text.substr(by + 1), height)) {
        problem = "'" + text + "' is not a window size such as 1280x720";
        return false;
    }
    return true;
}

GameSettings CommandLine::windowFor(GameSettings settings) const {
    if (fullscreen)
        settings.fullscreen = *fullscreen;
    if (width > 0) {
        settings.width = width;
        settings.height = height;
    }
    return settings;
}

std::string CommandLine::usage() {
    return "Usage: kornelo [OPTION]...\n"
           "Kornelo, a little bakery life-simulation.\n"
           "\n"
           "  --windowed     play in a window this time\n"
           "  --fullscreen   play full screen this time\n"
           "  --size WxH     window size for this time, e.g. 1280x720\n"
           "  -h, --help     show this help and end\n"
           "  --version      show the version and end\n"
           "\n"
           "The window options leave settings.ini as the options screen wrote it.\n";
}

std::string CommandLine::version() {
    const std::wstring engine = TovarWorks::kEngineVersion;
    return "Kornelo Beta (TovarWorks engine " + std::string(engine.begin(), engine.end()) + ")\n";
}

} // namespace Lumo
