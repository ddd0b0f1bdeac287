// The game's command line, through the real executable: what it prints, where, and its exit codes.
#include "RunningProgram.h"
#include "src_lumo/Game/CommandLine.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;
using Lumo::CommandLine;

namespace {

struct Outcome {
    int exitCode;
    std::string output;
};

enum class Stream { Output, Errors };

// Keeps only one of the two streams, so a test can tell them apart. No display: whatever needs no
// window must not try to open one.
Outcome runKeeping(Stream stream, const std::string& arguments) {
    const std::string redirect = stream == Stream::Output ? " 2>/dev/null" : " 2>&1 >/dev/null";
    const std::string command = "exec '" KORNELO_RUNTIME_DIR "/kornelo' " + arguments + redirect;
    RunningProgram program({"/bin/sh", {"-c", command}, "/", {"DISPLAY", "WAYLAND_DISPLAY"}});
    const int code = program.waitForExit(20s);
    return {code, program.output()};
}

} // namespace

TEST(CommandLineTest, HelpAndVersionPrintToStandardOutputAndEndWithoutAWindow) {
    const Outcome help = runKeeping(Stream::Output, "--help");
    EXPECT_EQ(help.exitCode, 0) << help.output;
    EXPECT_EQ(help.output.rfind("Usage: kornelo", 0), 0u) << help.output;
    for (const char* option : {"--windowed", "--fullscreen", "--size WxH", "--version"})
        EXPECT_NE(help.output.find(option), std::string::npos) << option;
    EXPECT_EQ(runKeeping(Stream::Output, "-h").output, help.output);

    const Outcome version = runKeeping(Stream::Output, "--version");
    EXPECT_EQ(version.exitCode, 0) << version.output;
    EXPECT_EQ(version.output, "Kornelo Beta (TovarWorks engine 0.3 Pre-Alpha)\n");
    // Neither started the game: it would have printed its start-up lines.
    EXPECT_EQ(help.output.find("TovarWorks"), std::string::npos);
}

TEST(CommandLineTest, AnUnknownOptionOrABadSizeGivesTheUsageOnStandardErrorAndExitCode2) {
    for (const char* arguments : {"--bake-faster", "--size", "--size 800", "--size 0x600", "--size x600",
                                  "--size=1280x", "--size 800x6o0", "--windowed extra",
                                  "--size 4294968096x600"}) { // 2^32 + 800 would wrap to 800 in an int
        const Outcome errors = runKeeping(Stream::Errors, arguments);
        EXPECT_EQ(errors.exitCode, 2) << arguments;
        EXPECT_EQ(errors.output.rfind("kornelo: ", 0), 0u) << arguments << ": " << errors.output;
        EXPECT_NE(errors.output.find("Usage: kornelo"), std::string::npos) << arguments;
        const Outcome standardOutput = runKeeping(Stream::Output, arguments);
        EXPECT_EQ(standardOutput.exitCode, 2) << arguments;
        EXPECT_EQ(standardOutput.output, "") << arguments;
    }
    EXPECT_NE(runKeeping(Stream::Errors, "--bake-faster").output.find("'--bake-faster'"), std::string::npos);
}

TEST(CommandLineTest, TheLastWindowChoiceWinsAndTheRestOfTheSettingsStay) {
    Lumo::GameSettings file;
    file.fullscreen = true;
    file.musicVolume = 30;
    const char* const arguments[] = {"kornelo", "--windowed", "--size=800x600", "--fullscreen", "--windowed"};
    const CommandLine line = CommandLine::parse(5, arguments);
    ASSERT_EQ(line.getAction(), CommandLine::Action::Play);
    const Lumo::GameSettings window = line.windowFor(file);
    EXPECT_FALSE(window.fullscreen);
    EXPECT_EQ(window.width, 800);
    EXPECT_EQ(window.height, 600);
    EXPECT_EQ(window.musicVolume, 30);

    // Each side from one to the largest a settings file keeps, and no further.
    const std::pair<const char*, int> edges[] = {{"1x1", 1}, {"16384x16384", 16384}, {"16385x600", 0}};
    for (const auto& [size, width] : edges) {
        const char* const sized[] = {"kornelo", "--size", size};
        const CommandLine edge = CommandLine::parse(3, sized);
        EXPECT_EQ(edge.getAction(), width ? CommandLine::Action::Play : CommandLine::Action::BadUsage) << size;
        if (width)
            EXPECT_EQ(edge.windowFor(file).width, width) << size;
    }

    const char* const none[] = {"kornelo"};
    const Lumo::GameSettings unchanged = CommandLine::parse(1, none).windowFor(file);
    EXPECT_TRUE(unchanged.fullscreen);
    EXPECT_EQ(unchanged.width, file.width);
}
