// The clock, the rolling money counter, the calendar, the table cells and the interface view.
#include "src_lumo/Gui/Calendar.h"
#include "src_lumo/Gui/DigitCounter.h"
#include "src_lumo/Gui/GuiTable.h"
#include "src_lumo/Gui/HudElement.h"
#include "src_lumo/Gui/InterfaceView.h"

#include <gtest/gtest.h>

using namespace Lumo;

namespace {

class FixedStatus : public GameStatus {
public:
    int minuteOfDay() const override { return minute; }
    int weekDay() const override { return weekday; }
    int day() const override { return today; }
    int money() const override { return cash; }
    int minute = 0, weekday = 0, today = 1, cash = 0;
};

const irr::video::SColor kWhite(0xFFFFFFFF);
const irr::video::SColor kGreen(0xFF64FF64);

} // namespace

TEST(HudClock, GreenFromEightToThreeOClock) {
    EXPECT_EQ(HudElement::clockColour(7 * 60 + 59), kWhite);
    EXPECT_EQ(HudElement::clockColour(8 * 60), kGreen);
    EXPECT_EQ(HudElement::clockColour(14 * 60 + 59), kGreen);
    EXPECT_EQ(HudElement::clockColour(15 * 60), kWhite);
}

TEST(HudClock, ShowsHoursAndMinutesWithTwoDigitsEach) {
    EXPECT_EQ(HudElement::clockText(7 * 60 + 5), L"07:05");
    EXPECT_EQ(HudElement::clockText(22 * 60), L"22:00");
    EXPECT_EQ(HudElement::clockText(0), L"00:00");
}

class DigitCounterTest : public ::testing::Test {
protected:
    DigitCounter counter{5, L'$'};
    const VisualDigit& units() const { return counter.lowestDigit(); }
    const VisualDigit& tens() const { return *units().getHigher(); }
    const VisualDigit& hundreds() const { return *tens().getHigher(); }

    void settle(int target) {
        for (int frame = 0; frame < 5000; ++frame)
            counter.stepTowards(target, 16);
    }
};

TEST_F(DigitCounterTest, ZeroToFiveHundredTakesFiveHundredFramesAndCarriesFiftyTimes) {
    int wraps = 0;
    int previous = units().getDigit();
    for (int frame = 1; frame <= 500; ++frame) {
        counter.stepTowards(500, 16);
        EXPECT_EQ(counter.getShownValue(), frame);
        if (previous == 9 && units().getDigit() == 0)
            ++wraps;
        previous = units().getDigit();
    }
    for (int frame = 0; frame < 200; ++frame) {
        counter.stepTowards(500, 16);
        if (previous == 9 && units().getDigit() == 0)
            ++wraps;
        previous = units().getDigit();
    }
    EXPECT_EQ(wraps, 50);
    EXPECT_EQ(units().getDigit(), 0);
    EXPECT_EQ(tens().getDigit(), 0);
    EXPECT_EQ(hundreds().getDigit(), 5);
    EXPECT_EQ(units().getPending(), 0);
}

TEST_F(DigitCounterTest, DroppingBelowZeroBorrowsFromTheNextDigit) {
    settle(10);
    ASSERT_EQ(tens().getDigit(), 1);
    settle(9);
    EXPECT_EQ(units().getDigit(), 9);
    EXPECT_EQ(tens().getDigit(), 0);
}

TEST(DigitCounterBox, BelowFullSizeTheBoxMovesDownAndTheDigitsStayWholeInsideIt) {
    const irr::core::rectf interfaceBox(8, 14, 110, 40);
    for (const irr::core::dimension2du screen : {irr::core::dimension2du(512, 288), irr::core::dimension2du(600, 400),
                                                 irr::core::dimension2du(640, 360), irr::core::dimension2du(1024, 720)}) {
        const InterfaceView view = InterfaceView::forScreen(screen);
        const bool small = view.scaleX < 1.0f;
        const irr::core::recti scaled = view.toPixels(interfaceBox);
        const irr::core::recti box = DigitCounter::box(view);
        EXPECT_EQ(box.UpperLeftCorner, scaled.UpperLeftCorner + irr::core::position2di(0, small ? 14 : 0))
            << screen.Width << " x " << screen.Height;
        EXPECT_EQ(box.LowerRightCorner, scaled.LowerRightCorner + irr::core::position2di(200, small ? 40 : 0))
            << screen.Width << " x " << screen.Height;
        // The five digits and the sign are never cut by the box.
        for (int column = 1; column <= 6; ++column) {
            const irr::core::recti cell = view.toPixels(DigitCounter::cell(view, column));
            EXPECT_TRUE(box.isPointInside(cell.UpperLeftCorner) && box.isPointInside(cell.LowerRightCorner))
                << screen.Width << " x " << screen.Height << ", column " << column;
        }
    }
}

TEST(VisualDigitRoll, TheLastPendingStepRollsTenTimesSlower) {
    const auto framesToFirstStep = [](int steps) {
        VisualDigit digit(0, nullptr);
        for (int i = 0; i < 5; ++i)
            digit.stepUp();
        for (int frame = 0; frame < 1000; ++frame)
            digit.update(1.0f);
        for (int i = 0; i < steps; ++i)
            digit.stepDown();
        int frames = 0;
        while (digit.getDigit() == 5 && frames < 10000) {
            digit.update(1.0f);
            ++frames;
        }
        return frames;
    };
    const int single = framesToFirstStep(1);
    const int several = framesToFirstStep(3);
    EXPECT_NEAR(static_cast<double>(single) / several, 10.0, 1.0);
    EXPECT_NEAR(several, 10, 1) << "the lowest digit takes 10 ms per step";
}

TEST(CalendarGrid, HighlightsToday) {
    FixedStatus status;
    status.today = 28;
    Calendar calendar(status);
    EXPECT_TRUE(calendar.isToday(6, 3));
    EXPECT_FALSE(calendar.isToday(0, 0));
    status.today = 1;
    EXPECT_TRUE(calendar.isToday(0, 0));
}

TEST(CalendarGrid, PointerStaysOnTheGrid) {
    FixedStatus status;
    Calendar calendar(status);
    calendar.moveCursor(-1, -1);
    EXPECT_EQ(calendar.getCursorColumn(), 0);
    EXPECT_EQ(calendar.getCursorRow(), 0);
    calendar.moveCursor(10, 10);
    EXPECT_EQ(calendar.getCursorColumn(), 6);
    EXPECT_EQ(calendar.getCursorRow(), 3);
}

TEST(GuiTableCells, CellsFollowTheColumnWidthsAndRowHeight) {
    GuiTable table(100, 50, 500, 300, 30, {120, 80, 60});
    EXPECT_EQ(table.cellRect(0, 0), irr::core::recti(100, 50, 220, 80));
    EXPECT_EQ(table.cellRect(2, 3), irr::core::recti(300, 140, 360, 170));
    EXPECT_EQ(table.cellRect(5, 0).getWidth(), 0) << "a column past the last has no width";
}

TEST(GuiTableCells, TextIsCentredVerticallyForTheSixteenUnitFont) {
    GuiTable table(100, 50, 500, 300, 30, {120, 80});
    EXPECT_EQ(table.cellTextPosition(0, 0), irr::core::position2di(100, 57));
    EXPECT_EQ(table.cellTextPosition(1, 2), irr::core::position2di(220, 50 + 60 + 7));
    GuiTable odd(0, 0, 100, 100, 25, {50});
    EXPECT_EQ(odd.cellTextPosition(0, 1).Y, 25 + 4) << "halving rounds toward zero";
}

TEST(InterfaceViewport, WideWindowIsPillarBoxedAndSquareWindowLetterBoxed) {
    const InterfaceView wide = InterfaceView::forScreen({1440, 720});
    EXPECT_EQ(wide.viewport, irr::core::recti(80, 0, 1359, 720));
    EXPECT_NEAR(wide.scaleY, 2.0f, 1e-6);
    const InterfaceView square = InterfaceView::forScreen({800, 800});
    EXPECT_EQ(square.viewport, irr::core::recti(0, 175, 800, 625));
    EXPECT_FLOAT_EQ(square.scaleX, 1.25f);
    EXPECT_EQ(square.toPixels(640, 360), irr::core::position2di(800, 625));
    EXPECT_EQ(square.toPixels(10.9f, 0), irr::core::position2di(13, 175)) << "truncated to whole pixels";
}
