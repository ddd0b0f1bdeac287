// What only a real window shows: the console as the main loop draws it, alone or over a game.
#include "NeedsDisplay.h"
#include "TovarWorks/Console/ConsoleLogic.h"
#include "TovarWorks/TovarDevice.h"

#include "TovarWorks/GameLogic.h"

#include <gtest/gtest.h>

namespace {

// One pixel of the frame the loop drew last; white when no screenshot could be taken.
irr::video::SColor pixelAt(irr::u32 x, irr::u32 y) {
    irr::video::IImage* shot = TovarWorks::gDevice->getVideoDriver()->createScreenShot();
    if (!shot)
        return irr::video::SColor(0xFFFFFFFF);
    const irr::video::SColor pixel = shot->getPixel(x, y);
    shot->drop();
    return pixel;
}

} // namespace

TEST(FullConsoleTest, WithoutALogicTheLoopDrawsTheConsoleFullScreen) {
    SKIP_WITHOUT_DISPLAY();
    ASSERT_TRUE(openEngineWindow(320, 240, irr::video::EDT_BURNINGSVIDEO));
    TovarWorks::TovarDevice& device = *TovarWorks::gDevice;
    device.getIrrlichtDevice()->getTimer()->stop();
    device.runFrame();

    // Inside the console box, away from the text lines, the pulsing gradient shows.
    const irr::video::SColor box = pixelAt(280, 210);
    const irr::video::SColor outside = pixelAt(5, 5);
    EXPECT_GT(box.getBlue(), 40u);
    EXPECT_EQ(outside.getBlue(), 0u);
    EXPECT_EQ(outside.getRed(), 0u);

    delete TovarWorks::gDevice;
    TovarWorks::gDevice = nullptr;
}

TEST(FullConsoleTest, OverAGameTheLoopDrawsTheConsolesStillBoxOnlyWhileItIsOpen) {
    SKIP_WITHOUT_DISPLAY();
    ASSERT_TRUE(openEngineWindow(320, 240, irr::video::EDT_BURNINGSVIDEO));
    TovarWorks::TovarDevice& device = *TovarWorks::gDevice;
    device.getIrrlichtDevice()->getTimer()->stop();
    ASSERT_TRUE(device.setGameLogic(std::make_shared<TovarWorks::GameLogic>())); // draws nothing itself
    device.runFrame();
    EXPECT_EQ(pixelAt(280, 210).getBlue(), 0u) << "a closed console draws no box over the game";
    device.getConsole()->open = true;
    device.runFrame();
    const irr::video::SColor box = pixelAt(280, 210);
    EXPECT_GT(box.getBlue(), 40u);
    device.getIrrlichtDevice()->getTimer()->setTime(1000); // a quarter into the pulse the console has alone
    device.runFrame();
    EXPECT_EQ(pixelAt(280, 210), box) << "over a game the box does not pulse";

    delete TovarWorks::gDevice;
    TovarWorks::gDevice = nullptr;
}
