#include "src_lumo/Items/ItemFactory.h"

#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Sprites/FileLoader.h"
#include "src_lumo/Visual/MeshFiles.h"
#include "TovarWorks/Shaders/ShaderManager.h"
#include "TovarWorks/TovarDevice.h"

namespace Lumo {

namespace {

using irr::core::vector3df;

const vector3df kOvenStands(825.f, 0.f, 640.f);

// Falls back to Irrlicht's solid material when the shaders are not there (or failed to compile).
irr::video::E_MATERIAL_TYPE shaderMaterial(const char* name)
{
    const auto shaders = TovarWorks::gDevice ? TovarWorks::gDevice->getShaderManager() : nullptr;
    return shaders ? shaders->materialType(name) : irr::video::EMT_SOLID;
}

// A sprite that lets go of its node holds nothing: the item keeps the only reference.
template <typename Item>
std::shared_ptr<Item> holding(ItemKind kind, CharacterNode* node)
{
    auto item = std::make_shared<Item>(kind, node);
    if (node)
        node->drop();
    return item;
}

} // namespace

CharacterNode* ItemFactory::sprite(const wchar_t* definitionName, const std::wstring& frame,
                                   const vector3df& position, float scale, float tilt) const
{
    const SpriteDefinition* definition = sprites.getDefinition(definitionName);
    if (!definition) {
        if (TovarWorks::gDevice)
            TovarWorks::gDevice->printError(L"Unknown sprite definition: %p", definitionName);
        return nullptr;
    }
    auto* node = new CharacterNode(manager->getRootSceneNode(), manager, *definition);
    node->setScale(vector3df(scale, scale, scale));
    node->setRotation(vector3df(tilt, 0.f, 0.f));
    node->setPosition(position);
    node->setFrame(frame);
    return node;
}

irr::scene::IMeshSceneNode* ItemFactory::mesh(const char* file, const vector3df& position, const char* material) const
{
    irr::scene::IAnimatedMesh* loaded = MeshFiles::load(manager, file);
    if (!loaded)
        return nullptr;
    irr::scene::IMeshSceneNode* node = manager->addMeshSceneNode(loaded->getMesh(0), nullptr, -1, position);
    if (!node)
        return nullptr;
    node->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    node->setMaterialType(shaderMaterial(material));
    return node;
}

VisualItemSinglePtr ItemFactory::good(const BakedGood& state, const vector3df& position) const
{
    auto item = holding<VisualItemSingle>(ITEM_GOOD, sprite(L"items", L"", position, 0.2f, 45.f));
    item->setGood(state);
    return item;
}

VisualItemSinglePtr ItemFactory::dough(const std::wstring& frame, const vector3df& position) const
{
    return holding<VisualItemSingle>(ITEM_DOUGH, sprite(L"items", frame, position, 0.2f, 45.f));
}

VisualItemSinglePtr ItemFactory::shelfThing(const std::wstring& frame, const vector3df& position, float scale) const
{
    return holding<VisualItemSingle>(ITEM_SHELF_THING, sprite(L"stuff", frame, position, scale, 15.f));
}

VisualItemMultiPtr ItemFactory::tray(const vector3df& position) const
{
    return std::make_shared<VisualItemMulti>(mesh("lumodata/3d/blech.3ds", position, "cuboldShader"));
}

VisualItemBoxPtr ItemFactory::box(const IngredientRow& contents, const vector3df& position) const
{
    CharacterNode* node = sprite(L"items", L"item_box", position, 0.4f, 15.f);
    auto item = std::make_shared<VisualItemBox>(node, contents);
    if (node)
        node->drop();
    return item;
}

VisualItemLetterPtr ItemFactory::letter(const vector3df& position) const
{
    CharacterNode* node = sprite(L"items", L"item_letter", position, 0.2f, 45.f);
    auto item = std::make_shared<VisualItemLetter>(node);
    if (node)
        node->drop();
    return item;
}

VisualItemOvenPtr ItemFactory::oven(const vector3df& placement) const
{
    irr::scene::IMeshSceneNode* node = mesh("lumodata/3d/oven.3DS", kOvenStands, "alphatransparencynosm");
    if (node)
        for (irr::u32 i = 0; i < node->getMaterialCount(); ++i)
            for (irr::u32 layer = 0; layer < irr::video::MATERIAL_MAX_TEXTURES; ++layer)
                node->getMaterial(i).TextureLayer[layer].BilinearFilter = false;
    return std::make_shared<VisualItemOven>(node, manager, placement);
}

} // namespace Lumo
