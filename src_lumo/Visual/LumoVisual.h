#pragma once
// The bakery as the player sees it: rooms, walls that fade, decoration, the baker, the merchant
// and the barman, the customers' queue, the clock's tint and everything drawn over the scene.
// The logic owns it, hands it the frame's input and calls render once per frame.
#include "TovarWorks/GameVisual.h"
#include "src_lumo/Customers/CustomerQueue.h"
#include "src_lumo/Gui/Calendar.h"
#include "src_lumo/Gui/HudElement.h"
#include "src_lumo/Gui/InputRecord.h"
#include "src_lumo/Gui/TextBoxList.h"
#include "src_lumo/Gui/TextOverlay.h"
#include "src_lumo/Game/WorldStatus.h"
#include "src_lumo/Visual/WallFader.h"
#include "src_lumo/World/CollisionGrid.h"
#include "src_lumo/World/InteractionArea.h"

#include <irrlicht.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Lumo {

class CharNode;
struct DailyCustomer;
class IShopSequences;
class ItemWorld;
class ShopScreens;
class WorldEditor;

enum InteractionMode {
    MODE_WALKING = 0,
    MODE_DOUGH_MENU = 1,
    MODE_KNEADING = 2,
    MODE_MIXING = 3,
    MODE_SELLING = 4,
    MODE_STORAGE = 5,
    MODE_CALENDAR = 6,
    MODE_MERCHANT = 7,
    MODE_BAR = 8,
};

// The baker's action codes from the interaction step.
enum ActionCode {
    ACTION_NONE = 0,
    ACTION_DOUGH_MENU = 1,
    ACTION_KNEAD = 2,
    ACTION_SERVE = 3,
    ACTION_STORAGE = 4,
    ACTION_LETTER = 5,
    ACTION_MERCHANT = 6,
    ACTION_BAR = 7,
};

class LumoVisual : public TovarWorks::GameVisual {
public:
    static const irr::core::vector3df kMerchantSpot;
    static const irr::core::vector3df kBarSpot;
    static const irr::core::vector3df kStoreroomShelf;
    static const irr::core::vector3df kWorkTable;
    static const irr::core::vector3df kCalendarSpot;
    static const irr::core::vector3df kBedSpot;
    // Where SPACE works at the shelf, the table, the counter and the bed: the spots above and
    // the floor in front of each.
    static const InteractionArea kShelfArea;
    static const InteractionArea kTableArea;
    static const InteractionArea kCounterArea;
    static const InteractionArea kBedArea;
    static constexpr float kHeroWalkingSpeed = 0.5f; // units per 25 ms, as fast as the walking step

    LumoVisual();
    ~LumoVisual() override;
    LumoVisual(const LumoVisual&) = delete;
    LumoVisual& operator=(const LumoVisual&) = delete;

    const char* GetName() override { return "Root LumoVisualclass"; }
    bool HandleEvent(const TovarWorks::IEventData& event) override;
    void onResize() override;
    void render() override;

    // The player's walking and actions for one frame; returns an action code.
    int interact(const InputRecord& input);
    // A key that the logic's own table left to the world; true when used.
    bool worldInput(const irr::SEvent& event);
    // SPACE released: a choice is confirmed or text pages turn; true when used.
    bool confirmText() { return textBoxes.confirm(); }
    // SPACE in walking mode at the calendar or the bed.
    void bedAndCalendarCheck();
    // Customers wait at the counter or are yet to come before the clock stops.
    bool customersStillDue() const;
    // Going to bed: customers, the day's items and the letter leave the scene.
    void clearDay();
    // The game text ids of what SPACE, C and X would do now, for the hint line; empty while
    // none of them does anything or the player is not at the keys.
    std::vector<std::string> keyHints() const;
    // Those hints as the hint line shows them: in the game's language, naming the player's keys.
    std::vector<std::wstring> hintTexts() const;
    // Whether the player has the keys this frame (no story scene, no menu): hints only then.
    void setAtTheKeys(bool acting) { atTheKeys = acting; }
    // After an ending: the bakery as a new program shows it, with nothing bought or baked.
    void startOver();

    std::shared_ptr<CharNode> findCharacter(const std::string& id) const;
    void setCharacter(const std::string& id, const std::shared_ptr<CharNode>& character);
    const std::map<std::string, std::shared_ptr<CharNode>>& getCharacters() const { return characters; }
    std::shared_ptr<CharNode> getHero() const { return hero; }

    CustomerQueue& getCustomerQueue() { return customers; }
    // Puts a due visitor on stage at the door and at the end of the queue.
    std::shared_ptr<CharNode> spawnCustomer(const DailyCustomer& visit, int minuteOfDay);

    TextBoxList& getTextBoxes() { return textBoxes; }
    TextOverlay& getTextOverlay() { return overlay; }
    HudElement& getHud() { return hud; }
    Calendar& getCalendar() { return calendar; }
    const WallFader& getWallFader() const { return wallFader; }
    const CollisionGrid& getCollisionGrid() const { return collisionGrid; }
    irr::scene::ICameraSceneNode* getCamera() const { return camera; }

    int getMode() const { return mode; }
    void setMode(int newMode) { mode = newMode; }
    int getAmbientScheme() const { return ambientScheme; }
    // Customers walk and lose patience only once a game runs.
    void setWorldActive(bool active) { worldActive = active; }

    // The developer's path and collision editor; it takes input first while it is on.
    WorldEditor& getEditor() { return *editor; }
    bool editorInput(const irr::SEvent& event);

    // The constructor builds the bakery's own; tests may put stand-ins in their place.
    void setShopScreens(std::shared_ptr<ShopScreens> screens) { shopScreens = std::move(screens); }
    void setItemWorld(std::shared_ptr<ItemWorld> items) { itemWorld = std::move(items); }
    ShopScreens* getShopScreens() const { return shopScreens.get(); }
    ItemWorld* getItemWorld() const { return itemWorld.get(); }
    // The one place the shop's story moments are played through; null brings back the silent ones.
    void setShopSequences(std::shared_ptr<IShopSequences> sequences);
    IShopSequences& getShopSequences() const { return *shopSequences; }
    // A menu that answers with SPACE or X counts as an action, so the key's release right after
    // does not start the talk at the merchant or the bar again.
    void markActionTime();

private:
    void createCamera();
    void createRooms();
    void applyRoomMaterials();
    void createDecoration();
    void createResidents();
    void createFlourDust();
    void createShop();
    void loadCollisionGrid();

    void followHero(const irr::core::vector3df& heroPosition);
    void updateCustomers();
    void drawModeScreen();
    void drawScreenFade();
    void walkHero(const InputRecord& input);
    // What SPACE does in walking mode, without doing it: the codes of the interaction step, then
    // the calendar, the bed and the talks.
    int actionAt(const irr::core::vector3df& heroPosition) const;
    bool servesFrom(const irr::core::vector3df& heroPosition) const;
    bool atCalendar(const irr::core::vector3df& heroPosition) const;
    bool atBed(const irr::core::vector3df& heroPosition) const;
    int talkAt(const irr::core::vector3df& heroPosition) const;
    const char* spaceHint(const irr::core::vector3df& heroPosition) const;
    void drawHints() const;
    bool carrying() const;

    irr::scene::ISceneManager* scene;
    irr::video::IVideoDriver* driver;
    irr::scene::ICameraSceneNode* camera = nullptr;
    std::shared_ptr<CharNode> hero;
    std::map<std::string, std::shared_ptr<CharNode>> characters;
    CustomerQueue customers;
    irr::scene::IMeshSceneNode* bakery = nullptr;
    WallFader wallFader;
    std::vector<irr::scene::IBillboardSceneNode*> decoration;
    irr::scene::IParticleSystemSceneNode* flourDust = nullptr;
    CollisionGrid collisionGrid;
    std::unique_ptr<WorldEditor> editor;

    WorldStatus status;
    TextOverlay overlay;
    TextBoxList textBoxes;
    HudElement hud;
    Calendar calendar;
    std::shared_ptr<ShopScreens> shopScreens;
    std::shared_ptr<ItemWorld> itemWorld;
    std::shared_ptr<IShopSequences> shopSequences;

    int mode = MODE_WALKING;
    int ambientScheme = 0;
    bool worldActive = false;
    std::optional<uint32_t> lastActionTime;
    // Actions answer a new press of SPACE: a held key must not ask the same customer again and again.
    bool spaceHeld = false;
    bool atTheKeys = false;
};

} // namespace Lumo
