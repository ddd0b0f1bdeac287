#include "Baker.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/TeleportCharacterEvent.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Items/ShopItemWorld.h"
#include "src_lumo/Items/VisualItemMulti.h"
#include "src_lumo/Items/VisualItemSingle.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Visual/BakeryShopScreens.h"

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

bool Baker::fail(const std::string& what) {
    failure = what + " — " + play.describeState();
    return false;
}

bool Baker::letterWaiting() const {
    for (const VisualItemPtr& item : bakery().getItems())
        if (item->getKind() == ITEM_LETTER)
            return true;
    return false;
}

VisualItemMultiPtr Baker::trayInOven() const {
    return std::dynamic_pointer_cast<VisualItemMulti>(bakery().getField(FIELD_OVEN).firstItem());
}

uint32_t Baker::frames(uint32_t millis) const {
    return static_cast<uint32_t>(std::ceil(millis / play.getFrameMillis()));
}

bool Baker::settle(uint32_t maxMillis) {
    const auto free = [this] {
        return !reader.anyBoxOnScreen() && play.getLogic().hasPlayerControl() && play.getLogic().isLogicActive() &&
               visual().getMode() == MODE_WALKING;
    };
    for (uint32_t frame = 0, last = frames(maxMillis); frame < last && !free(); ++frame)
        reader.readAlongOneFrame();
    return free() || fail("the baker never came back to the player");
}

bool Baker::waitFor(const std::function<bool()>& condition, uint32_t maxMillis) {
    for (uint32_t frame = 0, last = frames(maxMillis); frame < last; ++frame) {
        if (condition())
            return true;
        reader.readAlongOneFrame();
    }
    return condition();
}

bool Baker::waitUntilMinute(int minuteOfDay) {
    return waitFor([&] { return world().minuteOfDay >= minuteOfDay; }, kLongWaitMillis) ||
           fail("the clock never reached " + ScriptedPlay::clockText(minuteOfDay));
}

void Baker::teleport(const vector3df& spot) {
    TovarWorks::gDevice->getEventManager()->QueueEvent(std::make_shared<TeleportCharacterEvent>("hero", spot));
    play.runFrames(1);
}

bool Baker::walk(irr::EKEY_CODE arrow, const std::function<bool(const vector3df&)>& arrived) {
    play.press(arrow);
    const bool there = play.runUntil([&] { return arrived(hero()); }, frames(kWalkMillis));
    play.release(arrow);
    play.runFrames(1);
    return there;
}

void Baker::hold(irr::EKEY_CODE key, int times) {
    for (int i = 0; i < times; ++i) {
        play.press(key);
        play.runFrames(3);
        play.release(key);
        play.runFrames(1);
    }
}

bool Baker::atTable() {
    teleport(vector3df(815, 0, 615));
    return walk(irr::KEY_LEFT, [](const vector3df& p) { return p.X <= 805; }) || fail("could not reach the table");
}

bool Baker::bringToTable(int flour, int butter, int milk) {
    teleport(vector3df(865, 0, 645));
    if (!walk(irr::KEY_UP, [](const vector3df& p) { return p.Z >= 655; }))
        return fail("could not reach the storeroom");
    hold(irr::KEY_SPACE);
    if (visual().getMode() != MODE_STORAGE)
        return fail("the storage menu did not open");
    const IngredientRow taken = {100 * flour, 100 * butter, 0, 100 * milk, 0, 0};
    const IngredientRow stored = world().storeroomStock;
    const IngredientRow onTable = world().tableStock;
    for (const int hundreds : {flour, butter, 0, milk, 0}) {
        hold(irr::KEY_RIGHT, hundreds);
        hold(irr::KEY_DOWN);
    }
    hold(irr::KEY_SPACE);
    if (visual().getMode() != MODE_WALKING || !visual().getItemWorld()->isCarrying())
        return fail("no box in the baker's hands");
    for (size_t slot = 0; slot < taken.size(); ++slot)
        if (world().storeroomStock[slot] != stored[slot] - taken[slot])
            return fail("the storeroom gave the wrong amounts");
    if (!atTable())
        return false;
    hold(irr::KEY_KEY_C);
    if (visual().getItemWorld()->isCarrying())
        return fail("the table did not take the box");
    for (size_t slot = 0; slot < taken.size(); ++slot)
        if (world().tableStock[slot] != onTable[slot] + taken[slot])
            return fail("the box did not reach the table's stock");
    return true;
}

bool Baker::finishWork() {
    return play.runUntil([this] { return visual().getMode() != MODE_MIXING && visual().getMode() != MODE_KNEADING; },
                         frames(kWorkMillis)) ||
           fail("the work at the table never ended");
}

bool Baker::knead() {
    if (!finishWork())
        return false;
    if (!visual().getItemWorld()->tableHoldsDough())
        return fail("no dough on the table");
    hold(irr::KEY_SPACE);
    if (visual().getMode() != MODE_KNEADING)
        return fail("kneading did not start");
    if (!finishWork())
        return false;
    // A first batch of a new good is remarked on.
    return settle();
}

bool Baker::makeFreeDough(int flour, int butter, int sugar, int milk) {
    if (!atTable())
        return false;
    hold(irr::KEY_SPACE);
    if (visual().getMode() != MODE_DOUGH_MENU)
        return fail("the dough menu did not open");
    for (const int amount : {flour, butter, sugar, milk}) {
        hold(irr::KEY_DOWN);
        hold(irr::KEY_RIGHT, amount / 10);
    }
    hold(irr::KEY_DOWN, 3);
    hold(irr::KEY_SPACE);
    if (visual().getMode() != MODE_MIXING)
        return fail("the dough could not be made");
    return knead();
}

bool Baker::makeRecipeDough(int recipe, int batches) {
    if (!atTable())
        return false;
    hold(irr::KEY_SPACE);
    if (visual().getMode() != MODE_DOUGH_MENU)
        return fail("the dough menu did not open");
    hold(irr::KEY_SPACE);
    hold(irr::KEY_RIGHT, recipe % 5);
    hold(irr::KEY_DOWN, recipe / 5);
    hold(irr::KEY_SPACE);
    hold(irr::KEY_DOWN, 7);
    hold(irr::KEY_RIGHT, batches - 1);
    hold(irr::KEY_SPACE);
    if (visual().getMode() != MODE_MIXING)
        return fail("the recipe's dough could not be made");
    return knead();
}

bool Baker::takeFromTable() {
    if (!atTable())
        return false;
    hold(irr::KEY_KEY_C);
    return visual().getItemWorld()->isCarrying() || fail("nothing to take from the table");
}

bool Baker::putOnTable() {
    if (!atTable())
        return false;
    hold(irr::KEY_KEY_C);
    return !visual().getItemWorld()->isCarrying() || fail("the table did not take the tray");
}

bool Baker::bakeTrayFromTable() {
    if (!takeFromTable())
        return false;
    teleport(vector3df(825, 0, 615));
    if (!walk(irr::KEY_UP, [](const vector3df& p) { return p.Z >= 625; }))
        return fail("could not reach the oven");
    hold(irr::KEY_KEY_C);
    if (!play.runUntil([this] { return trayInOven() != nullptr; }, frames(4000)))
        return fail("the oven did not take the tray");
    const VisualItemMultiPtr tray = trayInOven();
    // Out as soon as the first good is baked, long before any burns.
    if (!waitFor([&] { return tray->getGoods().front()->getGood().stage >= 2; }, kLongWaitMillis))
        return fail("the tray never baked");
    hold(irr::KEY_KEY_C);
    return visual().getItemWorld()->isCarrying() || fail("the tray stayed in the oven");
}

bool Baker::putOnCounter() {
    if (!goBehindCounter())
        return false;
    const size_t before = bakery().readyGoodsOnDisplay().size();
    hold(irr::KEY_KEY_C);
    return (!visual().getItemWorld()->isCarrying() && bakery().readyGoodsOnDisplay().size() > before) ||
           fail("the counter did not take the tray");
}

bool Baker::readLetter(std::vector<std::string>& pages) {
    if (!waitFor([this] { return letterWaiting(); }, kLongWaitMillis))
        return fail("the postman brought no letter");
    teleport(ShopItemWorld::kLetterSpot + vector3df(0, 0, -8));
    reader.forgetPages();
    hold(irr::KEY_SPACE);
    if (letterWaiting())
        return fail("the letter was not picked up");
    if (!settle())
        return false;
    pages = reader.pagesSeen();
    return true;
}

bool Baker::customerAtCounter() const {
    const auto& queue = visual().getCustomerQueue();
    // Arrived, not just arriving: a step away she may still be out of the baker's reach.
    return !queue.empty() && queue.front().character->getNode()->getPosition().getDistanceFrom(kCounterFront) < 0.2f;
}

bool Baker::goBehindCounter() {
    if (hero().getDistanceFrom(vector3df(812, 0, 573)) < 2.f)
        return true;
    teleport(vector3df(812, 0, 590));
    return walk(irr::KEY_DOWN, [](const vector3df& p) { return p.Z <= 574; }) || fail("could not reach the counter");
}

bool Baker::serveCustomer(bool askDouble, int& paid) {
    if (!goBehindCounter())
        return false;
    if (!customerAtCounter())
        return fail("no customer at the counter");
    hold(irr::KEY_SPACE);
    if (visual().getMode() != MODE_SELLING)
        return fail("the sell menu did not open");
    const SellMenue& menu = static_cast<BakeryShopScreens&>(*visual().getShopScreens()).getSellMenu();
    if (askDouble)
        hold(irr::KEY_UP, menu.referencePrice() / 100 + 1);
    const int asked = menu.askedPrice();
    const int money = world().money;
    hold(irr::KEY_SPACE);
    if (world().money != money + asked)
        return fail("the customer did not pay the asked price");
    paid = asked;
    return settle();
}

bool Baker::openMerchant() {
    // A talk within a second of the last one is refused.
    play.runFrames(frames(1000) + 1);
    teleport(LumoVisual::kMerchantSpot + vector3df(0, 0, -10));
    hold(irr::KEY_SPACE);
    return waitFor([this] {
        return visual().getMode() == MODE_MERCHANT && !reader.anyBoxOnScreen() && play.getLogic().hasPlayerControl();
    }, 800000) || fail("the merchant's menu did not open");
}

bool Baker::buyIngredients(const MerchantOrder& order) {
    if (!openMerchant())
        return false;
    hold(irr::KEY_SPACE);
    for (const int steps : {order.flourHundreds, order.butterSteps, 0, order.milkHundreds, 0}) {
        hold(irr::KEY_RIGHT, steps);
        hold(irr::KEY_DOWN);
    }
    const int money = world().money;
    hold(irr::KEY_SPACE);
    if (world().money >= money)
        return fail("the merchant was not paid");
    return settle();
}

bool Baker::buyLoafPan() {
    if (!openMerchant())
        return false;
    hold(irr::KEY_DOWN);
    hold(irr::KEY_SPACE);
    hold(irr::KEY_SPACE);
    if (!world().flagsAndPopularity.isSet("GOT_BREADBOX"))
        return fail("the loaf pan was not sold");
    return settle();
}

bool Baker::goToBed() {
    const int day = world().day;
    teleport(vector3df(910, 0, 640));
    if (!walk(irr::KEY_UP, [](const vector3df& p) { return p.Z >= 645; }))
        return fail("could not reach the bed");
    hold(irr::KEY_SPACE);
    hold(irr::KEY_UP);
    hold(irr::KEY_SPACE);
    if (day == WorldState::kLastDay)
        return true;
    return waitFor([&] { return world().day == day + 1 && play.getLogic().hasPlayerControl(); }, 80000) ||
           fail("no new day after going to bed");
}
