// The story's two long scenes: the intro of a new game, and the ending on the last day, where the
// money decides between "you win!" and "game over".
#include "GamePlayFixture.h"

#include "src_lumo/Bakery/GoodKind.h"
#include "src_lumo/Events/SetNewDayEvent.h"
#include "src_lumo/Menus/GameMenue.h"
#include "src_lumo/Save/MorningSave.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Sprites/SpriteDefinition.h"
#include "src_lumo/Story/StoryChain.h"

#include <map>

using irr::core::vector3df;
using Strings = std::vector<std::string>;

class Ending : public GamePlayFixture {
protected:
    void SetUp() override { startAtCounter(); }

    // Bed on the last day, and the ending read to its end, when the title menu opens.
    void endWithMoney(int32_t money) {
        world().day = Lumo::WorldState::kLastDay;
        world().money = money;
        const int minute = world().minuteOfDay;
        bool controlInTheDark = false, clockMoved = false, customerCame = false;
        trigger(Lumo::SetNewDayEvent());
        everyFrame = [&] {
            if (logic().getMenu().isOpen())
                return;
            controlInTheDark |= logic().hasPlayerControl();
            clockMoved |= world().minuteOfDay != minute;
            customerCame |= !visual().getCustomerQueue().empty();
        };
        const bool over = runUntilControl(6000);
        everyFrame = nullptr;
        ASSERT_TRUE(over) << "the ending never finished";
        EXPECT_FALSE(controlInTheDark) << "the player could walk through the final scene";
        EXPECT_FALSE(clockMoved);
        EXPECT_FALSE(customerCame);
    }
    vector3df heroAt() { return visual().getHero()->getNode()->getPosition(); }
};

TEST_F(Ending, TheGoalWinsOneShortLosesAndEitherEndsInTheDarkTitleMenuFromWhichANewGameStartsAfresh) {
    const auto bakeryAsItIs = [this] {
        Lumo::SavedGame state = Lumo::MorningSave::capture(*Lumo::gGameData, visual());
        state.daySeed = 0; // every game draws its own
        state.clockMs = 0;
        return state;
    };
    const Lumo::SavedGame firstMorning = bakeryAsItIs();
    const Lumo::GameMenue& menu = logic().getMenu();
    const struct {
        int32_t money;
        Strings pages;
        const wchar_t* words;
    } endings[] = {{10000, {"ED_1_W_1", "ED_1_W2"}, L"you win!"}, {9999, {"ED_1_L_1", "ED_1_L_2"}, L"game over"}};
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.money);
        // A game that has bought, found and baked things.
        world().flagsAndPopularity.setFlag("MERC_HEUREKA", 1.0f);
        world().flagsAndPopularity.popularity = 9.0f;
        world().storeroomStock[Lumo::kFlour] = 20;
        world().tableStock[Lumo::kSugar] = 7;
        world().goods.unlock(Lumo::kBoule);
        Lumo::gGameData->discovered[Lumo::kBoule] = true;
        bakery().addIngredientBox({100, 0, 0, 0, 0, 0}, Lumo::LumoVisual::kStoreroomShelf);
        play->runFrames(1);

        ASSERT_NO_FATAL_FAILURE(endWithMoney(ending.money));
        EXPECT_EQ(ending.pages, pagesSeen());
        EXPECT_EQ(Strings(2, "N_FRIEND"), speakersSeen());
        EXPECT_EQ(ending.words, visual().getTextOverlay().getText());
        forgetPages();
        ASSERT_TRUE(menu.isOpen()) << "the game did not end";
        EXPECT_EQ(0u, visual().getTextOverlay().alpha()) << "the last words had not faded";
        EXPECT_EQ(0xFF000000u, Lumo::gGameData->screenFadeColor) << "the story ends in the dark";
        EXPECT_FALSE(menu.isNewDisabled());
        EXPECT_EQ(Lumo::GameMenue::ENTRY_NEW, menu.getSelection());
        EXPECT_EQ(nullptr, visual().findCharacter("f_node"));
        // The keys are the menu's: nobody walks in the dark and no clock runs.
        const vector3df standing = heroAt();
        const int minute = world().minuteOfDay;
        hold(irr::KEY_LEFT, 40);
        EXPECT_EQ(standing, heroAt());
        EXPECT_EQ(minute, world().minuteOfDay);

        ASSERT_TRUE(play->startNewGame()) << "no second game";
        EXPECT_EQ(firstMorning, bakeryAsItIs()) << "something of the first game stayed";
        EXPECT_TRUE(menu.isNewDisabled());
        EXPECT_FALSE(menu.isContinueDisabled());
    }
    // And it plays: the clock runs, the day's visitors are due, the baker walks and talks.
    EXPECT_TRUE(visual().getHud().visible);
    EXPECT_FALSE(world().customers->schedule().empty());
    const int morning = world().minuteOfDay;
    const float startX = heroAt().X;
    hold(irr::KEY_LEFT, 40);
    EXPECT_LT(heroAt().X, startX - 5.0f);
    EXPECT_GT(world().minuteOfDay, morning);
    talkAt(Lumo::LumoVisual::kMerchantSpot);
    EXPECT_EQ(1u, heard(TovarWorks::CallActionEventType));
}

// The intro played once, as a new game shows it, noting where mum and the child stand on each page
// and the light it is told in.
class Intro : public GamePlayFixture {
protected:
    void SetUp() override {
        Lumo::ScriptedPlayOptions options;
        options.skipIntro = false;
        start(options);
        play->chooseNewGame();
        ASSERT_TRUE(play->runUntil([this] { return logic().isGameStarted(); }, 200));
        everyFrame = [this] { notePlaces(); };
        ASSERT_TRUE(runUntilControl(30000)) << "the intro never gave the baker to the player";
    }
    void notePlaces() {
        const Strings pages = pagesSeen();
        if (pages.empty() || places.count(pages.back()))
            return;
        lights[pages.back()] = visual().getAmbientScheme();
        for (const char* id : {"m_node", "hero"})
            if (const auto character = visual().findCharacter(id))
                places[pages.back()][id] = character->getNode()->getPosition();
    }
    float distanceToNode(const std::string& page, const std::string& id, const std::string& node) {
        return places[page][id].getDistanceFrom(Lumo::StoryChain::nodePosition(node));
    }
    bool onStage(const std::string& id) {
        const std::shared_ptr<Lumo::CharNode> character = visual().findCharacter(id);
        return character && character->getNode()->isVisible();
    }

    std::map<std::string, std::map<std::string, vector3df>> places;
    std::map<std::string, int> lights;
};

TEST_F(Intro, TellsTheWholeStoryAsMumAndTheChildWalkThroughTheBakeryAndHandsItToThePlayer) {
    // Its pages in order are the playthrough's; here, where the walks take mum and the child.
    // Walks end within three units of their last node.
    EXPECT_LT(distanceToNode("INTRO_5", "m_node", "st_e"), 3.5f) << "not at the storeroom";
    EXPECT_LT(distanceToNode("INTRO_5", "hero", "st_e2"), 3.5f);
    EXPECT_LT(distanceToNode("INTRO_7", "m_node", "bs_tab"), 3.5f) << "not at the work table";
    EXPECT_LT(distanceToNode("INTRO_7", "hero", "bs_mid"), 3.5f) << "the child did not follow";
    EXPECT_LT(distanceToNode("INTRO_13", "m_node", "bs_of"), 3.5f) << "not at the oven";
    EXPECT_EQ(1u, places["INTRO_23"].count("hero"));
    EXPECT_EQ(0u, places["INTRO_23"].count("m_node")) << "mum stayed in the present";
    EXPECT_EQ(1, lights["INTRO_1"]) << "the memory is told in warm light";
    EXPECT_EQ(1, lights["INTRO_13"]);

    // It ends with the child at the bakery, the clock running and the friend gone.
    EXPECT_TRUE(visual().getHud().visible);
    EXPECT_TRUE(logic().isClockRunning());
    EXPECT_EQ(1, world().day);
    EXPECT_EQ(0, visual().getAmbientScheme()) << "the present is in the day's light";
    EXPECT_FALSE(onStage("m_node")) << "mum stayed in the present";
    const vector3df hero = visual().getHero()->getNode()->getPosition();
    EXPECT_NEAR(815.0f, hero.X, 0.5f);
    EXPECT_NEAR(545.0f, hero.Z, 0.5f);
    EXPECT_EQ(Lumo::FACE_DOWN, visual().getHero()->getFacing());
    EXPECT_EQ(L"baeckerin", visual().getHero()->getNode()->getDefinition().getName()) << "still the child";

    const int minute = world().minuteOfDay;
    play->runFrames(70);
    EXPECT_GT(world().minuteOfDay, minute);
    hold(irr::KEY_RIGHT, 20);
    EXPECT_GT(visual().getHero()->getNode()->getPosition().X, hero.X) << "the baker does not walk";
    EXPECT_TRUE(play->runUntil([this] { return !onStage("f_node"); }, 3000));
    EXPECT_EQ(nullptr, visual().findCharacter("f_node"));
}
