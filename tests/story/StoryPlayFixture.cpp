#include "StoryPlayFixture.h"

#include <map>

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/IEventListener.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"

class EventTypeCounter : public TovarWorks::IEventListener {
public:
    const char* GetName() override { return "event type counter"; }
    bool HandleEvent(const TovarWorks::IEventData& event) override {
        ++counts[event.GetEventType().getHash()];
        return false;
    }
    std::map<uint32_t, size_t> counts;
};

size_t StoryPlayFixture::heard(const TovarWorks::EventType& type) const {
    const auto found = counter->counts.find(type.getHash());
    return found == counter->counts.end() ? 0 : found->second;
}

void StoryPlayFixture::start(bool skipIntro) {
    play.reset(); // one game at a time: the device is global
    Lumo::ScriptedPlayOptions options;
    options.skipIntro = skipIntro;
    play = std::make_unique<Lumo::ScriptedPlay>(options);
    ASSERT_TRUE(play->isReady());
    reader = std::make_unique<DialogueReader>(*play);
    counter = std::make_shared<EventTypeCounter>();
    const TovarWorks::EventType everything("*");
    TovarWorks::gDevice->getEventManager()->RegisterEventType(everything);
    ASSERT_TRUE(TovarWorks::gDevice->getEventManager()->AddListener(counter, everything));
}

void StoryPlayFixture::startAtCounter() {
    start(true);
    ASSERT_TRUE(play->startNewGame());
    world().customers->buildDailySchedule(0.0f, world().day);
}

void StoryPlayFixture::readAlongOneFrame() {
    reader->readAlongOneFrame();
    if (everyFrame)
        everyFrame();
}

bool StoryPlayFixture::readDialogue(uint32_t maxFrames) {
    for (uint32_t frame = 0; frame < maxFrames && anyBoxOnScreen(); ++frame)
        readAlongOneFrame();
    return !anyBoxOnScreen();
}

bool StoryPlayFixture::runUntilControl(uint32_t maxFrames) {
    for (uint32_t frame = 0; frame < maxFrames; ++frame) {
        if (logic().hasPlayerControl() && logic().isLogicActive())
            return true;
        readAlongOneFrame();
    }
    return logic().hasPlayerControl() && logic().isLogicActive();
}

void StoryPlayFixture::placeHero(const irr::core::vector3df& position) {
    visual().getHero()->getNode()->setPosition(position);
}

void StoryPlayFixture::talkAt(const irr::core::vector3df& spot) {
    // Talking twice within a second is refused: let the last talk's second pass.
    play->runFrames(70);
    visual().setMode(Lumo::MODE_WALKING);
    placeHero(spot + irr::core::vector3df(0, 0, -10));
    play->tap(irr::KEY_SPACE);
}
