#include "GamePlayFixture.h"
#include "NeedsDisplay.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/FadeSoundEvent.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Customers/CustomerManager.h"
#include "src_lumo/Events/CallActionEvent.h"
#include "src_lumo/Events/ShowOverlayTextEvent.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"

#include <algorithm>
#include <sstream>

using irr::core::vector3df;

bool EventRecorder::HandleEvent(const TovarWorks::IEventData& event) {
    HeardEvent record{event.GetEventType().getHash()};
    if (event.GetEventType() == TovarWorks::FadeSoundEventType) {
        const auto& fade = static_cast<const TovarWorks::FadeSoundEvent&>(event);
        record.channel = fade.channel;
        record.volume = fade.targetVolume;
    } else if (event.GetEventType() == TovarWorks::CallActionEventType) {
        record.action = static_cast<const Lumo::CallActionEvent&>(event).action;
    } else if (event.GetEventType() == TovarWorks::ShowOverlayTextEventType) {
        record.text = static_cast<const Lumo::ShowOverlayTextEvent&>(event).text;
    }
    heard.push_back(record);
    return false;
}

size_t EventRecorder::count(const TovarWorks::EventType& type) const {
    const auto ofType = [&](const HeardEvent& event) { return event.type == type.getHash(); };
    return std::count_if(heard.begin(), heard.end(), ofType);
}

std::string EventRecorder::fades() const {
    std::ostringstream out;
    for (const HeardEvent& event : heard)
        if (event.type == TovarWorks::FadeSoundEventType.getHash())
            out << (out.tellp() > 0 ? " " : "") << event.channel << ':' << event.volume;
    return out.str();
}

const vector3df GamePlayFixture::kAtShelf(865.f, 0.f, 655.f);
const vector3df GamePlayFixture::kAtTable(792.5f, 0.f, 610.f);
const vector3df GamePlayFixture::kAtOven(825.f, 0.f, 627.f);
const vector3df GamePlayFixture::kAtCounter(812.f, 0.f, 574.f);

void GamePlayFixture::start(const Lumo::ScriptedPlayOptions& options) {
    reader.reset();
    ASSERT_TRUE(openWhileTheServerCatchesUp([&] {
        play.reset(); // one game at a time: the device is global
        play = std::make_unique<Lumo::ScriptedPlay>(options);
        return play->isReady();
    }));
    reader = std::make_unique<DialogueReader>(*play);
    recorder = std::make_shared<EventRecorder>();
    const TovarWorks::EventType everything("*");
    TovarWorks::gDevice->getEventManager()->RegisterEventType(everything);
    ASSERT_TRUE(TovarWorks::gDevice->getEventManager()->AddListener(recorder, everything));
}

void GamePlayFixture::TearDown() {
    reader.reset();
    play.reset();
}

void GamePlayFixture::startNewGame() { ASSERT_TRUE(play->startNewGame()); }

void GamePlayFixture::startAtCounter() {
    Lumo::ScriptedPlayOptions options;
    options.skipIntro = true;
    start(options);
    startNewGame();
    world().customers->buildDailySchedule(0.0f, world().day);
}

void GamePlayFixture::recordShopSequences() {
    sequences = std::make_shared<RecordingShopSequences>();
    visual().setShopSequences(sequences);
}

void GamePlayFixture::trigger(const TovarWorks::IEventData& event) {
    TovarWorks::gDevice->getEventManager()->Trigger(event);
}

void GamePlayFixture::queue(const TovarWorks::IEventDataPtr& event) {
    TovarWorks::gDevice->getEventManager()->QueueEvent(event);
}

void GamePlayFixture::placeHero(const vector3df& position) { visual().getHero()->getNode()->setPosition(position); }

void GamePlayFixture::placeHero(const vector3df& position, int facing) {
    placeHero(position);
    visual().getHero()->setFacing(facing);
    play->runFrames(1);
}

void GamePlayFixture::hold(irr::EKEY_CODE key, uint32_t frames) {
    play->press(key);
    play->runFrames(frames);
    play->release(key);
    play->runFrames(1);
}

void GamePlayFixture::tap(irr::EKEY_CODE key) {
    play->tap(key);
    play->runFrames(1);
}

bool GamePlayFixture::finishWork() {
    return play->runUntil([this] { return mode() != Lumo::MODE_MIXING && mode() != Lumo::MODE_KNEADING; }, 1000);
}

void GamePlayFixture::customerArrives(int townsperson, int minute) {
    const Lumo::DailyCustomer visit{world().customers->townsfolk().at(static_cast<size_t>(townsperson)), minute};
    ASSERT_TRUE(visual().spawnCustomer(visit, minute));
    visual().getCustomerQueue().back().character->getNode()->setPosition(vector3df(815.f, 0.f, 550.f));
}

Lumo::VisualItemMultiPtr GamePlayFixture::trayOnCounter(int32_t kind, int32_t count, int32_t bakedMinutes) {
    Lumo::Dough dough = Lumo::Dough::fromRecipe(world().goods, kind, world().goods.entry(kind).amounts, count);
    Lumo::Tray tray = Lumo::Tray::fromDough(dough);
    for (Lumo::BakedGood& good : tray.goods)
        good.bake(bakedMinutes);
    Lumo::VisualItemMultiPtr made = bakery().putGoodsOnNewTray(tray);
    EXPECT_TRUE(bakery().place(made, Lumo::FIELD_COUNTER_LEFT));
    return made;
}

void GamePlayFixture::talkAt(const vector3df& spot) {
    // Talking twice within a second is refused: let the last talk's second pass.
    play->runFrames(70);
    visual().setMode(Lumo::MODE_WALKING);
    placeHero(spot + vector3df(0, 0, -10));
    play->tap(irr::KEY_SPACE);
}

void GamePlayFixture::readAlongOneFrame() {
    reader->readAlongOneFrame();
    if (everyFrame)
        everyFrame();
}

bool GamePlayFixture::readDialogue(uint32_t maxFrames) {
    for (uint32_t frame = 0; frame < maxFrames && anyBoxOnScreen(); ++frame)
        readAlongOneFrame();
    return !anyBoxOnScreen();
}

bool GamePlayFixture::runUntilControl(uint32_t maxFrames) {
    const auto control = [this] { return logic().hasPlayerControl() && logic().isLogicActive(); };
    for (uint32_t frame = 0; frame < maxFrames && !control(); ++frame)
        readAlongOneFrame();
    return control();
}
