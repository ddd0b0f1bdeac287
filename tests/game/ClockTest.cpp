// The game clock: a minute on the first frame after more than 500 ms, the stop at 22:00, and the
// modes and menus that hold it. The postman's minute is PostmanTest's.
#include "InGame.h"

#include "src_lumo/Events/SetTimerEvent.h"
#include "src_lumo/Game/GameClock.h"
#include "src_lumo/Menus/GameMenue.h"

#include <climits>

using Lumo::GameClock;
using Lumo::WorldState;

TEST(GameClockRule, AMinuteNeedsMoreThanFiveHundredMillisecondsAndAHeldClockOnlyGathers) {
    WorldState world;
    world.minuteOfDay = 600;
    EXPECT_FALSE(GameClock::advance(world, 500, true).due);
    EXPECT_EQ(600, world.minuteOfDay);
    EXPECT_EQ(500, world.clockMs);
    EXPECT_TRUE(GameClock::advance(world, 1, true).due);
    EXPECT_EQ(601, world.minuteOfDay);
    EXPECT_EQ(0, world.clockMs);
    EXPECT_FALSE(GameClock::advance(world, 2000, false).due);
    EXPECT_EQ(601, world.minuteOfDay);
    EXPECT_EQ(2000, world.clockMs);
}

TEST(GameClockRule, StandsAtTenInTheEveningWhileTheMillisecondsGatherWithoutWrapping) {
    WorldState world;
    world.minuteOfDay = 21 * 60 + 59;
    GameClock::advance(world, 501, true);
    EXPECT_EQ(22 * 60, world.minuteOfDay);
    for (int i = 0; i < 5; ++i)
        GameClock::advance(world, 501, true);
    EXPECT_EQ(22 * 60, world.minuteOfDay);
    EXPECT_EQ(5 * 501, world.clockMs);
    world.clockMs = INT_MAX - 10;
    GameClock::advance(world, 1000, true);
    EXPECT_EQ(INT_MAX, world.clockMs);
}

TEST_F(InGame, TheClockIsHeldByTheTimerEventTheCalendarAndThePauseMenu) {
    const int minute = world().minuteOfDay;
    trigger(Lumo::SetTimerEvent(false));
    play->runFrames(100);
    EXPECT_EQ(minute, world().minuteOfDay);
    trigger(Lumo::SetTimerEvent(true));
    visual().setMode(Lumo::MODE_CALENDAR);
    play->runFrames(100);
    EXPECT_EQ(minute, world().minuteOfDay);
    visual().setMode(Lumo::MODE_KNEADING);
    play->runFrames(1); // the milliseconds gathered meanwhile count at once
    EXPECT_EQ(minute + 1, world().minuteOfDay);
    visual().setMode(Lumo::MODE_WALKING);
    play->tap(irr::KEY_ESCAPE);
    ASSERT_TRUE(logic().getMenu().isOpen());
    const int paused = world().minuteOfDay;
    play->runFrames(100);
    EXPECT_EQ(paused, world().minuteOfDay);
}
