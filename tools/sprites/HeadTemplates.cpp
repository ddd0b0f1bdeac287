#include "tools/sprites/HeadTemplates.h"

namespace SpriteArt {
namespace {

// Roles: S skin, s skin shade, E eye, c cheek, H hair, h hair shade, C hat, k hat shade, A accent.
const PixelTemplate kEmpty;

const PixelTemplate kFaceFront = {
    "............", "............", "............", "............",
    "...SSSSSS...", "..SSSSSSSS..", "..SSSSSSSS..", "..SSSSSSSS..",
    "..SSESSESS..", "..SSESSESS..", "..ScSSSScs..", "...sSSSSs...",
};
const PixelTemplate kFaceBack = {
    "............", "............", "............", "............",
    "...SSSSSS...", "..SSSSSSSS..", "..SSSSSSSS..", "..SSSSSSSS..",
    "..SSSSSSSS..", "..SSSSSSSS..", "..SSSSSSSs..", "...sSSSSs...",
};
const PixelTemplate kFaceSide = {
    "............", "............", "............", "............",
    "...SSSSSS...", "..SSSSSSSS..", "..SSSSSSSS..", "..SSSSSSSS..",
    "..SESSSSSS..", ".SSESSSSSs..", "..SScSSSSs..", "...SSSSs....",
};

const PixelTemplate kShortFront = {
    "............", "............", "............", "...HHHHHH...",
    "..HHHHHHHH..", "..HhHHHHhH..", "..H......H..", "..h......h..",
};
const PixelTemplate kShortBack = {
    "............", "............", "............", "...HHHHHH...",
    "..HHHHHHHH..", "..HHHHHHHH..", "..HHHHHHHH..", "..HHHHHHHH..",
    "..HHHHHHHH..", "..hHHHHHHh..", "...hhhhhh...",
};
const PixelTemplate kShortSide = {
    "............", "............", "............", "...HHHHHH...",
    "..HHHHHHHH..", "..HhHHHHHH..", ".....HHHHH..", "......sHHH..",
    "......sHHH..", ".......HHh..", "........h...",
};

const PixelTemplate kBunFront = {
    "....hHHh....", "...hHHHHh...", "....hhhh....", "...HHHHHH...",
    "..HHHHHHHH..", "..HhHHHHhH..", "..HH....HH..", "..H......H..",
    "..h......h..",
};
const PixelTemplate kBunBack = {
    "....hHHh....", "...hHHHHh...", "....hhhh....", "...HHHHHH...",
    "..HHHHHHHH..", "..HHHHHHHH..", "..HHHHHHHH..", "..HHHHHHHH..",
    "..HHHHHHHH..", "..hHHHHHHh..", "...hHHHHh...",
};
const PixelTemplate kBunSide = {
    "............", ".......hHh..", "......hHHHh.", "...HHHHhHh..",
    "..HHHHHHHH..", "..HhHHHHHH..", ".....HHHHH..", "......sHHH..",
    "......sHHH..", ".......HHh..",
};

const PixelTemplate kMessyFront = {
    "............", "...H.H.H....", "..HHHHHHH...", "..HHHHHHHH..",
    ".HHHHHHHHHH.", "..HHhHHhHH..", "..Hh....hH..", "..h......h..",
};
const PixelTemplate kMessyBack = {
    "............", "...H.H.H....", "..HHHHHHH...", "..HHHHHHHH..",
    ".HHHHHHHHHH.", "..HHHHHHHH..", "..HHHHHHHH..", "..HHHHHHHH..",
    "..HHHHHHHH..", "..hHHHHHHh..", "...h.hh.h...",
};
const PixelTemplate kMessySide = {
    "............", "....H.H.H...", "...HHHHHHH..", "..HHHHHHHHH.",
    "..HHHHHHHHHH", "..HhHHHHHHH.", "....hHHHHH..", "......sHHH..",
    "......sHHh..", ".......Hh...",
};

const PixelTemplate kLongFront = {
    "............", "............", "............", "...HHHHHH...",
    "..HHHHHHHH..", ".HHHHHHHHHH.", ".HHhHHHHhHH.", ".HH......HH.",
    ".HH......HH.", ".HH......HH.", ".HH......HH.", ".Hh......hH.",
    ".Hh......hH.", ".h........h.",
};
const PixelTemplate kLongBack = {
    "............", "............", "............", "...HHHHHH...",
    "..HHHHHHHH..", ".HHHHHHHHHH.", ".HHHHHHHHHH.", ".HHHHHHHHHH.",
    ".HHHHHHHHHH.", ".HHHHHHHHHH.", ".HHHHHHHHHH.", ".HHHHHHHHHH.",
    ".HHHHHHHHHH.", ".hHHHHHHHHh.", "..hhhhhhhh..",
};
const PixelTemplate kLongSide = {
    "............", "............", "............", "...HHHHHH...",
    "..HHHHHHHH..", "..HhHHHHHHH.", ".....HHHHHH.", "......sHHHH.",
    "......sHHHH.", "......HHHHH.", "......HHHHH.", "......HHHHh.",
    ".......HHHh.", ".......hHh..",
};

const PixelTemplate kPonytailFront = {
    "............", "............", "....HHHH....", "...HHHHHH...",
    "..HHHHHHHH..", "..HhHHHHhH..", "..HH....HH..", "..H......H..",
    "..h......h..",
};
const PixelTemplate kPonytailBack = {
    "............", "............", "....HHHH....", "...HHHHHH...",
    "..HHHHHHHH..", "..HHHHHHHH..", "..HHHAAHHH..", "..HHHhhHHH..",
    "..HHHhhHHH..", "..hHHhhHHh..", "....hHHh....", ".....HH.....",
    ".....Hh.....", ".....hh.....",
};
const PixelTemplate kPonytailSide = {
    "............", "............", "....HHHH....", "...HHHHHH...",
    "..HHHHHHHH..", "..HhHHHHHAH.", ".....HHHHHHH", "......sHHHHH",
    "......sHHh.H", ".......HH..H", "...........h",
};

const PixelTemplate kPigtailsFront = {
    "............", "............", "............", "...HHHHHH...",
    "..HHHHHHHH..", "..HhHHHHhH..", "AHH......HHA", "HHh......hHH",
    "HH........HH", "h..........h",
};
const PixelTemplate kPigtailsBack = {
    "............", "............", "............", "...HHHHHH...",
    "..HHHHHHHH..", "..HHHHHHHH..", "AHHHHHHHHHHA", "HHHHHHHHHHHH",
    "HHhHHHHHHhHH", "h.hhhhhhhh.h",
};
const PixelTemplate kPigtailsSide = {
    "............", "............", "............", "...HHHHHH...",
    "..HHHHHHHH..", "..HhHHHHHH..", ".....HHHHHA.", "......sHHHHH",
    "......sHH.HH", ".......Hh..h",
};

const PixelTemplate kBaldFront = {
    "............", "............", "............", "............",
    "............", "............", "..H......H..", "..H......H..",
    "..h......h..",
};
const PixelTemplate kBaldBack = {
    "............", "............", "............", "............",
    "............", "............", "..H......H..", "..HH....HH..",
    "..HHHHHHHH..", "..hHHHHHHh..",
};
const PixelTemplate kBaldSide = {
    "............", "............", "............", "............",
    "............", "............", "........HH..", "......sHHH..",
    "......sHHH..", "........Hh..",
};

const PixelTemplate kCapFront = {
    "............", "............", "....CCCC....", "...CCCCCC...",
    "..CCCAACCC..", "..kkkkkkkk..",
};
const PixelTemplate kCapBack = {
    "............", "............", "....CCCC....", "...CCCCCC...",
    "..CCCCCCCC..", "..kCCCCCCk..",
};
const PixelTemplate kCapSide = {
    "............", "............", ".....CCCC...", "...CCCCCCC..",
    "..CCCCCCCC..", "kkkkkCCCCk..",
};

const PixelTemplate kFlatCapFront = {
    "............", "............", "............", "...CCCCCC...",
    "..CCCCCCCC..", ".kkkkkkkkkk.",
};
const PixelTemplate kFlatCapBack = {
    "............", "............", "............", "...CCCCCC...",
    "..CCCCCCCC..", "..kkkkkkkk..",
};
const PixelTemplate kFlatCapSide = {
    "............", "............", "............", "...CCCCCCC..",
    "..CCCCCCCCC.", "kkkkCCCCCk..",
};

const PixelTemplate kBrimmedFront = {
    "....CCCC....", "...CCCCCC...", "...CCCCCC...", "...AAAAAA...",
    "kCCCCCCCCCCk",
};
const PixelTemplate kBrimmedSide = {
    ".....CCCC...", "....CCCCCC..", "....CCCCCC..", "....AAAAAA..",
    "kCCCCCCCCCCk",
};

const PixelTemplate kPeakedFront = {
    ".....AA.....", "...CCCCCC...", "...CCCCCC...", "...CCAACC...",
    "..CCCCCCCC..", "..kkkkkkkk..",
};
const PixelTemplate kPeakedBack = {
    ".....AA.....", "...CCCCCC...", "...CCCCCC...", "...CCCCCC...",
    "..CCCCCCCC..", "..CCCCCCCC..",
};
const PixelTemplate kPeakedSide = {
    "......AA....", "...CCCCCC...", "...CCCCCC...", "...CCCCCA...",
    "..CCCCCCCC..", "kkkkCCCCCC..",
};

const PixelTemplate kBeardFront = {
    "............", "............", "............", "............",
    "............", "............", "............", "............",
    "............", "..H......H..", "..HHShhSHH..", "..HHHHHHHH..",
    "...HHHHHH...", "....hHHh....",
};
const PixelTemplate kBeardSide = {
    "............", "............", "............", "............",
    "............", "............", "............", "............",
    "............", "......HH....", ".hHHHHHH....", "..HHHHHH....",
    "..HHHHH.....", "...hHH......",
};
const PixelTemplate kMoustacheFront = {
    "............", "............", "............", "............",
    "............", "............", "............", "............",
    "............", "............", "....hHHh....",
};
const PixelTemplate kMoustacheSide = {
    "............", "............", "............", "............",
    "............", "............", "............", "............",
    "............", "............", ".hHH........",
};

const PixelTemplate& byView(HeadView view, const PixelTemplate& front, const PixelTemplate& back,
                            const PixelTemplate& side)
{
    switch (view) {
    case HeadView::Front: return front;
    case HeadView::Back: return back;
    case HeadView::Side: return side;
    }
    return front;
}

} // namespace

const PixelTemplate& HeadTemplates::face(HeadView view)
{
    return byView(view, kFaceFront, kFaceBack, kFaceSide);
}

const PixelTemplate& HeadTemplates::hair(HairStyle style, HeadView view)
{
    switch (style) {
    case HairStyle::Bun: return byView(view, kBunFront, kBunBack, kBunSide);
    case HairStyle::Short: return byView(view, kShortFront, kShortBack, kShortSide);
    case HairStyle::Messy: return byView(view, kMessyFront, kMessyBack, kMessySide);
    case HairStyle::Long: return byView(view, kLongFront, kLongBack, kLongSide);
    case HairStyle::Ponytail: return byView(view, kPonytailFront, kPonytailBack, kPonytailSide);
    case HairStyle::Pigtails: return byView(view, kPigtailsFront, kPigtailsBack, kPigtailsSide);
    case HairStyle::Bald: return byView(view, kBaldFront, kBaldBack, kBaldSide);
    }
    return kEmpty;
}

const PixelTemplate& HeadTemplates::hat(HatStyle style, HeadView view)
{
    switch (style) {
    case HatStyle::None: return kEmpty;
    case HatStyle::Cap: return byView(view, kCapFront, kCapBack, kCapSide);
    case HatStyle::FlatCap: return byView(view, kFlatCapFront, kFlatCapBack, kFlatCapSide);
    case HatStyle::Brimmed: return byView(view, kBrimmedFront, kBrimmedFront, kBrimmedSide);
    case HatStyle::PeakedCap: return byView(view, kPeakedFront, kPeakedBack, kPeakedSide);
    }
    return kEmpty;
}

const PixelTemplate& HeadTemplates::facialHair(FacialHair style, HeadView view)
{
    if (view == HeadView::Back)
        return kEmpty;
    switch (style) {
    case FacialHair::None: return kEmpty;
    case FacialHair::Moustache: return byView(view, kMoustacheFront, kEmpty, kMoustacheSide);
    case FacialHair::Beard: return byView(view, kBeardFront, kEmpty, kBeardSide);
    }
    return kEmpty;
}

} // namespace SpriteArt
