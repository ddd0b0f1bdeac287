// The driver itself: the same script gives the same game; bad scripts are refused.
#include "GamePlayFixture.h"

TEST_F(GamePlayFixture, ABadScriptLineIsRefusedAndNamed) {
    std::string error;
    EXPECT_FALSE(play->scheduleText("10 press LEFT\n12 hold LEFT\n", error));
    EXPECT_EQ("12 hold LEFT", error);
    for (const char* bad : {"-1 press LEFT", "5 press NOKEY", "5 press LEFT extra", "99999999999999999999 press LEFT",
                            "7x press LEFT"})
        EXPECT_FALSE(play->scheduleText(bad, error)) << bad;
    EXPECT_TRUE(play->scheduleText("# comment\n\n3 press LEFT\n9 release LEFT\n", error));
}

TEST_F(GamePlayFixture, TheSameScriptGivesTheSameGame) {
    std::string states[2];
    for (std::string& state : states) {
        start({});
        startNewGame();
        std::string error;
        ASSERT_TRUE(play->scheduleText("0 press RIGHT\n40 release RIGHT\n40 press UP\n90 release UP\n", error));
        play->runFrames(120);
        state = play->describeState();
        state = state.substr(state.find(" day ")); // the frame numbers differ
    }
    EXPECT_EQ(states[0], states[1]);
    EXPECT_NE(std::string::npos, states[0].find("day 1 weekday 0"));
}
