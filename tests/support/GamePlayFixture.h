#pragma once
// The real game on the null driver under scripted play, for every game-level test: a recorder
// that hears every event, a reader that reads the dialogue along like a player, hands that hold
// keys as a player would, and the shop's spots and story moments.
#include "DialogueReader.h"
#include "RecordingShopSequences.h"
#include "TovarWorks/Events/IEventData.h"
#include "TovarWorks/Events/IEventListener.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Items/ShopItemWorld.h"
#include "src_lumo/Play/ScriptedPlay.h"
#include "src_lumo/Visual/BakeryShopScreens.h"
#include "src_lumo/Visual/LumoVisual.h"

#include <gtest/gtest.h>

#include <functional>
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
    static const irr::core::vector3df kAtShelf;
    static const irr::core::vector3df kAtTable;
    static const irr::core::vector3df kAtOven;
    static const irr::core::vector3df kAtCounter;

    void SetUp() override { start({}); }
    void TearDown() override;

    void start(const Lumo::ScriptedPlayOptions& options);
    // A new game from the title menu, up to the frame the player can walk.
    void startNewGame();
    // A new game at the counter, intro skipped; the day's customers stay away.
    void startAtCounter();
    // The shop's story moments are noted in `sequences` instead of played.
    void recordShopSequences();

    void trigger(const TovarWorks::IEventData& event);
    void queue(const TovarWorks::IEventDataPtr& event);
    // How often an event of that type was delivered since the game started.
    size_t heard(const TovarWorks::EventType& type) const { return recorder->count(type); }

    Lumo::LumoGameLogic& logic() { return play->getLogic(); }
    Lumo::LumoVisual& visual() { return *logic().getVisual(); }
    Lumo::WorldState& world() { return Lumo::gGameData->world; }
    Lumo::BakeryShopScreens& screens() { return static_cast<Lumo::BakeryShopScreens&>(*visual().getShopScreens()); }
    Lumo::BakeryItems& bakery() { return static_cast<Lumo::ShopItemWorld&>(*visual().getItemWorld()).bakery(); }
    int mode() { return visual().getMode(); }

    void placeHero(const irr::core::vector3df& position);
    // Placed and turned, then a frame for the game to see her there.
    void placeHero(const irr::core::vector3df& position, int facing);
    // Down for a few frames, then up, then a frame for the release to settle.
    void hold(irr::EKEY_CODE key, uint32_t frames = 3);
    void hold(irr::EKEY_CODE key, int times, uint32_t frames) {
        for (int i = 0; i < times; ++i)
            hold(key, frames);
    }
    // A key typed and let go between two frames, as fast fingers do.
    void tap(irr::EKEY_CODE key);
    // Runs until the work at the table (mixing or kneading) is over.
    bool finishWork();
    // A customer of that townsperson at the counter, arrived at the minute given.
    void customerArrives(int townsperson, int minute);
    // A tray of goods of that kind, baked as long as asked, on the left of the counter.
    Lumo::VisualItemMultiPtr trayOnCounter(int32_t kind, int32_t count, int32_t bakedMinutes);
    // SPACE at the merchant's or the barman's spot: the logic starts their talk.
    void talkAt(const irr::core::vector3df& spot);

    // Runs frames, noting and reading pages, until no dialogue box is left; false if one stayed.
    bool readDialogue(uint32_t maxFrames = 4000);
    // One frame of reading along.
    void readAlongOneFrame();
    // Runs until the player has the baker again.
    bool runUntilControl(uint32_t maxFrames);
    // Ids of the pages seen so far, in order.
    std::vector<std::string> pagesSeen() const { return reader->pagesSeen(); }
    std::vector<std::string> speakersSeen() const { return reader->speakersSeen(); }
    void forgetPages() { reader->forgetPages(); }
    bool anyBoxOnScreen() { return reader->anyBoxOnScreen(); }

    std::unique_ptr<Lumo::ScriptedPlay> play;
    std::shared_ptr<EventRecorder> recorder;
    std::unique_ptr<DialogueReader> reader;
    std::shared_ptr<RecordingShopSequences> sequences;
    // Checked after every frame while reading along.
    std::function<void()> everyFrame;
};
