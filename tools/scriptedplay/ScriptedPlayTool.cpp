// scriptedplay [--frames N] [--frame-ms N] [--seed N] [--new-game] [--every N] [--opengl]
//              [--screenshot file.png] [--runtime folder] [script-file]
// Runs the game on a virtual clock from a key script ("<frame> press|release <KEY>" per line),
// printing the game state every N frames and at the end.
#include "src_lumo/Play/ScriptedPlay.h"

#include "TovarWorks/TovarDevice.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

struct Arguments {
    uint32_t frames = 600;
    Lumo::ScriptedPlayOptions options;
    bool newGame = false;
    uint32_t every = 0;
    std::string screenshot;
    std::string runtime = KORNELO_RUNTIME_DIR;
    std::string scriptFile;
};

bool readNumber(const char* text, uint32_t& value) {
    char* end = nullptr;
    const unsigned long number = std::strtoul(text, &end, 10);
    if (*text == '\0' || *end != '\0' || *text == '-' || number > 0xFFFFFFFFul)
        return false;
    value = static_cast<uint32_t>(number);
    return true;
}

bool parse(int argc, char** argv, Arguments& arguments) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const bool hasValue = i + 1 < argc;
        uint32_t number = 0;
        if (word == "--new-game") {
            arguments.newGame = true;
        } else if (word == "--opengl") {
            arguments.options.driver = irr::video::EDT_OPENGL;
        } else if (word == "--frame-ms" && hasValue) {
            // Decimals allowed: 16.7 plays at 60 frames a second.
            char* end = nullptr;
            const double millis = std::strtod(argv[++i], &end);
            if (*argv[i] == '\0' || *end != '\0' || !(millis > 0.0 && millis <= 10000.0)) {
                std::cerr << "not a frame length: " << argv[i] << '\n';
                return false;
            }
            arguments.options.frameMillis = millis;
        } else if ((word == "--frames" || word == "--seed" || word == "--every") && hasValue) {
            if (!readNumber(argv[++i], number)) {
                std::cerr << "not a number: " << argv[i] << '\n';
                return false;
            }
            if (word == "--frames")
                arguments.frames = number;
            else if (word == "--seed")
                arguments.options.seed = number;
            else
                arguments.every = number;
        } else if (word == "--screenshot" && hasValue) {
            arguments.screenshot = std::filesystem::absolute(argv[++i]).string();
        } else if (word == "--runtime" && hasValue) {
            arguments.runtime = argv[++i];
        } else if (!word.empty() && word[0] != '-' && arguments.scriptFile.empty()) {
            arguments.scriptFile = std::filesystem::absolute(word).string();
        } else {
            std::cerr << "unknown argument: " << word << '\n';
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    if (!parse(argc, argv, arguments))
        return 2;
    std::string scriptText;
    if (!arguments.scriptFile.empty()) {
        std::ifstream file(arguments.scriptFile);
        if (!file) {
            std::cerr << "cannot read " << arguments.scriptFile << '\n';
            return 2;
        }
        std::ostringstream text;
        text << file.rdbuf();
        scriptText = text.str();
    }
    std::error_code error;
    std::filesystem::current_path(arguments.runtime, error);
    if (error) {
        std::cerr << "cannot enter " << arguments.runtime << '\n';
        return 2;
    }

    Lumo::ScriptedPlay play(arguments.options);
    if (!play.isReady()) {
        std::cerr << "the game could not start\n";
        return 1;
    }
    std::string badLine;
    if (!play.scheduleText(scriptText, badLine)) {
        std::cerr << "bad script line: " << badLine << '\n';
        return 2;
    }
    if (arguments.newGame && !play.startNewGame())
        std::cerr << "the new game did not hand over control\n";
    for (uint32_t done = 0; done < arguments.frames;) {
        const uint32_t step = arguments.every ? std::min(arguments.every, arguments.frames - done) : arguments.frames;
        play.runFrames(step);
        done += step;
        if (arguments.every)
            std::cout << play.describeState() << '\n';
    }
    std::cout << play.describeState() << std::endl;
    if (!arguments.screenshot.empty()) {
        irr::video::IImage* shot = play.screenshot();
        if (!shot) {
            std::cerr << "no picture on this driver\n";
            return 1;
        }
        TovarWorks::gDevice->getVideoDriver()->writeImageToFile(shot, arguments.screenshot.c_str());
        shot->drop();
    }
    return 0;
}
