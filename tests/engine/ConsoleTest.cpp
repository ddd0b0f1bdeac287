#include "NullDeviceFixture.h"
#include "InputEvents.h"
#include "NeedsDisplay.h"
#include "TempDir.h"

#include "TovarWorks/Console/ConsoleLogic.h"
#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/GameLogic.h"
#include "TovarWorks/Language/SimpleLanguageSystem.h"
#include "TovarWorks/Platform/Utf8.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

using irr::core::stringw;
using TovarWorks::ConsoleLogic;

namespace {
// A logic that records what reaches it.
class RecordingLogic : public TovarWorks::GameLogic {
public:
    bool OnEvent(const irr::SEvent& event) override {
        if (event.EventType == irr::EET_KEY_INPUT_EVENT)
            keys.push_back(event.KeyInput.Key);
        return true;
    }
    void executeCommand(const stringw& line) override { commands.push_back(line); }
    void onResize() override { ++resizes; }
    std::vector<irr::EKEY_CODE> keys;
    std::vector<stringw> commands;
    int resizes = 0;
};
} // namespace

class ConsoleTest : public NullDeviceFixture {
protected:
    ConsoleLogic& console() { return *device().getConsole(); }
    const stringw& text(int number) { return device().getLanguageSystem()->getText(number); }
    const TovarWorks::ConsoleLine& lastLine() { return console().lines.back(); }
    void run(const wchar_t* line) { device().executeConsoleLine(line); }
    void press(irr::EKEY_CODE key, wchar_t character = 0) {
        device().OnEvent(keyEvent(key, true, character));
        device().OnEvent(keyEvent(key, false, character));
    }
    void type(const wchar_t* line) {
        for (const wchar_t* c = line; *c; ++c)
            press(irr::KEY_KEY_A, *c);
        press(irr::KEY_RETURN);
    }
    std::shared_ptr<RecordingLogic> logic = std::make_shared<RecordingLogic>();
};

TEST_F(ConsoleTest, PrintErrorReplacesOnlyTheFirstPlaceholder) {
    const struct {
        const wchar_t *format, *argument, *shown;
    } cases[] = {{L"Could not load INI file %p! %p", L"settings.ini", L"Could not load INI file settings.ini! %p"},
                 {L"Could not load INI file %p!", L"", L"Could not load INI file %p!"},
                 {L"nothing to replace", L"x", L"nothing to replace"}};
    for (const auto& c : cases) {
        device().printError(c.format, c.argument);
        EXPECT_EQ(lastLine().text, c.shown);
        EXPECT_EQ(lastLine().level, TovarWorks::MSG_ERROR);
    }
}

TEST_F(ConsoleTest, ALineEndsWithItsSuffixAndKeepsTheTimeItWasWritten) {
    runFrame(40);
    console().addLine(0xFFFFFFFF, TovarWorks::MSG_INFO, L"saved to ", L"save.dat");
    EXPECT_EQ(lastLine().text, L"saved to save.dat");
    EXPECT_EQ(lastLine().created, device().getTime());
    EXPECT_NE(lastLine().created, 0u);
}

TEST_F(ConsoleTest, TheThousandAndFirstLineDropsTheOldestWithoutMovingTheScroll) {
    console().lines.clear();
    for (int i = 0; i < 1001; ++i)
        device().print(stringw(i));
    console().scroll = 5;
    device().print(L"one more");
    EXPECT_EQ(console().lines.size(), 1000u);
    EXPECT_EQ(console().lines.front().text, L"2");
    EXPECT_EQ(console().scroll, 5);
}

TEST_F(ConsoleTest, TheArrowKeysWalkTheHistoryWithinItsLimits) {
    for (const wchar_t* line : {L"first", L"second", L"third"})
        run(line);
    device().OnEvent(keyEvent(irr::KEY_F1, false));
    const std::pair<irr::EKEY_CODE, const wchar_t*> walk[] = {
        {irr::KEY_DOWN, L""},     {irr::KEY_UP, L"third"},    {irr::KEY_UP, L"second"},  {irr::KEY_UP, L"first"},
        {irr::KEY_UP, L"first"},  {irr::KEY_DOWN, L"second"}, {irr::KEY_DOWN, L"third"}, {irr::KEY_DOWN, L"third"}};
    for (const auto& [key, input] : walk) {
        press(key);
        EXPECT_EQ(console().input, input);
    }
    EXPECT_EQ(console().historyIndex, 2) << "never beyond the last entry";
}

TEST_F(ConsoleTest, ALineWhoseBottomMeetsTheMarginIsStillDrawn) {
    console().open = true;
    for (int i = 0; i < 200; ++i)
        device().print(L"filler");
    const int lineHeight = console().lineHeight;
    ASSERT_GT(lineHeight, 0);
    // Twelve lines below the first 40 px, with 10 px to spare under the last, end right on the 20 px margin.
    const int fitting = 12;
    irr::video::IVideoDriver* driver = device().getVideoDriver();
    const irr::u32 height = static_cast<irr::u32>(40 + fitting * lineHeight + 10 + 20);
    for (const irr::u32 screenHeight : {height, height - 1}) {
        driver->OnResize({640, screenHeight});
        console().drawLines(driver, 0);
        EXPECT_EQ(console().visibleCount, screenHeight == height ? fitting : fitting - 1) << screenHeight;
    }
}

TEST_F(ConsoleTest, PageKeysScrollStoppingAtTheNewestLineAndWhenTheOldestIsVisible) {
    console().open = true;
    runFrame(16); // draws, measuring how many lines fit
    ASSERT_EQ(console().visibleCount, static_cast<int>(console().lines.size()));
    press(irr::KEY_NEXT);
    EXPECT_EQ(console().scroll, 0) << "the last line is already visible";
    for (int i = 0; i < 200; ++i)
        device().print(L"filler");
    runFrame(16);
    for (int i = 0; i < 1000; ++i)
        press(irr::KEY_NEXT);
    EXPECT_EQ(console().scroll + console().visibleCount, static_cast<int>(console().lines.size()));
    press(irr::KEY_PRIOR);
    EXPECT_EQ(console().scroll + console().visibleCount + 1, static_cast<int>(console().lines.size()));
    for (int i = 0; i < 1000; ++i)
        press(irr::KEY_PRIOR);
    EXPECT_EQ(console().scroll, 0) << "back to the newest line, and no further";
}

TEST_F(ConsoleTest, LinesWithoutThePrefixWordGoToTheGameAndEveryLineIsRemembered) {
    device().setGameLogic(logic);
    const size_t before = console().lines.size();
    run(L"tovar ");
    run(L"");
    EXPECT_EQ(console().lines.size(), before);
    run(L"tovarfps");
    EXPECT_EQ(logic->commands, std::vector<stringw>{L"tovarfps"});
    EXPECT_FALSE(device().getShowFps());
    EXPECT_EQ(console().history.size(), 2u) << "every non-empty line is remembered";
}

TEST_F(ConsoleTest, EngineCommandsDoTheirWorkAndRefuseBadSpeeds) {
    run(L"tovar fps");
    EXPECT_TRUE(device().getShowFps());
    run(L"tovar fps");
    EXPECT_FALSE(device().getShowFps());
    // From a standstill to a thousand times as fast.
    for (const float speed : {0.0f, 1000.0f, 0.5f}) {
        run((L"tovar speed " + std::to_wstring(speed)).c_str());
        EXPECT_FLOAT_EQ(device().getIrrlichtDevice()->getTimer()->getSpeed(), speed);
    }
    for (const wchar_t* bad : {L"tovar speed", L"tovar speed nan", L"tovar speed inf", L"tovar speed -2",
                               L"tovar speed -0.001", L"tovar speed 1000.001", L"tovar speed fast",
                               L"tovar speed 2x", L"tovar speed 1e300"}) {
        console().lines.clear();
        run(bad);
        ASSERT_EQ(console().lines.size(), 1u) << bad;
        EXPECT_EQ(lastLine().text, text(4)) << bad;
        EXPECT_EQ(lastLine().level, TovarWorks::MSG_ERROR) << bad;
        EXPECT_FLOAT_EQ(device().getIrrlichtDevice()->getTimer()->getSpeed(), 0.5f) << bad << " keeps the speed";
    }
    run(L"tovar dance");
    EXPECT_EQ(lastLine().text, text(9) + L": dance");
    const size_t beforeDriver = console().lines.size();
    run(L"tovar driver");
    const bool rendersToTargets = device().getVideoDriver()->queryFeature(irr::video::EVDF_RENDER_TO_TARGET);
    const stringw expected = stringw(L"RENDER_TO_TARGET: ") + (rendersToTargets ? L"true" : L"false");
    bool listsRenderTargets = false;
    for (size_t i = beforeDriver; i < console().lines.size(); ++i)
        listsRenderTargets = listsRenderTargets || console().lines[i].text == expected;
    EXPECT_TRUE(listsRenderTargets) << "the driver's features, one a line, as the driver answers";
}

TEST_F(ConsoleTest, GameCommandsRunAfterThePrefixAndTheHelpListsThemAfterTheEngines) {
    std::vector<stringw> received;
    device().registerConsoleCommand(L"editor", L"tovar editor - switch the world editor on or off",
                                    [&](const std::vector<stringw>& words) { received = words; });
    device().registerConsoleCommand(L"fps", L"never shown", [&](const std::vector<stringw>&) { FAIL(); });
    run(L"tovar editor now");
    EXPECT_EQ(received, (std::vector<stringw>{L"tovar", L"editor", L"now"}));
    run(L"tovar fps");
    EXPECT_TRUE(device().getShowFps()) << "engine commands keep their names";
    const size_t before = console().lines.size();
    run(L"tovar help");
    ASSERT_EQ(console().lines.size(), before + 8) << "a separator, four engine lines, two game lines, a separator";
    for (const auto& [offset, number] : {std::pair{1, 13}, {2, 14}, {3, 15}, {4, 12}})
        EXPECT_EQ(console().lines[before + offset].text, text(number));
    EXPECT_EQ(console().lines[before + 5].text, L"tovar editor - switch the world editor on or off");
    EXPECT_EQ(console().lines[before + 5].level, TovarWorks::MSG_HELP);
    EXPECT_EQ(console().lines.back().level, TovarWorks::MSG_SEPARATOR);
}

TEST_F(ConsoleTest, TheLogCommandNeedsAWordAndItsFailuresAreErrors) {
    const size_t before = console().lines.size();
    run(L"tovar log");
    EXPECT_EQ(console().lines.size(), before);
    run(L"tovar log on");
    EXPECT_TRUE(device().getEventManager()->loggingEnabled);
    const auto previous = std::filesystem::current_path();
    TempDir dir;
    std::filesystem::current_path(dir.path());
    run(L"tovar log load");
    std::filesystem::current_path(previous);
    EXPECT_EQ(lastLine().level, TovarWorks::MSG_ERROR);
}

TEST_F(ConsoleTest, F1ReleaseTogglesTheConsoleAndWhileOpenLettersAreItsAlone) {
    device().setGameLogic(logic);
    press(irr::KEY_KEY_X);
    device().OnEvent(keyEvent(irr::KEY_F1, true));
    EXPECT_EQ(logic->keys.size(), 3u);
    EXPECT_FALSE(console().open) << "pressing is not enough";
    logic->keys.clear();
    EXPECT_TRUE(device().OnEvent(keyEvent(irr::KEY_F1, false)));
    EXPECT_TRUE(console().open);
    type(L"tovar fps");
    EXPECT_TRUE(device().getShowFps());
    EXPECT_EQ(console().input, L"");
    EXPECT_FALSE(device().OnEvent(keyEvent(irr::KEY_ESCAPE, true))) << "keys the console does not take reach nobody";
    EXPECT_TRUE(device().OnEvent(keyEvent(irr::KEY_KEY_C, true, L'c', true))) << "control combinations are swallowed";
    press(irr::KEY_KEY_A, L'a');
    press(irr::KEY_CAPITAL); // a key with no character types nothing
    press(irr::KEY_KEY_B, L'b');
    press(irr::KEY_BACK);
    EXPECT_EQ(console().input, L"a");
    EXPECT_EQ(console().input.size(), 1u) << "no hidden zero either";
    press(irr::KEY_BACK);
    press(irr::KEY_BACK);
    EXPECT_EQ(console().input, L"");
    EXPECT_TRUE(logic->keys.empty());
    device().OnEvent(keyEvent(irr::KEY_F1, false));
    EXPECT_FALSE(console().open);
}

TEST_F(ConsoleTest, TheDeviceKeepsTheLastStateOfTheFirstPadOnly) {
    device().OnEvent(padEvent(0b101, -300, 400, 9000));
    device().OnEvent(padEvent(0b010, 1, 2, 18000, 1));
    const TovarWorks::JoystickState& pad = device().getJoystick();
    EXPECT_EQ(pad.buttons, 0b101u);
    EXPECT_EQ(pad.axes[irr::SEvent::SJoystickEvent::AXIS_X], -300);
    EXPECT_EQ(pad.axes[irr::SEvent::SJoystickEvent::AXIS_Y], 400);
    EXPECT_EQ(pad.pov, 9000);
}

TEST_F(ConsoleTest, TheGameSeesNoKeyDownWhileTheConsoleIsOpenNorAfterwards) {
    device().OnEvent(keyEvent(irr::KEY_LEFT, true));
    ASSERT_TRUE(device().isKeyDown(irr::KEY_LEFT));
    device().OnEvent(keyEvent(irr::KEY_F1, false));
    EXPECT_FALSE(device().isKeyDown(irr::KEY_LEFT)) << "a key held when the console opens counts as released";
    for (const irr::EKEY_CODE key : {irr::KEY_SPACE, irr::KEY_UP, irr::KEY_KEY_X, irr::KEY_KEY_C}) {
        device().OnEvent(keyEvent(key, true, key == irr::KEY_SPACE ? L' ' : L'x'));
        EXPECT_FALSE(device().isKeyDown(key)) << key;
    }
    device().OnEvent(keyEvent(irr::KEY_F1, false));
    EXPECT_FALSE(device().isKeyDown(irr::KEY_SPACE)) << "keys typed into the console stay out of the game";
    device().OnEvent(keyEvent(irr::KEY_SPACE, true, L' '));
    EXPECT_TRUE(device().isKeyDown(irr::KEY_SPACE)) << "closed, the keys are the game's again";
    device().OnEvent(keyEvent(irr::KEY_SPACE, false, L' '));
    EXPECT_FALSE(device().isKeyDown(irr::KEY_SPACE));
}

TEST_F(ConsoleTest, TheLogicIsAnnouncedToldOfEachNewSizeOnceAndFramesFollowTheVirtualTimer) {
    EXPECT_FALSE(device().setGameLogic(nullptr));
    EXPECT_TRUE(device().setGameLogic(logic));
    EXPECT_EQ(lastLine().text, text(8) + L" : Root GameLogicclass");
    EXPECT_EQ(lastLine().level, TovarWorks::MSG_INFO);
    runFrame(40);
    runFrame(17);
    EXPECT_EQ(logic->resizes, 0);
    EXPECT_EQ(device().getFrameDelta(), 17u);
    EXPECT_EQ(device().getTimeRecord().lastDelta, 17u);
    EXPECT_GE(device().getTimeRecord().totalTime, 57u);
    for (const auto& [size, resizes] : {std::pair{irr::core::dimension2du(800, 600), 1}, {{800, 600}, 1}, {{1024, 600}, 2}}) {
        device().getVideoDriver()->OnResize(size);
        runFrame(16);
        EXPECT_EQ(logic->resizes, resizes);
    }
}

TEST(DeviceWithoutConsole, MessagesBecomeMessageBoxesAndTheLogFileKeepsTheEarlierRun) {
    const TempDir temp;
    const std::string log = temp.file("game.log"), previous = temp.file("game-previous.log");
    for (const wchar_t* run : {L"Could not load INI file %p!", L"zweiter Lauf: Br\u00f6tchen"}) {
        TovarWorks::TovarDevice device;
        auto output = std::make_shared<TovarWorks::RecordingMessageOutput>();
        device.setMessageOutput(output);
        ASSERT_TRUE(device.openLogFile(log, previous));
        device.printError(run, L"settings.ini");
        ASSERT_EQ(output->messages.size(), 1u);
        EXPECT_EQ(output->messages[0].caption, L"TovarWorks");
        EXPECT_EQ(readWholeFile(log), TovarWorks::toUtf8(output->messages[0].text) + "\n") << "written through at once";
    }
    EXPECT_EQ(readWholeFile(previous), "Could not load INI file settings.ini!\n");
    EXPECT_EQ(readWholeFile(log), "zweiter Lauf: Br\xc3\xb6tchen\n");

    temp.write("folder", "a file where a folder should be");
    TovarWorks::TovarDevice device;
    auto output = std::make_shared<TovarWorks::RecordingMessageOutput>();
    device.setMessageOutput(output);
    EXPECT_FALSE(device.openLogFile(temp.file("folder/game.log"), temp.file("folder/old.log")));
    device.print(L"still shown");
    EXPECT_EQ(output->messages.size(), 1u);
}

// The dialog belongs to a helper process. Were the helper to come back from showing it, a second
// game would run on behind the first; here it leaves a mark and ends before the test goes on.
TEST(DialogMessages, TheHelperNeverComesBackIntoTheProgram) {
    SKIP_WITHOUT_DISPLAY();
    const TempDir temp;
    const std::string mark = temp.file("came back");
    const pid_t self = getpid();
    TovarWorks::DialogMessageOutput().show(L"TovarWorks", L"a message for the dialog test");
    if (getpid() != self) {
        std::ofstream(mark) << getpid();
        _exit(0);
    }
    EXPECT_FALSE(std::filesystem::exists(mark));
}
