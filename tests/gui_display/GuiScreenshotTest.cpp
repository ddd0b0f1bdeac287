// The interface under OpenGL (the suite runs under xvfb-run), compared with the reference pictures
// in tests/data/gui: at most 40 pixels may differ by more than 8 in a colour channel.
#include "GoldenImage.h"
#include "TempDir.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Gui/BedChoice.h"
#include "src_lumo/Gui/Calendar.h"
#include "src_lumo/Gui/HudElement.h"
#include "src_lumo/Gui/VisualTextBoxStatic.h"
#include "src_lumo/Menus/GameMenue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace Lumo;

namespace {

class FixedStatus : public GameStatus {
public:
    int minuteOfDay() const override { return 12 * 60; }
    int weekDay() const override { return 2; }
    int day() const override { return 9; }
    int money() const override { return 1250; }
};

} // namespace

class GuiScreenshotTest : public ::testing::Test {
protected:
    const irr::core::dimension2du kPictureSize{1280, 720};

    void SetUp() override {
        // A busy X server now and then refuses a window; a second try gets one.
        bool ready = false;
        for (int attempt = 0; attempt < 3 && !ready; ++attempt) {
            delete TovarWorks::gDevice;
            TovarWorks::gDevice = new TovarWorks::TovarDevice();
            TovarWorks::gDevice->setMessageOutput(std::make_shared<TovarWorks::RecordingMessageOutput>());
            ready = TovarWorks::gDevice->init(1280, 720, false, irr::video::EDT_OPENGL);
        }
        ASSERT_TRUE(ready) << "needs an X display with OpenGL";
        irr::ITimer* timer = TovarWorks::gDevice->getIrrlichtDevice()->getTimer();
        timer->stop();
        timer->setTime(0);
        gGameData = new GameData();
        driver = TovarWorks::gDevice->getVideoDriver();
        gGameData->interfaceView = InterfaceView::forScreen(kPictureSize);
        driver->setTextureCreationFlag(irr::video::ETCF_CREATE_MIP_MAPS, false);
        gGameData->fontTexture = keyed("lumodata/fontbakery.png");
        gGameData->guiTexture = keyed("lumodata/2d/gui.png");
        gGameData->gui2Texture = keyed("lumodata/2d/gui2.png");
        gGameData->gui3Texture = keyed("lumodata/2d/gui3.png");
    }
    void TearDown() override {
        delete TovarWorks::gDevice;
        TovarWorks::gDevice = nullptr;
        delete gGameData;
        gGameData = nullptr;
    }

    irr::video::ITexture* keyed(const char* path) {
        irr::video::ITexture* texture = driver->getTexture(path);
        EXPECT_NE(texture, nullptr) << path;
        if (texture)
            driver->makeColorKeyTexture(texture, irr::core::position2d<irr::s32>(0, 0));
        return texture;
    }

    // Renders into a texture and reads that back: the window's buffers cannot be read reliably
    // under a virtual X server.
    void expectPicture(const std::string& name, const std::function<void()>& draw) {
        irr::video::ITexture* target = driver->addRenderTargetTexture(kPictureSize, "gui-picture");
        ASSERT_NE(target, nullptr);
        driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
        driver->setRenderTarget(target, true, true, irr::video::SColor(255, 70, 90, 80));
        draw();
        driver->setRenderTarget(nullptr, false, false);
        driver->endScene();
        irr::video::IImage* shot = nullptr;
        if (void* pixels = target->lock(irr::video::ETLM_READ_ONLY)) {
            shot = driver->createImageFromData(target->getColorFormat(), target->getSize(), pixels, false);
            target->unlock();
        }
        driver->removeTexture(target);
        const std::string output =
            (std::filesystem::path(KORNELO_RUNTIME_DIR).parent_path() / "test-output" / "gui").string();
        const GoldenImage golden(driver, KORNELO_SOURCE_DIR "/tests/data/gui", output);
        const GoldenResult result = golden.compare(shot, name);
        if (shot)
            shot->drop();
        EXPECT_TRUE(result.passed) << result.message;
    }

    irr::video::IVideoDriver* driver = nullptr;
    TempDir folder;
};

TEST_F(GuiScreenshotTest, TitleMenu) {
    GameMenue menu(FallingGoodFactory(), folder.file("settings.ini"));
    menu.update(0);
    expectPicture("title_menu", [&] { menu.draw(); });
}

TEST_F(GuiScreenshotTest, OptionsScreen) {
    GameMenue menu(FallingGoodFactory(), folder.file("settings.ini"));
    irr::SEvent key{};
    key.EventType = irr::EET_KEY_INPUT_EVENT;
    key.KeyInput.PressedDown = true;
    key.KeyInput.Key = irr::KEY_DOWN;
    menu.handleKey(key);
    menu.handleKey(key);
    key.KeyInput.Key = irr::KEY_SPACE;
    menu.handleKey(key);
    ASSERT_TRUE(menu.isOptionsOpen());
    key.KeyInput.Key = irr::KEY_DOWN;
    menu.handleKey(key);
    expectPicture("options_screen", [&] { menu.draw(); });
}

TEST_F(GuiScreenshotTest, DialogueBoxWhileTypingAndComplete) {
    VisualTextBoxStatic box(L"Good morning, baker!\nthe oven is warm: let's bake.", L"merchant");
    box.show();
    box.update(150); // ten characters typed, the last ones still dropping
    expectPicture("dialogue_typing", [&] { box.draw(); });
    box.update(1000);
    ASSERT_TRUE(box.isPageComplete());
    expectPicture("dialogue_complete", [&] { box.draw(); });
}

TEST_F(GuiScreenshotTest, ChoiceBoard) {
    const auto choice = createBedChoice();
    expectPicture("choice_board", [&] { choice->draw(); });
}

TEST_F(GuiScreenshotTest, HudAtNoon) {
    const FixedStatus status;
    HudElement hud(status);
    for (int frame = 0; frame < 3000; ++frame)
        hud.getMoneyCounter().stepTowards(status.money(), 16);
    expectPicture("hud_noon", [&] { hud.draw(); });
}

TEST_F(GuiScreenshotTest, Calendar) {
    const FixedStatus status;
    Lumo::Calendar calendar(status);
    calendar.moveCursor(3, 1);
    expectPicture("calendar", [&] { calendar.draw(); });
}
