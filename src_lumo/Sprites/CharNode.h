#pragma once
// A character on stage: its sprite node with a shadow, the direction it faces, the walking step
// that moves, turns and animates it, and its speech bubble.
#include "src_lumo/Sprites/SpeechBubble.h"

#include <irrlicht.h>

#include <cstdint>
#include <memory>
#include <string>

namespace Lumo {

class CharacterNode;
class FileLoader;

enum Facing { FACE_UP = 0, FACE_DOWN = 1, FACE_LEFT = 2, FACE_RIGHT = 3 };

class CharNode {
public:
    // Null (with a console message) when the store has no definition of that name.
    static std::shared_ptr<CharNode> putOnStage(irr::scene::ISceneManager* manager, const FileLoader& store,
                                                const std::wstring& definitionName);

    explicit CharNode(CharacterNode* node);
    ~CharNode();
    CharNode(const CharNode&) = delete;
    CharNode& operator=(const CharNode&) = delete;

    CharacterNode* getNode() const { return node; }
    int getFacing() const { return facing; }
    void setFacing(int newFacing) { facing = newFacing; }

    // One frame of walking towards target, over the last frame's milliseconds. Returns true while
    // still walking, false once arrived (then the standing animation of the facing plays).
    bool walkStep(const irr::core::vector3df& target);
    bool walkStep(const irr::core::vector3df& target, std::uint32_t elapsedMs);

    // The bubble stays until the hero comes within range; without a factory nothing is shown.
    static void setSpeechBubbleFactory(SpeechBubbleFactory factory);
    void showSpeechBubble(const irr::core::stringw& text, float hearingRange);
    void updateSpeechBubble(const irr::core::vector3df& heroPosition);
    bool hasSpeechBubble() const { return bubble != nullptr; }
    void closeSpeechBubble() { bubble.reset(); }

    // Hides the node, takes it out of the scene and drops the bubble.
    void removeFromStage();

private:
    CharacterNode* node;
    int facing = FACE_UP;
    std::shared_ptr<SpeechBubble> bubble;
};

} // namespace Lumo
