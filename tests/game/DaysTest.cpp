// New game, new days, the weekday and going to bed.
#include "InGame.h"

#include "src_lumo/Events/SetNewDayEvent.h"
#include "src_lumo/Events/SetTimeEvent.h"
#include "src_lumo/Events/StartNewDayEvent.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"

#include <vector>

TEST_F(GamePlayFixture, ANewGameBeginsDayOneAtSixWithFiveHundred) {
    const int minute = world().minuteOfDay;
    play->runFrames(100);
    EXPECT_EQ(minute, world().minuteOfDay) << "the clock runs under the title menu";
    startNewGame();
    EXPECT_EQ(1, world().day);
    EXPECT_EQ(500, world().money);
    EXPECT_GE(world().minuteOfDay, 6 * 60);
    EXPECT_LT(world().minuteOfDay, 6 * 60 + 10);
    const std::string state = play->describeState();
    for (const char* part : {"money 500", "stage barman hero merchant", "customers 0"})
        EXPECT_NE(std::string::npos, state.find(part)) << part;
    EXPECT_EQ(Lumo::LumoVisual::kMerchantSpot, visual().findCharacter("merchant")->getNode()->getPosition());
    EXPECT_EQ("07:05", Lumo::ScriptedPlay::clockText(425));
}

using Days = InGame;

// A new game's first day is the week's first.
TEST_F(Days, TheWeekdayRunsRoundTheWeek) {
    std::vector<int> weekdays{world().weekday};
    for (int i = 0; i < 8; ++i) {
        trigger(Lumo::SetNewDayEvent());
        weekdays.push_back(world().weekday);
    }
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5, 6, 0, 1}), weekdays);
    EXPECT_EQ(9, world().day);
}

TEST_F(Days, GoingToBedShowsTheComingDayAndWakesAtSixAndTheBakerCannotWalkMeanwhile) {
    EXPECT_EQ(L"day 1/13", visual().getHud().dayLine());
    trigger(Lumo::SetTimeEvent(22, 0));
    recorder->clear();
    queue(std::make_shared<Lumo::StartNewDayEvent>());
    play->runFrames(2);
    EXPECT_FALSE(logic().hasPlayerControl());
    const irr::core::vector3df before = Lumo::gGameData->heroPosition;
    hold(irr::KEY_LEFT, 20);
    EXPECT_EQ(before, Lumo::gGameData->heroPosition);
    play->runUntil([this] { return logic().hasPlayerControl() && Lumo::gGameData->screenFadeColor == 0; }, 1000);
    EXPECT_EQ(L"day 2/13", visual().getHud().dayLine());
    ASSERT_EQ(1u, recorder->count(TovarWorks::ShowOverlayTextEventType));
    for (const HeardEvent& event : recorder->heard)
        if (event.type == TovarWorks::ShowOverlayTextEventType.getHash())
            EXPECT_EQ("day 2", event.text);
    EXPECT_EQ(2, world().day);
    EXPECT_EQ(1, world().weekday);
    // The clock has run through the 750 ms fade-in since the morning began at six.
    EXPECT_GE(world().minuteOfDay, 6 * 60);
    EXPECT_LE(world().minuteOfDay, 6 * 60 + 2);
    EXPECT_TRUE(logic().hasPlayerControl());
}

TEST_F(Days, ACustomerStillInTheShopAtBedtimeIsGoneInTheMorning) {
    trigger(Lumo::SetTimeEvent(19, 0));
    customerArrives(0, world().minuteOfDay);
    ASSERT_EQ(1u, visual().getCustomerQueue().size());
    const std::shared_ptr<Lumo::CharNode> customer = visual().getCustomerQueue().back().character;
    ASSERT_TRUE(customer->getNode()->getParent());
    queue(std::make_shared<Lumo::StartNewDayEvent>());
    play->runFrames(2);
    ASSERT_TRUE(runUntilControl(1000));
    EXPECT_EQ(2, world().day);
    EXPECT_TRUE(visual().getCustomerQueue().empty());
    EXPECT_FALSE(customer->getNode()->getParent()) << "the customer still stands in the shop";
}

TEST_F(Days, TheLastDayHasNoMorningAfter) {
    world().day = 13;
    world().minuteOfDay = 19 * 60;
    trigger(Lumo::SetNewDayEvent());
    EXPECT_EQ(13, world().day);
    EXPECT_EQ(19 * 60, world().minuteOfDay);
    recorder->clear();
    queue(std::make_shared<Lumo::StartNewDayEvent>());
    play->runFrames(1);
    play->runUntil([this] { return logic().hasPlayerControl() && Lumo::gGameData->screenFadeColor == 0; }, 1000);
    EXPECT_FALSE(logic().hasPlayerControl());
    EXPECT_EQ(13, world().day);
    EXPECT_EQ(0u, recorder->count(TovarWorks::ShowOverlayTextEventType)) << "a day 14 was announced";
}
