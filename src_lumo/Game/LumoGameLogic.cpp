#include "src_lumo/Game/LumoGameLogic.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Processes/ProcessChain.h"
#include "TovarWorks/Processes/ProcessManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/CallActionEvent.h"
#include "src_lumo/Events/ChangeGameStateEvent.h"
#include "src_lumo/Events/FadeOverlayTextEvent.h"
#include "src_lumo/Events/SetHudEvent.h"
#include "src_lumo/Events/SetNewDayEvent.h"
#include "src_lumo/Events/SetTimeEvent.h"
#include "src_lumo/Events/SetTimerEvent.h"
#include "src_lumo/Events/ShowOverlayTextEvent.h"
#include "src_lumo/Customers/CustomerManager.h"
#include "src_lumo/Editor/WorldEditor.h"
#include "src_lumo/Menus/TitleGoods.h"
#include "TovarWorks/Console/DebugLog.h"
#include "src_lumo/Game/GameClock.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/MusicSchedule.h"
#include "src_lumo/Game/PostmanController.h"
#include "src_lumo/Menus/GameMenue.h"
#include "src_lumo/Processes/FadeScreenProcess.h"
#include "src_lumo/Processes/MoveCharacterPathProcess.h"
#include "src_lumo/Save/MorningSave.h"
#include "src_lumo/Save/SaveSlot.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Story/DialogueTable.h"
#include "src_lumo/Story/DialogueTemplate.h"
#include "src_lumo/Story/StorySequences.h"
#include "src_lumo/Visual/ItemWorld.h"
#include "src_lumo/Visual/LumoVisual.h"
#include "src_lumo/Visual/ShopScreens.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

namespace Lumo {

using TovarWorks::gDevice;

namespace {

constexpr uint32_t kBedFadeMillis = 750;
constexpr uint32_t kDayTitleMillis = 2000;
constexpr uint32_t kNewDayDelayMillis = 1000;
constexpr int kNewGameMinute = 15 * 60;
constexpr int kNewDayMinute = 6 * 60;

bool released(const irr::SEvent::SKeyInput& key, irr::EKEY_CODE code) { return key.Key == code && !key.PressedDown; }
bool pressed(const irr::SEvent::SKeyInput& key, irr::EKEY_CODE code) { return key.Key == code && key.PressedDown; }

} // namespace

LumoGameLogic::LumoGameLogic()
    : actions(gGameData->settings.keys), visual(std::make_shared<LumoVisual>()),
      menu(std::make_shared<GameMenue>(titleGoodsFactory(gGameData->spriteDefinitions))),
      sequences(std::make_shared<StorySequences>(visual)), story(sequences) {
    visual->setShopSequences(sequences);
    postman = std::make_unique<PostmanController>(visual);
    MusicSchedule::startSilentChannels();
    registerEditorCommand();
    menu->setContinueSaved([this] { continueSavedGame(); });
}

void LumoGameLogic::useSaveFile(const std::filesystem::path& file) {
    saveSlot = std::make_unique<SaveSlot>(file);
    SaveSlot::Loaded loaded = saveSlot->load();
    for (const std::string& message : loaded.messages)
        gDevice->alert(irr::core::stringw(message.c_str()));
    savedGame = std::move(loaded.game);
    if (savedGame)
        gDevice->print(irr::core::stringw(L"Saved game: day ") + irr::core::stringw(savedGame->day),
                       TovarWorks::MSG_INFO);
    menu->setSavedDay(savedGame ? savedGame->day : 0);
}

void LumoGameLogic::registerEditorCommand() {
    // Held weakly: the device's command table may outlive this game.
    std::weak_ptr<LumoVisual> weakVisual = visual;
    gDevice->registerConsoleCommand(
        L"editor", L"tovar editor - path and collision editor on/off (F5 path, F6 collision, S save)",
        [weakVisual](const std::vector<irr::core::stringw>&) {
            if (const std::shared_ptr<LumoVisual> shown = weakVisual.lock()) {
                WorldEditor& editor = shown->getEditor();
                editor.setEnabled(!editor.isEnabled());
                gDevice->print(editor.isEnabled() ? L"editor on" : L"editor off", TovarWorks::MSG_INFO);
            }
        });
}

LumoGameLogic::~LumoGameLogic() = default;

void LumoGameLogic::setStory(std::shared_ptr<StoryScripts> scripts) {
    if (scripts)
        story = std::move(scripts);
}

std::shared_ptr<IShopSequences> LumoGameLogic::getShopSequences() const { return sequences; }

void LumoGameLogic::onResize() { visual->onResize(); }

bool LumoGameLogic::held(irr::EKEY_CODE key) const {
    const std::optional<GameAction> action = KeyBindings::actionOfCanonicalKey(key);
    return key != menuKey && action && actions.held(*action);
}

void LumoGameLogic::readInput() {
    // A release the logic never heard (the console took it) must not keep the key from the game.
    const std::optional<GameAction> menuAction = KeyBindings::actionOfCanonicalKey(menuKey);
    if (menuKey != kNoKey && !(menuAction && actions.held(*menuAction)))
        menuKey = kNoKey;
    input.moveX = held(irr::KEY_LEFT) ? -1 : held(irr::KEY_RIGHT) ? 1 : 0;
    input.moveY = held(irr::KEY_UP) ? 1 : held(irr::KEY_DOWN) ? -1 : 0;
    input.keySpace = held(irr::KEY_SPACE);
    input.keyX = held(irr::KEY_KEY_X);
    input.keyC = held(irr::KEY_KEY_C);

    const int mode = visual->getMode();
    const bool clockMode = mode == MODE_WALKING || mode == MODE_KNEADING || mode == MODE_MIXING;
    WorldState& world = gGameData->world;
    const ClockTick tick = GameClock::advance(world, gDevice->getFrameDelta(), clockRunning && !menu->isOpen() && clockMode);
    if (!tick.due)
        return;
    if (tick.musicDue)
        chooseMusic();
    if (tick.postmanDue)
        postman->start();
    spawnDueCustomers();
}

bool LumoGameLogic::readLetterAgain(int day) {
    if (day == 0)
        return false;
    visual->setMode(MODE_WALKING);
    DialogueTemplate::play(visual, DialogueTable::letter(day));
    return true;
}

void LumoGameLogic::spawnDueCustomers() {
    const int minute = gGameData->world.minuteOfDay;
    const std::vector<DailyCustomer> visits = gGameData->world.customers->takeDueVisits(minute);
    if (visits.empty())
        return;
    TovarWorks::debugLog() << "CUSTOMER" << std::endl;
    for (const DailyCustomer& visit : visits)
        visual->spawnCustomer(visit, minute);
}

void LumoGameLogic::silenceDayMusic() {
    musicChosen = false;
    MusicSchedule::fadeOut(MusicSchedule::kMorningChannel);
    MusicSchedule::fadeOut(MusicSchedule::kAfternoonChannel);
    MusicSchedule::fadeOut(MusicSchedule::kEveningChannel);
}

void LumoGameLogic::chooseMusic() {
    musicChosen = true;
    MusicSchedule::chooseFor(gGameData->world.minuteOfDay);
}

void LumoGameLogic::updateGame() {
    if (!menu->isOpen() && !musicChosen)
        chooseMusic();
    const bool acting = logicActive && playerControl && !menu->isOpen();
    visual->setAtTheKeys(acting);
    if (acting)
        carryOut(visual->interact(input));
    visual->render();
    if (gameStarted)
        postman->step();
    menu->update(gDevice->getFrameDelta());
    menu->draw();
}

void LumoGameLogic::carryOut(int action) {
    ShopScreens* screens = visual->getShopScreens();
    switch (action) {
    case ACTION_DOUGH_MENU:
        if (screens)
            screens->openDoughMenu();
        break;
    case ACTION_KNEAD:
        if (screens)
            screens->startKneading();
        break;
    case ACTION_SERVE:
        if (screens)
            screens->serveFirstCustomer();
        break;
    case ACTION_STORAGE:
        if (screens)
            screens->openStorageMenu();
        break;
    case ACTION_LETTER:
        story->letter(visual);
        break;
    default:
        break;
    }
}

bool LumoGameLogic::OnEvent(const irr::SEvent& event) {
    if (visual->editorInput(event))
        return true;
    if (menu->isOpen() && menu->isWaitingForInput()) {
        if (const std::optional<PressedInput> pressed = actions.takePress(event))
            menu->bindPressed(*pressed);
        return true;
    }
    return actions.translate(event, [this](const irr::SEvent& gameEvent) { return handleGameEvent(gameEvent); });
}

bool LumoGameLogic::handleGameEvent(const irr::SEvent& event) {
    const bool isKey = event.EventType == irr::EET_KEY_INPUT_EVENT;
    if (menu->isOpen()) {
        const bool used = menu->handleKey(event);
        // The key that closed the menu belongs to it: the game neither sees it held nor let go.
        if (isKey && event.KeyInput.PressedDown && !menu->isOpen())
            menuKey = event.KeyInput.Key;
        return used;
    }
    if (isKey && event.KeyInput.Key == menuKey) {
        if (!event.KeyInput.PressedDown)
            menuKey = kNoKey;
        return true;
    }
    if (isKey && handleKey(event.KeyInput))
        return true;
    return logicActive && visual->worldInput(event);
}

bool LumoGameLogic::handleKey(const irr::SEvent::SKeyInput& key) {
    const bool calendarOpen = visual->getMode() == MODE_CALENDAR;
    if (released(key, irr::KEY_ESCAPE) && playerControl) {
        menu->openMenu();
        silenceDayMusic();
        return true;
    }
    if (released(key, irr::KEY_SPACE)) {
        if (visual->confirmText())
            return true;
        if (playerControl && calendarOpen)
            return readLetterAgain(visual->getCalendar().letterDayAtCursor());
        if (playerControl)
            visual->bedAndCalendarCheck();
        return false;
    }
    if (pressed(key, irr::KEY_BACK))
        return visual->getTextBoxes().previousPage();
    if (!playerControl)
        return false;
    if (released(key, irr::KEY_KEY_L) && visual->getMode() == MODE_WALKING) {
        visual->setMode(MODE_CALENDAR);
        return true;
    }
    if (pressed(key, irr::KEY_UP) || pressed(key, irr::KEY_DOWN)) {
        const int step = key.Key == irr::KEY_UP ? -1 : 1;
        visual->getTextBoxes().moveSelection(step);
        if (calendarOpen)
            visual->getCalendar().moveCursor(0, step);
    } else if (released(key, irr::KEY_KEY_X)) {
        visual->getTextBoxes().cancel();
        if (calendarOpen)
            visual->setMode(MODE_WALKING);
    } else if (calendarOpen && (pressed(key, irr::KEY_LEFT) || pressed(key, irr::KEY_RIGHT))) {
        visual->getCalendar().moveCursor(key.Key == irr::KEY_LEFT ? -1 : 1, 0);
    }
    return false;
}

bool LumoGameLogic::HandleEvent(const TovarWorks::IEventData& event) {
    const TovarWorks::EventType& type = event.GetEventType();
    if (type == TovarWorks::CallActionEventType) {
        const int action = static_cast<const CallActionEvent&>(event).action;
        if (action == ACTION_MERCHANT)
            story->merchantTalk(visual);
        else if (action == ACTION_BAR)
            story->barmanTalk(visual);
    } else if (type == TovarWorks::OpenBarMenueEventType) {
        if (ShopScreens* screens = visual->getShopScreens())
            screens->openBarMenu();
    } else if (type == TovarWorks::OpenMerchantMenueEventType) {
        if (ShopScreens* screens = visual->getShopScreens())
            screens->openMerchantMenu();
    } else if (type == TovarWorks::RemoveCustomerEventType) {
        if (const std::optional<QueuedCustomer> leaving = visual->getCustomerQueue().removeFirst())
            gDevice->getProcessManager()->Attach(
                std::make_shared<MoveCharacterPathProcess>("sh_2", "park", true, leaving->character));
    } else if (type == TovarWorks::SpawnLetterEventType) {
        std::vector<int32_t>& letterDays = gGameData->world.letterDays;
        if (std::find(letterDays.begin(), letterDays.end(), gGameData->world.day) == letterDays.end())
            letterDays.push_back(gGameData->world.day);
        if (ItemWorld* items = visual->getItemWorld())
            items->spawnLetter();
    } else if (type == TovarWorks::StartNewGameEventType) {
        newGame();
    } else if (type == TovarWorks::SetGameStateEventType) {
        const auto& state = static_cast<const ChangeGameStateEvent&>(event);
        // The ending hands the keys back only when its last words have faded: the game is over.
        if (endingPlays && state.playerControl) {
            endGame();
            return true;
        }
        logicActive = state.logicActive;
        playerControl = state.playerControl;
        // Day 1's morning is the intro's; it is kept once the intro has handed the baker her shop.
        if (introPlays && playerControl) {
            introPlays = false;
            saveMorning();
        }
    } else if (type == TovarWorks::SetNewDayEventType) {
        newDay();
        saveMorning();
    } else if (type == TovarWorks::SetTimeEventType) {
        const auto& time = static_cast<const SetTimeEvent&>(event);
        gGameData->world.minuteOfDay = time.hour * 60 + time.minute;
    } else if (type == TovarWorks::SetTimerEventType) {
        clockRunning = static_cast<const SetTimerEvent&>(event).running;
    } else if (type == TovarWorks::StartNewDayEventType) {
        goToBed();
    } else if (type == TovarWorks::CloseChoiceEventType) {
        closeChoice();
    } else {
        return false;
    }
    return true;
}

void LumoGameLogic::newGame() {
    gameStarted = true;
    clockRunning = false;
    postman->reset();
    visual->setWorldActive(true);
    gGameData->ambientColor = 0xFF000000;
    gGameData->world.minuteOfDay = kNewGameMinute;
    // The intro plays on a frozen game; it hands control back when it is over.
    logicActive = false;
    playerControl = false;
    introPlays = true;
    story->intro(visual);
    newDay();
}

void LumoGameLogic::newDay() {
    WorldState& world = gGameData->world;
    if (world.day == WorldState::kLastDay) {
        endingPlays = true;
        story->ending(visual);
        return;
    }
    if (world.flagsAndPopularity.flag("MERC_HEUREKA") == 1)
        world.flagsAndPopularity.setFlag("MERC_SELL_BOX", 1.0f);
    world.minuteOfDay = kNewDayMinute;
    world.weekday = world.weekday + 1 > 6 ? 0 : world.weekday + 1;
    world.day += 1;
    world.daySeed = static_cast<uint32_t>(std::rand());
    std::srand(world.daySeed);
    world.customers->buildDailySchedule(world.flagsAndPopularity.popularity, world.day);
    tellMorning(" begins");
}

void LumoGameLogic::tellMorning(const char* how) const {
    // One line per morning in the log, so a player's report says which day went wrong.
    gDevice->print(irr::core::stringw(L"Day ") + irr::core::stringw(gGameData->world.day) + how,
                   TovarWorks::MSG_INFO);
}

void LumoGameLogic::saveMorning() {
    if (!saveSlot || endingPlays)
        return;
    const SaveSlot::Written written = saveSlot->write(MorningSave::capture(*gGameData, *visual));
    for (const std::string& message : written.messages)
        gDevice->alert(irr::core::stringw(((written.saved ? "" : "could not save the game: ") + message).c_str()));
}

void LumoGameLogic::continueSavedGame() {
    if (!savedGame)
        return;
    gameStarted = true;
    clockRunning = true;
    postman->reset();
    visual->setWorldActive(true);
    gGameData->ambientColor = 0xFF000000;
    MorningSave::restore(*savedGame, *gGameData, *visual);
    savedGame.reset();
    tellMorning(" begins, continued from the save");
    // The rest of the morning as after a night: light comes back, then the baker is the player's.
    logicActive = true;
    playerControl = false;
    TovarWorks::ProcessChain chain;
    chain.AddEvent(std::make_shared<SetHudEvent>(true), 0);
    chain.AddProcess(std::make_shared<FadeScreenProcess>(true, kBedFadeMillis));
    chain.AddEvent(std::make_shared<ChangeGameStateEvent>(true, true), 0);
    chain.Launch();
}

void LumoGameLogic::goToBed() {
    // The baker sleeps through the fade: no second trip to bed, no walking in the dark.
    playerControl = false;
    visual->clearDay();
    postman->reset();
    const int day = gGameData->world.day;
    // After the last night no morning comes: the ending follows in the dark, brings its own light
    // and gives the keys back itself.
    const bool morningComes = day != WorldState::kLastDay;
    TovarWorks::ProcessChain chain;
    chain.AddProcess(std::make_shared<FadeScreenProcess>(false, kBedFadeMillis));
    if (morningComes)
        chain.AddEvent(std::make_shared<ShowOverlayTextEvent>(
            DialogueTable::overlayText("HUD_DAY") + " " + std::to_string(day + 1)), 0);
    chain.AddWait(kDayTitleMillis);
    if (morningComes)
        chain.AddEvent(std::make_shared<FadeOverlayTextEvent>(), 0);
    chain.AddEvent(std::make_shared<SetNewDayEvent>(), kNewDayDelayMillis);
    if (morningComes) {
        chain.AddProcess(std::make_shared<FadeScreenProcess>(true, kBedFadeMillis));
        chain.AddEvent(std::make_shared<ChangeGameStateEvent>(true, true), 0);
    }
    chain.Launch();
    closeChoice();
}

void LumoGameLogic::endGame() {
    // Everything back as the program started it, so that the next new game is the first one again.
    endingPlays = false;
    gameStarted = false;
    logicActive = true;
    playerControl = true;
    clockRunning = true;
    postman->reset();
    visual->startOver();
    gGameData->startOver();
    silenceDayMusic();
    // The story is over: nothing is left to continue.
    if (saveSlot)
        saveSlot->remove();
    savedGame.reset();
    menu->openTitle();
}

void LumoGameLogic::closeChoice() {
    visual->getTextBoxes().closeChoice();
    if (const std::shared_ptr<CharNode> hero = visual->getHero())
        hero->closeSpeechBubble();
}

} // namespace Lumo
