// The choice board's selection and events, the bed question, and the speech bubble's place.
#include "NullDeviceFixture.h"
#include "RecordingListener.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/EventTypes.h"
#include "src_lumo/Gui/BedChoice.h"
#include "src_lumo/Gui/TextBoxList.h"
#include "src_lumo/Gui/VisualTextBoxChoice.h"
#include "src_lumo/Gui/VisualTextBoxBubble.h"
#include "src_lumo/Gui/VisualTextBoxStatic.h"

#include <gtest/gtest.h>

using namespace Lumo;

class BedQuestion : public NullDeviceFixture {
protected:
    void SetUp() override {
        NullDeviceFixture::SetUp();
        listener = recordEvents({&TovarWorks::StartNewDayEventType, &TovarWorks::CloseChoiceEventType});
        list.openChoice(createBedChoice());
    }
    // The events the list's answers raised since the last look.
    std::vector<uint32_t> raised() {
        device().getEventManager()->Tick(TovarWorks::IEventManager::kInfinite);
        std::vector<uint32_t> hashes;
        hashes.swap(listener->hashes);
        return hashes;
    }

    std::shared_ptr<RecordingListener> listener;
    TextBoxList list;
    const uint32_t close = TovarWorks::CloseChoiceEventType.getHash();
    const uint32_t sleep = TovarWorks::StartNewDayEventType.getHash();
};

TEST_F(BedQuestion, OpensOnNoKeepsTheSelectionOnTheEntriesAndRaisesTheChosenOrTheCancelEvent) {
    EXPECT_EQ(list.getChoice()->getSelection(), 1);
    list.moveSelection(5);
    EXPECT_EQ(list.getChoice()->getSelection(), 1);
    EXPECT_TRUE(list.confirm());
    EXPECT_EQ(raised(), std::vector<uint32_t>{close});
    list.moveSelection(-1);
    list.moveSelection(-1);
    EXPECT_EQ(list.getChoice()->getSelection(), 0);
    EXPECT_TRUE(list.confirm());
    EXPECT_EQ(raised(), std::vector<uint32_t>{sleep});
    EXPECT_TRUE(list.cancel()) << "cancel raises the cancel entry whatever is selected";
    EXPECT_EQ(raised(), std::vector<uint32_t>{close});
    list.closeChoice();
    EXPECT_FALSE(list.cancel()) << "no board, nothing to cancel";
}

TEST_F(BedQuestion, AnOpenBoardTakesTheConfirmBeforeAnyTextBox) {
    auto box = std::make_shared<VisualTextBoxStatic>(L"a");
    box->show();
    box->update(100);
    list.add(box);
    EXPECT_TRUE(list.confirm());
    EXPECT_FALSE(box->isFinished());
    list.closeChoice();
    EXPECT_TRUE(list.confirm());
    EXPECT_TRUE(box->isFinished());
}

// German asks "ja" before "nein": the board must fit the longer entry wherever it stands.
TEST(ChoiceBoard, FitsItsLongestEntryWhereverItStands) {
    VisualTextBoxChoice choice(L"");
    for (const wchar_t* entry : {L"ja", L"nein", L"ok"})
        choice.addEntry(entry, nullptr);
    EXPECT_FLOAT_EQ(choice.boardArea().getWidth(), 32.0f + 4 * 16.0f);
}

TEST(ChoiceBoard, AOneEntryBoardKeepsItsSelectionOnThatEntry) {
    VisualTextBoxChoice choice(L"");
    choice.addEntry(L"ok", nullptr);
    choice.moveSelection(1);
    EXPECT_EQ(choice.getSelection(), 0);
}

TEST(ChoiceBoard, WithoutEntriesItAnswersNothing) {
    VisualTextBoxChoice empty(L"?");
    EXPECT_FALSE(empty.confirm());
    EXPECT_FALSE(empty.cancel());
}

TEST(BubbleTest, HangsAboveItsPointAndStaysInsideTheInterfaceTailAndAll) {
    const auto atTheMiddle = [](const irr::core::vector3df&, irr::core::vector2df& units) {
        units.set(320, 200);
        return true;
    };
    VisualTextBoxBubble bubble(irr::core::vector3df(0, 0, 0), atTheMiddle);
    bubble.addPage(L"hello there");
    const VisualTextBoxBubble::Layout middle = bubble.layout(irr::core::vector2df(320, 200));
    EXPECT_LT(middle.board.LowerRightCorner.Y, 200.0f);
    EXPECT_FLOAT_EQ(middle.board.getCenter().X, 320.0f);
    EXPECT_FLOAT_EQ(middle.board.getWidth(), 32.0f + 11 * 16.0f);
    EXPECT_FLOAT_EQ(middle.board.getHeight(), 32.0f + 16.0f) << "a frame above and below one line";
    EXPECT_FLOAT_EQ(middle.tail.LowerRightCorner.Y, 200.0f) << "the tail points at the speaker";
    EXPECT_FLOAT_EQ(middle.tail.getCenter().X, 320.0f);
    // A customer at the bottom edge of the picture, or beyond any other edge.
    for (const irr::core::vector2df& edge : {irr::core::vector2df(-50, 10), irr::core::vector2df(700, 400),
                                             irr::core::vector2df(630, -40), irr::core::vector2df(320, 355)}) {
        SCOPED_TRACE(testing::Message() << edge.X << ", " << edge.Y);
        const VisualTextBoxBubble::Layout placed = bubble.layout(edge);
        for (const irr::core::rectf& part : {placed.board, placed.tail}) {
            EXPECT_GE(part.UpperLeftCorner.X, 0.0f);
            EXPECT_GE(part.UpperLeftCorner.Y, 0.0f);
            EXPECT_LE(part.LowerRightCorner.X, 640.0f);
            EXPECT_LE(part.LowerRightCorner.Y, 360.0f);
        }
        EXPECT_GE(placed.tail.UpperLeftCorner.Y, placed.board.UpperLeftCorner.Y) << "the tail stays under the board";
    }
}

TEST(BubbleTest, HeardOnlyWithinItsRange) {
    VisualTextBoxBubble bubble(irr::core::vector3df(100, 0, 100), nullptr);
    EXPECT_FALSE(bubble.isInRange(irr::core::vector3df(100, 0, 100))) << "no range: never heard";
    bubble.setHearingRange(20);
    EXPECT_TRUE(bubble.isInRange(irr::core::vector3df(110, 0, 100)));
    EXPECT_FALSE(bubble.isInRange(irr::core::vector3df(130, 0, 100)));
}
