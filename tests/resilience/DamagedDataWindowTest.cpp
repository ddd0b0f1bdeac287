// The real game, on OpenGL under the X server, with a damaged file in a copy of its folder:
// what only the real window loads (shaders compiled, textures uploaded) must not bring it down.
#include "NeedsDisplay.h"
#include "DamagedRuntime.h"
#include "RunningProgram.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace std::chrono_literals;

namespace {

struct WindowCase {
    const char* name;
    const char* file;
    Damage damage;
};

const WindowCase kCases[] = {
    {"ShaderMissing", "data/shader/solidmaterial.frag", Damage::Missing},
    {"ShaderGarbage", "data/shader/lumocuboldshader.vert", Damage::Garbage},
    {"WallShaderTruncated", "data/shader/wallshader.frag", Damage::Truncated},
    {"TextureGarbage", "lumodata/items.png", Damage::Garbage},
    {"ConsoleFontMissing", "TovarWorks/systemFont.bmp", Damage::Missing},
    {"SettingsGarbage", "settings.ini", Damage::Garbage},
};

void PrintTo(const WindowCase& damaged, std::ostream* out) { *out << damaged.file << ' ' << damageName(damaged.damage); }

} // namespace

class DamagedDataWindowTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(DamagedDataWindowTest, TheGameStartsRunsAndEndsCleanly) {
    SKIP_WITHOUT_DISPLAY();
    const WindowCase& damaged = GetParam();
    // The game finds its data next to its executable, so the copy gets an executable of its own.
    const DamagedRuntime runtime(damaged.file, damaged.damage, {"kornelo"});
    RunningProgram game({(runtime.path() / "kornelo").string(), {}, "/", {}});
    ASSERT_TRUE(game.started());
    ASSERT_TRUE(game.waitFor("TovarWorks engine is up and running.", 30s)) << game.output();
    std::this_thread::sleep_for(2s);
    EXPECT_EQ(game.stop(), 0) << game.output();
}

INSTANTIATE_TEST_SUITE_P(SomeFiles, DamagedDataWindowTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DamagedDataWindowTest, WithoutItsEngineTextsTheGameSaysSoAndStops) {
    const DamagedRuntime runtime("TovarWorks/lang/english/defs.tsf", Damage::Missing, {"kornelo"});
    // No display: the message goes to the terminal only, not to a dialog that would stay open.
    RunningProgram game({(runtime.path() / "kornelo").string(), {}, "/", {"DISPLAY", "WAYLAND_DISPLAY"}});
    ASSERT_TRUE(game.started());
    EXPECT_EQ(game.waitForExit(30s), 1) << game.output();
    EXPECT_NE(game.output().find("Please reinstall the game."), std::string::npos) << game.output();
}
