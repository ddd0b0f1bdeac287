#pragma once
// The engine's one device: wraps Irrlicht, owns the engine services, runs the main loop and is
// the message output of the whole program. Reached through gDevice.
#include "TovarWorks/Console/LogFile.h"
#include "TovarWorks/FramePacer.h"
#include "TovarWorks/Platform/MessageOutput.h"

#include <irrlicht.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace TovarWorks {

class GameLogic;
class ConsoleLogic;
class EventManager;
class ProcessManager;
class ShaderManager;
class SoundManager;
class SimpleLanguageSystem;

extern const wchar_t* const kEngineName;    // "TovarWorks"
extern const wchar_t* const kEngineVersion; // "0.3 Pre-Alpha"

// Message levels of print().
enum MessageLevel { MSG_PLAIN = 0, MSG_INFO = 1, MSG_ERROR = 3, MSG_SEPARATOR = 4, MSG_HELP = 5 };

struct TimeRecord {
    uint32_t lastDelta = 0;
    uint32_t totalTime = 0;
};

struct JoystickState {
    uint32_t buttons = 0;
    int16_t axes[6] = {0, 0, 0, 0, 0, 0};
    uint16_t pov = 0;
};

class TovarDevice : public irr::IEventReceiver {
public:
    TovarDevice();
    ~TovarDevice() override;

    // The game always uses OpenGL; tests pass the null or a software driver.
    bool init(uint32_t width, uint32_t height, bool fullscreen,
              irr::video::E_DRIVER_TYPE driverType = irr::video::EDT_OPENGL);
    // The language (as lang.txt names it) init loads, so the start-up lines are already in it;
    // English when it cannot be read.
    void setStartLanguage(const std::wstring& name) { startLanguage = name; }
    bool OnEvent(const irr::SEvent& event) override;

    bool setGameLogic(const std::shared_ptr<GameLogic>& logic);

    void print(const irr::core::stringw& text, int level = MSG_PLAIN);
    void printError(const irr::core::stringw& format, const irr::core::stringw& argument);
    // What the player must see although the console is hidden: a console line and a message box.
    void alert(const irr::core::stringw& text);
    void printSeparator();
    bool loadConsoleFont(const irr::io::path& path);
    // Vsync is asked of the driver at init (it may not have it); the cap holds either way, 0 = none.
    void setFramePacing(bool vsync, uint32_t maxFps);
    // Runs paced frames until the window closes or quit is asked.
    void runMainLoop();
    // One pass of the main loop; runMainLoop repeats it. Drivers of scripted play call it directly.
    void runFrame();
    // With the window in the background the game is paused: its frames get no time and an overlay
    // says so. The main loop sets it from the window; time paused is neither lost nor made up.
    void setInBackground(bool background);
    bool isPaused() const { return paused; }
    // The next frame lasts from now; for a driver that has just set the timer.
    void restartFrameClock();
    void executeConsoleLine(const irr::core::stringw& line);

    // A game's own console command after the "tovar " prefix: its name, one help line (shown by
    // "tovar help" after the engine's), and what it does with the line's words. Engine commands
    // keep their names; registering a name again replaces the earlier command.
    using ConsoleHandler = std::function<void(const std::vector<irr::core::stringw>& words)>;
    void registerConsoleCommand(const irr::core::stringw& name, const irr::core::stringw& helpLine,
                                ConsoleHandler handler);

    // Every message from now on also goes to this file; an earlier one is moved to `previous`.
    bool openLogFile(const std::filesystem::path& file, const std::filesystem::path& previous);

    // Where messages go before the console exists (a dialog by default).
    void setMessageOutput(std::shared_ptr<MessageOutput> output) { messageOutput = std::move(output); }

    irr::IrrlichtDevice* getIrrlichtDevice() const { return irrDevice; }
    irr::video::IVideoDriver* getVideoDriver() const { return driver; }
    irr::scene::ISceneManager* getSceneManager() const { return sceneManager; }
    irr::gui::IGUIEnvironment* getGUIEnvironment() const { return guiEnvironment; }
    uint32_t getTime() const; // virtual timer, ms; 0 before init
    uint32_t getFrameDelta() const { return frameDelta; }
    const TimeRecord& getTimeRecord() const { return *timeRecord; }
    bool isKeyDown(irr::EKEY_CODE key) const { return key >= 0 && key < 256 && keyDown[key]; }
    const JoystickState& getJoystick() const { return joystick; }
    // The pads found so far; a pad plugged in later is found within a few seconds.
    const irr::core::array<irr::SJoystickInfo>& getJoystickInfo() const { return joystickInfo; }
    std::shared_ptr<EventManager> getEventManager() const { return eventManager; }
    std::shared_ptr<ProcessManager> getProcessManager() const { return processManager; }
    std::shared_ptr<ShaderManager> getShaderManager() const { return shaderManager; }
    std::shared_ptr<SoundManager> getSoundManager() const { return soundManager; }
    SimpleLanguageSystem* getLanguageSystem() const { return languageSystem; }
    std::shared_ptr<ConsoleLogic> getConsole() const { return console; }
    std::shared_ptr<GameLogic> getGameLogic() const { return gameLogic; }

    bool getShowFps() const { return showFps; }
    void requestQuit() { quit = true; }
    bool quitRequested() const { return quit; }

    bool hideConsoleLog = false;

private:
    void handleConsoleKey(const irr::SEvent::SKeyInput& key, bool& handled);
    void drawFps();
    void drawPausedOverlay();
    void lookForGamePads();
    // Tells the game the pad is at rest, as a pad let go would.
    void letGoOfPad();
    void runConsoleCommand(const std::vector<irr::core::stringw>& words);
    // Standard output and the log file get every line the console gets.
    void echo(const irr::core::stringw& text);

    irr::IrrlichtDevice* irrDevice = nullptr;
    irr::video::IVideoDriver* driver = nullptr;
    irr::scene::ISceneManager* sceneManager = nullptr;
    irr::gui::IGUIEnvironment* guiEnvironment = nullptr;
    std::shared_ptr<TimeRecord> timeRecord;
    std::shared_ptr<ProcessManager> processManager;
    std::shared_ptr<ShaderManager> shaderManager;
    std::shared_ptr<GameLogic> gameLogic;
    SimpleLanguageSystem* languageSystem = nullptr;
    std::wstring startLanguage = L"English";
    std::shared_ptr<ConsoleLogic> console;
    uint32_t frameDelta = 0;
    std::shared_ptr<EventManager> eventManager;
    bool showFps = false;
    bool keyDown[256];
    std::atomic<bool> quit{false}; // also set from a signal handler
    JoystickState joystick;
    irr::core::array<irr::SJoystickInfo> joystickInfo;
    uint32_t lastPadSearch = 0; // real time, ms
    std::shared_ptr<SoundManager> soundManager;

    std::shared_ptr<MessageOutput> messageOutput;
    LogFile logFile;
    struct ConsoleCommand {
        irr::core::stringw helpLine;
        ConsoleHandler handler;
    };
    std::map<irr::core::stringw, ConsoleCommand> gameCommands;
    // Main-loop state kept between runFrame calls.
    uint32_t previousTime = 0;
    irr::core::dimension2du screenSize;
    bool vsync = false;
    FramePacer pacer = FramePacer::realTime();
    WindowWatch windowWatch;
    bool paused = false;
};

extern TovarDevice* gDevice;

} // namespace TovarWorks
