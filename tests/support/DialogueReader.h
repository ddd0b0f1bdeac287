#pragma once
// Reads the game's dialogue boxes along like a player: every page that appears is noted (speaker
// and text ids, found back from the shown words) and turned with SPACE once it is typed out.
// What characters say in speech bubbles is noted too, even a line the baker hears at once.
#include "src_lumo/Play/ScriptedPlay.h"

#include <memory>
#include <string>
#include <vector>

namespace Lumo {
class VisualTextBox;
}

class DialogueReader {
public:
    explicit DialogueReader(Lumo::ScriptedPlay& play);
    ~DialogueReader();
    DialogueReader(const DialogueReader&) = delete;
    DialogueReader& operator=(const DialogueReader&) = delete;

    // Notes the page on screen if it is new, turns it when typed, then runs one frame.
    void readAlongOneFrame();
    bool anyBoxOnScreen() const;

    // Ids of the pages seen so far, in order, and of their speakers.
    std::vector<std::string> pagesSeen() const { return pages; }
    std::vector<std::string> speakersSeen() const { return speakers; }
    void forgetPages();
    // Text ids of every line said in a speech bubble so far, in order.
    std::vector<std::string> bubblesSeen() const;

private:
    static std::string idOf(const std::wstring& text);

    Lumo::ScriptedPlay& play;
    std::vector<std::string> pages;
    std::vector<std::string> speakers;
    std::weak_ptr<Lumo::VisualTextBox> lastBox;
    int32_t lastPage = -1;
    std::shared_ptr<std::vector<std::wstring>> bubbleLines;
};
