#include "tools/sprites/CharacterCatalogue.h"

namespace SpriteArt {
namespace {

const Colour kFairSkin = rgb(244, 204, 170);
const Colour kWarmSkin = rgb(226, 170, 128);
const Colour kDarkSkin = rgb(160, 104, 72);
const Colour kOldSkin = rgb(232, 190, 160);

CharacterLook baker()
{
    CharacterLook l;
    l.name = "baeckerin";
    l.hair = HairStyle::Bun;
    l.outfit = Outfit::Dress;
    l.apron = true;
    l.skin = kFairSkin;
    l.hairColour = rgb(168, 76, 40);
    l.top = rgb(206, 92, 62);
    l.bottom = rgb(176, 70, 52);
    l.legs = rgb(120, 66, 52);
    l.shoes = rgb(96, 54, 34);
    l.apronColour = rgb(250, 244, 228);
    l.outline = rgb(62, 32, 24);
    return l;
}

CharacterLook bakerAsChild()
{
    CharacterLook l = baker();
    l.name = "baeckerin_child";
    l.build = Build::Child;
    l.hair = HairStyle::Pigtails;
    l.apron = false;
    l.top = rgb(236, 186, 72);
    l.bottom = rgb(214, 150, 56);
    l.legs = rgb(250, 240, 224);
    l.accent = rgb(220, 60, 70); // ribbons
    return l;
}

CharacterLook mother()
{
    CharacterLook l;
    l.name = "mother";
    l.hair = HairStyle::Bun;
    l.outfit = Outfit::Dress;
    l.shawl = true;
    l.skin = kOldSkin;
    l.hairColour = rgb(176, 172, 178);
    l.top = rgb(112, 74, 96);
    l.bottom = rgb(92, 62, 80);
    l.legs = rgb(70, 50, 60);
    l.shoes = rgb(50, 38, 40);
    l.accent = rgb(186, 136, 64);
    l.outline = rgb(44, 28, 36);
    return l;
}

CharacterLook friendTovar()
{
    CharacterLook l;
    l.name = "tovar";
    l.hair = HairStyle::Messy;
    l.skin = kWarmSkin;
    l.hairColour = rgb(222, 178, 84);
    l.top = rgb(82, 146, 86);
    l.bottom = rgb(196, 170, 124);
    l.shoes = rgb(110, 70, 44);
    l.outline = rgb(34, 40, 30);
    return l;
}

CharacterLook customer(const char* name, HairStyle hair, Colour skin, Colour hairColour, Colour top, Colour bottom)
{
    CharacterLook l;
    l.name = name;
    l.hair = hair;
    l.skin = skin;
    l.hairColour = hairColour;
    l.top = top;
    l.bottom = bottom;
    l.legs = bottom;
    l.outline = rgb(36, 30, 38);
    return l;
}

CharacterLook male2()
{
    CharacterLook l = customer("male2", HairStyle::Bald, kWarmSkin, rgb(92, 64, 44), rgb(150, 98, 58), rgb(84, 72, 64));
    l.build = Build::Broad;
    l.facialHair = FacialHair::Beard;
    return l;
}

CharacterLook male4()
{
    CharacterLook l = customer("male4", HairStyle::Short, kOldSkin, rgb(190, 190, 190), rgb(122, 112, 90),
                               rgb(76, 70, 62));
    l.outfit = Outfit::Coat;
    l.hat = HatStyle::FlatCap;
    l.hatColour = rgb(104, 86, 66);
    l.facialHair = FacialHair::Moustache;
    l.accent = rgb(70, 60, 48);
    return l;
}

CharacterLook female1()
{
    CharacterLook l = customer("female1", HairStyle::Long, kDarkSkin, rgb(40, 30, 34), rgb(212, 88, 150),
                               rgb(150, 52, 110));
    l.outfit = Outfit::Dress;
    l.legs = rgb(90, 56, 60);
    return l;
}

CharacterLook female2()
{
    CharacterLook l = customer("female2", HairStyle::Ponytail, kFairSkin, rgb(236, 206, 112), rgb(76, 166, 170),
                               rgb(120, 82, 58));
    l.outfit = Outfit::Dress;
    l.legs = rgb(232, 220, 204);
    l.accent = rgb(230, 90, 90);
    return l;
}

CharacterLook soldier()
{
    CharacterLook l = customer("soldier", HairStyle::Short, kWarmSkin, rgb(70, 50, 36), rgb(92, 110, 64),
                               rgb(74, 88, 52));
    l.outfit = Outfit::Uniform;
    l.hat = HatStyle::PeakedCap;
    l.hatColour = rgb(80, 96, 56);
    l.accent = rgb(214, 178, 70);
    l.shoes = rgb(32, 28, 26);
    l.outline = rgb(30, 34, 24);
    return l;
}

CharacterLook barman()
{
    CharacterLook l = customer("barman", HairStyle::Short, kFairSkin, rgb(46, 36, 34), rgb(240, 236, 226),
                               rgb(40, 38, 44));
    l.outfit = Outfit::Vest;
    l.facialHair = FacialHair::Moustache;
    l.accent = rgb(134, 40, 48);
    l.shoes = rgb(26, 24, 28);
    return l;
}

CharacterLook postman()
{
    CharacterLook l = customer("postbote", HairStyle::Short, kWarmSkin, rgb(110, 70, 40), rgb(58, 92, 168),
                               rgb(90, 96, 110));
    l.outfit = Outfit::Uniform;
    l.hat = HatStyle::Cap;
    l.hatColour = rgb(50, 80, 156);
    l.bag = true;
    l.accent = rgb(156, 102, 52);
    l.outline = rgb(26, 32, 52);
    return l;
}

CharacterLook merchant()
{
    CharacterLook l = customer("merchant", HairStyle::Short, kWarmSkin, rgb(110, 96, 86), rgb(134, 96, 56),
                               rgb(70, 60, 52));
    l.outfit = Outfit::Coat;
    l.hat = HatStyle::Brimmed;
    l.hatColour = rgb(84, 58, 40);
    l.facialHair = FacialHair::Beard;
    l.pack = true;
    l.accent = rgb(178, 150, 96);
    l.shoes = rgb(70, 44, 30);
    l.outline = rgb(44, 30, 22);
    return l;
}

} // namespace

std::vector<CharacterLook> CharacterCatalogue::all()
{
    return {
        baker(),
        bakerAsChild(),
        mother(),
        friendTovar(),
        customer("male1", HairStyle::Short, kFairSkin, rgb(36, 32, 40), rgb(72, 118, 188), rgb(96, 96, 104)),
        male2(),
        customer("male3", HairStyle::Messy, kDarkSkin, rgb(30, 24, 24), rgb(226, 132, 54), rgb(52, 66, 112)),
        male4(),
        barman(),
        female1(),
        female2(),
        soldier(),
        postman(),
        merchant(),
    };
}

} // namespace SpriteArt
