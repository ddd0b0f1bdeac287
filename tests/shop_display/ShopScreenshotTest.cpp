// The shop's screens under OpenGL, compared with the reference pictures in tests/data/shop.
#include "InterfaceScreenshotFixture.h"
#include "bakery/BakeryTestWorld.h"

#include "src_lumo/Shop/ToolShop.h"
#include "src_lumo/ShopView/DoughMenueView.h"
#include "src_lumo/ShopView/MerchantMenueView.h"
#include "src_lumo/ShopView/SellMenueView.h"
#include "src_lumo/ShopView/StorageMenueView.h"
#include "src_lumo/ShopView/WaitingIcon.h"
#include "TovarWorks/TovarDevice.h"

#include <gtest/gtest.h>

using namespace Lumo;

using BakeryTest::baked;
using BakeryTest::press;

class ShopScreenshotTest : public InterfaceScreenshotFixture {
protected:
    ShopScreenshotTest() : InterfaceScreenshotFixture("shop", irr::video::SColor(255, 150, 120, 90)) {}

    void SetUp() override {
        InterfaceScreenshotFixture::SetUp();
        if (HasFatalFailure())
            return;
        gGameData->texts.loadGameTexts("lumodata/lang/en.txt");
        gGameData->world.goods.fillStartingGoods();
        gGameData->fontTexture = keyed("lumodata/fontbakery.png");
        gGameData->guiTexture = keyed("lumodata/2d/gui.png");
        gGameData->itemsTexture = keyed("lumodata/items.png");
    }

    WorldState& world() { return gGameData->world; }
};

TEST_F(ShopScreenshotTest, DoughMenuSaysWhyFourBunBatchesCannotBeMade) {
    world().tableStock = {150, 0, 0, 0, 2, 0};
    DoughMenue menu(world());
    menu.open();
    press(menu, ". > " + std::string(DoughMenue::kCreateRow, 'v') + ">>>"); // the bun from the book, four batches
    ASSERT_EQ(4, menu.batches());
    ASSERT_STREQ("DOUGH_NO_FLOUR", menu.createRefusalId());
    expectPicture("dough_menu", [&] { DoughMenueView::draw(menu, world().goods); });
}

TEST_F(ShopScreenshotTest, RecipeBookWithALockedRecipeUnderThePointer) {
    world().goods.unlock(kBoule);
    DoughMenue menu(world());
    menu.open();
    press(menu, ". >>v"); // the donut, on the second row
    ASSERT_TRUE(menu.bookOpen());
    ASSERT_EQ(kDonut, menu.bookSlot());
    expectPicture("recipe_book", [&] { DoughMenueView::draw(menu, world().goods); });
}

TEST_F(ShopScreenshotTest, SellMenuWithABurntGoodAndTheFairPriceBesideTheAskedOne) {
    SellMenue menu;
    menu.open({baked(kBun), baked(kBun, 30, 60), baked(kBoule, 45, 45)});
    press(menu, ".>>>");
    ASSERT_TRUE(menu.isBurnt(1));
    ASSERT_EQ(340, menu.askedPrice());
    expectPicture("sell_menu", [&] { SellMenueView::draw(menu, world().goods); });
}

TEST_F(ShopScreenshotTest, StorageMenuTakingFlourAndAnEgg) {
    world().storeroomStock = {500, 250, 0, 0, 3, 0};
    StorageMenue menu(world());
    menu.open();
    press(menu, ".>>vvvv>");
    expectPicture("storage_menu", [&] { StorageMenueView::draw(menu); });
}

TEST_F(ShopScreenshotTest, MerchantTabsWithTheToolsChosen) {
    MerchantMenue menu(world());
    menu.open();
    press(menu, ".v");
    ASSERT_EQ(MerchantMenue::kTabPage, menu.page());
    ASSERT_EQ(1, menu.tab());
    expectPicture("merchant_tabs", [&] { MerchantMenueView::draw(menu, world()); });
}

TEST_F(ShopScreenshotTest, MerchantOrderAboveTheMoney) {
    world().money = 400;
    MerchantMenue menu(world());
    menu.open();
    press(menu, ". >>v>");
    ASSERT_EQ(MerchantMenue::kIngredientsPage, menu.page());
    expectPicture("merchant_menu", [&] { MerchantMenueView::draw(menu, world()); });
}

// The list the bar shows too: a tool the merchant offers only once he trusts her, one too dear.
TEST_F(ShopScreenshotTest, MerchantToolsWithTheLoafPanOfferedAndThePipingBagTooDear) {
    world().money = 1200;
    world().flagsAndPopularity.setFlag("MERC_SELL_BOX", 1.0f);
    MerchantMenue menu(world());
    menu.open();
    press(menu, ".v v");
    ASSERT_EQ(MerchantMenue::kToolsPage, menu.page());
    ASSERT_EQ(ToolShop::kPipingBag, menu.toolRow());
    expectPicture("merchant_tools", [&] { MerchantMenueView::draw(menu, world()); });
}

// Kneading half done: the icon's second turn over the work table and its bar half filled.
TEST_F(ShopScreenshotTest, WaitingIconHalfWayThroughTheKneading) {
    TovarWorks::gDevice->getIrrlichtDevice()->getTimer()->setTime(WaitingIcon::kFrameMillis);
    expectPicture("waiting_icon", [&] { WaitingIcon::draw(0.5f, irr::core::vector3df(), nullptr); });
}
