// The clock, the rolling money counter, the calendar, the interface view and the table cells.
#include "src_lumo/Gui/Calendar.h"
#include "src_lumo/Gui/DigitCounter.h"
#include "src_lumo/Gui/GuiTable.h"
#include "src_lumo/Gui/HudElement.h"
#include "src_lumo/Gui/InterfaceView.h"

#include <gtest/gtest.h>

using namespace Lumo;

TEST(HudClock, TwoDigitsEachAndGreenFromEightToThreeOClock) {
    const irr::video::SColor white(0xFFFFFFFF), green(0xFF64FF64);
    const struct {
        int minute;
        const wchar_t* text;
        irr::video::SColor colour;
    } cases[] = {{0, L"00:00", white},         {7 * 60 + 5, L"07:05", white}, {7 * 60 + 59, L"07:59", white},
                 {8 * 60, L"08:00", green},    {14 * 60 + 59, L"14:59", green}, {15 * 60, L"15:00", white},
                 {22 * 60, L"22:00", white}};
    for (const auto& c : cases) {
        EXPECT_EQ(HudElement::clockText(c.minute), c.text);
        EXPECT_EQ(HudElement::clockColour(c.minute), c.colour) << c.minute;
    }
}

TEST(DigitCounterRoll, ZeroToFiveHundredTakesFiveHundredFramesCarriesFiftyTimesAndBorrowsBack) {
    DigitCounter counter{5, L'$'};
    const VisualDigit& units = counter.lowestDigit();
    const VisualDigit& tens = *units.getHigher();
    const VisualDigit& hundreds = *tens.getHigher();
    int wraps = 0;
    int previous = units.getDigit();
    for (int frame = 1; frame <= 700; ++frame) {
        counter.stepTowards(500, 16);
        if (frame <= 500)
            EXPECT_EQ(counter.getShownValue(), frame);
        wraps += previous == 9 && units.getDigit() == 0;
        previous = units.getDigit();
    }
    EXPECT_EQ(wraps, 50);
    EXPECT_EQ(units.getDigit(), 0);
    EXPECT_EQ(tens.getDigit(), 0);
    EXPECT_EQ(hundreds.getDigit(), 5);
    EXPECT_EQ(units.getPending(), 0);
    for (int frame = 0; frame < 5000; ++frame)
        counter.stepTowards(499, 16);
    EXPECT_EQ(units.getDigit(), 9);
    EXPECT_EQ(tens.getDigit(), 9);
    EXPECT_EQ(hundreds.getDigit(), 4);
}

TEST(DigitCounterRoll, TheLastPendingStepRollsTenTimesSlower) {
    const auto framesToFirstStep = [](int steps) {
        VisualDigit digit(0, nullptr);
        for (int i = 0; i < 5; ++i)
            digit.stepUp();
        for (int frame = 0; frame < 1000; ++frame)
            digit.update(1.0f);
        for (int i = 0; i < steps; ++i)
            digit.stepDown();
        int frames = 0;
        for (; digit.getDigit() == 5 && frames < 10000; ++frames)
            digit.update(1.0f);
        return frames;
    };
    const int single = framesToFirstStep(1);
    const int several = framesToFirstStep(3);
    EXPECT_NEAR(static_cast<double>(single) / several, 10.0, 1.0);
    EXPECT_NEAR(several, 10, 1) << "the lowest digit takes 10 ms per step";
}

// The interface keeps its shape in any window; the money box moves down when it is drawn smaller.
TEST(InterfaceViewport, CentredAndAsLargeAsTheWindowAllowsAndTheMoneyBoxHoldsItsDigits) {
    const irr::core::rectf interfaceBox(8, 14, 110, 40);
    using Size = irr::core::dimension2du;
    for (const Size screen : {Size(512, 288), Size(600, 400), Size(640, 360), Size(1024, 720), Size(1440, 720)}) {
        SCOPED_TRACE(testing::Message() << screen.Width << " x " << screen.Height);
        const InterfaceView view = InterfaceView::forScreen(screen);
        const irr::core::recti& port = view.viewport;
        EXPECT_NEAR(port.UpperLeftCorner.X + port.LowerRightCorner.X, static_cast<int>(screen.Width), 1);
        EXPECT_NEAR(port.UpperLeftCorner.Y + port.LowerRightCorner.Y, static_cast<int>(screen.Height), 1);
        EXPECT_TRUE(port.UpperLeftCorner.X == 0 || port.UpperLeftCorner.Y == 0) << "touches two edges";
        EXPECT_NEAR(static_cast<float>(port.getWidth()) / port.getHeight(), 16.0f / 9.0f, 0.01f);
        EXPECT_NEAR(view.toPixels(640, 360).X, port.LowerRightCorner.X, 1);
        EXPECT_NEAR(view.toPixels(640, 360).Y, port.LowerRightCorner.Y, 1);
        const irr::core::recti scaled = view.toPixels(interfaceBox);
        const irr::core::recti box = DigitCounter::box(view);
        EXPECT_EQ(view.scaleX < 1.0f, box.UpperLeftCorner.Y > scaled.UpperLeftCorner.Y);
        EXPECT_EQ(box.UpperLeftCorner.X, scaled.UpperLeftCorner.X);
        // The five digits and the sign are never cut by the box.
        for (int column = 1; column <= 6; ++column) {
            const irr::core::recti cell = view.toPixels(DigitCounter::cell(view, column));
            EXPECT_TRUE(box.isPointInside(cell.UpperLeftCorner) && box.isPointInside(cell.LowerRightCorner)) << column;
        }
    }
    const InterfaceView square = InterfaceView::forScreen({800, 800});
    EXPECT_EQ(square.viewport, irr::core::recti(0, 175, 800, 625));
    EXPECT_EQ(square.toPixels(10.9f, 0), irr::core::position2di(13, 175)) << "truncated to whole pixels";
}

TEST(CalendarGrid, KeepsThePointerOnTheGrid) {
    class FixedStatus : public GameStatus {
    public:
        int minuteOfDay() const override { return 0; }
        int weekDay() const override { return 0; }
        int day() const override { return 1; }
        int money() const override { return 0; }
    } status;
    Calendar calendar(status);
    calendar.moveCursor(-1, -1);
    EXPECT_EQ(calendar.getCursorColumn(), 0);
    EXPECT_EQ(calendar.getCursorRow(), 0);
    calendar.moveCursor(10, 10);
    EXPECT_EQ(calendar.getCursorColumn(), 6);
    EXPECT_EQ(calendar.getCursorRow(), 3);
}

TEST(TableCells, StandSideBySideRowUnderRowAndAColumnOffTheTableHasNoWidth) {
    const GuiTable table(100, 50, 400, 300, 24, {16, 280});
    EXPECT_EQ(irr::core::recti(100, 50, 116, 74), table.cellRect(0, 0));
    EXPECT_EQ(irr::core::recti(116, 98, 396, 122), table.cellRect(1, 2));
    for (const int offTable : {-3, -1, 2, 3})
        EXPECT_EQ(0, table.cellRect(offTable, 0).getWidth()) << offTable;
}
