#pragma once
// The real game on the null driver under scripted play, with a recorder that hears every event.
#include "TovarWorks/Events/IEventData.h"
#include "TovarWorks/Events/IEventListener.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Play/ScriptedPlay.h"
#include "src_lumo/Visual/LumoVisual.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// What a test needs to know of an event after it has been delivered and freed.
struct HeardEvent {
    uint32_t type;
    int channel = -1;
    float volume = 0.0f;
    int action = 0;
    std::string text;
};

class EventRecorder : public TovarWorks::IEventListener {
public:
    const char* GetName() override { return "event recorder"; }
    bool HandleEvent(const TovarWorks::IEventData& event) override;

    size_t count(const TovarWorks::EventType& type) const;
    // "2:1 4:0 3:0": every fade's channel and target volume, in order.
    std::string fades() const;
    void clear() { heard.clear(); }

    std::vector<HeardEvent> heard;
};

class GamePlayFixture : public ::testing::Test {
protected:
    void SetUp() override { start({}); }
    void TearDown() override;

    void start(const Lumo::ScriptedPlayOptions& options);
    // A new game from the title menu, up to the frame the player can walk.
    void startNewGame();
    void trigger(const TovarWorks::IEventData& event);
    void queue(const TovarWorks::IEventDataPtr& event);
    void placeHero(const irr::core::vector3df& position);
    Lumo::LumoGameLogic& logic() { return play->getLogic(); }
    Lumo::LumoVisual& visual() { return *logic().getVisual(); }
    Lumo::WorldState& world() { return Lumo::gGameData->world; }

    std::unique_ptr<Lumo::ScriptedPlay> play;
    std::shared_ptr<EventRecorder> recorder;
};
