#include "src_lumo/Sprites/SpriteBatchNode.h"

#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Sprites/VisualCharacterFrame.h"

#include <algorithm>

namespace Lumo {

bool SpriteBatchNode::Shown::operator==(const Shown& other) const
{
    return frame == other.frame && visible == other.visible && edge == other.edge && placement == other.placement;
}

SpriteBatchNode::SpriteBatchNode(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* manager)
    : ISceneNode(parent, manager)
{
}

SpriteBatchNode::~SpriteBatchNode()
{
    for (CharacterNode* member : members) {
        member->setBatched(false);
        member->drop();
    }
}

bool SpriteBatchNode::addMember(CharacterNode* member)
{
    if (!member || member->getParent() != getParent() ||
        std::find(members.begin(), members.end(), member) != members.end())
        return false;
    member->grab();
    member->setBatched(true);
    members.push_back(member);
    return true;
}

bool SpriteBatchNode::removeMember(CharacterNode* member)
{
    const auto it = std::find(members.begin(), members.end(), member);
    if (it == members.end())
        return false;
    member->setBatched(false);
    member->drop();
    members.erase(it);
    memberLeft = true;
    return true;
}

// The lists are brought up to date before the scene manager culls the batch by its box.
void SpriteBatchNode::OnRegisterSceneNode()
{
    if (IsVisible) {
        letGoOfRemovedMembers();
        for (CharacterNode* member : members)
            member->stepByLastFrame();
        if (membersChanged())
            rebuild();
        if (!groups.empty())
            SceneManager->registerNodeForRendering(this, irr::scene::ESNRP_TRANSPARENT);
    }
    ISceneNode::OnRegisterSceneNode();
}

void SpriteBatchNode::render()
{
    irr::video::IVideoDriver* driver = SceneManager->getVideoDriver();
    driver->setTransform(irr::video::ETS_WORLD, AbsoluteTransformation);
    for (const Group& group : groups) {
        if (!group.walls.empty()) {
            driver->setMaterial(group.edge);
            group.walls.draw(driver);
        }
        driver->setMaterial(group.face);
        group.faces.draw(driver);
    }
}

// A member whose node left the scene (its item is gone) or was moved under another parent.
void SpriteBatchNode::letGoOfRemovedMembers()
{
    std::vector<CharacterNode*> gone;
    for (CharacterNode* member : members)
        if (member->getParent() != getParent())
            gone.push_back(member);
    for (CharacterNode* member : gone)
        removeMember(member);
}

// Runs every frame: compares in place, without allocating.
bool SpriteBatchNode::membersChanged()
{
    // A new member's record starts empty, so it differs from what the member shows.
    bool changed = memberLeft;
    memberLeft = false;
    shown.resize(members.size());
    for (std::size_t i = 0; i < members.size(); ++i) {
        const Shown now{members[i]->getCurrentFrame(), members[i]->isVisible(), !members[i]->isEdgeHidden(),
                        members[i]->getRelativeTransformation()};
        if (!(now == shown[i])) {
            shown[i] = now;
            changed = true;
        }
    }
    return changed;
}

void SpriteBatchNode::rebuild()
{
    groups.clear();
    bool boxStarted = false;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const Shown& member = shown[i];
        if (!member.frame || !member.visible)
            continue;
        Group& group = groupFor(*members[i]);
        group.faces.addTransformed(member.frame->getFrontMesh(), member.placement);
        if (member.edge)
            group.walls.addTransformed(member.frame->getEdgeMesh(), member.placement);
        irr::core::aabbox3df placed = member.frame->getBoundingBox();
        member.placement.transformBoxEx(placed);
        if (boxStarted)
            box.addInternalBox(placed);
        else
            box = placed;
        boxStarted = true;
    }
    if (!boxStarted)
        box.reset(0.f, 0.f, 0.f);
}

SpriteBatchNode::Group& SpriteBatchNode::groupFor(CharacterNode& member)
{
    const irr::video::SMaterial& face = member.getMaterial(0);
    const irr::video::SMaterial& edge = member.getEdgeMaterial();
    for (Group& group : groups)
        if (group.face.getTexture(0) == face.getTexture(0) && group.edge.DiffuseColor == edge.DiffuseColor)
            return group;
    groups.push_back(Group{face, edge, {}, {}});
    return groups.back();
}

} // namespace Lumo
