#include "SpriteViewerLogic.h"

#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Sprites/FileLoader.h"
#include "TovarWorks/TovarDevice.h"

using TovarWorks::gDevice;

SpriteViewerLogic::SpriteViewerLogic(const Lumo::FileLoader& definitionStore) : store(definitionStore)
{
    for (const auto& entry : store.getDefinitions())
        definitions.push_back(entry.second.get());
    irr::scene::ISceneManager* scene = gDevice->getSceneManager();
    scene->addCameraSceneNode(nullptr, irr::core::vector3df(0.f, 14.f, -40.f), irr::core::vector3df(0.f, 10.f, 0.f));
    if (!definitions.empty())
        showDefinition(0);
}

SpriteViewerLogic::~SpriteViewerLogic()
{
    if (node)
        node->remove();
}

bool SpriteViewerLogic::OnEvent(const irr::SEvent& event)
{
    if (event.EventType != irr::EET_KEY_INPUT_EVENT || !event.KeyInput.PressedDown || definitions.empty())
        return false;
    const std::size_t count = definitions.size();
    const std::size_t entryCount = entries.empty() ? 1 : entries.size();
    switch (event.KeyInput.Key) {
    case irr::KEY_RIGHT:
        showDefinition((definitionIndex + 1) % count);
        return true;
    case irr::KEY_LEFT:
        showDefinition((definitionIndex + count - 1) % count);
        return true;
    case irr::KEY_DOWN:
        showEntry((entryIndex + 1) % entryCount);
        return true;
    case irr::KEY_UP:
        showEntry((entryIndex + entryCount - 1) % entryCount);
        return true;
    case irr::KEY_KEY_E:
        hideEdge = !hideEdge;
        node->setHideEdge(hideEdge);
        return true;
    case irr::KEY_KEY_R:
        turning = !turning;
        if (!turning)
            node->setRotation(irr::core::vector3df(0.f, 0.f, 0.f));
        return true;
    default:
        return false;
    }
}

void SpriteViewerLogic::updateGame()
{
    if (turning && node) {
        const float degrees = node->getRotation().Y + gDevice->getFrameDelta() * 0.05f;
        node->setRotation(irr::core::vector3df(0.f, degrees > 360.f ? degrees - 360.f : degrees, 0.f));
    }
    gDevice->getSceneManager()->drawAll();
}

void SpriteViewerLogic::showDefinition(std::size_t index)
{
    definitionIndex = index;
    const Lumo::SpriteDefinition& definition = *definitions[index];
    if (node)
        node->remove();
    irr::scene::ISceneManager* scene = gDevice->getSceneManager();
    node = new Lumo::CharacterNode(scene->getRootSceneNode(), scene, definition);
    node->drop();
    node->getMaterial(0).MaterialTypeParam2 = 1.f;
    node->setHideEdge(hideEdge);
    node->setPosition(irr::core::vector3df(0.f, 0.f, 0.f));
    entries.clear();
    entriesAreFrames = definition.getAnimations().empty();
    if (entriesAreFrames) {
        for (const auto& frame : definition.getFrames())
            entries.push_back(frame.first);
    } else {
        for (const auto& animation : definition.getAnimations())
            entries.push_back(animation.first);
    }
    showEntry(0);
}

void SpriteViewerLogic::showEntry(std::size_t index)
{
    entryIndex = index;
    if (entries.empty()) {
        updateCaption();
        return;
    }
    if (entriesAreFrames) {
        node->setFrame(entries[index]);
    } else {
        node->setAnimation(entries[index], true);
        const auto* animation = node->getCurrentAnimation();
        if (animation && !animation->frames.empty())
            node->setFrame(animation->frames.front()->getName());
    }
    updateCaption();
}

void SpriteViewerLogic::updateCaption()
{
    const Lumo::SpriteDefinition& definition = *definitions[definitionIndex];
    std::wstring caption = L"Sprite viewer - " + definition.getName();
    if (!entries.empty())
        caption += (entriesAreFrames ? L" - frame " : L" - animation ") + entries[entryIndex] + L" (" +
                   std::to_wstring(entryIndex + 1) + L"/" + std::to_wstring(entries.size()) + L")";
    caption += L" - Left/Right sprite, Up/Down animation, E edges, R turn";
    gDevice->getIrrlichtDevice()->setWindowCaption(caption.c_str());
}
