#include "src_lumo/Visual/BakeryShopScreens.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Bakery/RecipeDiscovery.h"
#include "src_lumo/Customers/CounterService.h"
#include "src_lumo/Events/RemoveCustomerEvent.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/ShopView/DoughMenueView.h"
#include "src_lumo/ShopView/MerchantMenueView.h"
#include "src_lumo/ShopView/SellMenueView.h"
#include "src_lumo/ShopView/StorageMenueView.h"
#include "src_lumo/ShopView/ToolListView.h"
#include "src_lumo/ShopView/WaitingIcon.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Visual/LumoVisual.h"

#include <algorithm>

namespace Lumo {

using TovarWorks::gDevice;

namespace {

// The baker works the dough at the table, where the waiting icon stands.
const irr::core::vector3df kWorkSpot(792.5f, 10.f, 615.f);

WorldState& world() { return gGameData->world; }

} // namespace

BakeryShopScreens::BakeryShopScreens(LumoVisual& visual, std::shared_ptr<ShopItemWorld> items)
    : visual(visual), items(std::move(items)), dough(world()), storage(world()), merchant(world()), bar(world()) {}

void BakeryShopScreens::updateScreen(int mode, const InputRecord& input) {
    switch (mode) {
    case MODE_DOUGH_MENU:
        answerDough(dough.input(input));
        break;
    case MODE_SELLING:
        answerSell(sell.input(input));
        break;
    case MODE_STORAGE:
        answerStorage(storage.input(input));
        break;
    case MODE_MERCHANT:
        answerMerchant(merchant.input(input));
        break;
    case MODE_BAR:
        answerBar(bar.input(input));
        break;
    default:
        break;
    }
}

void BakeryShopScreens::update(uint32_t elapsedMs) {
    const int mode = visual.getMode();
    if (mode == MODE_DOUGH_MENU) {
        showMenuDough();
        return;
    }
    if (mode != MODE_MIXING && mode != MODE_KNEADING)
        return;
    workElapsed += elapsedMs;
    if (workElapsed < kWorkMillis)
        return;
    if (mode == MODE_MIXING)
        finishMixing();
    else
        finishKneading();
}

float BakeryShopScreens::workProgress() const {
    return std::min(1.0f, static_cast<float>(workElapsed) / static_cast<float>(kWorkMillis));
}

void BakeryShopScreens::drawScreen(int mode) {
    const WorldState& state = world();
    switch (mode) {
    case MODE_DOUGH_MENU:
        DoughMenueView::draw(dough, state.goods);
        break;
    case MODE_KNEADING:
    case MODE_MIXING:
        WaitingIcon::draw(workProgress(), kWorkSpot, visual.getCamera());
        break;
    case MODE_SELLING:
        SellMenueView::draw(sell, state.goods);
        break;
    case MODE_STORAGE:
        StorageMenueView::draw(storage);
        break;
    case MODE_MERCHANT:
        MerchantMenueView::draw(merchant, state);
        break;
    case MODE_BAR:
        ToolListView::draw(bar.cursorRow(), state);
        break;
    default:
        break;
    }
}

bool BakeryShopScreens::sellKey(const irr::SEvent& event) {
    if (event.EventType != irr::EET_KEY_INPUT_EVENT || event.KeyInput.PressedDown)
        return false;
    return sell.keyReleased(event.KeyInput.Key);
}

void BakeryShopScreens::openDoughMenu() {
    dough.open();
    visual.setMode(MODE_DOUGH_MENU);
}

void BakeryShopScreens::startKneading() {
    if (!items->tableHoldsDough())
        return;
    startWork(MODE_KNEADING);
}

void BakeryShopScreens::serveFirstCustomer() {
    Customer* waiting = visual.getCustomerQueue().waitingAtCounter();
    if (!waiting)
        return;
    const std::vector<VisualItemSinglePtr> ready = items->bakery().readyGoodsOnDisplay();
    std::vector<BakedGood> states;
    for (const VisualItemSinglePtr& good : ready)
        states.push_back(good->getGood());
    CounterService counter(world(), visual.getShopSequences());
    const std::vector<size_t> chosen = counter.chooseOffer(*waiting, states);
    if (chosen.empty())
        return;
    offered.clear();
    std::vector<BakedGood> offeredStates;
    for (const size_t index : chosen) {
        offered.push_back(ready[index]);
        offeredStates.push_back(states[index]);
    }
    sell.open(offeredStates);
    visual.setMode(MODE_SELLING);
}

void BakeryShopScreens::openStorageMenu() {
    storage.open();
    visual.setMode(MODE_STORAGE);
}

void BakeryShopScreens::openMerchantMenu() {
    merchant.open();
    visual.setMode(MODE_MERCHANT);
}

void BakeryShopScreens::openBarMenu() {
    bar.open();
    visual.setMode(MODE_BAR);
}

void BakeryShopScreens::answerDough(int32_t answer) {
    if (answer == DoughMenue::kAnswerCreate) {
        mixed = dough.madeDough();
        startWork(MODE_MIXING);
    } else if (answer == DoughMenue::kAnswerClose) {
        items->bakery().showDoughOnTable(nullptr);
        close();
    }
}

void BakeryShopScreens::answerStorage(int32_t answer) {
    if (answer == StorageMenue::kAnswerTake) {
        // An empty choice takes nothing and keeps the menu open.
        const std::optional<IngredientRow> box = storage.takeIngredients();
        if (!box)
            return;
        items->bakery().handIngredientBox(*box, gGameData->heroPosition);
        close();
    } else if (answer == StorageMenue::kAnswerClose) {
        close();
    }
}

void BakeryShopScreens::answerMerchant(int32_t answer) {
    if (answer == 0)
        return;
    visual.markActionTime();
    if (answer == MerchantMenue::kAnswerClose)
        close();
    else if (answer == MerchantMenue::kAnswerBuyIngredients && merchant.buyIngredients(visual.getShopSequences()))
        close();
    else if (answer == MerchantMenue::kAnswerBuyTool && merchant.buyTool(visual.getShopSequences()))
        close();
}

void BakeryShopScreens::answerBar(int32_t answer) {
    if (answer == 0)
        return;
    visual.markActionTime();
    if (answer == BarMenue::kAnswerClose)
        close();
    else if (answer == BarMenue::kAnswerBuyTool && bar.buyTool(visual.getShopSequences()))
        close();
}

void BakeryShopScreens::answerSell(int32_t answer) {
    if (answer != SellMenue::kAnswerSell)
        return;
    close();
    Customer* waiting = visual.getCustomerQueue().waitingAtCounter();
    // Nobody leaves while a price is asked; an empty counter here keeps the goods on display.
    if (!waiting) {
        offered.clear();
        return;
    }
    CounterService counter(world(), visual.getShopSequences());
    const CounterService::SaleOutcome outcome = counter.pay(*waiting, sell.offeredGoods(), sell.askedPrice());
    for (const VisualItemSinglePtr& good : offered)
        items->bakery().remove(good);
    offered.clear();
    if (outcome == CounterService::SaleOutcome::CustomerLeaves)
        gDevice->getEventManager()->QueueEvent(std::make_shared<RemoveCustomerEvent>());
}

void BakeryShopScreens::startWork(int workMode) {
    workElapsed = 0;
    visual.setMode(workMode);
    if (const std::shared_ptr<CharNode> hero = visual.getHero()) {
        hero->setFacing(FACE_LEFT);
        hero->getNode()->setAnimation(L"knet_left", true);
    }
}

void BakeryShopScreens::finishMixing() {
    items->bakery().putDoughOnTable(mixed);
    close();
}

void BakeryShopScreens::finishKneading() {
    close();
    std::optional<Dough> lump = items->bakery().takeDoughFromTable();
    if (!lump)
        return;
    const bool freeRecipe = lump->kind == kUnknownGood;
    WorldState& state = world();
    const RecipeDiscovery::Result found = RecipeDiscovery::finishKneading(*lump, state.goods, state.flagsAndPopularity);
    items->bakery().putGoodsOnNewTray(Tray::fromDough(*lump));
    if (!freeRecipe || found.kind == kUnknownGood)
        return;
    bool& remarked = gGameData->discovered.at(static_cast<size_t>(found.kind));
    if (remarked)
        return;
    remarked = true;
    if (const std::shared_ptr<CharNode> hero = visual.getHero()) {
        hero->setFacing(FACE_LEFT);
        hero->getNode()->setFrame(L"iddle_left");
        hero->getNode()->setAnimation(L"iddle_left", true);
    }
    visual.getShopSequences().goodDiscovered(found.kind);
}

void BakeryShopScreens::showMenuDough() {
    const Dough preview = dough.madeDough();
    items->bakery().showDoughOnTable(preview.weight() > 0 ? &preview : nullptr);
}

void BakeryShopScreens::close() { visual.setMode(MODE_WALKING); }

} // namespace Lumo
