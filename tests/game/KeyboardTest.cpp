// The keys of the running game: Escape, SPACE near the merchant, the bar and the bed.
#include "InGame.h"
#include "InputEvents.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/ChangeGameStateEvent.h"
#include "src_lumo/Game/StoryScripts.h"
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

class Keyboard : public InGame {
protected:
    void SetUp() override {
        InGame::SetUp();
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
    hold(irr::KEY_ESCAPE, 5); // held as a player holds it: its release must not open the menu again
    EXPECT_FALSE(logic().getMenu().isOpen());
    const int minute = world().minuteOfDay;
    play->runFrames(40);
    EXPECT_GT(world().minuteOfDay, minute) << "the game did not resume";
}

TEST_F(Keyboard, TheKeyThatClosedTheMenuIsTheGamesAgainAfterTheConsoleTookItsRelease) {
    trigger(Lumo::ChangeGameStateEvent(true, true));
    play->tap(irr::KEY_ESCAPE);
    ASSERT_TRUE(logic().getMenu().isOpen());
    play->press(irr::KEY_ESCAPE);
    play->runFrames(2);
    ASSERT_FALSE(logic().getMenu().isOpen());
    play->tap(irr::KEY_F1);
    play->release(irr::KEY_ESCAPE);
    play->tap(irr::KEY_F1);
    play->runFrames(2);
    play->tap(irr::KEY_ESCAPE);
    EXPECT_TRUE(logic().getMenu().isOpen());
}

TEST_F(Keyboard, SpaceReachesTheMerchantAndTheBarFromLessThanTwentyFiveOnceASecond) {
    const struct {
        vector3df spot, direction;
        int action;
    } stalls[] = {{Lumo::LumoVisual::kMerchantSpot, {1, 0, 0}, Lumo::ACTION_MERCHANT},
                  {Lumo::LumoVisual::kBarSpot, {0, 0, -1}, Lumo::ACTION_BAR}};
    for (const auto& stall : stalls) {
        placeHero(stall.spot + stall.direction * 25.0f);
        play->runFrames(1, 1000); // past the last action's second
        recorder->clear();
        play->tap(irr::KEY_SPACE);
        EXPECT_EQ(0u, actions()) << stall.action;
        placeHero(stall.spot + stall.direction * 24.9f);
        play->tap(irr::KEY_SPACE);
        ASSERT_EQ(1u, actions()) << stall.action;
        EXPECT_EQ(stall.action, recorder->heard.back().action);
    }
    // A second action within a second of the last is swallowed.
    play->runFrames(1, 999);
    play->tap(irr::KEY_SPACE);
    EXPECT_EQ(1u, actions());
    play->runFrames(1, 1);
    play->tap(irr::KEY_SPACE);
    EXPECT_EQ(2u, actions());
}

TEST_F(Keyboard, OnlyKeysReachTheWorldAndNoneWhileKneadingMixingOrOnTheCalendar) {
    placeHero(Lumo::LumoVisual::kMerchantSpot + vector3df(10, 0, 0));
    play->runFrames(1, 1000);
    recorder->clear();
    // Its bytes read as a key's would be SPACE let go beside the merchant.
    EXPECT_FALSE(TovarWorks::gDevice->OnEvent(mouseEvent(irr::EMIE_MOUSE_MOVED, {0, irr::KEY_SPACE})));
    EXPECT_EQ(0u, actions());
    EXPECT_TRUE(TovarWorks::gDevice->OnEvent(keyEvent(irr::KEY_F4, true))) << "walking, F4 is the world's";
    for (const int mode : {Lumo::MODE_KNEADING, Lumo::MODE_MIXING, Lumo::MODE_CALENDAR}) {
        visual().setMode(mode);
        EXPECT_FALSE(TovarWorks::gDevice->OnEvent(keyEvent(irr::KEY_F4, true))) << mode;
    }
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
