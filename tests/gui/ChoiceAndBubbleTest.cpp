// The choice board's size, selection and events, the bed question, and the speech bubble's place.
#include "NullDeviceFixture.h"
#include "RecordingListener.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/EventTypes.h"
#include "src_lumo/Events/CloseChoiceEvent.h"
#include "src_lumo/Events/StartNewDayEvent.h"
#include "src_lumo/Gui/BedChoice.h"
#include "src_lumo/Gui/TextBoxList.h"
#include "src_lumo/Gui/VisualTextBoxBubble.h"
#include "src_lumo/Gui/VisualTextBoxStatic.h"

#include <gtest/gtest.h>

using namespace Lumo;

class ChoiceTest : public NullDeviceFixture {
protected:
    void SetUp() override {
        NullDeviceFixture::SetUp();
        listener = recordEvents({&TovarWorks::StartNewDayEventType, &TovarWorks::CloseChoiceEventType});
    }
    void deliver() { device().getEventManager()->Tick(TovarWorks::IEventManager::kInfinite); }

    std::shared_ptr<RecordingListener> listener;
};

TEST_F(ChoiceTest, BoardIsTheFramePlusOneCellPerCharacterOfTheLongestEntry) {
    VisualTextBoxChoice choice;
    choice.addEntry(L"yes", std::make_shared<StartNewDayEvent>());
    choice.addEntry(L"not today", std::make_shared<CloseChoiceEvent>());
    EXPECT_EQ(choice.getLongestEntry(), 9);
    const irr::core::rectf board = choice.boardArea();
    EXPECT_FLOAT_EQ(board.getWidth(), 32.0f + 144.0f);
    EXPECT_EQ(board.UpperLeftCorner, irr::core::vector2df(300, 200));
    EXPECT_GE(board.getHeight(), 2 * 24.0f) << "every entry row fits inside the board";
}

TEST_F(ChoiceTest, SelectionStaysOnTheEntries) {
    VisualTextBoxChoice choice;
    choice.addEntry(L"a", nullptr);
    choice.addEntry(L"b", nullptr);
    choice.moveSelection(-1);
    EXPECT_EQ(choice.getSelection(), 0);
    choice.moveSelection(5);
    EXPECT_EQ(choice.getSelection(), 1);
}

TEST_F(ChoiceTest, BedQuestionOpensOnNoAndConfirmRaisesItsEvent) {
    TextBoxList list;
    list.openChoice(createBedChoice());
    EXPECT_EQ(list.getChoice()->getSelection(), 1);

    EXPECT_TRUE(list.confirm());
    deliver();
    ASSERT_EQ(listener->hashes.size(), 1u);
    EXPECT_EQ(listener->hashes[0], TovarWorks::CloseChoiceEventType.getHash());

    list.moveSelection(-1);
    EXPECT_TRUE(list.confirm());
    deliver();
    ASSERT_EQ(listener->hashes.size(), 2u);
    EXPECT_EQ(listener->hashes[1], TovarWorks::StartNewDayEventType.getHash());
}

TEST_F(ChoiceTest, CancelRaisesTheCancelEntryWhateverIsSelected) {
    TextBoxList list;
    EXPECT_FALSE(list.cancel()) << "no board, nothing to cancel";
    list.openChoice(createBedChoice());
    list.moveSelection(-1);
    EXPECT_TRUE(list.cancel());
    deliver();
    ASSERT_EQ(listener->hashes.size(), 1u);
    EXPECT_EQ(listener->hashes[0], TovarWorks::CloseChoiceEventType.getHash());
}

TEST_F(ChoiceTest, AnOpenBoardTakesTheConfirmBeforeAnyTextBox) {
    TextBoxList list;
    auto box = std::make_shared<VisualTextBoxStatic>(L"a");
    box->show();
    box->update(100);
    list.add(box);
    list.openChoice(createBedChoice());
    EXPECT_TRUE(list.confirm());
    EXPECT_FALSE(box->isFinished());
    list.closeChoice();
    EXPECT_TRUE(list.confirm());
    EXPECT_TRUE(box->isFinished());
}

class BubbleTest : public ::testing::Test {
protected:
    static InterfaceProjector fixedPoint(float x, float y) {
        return [x, y](const irr::core::vector3df&, irr::core::vector2df& units) {
            units.set(x, y);
            return true;
        };
    }
};

TEST_F(BubbleTest, HangsAboveItsPointAndStaysInsideTheInterfaceTailAndAll) {
    VisualTextBoxBubble bubble(irr::core::vector3df(0, 0, 0), fixedPoint(320, 200));
    bubble.addPage(L"hello there");
    const VisualTextBoxBubble::Layout middle = bubble.layout(irr::core::vector2df(320, 200));
    EXPECT_LT(middle.board.LowerRightCorner.Y, 200.0f);
    EXPECT_FLOAT_EQ(middle.board.getCenter().X, 320.0f);
    EXPECT_FLOAT_EQ(middle.board.getWidth(), 32.0f + 11 * 16.0f);
    EXPECT_FLOAT_EQ(middle.tail.LowerRightCorner.Y, 200.0f) << "the tail points at the speaker";

    // A customer at the bottom edge of the picture, or beyond any other edge.
    for (const irr::core::vector2df& edge : {irr::core::vector2df(-50, 10), irr::core::vector2df(700, 400),
                                             irr::core::vector2df(630, -40), irr::core::vector2df(320, 355)}) {
        const VisualTextBoxBubble::Layout placed = bubble.layout(edge);
        for (const irr::core::rectf& part : {placed.board, placed.tail}) {
            EXPECT_GE(part.UpperLeftCorner.X, 0.0f);
            EXPECT_GE(part.UpperLeftCorner.Y, 0.0f);
            EXPECT_LE(part.LowerRightCorner.X, 640.0f);
            EXPECT_LE(part.LowerRightCorner.Y, 360.0f) << edge.X << ", " << edge.Y;
        }
        EXPECT_GE(placed.tail.UpperLeftCorner.Y, placed.board.UpperLeftCorner.Y) << "the tail stays under the board";
    }
}

TEST_F(BubbleTest, HeardOnlyWithinItsRange) {
    VisualTextBoxBubble bubble(irr::core::vector3df(100, 0, 100), fixedPoint(0, 0));
    EXPECT_FALSE(bubble.isInRange(irr::core::vector3df(100, 0, 100))) << "no range: never heard";
    bubble.setHearingRange(20);
    EXPECT_TRUE(bubble.isInRange(irr::core::vector3df(110, 0, 100)));
    EXPECT_FALSE(bubble.isInRange(irr::core::vector3df(130, 0, 100)));
}
