#pragma once
// Makes the shop's visual items with the look each kind has: sprite or mesh, material, scale,
// tilt and picture. Items stand where they are made, except the oven, which has its one place.
#include "src_lumo/Items/VisualItemBox.h"
#include "src_lumo/Items/VisualItemLetter.h"
#include "src_lumo/Items/VisualItemMulti.h"
#include "src_lumo/Items/VisualItemOven.h"
#include "src_lumo/Items/VisualItemSingle.h"

#include <string>

namespace Lumo {

class FileLoader;

class ItemFactory {
public:
    ItemFactory(irr::scene::ISceneManager* manager, const FileLoader& sprites) : manager(manager), sprites(sprites) {}

    // A good in the given baking state, showing its stage.
    VisualItemSinglePtr good(const BakedGood& state, const irr::core::vector3df& position) const;
    // A lump of dough showing one of "item_dough_1" to "item_dough_7".
    VisualItemSinglePtr dough(const std::wstring& frame, const irr::core::vector3df& position) const;
    // A thing on a shelf from the "stuff" sheet, e.g. "stuff_coins1".
    VisualItemSinglePtr shelfThing(const std::wstring& frame, const irr::core::vector3df& position,
                                   float scale = 0.2f) const;
    VisualItemMultiPtr tray(const irr::core::vector3df& position) const;
    VisualItemBoxPtr box(const IngredientRow& contents, const irr::core::vector3df& position) const;
    VisualItemLetterPtr letter(const irr::core::vector3df& position) const;
    // Whatever position it is given, the oven's mesh stands at (825, 0, 640); its field lies at
    // the placement point.
    VisualItemOvenPtr oven(const irr::core::vector3df& placement) const;

private:
    // Null (with a console message) when the sheet is missing; the node draws nothing until a
    // frame of that name is set.
    CharacterNode* sprite(const wchar_t* definition, const std::wstring& frame, const irr::core::vector3df& position,
                          float scale, float tilt) const;
    irr::scene::IMeshSceneNode* mesh(const char* file, const irr::core::vector3df& position,
                                     const char* material) const;

    irr::scene::ISceneManager* manager;
    const FileLoader& sprites;
};

} // namespace Lumo
