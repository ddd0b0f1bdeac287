#include "Baker.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/TeleportCharacterEvent.h"
#include "src_lumo/Items/ShopItemWorld.h"
#include "src_lumo/Items/VisualItemMulti.h"
#include "src_lumo/Items/VisualItemSingle.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Visual/BakeryShopScreens.h"

#include <gtest/gtest.h>

#include <cmath>

using irr::core::vector3df;
using namespace Lumo;

namespace {

const vector3df kCounterFront(815, 0, 550);
constexpr uint32_t kWalkMillis = 8000;
constexpr uint32_t kWorkMillis = 40000;
constexpr uint32_t kLongWaitMillis = 1600000; // most of a day

} // namespace

BakeryItems& Baker::bakery() const { return static_cast<ShopItemWorld&>(*visual().getItemWorld()).bakery(); }

vector3df Baker::hero() const { return visual().getHero()->getNode()->getPosition(); }

bool Baker::carrying() const { return visual().getItemWorld()->isCarrying(); }

bool Baker::letterWaiting() const {
    for (const VisualItemPtr& item : bakery().getItems())
        if (item->getKind() == ITEM_LETTER)
            return true;
    return false;
}

uint32_t Baker::frames(uint32_t millis) const {
    return static_cast<uint32_t>(std::ceil(millis / play.getFrameMillis()));
}

bool Baker::waitFor(const std::function<bool()>& condition, uint32_t maxMillis) {
    for (uint32_t frame = 0, last = frames(maxMillis); frame < last; ++frame) {
        if (condition())
            return true;
        reader.readAlongOneFrame();
    }
    return condition();
}

void Baker::settle(int mode, uint32_t maxMillis) {
    ASSERT_TRUE(waitFor([&] {
        return !reader.anyBoxOnScreen() && play.getLogic().hasPlayerControl() && play.getLogic().isLogicActive() &&
               visual().getMode() == mode;
    }, maxMillis)) << "the baker never came back to the player in mode " << mode << "; " << play.describeState();
}

void Baker::waitUntilMinute(int minuteOfDay) {
    ASSERT_TRUE(waitFor([&] { return world().minuteOfDay >= minuteOfDay; }, kLongWaitMillis))
        << "the clock never reached " << ScriptedPlay::clockText(minuteOfDay) << "; " << play.describeState();
}

void Baker::teleport(const vector3df& spot) {
    TovarWorks::gDevice->getEventManager()->QueueEvent(std::make_shared<TeleportCharacterEvent>("hero", spot));
    play.runFrames(1);
}

void Baker::walkTo(const vector3df& from, irr::EKEY_CODE arrow, float until, const char* place) {
    teleport(from);
    const auto arrived = [&] {
        const vector3df at = hero();
        return arrow == irr::KEY_LEFT ? at.X <= until : arrow == irr::KEY_UP ? at.Z >= until : at.Z <= until;
    };
    play.press(arrow);
    const bool there = play.runUntil(arrived, frames(kWalkMillis));
    play.release(arrow);
    play.runFrames(1);
    ASSERT_TRUE(there) << "could not reach the " << place << "; " << play.describeState();
}

void Baker::hold(irr::EKEY_CODE key, int times) {
    for (int i = 0; i < times; ++i) {
        play.press(key);
        play.runFrames(3);
        play.release(key);
        play.runFrames(1);
    }
}

void Baker::fillRows(std::initializer_list<int> steps) {
    for (const int right : steps) {
        hold(irr::KEY_RIGHT, right);
        hold(irr::KEY_DOWN);
    }
}

void Baker::atTable() { walkTo(vector3df(815, 0, 615), irr::KEY_LEFT, 805, "table"); }

void Baker::bringToTable(int flour, int butter, int milk) {
    ASSERT_NO_FATAL_FAILURE(walkTo(vector3df(865, 0, 645), irr::KEY_UP, 655, "storeroom"));
    hold(irr::KEY_SPACE);
    ASSERT_EQ(MODE_STORAGE, visual().getMode()) << "the storage menu did not open; " << play.describeState();
    const IngredientRow taken = {100 * flour, 100 * butter, 0, 100 * milk, 0, 0};
    IngredientRow stored = world().storeroomStock;
    IngredientRow onTable = world().tableStock;
    for (size_t slot = 0; slot < taken.size(); ++slot) {
        stored[slot] -= taken[slot];
        onTable[slot] += taken[slot];
    }
    fillRows({flour, butter, 0, milk, 0});
    hold(irr::KEY_SPACE);
    ASSERT_TRUE(visual().getMode() == MODE_WALKING && carrying()) << "no box in the baker's hands";
    ASSERT_EQ(stored, world().storeroomStock) << "the storeroom gave the wrong amounts";
    ASSERT_NO_FATAL_FAILURE(atTable());
    hold(irr::KEY_KEY_C);
    ASSERT_FALSE(carrying()) << "the table did not take the box";
    ASSERT_EQ(onTable, world().tableStock) << "the box did not reach the table's stock";
}

void Baker::finishWork() {
    ASSERT_TRUE(play.runUntil([this] {
        return visual().getMode() != MODE_MIXING && visual().getMode() != MODE_KNEADING;
    }, frames(kWorkMillis))) << "the work at the table never ended";
}

void Baker::knead() {
    ASSERT_NO_FATAL_FAILURE(finishWork());
    ASSERT_TRUE(visual().getItemWorld()->tableHoldsDough()) << "no dough on the table";
    hold(irr::KEY_SPACE);
    ASSERT_EQ(MODE_KNEADING, visual().getMode()) << "kneading did not start; " << play.describeState();
    ASSERT_NO_FATAL_FAILURE(finishWork());
    // A first batch of a new good is remarked on.
    settle();
}

void Baker::openDoughMenu() {
    ASSERT_NO_FATAL_FAILURE(atTable());
    hold(irr::KEY_SPACE);
    ASSERT_EQ(MODE_DOUGH_MENU, visual().getMode()) << "the dough menu did not open; " << play.describeState();
}

void Baker::makeFreeDough(int flour, int butter, int sugar, int milk) {
    ASSERT_NO_FATAL_FAILURE(openDoughMenu());
    for (const int amount : {flour, butter, sugar, milk}) {
        hold(irr::KEY_DOWN);
        hold(irr::KEY_RIGHT, amount / 10);
    }
    hold(irr::KEY_DOWN, 3);
    hold(irr::KEY_SPACE);
    ASSERT_EQ(MODE_MIXING, visual().getMode()) << "the dough could not be made; " << play.describeState();
    knead();
}

void Baker::makeRecipeDough(int recipe, int batches) {
    ASSERT_NO_FATAL_FAILURE(openDoughMenu());
    hold(irr::KEY_SPACE);
    hold(irr::KEY_RIGHT, recipe % 5);
    hold(irr::KEY_DOWN, recipe / 5);
    hold(irr::KEY_SPACE);
    hold(irr::KEY_DOWN, 7);
    hold(irr::KEY_RIGHT, batches - 1);
    hold(irr::KEY_SPACE);
    ASSERT_EQ(MODE_MIXING, visual().getMode()) << "the recipe's dough could not be made; " << play.describeState();
    knead();
}

void Baker::useTable(bool take) {
    ASSERT_NO_FATAL_FAILURE(atTable());
    hold(irr::KEY_KEY_C);
    ASSERT_EQ(take, carrying()) << (take ? "nothing to take from the table" : "the table did not take the tray");
}

void Baker::bakeTrayFromTable() {
    ASSERT_NO_FATAL_FAILURE(takeFromTable());
    ASSERT_NO_FATAL_FAILURE(walkTo(vector3df(825, 0, 615), irr::KEY_UP, 625, "oven"));
    hold(irr::KEY_KEY_C);
    const auto inOven = [this] {
        return std::dynamic_pointer_cast<VisualItemMulti>(bakery().getField(FIELD_OVEN).firstItem());
    };
    ASSERT_TRUE(play.runUntil([&] { return inOven() != nullptr; }, frames(4000))) << "the oven did not take the tray";
    const VisualItemMultiPtr tray = inOven();
    // Out as soon as the first good is baked, long before any burns.
    ASSERT_TRUE(waitFor([&] { return tray->getGoods().front()->getGood().stage >= 2; }, kLongWaitMillis))
        << "the tray never baked";
    hold(irr::KEY_KEY_C);
    ASSERT_TRUE(carrying()) << "the tray stayed in the oven";
}

void Baker::putOnCounter() {
    ASSERT_NO_FATAL_FAILURE(goBehindCounter());
    const size_t before = bakery().readyGoodsOnDisplay().size();
    hold(irr::KEY_KEY_C);
    ASSERT_FALSE(carrying()) << "the counter did not take the tray";
    ASSERT_GT(bakery().readyGoodsOnDisplay().size(), before) << "the counter shows no more goods";
}

void Baker::readLetter(std::vector<std::string>& pages) {
    ASSERT_TRUE(waitFor([this] { return letterWaiting(); }, kLongWaitMillis)) << "the postman brought no letter";
    teleport(ShopItemWorld::kLetterSpot + vector3df(0, 0, -8));
    reader.forgetPages();
    hold(irr::KEY_SPACE);
    ASSERT_FALSE(letterWaiting()) << "the letter was not picked up";
    ASSERT_NO_FATAL_FAILURE(settle());
    pages = reader.pagesSeen();
}

bool Baker::customerAtCounter() const {
    const auto& queue = visual().getCustomerQueue();
    // Arrived, not just arriving: a step away she may still be out of the baker's reach.
    return !queue.empty() && queue.front().character->getNode()->getPosition().getDistanceFrom(kCounterFront) < 0.2f;
}

void Baker::goBehindCounter() {
    if (hero().getDistanceFrom(vector3df(812, 0, 573)) >= 2.f)
        walkTo(vector3df(812, 0, 590), irr::KEY_DOWN, 574, "counter");
}

void Baker::serveCustomer(bool askDouble, int& paid) {
    ASSERT_NO_FATAL_FAILURE(goBehindCounter());
    ASSERT_TRUE(customerAtCounter()) << "no customer at the counter; " << play.describeState();
    hold(irr::KEY_SPACE);
    ASSERT_EQ(MODE_SELLING, visual().getMode()) << "the sell menu did not open; " << play.describeState();
    const SellMenue& menu = static_cast<BakeryShopScreens&>(*visual().getShopScreens()).getSellMenu();
    if (askDouble)
        hold(irr::KEY_UP, menu.referencePrice() / 100 + 1);
    const int asked = menu.askedPrice();
    const int money = world().money;
    hold(irr::KEY_SPACE);
    ASSERT_EQ(money + asked, world().money) << "the customer did not pay the asked price";
    paid = asked;
    settle();
}

void Baker::openMerchant() {
    // A talk within a second of the last one is refused.
    play.runFrames(frames(1000) + 1);
    teleport(LumoVisual::kMerchantSpot + vector3df(0, 0, -10));
    hold(irr::KEY_SPACE);
    settle(MODE_MERCHANT);
}

void Baker::buyIngredients(int flourHundreds, int butterSteps, int milkHundreds) {
    ASSERT_NO_FATAL_FAILURE(openMerchant());
    hold(irr::KEY_SPACE);
    fillRows({flourHundreds, butterSteps, 0, milkHundreds, 0});
    const int money = world().money;
    hold(irr::KEY_SPACE);
    ASSERT_LT(world().money, money) << "the merchant was not paid";
    settle();
}

void Baker::buyLoafPan() {
    ASSERT_NO_FATAL_FAILURE(openMerchant());
    hold(irr::KEY_DOWN);
    hold(irr::KEY_SPACE, 2);
    ASSERT_TRUE(world().flagsAndPopularity.isSet("GOT_BREADBOX")) << "the loaf pan was not sold";
    settle();
}

void Baker::goToBed() {
    const int day = world().day;
    ASSERT_NO_FATAL_FAILURE(walkTo(vector3df(910, 0, 640), irr::KEY_UP, 645, "bed"));
    hold(irr::KEY_SPACE);
    hold(irr::KEY_UP);
    hold(irr::KEY_SPACE);
    ASSERT_TRUE(day == WorldState::kLastDay ||
                waitFor([&] { return world().day == day + 1 && play.getLogic().hasPlayerControl(); }, 80000))
        << "no new day after going to bed; " << play.describeState();
}
