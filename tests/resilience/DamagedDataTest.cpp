// Every shipped data file in turn missing, replaced by garbage or cut in half: the game still
// starts, says what it could not use, and plays a scripted minute without crashing.
#include "DamagedRuntime.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Play/ScriptedPlay.h"
#include "src_lumo/Visual/LumoVisual.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <regex>
#include <tuple>

namespace {

struct DataKind {
    const char* name;
    const char* pattern; // over the path relative to the runtime folder
};

const DataKind kKinds[] = {
    {"SpriteDefinitions", R"(lumodata/(2d/)?def_.*\.xml)"},
    {"Textures", R"(.*\.(png|bmp))"},
    {"Meshes", R"(.*\.(irrmesh|3ds|3DS))"},
    {"Shaders", R"(data/shader/.*)"},
    {"Music", R"(lumodata/music/.*)"},
    {"Texts", R"(lumodata/lang/.*|TovarWorks/lang/.*)"},
    {"WorldFiles", R"(lumodata/world[pc]\.txt)"},
    {"Settings", R"(settings\.ini)"},
};

void PrintTo(const DataKind& kind, std::ostream* out) { *out << kind.name; }

bool isKind(const DataKind& kind, const std::string& file) { return std::regex_match(file, std::regex(kind.pattern)); }

// The engine's own texts are the one thing the game cannot start without: it says so and stops.
bool isEngineLanguageFile(const std::string& file) { return file.rfind("TovarWorks/lang/", 0) == 0; }

// Every message the game showed, a line each.
std::string joined(const std::vector<std::wstring>& shown) {
    std::string text;
    for (const std::wstring& message : shown)
        text += std::string(message.begin(), message.end()) + "\n";
    return text;
}

// A minute at 60 frames a second: walking every way, acting, picking up, putting down.
std::vector<Lumo::ScriptedKey> aScriptedMinute(uint32_t frame) {
    const irr::EKEY_CODE keys[] = {irr::KEY_LEFT,  irr::KEY_SPACE, irr::KEY_UP,   irr::KEY_KEY_C, irr::KEY_RIGHT,
                                   irr::KEY_KEY_X, irr::KEY_DOWN,  irr::KEY_SPACE, irr::KEY_KEY_X, irr::KEY_LEFT};
    std::vector<Lumo::ScriptedKey> script;
    for (int round = 0; round < 12; ++round)
        for (const irr::EKEY_CODE key : keys) {
            const bool walking = key == irr::KEY_LEFT || key == irr::KEY_RIGHT || key == irr::KEY_UP || key == irr::KEY_DOWN;
            script.push_back({frame, key, true});
            script.push_back({frame + (walking ? 25u : 2u), key, false});
            frame += 30;
        }
    return script;
}

constexpr uint32_t kMinuteOfFrames = 3600;

// The oven's, its smoke's and the trays' pictures and meshes are opened when the baking starts;
// the German texts only when German is chosen.
const char* const kNotOpenedInTheMinute =
    R"(lumodata/(3d/(blech|oven_).*|2d/k_[12]\.png|lang/de\.txt)|TovarWorks/lang/german/.*)";

} // namespace

class DamagedDataTest : public ::testing::TestWithParam<std::tuple<DataKind, Damage>> {
protected:
    // Decoding the music is most of a start-up: only the music's own cases pay for it. The others
    // run as on a machine without sound (an audio driver that does not exist).
    void SetUp() override {
        const bool music = std::string(std::get<0>(GetParam()).name) == "Music";
        setenv("SDL_AUDIODRIVER", music ? "dummy" : "none", 1);
    }

    void playWith(const std::string& file, Damage damage) {
        SCOPED_TRACE(file + " " + damageName(damage));
        const DamagedRuntime runtime(file, damage);
        const WorkingFolder inside(runtime.path());
        Lumo::ScriptedPlay play;
        if (!play.isReady()) {
            EXPECT_TRUE(isEngineLanguageFile(file)) << "the game stopped at start-up";
            EXPECT_NE(joined(play.shownMessages()).find("Languagefile"), std::string::npos) << "and must say why";
            return;
        }
        ASSERT_TRUE(play.startNewGame()) << play.describeState();
        play.schedule(aScriptedMinute(play.getFrame()));
        play.runFrames(kMinuteOfFrames);
        if (damage == Damage::Missing && !std::regex_match(file, std::regex(kNotOpenedInTheMinute)))
            EXPECT_NE(joined(play.shownMessages()).find(file.substr(file.rfind('/') + 1)), std::string::npos)
                << "a missing file is named in a message; shown:\n" << joined(play.shownMessages());
        EXPECT_TRUE(play.getLogic().isGameStarted()) << play.describeState();
        // The game still answers the keys: out of whatever the script left open, then a walk.
        for (const irr::EKEY_CODE key : {irr::KEY_KEY_X, irr::KEY_ESCAPE, irr::KEY_KEY_X})
            if (!play.getLogic().hasPlayerControl() || play.getLogic().getVisual()->getMode() != 0)
                play.tap(key), play.runFrames(30);
        // Without her own sprite definition the baker is not on stage at all; the rest still plays.
        if (!play.getLogic().getVisual()->getHero())
            return;
        const irr::core::vector3df before = Lumo::gGameData->heroPosition;
        play.press(irr::KEY_LEFT);
        play.runFrames(60);
        play.release(irr::KEY_LEFT);
        play.press(irr::KEY_UP);
        play.runFrames(60);
        play.release(irr::KEY_UP);
        EXPECT_NE(Lumo::gGameData->heroPosition, before) << "the baker walks: " << play.describeState();
    }
};

TEST_P(DamagedDataTest, GameStartsAndPlaysAMinute) {
    const auto& [kind, damage] = GetParam();
    int files = 0;
    for (const std::string& file : DamagedRuntime::shippedDataFiles())
        if (isKind(kind, file)) {
            playWith(file, damage);
            ++files;
        }
    EXPECT_GT(files, 0) << "no shipped file is of this kind";
}

INSTANTIATE_TEST_SUITE_P(EveryKind, DamagedDataTest,
                         ::testing::Combine(::testing::ValuesIn(kKinds),
                                            ::testing::Values(Damage::Missing, Damage::Garbage, Damage::Truncated)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    damageName(std::get<1>(info.param));
                         });

TEST(DamagedDataCoverageTest, EveryShippedFileIsOfAKindThatIsDamaged) {
    for (const std::string& file : DamagedRuntime::shippedDataFiles()) {
        int kinds = 0;
        for (const DataKind& kind : kKinds)
            kinds += isKind(kind, file);
        EXPECT_GE(kinds, 1) << file;
    }
}
