// The driver itself: a bad script is refused.
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
