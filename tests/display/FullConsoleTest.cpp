// What only a real window shows: with no game logic the main loop draws the whole console.
#include "NeedsDisplay.h"
#include "TovarWorks/Console/ConsoleLogic.h"
#include "TovarWorks/TovarDevice.h"

#include <gtest/gtest.h>

TEST(FullConsoleTest, WithoutALogicTheLoopDrawsTheConsoleFullScreen) {
    SKIP_WITHOUT_DISPLAY();
    ASSERT_TRUE(openEngineWindow(320, 240, irr::video::EDT_BURNINGSVIDEO));
    TovarWorks::TovarDevice& device = *TovarWorks::gDevice;
    device.getIrrlichtDevice()->getTimer()->stop();
    device.runFrame();

    irr::video::IImage* shot = device.getVideoDriver()->createScreenShot();
    ASSERT_NE(shot, nullptr);
    // Inside the console box, away from the text lines, the pulsing gradient shows.
    const irr::video::SColor box = shot->getPixel(280, 210);
    const irr::video::SColor outside = shot->getPixel(5, 5);
    shot->drop();
    EXPECT_GT(box.getBlue(), 40u);
    EXPECT_EQ(outside.getBlue(), 0u);
    EXPECT_EQ(outside.getRed(), 0u);

    delete TovarWorks::gDevice;
    TovarWorks::gDevice = nullptr;
}
