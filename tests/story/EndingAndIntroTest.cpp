// The story's two long scenes: the intro of a new game, and the ending on the last day, where the
// money decides between "you win!" and "game over".
#include "StoryPlayFixture.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/SetNewDayEvent.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Sprites/SpriteDefinition.h"
#include "src_lumo/Story/DialogueTable.h"
#include "src_lumo/Story/StoryChain.h"

#include <map>

using Strings = std::vector<std::string>;

class Ending : public StoryPlayFixture {
protected:
    void SetUp() override { startAtCounter(); }

    void endWithMoney(int32_t money) {
        world().day = Lumo::WorldState::kLastDay;
        world().money = money;
        TovarWorks::gDevice->getEventManager()->Trigger(Lumo::SetNewDayEvent());
        ASSERT_FALSE(logic().hasPlayerControl()) << "the player could walk through the final scene";
        ASSERT_TRUE(runUntilControl(6000)) << "the ending never finished";
    }
};

TEST_F(Ending, ExactlyTheGoalIsAWin) {
    endWithMoney(10000);
    EXPECT_EQ(Strings({"ED_1_W_1", "ED_1_W2"}), pagesSeen());
    EXPECT_EQ(Strings({"N_FRIEND", "N_FRIEND"}), speakersSeen());
    EXPECT_EQ(L"you win!", visual().getTextOverlay().getText());
}

TEST_F(Ending, OneShortOfTheGoalIsGameOver) {
    endWithMoney(9999);
    EXPECT_EQ(Strings({"ED_1_L_1", "ED_1_L_2"}), pagesSeen());
    EXPECT_EQ(L"game over", visual().getTextOverlay().getText());
}

TEST_F(Ending, LeavesTheClockOffTheHudHiddenAndTheDayAsItWas) {
    const int minute = world().minuteOfDay;
    endWithMoney(12345);
    play->runFrames(200);
    EXPECT_FALSE(logic().isClockRunning());
    EXPECT_EQ(minute, world().minuteOfDay);
    EXPECT_FALSE(visual().getHud().visible);
    EXPECT_EQ(Lumo::WorldState::kLastDay, world().day);
    EXPECT_EQ(0xFF000000u, Lumo::gGameData->screenFadeColor) << "the story ends in the dark";
}

class Intro : public StoryPlayFixture {
protected:
    void SetUp() override {
        start(false);
        play->chooseNewGame();
        ASSERT_TRUE(play->runUntil([this] { return logic().isGameStarted(); }, 200));
        everyFrame = [this] { notePlaces(); };
        ASSERT_TRUE(runUntilControl(30000)) << "the intro never gave the baker to the player";
    }

    static Strings introPages() {
        Strings ids;
        for (const Lumo::StoryBox& box : Lumo::DialogueTable::intro())
            for (const std::string& page : box.pageIds)
                ids.push_back(page);
        return ids;
    }

    // Where mum and the child stand when a page is first shown.
    void notePlaces() {
        const Strings pages = pagesSeen();
        if (pages.empty() || places.count(pages.back()))
            return;
        for (const char* id : {"m_node", "hero"})
            if (const auto character = visual().findCharacter(id))
                places[pages.back()][id] = character->getNode()->getPosition();
    }

    float distanceToNode(const std::string& page, const std::string& id, const std::string& node) {
        return places[page][id].getDistanceFrom(Lumo::StoryChain::nodePosition(node));
    }

    std::map<std::string, std::map<std::string, irr::core::vector3df>> places;

    bool onStage(const std::string& id) const {
        const std::shared_ptr<Lumo::CharNode> character = play->getLogic().getVisual()->findCharacter(id);
        return character && character->getNode()->isVisible();
    }
};

TEST_F(Intro, TellsTheWholeStoryInOrder) {
    Strings expected;
    for (int n = 1; n <= 30; ++n)
        expected.push_back("INTRO_" + std::to_string(n));
    EXPECT_EQ(expected, pagesSeen());
    EXPECT_EQ(introPages(), pagesSeen()) << "the intro skipped a box of its own table";
    EXPECT_EQ("N_SOPHIE", speakersSeen().front());
    EXPECT_EQ("N_FRIEND", speakersSeen().back());
}

TEST_F(Intro, MumAndTheChildWalkThroughTheBakeryBetweenTheTalks) {
    // Walks end within three units of their last node.
    EXPECT_LT(distanceToNode("INTRO_5", "m_node", "st_e"), 3.5f) << "not at the storeroom";
    EXPECT_LT(distanceToNode("INTRO_5", "hero", "st_e2"), 3.5f);
    EXPECT_LT(distanceToNode("INTRO_7", "m_node", "bs_tab"), 3.5f) << "not at the work table";
    EXPECT_LT(distanceToNode("INTRO_7", "hero", "bs_mid"), 3.5f) << "the child did not follow";
    EXPECT_LT(distanceToNode("INTRO_13", "m_node", "bs_of"), 3.5f) << "not at the oven";
    EXPECT_EQ(1u, places["INTRO_23"].count("hero"));
    EXPECT_EQ(0u, places["INTRO_23"].count("m_node")) << "mum stayed in the present";
}

TEST_F(Intro, EndsWithThePlayerAtTheBakeryAndTheClockRunning) {
    EXPECT_TRUE(visual().getHud().visible);
    EXPECT_TRUE(logic().isClockRunning());
    EXPECT_EQ(1, world().day);
    EXPECT_EQ(0, visual().getAmbientScheme()) << "still the warm light of the memory";
    EXPECT_FALSE(onStage("m_node")) << "mum stayed in the present";
    const irr::core::vector3df hero = visual().getHero()->getNode()->getPosition();
    EXPECT_NEAR(815.0f, hero.X, 0.5f);
    EXPECT_NEAR(545.0f, hero.Z, 0.5f);
    EXPECT_EQ(Lumo::FACE_DOWN, visual().getHero()->getFacing());
    EXPECT_EQ(L"baeckerin", visual().getHero()->getNode()->getDefinition().getName()) << "still the child";

    const int minute = world().minuteOfDay;
    play->runFrames(70);
    EXPECT_GT(world().minuteOfDay, minute);
    play->press(irr::KEY_RIGHT);
    play->runFrames(20);
    play->release(irr::KEY_RIGHT);
    EXPECT_GT(visual().getHero()->getNode()->getPosition().X, hero.X) << "the baker does not walk";
}

TEST_F(Intro, TheFriendWalksOffAndLeavesTheStage) {
    EXPECT_TRUE(play->runUntil([this] { return !onStage("f_node"); }, 3000));
    EXPECT_EQ(nullptr, visual().findCharacter("f_node"));
}
