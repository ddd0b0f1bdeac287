#include "src_lumo/Menus/TitleGoods.h"

#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Sprites/FileLoader.h"

namespace Lumo {

FallingGoodFactory titleGoodsFactory(const FileLoader& sprites) {
    return [&sprites](irr::scene::ISceneManager* scene, const std::string& frame) -> irr::scene::ISceneNode* {
        const SpriteDefinition* items = sprites.getDefinition(L"items");
        if (!items)
            return nullptr;
        auto* node = new CharacterNode(scene->getRootSceneNode(), scene, *items);
        node->setFrame(std::wstring(frame.begin(), frame.end()));
        // Flat goods in the rain: an outline would ring every one of them.
        node->setHideEdge(true);
        node->drop(); // the menu's scene holds it; the menu removes it when it has fallen
        return node;
    };
}

} // namespace Lumo
