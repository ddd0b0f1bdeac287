#include "src_lumo/Visual/LumoVisual.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Shaders/ShaderManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Editor/WorldEditor.h"
#include "src_lumo/Events/AddCharacterEvent.h"
#include "src_lumo/Events/CallActionEvent.h"
#include "src_lumo/Events/ChangeFaceDirEvent.h"
#include "src_lumo/Events/ChangeVisualNodeEvent.h"
#include "src_lumo/Events/RemoveCharacterEvent.h"
#include "src_lumo/Customers/CustomerManager.h"
#include "src_lumo/Events/RemoveCustomerEvent.h"
#include "src_lumo/Visual/SpriteCustomerCharacter.h"
#include "src_lumo/Events/SetAmbientColorSchemeEvent.h"
#include "src_lumo/Events/SetHudEvent.h"
#include "src_lumo/Events/TeleportCharacterEvent.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Gui/BedChoice.h"
#include "src_lumo/Gui/HintLine.h"
#include "src_lumo/Input/KeyWords.h"
#include "src_lumo/Gui/VisualTextBoxChoice.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Items/ShopItemWorld.h"
#include "src_lumo/Shop/SilentShopSequences.h"
#include "src_lumo/Visual/AmbientColour.h"
#include "src_lumo/Visual/ItemWorld.h"
#include "src_lumo/Visual/MeshFiles.h"
#include "src_lumo/Visual/SceneScissor.h"
#include "src_lumo/Visual/ShopScreens.h"
#include "src_lumo/World/PathFinder.h"
#include "src_lumo/Visual/BakeryShopScreens.h"
#include "src_lumo/World/WalkingCollision.h"

#include <cstring>
#include <iostream>

namespace Lumo {

using irr::core::vector3df;
using TovarWorks::gDevice;

const vector3df LumoVisual::kMerchantSpot(695, 0, 675);
const vector3df LumoVisual::kBarSpot(630, 0, 355);
const vector3df LumoVisual::kStoreroomShelf(865, 0, 665);
const vector3df LumoVisual::kWorkTable(795, 0, 615);
const vector3df LumoVisual::kCalendarSpot(900, 0, 615);
const vector3df LumoVisual::kBedSpot(910, 0, 655);
// The fronts are where she stands: beside the furniture, her nine units wide, up to its edge.
const InteractionArea LumoVisual::kShelfArea{kStoreroomShelf, 15.0f, {{856, 664, 889, 680}}};
const InteractionArea LumoVisual::kTableArea{kWorkTable, 15.0f, {{762, 598, 810, 632}}};
// Behind the counter, from one end to the other; the customer must be at the counter.
const InteractionArea LumoVisual::kCounterArea{{815, 0, 550}, 0.0f, {{766, 570, 864, 580}}};
const InteractionArea LumoVisual::kBedArea{kBedSpot, 15.0f, {{905, 640, 925, 672}, {921, 632, 962, 645}}};

namespace {

const wchar_t* const kStandingFrames[4] = {L"iddle_up", L"iddle_down", L"iddle_left", L"iddle_right"};
constexpr uint32_t kActionPauseMs = 1000;
constexpr float kShelfReach = 15.0f;
constexpr float kCounterReach = 25.0f;
constexpr float kCalendarReach = 5.0f;
constexpr float kAtCounter = 10.0f; // how near her place at the counter the first customer must be

float groundDistance(const vector3df& a, const vector3df& b) {
    return irr::core::vector2df(a.X - b.X, a.Z - b.Z).getLength();
}

irr::video::E_MATERIAL_TYPE materialOf(const char* name) {
    const auto shaders = gDevice->getShaderManager();
    return shaders && shaders->has(name) ? shaders->materialType(name) : irr::video::EMT_SOLID;
}

struct Billboards {
    const char* texture;
    irr::core::dimension2df size;
    float y;
    std::vector<irr::core::vector2df> spots;
};

const Billboards kDecoration[] = {
    {"lumodata/3d/bu_1.png", {20, 20}, 5, {{744, 605}, {527, 654}, {551, 650}, {573, 672}, {630, 664}, {746, 383}}},
    {"lumodata/3d/bu_2.png",
     {10, 8},
     4,
     {{639, 649}, {569, 654}, {539, 663}, {522, 536}, {669, 542}, {683, 527}, {676, 446}, {628, 426}, {536, 436}}},
    {"lumodata/3d/bu_3.png", {15, 10}, 5, {{664, 436}, {642, 431}, {563, 430}}},
};

const char* const kAlphaTextures[] = {"b_3.png", "b_2.png", "bar.png", "test_tre.png", "ore.png"};

} // namespace

LumoVisual::LumoVisual()
    : scene(gDevice->getSceneManager()), driver(gDevice->getVideoDriver()), hud(status), calendar(status) {
    createCamera();
    overlay.visible = false;
    createRooms();
    applyRoomMaterials();
    createDecoration();
    createResidents();
    createFlourDust();
    setShopSequences(nullptr);
    createShop();
    loadCollisionGrid();
    editor = std::make_unique<WorldEditor>(scene, collisionGrid, *gGameData->world.customers->pathFinder(),
                                           kCollisionGridFile, kWorldGraphFile);
    hud.visible = false;
    onResize();
}

LumoVisual::~LumoVisual() {
    editor.reset();
    for (auto& [id, character] : characters)
        character->removeFromStage();
    for (QueuedCustomer& customer : customers)
        customer.character->removeFromStage();
    for (irr::scene::ISceneNode* node : decoration)
        node->remove();
    if (flourDust)
        flourDust->remove();
    if (camera)
        camera->remove();
}

void LumoVisual::createCamera() {
    camera = scene->addCameraSceneNode(nullptr, vector3df(0, 0, 100));
    camera->setPosition(vector3df(50, 160, -100));
    camera->setTarget(vector3df(50, 0, 0));
    camera->setFOV(19.3f);
}

void LumoVisual::createRooms() {
    struct Room {
        const char* file;
        vector3df position;
        float fadeThreshold; // 0: the wall never fades
    };
    const Room rooms[] = {
        {"lumodata/3d/im/backery_wall1.irrmesh", {770, 0, 530}, 530},
        {"lumodata/3d/im/backery_wall2.irrmesh", {770, 0, 590}, 590},
        {"lumodata/3d/im/shop_wall1.irrmesh", {860, 0, 620}, 620},
        {"lumodata/3d/im/backery_wall3.irrmesh", {650, 0, 630}, 0},
        {"lumodata/3d/im/bar_wall1.irrmesh", {600, 0, 360}, 0},
    };
    if (irr::scene::IAnimatedMesh* mesh = MeshFiles::load(scene, "lumodata/3d/im/backery.irrmesh")) {
        bakery = scene->addMeshSceneNode(mesh->getMesh(0));
        irr::scene::ITriangleSelector* selector = scene->createTriangleSelector(bakery->getMesh(), bakery);
        bakery->setTriangleSelector(selector);
        selector->drop();
    }
    const int wallMaterial = gGameData->wallMaterial;
    for (const Room& room : rooms) {
        irr::scene::IAnimatedMesh* mesh = MeshFiles::load(scene, room.file);
        irr::scene::IMeshSceneNode* node = mesh ? scene->addMeshSceneNode(mesh->getMesh(0), nullptr, -1, room.position)
                                                : nullptr;
        if (!node)
            continue;
        node->setMaterialFlag(irr::video::EMF_LIGHTING, false);
        if (room.fadeThreshold > 0) {
            // Only the wall material reads the opacity the fades write.
            if (wallMaterial > 0)
                node->setMaterialType(static_cast<irr::video::E_MATERIAL_TYPE>(wallMaterial));
            wallFader.addWall(node, room.fadeThreshold);
        }
    }
}

void LumoVisual::applyRoomMaterials() {
    if (!bakery)
        return;
    const auto solid = materialOf("solid");
    const auto alpha = materialOf("alphatransparency");
    for (irr::u32 i = 0; i < bakery->getMaterialCount(); ++i) {
        irr::video::SMaterial& material = bakery->getMaterial(i);
        material.Lighting = false;
        material.MaterialType = solid;
        const irr::video::ITexture* texture = material.getTexture(0);
        if (!texture)
            continue;
        const irr::core::stringc name = texture->getName().getPath();
        for (const char* alphaName : kAlphaTextures)
            if (name.find(alphaName) >= 0)
                material.MaterialType = alpha;
    }
}

void LumoVisual::createDecoration() {
    const auto material = materialOf("alphatransparencynosm");
    for (const Billboards& group : kDecoration) {
        irr::video::ITexture* texture = driver->getTexture(group.texture);
        for (const irr::core::vector2df& spot : group.spots) {
            irr::scene::IBillboardSceneNode* node =
                scene->addBillboardSceneNode(nullptr, group.size, vector3df(spot.X, group.y, spot.Y));
            node->setMaterialTexture(0, texture);
            node->setMaterialType(material);
            node->setMaterialFlag(irr::video::EMF_LIGHTING, false);
            decoration.push_back(node);
        }
    }
}

void LumoVisual::createResidents() {
    const FileLoader& store = gGameData->spriteDefinitions;
    hero = CharNode::putOnStage(scene, store, L"baeckerin");
    if (hero)
        characters["hero"] = hero;
    const std::pair<const char*, vector3df> residents[] = {{"merchant", kMerchantSpot}, {"barman", kBarSpot}};
    for (const auto& [name, spot] : residents) {
        std::shared_ptr<CharNode> character = CharNode::putOnStage(scene, store, std::wstring(name, name + strlen(name)));
        if (!character)
            continue;
        character->getNode()->setPosition(spot);
        characters[name] = character;
    }
}

void LumoVisual::createFlourDust() {
    flourDust = scene->addParticleSystemSceneNode(false, nullptr, -1, vector3df(790, 10, 615));
    irr::scene::IParticleEmitter* emitter = flourDust->createBoxEmitter(
        irr::core::aabbox3df(-5, 0, -5, 5, 2, 5), vector3df(0, 0.01f, 0), 20, 40, irr::video::SColor(0, 255, 255, 255),
        irr::video::SColor(0, 255, 255, 255), 400, 900, 30, irr::core::dimension2df(1, 1),
        irr::core::dimension2df(2, 2));
    flourDust->setEmitter(emitter);
    emitter->drop();
    flourDust->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    flourDust->setMaterialTexture(0, driver->getTexture("lumodata/2d/flour.png"));
    flourDust->setMaterialType(irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);
    flourDust->setVisible(false);
}

void LumoVisual::createShop() {
    // The oven, the shelf things, the drop fields and the menus that work on them.
    const auto items = std::make_shared<ShopItemWorld>(scene, gGameData->spriteDefinitions);
    setItemWorld(items);
    setShopScreens(std::make_shared<BakeryShopScreens>(*this, items));
}

void LumoVisual::setShopSequences(std::shared_ptr<IShopSequences> sequences) {
    shopSequences = sequences ? std::move(sequences) : std::make_shared<SilentShopSequences>();
}

void LumoVisual::markActionTime() { lastActionTime = gDevice->getTime(); }

void LumoVisual::loadCollisionGrid() {
    collisionGrid.clear();
    collisionGrid.load(kCollisionGridFile);
}

void LumoVisual::onResize() {
    const InterfaceView view = InterfaceView::forScreen(driver->getScreenSize());
    gGameData->interfaceView = view;
    const irr::core::recti& area = view.viewport;
    if (area.getHeight() > 0)
        camera->setAspectRatio(static_cast<float>(area.getWidth()) / static_cast<float>(area.getHeight()));
    editor->setViewport(area);
    std::cout << "interface scale " << view.scaleX << " x " << view.scaleY << std::endl;
}

std::shared_ptr<CharNode> LumoVisual::findCharacter(const std::string& id) const {
    const auto found = characters.find(id);
    return found == characters.end() ? nullptr : found->second;
}

void LumoVisual::setCharacter(const std::string& id, const std::shared_ptr<CharNode>& character) {
    const auto old = characters.find(id);
    // Whoever stood under that name leaves: otherwise nobody could ever take it off the stage.
    if (old != characters.end() && old->second != character)
        old->second->removeFromStage();
    characters[id] = character;
    if (id == "hero")
        hero = character;
}

std::shared_ptr<CharNode> LumoVisual::spawnCustomer(const DailyCustomer& visit, int minuteOfDay) {
    static const vector3df kDoor(815, 0, 505);
    std::shared_ptr<CharNode> character;
    const auto makeCharacter = [&](const std::string& sprite) -> std::shared_ptr<CustomerCharacter> {
        character = CharNode::putOnStage(scene, gGameData->spriteDefinitions, std::wstring(sprite.begin(), sprite.end()));
        if (!character)
            return nullptr;
        character->getNode()->setPosition(kDoor);
        return std::make_shared<SpriteCustomerCharacter>(character);
    };
    std::shared_ptr<Customer> customer = gGameData->world.customers->spawn(visit, minuteOfDay, makeCharacter);
    if (character)
        customers.add(QueuedCustomer{character, customer});
    return character;
}

bool LumoVisual::editorInput(const irr::SEvent& event) { return editor->handleInput(event); }

bool LumoVisual::HandleEvent(const TovarWorks::IEventData& event) {
    const TovarWorks::EventType& type = event.GetEventType();
    if (type == TovarWorks::AddCharacterEventType) {
        const auto& add = static_cast<const AddCharacterEvent&>(event);
        std::shared_ptr<CharNode> character = CharNode::putOnStage(scene, gGameData->spriteDefinitions, add.definition);
        if (!character)
            return true;
        character->getNode()->setPosition(add.position);
        character->setFacing(add.facing);
        character->walkStep(add.position);
        setCharacter(add.id, character);
    } else if (type == TovarWorks::ChangeVisualNodeEventType) {
        const auto& change = static_cast<const ChangeVisualNodeEvent&>(event);
        const std::shared_ptr<CharNode> character = findCharacter(change.id);
        const SpriteDefinition* definition = gGameData->spriteDefinitions.getDefinition(change.definition);
        // The same node changes clothes, so a walk in progress keeps driving the one on stage.
        if (character && definition)
            character->getNode()->setDefinition(*definition);
    } else if (type == TovarWorks::ChangeFaceDirEventType) {
        const auto& face = static_cast<const ChangeFaceDirEvent&>(event);
        if (const std::shared_ptr<CharNode> character = findCharacter(face.id)) {
            character->setFacing(face.facing);
            character->getNode()->setFrame(kStandingFrames[face.facing & 3]);
            character->walkStep(character->getNode()->getPosition());
        }
    } else if (type == TovarWorks::TeleportCharacterEventType) {
        const auto& teleport = static_cast<const TeleportCharacterEvent&>(event);
        if (const std::shared_ptr<CharNode> character = findCharacter(teleport.id))
            character->getNode()->setPosition(teleport.position);
    } else if (type == TovarWorks::SetHudEventType) {
        hud.visible = static_cast<const SetHudEvent&>(event).visible;
    } else if (type == TovarWorks::SetAmbientColorSchemeEventType) {
        ambientScheme = static_cast<const SetAmbientColorSchemeEvent&>(event).scheme;
    } else if (type == TovarWorks::RemoveCharacterEventType) {
        const auto& remove = static_cast<const RemoveCharacterEvent&>(event);
        const auto found = characters.find(remove.id);
        if (found != characters.end()) {
            found->second->removeFromStage();
            characters.erase(found);
        }
    } else {
        return overlay.handleEvent(event);
    }
    return true;
}

bool LumoVisual::carrying() const { return itemWorld && itemWorld->isCarrying(); }

void LumoVisual::walkHero(const InputRecord& input) {
    if (!hero)
        return;
    const uint32_t elapsed = gDevice->getFrameDelta();
    const vector3df position = hero->getNode()->getPosition();
    const WalkingCollision collision(collisionGrid);
    const vector3df moved = collision.step(position, input.moveX, input.moveY, elapsed, kHeroWalkingSpeed);
    // Turns and animates her by the keys held, even against a wall; the grid decides where she goes.
    const vector3df wanted = position + vector3df(static_cast<float>(input.moveX), 0, static_cast<float>(input.moveY));
    hero->walkStep(wanted, 0);
    hero->getNode()->setPosition(moved);
}

int LumoVisual::actionAt(const vector3df& heroPosition) const {
    if (kShelfArea.contains(heroPosition))
        return ACTION_STORAGE;
    if (kTableArea.contains(heroPosition)) {
        if (!itemWorld || itemWorld->tableIsEmpty())
            return ACTION_DOUGH_MENU;
        return itemWorld->tableHoldsDough() ? ACTION_KNEAD : ACTION_NONE;
    }
    if (itemWorld && itemWorld->letterNear(heroPosition, kShelfReach))
        return ACTION_LETTER;
    return servesFrom(heroPosition) ? ACTION_SERVE : ACTION_NONE;
}

bool LumoVisual::servesFrom(const vector3df& heroPosition) const {
    if (customers.empty())
        return false;
    const vector3df customer = customers.front().character->getNode()->getPosition();
    if (groundDistance(heroPosition, customer) < kCounterReach)
        return true;
    return kCounterArea.contains(heroPosition) && groundDistance(customer, kCounterArea.spot) < kAtCounter;
}

bool LumoVisual::atCalendar(const vector3df& heroPosition) const {
    return groundDistance(heroPosition, kCalendarSpot) < kCalendarReach;
}

bool LumoVisual::atBed(const vector3df& heroPosition) const { return !carrying() && kBedArea.contains(heroPosition); }

int LumoVisual::talkAt(const vector3df& heroPosition) const {
    if (groundDistance(heroPosition, kMerchantSpot) < kCounterReach)
        return ACTION_MERCHANT;
    return groundDistance(heroPosition, kBarSpot) < kCounterReach ? ACTION_BAR : ACTION_NONE;
}

const char* LumoVisual::spaceHint(const vector3df& heroPosition) const {
    static const char* const kActionHints[] = {nullptr,        "HINT_DOUGH",  "HINT_KNEAD", "HINT_SERVE",
                                               "HINT_STOREROOM", "HINT_LETTER", "HINT_TALK",  "HINT_TALK"};
    const int action = carrying() ? ACTION_NONE : actionAt(heroPosition);
    if (action != ACTION_NONE)
        return kActionHints[action];
    // A tray on the table keeps SPACE there from doing anything else.
    if (!carrying() && kTableArea.contains(heroPosition))
        return nullptr;
    if (atCalendar(heroPosition))
        return "HINT_CALENDAR";
    if (atBed(heroPosition))
        return "HINT_BED";
    return kActionHints[talkAt(heroPosition)];
}

std::vector<std::string> LumoVisual::keyHints() const {
    if (!atTheKeys || !hero || textBoxes.getChoice() || !textBoxes.getBoxes().empty())
        return {};
    if (mode == MODE_CALENDAR)
        return {"HINT_CLOSE"};
    if (mode != MODE_WALKING)
        return {};
    static const char* const kCarryHints[] = {nullptr,       "HINT_PICK_DOUGH", "HINT_PICK_TRAY", "HINT_PICK_BOX",
                                              "HINT_PUT_DOWN", "HINT_OVEN",       "HINT_UNPACK",    "HINT_BIN"};
    const vector3df position = hero->getNode()->getPosition();
    std::vector<std::string> hints;
    if (const char* space = spaceHint(position))
        hints.push_back(space);
    if (itemWorld)
        if (const char* carry = kCarryHints[static_cast<int>(itemWorld->carryHint(position, hero->getFacing()))])
            hints.push_back(carry);
    return hints;
}

std::vector<std::wstring> LumoVisual::hintTexts() const {
    const KeyWords words(gGameData->texts);
    std::vector<std::wstring> texts;
    for (const std::string& id : keyHints())
        texts.push_back(words.withBoundKeys(gGameData->texts.getGameText(id), gGameData->settings.keys));
    return texts;
}

void LumoVisual::drawHints() const {
    if (!gGameData->settings.hints || !hud.visible)
        return;
    HintLine::draw(hintTexts());
}

int LumoVisual::interact(const InputRecord& input) {
    const bool spacePressed = input.keySpace && !spaceHeld;
    spaceHeld = input.keySpace;
    if (textBoxes.getChoice() || mode == MODE_KNEADING || mode == MODE_MIXING || mode == MODE_CALENDAR)
        return ACTION_NONE;
    if (mode != MODE_WALKING) {
        if (shopScreens)
            shopScreens->updateScreen(mode, input);
        return ACTION_NONE;
    }
    walkHero(input);
    if (!spacePressed || carrying() || !hero)
        return ACTION_NONE;
    const vector3df position = hero->getNode()->getPosition();
    const int action = actionAt(position);
    if (action == ACTION_LETTER)
        itemWorld->takeLetterNear(position, kShelfReach);
    return action;
}

bool LumoVisual::worldInput(const irr::SEvent& event) {
    if (event.EventType != irr::EET_KEY_INPUT_EVENT || mode == MODE_KNEADING || mode == MODE_MIXING ||
        mode == MODE_CALENDAR)
        return false;
    const irr::SEvent::SKeyInput& key = event.KeyInput;
    if (key.PressedDown)
        return key.Key == irr::KEY_F4 || key.Key == irr::KEY_KEY_1;
    if (mode == MODE_SELLING && shopScreens && shopScreens->sellKey(event))
        return true;
    // The keys that work the menus must not also talk to the merchant or carry things about.
    if (!hero || mode != MODE_WALKING)
        return false;
    const vector3df position = hero->getNode()->getPosition();
    if (key.Key == irr::KEY_SPACE) {
        const int action = talkAt(position);
        if (action == ACTION_NONE)
            return false;
        const uint32_t now = gDevice->getTime();
        if (!lastActionTime || now - *lastActionTime >= kActionPauseMs) {
            lastActionTime = now;
            gDevice->getEventManager()->Trigger(CallActionEvent(action));
        }
        return true;
    }
    if (key.Key == irr::KEY_KEY_C && itemWorld) {
        itemWorld->carryKey(position, hero->getFacing());
        return true;
    }
    return false;
}

void LumoVisual::bedAndCalendarCheck() {
    if (mode != MODE_WALKING || !hero)
        return;
    const vector3df position = hero->getNode()->getPosition();
    if (atCalendar(position))
        mode = MODE_CALENDAR;
    else if (atBed(position))
        textBoxes.openChoice(createBedChoice(customersStillDue()));
}

bool LumoVisual::customersStillDue() const {
    for (const QueuedCustomer& customer : customers)
        if (!customer.customer || !customer.customer->isLeaving())
            return true;
    const WorldState& world = gGameData->world;
    for (const DailyCustomer& visit : world.customers->schedule())
        if (visit.minute > world.minuteOfDay && visit.minute <= WorldState::kClockStop)
            return true;
    return false;
}

void LumoVisual::clearDay() {
    for (QueuedCustomer& customer : customers)
        customer.character->removeFromStage();
    customers.clear();
    if (itemWorld)
        itemWorld->clearDay();
}

void LumoVisual::startOver() {
    clearDay();
    createShop();
    mode = MODE_WALKING;
    hud.visible = false;
    ambientScheme = 0;
    worldActive = false;
    lastActionTime.reset();
    spaceHeld = false;
}

void LumoVisual::followHero(const vector3df& p) {
    camera->setPosition(p + vector3df(0, 160, -100));
    camera->setTarget(p + vector3df(0, 0, 5));
    wallFader.follow(p);
}

void LumoVisual::updateCustomers() {
    float place = 0.0f;
    for (QueuedCustomer& queued : customers) {
        queued.character->walkStep(vector3df(815, 0, 550.0f - 10.0f * place++));
        queued.customer->updateSteps(gDevice->getFrameDelta());
    }
    if (customers.firstRunsOutOfPatience(gGameData->world.minuteOfDay, mode == MODE_SELLING))
        gDevice->getEventManager()->QueueEvent(std::make_shared<RemoveCustomerEvent>());
}

void LumoVisual::drawModeScreen() {
    if (mode == MODE_CALENDAR) {
        calendar.draw();
        return;
    }
    if (mode != MODE_WALKING && shopScreens)
        shopScreens->drawScreen(mode);
}

void LumoVisual::drawScreenFade() {
    const irr::video::SColor fade(gGameData->screenFadeColor);
    if (fade.getAlpha() != 0)
        driver->draw2DRectangle(fade, gGameData->interfaceView.viewport);
}

void LumoVisual::render() {
    const uint32_t elapsed = gDevice->getFrameDelta();
    const vector3df p = hero ? hero->getNode()->getPosition() : vector3df(815, 0, 605);
    gGameData->heroPosition = p;
    followHero(p);
    gGameData->ambientColor = AmbientColour::at(gGameData->world.minuteOfDay, ambientScheme);
    if (worldActive)
        updateCustomers();
    if (itemWorld)
        itemWorld->update(elapsed, p, hero ? hero->getFacing() : 0);
    if (shopScreens)
        shopScreens->update(elapsed);
    flourDust->setVisible(mode == MODE_KNEADING);
    wallFader.update(elapsed);

    const irr::core::recti screen(irr::core::position2di(0, 0), driver->getScreenSize());
    const irr::core::recti& sceneArea = gGameData->interfaceView.viewport;
    driver->setViewPort(sceneArea);
    {
        const int hudBottom = gGameData->interfaceView.toPixels(HudElement::opaqueArea()).LowerRightCorner.Y;
        const SceneScissor belowTheHud(driver, sceneArea, hud.visible ? hudBottom : sceneArea.UpperLeftCorner.Y);
        scene->drawAll();
    }
    if (itemWorld)
        itemWorld->drawMarkedBoxes(driver);
    // Still inside the scene's viewport and camera: the editor's lines are 3-D.
    editor->step(driver, gDevice->getGUIEnvironment()->getBuiltInFont());
    driver->setViewPort(screen);
    if (hud.visible)
        hud.draw();
    drawModeScreen();

    if (hero)
        hero->updateSpeechBubble(p);
    for (QueuedCustomer& customer : customers)
        if (customer.character->getNode()->getPosition().getDistanceFrom(p) < 100.0f)
            customer.character->updateSpeechBubble(p);

    drawHints();
    textBoxes.drawChoice();
    drawScreenFade();
    textBoxes.drawBoxes();
    overlay.update(elapsed);
    if (overlay.visible)
        overlay.draw();
}

} // namespace Lumo
