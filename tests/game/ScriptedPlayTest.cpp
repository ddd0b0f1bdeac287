// The driver itself: the same script gives the same game; bad scripts are refused.
#include "GamePlayFixture.h"

class ScriptedPlayScript : public GamePlayFixture {};

TEST_F(ScriptedPlayScript, RefusesBadLinesAndNamesTheLine) {
    std::string error;
    EXPECT_FALSE(play->scheduleText("10 press LEFT\n12 hold LEFT\n", error));
    EXPECT_EQ("12 hold LEFT", error);
    EXPECT_FALSE(play->scheduleText("-1 press LEFT", error));
    EXPECT_FALSE(play->scheduleText("5 press NOKEY", error));
    EXPECT_FALSE(play->scheduleText("5 press LEFT extra", error));
    EXPECT_FALSE(play->scheduleText("99999999999999999999 press LEFT", error));
    EXPECT_FALSE(play->scheduleText("7x press LEFT", error));
    EXPECT_TRUE(play->scheduleText("# comment\n\n3 press LEFT\n9 release LEFT\n", error));
}

TEST_F(ScriptedPlayScript, TheSameScriptGivesTheSameGame) {
    const std::string script = "0 press RIGHT\n40 release RIGHT\n40 press UP\n90 release UP\n";
    std::string states[2];
    for (std::string& state : states) {
        start({});
        startNewGame();
        std::string error;
        ASSERT_TRUE(play->scheduleText(script, error));
        play->runFrames(120);
        state = play->describeState();
        // Frame numbers differ with nothing else; the rest must not.
        state = state.substr(state.find(" day "));
    }
    EXPECT_EQ(states[0], states[1]);
    EXPECT_NE(std::string::npos, states[0].find("day 1 weekday 0"));
}

TEST_F(ScriptedPlayScript, DescribesTheStateAPlayerWouldSee) {
    startNewGame();
    const std::string state = play->describeState();
    EXPECT_NE(std::string::npos, state.find("money 500"));
    EXPECT_NE(std::string::npos, state.find("stage barman hero merchant"));
    EXPECT_NE(std::string::npos, state.find("customers 0"));
    EXPECT_EQ("07:05", Lumo::ScriptedPlay::clockText(425));
}
