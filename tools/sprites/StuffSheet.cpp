#include "tools/sprites/StuffSheet.h"

namespace SpriteArt {
namespace {

const Colour kGold = rgb(236, 190, 64);
const Colour kGoldLight = rgb(255, 232, 140);
const Colour kGoldDark = rgb(178, 128, 36);
const Colour kInk = rgb(48, 34, 26);

void coin(RgbaImage& img, int x, int y)
{
    img.fillRect(x, y, 6, 2, kGold);
    img.fillRect(x + 1, y - 1, 4, 1, kGoldLight);
    img.fillRect(x, y + 1, 6, 1, kGoldDark);
}

RgbaImage coinHeap()
{
    RgbaImage img(32, 32);
    const int xs[] = {5, 11, 17, 23, 8, 14, 20, 11, 17, 14};
    const int ys[] = {29, 29, 29, 29, 26, 26, 26, 23, 23, 20};
    for (int i = 0; i < 10; ++i)
        coin(img, xs[i] - 1, ys[i]);
    img.outline(kInk);
    return img;
}

RgbaImage coinStacks()
{
    RgbaImage img(32, 32);
    for (int y = 29; y >= 17; y -= 2)
        coin(img, 8, y);
    for (int y = 29; y >= 23; y -= 2)
        coin(img, 17, y);
    img.outline(kInk);
    return img;
}

void bottle(RgbaImage& img, int x, Colour glass, Colour label)
{
    img.fillRect(x, 17, 6, 14, glass);
    img.fillRect(x + 2, 11, 2, 6, glass);
    img.fillRect(x + 2, 9, 2, 2, rgb(170, 120, 70)); // cork
    img.fillRect(x, 22, 6, 4, label);
    img.fillRect(x + 1, 18, 1, 3, mix(glass, rgb(255, 255, 255), 0.6f));
    img.fillRect(x + 5, 17, 1, 14, shade(glass, 0.7f));
}

RgbaImage oneBottle()
{
    RgbaImage img(32, 32);
    bottle(img, 13, rgb(60, 130, 70), rgb(236, 226, 196));
    img.outline(rgb(20, 40, 24));
    return img;
}

RgbaImage bottleRow()
{
    RgbaImage img(32, 32);
    bottle(img, 4, rgb(120, 40, 50), rgb(230, 210, 150));
    bottle(img, 13, rgb(60, 130, 70), rgb(236, 226, 196));
    bottle(img, 22, rgb(150, 110, 40), rgb(200, 60, 50));
    img.outline(rgb(26, 22, 22));
    return img;
}

RgbaImage bin()
{
    // A wooden flour bin with iron hoops.
    RgbaImage img(32, 32);
    const Colour wood = rgb(160, 112, 66);
    img.fillRect(6, 8, 20, 24, wood);
    img.fillRect(5, 12, 22, 16, wood);
    for (int x = 9; x < 26; x += 4)
        img.fillRect(x, 8, 1, 24, shade(wood, 0.8f));
    img.fillRect(5, 11, 22, 2, rgb(86, 84, 90));
    img.fillRect(5, 26, 22, 2, rgb(86, 84, 90));
    img.fillRect(6, 8, 20, 2, rgb(244, 240, 230)); // flour showing at the rim
    img.fillRect(22, 8, 4, 24, shade(wood, 0.75f));
    img.outline(rgb(56, 36, 22));
    return img;
}

RgbaImage clothesStand()
{
    // A coat stand at the bar with a coat, a scarf and a hat on its hooks.
    RgbaImage img(32, 48);
    const Colour pole = rgb(110, 72, 40);
    img.fillRect(15, 4, 2, 42, pole);
    img.fillRect(9, 45, 14, 3, pole);
    img.fillRect(11, 6, 10, 1, pole);
    img.fillRect(6, 8, 10, 22, rgb(70, 100, 80));   // coat
    img.fillRect(7, 8, 2, 22, rgb(90, 126, 100));
    img.fillRect(11, 9, 1, 20, rgb(50, 72, 58));
    img.fillRect(17, 8, 4, 26, rgb(190, 60, 56));   // scarf
    img.fillRect(17, 33, 4, 1, rgb(240, 220, 200));
    img.fillRect(12, 0, 8, 4, rgb(60, 52, 46));     // hat on top
    img.fillRect(10, 3, 12, 2, rgb(60, 52, 46));
    img.outline(rgb(34, 26, 22));
    return img;
}

} // namespace

FramedSheet StuffSheet::build()
{
    FramedSheet sheet("stuff", "stuff.png", 256, 64, rgb(48, 34, 26));
    sheet.place("stuff_coins1", coinHeap(), 0, 0);
    sheet.place("stuff_coins2", coinStacks(), 32, 0);
    sheet.place("stuff_bottle1", oneBottle(), 64, 0);
    sheet.place("stuff_bottles", bottleRow(), 96, 0);
    sheet.place("stuff_bin", bin(), 128, 0);
    sheet.place("stuff_kleiders", clothesStand(), 160, 0);
    return sheet;
}

} // namespace SpriteArt
