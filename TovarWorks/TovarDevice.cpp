#include "TovarWorks/TovarDevice.h"

#include "TovarWorks/Console/ConsoleLogic.h"
#include "TovarWorks/Events/EventLogCommand.h"
#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/GameLogic.h"
#include "TovarWorks/Language/SimpleLanguageSystem.h"
#include "TovarWorks/Platform/NativePath.h"
#include "TovarWorks/Platform/Utf8.h"
#include "TovarWorks/Platform/Vsync.h"
#include "TovarWorks/Processes/ProcessManager.h"
#include "TovarWorks/Shaders/ShaderManager.h"
#include "TovarWorks/SoundSystem/SoundManager.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <cstdlib>
#include <ctime>
#include <cwchar>

using irr::core::stringw;

namespace TovarWorks {

const wchar_t* const kEngineName = L"TovarWorks";
const wchar_t* const kEngineVersion = L"0.3 Pre-Alpha";
TovarDevice* gDevice = nullptr;

namespace {
// Beyond this a single frame would jump minutes of game time.
constexpr double kMaxSpeedFactor = 1000.0;
// How often the device looks for a game pad while it has none.
constexpr uint32_t kPadSearchMillis = 2000;

uint32_t colourOfLevel(int level) {
    switch (level) {
    case MSG_INFO:
        return 0xFFC8C8FF;
    case MSG_ERROR:
        return 0xFFFF9696;
    case MSG_HELP:
        return 0xFF646464;
    default:
        return 0xFFFFFFFF;
    }
}

struct DriverFeature {
    const wchar_t* name;
    irr::video::E_VIDEO_DRIVER_FEATURE feature;
};
// The console's names, which differ from Irrlicht's in places.
const DriverFeature kDriverFeatures[] = {
    {L"RENDER_TO_TARGET", irr::video::EVDF_RENDER_TO_TARGET},
    {L"HARDWARE_TRANSFORM_LIGHTING", irr::video::EVDF_HARDWARE_TL},
    {L"MATERIAL_MULTITEXTURE", irr::video::EVDF_MULTITEXTURE},
    {L"BILINEAR_FILTER", irr::video::EVDF_BILINEAR_FILTER},
    {L"MIP_MAP", irr::video::EVDF_MIP_MAP},
    {L"MIP_MAP_AUTO_UPDATE", irr::video::EVDF_MIP_MAP_AUTO_UPDATE},
    {L"STENCIL_BUFFER", irr::video::EVDF_STENCIL_BUFFER},
    {L"VERTEX_SHADER_1_1", irr::video::EVDF_VERTEX_SHADER_1_1},
    {L"VERTEX_SHADER_2_0", irr::video::EVDF_VERTEX_SHADER_2_0},
    {L"VERTEX_SHADER_3_0", irr::video::EVDF_VERTEX_SHADER_3_0},
    {L"PIXEL_SHADER_1_1", irr::video::EVDF_PIXEL_SHADER_1_1},
    {L"PIXEL_SHADER_1_2", irr::video::EVDF_PIXEL_SHADER_1_2},
    {L"PIXEL_SHADER_1_3", irr::video::EVDF_PIXEL_SHADER_1_3},
    {L"PIXEL_SHADER_1_4", irr::video::EVDF_PIXEL_SHADER_1_4},
    {L"PIXEL_SHADER_2_0", irr::video::EVDF_PIXEL_SHADER_2_0},
    {L"PIXEL_SHADER_3_0", irr::video::EVDF_PIXEL_SHADER_3_0},
    {L"GLSL", irr::video::EVDF_ARB_GLSL},
    {L"HLSL", irr::video::EVDF_HLSL},
    {L"TEXTURE_NSQUARE", irr::video::EVDF_TEXTURE_NSQUARE},
    {L"TEXTURE_NPOT", irr::video::EVDF_TEXTURE_NPOT},
    {L"FRAMEBUFFER_OBJECT", irr::video::EVDF_FRAMEBUFFER_OBJECT},
    {L"VERTEX_BUFFER_OBJECT", irr::video::EVDF_VERTEX_BUFFER_OBJECT},
    {L"ALPHA_TO_COVERAGE", irr::video::EVDF_ALPHA_TO_COVERAGE},
    {L"MULTIPLE_RENDER_TARGETS", irr::video::EVDF_MULTIPLE_RENDER_TARGETS},
    {L"GEOMETRY_SHADER", irr::video::EVDF_GEOMETRY_SHADER},
    {L"OCCLUSION_QUERY", irr::video::EVDF_OCCLUSION_QUERY},
    {L"BLEND_OPERATIONS", irr::video::EVDF_BLEND_OPERATIONS},
    {L"NVIDIA_CG_SHADER", irr::video::EVDF_CG},
};

} // namespace

TovarDevice::TovarDevice()
    : timeRecord(std::make_shared<TimeRecord>()), processManager(std::make_shared<ProcessManager>()),
      eventManager(std::make_shared<EventManager>()), messageOutput(std::make_shared<DialogMessageOutput>()) {
    for (bool& key : keyDown)
        key = false;
}

TovarDevice::~TovarDevice() {
    delete languageSystem;
    soundManager.reset();
    joystickInfo.clear();
    eventManager.reset();
    console.reset();
    gameLogic.reset();
    shaderManager.reset();
    processManager.reset();
    timeRecord.reset();
    // Dropped last, after everything that may hold scene nodes or textures of it is gone.
    if (irrDevice) {
        irrDevice->closeDevice();
        irrDevice->run();
        irrDevice->drop();
    }
}

uint32_t TovarDevice::getTime() const { return irrDevice ? irrDevice->getTimer()->getTime() : 0; }

bool TovarDevice::init(uint32_t width, uint32_t height, bool fullscreen, irr::video::E_DRIVER_TYPE driverType) {
    delete languageSystem;
    languageSystem = new SimpleLanguageSystem();
    languageSystem->setFolder(L"tovarworks\\lang");
    if (!languageSystem->loadLanguage(startLanguage.c_str()) && !languageSystem->loadLanguage(L"English")) {
        printError(L"Could not load Languagefile at path %p! Please reinstall the game.", L"tovarworks\\lang");
        return false;
    }

    std::srand(static_cast<unsigned>(std::time(nullptr)));

    if (irrDevice) {
        irrDevice->closeDevice();
        irrDevice->run();
        irrDevice->drop();
        irrDevice = nullptr;
    }

    irr::SIrrlichtCreationParameters params;
    params.DeviceType = irr::EIDT_BEST;
    params.DriverType = driverType;
    params.WindowSize = irr::core::dimension2du(width, height);
    params.Bits = 32;
    params.ZBufferBits = 16;
    params.Fullscreen = fullscreen;
    params.Stencilbuffer = false;
    params.Vsync = false; // asked for below, where a refusal cannot end the game
    params.AntiAlias = 0;
    params.Doublebuffer = true;
    params.LoggingLevel = irr::ELL_INFORMATION;
    params.UsePerformanceTimer = true;
    irrDevice = irr::createDeviceEx(params);
    if (!irrDevice) {
        print(languageSystem->getText(1), MSG_ERROR);
        return false;
    }

    irrDevice->setEventReceiver(this);
    irrDevice->setWindowCaption(kEngineName);
    const bool vsyncOn = vsync && driverType == irr::video::EDT_OPENGL && askForVsync();
    driver = irrDevice->getVideoDriver();
    sceneManager = irrDevice->getSceneManager();
    guiEnvironment = irrDevice->getGUIEnvironment();
    // Sprites are alpha-blended 3D bodies: they must still write depth to sort against each other.
    driver->setAllowZWriteOnTransparent(true);

    // Without an audio output the manager still listens, and the game runs silently.
    soundManager = std::make_shared<SoundManager>(processManager);
    if (!soundManager->createEngine())
        print(languageSystem->getText(3), MSG_ERROR);

    eventManager->RegisterEventType(PlaySoundEventType);
    eventManager->RegisterEventType(FadeSoundEventType);
    eventManager->RegisterEventType(ShowEffectEventType);
    eventManager->AddListener(soundManager, PlaySoundEventType);
    eventManager->AddListener(soundManager, FadeSoundEventType);

    console = std::make_shared<ConsoleLogic>(guiEnvironment->getBuiltInFont());

    SimpleLanguageSystem& texts = *languageSystem;
    print(texts.getText(0), MSG_INFO);
    print(texts.getText(10), MSG_INFO);
    print(texts.getText(5) + L": " + kEngineVersion, MSG_INFO);
    print(texts.getText(6) + L": " + L"1" + L" (" + texts.getText(7) + L")", MSG_INFO);
    printSeparator();
    print(texts.getText(11), MSG_INFO);
    printSeparator();
    if (vsync)
        print(vsyncOn ? L"vsync: on" : L"vsync: not offered by the driver; the frame cap paces the game", MSG_INFO);

    shaderManager = std::make_shared<ShaderManager>(driver);
    joystickInfo.clear();
    lastPadSearch = irrDevice->getTimer()->getRealTime() - kPadSearchMillis;
    lookForGamePads();
    previousTime = getTime();
    screenSize = driver->getScreenSize();
    return true;
}

bool TovarDevice::setGameLogic(const std::shared_ptr<GameLogic>& logic) {
    if (!logic)
        return false;
    gameLogic = logic;
    const stringw label = languageSystem ? languageSystem->getText(8) : stringw(L"");
    print(label + L" : " + stringw(logic->GetName()), MSG_INFO);
    return true;
}

bool TovarDevice::openLogFile(const std::filesystem::path& file, const std::filesystem::path& previous) {
    return logFile.open(file, previous);
}

void TovarDevice::echo(const stringw& text) {
    // Console lines are mirrored to standard output, so a developer (or a test) can read them.
    const std::string utf8 = toUtf8(text.c_str());
    std::printf("%s\n", utf8.c_str());
    std::fflush(stdout);
    logFile.write(text.c_str());
}

void TovarDevice::print(const stringw& text, int level) {
    if (!console) {
        messageOutput->show(kEngineName, text.c_str());
        logFile.write(text.c_str());
        return;
    }
    if (level == MSG_SEPARATOR) {
        printSeparator();
        return;
    }
    console->addLine(colourOfLevel(level), level, text);
    echo(text);
}

void TovarDevice::alert(const stringw& text) {
    // Without a console, print already shows the box.
    if (console)
        messageOutput->show(kEngineName, text.c_str());
    print(text, MSG_ERROR);
}

void TovarDevice::printError(const stringw& format, const stringw& argument) {
    stringw message = format;
    if (!argument.empty()) {
        const irr::s32 at = message.find(L"%p");
        if (at >= 0)
            message = message.subString(0, at) + argument + message.subString(at + 2, message.size() - at - 2);
    }
    print(message, MSG_ERROR);
}

void TovarDevice::printSeparator() {
    if (!console)
        return;
    console->addLine(0xFFC8C8FF, MSG_SEPARATOR, L"");
    echo(L"----");
}

bool TovarDevice::loadConsoleFont(const irr::io::path& path) {
    if (!console || !guiEnvironment)
        return false;
    irr::gui::IGUIFont* font = guiEnvironment->getFont(nativePath(std::string(path.c_str())).c_str());
    if (!font)
        return false;
    console->font = font;
    console->lineHeight = font->getDimension(L"A").Height;
    return true;
}

bool TovarDevice::OnEvent(const irr::SEvent& event) {
    switch (event.EventType) {
    case irr::EET_JOYSTICK_INPUT_EVENT:
        if (event.JoystickEvent.Joystick == 0) {
            joystick.buttons = event.JoystickEvent.ButtonStates;
            for (int i = 0; i < 6; ++i)
                joystick.axes[i] = event.JoystickEvent.Axis[i];
            joystick.pov = event.JoystickEvent.POV;
        }
        if (console && console->open)
            return true; // the pad, like the keys, is not the game's while the console is open
        break;
    case irr::EET_LOG_TEXT_EVENT:
        if (event.LogEvent.Level == irr::ELL_WARNING || event.LogEvent.Level == irr::ELL_ERROR)
            printError(stringw(event.LogEvent.Text), L"");
        break;
    case irr::EET_KEY_INPUT_EVENT: {
        const irr::SEvent::SKeyInput& key = event.KeyInput;
        if (key.Key == irr::KEY_F1 && !key.PressedDown) {
            if (console) {
                console->open = !console->open;
                // The game must not go on walking or acting on keys held when the console opened.
                if (console->open) {
                    std::fill(std::begin(keyDown), std::end(keyDown), false);
                    letGoOfPad();
                }
            }
            return true;
        }
        const bool recorded = key.Key >= 0 && key.Key < 256;
        if (console && console->open) {
            // Typing is for the console alone; only a release is noted, so no key stays down.
            if (recorded && !key.PressedDown)
                keyDown[key.Key] = false;
            bool handled = true;
            handleConsoleKey(key, handled);
            return handled;
        }
        if (recorded)
            keyDown[key.Key] = key.PressedDown;
        break;
    }
    default:
        break;
    }
    return gameLogic ? gameLogic->OnEvent(event) : false;
}

void TovarDevice::letGoOfPad() {
    if (!gameLogic)
        return;
    irr::SEvent resting{};
    resting.EventType = irr::EET_JOYSTICK_INPUT_EVENT;
    resting.JoystickEvent.Joystick = 0;
    resting.JoystickEvent.POV = 65535; // centred
    gameLogic->OnEvent(resting);
}

void TovarDevice::handleConsoleKey(const irr::SEvent::SKeyInput& key, bool& handled) {
    handled = true;
    if (!key.PressedDown || key.Control)
        return; // swallowed
    switch (key.Key) {
    case irr::KEY_BACK:
        console->backspace();
        return;
    case irr::KEY_RETURN: {
        const stringw line = console->input;
        console->input = L"";
        executeConsoleLine(line);
        return;
    }
    case irr::KEY_PRIOR:
        console->scrollUp();
        return;
    case irr::KEY_NEXT:
        console->scrollDown();
        return;
    case irr::KEY_UP:
        console->historyUp();
        return;
    case irr::KEY_DOWN:
        console->historyDown();
        return;
    case irr::KEY_TAB:
    case irr::KEY_SHIFT:
    case irr::KEY_LSHIFT:
    case irr::KEY_RSHIFT:
    case irr::KEY_ESCAPE:
    case irr::KEY_END:
    case irr::KEY_HOME:
    case irr::KEY_LEFT:
    case irr::KEY_RIGHT:
    case irr::KEY_DELETE:
        handled = false;
        return;
    default:
        if (key.Key >= irr::KEY_F1 && key.Key <= irr::KEY_F24) {
            handled = false;
            return;
        }
        console->appendChar(key.Char);
    }
}

void TovarDevice::executeConsoleLine(const stringw& line) {
    if (line.empty() || !console)
        return;
    console->recordHistory(line);
    if (line.subString(0, 6) != L"tovar ") {
        if (gameLogic)
            gameLogic->executeCommand(line);
        return;
    }
    std::vector<stringw> words;
    stringw word;
    for (irr::u32 i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == L' ') {
            if (!word.empty())
                words.push_back(word);
            word = L"";
        } else {
            word.append(line[i]);
        }
    }
    if (words.size() < 2)
        return;
    runConsoleCommand(words);
}

void TovarDevice::runConsoleCommand(const std::vector<stringw>& words) {
    const stringw& command = words[1];
    if (command == L"driver") {
        printSeparator();
        for (const DriverFeature& feature : kDriverFeatures) {
            const bool present =
                driver && driver->queryFeature(feature.feature);
            print(stringw(feature.name) + L": " + (present ? L"true" : L"false"), MSG_HELP);
        }
        printSeparator();
    } else if (command == L"help") {
        printSeparator();
        for (int number : {13, 14, 15, 12})
            print(languageSystem->getText(number), MSG_HELP);
        for (const auto& entry : gameCommands)
            print(entry.second.helpLine, MSG_HELP);
        printSeparator();
    } else if (command == L"fps") {
        showFps = !showFps;
    } else if (command == L"speed") {
        if (words.size() < 3) {
            printError(languageSystem->getText(4), L"");
            return;
        }
        // Only a whole, finite, non-negative number: "nan", "inf" or "fast" would break the clock.
        wchar_t* end = nullptr;
        const double factor = std::wcstod(words[2].c_str(), &end);
        if (*end != L'\0' || !(factor >= 0.0 && factor <= kMaxSpeedFactor)) {
            printError(languageSystem->getText(4), L"");
            return;
        }
        if (irrDevice)
            irrDevice->getTimer()->setSpeed(static_cast<float>(factor));
    } else if (command == L"log") {
        if (words.size() < 3)
            return;
        runLogCommand(*eventManager, words[2].c_str(), [this](const std::wstring& message, bool error) {
            print(message.c_str(), error ? MSG_ERROR : MSG_INFO);
        });
    } else if (auto game = gameCommands.find(command); game != gameCommands.end()) {
        game->second.handler(words);
    } else {
        print(languageSystem->getText(9) + L": " + command, MSG_ERROR);
    }
}

void TovarDevice::registerConsoleCommand(const stringw& name, const stringw& helpLine, ConsoleHandler handler) {
    gameCommands[name] = ConsoleCommand{helpLine, std::move(handler)};
}

void TovarDevice::setFramePacing(bool withVsync, uint32_t maxFps) {
    vsync = withVsync;
    pacer.setMaxFps(maxFps);
}

void TovarDevice::setInBackground(bool background) {
    // Keys held when the window went away would never see their release.
    if (background && !paused)
        std::fill(std::begin(keyDown), std::end(keyDown), false);
    // The game goes on from the moment it is back: the time away is not handed to the next frame.
    if (!background && paused)
        restartFrameClock();
    paused = background;
}

void TovarDevice::restartFrameClock() {
    previousTime = getTime();
    frameDelta = 0;
}

void TovarDevice::runMainLoop() {
    restartFrameClock();
    screenSize = driver->getScreenSize();
    while (!quit && irrDevice->run()) {
        setInBackground(windowWatch.inBackground(irrDevice->isWindowFocused(), irrDevice->isWindowMinimized()));
        pacer.waitForNextFrame(paused);
        runFrame();
    }
}

void TovarDevice::lookForGamePads() {
    // Irrlicht 1.8 finds pads only when asked, and every asking adds what it finds to its own list
    // of open pads without emptying it: asked again with a pad open, it would open that pad twice.
    // So it is asked again, now and then, only while no pad has been found.
    const uint32_t now = irrDevice->getTimer()->getRealTime();
    if (!joystickInfo.empty() || now - lastPadSearch < kPadSearchMillis)
        return;
    lastPadSearch = now;
    if (irrDevice->activateJoysticks(joystickInfo) && !joystickInfo.empty())
        print(stringw(L"game pad: ") + stringw(joystickInfo[0].Name.c_str()), MSG_INFO);
}

void TovarDevice::runFrame() {
    lookForGamePads();
    const uint32_t now = getTime();
    frameDelta = paused ? 0 : now - previousTime;
    previousTime = now;
    timeRecord->totalTime += frameDelta;
    timeRecord->lastDelta = frameDelta;

    const irr::core::dimension2du size = driver->getScreenSize();
    if (size != screenSize) {
        if (gameLogic)
            gameLogic->onResize();
        screenSize = size;
    }

    processManager->UpdateProcesses(frameDelta);
    eventManager->Tick(IEventManager::kInfinite);

    driver->beginScene(true, true, irr::video::SColor(0xFF000000));
    if (!gameLogic) {
        console->update();
    } else {
        gameLogic->update();
        if (!hideConsoleLog) {
            if (console->open)
                console->drawBackground(driver, false, getTime());
            console->drawLines(driver, getTime());
        }
    }
    if (paused)
        drawPausedOverlay();
    console->drawDebugVariables(driver);
    if (console->open)
        console->drawInputLine(driver);
    if (showFps)
        drawFps();
    driver->endScene();

    if (gameLogic)
        gameLogic->postFrame();
}

void TovarDevice::drawPausedOverlay() {
    const irr::core::dimension2du size = driver->getScreenSize();
    driver->draw2DRectangle(irr::video::SColor(0xA0000000), irr::core::recti(0, 0, size.Width, size.Height));
    irr::gui::IGUIFont* font = console->font;
    if (font)
        font->draw(L"paused - the game goes on when its window is in front again",
                   irr::core::recti(0, 0, size.Width, size.Height), irr::video::SColor(0xFFFFFFFF), true, true);
}

void TovarDevice::drawFps() {
    irr::gui::IGUIFont* font = console->font;
    if (!font)
        return;
    const stringw text = stringw(L"FPS: ") + stringw(driver->getFPS());
    const auto textSize = font->getDimension(text.c_str());
    const int right = static_cast<int>(driver->getScreenSize().Width) - 10;
    font->draw(text, irr::core::rect<irr::s32>(right - textSize.Width, 10, right, 10 + textSize.Height),
               irr::video::SColor(0xFFFFFFFF));
}

} // namespace TovarWorks
