#include "src_lumo/Menus/GameMenue.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/FadeSoundEvent.h"
#include "TovarWorks/Events/PlaySoundEvent.h"
#include "TovarWorks/Processes/ProcessChain.h"
#include "TovarWorks/SoundSystem/SoundManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/StartNewGameEvent.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/GameLanguages.h"
#include "src_lumo/Game/RandomBelow.h"
#include "src_lumo/Game/SettingsFile.h"
#include "src_lumo/Gui/BitmapFont.h"
#include "src_lumo/Gui/GuiSheetLayout.h"
#include "src_lumo/Gui/VisualTextBoxChoice.h"
#include "src_lumo/Processes/CallFunctionProcess.h"
#include "src_lumo/Processes/FadeScreenProcess.h"

#include <algorithm>
#include <cmath>

namespace Lumo {

using TovarWorks::gDevice;

const char* const GameMenue::kGoodFrames[9] = {"item_bun_2",      "item_bread_2",    "item_bigbun_2",
                                                "item_crossaint_2", "item_baguette_2", "item_baiser_2",
                                                "item_donut_2",    "item_zwieback_2", "item_melonpan_2"};

namespace {

const irr::video::SColor kWhite(0xFFFFFFFF);
const irr::video::SColor kGrey(0xFF646464);
const char* const kEntryIds[GameMenue::ENTRY_COUNT] = {"TITLE_CONTINUE", "TITLE_NEW", "TITLE_OPTIONS", "TITLE_END"};
const char* const kTextSpeedIds[TextSpeeds::kCount] = {"OPTION_SLOW", "OPTION_NORMAL", "OPTION_FAST",
                                                       "OPTION_INSTANT"};

constexpr float kEntriesX = 272.0f, kEntriesY = 180.0f;
// Names of up to eight letters ("language") and a space before the values.
constexpr float kOptionsX = 144.0f, kOptionValuesX = 288.0f, kOptionsY = 124.0f;
// The keys page sets its values as tight as the hints, so the longest key name and the pad
// button both fit between the labels and the right shelf.
constexpr float kKeyValuesX = 272.0f, kKeyButtonsX = 420.0f, kKeyPitch = 12.0f;
constexpr float kLineSpacing = 30.0f;
// Closer than the entries; the rows sit on a panel of their own, as tall as they need, drawn like
// the background's (which fits only the four entries) and between the shelves.
constexpr float kOptionSpacing = 20.0f;
constexpr float kPanelLeft = 124.0f, kPanelRight = 518.0f;
constexpr float kSlideDistance = 250.0f;
constexpr float kFallOutY = -300.0f;

void queue(const TovarWorks::IEventDataPtr& event) {
    if (gDevice && gDevice->getEventManager())
        gDevice->getEventManager()->QueueEvent(event);
}

void fadeTitleMusic(float volume) {
    queue(std::make_shared<TovarWorks::FadeSoundEvent>(GameMenue::kMusicChannel, volume, 1000.0f, false));
}

irr::video::SColor withAlpha(irr::video::SColor colour, float hidden) {
    colour.setAlpha(static_cast<irr::u32>(std::lround(colour.getAlpha() * (1.0f - hidden))));
    return colour;
}

// The background panel's look: a dark edge, a light line inside it, the brown board. One size for
// the options and the keys page, so the background's own panel never shows below either.
void drawPanel(const GuiPainter& painter, float hidden) {
    const int rows = std::max<int>(GameMenue::OPTION_COUNT, KeyBindings::kActionCount);
    const float top = kOptionsY - 8.0f, bottom = kOptionsY + kOptionSpacing * (rows - 1) + 24.0f;
    painter.fillRect(irr::core::rectf(kPanelLeft, top, kPanelRight, bottom), withAlpha(0xFF40281E, hidden));
    painter.fillRect(irr::core::rectf(kPanelLeft + 3, top + 3, kPanelRight - 3, bottom - 3),
                     withAlpha(0xFFC48C56, hidden));
    painter.fillRect(irr::core::rectf(kPanelLeft + 4, top + 4, kPanelRight - 4, bottom - 4),
                     withAlpha(0xFF5C382A, hidden));
}

// Only the three sizes the options offer step; any other size stays as it is.
void stepSize(GameSettings& settings, int direction) {
    struct Size {
        int width, height;
    };
    static const Size sizes[] = {{640, 360}, {1280, 720}, {1920, 1080}};
    for (int i = 0; i < 3; ++i) {
        if (sizes[i].width != settings.width)
            continue;
        const int next = i + direction;
        if (next >= 0 && next < 3) {
            settings.width = sizes[next].width;
            settings.height = sizes[next].height;
        }
        return;
    }
}

void stepMusic(GameSettings& settings, int direction) {
    settings.musicVolume = std::clamp(settings.musicVolume + 10 * direction, 0, 100);
    // Turning the music down is heard at once; up only from the next start.
    if (direction < 0 && gDevice && gDevice->getSoundManager())
        gDevice->getSoundManager()->setSoundVolume(settings.musicVolume / 100.0f);
}

// Applied at once, so the options screen itself turns to the new language.
void stepLanguage(GameSettings& settings, int direction) {
    const std::string next = GameLanguages::step(settings.language, direction);
    if (next != settings.language && GameLanguages::apply(next))
        settings.language = next;
}

// One row of the options screen: the text id of its name, its value as shown, and what left (-1)
// and right (+1) do to the settings.
struct OptionRow {
    const char* nameId;
    std::wstring (*value)(const GameSettings& settings);
    void (*change)(GameSettings& settings, int direction);
};

const OptionRow kOptions[GameMenue::OPTION_COUNT] = {
    {"OPTION_MUSIC", [](const GameSettings& s) { return std::to_wstring(s.musicVolume); }, stepMusic},
    {"OPTION_SOUND", [](const GameSettings& s) { return std::to_wstring(s.soundVolume); },
     [](GameSettings& s, int d) { s.soundVolume = std::clamp(s.soundVolume + 10 * d, 0, 100); }},
    {"OPTION_SCREEN",
     [](const GameSettings& s) { return gameText(s.fullscreen ? "OPTION_FULLSCREEN" : "OPTION_WINDOW"); },
     [](GameSettings& s, int d) { s.fullscreen = d > 0; }},
    {"OPTION_SIZE", [](const GameSettings& s) { return std::to_wstring(s.width) + L"x" + std::to_wstring(s.height); },
     stepSize},
    {"OPTION_RENDER",
     [](const GameSettings& s) { return gameText(s.pixelPrecise ? "OPTION_PIXEL_PRECISE" : "OPTION_STRETCHED"); },
     [](GameSettings& s, int d) { s.pixelPrecise = d > 0; }},
    {"OPTION_HINTS", [](const GameSettings& s) { return gameText(s.hints ? "OPTION_ON" : "OPTION_OFF"); },
     [](GameSettings& s, int d) { s.hints = d > 0; }},
    {"OPTION_TEXT", [](const GameSettings& s) { return gameText(kTextSpeedIds[static_cast<int>(s.textSpeed)]); },
     [](GameSettings& s, int d) { s.textSpeed = TextSpeeds::step(s.textSpeed, d); }},
    {"OPTION_LANGUAGE", [](const GameSettings& s) { return GameLanguages::byCode(s.language).ownName; },
     stepLanguage},
    // Opened with act; its page lists the keys.
    {"OPTION_KEYS", [](const GameSettings&) { return std::wstring(); }, [](GameSettings&, int) {}},
};

} // namespace

GameMenue::GameMenue(FallingGoodFactory goodsFactory, std::string settingsFile)
    : goodsFactory(std::move(goodsFactory)), settingsFile(std::move(settingsFile)) {
    if (gDevice && gDevice->getSceneManager()) {
        menuScene = gDevice->getSceneManager()->createNewSceneManager(false);
        irr::scene::ICameraSceneNode* camera =
            menuScene->addCameraSceneNode(nullptr, irr::core::vector3df(0, 0, -100), irr::core::vector3df(0, 0, 0));
        irr::core::matrix4 projection;
        projection.buildProjectionMatrixOrthoLH(InterfaceView::kWidth, InterfaceView::kHeight, 1.0f, 1000.0f);
        camera->setProjectionMatrix(projection, true);
    }
    queue(std::make_shared<TovarWorks::PlaySoundEvent>(L"lumodata/music/Pamgaea.mp3", true, 0.0f, kMusicChannel));
    // The title music starts silent; opening fades it in, at the first start as after Escape.
    openMenu();
}

GameMenue::~GameMenue() {
    if (menuScene)
        menuScene->drop();
}

void GameMenue::refreshColours() {
    entryColour.fill(kWhite);
    if (continueDisabled)
        entryColour[ENTRY_CONTINUE] = kGrey;
    if (newDisabled)
        entryColour[ENTRY_NEW] = kGrey;
}

void GameMenue::openMenu() {
    refreshColours();
    selection = continueDisabled ? ENTRY_NEW : ENTRY_CONTINUE;
    open = true;
    hiding = false;
    showing = true;
    fadeTitleMusic(1.0f);
}

void GameMenue::openTitle() {
    newDisabled = false;
    continueDisabled = true;
    savedDay = 0;
    optionsOpen = false;
    openMenu();
}

void GameMenue::setSavedDay(int day) {
    savedDay = day;
    // Only the title offers a saved morning; a running game continues itself.
    if (newDisabled)
        return;
    continueDisabled = savedDay == 0;
    refreshColours();
    selection = continueDisabled ? ENTRY_NEW : ENTRY_CONTINUE;
}

void GameMenue::startHiding() {
    hiding = true;
    showing = false;
    open = false;
}

bool GameMenue::handleKey(const irr::SEvent& event) {
    if (event.EventType != irr::EET_KEY_INPUT_EVENT || !event.KeyInput.PressedDown)
        return false;
    if (keysScreen.isOpen()) {
        keysScreen.handleKey(event.KeyInput.Key);
        return false;
    }
    if (newGameQuestion) {
        answerQuestion(event.KeyInput.Key);
        return false;
    }
    switch (event.KeyInput.Key) {
    case irr::KEY_UP:
        if (optionsOpen)
            optionSelection = std::max(optionSelection - 1, 0);
        else
            selection = std::max(selection - 1, 0);
        return false;
    case irr::KEY_DOWN:
        if (optionsOpen)
            optionSelection = std::min(optionSelection + 1, OPTION_COUNT - 1);
        else
            selection = std::min(selection + 1, ENTRY_COUNT - 1);
        return false;
    case irr::KEY_LEFT:
        if (optionsOpen)
            changeOption(-1);
        return false;
    case irr::KEY_RIGHT:
        if (optionsOpen)
            changeOption(+1);
        return false;
    case irr::KEY_SPACE:
        if (!optionsOpen) {
            choose(selection);
            return false;
        }
        if (optionSelection == OPTION_KEYS) {
            keysScreen.open();
            return false;
        }
        closeOptions();
        return true;
    case irr::KEY_ESCAPE:
        // Back out: from the options to the entries, from the pause menu into the game.
        if (optionsOpen) {
            closeOptions();
            return true;
        }
        choose(ENTRY_CONTINUE);
        return false;
    default:
        return false;
    }
}

void GameMenue::bindPressed(const PressedInput& pressed) {
    if (gGameData)
        keysScreen.bind(pressed, gGameData->settings.keys);
}

void GameMenue::closeOptions() {
    optionsOpen = false;
    saveSettings(settingsFile);
}

void GameMenue::changeOption(int direction) {
    if (gGameData)
        kOptions[optionSelection].change(gGameData->settings, direction);
}

void GameMenue::choose(int entry) {
    switch (entry) {
    case ENTRY_OPTIONS:
        optionsOpen = true;
        break;
    case ENTRY_END:
        if (gDevice)
            gDevice->requestQuit();
        break;
    case ENTRY_CONTINUE:
        if (continueDisabled)
            break;
        if (savedDay != 0 && !newDisabled) {
            continueSavedGame();
            break;
        }
        startHiding();
        fadeTitleMusic(0.0f);
        break;
    case ENTRY_NEW:
        if (newDisabled)
            break;
        if (savedDay != 0)
            askBeforeNewGame();
        else
            startNewGame();
        break;
    default:
        break;
    }
}

void GameMenue::startNewGame() {
    fadeTitleMusic(0.0f);
    TovarWorks::ProcessChain chain;
    chain.AddProcess(std::make_shared<FadeScreenProcess>(false, 1000));
    chain.AddWait(750);
    chain.AddEvent(std::make_shared<StartNewGameEvent>(), 0);
    chain.Launch();
    startHiding();
    newDisabled = true;
    continueDisabled = false;
    refreshColours();
}

void GameMenue::continueSavedGame() {
    // The saved morning comes as a new game does: out of the dark.
    fadeTitleMusic(0.0f);
    TovarWorks::ProcessChain chain;
    chain.AddProcess(std::make_shared<FadeScreenProcess>(false, 1000));
    chain.AddWait(750);
    chain.AddProcess(std::make_shared<CallFunctionProcess>(continueSaved));
    chain.Launch();
    startHiding();
    newDisabled = true;
    savedDay = 0;
    refreshColours();
}

void GameMenue::askBeforeNewGame() {
    newGameQuestion = std::make_shared<VisualTextBoxChoice>(gameText("NEW_GAME_QUESTION") + L"\n" +
                                                            gameText("NEW_GAME_LOST_DAY") + L" " +
                                                            std::to_wstring(savedDay) + L"\n" +
                                                            gameText("NEW_GAME_LOST"));
    newGameQuestion->addEntry(gameText("NEW_GAME_YES"), nullptr);
    newGameQuestion->addEntry(gameText("NEW_GAME_NO"), nullptr);
    // A stray SPACE keeps the bakery.
    newGameQuestion->setSelection(1);
    newGameQuestion->setCancelIndex(1);
}

void GameMenue::answerQuestion(irr::EKEY_CODE key) {
    switch (key) {
    case irr::KEY_UP:
    case irr::KEY_DOWN:
        newGameQuestion->moveSelection(key == irr::KEY_UP ? -1 : 1);
        break;
    case irr::KEY_SPACE: {
        const bool yes = newGameQuestion->getSelection() != newGameQuestion->getCancelIndex();
        newGameQuestion.reset();
        if (yes)
            startNewGame();
        break;
    }
    case irr::KEY_KEY_X:
    case irr::KEY_ESCAPE:
        newGameQuestion.reset();
        break;
    default:
        break;
    }
}

void GameMenue::update(uint32_t deltaMillis) {
    const int delta = static_cast<int>(deltaMillis);
    if (hiding)
        fadeTime = std::min(fadeTime + delta, kFadeMillis);
    if (showing)
        fadeTime = std::max(fadeTime - delta, 0);
    const float hidden = static_cast<float>(fadeTime) / kFadeMillis;

    // Goods fall faster while the menu slides away.
    const float fall = deltaMillis * (0.1f + 0.2f * hidden);
    for (auto good = fallingGoods.begin(); good != fallingGoods.end();) {
        irr::core::vector3df position = (*good)->getPosition();
        position.Y -= fall;
        (*good)->setPosition(position);
        if (position.Y < kFallOutY) {
            (*good)->remove();
            good = fallingGoods.erase(good);
        } else {
            ++good;
        }
    }
    if (isHidden())
        return;
    spawnTimer += deltaMillis;
    if (spawnTimer > kSpawnMillis && open) {
        spawnTimer = 0;
        spawnGood();
    }
}

void GameMenue::spawnGood() {
    if (!goodsFactory || !menuScene)
        return;
    const int frame = randomBelow(9);
    const float x = static_cast<float>(-550 + randomBelow(1051));
    const int r = randomBelow(1001);
    irr::scene::ISceneNode* good = goodsFactory(menuScene, kGoodFrames[frame]);
    if (!good)
        return;
    good->setPosition(irr::core::vector3df(x, 200, 10));
    const float scale = (2000 - r) * 0.001f;
    good->setScale(irr::core::vector3df(scale, scale, scale));
    fallingGoods.push_back(good);
}

std::wstring GameMenue::optionLabel(int option) {
    return option >= 0 && option < OPTION_COUNT ? gameText(kOptions[option].nameId) : L"";
}

std::wstring GameMenue::optionValue(int option) {
    if (!gGameData || option < 0 || option >= OPTION_COUNT)
        return L"";
    return kOptions[option].value(gGameData->settings);
}

void GameMenue::draw() {
    if (!visible || !gDevice || !gDevice->getVideoDriver())
        return;
    irr::video::IVideoDriver* driver = gDevice->getVideoDriver();
    // Goods still falling are drawn even when the menu has gone, until they are out of view.
    if (menuScene && !fallingGoods.empty()) {
        const irr::core::recti fullView = driver->getViewPort();
        driver->setViewPort(gGameData ? gGameData->interfaceView.viewport : fullView);
        menuScene->drawAll();
        driver->setViewPort(fullView);
    }
    const float hidden = static_cast<float>(fadeTime) / kFadeMillis;
    if (hidden >= 1.0f)
        return;
    drawPictures(hidden);
    drawEntries(hidden);
    if (newGameQuestion)
        newGameQuestion->draw();
}

void GameMenue::drawPictures(float hidden) const {
    irr::video::IVideoDriver* driver = gDevice->getVideoDriver();
    // The driver keeps them for the program's life once loaded.
    irr::video::ITexture* background = driver->getTexture("lumodata/2d/mm_b.png");
    irr::video::ITexture* side = driver->getTexture("lumodata/2d/mm_s.png");
    irr::video::ITexture* logo = driver->getTexture("lumodata/2d/logo.png");
    const GuiPainter painter = GuiPainter::forGame();
    using namespace GuiSheetLayout;

    const irr::u32 alpha = static_cast<irr::u32>(std::lround((1.0f - hidden) * 255.0f));
    painter.drawImage(background, irr::core::recti(0, 0, kMenuBackgroundWidth, kMenuBackgroundHeight),
                      irr::core::rectf(0, 0, 640, 360), irr::video::SColor(alpha, 255, 255, 255));
    const float slide = (1.0f - (1.0f - hidden) * (1.0f - hidden)) * kSlideDistance;
    const irr::core::recti sideSource(0, 0, kMenuSideWidth, kMenuSideHeight);
    painter.drawImage(side, sideSource, irr::core::rectf(-slide, 0, kMenuSideWidth - slide, 360));
    painter.drawImage(side, sideSource, irr::core::rectf(640 - kMenuSideWidth + slide, 0, 640 + slide, 360));
    const float logoLeft = (640 - kLogoWidth) / 2.0f;
    painter.drawImage(logo, irr::core::recti(0, 0, kLogoWidth, kLogoHeight),
                      irr::core::rectf(logoLeft, 28 - slide, logoLeft + kLogoWidth, 28 + kLogoHeight - slide));
}

void GameMenue::drawEntries(float hidden) const {
    const GuiPainter painter = GuiPainter::forGame();
    const BitmapFont font = BitmapFont::forGame();
    float pointerX = kEntriesX;
    float pointerY = kEntriesY + kLineSpacing * selection;
    if (keysScreen.isOpen()) {
        drawPanel(painter, hidden);
        drawKeys(hidden);
        pointerX = kOptionsX;
        pointerY = kOptionsY + kOptionSpacing * keysScreen.getSelection();
    } else if (optionsOpen) {
        drawPanel(painter, hidden);
        for (int option = 0; option < OPTION_COUNT; ++option) {
            const float y = kOptionsY + kOptionSpacing * option;
            font.drawText(painter, optionLabel(option), kOptionsX, y, withAlpha(kWhite, hidden));
            font.drawText(painter, optionValue(option), kOptionValuesX, y, withAlpha(kWhite, hidden));
        }
        pointerX = kOptionsX;
        pointerY = kOptionsY + kOptionSpacing * optionSelection;
    } else {
        for (int entry = 0; entry < ENTRY_COUNT; ++entry)
            font.drawText(painter, gameText(kEntryIds[entry]), kEntriesX, kEntriesY + kLineSpacing * entry,
                          withAlpha(entryColour[entry], hidden));
    }
    const float bob = 5.0f * std::sin(gDevice->getTime() / 100.0f);
    irr::video::ITexture* sheet = gGameData ? gGameData->guiTexture : nullptr;
    painter.drawImage(sheet, GuiSheetLayout::kPointer.rect(),
                      irr::core::rectf(pointerX - 36 + bob, pointerY - 8, pointerX - 4 + bob, pointerY + 24),
                      withAlpha(kWhite, hidden));
}

void GameMenue::drawKeys(float hidden) const {
    if (!gGameData)
        return;
    const GuiPainter painter = GuiPainter::forGame();
    const BitmapFont font = BitmapFont::forGame();
    const KeyBindings& keys = gGameData->settings.keys;
    const KeyWords words(gGameData->texts);
    for (int row = 0; row < KeyBindings::kActionCount; ++row) {
        const float y = kOptionsY + kOptionSpacing * row;
        font.drawText(painter, KeysScreen::label(row, words), kOptionsX, y, withAlpha(kWhite, hidden));
        font.drawTight(painter, keysScreen.keyText(row, keys, words), kKeyValuesX, y, withAlpha(kWhite, hidden),
                       kKeyPitch);
        font.drawTight(painter, keysScreen.buttonText(row, keys, words), kKeyButtonsX, y, withAlpha(kWhite, hidden),
                       kKeyPitch);
    }
}

} // namespace Lumo
