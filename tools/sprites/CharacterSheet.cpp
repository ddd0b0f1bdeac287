#include "tools/sprites/CharacterSheet.h"

#include "tools/sprites/CharacterPainter.h"

namespace SpriteArt {
namespace {

struct ArmSet {
    ArmPose arms;
    const char* infix; // between "iddle_"/"walk_" and the direction
};
const ArmSet kArmSets[] = {{ArmPose::Swing, ""}, {ArmPose::Carry, "carry_"}, {ArmPose::CarryHeavy, "carry_heavy_"}};

struct Direction {
    Facing facing;
    const char* name;
};
const Direction kDirections[] = {{Facing::Down, "down"}, {Facing::Up, "up"}, {Facing::Left, "left"}, {Facing::Right, "right"}};

// A standing animation: mostly still, with one blink at the end of the cycle.
std::vector<std::string> standingCycle(const std::string& still, const std::string& blink)
{
    std::vector<std::string> frames(9, still);
    frames.push_back(blink);
    return frames;
}

} // namespace

CharacterSheet::CharacterSheet(const CharacterLook& look)
    : mLook(look), mImage(kSheetWidth, kSheetHeight)
{
    mDefinition.name = look.name;
    mDefinition.bitmap = look.name + ".png";
    mDefinition.frameSpeed = kFrameSpeed;
    mDefinition.thickness = 2.0f;
    mDefinition.borderColour = look.outline;

    // Rows: arm set x direction; columns: standing, blinking, then the walk cycle.
    int row = 0;
    for (const ArmSet& set : kArmSets) {
        for (const Direction& dir : kDirections) {
            const std::string still = std::string("iddle_") + set.infix + dir.name;
            const std::string blink = still + "_blink";
            addFrame(still, 0, row, {dir.facing, -1, set.arms, false});
            // Nobody blinks with the back of the head; that frame stays the standing pose.
            addFrame(blink, 1, row, {dir.facing, -1, set.arms, dir.facing != Facing::Up});
            std::vector<std::string> walk;
            for (int step = 0; step < kWalkFrames; ++step) {
                walk.push_back(std::string("walk_") + set.infix + dir.name + "_" + std::to_string(step + 1));
                addFrame(walk.back(), 2 + step, row, {dir.facing, step, set.arms, false});
            }
            addAnimation(still, standingCycle(still, blink));
            addAnimation(std::string("walk_") + set.infix + dir.name, walk);
            ++row;
        }
    }

    // The pose every node starts with, and the put-on-stage animation.
    addFrame("iddle1", 0, 0, {Facing::Down, -1, ArmPose::Swing, false});
    addAnimation("iddle", standingCycle("iddle1", "iddle_down_blink"));

    std::vector<std::string> knead;
    for (int step = 0; step < kKneadFrames; ++step) {
        knead.push_back("knet_left_" + std::to_string(step + 1));
        addFrame(knead.back(), step, row, {Facing::Left, step, ArmPose::Knead, false});
    }
    addAnimation("knet_left", knead);
}

void CharacterSheet::addFrame(const std::string& name, int column, int row, const CharacterPose& pose)
{
    const int x = column * CharacterPainter::kCellWidth;
    const int y = row * CharacterPainter::kCellHeight;
    mImage.blit(CharacterPainter(mLook).paint(pose), x, y);
    mDefinition.frames.push_back(
        {name, x, y, x + CharacterPainter::kCellWidth, y + CharacterPainter::kCellHeight});
}

void CharacterSheet::addAnimation(const std::string& name, std::vector<std::string> frames)
{
    mDefinition.animations.push_back({name, std::move(frames)});
}

RgbaImage CharacterSheet::frame(const std::string& name) const
{
    RgbaImage cell(CharacterPainter::kCellWidth, CharacterPainter::kCellHeight);
    for (const FrameRect& f : mDefinition.frames)
        if (f.name == name)
            for (int y = f.y1; y < f.y2; ++y)
                for (int x = f.x1; x < f.x2; ++x)
                    cell.set(x - f.x1, y - f.y1, mImage.at(x, y));
    return cell;
}

} // namespace SpriteArt
