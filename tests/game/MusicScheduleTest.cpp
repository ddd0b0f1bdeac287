// The music by the hour: channel 2 in the morning, 3 from noon, 4 from five in the evening.
#include "GamePlayFixture.h"

#include "src_lumo/Events/SetTimeEvent.h"

class MusicSchedule : public GamePlayFixture {
protected:
    // Sets the clock just before a minute and lets it pass.
    std::string fadesWhenPassing(int hour, int minute) {
        trigger(Lumo::SetTimeEvent(hour, minute));
        world().clockMs = 0;
        recorder->clear();
        play->runFrames(1, 501);
        play->runFrames(1, 1); // the fades queued in the last frame are delivered in this one
        return recorder->fades();
    }
    void SetUp() override {
        GamePlayFixture::SetUp();
        startNewGame();
    }
};

TEST_F(MusicSchedule, SixInTheMorningFadesInTheMorningPiece) {
    EXPECT_EQ("2:1 4:0 3:0", fadesWhenPassing(6, 0));
}

TEST_F(MusicSchedule, NoonFadesInTheAfternoonPiece) {
    EXPECT_EQ("3:1 2:0", fadesWhenPassing(12, 0));
}

TEST_F(MusicSchedule, FiveInTheEveningFadesInTheEveningPiece) {
    EXPECT_EQ("4:1 3:0", fadesWhenPassing(17, 0));
}

TEST_F(MusicSchedule, OtherMinutesFadeNothing) {
    EXPECT_EQ("", fadesWhenPassing(9, 30));
    EXPECT_EQ("", fadesWhenPassing(18, 0));
}

TEST_F(MusicSchedule, HalfPastElevenThenNoonSwapsMorningForAfternoon) {
    trigger(Lumo::SetTimeEvent(11, 30));
    recorder->clear();
    play->runUntil([this] { return world().minuteOfDay == 12 * 60 + 1; }, 40 * 40);
    play->runFrames(1);
    EXPECT_EQ("3:1 2:0", recorder->fades());
}

TEST_F(MusicSchedule, EscapeFadesEverythingOutAndTheResumedGameChoosesAgain) {
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
