#include "src_lumo/Items/BakeryItems.h"

#include "src_lumo/Processes/DropObjectProcess.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Sprites/SpriteBatchNode.h"
#include "TovarWorks/Processes/ProcessManager.h"
#include "TovarWorks/TovarDevice.h"

#include <algorithm>
#include <limits>

namespace Lumo {

namespace {

using irr::core::vector3df;

const vector3df kOvenPlacement(810.f, 0.f, 630.f);

struct ShelfThing {
    const wchar_t* frame;
    vector3df position;
    float scale;
};

const ShelfThing kShelfThings[] = {
    {L"stuff_coins1", {708, 10, 663}, 0.2f},  {L"stuff_coins2", {678, 10, 663}, 0.2f},
    {L"stuff_bottle1", {645, 10, 341}, 0.2f}, {L"stuff_bottle1", {640, 10, 345}, 0.2f},
    {L"stuff_kleiders", {664, 0, 352}, 0.4f}, {L"stuff_bottles", {610, 10, 345}, 0.2f},
    {L"stuff_bin", {780, 0, 635}, 0.4f},
};

// Where a kneaded tray goes when the work table is taken: the counter first, then the shelves.
const ShopField kTrayPlaces[] = {FIELD_TABLE,   FIELD_COUNTER_LEFT, FIELD_COUNTER_RIGHT,
                                 FIELD_SHELF_3, FIELD_SHELF_2,      FIELD_SHELF_1};

vector3df facingDirection(int facing)
{
    switch (facing) {
    case FACE_DOWN:
        return vector3df(0.f, 0.f, -1.f);
    case FACE_LEFT:
        return vector3df(-1.f, 0.f, 0.f);
    case FACE_RIGHT:
        return vector3df(1.f, 0.f, 0.f);
    default:
        return vector3df(0.f, 0.f, 1.f);
    }
}

bool canBePickedUp(const VisualItem& item)
{
    return item.getKind() == ITEM_DOUGH || item.getKind() == ITEM_TRAY || item.getKind() == ITEM_BOX;
}

// Shelf heights differ; the baker reaches by where she stands on the floor.
float floorDistance(const vector3df& a, const vector3df& b)
{
    return vector3df(a.X - b.X, 0.f, a.Z - b.Z).getLength();
}

} // namespace

BakeryItems::BakeryItems(irr::scene::ISceneManager* manager, const FileLoader& sprites)
    : factory(manager, sprites), oven(factory.oven(kOvenPlacement)), fields(ShopDropFields::create()),
      shelfBatch(new SpriteBatchNode(manager->getRootSceneNode(), manager))
{
    fields.push_back(oven->getField());
    items.push_back(oven);
    for (const ShelfThing& thing : kShelfThings) {
        VisualItemSinglePtr shelfThing = factory.shelfThing(thing.frame, thing.position, thing.scale);
        shelfBatch->addMember(shelfThing->getSpriteNode());
        items.push_back(shelfThing);
    }
}

BakeryItems::~BakeryItems()
{
    stopFalling(nullptr);
    // Held here as well as by the scene: the scene may be cleared before the bakery goes.
    shelfBatch->remove();
    shelfBatch->drop();
}

void BakeryItems::add(const VisualItemPtr& item)
{
    if (item && std::find(items.begin(), items.end(), item) == items.end())
        items.push_back(item);
}

bool BakeryItems::place(const VisualItemPtr& item, ShopField field)
{
    DropPoint* point = fields[field]->firstFreePoint();
    if (!item || !point)
        return false;
    release(item.get());
    stopFalling(item.get());
    if (carried == item)
        carried.reset();
    point->item = item;
    item->setPosition(point->position);
    add(item);
    return true;
}

void BakeryItems::remove(VisualItemPtr item)
{
    if (!item)
        return;
    release(item.get());
    if (carried == item)
        carried.reset();
    stopFalling(item.get());
    items.erase(std::remove(items.begin(), items.end(), item), items.end());
    if (const auto good = std::dynamic_pointer_cast<VisualItemSingle>(item))
        takeGood(good);
}

VisualItemMultiPtr BakeryItems::putGoodsOnNewTray(const Tray& kneaded)
{
    const vector3df table = fields[FIELD_TABLE]->getPoints().front().position;
    VisualItemMultiPtr tray = factory.tray(table);
    for (const BakedGood& good : kneaded.goods)
        tray->addGood(factory.good(good, vector3df(0.f, 0.f, 0.f)));
    const bool placed = std::any_of(std::begin(kTrayPlaces), std::end(kTrayPlaces),
                                    [&](ShopField field) { return place(tray, field); });
    if (!placed)
        add(tray);
    return tray;
}

VisualItemLetterPtr BakeryItems::addLetter(const vector3df& position)
{
    VisualItemLetterPtr letter = factory.letter(position);
    add(letter);
    return letter;
}

VisualItemBoxPtr BakeryItems::addIngredientBox(const IngredientRow& contents, const vector3df& position)
{
    VisualItemBoxPtr box = factory.box(contents, position);
    add(box);
    return box;
}

VisualItemBoxPtr BakeryItems::handIngredientBox(const IngredientRow& contents, const vector3df& heroPosition)
{
    VisualItemBoxPtr box = addIngredientBox(contents, heroPosition);
    if (!carried)
        carried = box;
    return box;
}

VisualItemBoxPtr BakeryItems::putBoxBack(const IngredientRow& contents, const vector3df& position)
{
    constexpr float kSameSpot = 0.01f;
    VisualItemBoxPtr box = addIngredientBox(contents, position);
    for (const ItemDropFieldPtr& field : fields) {
        DropPoint* point = field->freePointNearest(position);
        if (point && point->position.getDistanceFrom(position) < kSameSpot) {
            point->item = box;
            break;
        }
    }
    return box;
}

void BakeryItems::showDoughOnTable(const Dough* dough)
{
    if (!dough) {
        tableDough.reset();
        return;
    }
    const std::string picture = dough->pictureName();
    const std::wstring frame(picture.begin(), picture.end());
    if (!tableDough)
        tableDough = factory.dough(frame, fields[FIELD_TABLE]->getPoints().front().position);
    else
        tableDough->setFrame(frame);
}

VisualItemSinglePtr BakeryItems::putDoughOnTable(const Dough& dough)
{
    showDoughOnTable(nullptr);
    const vector3df table = fields[FIELD_TABLE]->getPoints().front().position;
    VisualItemSinglePtr lump = factory.dough(L"item_dough_1", table);
    lump->setDough(dough);
    // A full table (something put there while mixing) still gets the lump, beside the field.
    if (!place(lump, FIELD_TABLE))
        add(lump);
    return lump;
}

std::optional<Dough> BakeryItems::takeDoughFromTable()
{
    const auto lump = std::dynamic_pointer_cast<VisualItemSingle>(fields[FIELD_TABLE]->firstItem());
    if (!lump || lump->getKind() != ITEM_DOUGH)
        return std::nullopt;
    const Dough dough = lump->getDough();
    remove(lump);
    return dough;
}

VisualItemPtr BakeryItems::nearestPickUp(const vector3df& heroPosition) const
{
    VisualItemPtr nearest;
    float nearestDistance = std::numeric_limits<float>::max();
    for (const VisualItemPtr& item : items) {
        const float distance = floorDistance(item->getPosition(), heroPosition);
        if (canBePickedUp(*item) && distance <= kPickUpRange && distance < nearestDistance) {
            nearest = item;
            nearestDistance = distance;
        }
    }
    return nearest;
}

bool BakeryItems::pickUp(const vector3df& heroPosition)
{
    if (carried)
        return false;
    const VisualItemPtr nearest = nearestPickUp(heroPosition);
    if (!nearest)
        return false;
    stopFalling(nearest.get());
    release(nearest.get());
    carried = nearest;
    return true;
}

DropResult BakeryItems::drop(const vector3df& heroPosition, int facing, IngredientRow& tableStock)
{
    const std::optional<size_t> target = dropTarget(heroPosition, facing);
    if (!target)
        return DropResult::REFUSED;
    const size_t index = *target;
    ItemDropField* field = fields[index].get();
    if (index == FIELD_WASTE) {
        remove(carried);
        return DropResult::WASTED;
    }
    if (index == FIELD_TABLE && carried->getKind() == ITEM_BOX) {
        addToStock(tableStock, static_cast<const VisualItemBox&>(*carried).getContents());
        remove(carried);
        return DropResult::STOCKED;
    }
    DropPoint* point = field->freePointNearest(heroPosition + facingDirection(facing) * kAimDistance);
    point->item = carried;
    fallOnto(carried, point->position);
    carried.reset();
    return DropResult::PLACED;
}

bool BakeryItems::accepts(size_t field, const VisualItem& item) const
{
    if (field == FIELD_WASTE || (field == FIELD_TABLE && item.getKind() == ITEM_BOX))
        return true;
    if (fields[field]->isFull())
        return false;
    if (field == FIELD_OVEN)
        return item.getKind() == ITEM_TRAY && static_cast<const VisualItemMulti&>(item).fitsInOven();
    return true;
}

std::optional<size_t> BakeryItems::dropTarget(const vector3df& heroPosition, int facing) const
{
    if (!carried)
        return std::nullopt;
    // Straight ahead first, then a little to either side, as far as her shoulders reach: standing
    // anywhere in front of the oven or a shelf is enough.
    const vector3df ahead = facingDirection(facing);
    const vector3df side(ahead.Z, 0.f, -ahead.X);
    for (const float shift : {0.f, -2.f, 2.f, -4.f, 4.f}) {
        const vector3df aim = heroPosition + ahead * kAimDistance + side * shift;
        for (size_t index = 0; index < fields.size(); ++index)
            if (fields[index]->covers(aim) && accepts(index, *carried))
                return index;
    }
    return std::nullopt;
}

void BakeryItems::fallOnto(const VisualItemPtr& item, const vector3df& spot)
{
    stopFalling(nullptr);
    const auto fall = std::make_shared<DropObjectProcess>(item, spot, false);
    if (TovarWorks::gDevice && TovarWorks::gDevice->getProcessManager() &&
        TovarWorks::gDevice->getProcessManager()->Attach(fall))
        falling = fall;
    else
        item->setPosition(spot);
}

void BakeryItems::stopFalling(const VisualItem* item)
{
    const std::shared_ptr<DropObjectProcess> fall = falling.lock();
    if (!fall || (item && fall->object.get() != item))
        return;
    // Lands at once, so a fall cut short never leaves an item hanging in the air.
    if (fall->object)
        fall->object->setPosition(fall->target);
    fall->Kill();
    falling.reset();
}

void BakeryItems::release(const VisualItem* item)
{
    for (const ItemDropFieldPtr& field : fields)
        field->release(item);
}

void BakeryItems::update(int32_t gameMinute)
{
    for (const VisualItemPtr& item : items)
        item->update(gameMinute);
}

void BakeryItems::carryAlong(const vector3df& heroPosition, int facing)
{
    if (carried)
        carried->setPosition(heroPosition + vector3df(0.f, facing == FACE_RIGHT ? 25.f : 30.f, -2.f));
}

std::vector<irr::core::aabbox3df> BakeryItems::markedBoxes() const
{
    std::vector<irr::core::aabbox3df> boxes;
    if (!carried)
        return boxes;
    for (size_t field = 0; field < fields.size(); ++field)
        if (accepts(field, *carried))
            boxes.push_back(fields[field]->getBox());
    return boxes;
}

void BakeryItems::drawMarkedBoxes(irr::video::IVideoDriver* driver) const
{
    const std::vector<irr::core::aabbox3df> boxes = markedBoxes();
    if (boxes.empty())
        return;
    irr::video::SMaterial material;
    material.Lighting = false;
    driver->setMaterial(material);
    driver->setTransform(irr::video::ETS_WORLD, irr::core::IdentityMatrix);
    for (const irr::core::aabbox3df& box : boxes)
        driver->draw3DBox(box, irr::video::SColor(0xFFFFFFFF));
}

std::vector<VisualItemSinglePtr> BakeryItems::readyGoodsOnDisplay() const
{
    std::vector<VisualItemSinglePtr> goods;
    for (size_t field = 0; field < fields.size(); ++field) {
        if (!ShopDropFields::isDisplay(field))
            continue;
        for (const VisualItemPtr& item : fields[field]->allItems()) {
            if (item->getKind() != ITEM_TRAY)
                continue;
            for (const VisualItemSinglePtr& good : static_cast<const VisualItemMulti&>(*item).getGoods())
                if (good->getGood().done)
                    goods.push_back(good);
        }
    }
    return goods;
}

bool BakeryItems::takeGood(const VisualItemSinglePtr& good)
{
    for (const VisualItemPtr& item : items)
        if (item->getKind() == ITEM_TRAY && static_cast<VisualItemMulti&>(*item).removeGood(good))
            return true;
    return false;
}

void BakeryItems::clearDayItems()
{
    tableDough.reset();
    std::vector<VisualItemPtr> leaving;
    std::copy_if(items.begin(), items.end(), std::back_inserter(leaving), [](const VisualItemPtr& item) {
        return item->getKind() == ITEM_TRAY || item->getKind() == ITEM_GOOD || item->getKind() == ITEM_DOUGH ||
               item->getKind() == ITEM_LETTER;
    });
    for (const VisualItemPtr& item : leaving)
        remove(item);
}

} // namespace Lumo
