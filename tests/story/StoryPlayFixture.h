#pragma once
// The real game under scripted play, read along like a player: every page that appears is noted
// (speaker and text ids, found back from the shown words) and turned with SPACE once typed.
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
    void TearDown() override { play.reset(); }

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
    std::vector<std::string> pagesSeen() const;
    std::vector<std::string> speakersSeen() const;
    void forgetPages();
    bool anyBoxOnScreen();

    // How often an event of that type was delivered since the game started.
    size_t heard(const TovarWorks::EventType& type) const;
    // SPACE at the merchant's or the barman's spot: the logic starts their talk.
    void talkAt(const irr::core::vector3df& spot);
    void placeHero(const irr::core::vector3df& position);

    Lumo::LumoGameLogic& logic() { return play->getLogic(); }
    Lumo::LumoVisual& visual() { return *logic().getVisual(); }
    Lumo::WorldState& world() { return Lumo::gGameData->world; }

    std::unique_ptr<Lumo::ScriptedPlay> play;
    std::shared_ptr<class EventTypeCounter> counter;
    // Checked after every frame while reading along.
    std::function<void()> everyFrame;

private:
    struct SeenPage {
        std::string speakerId;
        std::string pageId;
    };
    std::string idOf(const std::wstring& text) const;

    std::vector<SeenPage> seen;
    std::weak_ptr<Lumo::VisualTextBox> lastBox;
    int32_t lastPage = -1;
};
