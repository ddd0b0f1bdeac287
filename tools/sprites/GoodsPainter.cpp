#include "tools/sprites/GoodsPainter.h"

#include <cmath>
#include <cstdint>

namespace SpriteArt {
namespace {

// The colours of one baking stage: body, highlight, underside, score marks and outline.
struct Crust {
    Colour base, light, dark, mark, outline;
};

const Crust kBreadStages[GoodsPainter::kStages] = {
    {rgb(238, 222, 186), rgb(250, 242, 218), rgb(214, 194, 152), rgb(204, 182, 140), rgb(150, 126, 94)},
    {rgb(218, 152, 68), rgb(242, 194, 108), rgb(176, 108, 44), rgb(248, 218, 156), rgb(98, 56, 24)},
    {rgb(142, 84, 38), rgb(172, 110, 56), rgb(106, 58, 26), rgb(192, 142, 86), rgb(60, 32, 16)},
    {rgb(58, 42, 36), rgb(80, 60, 50), rgb(34, 26, 24), rgb(96, 74, 60), rgb(18, 14, 14)},
};
const Crust kMeringueStages[GoodsPainter::kStages] = {
    {rgb(250, 250, 246), rgb(255, 255, 255), rgb(222, 224, 222), rgb(232, 234, 232), rgb(150, 150, 156)},
    {rgb(250, 238, 212), rgb(255, 250, 236), rgb(228, 204, 164), rgb(236, 214, 176), rgb(150, 116, 80)},
    {rgb(218, 172, 112), rgb(238, 200, 144), rgb(182, 130, 74), rgb(200, 150, 92), rgb(104, 64, 30)},
    {rgb(84, 62, 50), rgb(110, 84, 66), rgb(52, 38, 32), rgb(70, 52, 42), rgb(22, 16, 14)},
};
const Crust kDough = {rgb(246, 236, 210), rgb(255, 250, 236), rgb(222, 206, 172), rgb(232, 220, 190),
                      rgb(156, 136, 104)};

// A fixed little generator, so burnt spots land in the same place on every build.
class Speckle {
public:
    explicit Speckle(std::uint32_t seed) : mState(seed) {}
    int next(int below)
    {
        mState = mState * 1664525u + 1013904223u;
        return static_cast<int>((mState >> 16) % static_cast<std::uint32_t>(below));
    }

private:
    std::uint32_t mState;
};

// An ellipse lit from the upper left: darker underside, a highlight near the top.
void shadedEllipse(RgbaImage& img, float cx, float cy, float rx, float ry, const Crust& c)
{
    img.fillEllipse(cx, cy, rx, ry, c.base);
    for (int y = static_cast<int>(cy); y <= static_cast<int>(cy + ry) + 1; ++y)
        for (int x = static_cast<int>(cx - rx) - 1; x <= static_cast<int>(cx + rx) + 1; ++x) {
            const float dx = (x + 0.5f - cx) / rx;
            const float dy = (y + 0.5f - cy) / ry;
            if (dx * dx + dy * dy <= 1.0f && dy > 0.45f)
                img.set(x, y, c.dark);
        }
    img.fillEllipse(cx - rx * 0.3f, cy - ry * 0.45f, rx * 0.35f, ry * 0.25f, c.light);
}

void scorch(RgbaImage& img, const Crust& c, int stage, std::uint32_t seed)
{
    if (stage < 4)
        return;
    Speckle rng(seed);
    for (int i = 0; i < img.width() * 2; ++i) {
        const int x = rng.next(img.width());
        const int y = rng.next(img.height());
        if (alphaOf(img.at(x, y)) != 0 && alphaOf(img.at(x + 1, y)) != 0)
            img.fillRect(x, y, 2, 1, i % 3 == 0 ? c.mark : rgb(20, 16, 16));
    }
}

void slash(RgbaImage& img, int x, int y, int length, Colour colour)
{
    for (int i = 0; i < length; ++i)
        img.set(x + i, y - i / 2, colour);
}

RgbaImage bun(const Crust& c)
{
    RgbaImage img(32, 32);
    shadedEllipse(img, 16, 25.5f, 7, 5.5f, c);
    img.fillRect(14, 23, 4, 1, c.mark); // cross cut
    img.fillRect(15, 22, 2, 3, c.mark);
    return img;
}

RgbaImage boule(const Crust& c)
{
    RgbaImage img(32, 32);
    shadedEllipse(img, 16, 22.5f, 11, 9, c);
    for (int i = -5; i <= 5; ++i) // curved score across the dome
        img.set(16 + i, 19 + (i * i) / 8, c.mark);
    img.fillRect(15, 15, 2, 2, c.mark);
    return img;
}

RgbaImage bread(const Crust& c)
{
    RgbaImage img(32, 32);
    img.fillRect(3, 23, 26, 7, c.dark);            // straight sides of the tin loaf
    shadedEllipse(img, 16, 23.5f, 13, 7, c);
    img.fillRect(4, 29, 24, 1, c.dark);
    for (int x = 7; x <= 21; x += 7)
        slash(img, x, 24, 5, c.mark);
    return img;
}

RgbaImage croissant(const Crust& c)
{
    RgbaImage img(32, 32);
    // Five rolled segments along a shallow arc; the middle one is the fattest.
    const float xs[5] = {6, 10.5f, 16, 21.5f, 26};
    const float ys[5] = {26.5f, 24.5f, 23.5f, 24.5f, 26.5f};
    const float rs[5] = {3, 4.5f, 5.5f, 4.5f, 3};
    for (int i = 0; i < 5; ++i)
        shadedEllipse(img, xs[i], ys[i], rs[i], rs[i] * 0.85f, c);
    for (int i = 1; i < 5; ++i) {
        const int x = static_cast<int>((xs[i - 1] + xs[i]) / 2 + 0.5f);
        for (int y = static_cast<int>(ys[i] - rs[i] * 0.6f); y <= static_cast<int>(ys[i] + rs[i] * 0.6f); ++y)
            if (alphaOf(img.at(x, y)) != 0)
                img.set(x, y, c.dark);
    }
    return img;
}

RgbaImage baguette(const Crust& c)
{
    RgbaImage img(64, 32);
    shadedEllipse(img, 32, 26.5f, 29, 4.5f, c);
    for (int x = 9; x <= 49; x += 8)
        slash(img, x, 27, 6, c.mark);
    return img;
}

RgbaImage baiser(const Crust& c)
{
    RgbaImage img(32, 32);
    // A piped meringue: rings getting smaller towards a curled tip.
    shadedEllipse(img, 16, 28, 8, 3.5f, c);
    shadedEllipse(img, 16, 24.5f, 6.5f, 3, c);
    shadedEllipse(img, 16.5f, 21.5f, 4.5f, 2.5f, c);
    shadedEllipse(img, 17, 19, 2.5f, 2, c);
    img.fillRect(18, 16, 1, 2, c.base);
    img.set(19, 15, c.base);
    for (int x = 10; x <= 22; x += 3)
        img.set(x, 26, c.dark);
    for (int x = 12; x <= 20; x += 3)
        img.set(x, 23, c.dark);
    return img;
}

RgbaImage donut(const Crust& c)
{
    RgbaImage img(32, 32);
    shadedEllipse(img, 16, 24.5f, 11, 6.5f, c);
    img.fillEllipse(16, 23.5f, 4, 2, kTransparent); // the hole shows what lies below
    img.fillRect(12, 25, 8, 1, c.light);             // sheen on the near rim
    return img;
}

RgbaImage finished(RgbaImage img, const Crust& c)
{
    img.outline(c.outline);
    return img;
}

} // namespace

RgbaImage GoodsPainter::good(Good good, int stage)
{
    const int index = stage < 1 ? 0 : (stage > kStages ? kStages - 1 : stage - 1);
    const Crust& c = good == Good::Baiser ? kMeringueStages[index] : kBreadStages[index];
    RgbaImage img(32, 32);
    switch (good) {
    case Good::Bun: img = bun(c); break;
    case Good::Boule: img = boule(c); break;
    case Good::Bread: img = bread(c); break;
    case Good::Croissant: img = croissant(c); break;
    case Good::Baguette: img = baguette(c); break;
    case Good::Baiser: img = baiser(c); break;
    case Good::Donut: img = donut(c); break;
    }
    scorch(img, c, index + 1, 97u + static_cast<std::uint32_t>(good) * 31u);
    return finished(img, c);
}

RgbaImage GoodsPainter::dough(int size)
{
    static const float kRadius[7] = {2.5f, 3.5f, 5, 6.5f, 8.5f, 11, 14};
    const float rx = kRadius[size < 1 ? 0 : (size > 7 ? 6 : size - 1)];
    const float ry = rx * 0.62f + 0.5f;
    RgbaImage img(32, 32);
    shadedEllipse(img, 16, 31 - ry, rx, ry, kDough);
    return finished(img, kDough);
}

RgbaImage GoodsPainter::unknownRecipe()
{
    // A bowl of something untried, with a question mark over it.
    const Crust& bowl = kBreadStages[2];
    RgbaImage img(32, 32);
    shadedEllipse(img, 16, 23, 9, 3, kDough);
    img.fillRect(8, 24, 16, 4, bowl.base);
    img.fillRect(10, 28, 12, 2, bowl.dark);
    img.fillRect(8, 24, 16, 1, bowl.light);
    static const char* const kMark[] = {".XXX.", "X...X", "....X", "...X.", "..X..", ".....", "..X.."};
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 5; ++x)
            if (kMark[y][x] == 'X')
                img.fillRect(12 + x, 6 + 2 * y, 1, 2, rgb(70, 60, 110));
    return finished(img, bowl);
}

RgbaImage GoodsPainter::zwieback()
{
    const Crust& c = kBreadStages[1];
    RgbaImage img(32, 32);
    img.fillRect(6, 19, 20, 11, c.dark);         // toasted rim
    img.fillEllipse(16, 20, 10, 3, c.dark);
    img.fillRect(8, 20, 16, 9, c.mark);          // dry crumb inside
    img.fillEllipse(16, 20.5f, 8, 2, c.mark);
    for (int i = 0; i < 5; ++i)
        img.set(10 + 3 * i, 23 + (i % 2) * 3, c.base);
    return finished(img, c);
}

RgbaImage GoodsPainter::melonpan()
{
    const Crust c = {rgb(236, 214, 118), rgb(250, 236, 160), rgb(206, 168, 80), rgb(214, 186, 96),
                     rgb(112, 84, 30)};
    RgbaImage img(32, 32);
    shadedEllipse(img, 16, 23.5f, 10, 7.5f, c);
    for (int y = 17; y <= 29; ++y)
        for (int x = 7; x <= 25; ++x)
            if (alphaOf(img.at(x, y)) != 0 && ((x + y) % 4 == 0 || (x - y + 64) % 4 == 0))
                img.set(x, y, c.mark); // the sugar-crust lattice
    return finished(img, c);
}

RgbaImage GoodsPainter::box()
{
    const Crust wood = {rgb(176, 128, 76), rgb(204, 158, 100), rgb(138, 96, 54), rgb(120, 82, 46),
                        rgb(64, 40, 22)};
    RgbaImage img(32, 32);
    img.fillRect(4, 10, 24, 22, wood.base);
    for (int y = 15; y < 32; y += 5)
        img.fillRect(4, y, 24, 1, wood.mark);       // planks
    img.fillRect(4, 10, 24, 2, wood.light);         // lid edge
    img.fillRect(4, 10, 2, 22, wood.dark);
    img.fillRect(26, 10, 2, 22, wood.dark);
    img.fillRect(11, 18, 10, 7, rgb(240, 232, 210)); // paper label
    img.fillRect(13, 20, 6, 1, rgb(150, 120, 90));
    img.fillRect(13, 22, 4, 1, rgb(150, 120, 90));
    return finished(img, wood);
}

RgbaImage GoodsPainter::letter()
{
    const Crust paper = {rgb(244, 238, 224), rgb(255, 252, 244), rgb(216, 206, 186), rgb(196, 184, 160),
                         rgb(110, 96, 80)};
    RgbaImage img(32, 32);
    img.fillRect(6, 18, 20, 13, paper.base);
    img.fillRect(6, 29, 20, 2, paper.dark);
    for (int i = 0; i < 10; ++i) { // the flap
        img.set(6 + i, 18 + i / 2 + i / 4, paper.mark);
        img.set(25 - i, 18 + i / 2 + i / 4, paper.mark);
    }
    img.fillRect(15, 23, 2, 2, rgb(196, 40, 44)); // wax seal
    img.set(15, 23, rgb(230, 90, 90));
    return finished(img, paper);
}

} // namespace SpriteArt
