#pragma once
// Plays the real game (device, logic and visual built as the game builds them) on a virtual clock
// that only moves when told: fixed frame lengths, a fixed random seed and a script of key presses
// and releases by frame number. The same script gives the same game. Headless on Irrlicht's null
// driver, or with OpenGL (under an X server) when pictures are wanted.
// It lives in the game library because the tests, the scriptedplay tool and the benchmarks all use it.
#include <irrlicht.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace TovarWorks {
class RecordingMessageOutput;
}

namespace Lumo {

class LumoGameLogic;

struct ScriptedKey {
    uint32_t frame;
    irr::EKEY_CODE key;
    bool pressed;
};

struct ScriptedPlayOptions {
    irr::video::E_DRIVER_TYPE driver = irr::video::EDT_NULL;
    uint32_t width = 1024;
    uint32_t height = 720;
    double frameMillis = 16; // fractions spread over the frames: 16.7 gives 60 frames a second
    unsigned seed = 1;
    // Most plays are about the bakery, not the story's opening: they start at the counter. The game
    // itself always plays the intro.
    bool skipIntro = true;
    // The save file of this play, as the game keeps one in the player's folder; empty: no saving.
    std::string saveFile;
};

class ScriptedPlay {
public:
    explicit ScriptedPlay(const ScriptedPlayOptions& options = {});
    ~ScriptedPlay();
    ScriptedPlay(const ScriptedPlay&) = delete;
    ScriptedPlay& operator=(const ScriptedPlay&) = delete;

    // False when the device could not be created (no display for OpenGL).
    bool isReady() const { return logic != nullptr; }

    // Keys go through the device's event receiver, exactly as the window would deliver them.
    void press(irr::EKEY_CODE key);
    void release(irr::EKEY_CODE key);
    void tap(irr::EKEY_CODE key);
    // SPACE for every typed-out page on screen; true when a page was turned or a box closed.
    bool readPage();
    // Adds to the input script; entries fire at the start of their frame.
    void schedule(const std::vector<ScriptedKey>& keys);
    // Reads a script of lines "<frame> press|release <KEY>"; false (with the line) on a bad line.
    bool scheduleText(const std::string& script, std::string& error);

    void runFrames(uint32_t count);
    void runFrames(uint32_t count, double frameMillis);
    // Runs until the condition holds or the limit passes; true when it held.
    bool runUntil(const std::function<bool()>& condition, uint32_t maxFrames);
    // Chooses "new game" on the title menu; the game starts once the menu has faded.
    void chooseNewGame();
    // New game from the title menu, run on until the player has the baker (with the intro played,
    // its pages are read as soon as they are typed).
    bool startNewGame(uint32_t maxFrames = 1000);

    uint32_t getFrame() const { return frame; }
    double getFrameMillis() const { return frameMillis; }
    LumoGameLogic& getLogic() const { return *logic; }
    const std::shared_ptr<LumoGameLogic>& getLogicPointer() const { return logic; }
    // "day 1 weekday 0 06:00 money 500 mode 0 control 1 hero (815.0, 0.0, 545.0) stage hero merchant ..."
    std::string describeState() const;
    // Every message so far: those shown before the console existed, then the console's lines.
    std::vector<std::wstring> shownMessages() const;
    // Only the message boxes, which a player sees with the console hidden.
    std::vector<std::wstring> shownDialogs() const;
    // The scene as it stands, drawn once more and read back; null without OpenGL. The caller drops it.
    irr::video::IImage* screenshot() const;

    static std::string clockText(int minuteOfDay);
    static bool keyByName(const std::string& name, irr::EKEY_CODE& key);

private:
    void sendKey(irr::EKEY_CODE key, bool pressed);
    void applyScript();

    std::shared_ptr<TovarWorks::RecordingMessageOutput> messages;
    std::shared_ptr<LumoGameLogic> logic;
    std::vector<ScriptedKey> script;
    uint32_t frame = 0;
    double frameMillis;
    double partialMillis = 0; // of the frames so far, not yet on the timer
};

} // namespace Lumo
