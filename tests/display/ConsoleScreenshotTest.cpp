// The console as it is drawn: open and scrolled back, and closed with its lines fading.
#include "InterfaceScreenshotFixture.h"

#include "TovarWorks/Console/ConsoleLogic.h"

namespace {

class ConsoleScreenshotTest : public InterfaceScreenshotFixture {
protected:
    ConsoleScreenshotTest() : InterfaceScreenshotFixture("engine", irr::video::SColor(255, 70, 110, 70)) {}

    void SetUp() override {
        InterfaceScreenshotFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(TovarWorks::gDevice->loadConsoleFont("TovarWorks/systemFont.bmp"));
        console = TovarWorks::gDevice->getConsole();
        console->lines.clear();
    }

    // Lines in three colours with a separator every tenth, each made at the given time.
    void addLines(int count, uint32_t madeAt) {
        const uint32_t colours[] = {0xFFFFFFFF, 0xFFFFC040, 0xFF80C0FF};
        TovarWorks::gDevice->getIrrlichtDevice()->getTimer()->setTime(madeAt);
        for (int i = 0; i < count; ++i)
            console->addLine(colours[i % 3], i % 10 == 9 ? 4 : 1, irr::core::stringw(L"line ") + irr::core::stringw(i));
    }

    std::shared_ptr<TovarWorks::ConsoleLogic> console;
};

} // namespace

// The pulsing full-screen box a quarter through its period, the scroll bar of a log scrolled back,
// the variables' box and the input line.
TEST_F(ConsoleScreenshotTest, OpenScrolledBackWithVariablesAndInput) {
    addLines(120, 0);
    console->open = true;
    console->scroll = 15;
    console->setDebugVariable(1, L"fps", L"60");
    console->setDebugVariable(2, L"customers waiting", L"3");
    console->input = L"tovar hel";
    expectPicture("console_open", [&] {
        console->drawBackground(driver, true, 5000);
        console->drawLines(driver, 5000);
        console->drawDebugVariables(driver);
        console->drawInputLine(driver);
    });
}

// Closed: the newest lines full, older ones half faded, and the oldest, past their lifetime, gone.
TEST_F(ConsoleScreenshotTest, ClosedLinesFadeAndEnd) {
    addLines(3, 0);
    addLines(4, 500);
    addLines(5, 2000);
    expectPicture("console_fading", [&] { console->drawLines(driver, 6100); });
}

// Scrolled back to the oldest line, one line shows, and the scroll bar still stands at the bottom.
TEST_F(ConsoleScreenshotTest, ScrolledBackToTheOldestLineKeepsItsBar) {
    addLines(40, 0);
    console->open = true;
    console->scroll = 39;
    expectPicture("console_oldest", [&] { console->drawLines(driver, 5000); });
}
