#pragma once
// Draws still sprites that stand close together (the goods on a tray, the things on the shelves)
// as one list of side walls and one of faces per texture, instead of two draw calls each: with a
// software renderer every draw call and material change costs more than a small sprite's pixels.
// The members stay scene nodes of their own, children of the batch's parent, so they are moved,
// shown and hidden as before; the batch draws them in their parent's space and rebuilds its lists
// whenever a member's frame, place or visibility changed. A member taken out of the scene is let go.
// Members are drawn sheet by sheet, not far to near: fine while the sheets have no see-through
// texels and members of different sheets do not overlap, as on a tray and on the shelves.
#include "src_lumo/Sprites/QuadMesh.h"

#include <irrlicht.h>

#include <vector>

namespace Lumo {

class CharacterNode;
class VisualCharacterFrame;

class SpriteBatchNode : public irr::scene::ISceneNode {
public:
    SpriteBatchNode(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* manager);
    ~SpriteBatchNode() override;

    // False (and nothing changes) for a null node, one already in, or one that is not a child of
    // the batch's parent.
    bool addMember(CharacterNode* member);
    // The member draws itself again. False when it is not in the batch.
    bool removeMember(CharacterNode* member);
    std::size_t memberCount() const { return members.size(); }
    // Members of one texture and one edge colour share a group; each group costs two draw calls.
    std::size_t groupCount() const { return groups.size(); }

    void OnRegisterSceneNode() override;
    void render() override;
    const irr::core::aabbox3df& getBoundingBox() const override { return box; }

private:
    // What a member showed when the lists were last built.
    struct Shown {
        const VisualCharacterFrame* frame = nullptr;
        bool visible = false;
        bool edge = false;
        irr::core::matrix4 placement;
        bool operator==(const Shown& other) const;
    };
    // The members that share one texture and one edge colour.
    struct Group {
        irr::video::SMaterial face;
        irr::video::SMaterial edge;
        QuadMesh faces;
        QuadMesh walls;
    };

    void letGoOfRemovedMembers();
    bool membersChanged();
    void rebuild();
    Group& groupFor(CharacterNode& member);

    std::vector<CharacterNode*> members;
    std::vector<Shown> shown;
    // Once the last member has gone there is nothing left to compare, yet the lists still hold it.
    bool memberLeft = false;
    std::vector<Group> groups;
    irr::core::aabbox3df box{0.f, 0.f, 0.f, 0.f, 0.f, 0.f};
};

} // namespace Lumo
