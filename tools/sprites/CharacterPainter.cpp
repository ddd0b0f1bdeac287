#include "tools/sprites/CharacterPainter.h"

#include "tools/sprites/HeadTemplates.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace SpriteArt {
namespace {

constexpr int kCentre = 12;       // the body is symmetric around the line between columns 11 and 12
constexpr int kLastLegRow = 29;   // shoes take the two bottom rows
const Colour kEye = rgb(44, 32, 48);
const Colour kBlush = rgb(236, 120, 110);

bool isWalking(const CharacterPose& pose) { return pose.step >= 0 && pose.arms != ArmPose::Knead; }

int lerpRound(int from, int to, int i, int n)
{
    return n == 0 ? from : from + static_cast<int>(std::lround(static_cast<double>(to - from) * i / n));
}

} // namespace

CharacterPainter::CharacterPainter(const CharacterLook& look)
    : mLook(look),
      mBody(look.build == Build::Child ? Body{13, 21, 5, 26, 3, 2, 5}
                                        : Body{6, 14, 9, 23, look.build == Build::Broad ? 5 : 4, 3, 8})
{
}

RgbaImage CharacterPainter::paint(const CharacterPose& pose) const
{
    RgbaImage cell(kCellWidth, kCellHeight);
    switch (pose.facing) {
    case Facing::Down: paintFrontOrBack(cell, pose, false); break;
    case Facing::Up: paintFrontOrBack(cell, pose, true); break;
    case Facing::Left:
    case Facing::Right: paintSide(cell, pose); break;
    }
    cell.outline(mLook.outline);
    // The right view is the left one seen in a mirror; the cell's centre maps onto itself.
    return pose.facing == Facing::Right ? cell.mirrored() : cell;
}

CharacterPainter::Offsets CharacterPainter::offsetsFor(const CharacterPose& pose) const
{
    Offsets o;
    if (isWalking(pose) && pose.step % 2 == 1)
        o.upper = -1; // passing position: the body is at its highest
    if (pose.arms == ArmPose::CarryHeavy) {
        o.upper += 1; // knees give under the load
        o.headX = -1;
    }
    if (pose.arms == ArmPose::Knead && pose.step > 0)
        o.headX = -1; // leaning into the dough
    return o;
}

Colour CharacterPainter::sleeveColour() const { return shade(mLook.top, 0.8f); }

bool CharacterPainter::wearsSkirt() const { return mLook.outfit == Outfit::Dress; }

int CharacterPainter::skirtBottom() const { return mBody.legTop + (mLook.build == Build::Child ? 1 : 3); }

void CharacterPainter::paintArm(RgbaImage& cell, int sx, int sy, int hx, int hy, bool far) const
{
    const Colour sleeve = far ? shade(sleeveColour(), 0.75f) : sleeveColour();
    const Colour hand = far ? shade(mLook.skin, 0.85f) : mLook.skin;
    const int steps = std::max(std::abs(hx - sx), std::abs(hy - sy));
    for (int i = 0; i <= steps; ++i)
        cell.fillRect(lerpRound(sx, hx, i, steps), lerpRound(sy, hy, i, steps), 2, 2, sleeve);
    cell.fillRect(hx, hy, 2, 2, hand);
}

void CharacterPainter::paintHead(RgbaImage& cell, int view, const Offsets& offsets, bool blink) const
{
    const HeadView headView = static_cast<HeadView>(view);
    const Colour eye = blink ? shade(mLook.skin, 0.8f) : kEye;
    const RoleColours colours = [this, eye](char role) -> std::optional<Colour> {
        switch (role) {
        case 'S': return mLook.skin;
        case 's': return shade(mLook.skin, 0.86f);
        case 'E': return eye;
        case 'c': return mix(mLook.skin, kBlush, 0.35f);
        case 'H': return mLook.hairColour;
        case 'h': return shade(mLook.hairColour, 0.75f);
        case 'C': return mLook.hatColour;
        case 'k': return shade(mLook.hatColour, 0.7f);
        case 'A': return mLook.accent;
        default: return std::nullopt;
        }
    };
    const int x = kCentre - 4 - HeadTemplates::kColumnsLeftOfHead + offsets.headX;
    const int y = mBody.headTop - HeadTemplates::kRowsAboveHead + offsets.upper;
    stampTemplate(cell, HeadTemplates::face(headView), x, y, colours);
    stampTemplate(cell, HeadTemplates::hair(mLook.hair, headView), x, y, colours);
    stampTemplate(cell, HeadTemplates::facialHair(mLook.facialHair, headView), x, y, colours);
    stampTemplate(cell, HeadTemplates::hat(mLook.hat, headView), x, y, colours);
}

void CharacterPainter::paintFrontLegs(RgbaImage& cell, const CharacterPose& pose) const
{
    const Colour legColour = wearsSkirt() ? mLook.legs : mLook.bottom;
    const bool heavy = pose.arms == ArmPose::CarryHeavy;
    const int kneeRow = mBody.legTop + (mBody.legWidth == 2 ? 2 : 3);
    for (const int side : {-1, 1}) {
        const int x0 = side < 0 ? kCentre - mBody.legWidth : kCentre;
        const bool lifted = isWalking(pose) && ((pose.step == 1 && side < 0) || (pose.step == 3 && side > 0));
        const int bottom = kLastLegRow - (lifted ? 1 : 0);
        for (int y = mBody.legTop - 2; y <= bottom; ++y) {
            const int spread = heavy && y >= kneeRow ? side : 0;
            for (int i = 0; i < mBody.legWidth; ++i) {
                const bool inner = side < 0 ? i == mBody.legWidth - 1 : i == 0;
                cell.set(x0 + i + spread, y, inner ? shade(legColour, 0.82f) : legColour);
            }
        }
        const int spread = heavy ? side : 0;
        const int toe = side < 0 ? -1 : 0; // shoes turn slightly outwards
        cell.fillRect(x0 + spread + toe, bottom + 1, mBody.legWidth + 1, 1, mLook.shoes);
        cell.fillRect(x0 + spread + toe, bottom + 2, mBody.legWidth + 1, 1, shade(mLook.shoes, 0.8f));
    }
}

void CharacterPainter::paintFrontTorso(RgbaImage& cell, int dy, bool back) const
{
    const int top = mBody.torsoTop + dy;
    const int h = mBody.torsoHeight;
    const int left = kCentre - mBody.torsoHalf;
    const int right = kCentre + mBody.torsoHalf - 1;
    const int width = right - left + 1;
    const int waist = top + h - 3;
    const Colour topShade = shade(mLook.top, 0.84f);

    cell.fillRect(left, top, width, h, mLook.top);
    cell.fillRect(right, top, 1, h, topShade);

    auto lowerGarment = [&](Colour c, int bottom) {
        // Skirt or coat tails: straight at the hips, flaring one pixel at the hem.
        for (int y = waist + 1; y <= bottom; ++y) {
            const int flare = y >= waist + 3 ? 1 : 0;
            cell.fillRect(left - flare, y, width + 2 * flare, 1, c);
            cell.set(right + flare, y, shade(c, 0.84f));
        }
        cell.fillRect(left - 1, bottom, width + 2, 1, shade(c, 0.8f));
    };

    switch (mLook.outfit) {
    case Outfit::Dress:
        lowerGarment(mLook.bottom, skirtBottom());
        break;
    case Outfit::Coat:
        lowerGarment(mLook.top, skirtBottom());
        cell.fillRect(left, waist, width, 1, shade(mLook.accent, 0.8f)); // belt
        if (!back) {
            cell.fillRect(kCentre - 1, waist + 1, 1, skirtBottom() - waist - 1, shade(mLook.top, 0.7f));
            for (int y = top + 2; y < waist; y += 2)
                cell.set(kCentre, y, mLook.accent);
        }
        break;
    case Outfit::Shirt:
    case Outfit::Uniform:
    case Outfit::Vest:
        cell.fillRect(left, top + h - 2, width, 2, mLook.bottom);
        break;
    }

    if (mLook.outfit == Outfit::Uniform) {
        cell.fillRect(left, waist, width, 1, shade(mLook.accent, 0.6f));
        if (!back) {
            cell.set(kCentre - 1, waist, mLook.accent); // buckle
            cell.set(kCentre, waist, mLook.accent);
            for (int y = top + 2; y < waist; y += 2)
                cell.set(kCentre - 1, y, mLook.accent);
        }
        cell.fillRect(left, top, width, 1, shade(mLook.top, 0.7f)); // epaulette line
    }
    if (mLook.outfit == Outfit::Vest) {
        cell.fillRect(left, top, width, h - 2, mLook.accent);
        cell.fillRect(right, top, 1, h - 2, shade(mLook.accent, 0.8f));
        if (!back) {
            cell.fillRect(kCentre - 1, top, 2, 3, mLook.top); // shirt front in the V of the vest
            cell.set(kCentre - 1, top, mLook.outline);      // bow tie
            cell.set(kCentre, top, mLook.outline);
            cell.set(kCentre - 1, top + 4, shade(mLook.accent, 0.6f));
            cell.set(kCentre - 1, top + 6, shade(mLook.accent, 0.6f));
        }
    }
    if (mLook.outfit == Outfit::Shirt && !back) {
        cell.set(kCentre - 1, top, shade(mLook.top, 0.75f)); // collar
        cell.set(kCentre, top, shade(mLook.top, 0.75f));
    }

    if (mLook.apron) {
        const Colour apron = mLook.apronColour;
        const Colour apronShade = shade(apron, 0.85f);
        if (back) {
            cell.fillRect(left, waist, width, 1, apronShade); // waist string
            cell.fillRect(kCentre - 2, waist, 4, 1, apron);    // and the bow at her back
            cell.set(kCentre - 2, waist + 1, apronShade);
            cell.set(kCentre + 1, waist + 1, apronShade);
        } else {
            const int hem = (wearsSkirt() ? skirtBottom() : mBody.legTop + 2);
            cell.fillRect(kCentre - 2, top + 1, 4, waist - top - 1, apron);      // bib
            cell.fillRect(left, top, 1, 2, apron);                              // straps
            cell.fillRect(right, top, 1, 2, apronShade);
            cell.fillRect(left + 1, waist, width - 2, hem - waist, apron);
            cell.fillRect(right - 1, waist, 1, hem - waist, apronShade);
            cell.fillRect(left, waist, width, 1, apronShade);                   // waist string
            cell.fillRect(kCentre - 2, waist + 2, 2, 1, apronShade);            // pocket
        }
    }

    if (mLook.shawl) {
        const Colour shawl = mLook.accent;
        cell.fillRect(left - 1, top, width + 2, 2, shawl);
        for (int i = 0; i < 4; ++i) {
            const int half = back ? 3 - i / 2 : 3 - i;
            if (half > 0)
                cell.fillRect(kCentre - half, top + 2 + i, 2 * half, 1, i == 3 ? shade(shawl, 0.8f) : shawl);
        }
        cell.fillRect(left - 1, top + 1, width + 2, 1, shade(shawl, 0.85f));
    }

    if (mLook.pack && !back) {
        cell.fillRect(left + 1, top, 1, 4, shade(mLook.accent, 0.7f)); // straps of the bundle
        cell.fillRect(right - 1, top, 1, 4, shade(mLook.accent, 0.7f));
    }
}

void CharacterPainter::paintFrontOrBack(RgbaImage& cell, const CharacterPose& pose, bool back) const
{
    const Offsets o = offsetsFor(pose);
    const int top = mBody.torsoTop + o.upper;
    const int left = kCentre - mBody.torsoHalf;
    const int right = kCentre + mBody.torsoHalf - 1;

    paintFrontLegs(cell, pose);
    paintFrontTorso(cell, o.upper, back);

    if (pose.arms == ArmPose::Carry || pose.arms == ArmPose::CarryHeavy) {
        const int reach = pose.arms == ArmPose::CarryHeavy ? 1 : 0;
        const int handRow = mBody.headTop - 3 + o.upper;
        paintArm(cell, left - 2, top + 1, left - 2 - reach, handRow, false);
        paintArm(cell, right + 1, top + 1, right + 1 + reach, handRow, false);
    } else {
        // The arm on the side of the foot in the air swings forward and looks a little shorter.
        const int handRow = top + mBody.armLength - 2;
        const bool walking = isWalking(pose);
        paintArm(cell, left - 2, top + 1, left - 2, handRow - (walking && pose.step == 3 ? 1 : 0), false);
        paintArm(cell, right + 1, top + 1, right + 1, handRow - (walking && pose.step == 1 ? 1 : 0), false);
    }

    if (mLook.bag) {
        const int bagTop = top + mBody.torsoHeight - 4;
        const int strapFrom = back ? left : right;
        const int strapTo = back ? right : left;
        const Colour strap = shade(mLook.accent, 0.7f);
        for (int i = 0; i <= bagTop - top; ++i)
            cell.set(lerpRound(strapFrom, strapTo, i, bagTop - top), top + i, strap);
        const int bagLeft = back ? right - 1 : left - 2;
        cell.fillRect(bagLeft, bagTop, 4, 3, mLook.accent);
        cell.fillRect(bagLeft, bagTop, 4, 1, shade(mLook.accent, 0.8f));
    }
    if (mLook.pack && back) {
        cell.fillRect(left - 1, top - 1, right - left + 3, 8, mLook.accent);
        cell.fillRect(left - 1, top + 2, right - left + 3, 1, shade(mLook.accent, 0.6f)); // rope
        cell.fillRect(right + 1, top - 1, 1, 8, shade(mLook.accent, 0.8f));
    }

    paintHead(cell, static_cast<int>(back ? HeadView::Back : HeadView::Front), o, pose.blink);
}

void CharacterPainter::paintSideLeg(RgbaImage& cell, int footShift, int lift, bool near) const
{
    const Colour base = wearsSkirt() ? mLook.legs : mLook.bottom;
    const Colour leg = near ? base : shade(base, 0.72f);
    const Colour shoe = near ? mLook.shoes : shade(mLook.shoes, 0.72f);
    const int x0 = kCentre - (mBody.legWidth == 3 ? 2 : 1);
    const int first = mBody.legTop - 2;
    const int bottom = kLastLegRow - lift;
    for (int y = first; y <= bottom; ++y) {
        const int off = lerpRound(0, footShift, y - first, bottom - first);
        cell.fillRect(x0 + off, y, mBody.legWidth, 1, leg);
    }
    cell.fillRect(x0 + footShift - 1, bottom + 1, mBody.legWidth + 1, 1, shoe); // toe points forward (left)
    cell.fillRect(x0 + footShift - 1, bottom + 2, mBody.legWidth + 1, 1, shade(shoe, 0.8f));
}

void CharacterPainter::paintSideTorso(RgbaImage& cell, int dy) const
{
    const int top = mBody.torsoTop + dy;
    const int h = mBody.torsoHeight;
    const int left = kCentre - (mBody.torsoHalf - 1) - (mLook.build == Build::Broad ? 1 : 0);
    const int right = kCentre + mBody.torsoHalf - 2;
    const int width = right - left + 1;
    const int waist = top + h - 3;

    cell.fillRect(left, top, width, h, mLook.top);
    cell.fillRect(right, top, 1, h, shade(mLook.top, 0.84f));

    auto lowerGarment = [&](Colour c, int bottom) {
        for (int y = waist + 1; y <= bottom; ++y) {
            const int flare = y >= waist + 3 ? 1 : 0;
            cell.fillRect(left - flare, y, width + 2 * flare, 1, c);
            cell.set(right + flare, y, shade(c, 0.84f));
        }
        cell.fillRect(left - 1, bottom, width + 2, 1, shade(c, 0.8f));
    };
    switch (mLook.outfit) {
    case Outfit::Dress: lowerGarment(mLook.bottom, skirtBottom()); break;
    case Outfit::Coat:
        lowerGarment(mLook.top, skirtBottom());
        cell.fillRect(left, waist, width, 1, shade(mLook.accent, 0.8f));
        break;
    case Outfit::Shirt:
    case Outfit::Uniform:
    case Outfit::Vest: cell.fillRect(left, top + h - 2, width, 2, mLook.bottom); break;
    }
    if (mLook.outfit == Outfit::Uniform) {
        cell.fillRect(left, waist, width, 1, shade(mLook.accent, 0.6f));
        cell.set(left, top + 2, mLook.accent);
        cell.set(left, top + 4, mLook.accent);
    }
    if (mLook.outfit == Outfit::Vest) {
        cell.fillRect(left + 1, top, width - 1, h - 2, mLook.accent);
        cell.fillRect(right, top, 1, h - 2, shade(mLook.accent, 0.8f));
    }
    if (mLook.apron) {
        const int hem = wearsSkirt() ? skirtBottom() : mBody.legTop + 2;
        cell.fillRect(left, top + 1, 1, waist - top - 1, mLook.apronColour);
        cell.fillRect(left - 1, waist, 2, hem - waist, mLook.apronColour);
        cell.fillRect(left - 1, hem - 1, 2, 1, shade(mLook.apronColour, 0.85f));
        cell.fillRect(left, waist, width, 1, shade(mLook.apronColour, 0.85f)); // string round the waist
        cell.set(right + 1, waist, mLook.apronColour);                          // the bow behind
    }
    if (mLook.shawl) {
        cell.fillRect(left - 1, top, width + 2, 2, mLook.accent);
        cell.fillRect(left, top + 2, width, 1, mLook.accent);
        cell.fillRect(right - 1, top + 3, 2, 1, shade(mLook.accent, 0.8f)); // the point hangs behind
    }
}

void CharacterPainter::paintSide(RgbaImage& cell, const CharacterPose& pose) const
{
    const Offsets o = offsetsFor(pose);
    const int top = mBody.torsoTop + o.upper;
    const bool child = mLook.build == Build::Child;
    const int reach = child ? 2 : 3;

    // Feet and arm swing per walk step; the near leg leads at step 0, the far one at step 2.
    int nearFoot = 0, farFoot = 1, nearLift = 0, farLift = 0, armSwing = 0;
    if (isWalking(pose)) {
        static const int kFoot[4] = {-1, 0, 1, 0};
        nearFoot = kFoot[pose.step] * reach;
        farFoot = -nearFoot;
        nearLift = pose.step == 3 ? 1 : 0;
        farLift = pose.step == 1 ? 1 : 0;
        armSwing = -kFoot[pose.step] * 2;
    } else if (pose.arms == ArmPose::Knead) {
        nearFoot = -1;
        farFoot = 2;
    }

    const int shoulderX = kCentre - 1;
    const int shoulderY = top + 1;
    const int handTop = mBody.headTop - 3 + o.upper;
    static const int kPress[4] = {0, 1, 2, 1};
    const int press = pose.arms == ArmPose::Knead ? kPress[std::clamp(pose.step, 0, 3)] : 0;
    const int heavyReach = pose.arms == ArmPose::CarryHeavy ? 1 : 0;

    switch (pose.arms) {
    case ArmPose::Swing:
        paintArm(cell, shoulderX, shoulderY, shoulderX - armSwing, top + mBody.armLength - 2, true);
        break;
    case ArmPose::Carry:
    case ArmPose::CarryHeavy:
        paintArm(cell, shoulderX + 1, shoulderY, shoulderX - 1 - heavyReach, handTop, true);
        break;
    case ArmPose::Knead:
        paintArm(cell, shoulderX, shoulderY, kCentre - 6, top + 4 + press, true);
        break;
    }

    if (mLook.pack) {
        const int packLeft = kCentre + mBody.torsoHalf - 1;
        cell.fillRect(packLeft, top - 1, 4, 8, mLook.accent);
        cell.fillRect(packLeft, top + 2, 4, 1, shade(mLook.accent, 0.6f));
        cell.fillRect(packLeft + 3, top - 1, 1, 8, shade(mLook.accent, 0.8f));
    }
    paintSideLeg(cell, farFoot, farLift, false);
    paintSideLeg(cell, nearFoot, nearLift, true);
    paintSideTorso(cell, o.upper);
    if (mLook.bag) {
        const int bagTop = top + mBody.torsoHeight - 4;
        cell.fillRect(kCentre - 2, top, 1, bagTop - top, shade(mLook.accent, 0.7f)); // strap
        cell.fillRect(kCentre - 3, bagTop, 4, 3, mLook.accent);
        cell.fillRect(kCentre - 3, bagTop, 4, 1, shade(mLook.accent, 0.8f));
    }
    paintHead(cell, static_cast<int>(HeadView::Side), o, pose.blink);

    switch (pose.arms) {
    case ArmPose::Swing:
        paintArm(cell, shoulderX, shoulderY, shoulderX + armSwing, top + mBody.armLength - 2, false);
        break;
    case ArmPose::Carry:
    case ArmPose::CarryHeavy:
        paintArm(cell, shoulderX - 1, shoulderY, shoulderX - 3 - heavyReach, handTop, false);
        break;
    case ArmPose::Knead:
        paintArm(cell, shoulderX, shoulderY, kCentre - 7, top + 4 + press, false);
        break;
    }
}

} // namespace SpriteArt
