// The music by the hour: channel 2 in the morning, 3 from noon, 4 from five in the evening.
#include "InGame.h"

#include "src_lumo/Events/SetTimeEvent.h"

TEST_F(InGame, TheMusicChangesAtSixNoonAndFiveAndAtNoOtherMinute) {
    const struct {
        int hour, minute;
        const char* fades;
    } cases[] = {{6, 0, "2:1 4:0 3:0"}, {12, 0, "3:1 2:0"}, {17, 0, "4:1 3:0"}, {9, 30, ""}, {18, 0, ""}};
    for (const auto& c : cases) {
        // The clock set just before the minute, which then passes.
        trigger(Lumo::SetTimeEvent(c.hour, c.minute));
        world().clockMs = 0;
        recorder->clear();
        play->runFrames(1, 501);
        play->runFrames(1, 1); // the fades queued in the last frame are delivered in this one
        EXPECT_EQ(c.fades, recorder->fades()) << c.hour << ":" << c.minute;
    }
}

TEST_F(InGame, EscapeFadesEverythingOutAndTheResumedGameChoosesAgain) {
    trigger(Lumo::SetTimeEvent(18, 0));
    recorder->clear();
    play->tap(irr::KEY_ESCAPE);
    play->runFrames(1);
    EXPECT_NE(std::string::npos, recorder->fades().find("2:0 3:0 4:0"));
    EXPECT_FALSE(logic().isMusicChosen());
    recorder->clear();
    play->tap(irr::KEY_UP); // from the spent "new game" to "continue"
    play->tap(irr::KEY_SPACE);
    play->runFrames(2);
    EXPECT_TRUE(logic().isMusicChosen());
    EXPECT_NE(std::string::npos, recorder->fades().find("4:1 3:0"));
}
