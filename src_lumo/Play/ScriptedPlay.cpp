#include "src_lumo/Play/ScriptedPlay.h"

#include "TovarWorks/Console/ConsoleLogic.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/GameStartup.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Game/SettingsFile.h"
#include "src_lumo/Play/SkippedIntroStory.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Visual/LumoVisual.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace Lumo {

using TovarWorks::gDevice;

namespace {

const std::pair<const char*, irr::EKEY_CODE> kKeyNames[] = {
    {"LEFT", irr::KEY_LEFT},   {"RIGHT", irr::KEY_RIGHT}, {"UP", irr::KEY_UP},         {"DOWN", irr::KEY_DOWN},
    {"SPACE", irr::KEY_SPACE}, {"X", irr::KEY_KEY_X},     {"C", irr::KEY_KEY_C},       {"ESCAPE", irr::KEY_ESCAPE},
    {"F1", irr::KEY_F1},       {"F4", irr::KEY_F4},       {"RETURN", irr::KEY_RETURN}, {"1", irr::KEY_KEY_1},
};

} // namespace

ScriptedPlay::ScriptedPlay(const ScriptedPlayOptions& options) : frameMillis(options.frameMillis) {
    gDevice = new TovarWorks::TovarDevice();
    messages = std::make_shared<TovarWorks::RecordingMessageOutput>();
    gDevice->setMessageOutput(messages);
    // Read as the game reads it, for what it holds besides the window the options choose.
    GameSettings settings = SettingsFile::read();
    settings.width = static_cast<int>(options.width);
    settings.height = static_cast<int>(options.height);
    settings.fullscreen = false;
    logic = GameStartup::start(settings, options.driver);
    if (!logic)
        return;
    gDevice->getIrrlichtDevice()->getTimer()->stop();
    // Irrlicht's timer outlives its device: an earlier play in this process left its time there.
    gDevice->getIrrlichtDevice()->getTimer()->setTime(0);
    gDevice->restartFrameClock();
    // The device seeds with the wall clock; scripted play wants the same game every time.
    std::srand(options.seed);
    if (options.skipIntro)
        logic->setStory(std::make_shared<SkippedIntroStory>(logic->getStory()));
    if (!options.saveFile.empty())
        logic->useSaveFile(options.saveFile);
}

ScriptedPlay::~ScriptedPlay() {
    logic.reset();
    delete gDevice;
    gDevice = nullptr;
    delete gGameData;
    gGameData = nullptr;
}

void ScriptedPlay::sendKey(irr::EKEY_CODE key, bool pressed) {
    irr::SEvent event{};
    event.EventType = irr::EET_KEY_INPUT_EVENT;
    event.KeyInput.Key = key;
    event.KeyInput.PressedDown = pressed;
    event.KeyInput.Char = 0;
    gDevice->OnEvent(event);
}

void ScriptedPlay::press(irr::EKEY_CODE key) { sendKey(key, true); }
void ScriptedPlay::release(irr::EKEY_CODE key) { sendKey(key, false); }

void ScriptedPlay::tap(irr::EKEY_CODE key) {
    press(key);
    release(key);
}

bool ScriptedPlay::readPage() {
    for (const auto& box : logic->getVisual()->getTextBoxes().getBoxes())
        if (box->isShown() && box->isPageComplete()) {
            tap(irr::KEY_SPACE);
            return true;
        }
    return false;
}

void ScriptedPlay::schedule(const std::vector<ScriptedKey>& keys) {
    script.insert(script.end(), keys.begin(), keys.end());
    std::stable_sort(script.begin(), script.end(),
                     [](const ScriptedKey& a, const ScriptedKey& b) { return a.frame < b.frame; });
}

bool ScriptedPlay::keyByName(const std::string& name, irr::EKEY_CODE& key) {
    for (const auto& [keyName, code] : kKeyNames)
        if (name == keyName) {
            key = code;
            return true;
        }
    return false;
}

bool ScriptedPlay::scheduleText(const std::string& text, std::string& error) {
    std::istringstream lines(text);
    std::string line;
    std::vector<ScriptedKey> keys;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string frameWord, action, keyName, rest;
        if (!(words >> frameWord) || frameWord[0] == '#')
            continue;
        ScriptedKey key{};
        char* end = nullptr;
        const unsigned long number = std::strtoul(frameWord.c_str(), &end, 10);
        const bool goodFrame = *end == '\0' && frameWord[0] != '-' && number <= 0xFFFFFFFFul;
        if (!goodFrame || !(words >> action >> keyName) || (words >> rest) ||
            (action != "press" && action != "release") || !keyByName(keyName, key.key)) {
            error = line;
            return false;
        }
        key.frame = static_cast<uint32_t>(number);
        key.pressed = action == "press";
        keys.push_back(key);
    }
    schedule(keys);
    return true;
}

void ScriptedPlay::applyScript() {
    while (!script.empty() && script.front().frame <= frame) {
        const ScriptedKey key = script.front();
        script.erase(script.begin());
        sendKey(key.key, key.pressed);
    }
}

void ScriptedPlay::runFrames(uint32_t count) { runFrames(count, frameMillis); }

void ScriptedPlay::runFrames(uint32_t count, double millis) {
    irr::ITimer* timer = gDevice->getIrrlichtDevice()->getTimer();
    for (uint32_t i = 0; i < count; ++i) {
        applyScript();
        // The timer counts whole milliseconds: a 16.7 ms frame is 16 or 17 of them, 16.7 on average.
        partialMillis += millis;
        const double whole = std::floor(partialMillis);
        partialMillis -= whole;
        timer->setTime(timer->getTime() + static_cast<uint32_t>(whole));
        gDevice->getIrrlichtDevice()->run();
        gDevice->runFrame();
        ++frame;
    }
}

bool ScriptedPlay::runUntil(const std::function<bool()>& condition, uint32_t maxFrames) {
    for (uint32_t i = 0; i < maxFrames; ++i) {
        if (condition())
            return true;
        runFrames(1);
    }
    return condition();
}

void ScriptedPlay::chooseNewGame() {
    // The arrow stands on "new" whenever there is nothing to continue.
    tap(irr::KEY_SPACE);
}

bool ScriptedPlay::startNewGame(uint32_t maxFrames) {
    chooseNewGame();
    return runUntil(
        [this] {
            readPage();
            return logic->isGameStarted() && logic->hasPlayerControl() && logic->isLogicActive() &&
                   logic->isClockRunning() && gGameData->screenFadeColor == 0;
        },
        maxFrames);
}

std::vector<std::wstring> ScriptedPlay::shownDialogs() const {
    std::vector<std::wstring> shown;
    for (const auto& message : messages->messages)
        shown.push_back(message.caption + L": " + message.text);
    return shown;
}

std::vector<std::wstring> ScriptedPlay::shownMessages() const {
    std::vector<std::wstring> shown = shownDialogs();
    if (const auto console = gDevice->getConsole())
        for (const TovarWorks::ConsoleLine& line : console->lines)
            shown.emplace_back(line.text.c_str());
    return shown;
}

std::string ScriptedPlay::clockText(int minuteOfDay) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", (minuteOfDay / 60) % 100, minuteOfDay % 60);
    return text;
}

std::string ScriptedPlay::describeState() const {
    const WorldState& world = gGameData->world;
    const irr::core::vector3df& hero = gGameData->heroPosition;
    std::ostringstream out;
    out.setf(std::ios::fixed);
    out.precision(1);
    out << "frame " << frame << " day " << world.day << " weekday " << world.weekday << ' '
        << clockText(world.minuteOfDay) << " money " << world.money << " mode " << logic->getVisual()->getMode()
        << " control " << logic->hasPlayerControl() << " hero (" << hero.X << ", " << hero.Y << ", " << hero.Z
        << ") stage";
    for (const auto& [id, character] : logic->getVisual()->getCharacters())
        if (character->getNode()->isVisible() && character->getNode()->getParent())
            out << ' ' << id;
    out << " customers " << logic->getVisual()->getCustomerQueue().size();
    return out.str();
}

irr::video::IImage* ScriptedPlay::screenshot() const {
    irr::video::IVideoDriver* driver = gDevice->getVideoDriver();
    if (driver->getDriverType() != irr::video::EDT_OPENGL)
        return nullptr;
    // The engine reads the front buffer, which a double-buffered window need not keep: draw the
    // scene once more as it stands (no time passes) and read the back buffer before the swap.
    irr::ITimer* timer = gDevice->getIrrlichtDevice()->getTimer();
    const uint32_t now = timer->getTime();
    driver->beginScene(true, true, irr::video::SColor(0xFF000000));
    logic->getVisual()->render();
    const irr::core::dimension2du size = driver->getScreenSize();
    std::vector<unsigned char> pixels(size.Width * size.Height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, static_cast<GLsizei>(size.Width), static_cast<GLsizei>(size.Height), GL_RGBA,
                 GL_UNSIGNED_BYTE, pixels.data());
    driver->endScene();
    timer->setTime(now);
    irr::video::IImage* shot = driver->createImage(irr::video::ECF_A8R8G8B8, size);
    for (irr::u32 y = 0; y < size.Height; ++y)
        for (irr::u32 x = 0; x < size.Width; ++x) {
            const unsigned char* p = &pixels[((size.Height - 1 - y) * size.Width + x) * 4];
            shot->setPixel(x, y, irr::video::SColor(255, p[0], p[1], p[2]));
        }
    return shot;
}

} // namespace Lumo
