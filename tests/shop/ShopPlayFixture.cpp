#include "ShopPlayFixture.h"

#include "src_lumo/Customers/CustomerManager.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"

using irr::core::vector3df;

const vector3df ShopPlayFixture::kAtShelf(865.f, 0.f, 655.f);
const vector3df ShopPlayFixture::kAtTable(792.5f, 0.f, 610.f);
const vector3df ShopPlayFixture::kAtOven(825.f, 0.f, 627.f);
const vector3df ShopPlayFixture::kAtCounter(812.f, 0.f, 574.f);

void ShopPlayFixture::start(const Lumo::ScriptedPlayOptions& options) {
    play.reset(); // one game at a time: the device is global
    play = std::make_unique<Lumo::ScriptedPlay>(options);
    ASSERT_TRUE(play->isReady());
    ASSERT_TRUE(play->startNewGame());
    sequences = std::make_shared<RecordingShopSequences>();
    visual().setShopSequences(sequences);
}

void ShopPlayFixture::placeHero(const vector3df& position, int facing) {
    const std::shared_ptr<Lumo::CharNode> hero = visual().getHero();
    hero->getNode()->setPosition(position);
    hero->setFacing(facing);
    play->runFrames(1);
}

void ShopPlayFixture::hold(irr::EKEY_CODE key, uint32_t frames) {
    play->press(key);
    play->runFrames(frames);
    play->release(key);
    play->runFrames(1);
}

void ShopPlayFixture::tap(irr::EKEY_CODE key) {
    play->tap(key);
    play->runFrames(1);
}

bool ShopPlayFixture::finishWork() {
    return play->runUntil([this] { return mode() != Lumo::MODE_MIXING && mode() != Lumo::MODE_KNEADING; }, 1000);
}

void ShopPlayFixture::customerArrives(int townsperson, int minute) {
    const Lumo::DailyCustomer visit{world().customers->townsfolk().at(static_cast<size_t>(townsperson)), minute};
    ASSERT_TRUE(visual().spawnCustomer(visit, minute));
    visual().getCustomerQueue().back().character->getNode()->setPosition(vector3df(815.f, 0.f, 550.f));
}

Lumo::VisualItemMultiPtr ShopPlayFixture::trayOnCounter(int32_t kind, int32_t count, int32_t bakedMinutes) {
    Lumo::Dough dough = Lumo::Dough::fromRecipe(world().goods, kind, world().goods.entry(kind).amounts, count);
    Lumo::Tray tray = Lumo::Tray::fromDough(dough);
    for (Lumo::BakedGood& good : tray.goods)
        good.bake(bakedMinutes);
    Lumo::VisualItemMultiPtr made = bakery().putGoodsOnNewTray(tray);
    EXPECT_TRUE(bakery().place(made, Lumo::FIELD_COUNTER_LEFT));
    return made;
}
