#include "NullDeviceFixture.h"
#include "InputEvents.h"
#include "TempDir.h"

#include "TovarWorks/Console/ConsoleLogic.h"
#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/GameLogic.h"
#include "TovarWorks/Language/SimpleLanguageSystem.h"

#include <filesystem>

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
    void type(const wchar_t* line) {
        for (const wchar_t* c = line; *c; ++c) {
            device().OnEvent(keyEvent(irr::KEY_KEY_A, true, *c));
            device().OnEvent(keyEvent(irr::KEY_KEY_A, false, *c));
        }
        device().OnEvent(keyEvent(irr::KEY_RETURN, true));
    }
    void press(irr::EKEY_CODE key) {
        device().OnEvent(keyEvent(key, true));
        device().OnEvent(keyEvent(key, false));
    }
};

TEST_F(ConsoleTest, StartUpBlockShowsRealTextsInOrder) {
    std::vector<stringw> texts;
    for (const auto& line : console().lines)
        texts.push_back(line.text);
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(texts[0], text(0));
    EXPECT_EQ(texts[2], text(5) + L": 0.3 Pre-Alpha");
    EXPECT_EQ(texts[3], text(6) + L": 1 (" + text(7) + L")");
    EXPECT_EQ(console().lines[4].level, TovarWorks::MSG_SEPARATOR);
    EXPECT_NE(text(0), L"STRING_OUT_OF_BOUNDARIES");
}

TEST_F(ConsoleTest, PrintErrorReplacesOnlyTheFirstPlaceholder) {
    device().printError(L"Could not load INI file %p! %p", L"settings.ini");
    EXPECT_EQ(lastLine().text, L"Could not load INI file settings.ini! %p");
    EXPECT_EQ(lastLine().colour, 0xFFFF9696u);
    device().printError(L"Could not load INI file %p!", L"");
    EXPECT_EQ(lastLine().text, L"Could not load INI file %p!");
    device().printError(L"nothing to replace", L"x");
    EXPECT_EQ(lastLine().text, L"nothing to replace");
}

TEST_F(ConsoleTest, LevelsChooseColours) {
    const std::pair<int, uint32_t> expected[] = {{0, 0xFFFFFFFF}, {1, 0xFFC8C8FF}, {3, 0xFFFF9696}, {5, 0xFF646464}, {7, 0xFFFFFFFF}};
    for (const auto& [level, colour] : expected) {
        device().print(L"x", level);
        EXPECT_EQ(lastLine().colour, colour) << "level " << level;
    }
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

TEST_F(ConsoleTest, HistoryWalksUpAndDownWithinItsLimits) {
    device().executeConsoleLine(L"first");
    device().executeConsoleLine(L"second");
    console().historyDown(); // at the end: nothing
    EXPECT_EQ(console().input, L"");
    console().historyUp();
    EXPECT_EQ(console().input, L"second");
    console().historyUp();
    console().historyUp();
    EXPECT_EQ(console().input, L"first");
    EXPECT_EQ(console().historyIndex, 0);
    console().historyDown();
    EXPECT_EQ(console().input, L"second");
    console().historyDown();
    EXPECT_EQ(console().historyIndex, 1) << "never beyond the last entry";
}

TEST_F(ConsoleTest, ScrollingStopsAtTheTopAndWhenTheOldestLineIsVisible) {
    console().scrollUp();
    EXPECT_EQ(console().scroll, 0);
    console().open = true;
    runFrame(16); // draws, measuring how many lines fit
    const int visible = console().visibleCount;
    ASSERT_EQ(visible, static_cast<int>(console().lines.size()));
    console().scrollDown();
    EXPECT_EQ(console().scroll, 0) << "the last line is already visible";
    for (int i = 0; i < 200; ++i)
        device().print(L"filler");
    runFrame(16);
    for (int i = 0; i < 1000; ++i)
        console().scrollDown();
    EXPECT_LE(console().scroll, static_cast<int>(console().lines.size()));
    EXPECT_GT(console().scroll, 0);
}

TEST_F(ConsoleTest, DebugVariablesAreReplacedByIdKeepingTheirName) {
    console().setDebugVariable(3, L"Logged Events", L"1.000000");
    console().setDebugVariable(3, L"renamed", L"2.000000");
    console().setDebugVariable(4, L"other", L"x");
    ASSERT_EQ(console().debugVariables.size(), 2u);
    EXPECT_EQ(console().debugVariables[0].name, L"Logged Events");
    EXPECT_EQ(console().debugVariables[0].value, L"2.000000");
}

TEST_F(ConsoleTest, CommandsNeedThePrefixWordAndABlank) {
    auto logic = std::make_shared<RecordingLogic>();
    device().setGameLogic(logic);
    const size_t before = console().lines.size();
    device().executeConsoleLine(L"tovar ");
    device().executeConsoleLine(L"");
    EXPECT_EQ(console().lines.size(), before);
    device().executeConsoleLine(L"tovarfps");
    ASSERT_EQ(logic->commands.size(), 1u);
    EXPECT_EQ(logic->commands[0], L"tovarfps");
    EXPECT_FALSE(device().getShowFps());
    EXPECT_EQ(console().history.size(), 2u) << "every non-empty line is remembered";
}

TEST_F(ConsoleTest, EngineCommandsDoTheirWork) {
    device().executeConsoleLine(L"tovar fps");
    EXPECT_TRUE(device().getShowFps());
    device().executeConsoleLine(L"tovar fps");
    EXPECT_FALSE(device().getShowFps());

    device().executeConsoleLine(L"tovar speed 0.5");
    EXPECT_FLOAT_EQ(device().getIrrlichtDevice()->getTimer()->getSpeed(), 0.5f);

    device().executeConsoleLine(L"tovar speed");
    EXPECT_EQ(lastLine().text, text(4));
    EXPECT_EQ(lastLine().level, TovarWorks::MSG_ERROR);

    for (const wchar_t* bad : {L"tovar speed nan", L"tovar speed inf", L"tovar speed -2", L"tovar speed fast",
                               L"tovar speed 2x", L"tovar speed 1e300"}) {
        console().lines.clear();
        device().executeConsoleLine(bad);
        ASSERT_FALSE(console().lines.empty()) << bad;
        EXPECT_EQ(lastLine().text, text(4)) << bad;
        EXPECT_FLOAT_EQ(device().getIrrlichtDevice()->getTimer()->getSpeed(), 0.5f) << bad << " keeps the speed";
    }

    device().executeConsoleLine(L"tovar dance");
    EXPECT_EQ(lastLine().text, text(9) + L": dance");

    const size_t before = console().lines.size();
    device().executeConsoleLine(L"tovar help");
    ASSERT_EQ(console().lines.size(), before + 6);
    EXPECT_EQ(console().lines[before + 1].text, text(13));
    EXPECT_EQ(console().lines[before + 4].text, text(12));
    EXPECT_EQ(console().lines[before + 4].level, TovarWorks::MSG_HELP);

    const size_t beforeDriver = console().lines.size();
    device().executeConsoleLine(L"tovar driver");
    bool listsRenderTargets = false;
    for (size_t i = beforeDriver; i < console().lines.size(); ++i)
        listsRenderTargets = listsRenderTargets || console().lines[i].text.subString(0, 18) == L"RENDER_TO_TARGET: ";
    EXPECT_TRUE(listsRenderTargets) << "the driver's features, one a line";
}

class DeviceInputTest : public ConsoleTest {};

TEST_F(DeviceInputTest, F1ReleaseTogglesTheConsoleEvenWithAGameRunning) {
    auto logic = std::make_shared<RecordingLogic>();
    device().setGameLogic(logic);
    EXPECT_FALSE(device().OnEvent(keyEvent(irr::KEY_F1, true)) && console().open);
    EXPECT_FALSE(console().open) << "pressing is not enough";
    EXPECT_TRUE(device().OnEvent(keyEvent(irr::KEY_F1, false)));
    EXPECT_TRUE(console().open);
    device().OnEvent(keyEvent(irr::KEY_F1, false));
    EXPECT_FALSE(console().open);
}

TEST_F(DeviceInputTest, LettersGoToTheConsoleNotTheGameWhileItIsOpen) {
    auto logic = std::make_shared<RecordingLogic>();
    device().setGameLogic(logic);
    press(irr::KEY_KEY_X);
    ASSERT_EQ(logic->keys.size(), 2u);
    logic->keys.clear();

    device().OnEvent(keyEvent(irr::KEY_F1, false));
    type(L"tovar fps");
    EXPECT_TRUE(logic->keys.empty());
    EXPECT_TRUE(device().getShowFps());
    EXPECT_EQ(console().input, L"");

    // Keys the console does not take reach nobody.
    EXPECT_FALSE(device().OnEvent(keyEvent(irr::KEY_ESCAPE, true)));
    EXPECT_TRUE(logic->keys.empty());
    // Control combinations are swallowed.
    EXPECT_TRUE(device().OnEvent(keyEvent(irr::KEY_KEY_C, true, L'c', true)));
    EXPECT_EQ(console().input, L"");
}

TEST_F(DeviceInputTest, TheGameSeesNoKeyDownWhileTheConsoleIsOpenNorAfterwards) {
    device().OnEvent(keyEvent(irr::KEY_LEFT, true));
    ASSERT_TRUE(device().isKeyDown(irr::KEY_LEFT));
    device().OnEvent(keyEvent(irr::KEY_F1, false));
    EXPECT_FALSE(device().isKeyDown(irr::KEY_LEFT)) << "a key held when the console opens counts as released";

    // A blank in a command, a walk through the history: none of it is the game's.
    for (const irr::EKEY_CODE key : {irr::KEY_SPACE, irr::KEY_UP, irr::KEY_KEY_X, irr::KEY_KEY_C}) {
        device().OnEvent(keyEvent(key, true, key == irr::KEY_SPACE ? L' ' : L'x'));
        EXPECT_FALSE(device().isKeyDown(key)) << key;
    }
    device().OnEvent(keyEvent(irr::KEY_F1, false));
    EXPECT_FALSE(device().isKeyDown(irr::KEY_SPACE)) << "keys typed into the console stay out of the game";
    EXPECT_FALSE(device().isKeyDown(irr::KEY_UP));

    device().OnEvent(keyEvent(irr::KEY_SPACE, true, L' '));
    EXPECT_TRUE(device().isKeyDown(irr::KEY_SPACE)) << "closed, the keys are the game's again";
    device().OnEvent(keyEvent(irr::KEY_SPACE, false, L' '));
    EXPECT_FALSE(device().isKeyDown(irr::KEY_SPACE));
}

TEST_F(DeviceInputTest, BackspaceStopsAtAnEmptyInputLine) {
    device().OnEvent(keyEvent(irr::KEY_F1, false));
    device().OnEvent(keyEvent(irr::KEY_KEY_A, true, L'a'));
    device().OnEvent(keyEvent(irr::KEY_BACK, true));
    device().OnEvent(keyEvent(irr::KEY_BACK, true));
    EXPECT_EQ(console().input, L"");
}

TEST_F(DeviceInputTest, ResizeCallsTheLogicOncePerNewSize) {
    auto logic = std::make_shared<RecordingLogic>();
    device().setGameLogic(logic);
    runFrame(16);
    EXPECT_EQ(logic->resizes, 0);
    device().getVideoDriver()->OnResize({800, 600});
    runFrame(16);
    runFrame(16);
    EXPECT_EQ(logic->resizes, 1);
    device().getVideoDriver()->OnResize({1024, 600});
    runFrame(16);
    EXPECT_EQ(logic->resizes, 2);
}

TEST_F(DeviceInputTest, FrameDeltasFollowTheVirtualTimer) {
    runFrame(40);
    runFrame(17);
    EXPECT_EQ(device().getFrameDelta(), 17u);
    EXPECT_EQ(device().getTimeRecord().lastDelta, 17u);
    EXPECT_GE(device().getTimeRecord().totalTime, 57u);
}

TEST_F(DeviceInputTest, SetGameLogicRefusesNothingAndAnnouncesTheLogic) {
    EXPECT_FALSE(device().setGameLogic(nullptr));
    auto logic = std::make_shared<RecordingLogic>();
    EXPECT_TRUE(device().setGameLogic(logic));
    EXPECT_EQ(lastLine().text, text(8) + L" : Root GameLogicclass");
    EXPECT_EQ(lastLine().level, TovarWorks::MSG_INFO);
}

TEST(DeviceBeforeInit, MessagesBecomeMessageBoxes) {
    TovarWorks::TovarDevice device;
    auto output = std::make_shared<TovarWorks::RecordingMessageOutput>();
    device.setMessageOutput(output);
    device.printError(L"Could not load INI file %p!", L"settings.ini");
    ASSERT_EQ(output->messages.size(), 1u);
    EXPECT_EQ(output->messages[0].caption, L"TovarWorks");
    EXPECT_EQ(output->messages[0].text, L"Could not load INI file settings.ini!");
}

TEST_F(ConsoleTest, LogCommandSwitchesLoggingAndReportsAMissingFile) {
    const size_t before = console().lines.size();
    device().executeConsoleLine(L"tovar log");
    EXPECT_EQ(console().lines.size(), before) << "without a word nothing happens";

    device().executeConsoleLine(L"tovar log on");
    EXPECT_TRUE(device().getEventManager()->loggingEnabled);
    device().executeConsoleLine(L"tovar log off");
    EXPECT_FALSE(device().getEventManager()->loggingEnabled);

    const auto previous = std::filesystem::current_path();
    TempDir dir;
    std::filesystem::current_path(dir.path());
    device().executeConsoleLine(L"tovar log load");
    std::filesystem::current_path(previous);
    EXPECT_EQ(lastLine().level, TovarWorks::MSG_ERROR);
    EXPECT_TRUE(device().getEventManager()->getReplayList().empty());
}

TEST_F(ConsoleTest, GameCommandsRunAfterThePrefixAndListTheirHelp) {
    std::vector<stringw> received;
    device().registerConsoleCommand(L"editor", L"tovar editor - switch the world editor on or off",
                                    [&](const std::vector<stringw>& words) { received = words; });
    device().registerConsoleCommand(L"fps", L"never shown", [&](const std::vector<stringw>&) { FAIL(); });

    device().executeConsoleLine(L"tovar editor now");
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[2], L"now");

    device().executeConsoleLine(L"tovar fps");
    EXPECT_TRUE(device().getShowFps()) << "engine commands keep their names";

    const size_t before = console().lines.size();
    device().executeConsoleLine(L"tovar help");
    EXPECT_EQ(console().lines[before + 5].text, L"tovar editor - switch the world editor on or off");
    EXPECT_EQ(console().lines.back().level, TovarWorks::MSG_SEPARATOR);
}

TEST(DeviceLogFile, EveryMessageGoesToTheLogAndTheEarlierRunsLogIsKept) {
    const TempDir temp;
    const std::string log = temp.file("game.log");
    const std::string previous = temp.file("game-previous.log");
    {
        TovarWorks::TovarDevice device;
        device.setMessageOutput(std::make_shared<TovarWorks::RecordingMessageOutput>());
        ASSERT_TRUE(device.openLogFile(log, previous));
        device.printError(L"Could not load INI file %p!", L"settings.ini");
        EXPECT_EQ(readWholeFile(log), "Could not load INI file settings.ini!\n") << "written through at once";
    }
    TovarWorks::TovarDevice device;
    device.setMessageOutput(std::make_shared<TovarWorks::RecordingMessageOutput>());
    ASSERT_TRUE(device.openLogFile(log, previous));
    device.print(L"zweiter Lauf: Br\u00f6tchen");
    EXPECT_EQ(readWholeFile(previous), "Could not load INI file settings.ini!\n");
    EXPECT_EQ(readWholeFile(log), "zweiter Lauf: Br\xc3\xb6tchen\n");
}

TEST(DeviceLogFile, AFolderThatCannotBeWrittenLeavesTheGameWithoutALog) {
    const TempDir temp;
    temp.write("folder", "a file where a folder should be");
    TovarWorks::TovarDevice device;
    auto output = std::make_shared<TovarWorks::RecordingMessageOutput>();
    device.setMessageOutput(output);
    EXPECT_FALSE(device.openLogFile(temp.file("folder/game.log"), temp.file("folder/old.log")));
    device.print(L"still shown");
    EXPECT_EQ(output->messages.size(), 1u);
}
