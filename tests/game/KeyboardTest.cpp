// The keys of the running game: Escape, SPACE near the merchant and the bar, the calendar.
#include "GamePlayFixture.h"

#include "src_lumo/Events/ChangeGameStateEvent.h"
#include "src_lumo/Game/StoryScripts.h"
#include "src_lumo/Customers/CustomerManager.h"
#include "src_lumo/Menus/GameMenue.h"

#include <algorithm>

using irr::core::vector3df;

namespace {

// These cases are about the keys, not about the talks they start: the talks would stop the game.
class UntoldStory : public Lumo::StoryScripts {
public:
    void intro(const std::shared_ptr<Lumo::LumoVisual>&) override {}
    void ending(const std::shared_ptr<Lumo::LumoVisual>&) override {}
    void letter(const std::shared_ptr<Lumo::LumoVisual>&) override {}
    void merchantTalk(const std::shared_ptr<Lumo::LumoVisual>&) override {}
    void barmanTalk(const std::shared_ptr<Lumo::LumoVisual>&) override {}
};

} // namespace

class Keyboard : public GamePlayFixture {
protected:
    void SetUp() override {
        GamePlayFixture::SetUp();
        startNewGame();
        logic().setStory(std::make_shared<UntoldStory>());
        recorder->clear();
    }
    size_t actions() const { return recorder->count(TovarWorks::CallActionEventType); }
};

TEST_F(Keyboard, EscapeOpensThePauseMenuOnlyWithPlayerControlAndClosesIt) {
    trigger(Lumo::ChangeGameStateEvent(true, false));
    play->tap(irr::KEY_ESCAPE);
    EXPECT_FALSE(logic().getMenu().isOpen());
    trigger(Lumo::ChangeGameStateEvent(true, true));
    play->tap(irr::KEY_ESCAPE);
    ASSERT_TRUE(logic().getMenu().isOpen());
    EXPECT_EQ(Lumo::GameMenue::ENTRY_CONTINUE, logic().getMenu().getSelection());

    // Held as a player holds it: its release must not open the menu again.
    play->press(irr::KEY_ESCAPE);
    play->runFrames(5);
    play->release(irr::KEY_ESCAPE);
    play->runFrames(1);
    EXPECT_FALSE(logic().getMenu().isOpen());
    const int minute = world().minuteOfDay;
    play->runFrames(40);
    EXPECT_GT(world().minuteOfDay, minute) << "the game did not resume";
}

TEST_F(Keyboard, SpaceAtExactlyTwentyFiveFromTheMerchantSendsNoAction) {
    placeHero(Lumo::LumoVisual::kMerchantSpot + vector3df(25.0f, 0, 0));
    play->tap(irr::KEY_SPACE);
    EXPECT_EQ(0u, actions());
    placeHero(Lumo::LumoVisual::kMerchantSpot + vector3df(24.9f, 0, 0));
    play->tap(irr::KEY_SPACE);
    ASSERT_EQ(1u, actions());
    EXPECT_EQ(Lumo::ACTION_MERCHANT, recorder->heard.back().action);
}

TEST_F(Keyboard, SpaceAtExactlyTwentyFiveFromTheBarSendsNoAction) {
    placeHero(Lumo::LumoVisual::kBarSpot + vector3df(0, 0, -25.0f));
    play->tap(irr::KEY_SPACE);
    EXPECT_EQ(0u, actions());
    placeHero(Lumo::LumoVisual::kBarSpot + vector3df(0, 0, -10.0f));
    play->tap(irr::KEY_SPACE);
    ASSERT_EQ(1u, actions());
    EXPECT_EQ(Lumo::ACTION_BAR, recorder->heard.back().action);
}

TEST_F(Keyboard, ASecondSpaceWithinASecondIsSwallowedWithoutAnAction) {
    placeHero(Lumo::LumoVisual::kMerchantSpot + vector3df(10, 0, 0));
    play->tap(irr::KEY_SPACE);
    play->runFrames(1, 999);
    play->tap(irr::KEY_SPACE);
    EXPECT_EQ(1u, actions());
    play->runFrames(1, 1);
    play->tap(irr::KEY_SPACE);
    EXPECT_EQ(2u, actions());
}

TEST_F(Keyboard, TheFirstActionOfTheGameIsNotHeldBack) {
    // However early in the timer's life it comes.
    placeHero(Lumo::LumoVisual::kBarSpot);
    play->tap(irr::KEY_SPACE);
    EXPECT_EQ(1u, actions());
}

TEST_F(Keyboard, SpaceAtTheCalendarOpensItAndXClosesIt) {
    placeHero(Lumo::LumoVisual::kCalendarSpot + vector3df(2, 0, 0));
    play->tap(irr::KEY_SPACE);
    ASSERT_EQ(Lumo::MODE_CALENDAR, visual().getMode());
    play->tap(irr::KEY_RIGHT);
    play->tap(irr::KEY_DOWN);
    EXPECT_EQ(1, visual().getCalendar().getCursorColumn());
    EXPECT_EQ(1, visual().getCalendar().getCursorRow());
    play->tap(irr::KEY_KEY_X);
    EXPECT_EQ(Lumo::MODE_WALKING, visual().getMode());
}

TEST_F(Keyboard, TheBedWarnsOnlyWhileCustomersAreStillDue) {
    const auto question = [this] {
        placeHero(Lumo::LumoVisual::kBedSpot + vector3df(0, 0, -10));
        play->tap(irr::KEY_SPACE);
        const auto choice = visual().getTextBoxes().getChoice();
        const std::wstring asked = choice ? choice->getQuestion() : L"no question";
        play->tap(irr::KEY_KEY_X);
        play->runFrames(2);
        return asked;
    };
    const std::wstring warned = L"go to bed?\n" + Lumo::gGameData->texts.getGameText("BED_CUSTOMERS_DUE");
    const std::vector<Lumo::DailyCustomer> visits = world().customers->schedule();
    ASSERT_FALSE(visits.empty());
    EXPECT_EQ(warned, question()) << "the morning's customers are still to come";

    // Past the last visit of the day nobody else comes...
    int last = 0;
    for (const Lumo::DailyCustomer& visit : visits)
        last = std::max(last, visit.minute);
    world().minuteOfDay = last;
    EXPECT_EQ(L"go to bed?", question());
    // ...but one still waiting at the counter would be lost.
    ASSERT_TRUE(visual().spawnCustomer(visits.front(), last));
    EXPECT_EQ(warned, question());
}

TEST_F(Keyboard, SpaceAtTheBedAsksAndXDeclines) {
    placeHero(Lumo::LumoVisual::kBedSpot + vector3df(0, 0, -10));
    play->tap(irr::KEY_SPACE);
    ASSERT_NE(nullptr, visual().getTextBoxes().getChoice());
    play->tap(irr::KEY_KEY_X);
    play->runFrames(2);
    EXPECT_EQ(nullptr, visual().getTextBoxes().getChoice());
    EXPECT_EQ(0u, recorder->count(TovarWorks::StartNewDayEventType));
}
