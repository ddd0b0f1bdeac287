#pragma once
// One picture of a person: where she looks, which step of the walk, what the arms do.
namespace SpriteArt {

enum class Facing { Down, Up, Left, Right };
enum class ArmPose { Swing, Carry, CarryHeavy, Knead };

struct CharacterPose {
    Facing facing = Facing::Down;
    int step = -1;     // -1 standing, 0..3 the walk cycle, 0..3 the kneading strokes
    ArmPose arms = ArmPose::Swing;
    bool blink = false;
};

} // namespace SpriteArt
