#pragma once
// Every item in the bakery and the places it can be put: the oven, the shelf things, the drop
// fields, what the baker carries, and the rules of picking up and putting down. The visual holds
// one of these; the screens create items through its factory and hand them over.
#include "src_lumo/Items/ItemFactory.h"
#include "src_lumo/Items/ShopDropFields.h"

#include <optional>
#include <vector>

namespace Lumo {

class DropObjectProcess;
class SpriteBatchNode;

enum class DropResult {
    REFUSED,   // nothing carried, no field in front, field full, or the oven will not take it
    PLACED,    // lies on a spot of the field
    STOCKED,   // an ingredient box emptied into the work table's stock
    WASTED,    // thrown into the bin
};

class BakeryItems {
public:
    static constexpr float kPickUpRange = 20.f;
    static constexpr float kAimDistance = 5.f;

    BakeryItems(irr::scene::ISceneManager* manager, const FileLoader& sprites);
    ~BakeryItems();
    BakeryItems(const BakeryItems&) = delete;
    BakeryItems& operator=(const BakeryItems&) = delete;

    const ItemFactory& getFactory() const { return factory; }
    const std::vector<VisualItemPtr>& getItems() const { return items; }
    ItemDropField& getField(ShopField field) const { return *fields[field]; }
    const std::vector<ItemDropFieldPtr>& getFields() const { return fields; }
    VisualItemOven& getOven() const { return *oven; }
    const VisualItemPtr& getCarried() const { return carried; }

    // Takes a made item into the bakery where it stands.
    void add(const VisualItemPtr& item);
    // Puts the item on the first free spot of the field, at once. False when the field is full.
    bool place(const VisualItemPtr& item, ShopField field);
    // Takes the item out of the bakery: off its spot, out of the baker's hands, off its tray.
    void remove(VisualItemPtr item); // by value: callers may pass the carried pointer itself

    // The kneaded goods (Tray::fromDough) on a fresh tray. The tray lies on the work table, where the baker
    // kneaded; when that is taken, on the first free spot of the counter or the shelves; when
    // all are taken, on the table anyway, outside any field, so no goods are ever lost.
    VisualItemMultiPtr putGoodsOnNewTray(const Tray& kneaded);
    VisualItemLetterPtr addLetter(const irr::core::vector3df& position);
    VisualItemBoxPtr addIngredientBox(const IngredientRow& contents, const irr::core::vector3df& position);
    // A box taken from the storeroom goes straight into the baker's hands; when they are full it
    // is put down at her feet instead, so the taken ingredients are never lost.
    VisualItemBoxPtr handIngredientBox(const IngredientRow& contents, const irr::core::vector3df& heroPosition);
    // A box as a saved morning left it: back on the free spot it lay on, or where it stood.
    VisualItemBoxPtr putBoxBack(const IngredientRow& contents, const irr::core::vector3df& position);
    // The lump on the work table while the dough menu is open, following the dough being mixed;
    // null takes it away. It is only a picture: the baker cannot carry it off.
    void showDoughOnTable(const Dough* dough);
    const VisualItemSinglePtr& getTableDough() const { return tableDough; }
    // The mixed dough becomes a lump of its own on the work table, one the baker may carry off
    // and knead later; the menu's picture goes.
    VisualItemSinglePtr putDoughOnTable(const Dough& dough);
    // Takes the lump off the work table for kneading; empty when no lump lies there.
    std::optional<Dough> takeDoughFromTable();

    // The C key. pickUp takes the nearest dough, tray or box within 20 units on the floor; false
    // when there is none or the baker's hands are full.
    bool pickUp(const irr::core::vector3df& heroPosition);
    // What pickUp would take; null when nothing lies within reach.
    VisualItemPtr nearestPickUp(const irr::core::vector3df& heroPosition) const;
    // Puts the carried item into the field five units in front of the baker (facing as CharNode's
    // Facing). A box on the work table adds its contents to tableStock.
    DropResult drop(const irr::core::vector3df& heroPosition, int facing, IngredientRow& tableStock);
    // The field drop would put the carried item into; empty when it would refuse.
    std::optional<size_t> dropTarget(const irr::core::vector3df& heroPosition, int facing) const;

    // Once a frame: the oven bakes by the game clock.
    void update(int32_t gameMinute);
    // Once a frame, after the baker moved: the carried item is held up in front of her.
    void carryAlong(const irr::core::vector3df& heroPosition, int facing);
    // While something is carried, the fields that would take it.
    std::vector<irr::core::aabbox3df> markedBoxes() const;
    void drawMarkedBoxes(irr::video::IVideoDriver* driver) const;

    // Goods ready to sell on the shelves and the counter, in the order they are offered.
    std::vector<VisualItemSinglePtr> readyGoodsOnDisplay() const;
    // A sold good leaves its tray and the bakery. False when no tray holds it.
    bool takeGood(const VisualItemSinglePtr& good);

    // A new day: trays, goods, dough and the letter are gone, the oven is cold. Ingredient boxes
    // stay, they are bought stock; so do the oven and the shelf things.
    void clearDayItems();

private:
    bool accepts(size_t field, const VisualItem& item) const;
    void fallOnto(const VisualItemPtr& item, const irr::core::vector3df& spot);
    void release(const VisualItem* item);
    // Stops the fall of that item, or of whatever falls when item is null.
    void stopFalling(const VisualItem* item);

    ItemFactory factory;
    VisualItemOvenPtr oven;
    std::vector<ItemDropFieldPtr> fields;
    // The shelf things never move: drawn all at once.
    SpriteBatchNode* shelfBatch;
    std::vector<VisualItemPtr> items;
    VisualItemPtr carried;
    VisualItemSinglePtr tableDough;
    // The process list owns the fall; a finished fall must not keep its item alive.
    std::weak_ptr<DropObjectProcess> falling;
};

} // namespace Lumo
