#include "GamePlayFixture.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/FadeSoundEvent.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/CallActionEvent.h"
#include "src_lumo/Events/ShowOverlayTextEvent.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"

#include <sstream>

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
    size_t n = 0;
    for (const HeardEvent& event : heard)
        n += event.type == type.getHash();
    return n;
}

std::string EventRecorder::fades() const {
    std::ostringstream out;
    for (const HeardEvent& event : heard)
        if (event.type == TovarWorks::FadeSoundEventType.getHash())
            out << (out.tellp() > 0 ? " " : "") << event.channel << ':' << event.volume;
    return out.str();
}

void GamePlayFixture::start(const Lumo::ScriptedPlayOptions& options) {
    play.reset(); // one game at a time: the device is global
    play = std::make_unique<Lumo::ScriptedPlay>(options);
    ASSERT_TRUE(play->isReady());
    recorder = std::make_shared<EventRecorder>();
    const TovarWorks::EventType everything("*");
    TovarWorks::gDevice->getEventManager()->RegisterEventType(everything);
    ASSERT_TRUE(TovarWorks::gDevice->getEventManager()->AddListener(recorder, everything));
}

void GamePlayFixture::TearDown() { play.reset(); }

void GamePlayFixture::startNewGame() { ASSERT_TRUE(play->startNewGame()); }

void GamePlayFixture::trigger(const TovarWorks::IEventData& event) {
    TovarWorks::gDevice->getEventManager()->Trigger(event);
}

void GamePlayFixture::queue(const TovarWorks::IEventDataPtr& event) {
    TovarWorks::gDevice->getEventManager()->QueueEvent(event);
}

void GamePlayFixture::placeHero(const irr::core::vector3df& position) {
    visual().getHero()->getNode()->setPosition(position);
}
