// The postman's round at 07:15: park, window, counter (the letter), bar, park.
#include "InGame.h"

#include "src_lumo/Events/SetTimeEvent.h"
#include "src_lumo/Events/StartNewDayEvent.h"
#include "src_lumo/Game/PostmanController.h"
#include "src_lumo/Game/WorldStatus.h"
#include "src_lumo/Gui/Calendar.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Story/DialogueTable.h"

class Postman : public InGame {
protected:
    void SetUp() override {
        InGame::SetUp();
        trigger(Lumo::SetTimeEvent(7, 14));
        world().clockMs = 0;
        recorder->clear();
    }
    Lumo::PostmanController& postman() { return logic().getPostman(); }
    irr::scene::ISceneNode* postmanNode() { return visual().findCharacter("postbote")->getNode(); }
    float distanceTo(const char* node) {
        return postmanNode()->getPosition().getDistanceFrom(world().customers->pathFinder()->nodePosition(node));
    }
    bool letterBrought() {
        return play->runUntil([this] { return recorder->count(TovarWorks::SpawnLetterEventType) > 0; }, 5000);
    }
};

TEST_F(Postman, SetsOffFromTheParkOnTheFrameAfterQuarterPastSevenAndGoesHomeWhenTheBakerSleeps) {
    ASSERT_NE(nullptr, visual().findCharacter("postbote"));
    play->runFrames(1, 500);
    EXPECT_FALSE(postman().isActive());
    EXPECT_FALSE(postmanNode()->isVisible());
    EXPECT_FALSE(postman().isWalking()) << "he waits in the park until he is sent";
    play->runFrames(1, 1);
    ASSERT_EQ(7 * 60 + 15, world().minuteOfDay);
    EXPECT_TRUE(postman().isActive());
    EXPECT_TRUE(postmanNode()->isVisible());
    play->runFrames(1);
    EXPECT_EQ(1u, recorder->count(TovarWorks::TeleportCharacterEventType));
    EXPECT_LT(distanceTo("park"), 1.0f);
    EXPECT_TRUE(postman().isWalking());
    EXPECT_EQ(1, postman().getStage());
    play->runFrames(30);
    queue(std::make_shared<Lumo::StartNewDayEvent>());
    play->runFrames(1);
    EXPECT_FALSE(postman().isActive()) << "going to bed sends him home";
    EXPECT_FALSE(postmanNode()->isVisible());
}

// L opens the calendar; the arrows move its pointer to a day and SPACE asks for its letter.
TEST_F(Postman, LeavesTheLetterAtTheCounterWhichCanBeReadAgainOnceItHasComeAndNotBefore) {
    // The pointer starts on day 1 and stays where the arrows leave it.
    const auto askForLetterAfter = [this](std::initializer_list<irr::EKEY_CODE> arrows) {
        play->tap(irr::KEY_KEY_L);
        ASSERT_EQ(Lumo::MODE_CALENDAR, visual().getMode());
        for (const irr::EKEY_CODE arrow : arrows)
            play->tap(arrow);
        play->tap(irr::KEY_SPACE);
        play->runFrames(2);
    };
    const auto shownPage = [this]() -> std::wstring {
        const auto& boxes = visual().getTextBoxes().getBoxes();
        return boxes.empty() ? L"" : *boxes.front()->currentPage();
    };
    askForLetterAfter({});
    EXPECT_EQ(L"", shownPage()) << "no letter yet this morning";
    EXPECT_EQ(Lumo::MODE_CALENDAR, visual().getMode());
    play->tap(irr::KEY_KEY_X);

    play->runFrames(1, 501);
    ASSERT_TRUE(letterBrought());
    EXPECT_LT(distanceTo("sh_2"), 3.0f) << "the letter is left at the counter";
    EXPECT_TRUE(postmanNode()->isVisible()) << "a walk's end takes only a leaving customer off the stage";
    EXPECT_TRUE(Lumo::WorldStatus().hasLetter(1));
    EXPECT_FALSE(Lumo::WorldStatus().hasLetter(2));
    ASSERT_TRUE(play->runUntil([this] { return logic().hasPlayerControl(); }, 100));
    askForLetterAfter({});
    EXPECT_EQ(Lumo::gGameData->texts.getGameText(Lumo::DialogueTable::letter(1).pageIds.front()), shownPage());
    EXPECT_EQ(Lumo::MODE_WALKING, visual().getMode()) << "the letter is read in the shop, not on the wall";
    EXPECT_FALSE(logic().hasPlayerControl());
    ASSERT_TRUE(play->runUntil(
        [this] {
            play->readPage();
            return logic().hasPlayerControl();
        },
        2000));

    // More steps away from the first day than back, so that arrows swapped would stop elsewhere.
    askForLetterAfter({irr::KEY_RIGHT, irr::KEY_RIGHT, irr::KEY_RIGHT, irr::KEY_LEFT, irr::KEY_LEFT, irr::KEY_DOWN,
                       irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_UP, irr::KEY_UP});
    EXPECT_EQ(1, visual().getCalendar().getCursorColumn());
    EXPECT_EQ(1, visual().getCalendar().getCursorRow());
    EXPECT_EQ(L"", shownPage()) << "day 9's letter has not come";
    EXPECT_EQ(std::vector<int32_t>{1}, world().letterDays);
    ASSERT_TRUE(play->runUntil([this] { return postman().isFinished(); }, 10000));
    EXPECT_EQ(1u, recorder->count(TovarWorks::SpawnLetterEventType));
    EXPECT_LT(distanceTo("park"), 3.0f) << "he goes home";
}
