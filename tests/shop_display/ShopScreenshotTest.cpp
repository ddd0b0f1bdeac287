// The shop's screens under OpenGL (the suite runs under xvfb-run), compared with the reference
// pictures in tests/data/shop: at most 40 pixels may differ by more than 8 in a colour channel.
#include "GoldenImage.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/ShopView/DoughMenueView.h"
#include "src_lumo/ShopView/MerchantMenueView.h"
#include "src_lumo/ShopView/SellMenueView.h"
#include "src_lumo/ShopView/StorageMenueView.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace Lumo;

namespace {

InputRecord keys(int moveX, int moveY, bool space = false) {
    InputRecord input;
    input.moveX = moveX;
    input.moveY = moveY;
    input.keySpace = space;
    return input;
}

// Feeds one arrow or SPACE press and lets go, as the menus' latches want.
template <typename Menu>
void press(Menu& menu, const InputRecord& input, int times = 1) {
    for (int i = 0; i < times; ++i) {
        menu.input(input);
        menu.input(InputRecord());
    }
}

} // namespace

class ShopScreenshotTest : public ::testing::Test {
protected:
    const irr::core::dimension2du kPictureSize{1280, 720};

    void SetUp() override {
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
        gGameData->texts.loadGameTexts("lumodata/lang/en.txt");
        gGameData->world.goods.fillStartingGoods();
        driver = TovarWorks::gDevice->getVideoDriver();
        gGameData->interfaceView = InterfaceView::forScreen(kPictureSize);
        driver->setTextureCreationFlag(irr::video::ETCF_CREATE_MIP_MAPS, false);
        gGameData->fontTexture = keyed("lumodata/fontbakery.png");
        gGameData->guiTexture = keyed("lumodata/2d/gui.png");
        gGameData->itemsTexture = keyed("lumodata/items.png");
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

    WorldState& world() { return gGameData->world; }

    // Renders into a texture and reads that back: the window's buffers cannot be read reliably
    // under a virtual X server.
    void expectPicture(const std::string& name, const std::function<void()>& draw) {
        irr::video::ITexture* target = driver->addRenderTargetTexture(kPictureSize, "shop-picture");
        ASSERT_NE(target, nullptr);
        driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
        driver->setRenderTarget(target, true, true, irr::video::SColor(255, 150, 120, 90));
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
            (std::filesystem::path(KORNELO_RUNTIME_DIR).parent_path() / "test-output" / "shop").string();
        const GoldenImage golden(driver, KORNELO_SOURCE_DIR "/tests/data/shop", output);
        const GoldenResult result = golden.compare(shot, name);
        if (shot)
            shot->drop();
        EXPECT_TRUE(result.passed) << result.message;
    }

    irr::video::IVideoDriver* driver = nullptr;
};

TEST_F(ShopScreenshotTest, DoughMenuWithBunsChosen) {
    world().tableStock = {150, 0, 0, 0, 2, 0};
    DoughMenue menu(world());
    menu.open();
    menu.input(InputRecord());
    press(menu, keys(0, 0, true)); // the book
    press(menu, keys(1, 0));
    press(menu, keys(0, 0, true)); // the bun
    press(menu, keys(0, -1), DoughMenue::kCreateRow);
    press(menu, keys(1, 0), 3);
    ASSERT_EQ(4, menu.batches());
    expectPicture("dough_menu", [&] { DoughMenueView::draw(menu, world().goods); });
}

TEST_F(ShopScreenshotTest, RecipeBookWithALockedRecipeUnderThePointer) {
    world().goods.unlock(kBoule);
    DoughMenue menu(world());
    menu.open();
    menu.input(InputRecord());
    press(menu, keys(0, 0, true));
    press(menu, keys(1, 0), 3);
    ASSERT_TRUE(menu.bookOpen());
    expectPicture("recipe_book", [&] { DoughMenueView::draw(menu, world().goods); });
}

TEST_F(ShopScreenshotTest, SellMenuWithThreeGoods) {
    BakedGood bun;
    bun.kind = kBun;
    bun.bake(30);
    BakedGood dark = bun;
    dark.bake(5);
    BakedGood boule;
    boule.kind = kBoule;
    boule.targetMinutes = 45;
    boule.bake(45);
    SellMenue menu;
    menu.open({bun, dark, boule});
    expectPicture("sell_menu", [&] { SellMenueView::draw(menu, world().goods); });
}

TEST_F(ShopScreenshotTest, StorageMenuTakingFlourAndAnEgg) {
    world().storeroomStock = {500, 250, 0, 0, 3, 0};
    StorageMenue menu(world());
    menu.open();
    menu.input(InputRecord());
    press(menu, keys(1, 0), 2);
    press(menu, keys(0, -1), 4);
    press(menu, keys(1, 0));
    expectPicture("storage_menu", [&] { StorageMenueView::draw(menu); });
}

TEST_F(ShopScreenshotTest, MerchantOrderAboveTheMoney) {
    world().money = 400;
    MerchantMenue menu(world());
    menu.open();
    menu.input(InputRecord());
    press(menu, keys(0, 0, true));
    press(menu, keys(1, 0), 2);
    press(menu, keys(0, -1));
    press(menu, keys(1, 0));
    ASSERT_EQ(MerchantMenue::kIngredientsPage, menu.page());
    expectPicture("merchant_menu", [&] { MerchantMenueView::draw(menu, world()); });
}
