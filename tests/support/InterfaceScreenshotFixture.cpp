#include "InterfaceScreenshotFixture.h"

#include "NeedsDisplay.h"

void InterfaceScreenshotFixture::SetUp() {
    SKIP_WITHOUT_DISPLAY();
    ASSERT_TRUE(openEngineWindow(kPictureSize.Width, kPictureSize.Height, irr::video::EDT_OPENGL))
        << "OpenGL did not start on the X display";
    irr::ITimer* timer = TovarWorks::gDevice->getIrrlichtDevice()->getTimer();
    timer->stop();
    timer->setTime(0);
    Lumo::gGameData = new Lumo::GameData();
    driver = TovarWorks::gDevice->getVideoDriver();
    Lumo::gGameData->interfaceView = Lumo::InterfaceView::forScreen(kPictureSize);
    driver->setTextureCreationFlag(irr::video::ETCF_CREATE_MIP_MAPS, false);
}

void InterfaceScreenshotFixture::TearDown() {
    delete TovarWorks::gDevice;
    TovarWorks::gDevice = nullptr;
    delete Lumo::gGameData;
    Lumo::gGameData = nullptr;
}

irr::video::ITexture* InterfaceScreenshotFixture::keyed(const char* path) {
    irr::video::ITexture* texture = driver->getTexture(path);
    EXPECT_NE(texture, nullptr) << path;
    if (texture)
        driver->makeColorKeyTexture(texture, irr::core::position2d<irr::s32>(0, 0));
    return texture;
}

void InterfaceScreenshotFixture::expectPicture(const std::string& name, const std::function<void()>& draw) {
    const GoldenResult result = comparePicture(name, draw);
    EXPECT_TRUE(result.passed) << result.message;
}

GoldenResult InterfaceScreenshotFixture::comparePicture(const std::string& name, const std::function<void()>& draw) {
    irr::video::IImage* picture = drawIntoPicture(driver, kPictureSize, background, draw);
    const GoldenResult result = GoldenImage::forArea(driver, area).compare(picture, name);
    if (picture)
        picture->drop();
    return result;
}
