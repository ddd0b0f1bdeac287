#pragma once
// What the player asks for on the command line: the usage, the version, or a window of another
// kind or size for this run only (settings.ini keeps what the options screen chose).
#include "src_lumo/Game/GameData.h"

#include <optional>
#include <string>

namespace Lumo {

class CommandLine {
public:
    enum class Action { Play, ShowHelp, ShowVersion, BadUsage };

    static CommandLine parse(int argc, const char* const argv[]);
    static std::string usage();
    static std::string version();

    Action getAction() const { return action; }
    // Why the command line was refused, for BadUsage.
    const std::string& getProblem() const { return problem; }
    // The settings with this run's window choices put in.
    GameSettings windowFor(GameSettings settings) const;

private:
    bool readSize(const std::string& text);

    Action action = Action::Play;
    std::string problem;
    std::optional<bool> fullscreen;
    int width = 0;
    int height = 0;
};

} // namespace Lumo
