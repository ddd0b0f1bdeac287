#pragma once
// The real game under scripted play, its dialogue read along like a player.
#include "DialogueReader.h"
#include "TovarWorks/Events/HashedString.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Play/ScriptedPlay.h"
#include "src_lumo/Visual/LumoVisual.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class StoryPlayFixture : public ::testing::Test {
protected:
    void TearDown() override {
        reader.reset();
        play.reset();
    }

    // A game at the counter, intro skipped; the day's customers stay away.
    void startAtCounter();
    void start(bool skipIntro);

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

    // How often an event of that type was delivered since the game started.
    size_t heard(const TovarWorks::EventType& type) const;
    // SPACE at the merchant's or the barman's spot: the logic starts their talk.
    void talkAt(const irr::core::vector3df& spot);
    void placeHero(const irr::core::vector3df& position);

    Lumo::LumoGameLogic& logic() { return play->getLogic(); }
    Lumo::LumoVisual& visual() { return *logic().getVisual(); }
    Lumo::WorldState& world() { return Lumo::gGameData->world; }

    std::unique_ptr<Lumo::ScriptedPlay> play;
    std::unique_ptr<DialogueReader> reader;
    std::shared_ptr<class EventTypeCounter> counter;
    // Checked after every frame while reading along.
    std::function<void()> everyFrame;
};
