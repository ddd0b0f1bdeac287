// Typing, paging and confirming of the dialogue boxes, and the overlay line.
#include "NullDeviceFixture.h"

#include "TovarWorks/Processes/ProcessManager.h"

#include "src_lumo/Events/ShowOverlayTextEvent.h"
#include "src_lumo/Events/StartNewGameEvent.h"
#include "src_lumo/Gui/BitmapFont.h"
#include "src_lumo/Gui/GuiSheetLayout.h"
#include "src_lumo/Gui/TextBoxList.h"
#include "src_lumo/Gui/TextOverlay.h"
#include "src_lumo/Gui/VisualTextBoxBubble.h"
#include "src_lumo/Gui/VisualTextBoxStatic.h"
#include "src_lumo/Processes/HandleTextBoxProcess.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Lumo;

namespace {

// Feeds frames of a fixed length to a box.
void typeFor(VisualTextBox& box, uint32_t millis, uint32_t frame = 5) {
    for (uint32_t t = 0; t < millis; t += frame)
        box.update(frame);
}

std::shared_ptr<VisualTextBoxStatic> typedBox(const std::wstring& firstPage, const std::wstring& secondPage = L"") {
    auto box = std::make_shared<VisualTextBoxStatic>(firstPage);
    if (!secondPage.empty())
        box->addPage(secondPage);
    box->show();
    typeFor(*box, 15 * static_cast<uint32_t>(firstPage.size()));
    return box;
}

} // namespace

TEST(TextBoxTyping, NothingIsTypedBeforeTheBoxIsShownAnEmptyPageNeverCompletesAndNeitherTakesTheKey) {
    auto notShown = std::make_shared<VisualTextBoxStatic>(L"hello");
    auto empty = std::make_shared<VisualTextBoxStatic>(L"");
    empty->show();
    typeFor(*notShown, 1000);
    typeFor(*empty, 5000);
    EXPECT_EQ(notShown->visibleCount(), 0u);
    EXPECT_FALSE(notShown->isPageComplete());
    EXPECT_FALSE(empty->isPageComplete());
    TextBoxList list;
    list.add(notShown);
    list.add(empty);
    EXPECT_FALSE(list.confirm());
    EXPECT_FALSE(notShown->isPageComplete());
}

TEST(TextBoxTyping, MarkerCyclesThroughItsThreeCellsOnceThePageIsComplete) {
    VisualTextBoxStatic box(L"ab");
    box.show();
    EXPECT_EQ(box.markerCell(), -1);
    typeFor(box, 30);
    ASSERT_TRUE(box.isPageComplete());
    int cell = box.markerCell();
    ASSERT_TRUE(cell >= 0 && cell <= 2) << cell;
    for (int step = 1; step < 6; ++step) {
        typeFor(box, VisualTextBoxStatic::kMarkerCellMs);
        EXPECT_EQ(box.markerCell(), (cell + 1) % 3) << "step " << step;
        cell = box.markerCell();
    }
}

class TextSpeedTest : public NullDeviceFixture {
protected:
    // Milliseconds until a 20-character page of a dialogue box or a bubble is typed out, in 5 ms frames.
    uint32_t millisToType(TextSpeed speed, bool inABubble = false) {
        gGameData->settings.textSpeed = speed;
        const wchar_t* text = L"twenty characters!!!";
        VisualTextBoxStatic box(text);
        VisualTextBoxBubble bubble(irr::core::vector3df(0, 0, 0), nullptr);
        bubble.addPage(text);
        VisualTextBox& typed = inABubble ? static_cast<VisualTextBox&>(bubble) : box;
        typed.show();
        uint32_t millis = 0;
        do {
            typed.update(5);
            millis += 5;
        } while (!typed.isPageComplete() && millis < 10000);
        return millis;
    }
};

TEST_F(TextSpeedTest, EachSpeedTypesAtItsOwnPaceNormalAtFifteenMillisecondsFastAtFiveAndBubblesAtHalfThat) {
    const uint32_t normal = millisToType(TextSpeed::Normal);
    EXPECT_EQ(normal, 300u);
    EXPECT_EQ(millisToType(TextSpeed::Slow), 2 * normal);
    const uint32_t fast = millisToType(TextSpeed::Fast);
    EXPECT_EQ(fast, normal / 3) << "fast still types, three times as fast";
    EXPECT_EQ(millisToType(TextSpeed::Instant), 5u) << "the whole page in the first frame";
    EXPECT_EQ(millisToType(TextSpeed::Normal, true), 2 * normal);
    EXPECT_EQ(millisToType(TextSpeed::Slow, true), 4 * normal);
    EXPECT_EQ(millisToType(TextSpeed::Fast, true), 2 * fast);
    EXPECT_EQ(millisToType(TextSpeed::Instant, true), 5u);
}

// The font has no upper case: such a letter leaves a blank cell, and the word keeps its width.
TEST(BitmapFontMeasure, EveryLetterTakesACellAndTheLongestLineCounts) {
    EXPECT_EQ(BitmapFont::measure(L"Hello").Width, 5 * 16);
    EXPECT_EQ(BitmapFont::measure(L"ab\nlonger\nc", 16), irr::core::dimension2di(6 * 16, 3 * 16));
}

// Capitals, the space and most symbols have no glyph: the shipped texts' check relies on that to
// find a misspelt {placeholder}.
TEST(BitmapFontGlyphs, OnlySmallLettersDigitsAFewMarksAndTheGermanLettersHaveOne) {
    irr::core::recti source;
    for (wchar_t c : std::wstring(L"az09!?.") + GuiSheetLayout::kFontExtraLetters)
        EXPECT_TRUE(BitmapFont::hasGlyph(c) && BitmapFont::glyphSource(c, source)) << static_cast<int>(c);
    for (wchar_t c : std::wstring(L"AZ{}\"#~@ "))
        EXPECT_FALSE(BitmapFont::hasGlyph(c) || BitmapFont::glyphSource(c, source)) << static_cast<int>(c);
}

class ConfirmTest : public ::testing::Test {
protected:
    TextBoxList list;
};

TEST_F(ConfirmTest, ConfirmTurnsPagesAndTheFirstBoxOnItsLastPageEndsTheWalk) {
    EXPECT_FALSE(list.confirm()) << "nothing to confirm";
    auto twoPages = typedBox(L"first", L"second");
    auto hidden = typedBox(L"hidden");
    auto lastPage = typedBox(L"only");
    auto later = typedBox(L"later");
    hidden->visible = false;
    for (const auto& box : {twoPages, hidden, lastPage, later})
        list.add(box);
    EXPECT_TRUE(list.confirm());
    EXPECT_EQ(twoPages->getPageIndex(), 1);
    EXPECT_FALSE(twoPages->isPageComplete()) << "the new page starts typing";
    EXPECT_EQ(hidden->getPageIndex(), 0) << "a hidden box is not turned";
    EXPECT_TRUE(lastPage->isFinished());
    EXPECT_FALSE(later->isFinished());
    typeFor(*twoPages, 15 * 6);
    EXPECT_TRUE(list.confirm());
    EXPECT_TRUE(twoPages->isFinished());
    EXPECT_FALSE(later->isFinished());
    EXPECT_TRUE(list.confirm());
    EXPECT_TRUE(later->isFinished());
    EXPECT_FALSE(hidden->isFinished());
    ASSERT_EQ(list.getBoxes().size(), 1u);
    EXPECT_EQ(list.getBoxes().front(), hidden);
}

TEST_F(ConfirmTest, ConfirmWhileAPageTypesCompletesItAndTheNextTurnsIt) {
    const std::wstring text = L"still typing";
    auto typing = std::make_shared<VisualTextBoxStatic>(text, L"baker");
    typing->addPage(L"second page");
    typing->show();
    typeFor(*typing, 30);
    list.add(typing);

    EXPECT_TRUE(list.confirm());
    EXPECT_TRUE(typing->isPageComplete());
    EXPECT_EQ(typing->getPageIndex(), 0);
    EXPECT_GE(typing->visibleCount(), text.size());
    EXPECT_EQ(typing->dropOffsetPixels(text.size() - 1), 0) << "the last letter is in place at once";
    EXPECT_GE(typing->markerCell(), 0) << "the continue marker shows";

    EXPECT_TRUE(list.confirm());
    EXPECT_EQ(typing->getPageIndex(), 1);
    EXPECT_FALSE(typing->isPageComplete());
}

TEST_F(ConfirmTest, PagesReadBeforeComeBackWholeAndOnlyNewOnesAreTyped) {
    auto talk = typedBox(L"one", L"two");
    talk->addPage(L"three");
    list.add(talk);
    EXPECT_FALSE(list.previousPage()) << "nothing before the first page";
    ASSERT_TRUE(list.confirm());
    typeFor(*talk, 15 * 3);
    ASSERT_TRUE(talk->isPageComplete());

    EXPECT_TRUE(list.previousPage());
    EXPECT_EQ(talk->getPageIndex(), 0);
    EXPECT_TRUE(talk->isPageComplete()) << "shown whole at once";
    ASSERT_TRUE(list.confirm());
    EXPECT_EQ(talk->getPageIndex(), 1);
    EXPECT_TRUE(talk->isPageComplete()) << "read before: whole again";
    ASSERT_TRUE(list.confirm());
    EXPECT_EQ(talk->getPageIndex(), 2);
    EXPECT_FALSE(talk->isPageComplete()) << "a new page is typed";
}

// The talks' processes are the story's to check; a process without a box never comes up in the game.
class TextBoxProcessTest : public NullDeviceFixture {};

TEST_F(TextBoxProcessTest, WithoutABoxEndsAtOnce) {
    auto boxless = std::make_shared<HandleTextBoxProcess>(nullptr);
    device().getProcessManager()->Attach(boxless);
    runFrame(16);
    EXPECT_TRUE(boxless->dead);
}

TEST(OverlayTest, FadesInOverTwoSecondsOnItsEventAndOutOverTwoWhenTold) {
    TextOverlay overlay;
    const auto run = [&](uint32_t millis) {
        for (uint32_t t = 0; t < millis; t += 10)
            overlay.update(10);
    };
    EXPECT_TRUE(overlay.handleEvent(ShowOverlayTextEvent("day 2")));
    EXPECT_FALSE(overlay.handleEvent(StartNewGameEvent()));
    EXPECT_EQ(overlay.getText(), L"day 2");
    EXPECT_TRUE(overlay.visible);
    EXPECT_EQ(overlay.alpha(), 0u);
    run(1000);
    EXPECT_EQ(overlay.alpha(), 128u);
    run(990);
    EXPECT_LT(overlay.alpha(), 255u);
    run(10);
    EXPECT_EQ(overlay.alpha(), 255u);
    run(1000);
    EXPECT_EQ(overlay.alpha(), 255u) << "capped at full";
    overlay.fadeOut();
    run(1990);
    EXPECT_GT(overlay.alpha(), 0u);
    run(10);
    EXPECT_EQ(overlay.alpha(), 0u);
    run(500);
    EXPECT_EQ(overlay.alpha(), 0u);
}
