#include "tools/sprites/RgbaImage.h"

#include <map>

namespace SpriteArt {

RgbaImage::RgbaImage(int width, int height, Colour fill)
    : mWidth(width), mHeight(height), mPixels(static_cast<size_t>(width * height), fill)
{
}

Colour RgbaImage::at(int x, int y) const
{
    return contains(x, y) ? mPixels[static_cast<size_t>(y * mWidth + x)] : kTransparent;
}

void RgbaImage::set(int x, int y, Colour c)
{
    if (contains(x, y))
        mPixels[static_cast<size_t>(y * mWidth + x)] = c;
}

void RgbaImage::fillRect(int x, int y, int w, int h, Colour c)
{
    for (int row = y; row < y + h; ++row)
        for (int col = x; col < x + w; ++col)
            set(col, row, c);
}

void RgbaImage::fillEllipse(float cx, float cy, float rx, float ry, Colour c)
{
    for (int y = static_cast<int>(cy - ry) - 1; y <= static_cast<int>(cy + ry) + 1; ++y) {
        for (int x = static_cast<int>(cx - rx) - 1; x <= static_cast<int>(cx + rx) + 1; ++x) {
            const float dx = (x + 0.5f - cx) / rx;
            const float dy = (y + 0.5f - cy) / ry;
            if (dx * dx + dy * dy <= 1.0f)
                set(x, y, c);
        }
    }
}

void RgbaImage::blit(const RgbaImage& source, int x, int y)
{
    for (int row = 0; row < source.height(); ++row)
        for (int col = 0; col < source.width(); ++col) {
            const Colour c = source.at(col, row);
            if (alphaOf(c) != 0)
                set(x + col, y + row, c);
        }
}

void RgbaImage::blend(const RgbaImage& source, int x, int y)
{
    for (int row = 0; row < source.height(); ++row)
        for (int col = 0; col < source.width(); ++col) {
            const Colour c = source.at(col, row);
            if (alphaOf(c) == 0)
                continue;
            const Colour under = withAlpha(at(x + col, y + row), 255);
            set(x + col, y + row, withAlpha(mix(under, withAlpha(c, 255), alphaOf(c) / 255.0f), 255));
        }
}

RgbaImage RgbaImage::mirrored() const
{
    RgbaImage result(mWidth, mHeight);
    for (int y = 0; y < mHeight; ++y)
        for (int x = 0; x < mWidth; ++x)
            result.set(mWidth - 1 - x, y, at(x, y));
    return result;
}

RgbaImage RgbaImage::scaled(int factor) const
{
    RgbaImage result(mWidth * factor, mHeight * factor);
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            result.set(x, y, at(x / factor, y / factor));
    return result;
}

void RgbaImage::outline(Colour colour)
{
    const RgbaImage before = *this;
    auto opaque = [&before](int x, int y) { return alphaOf(before.at(x, y)) != 0; };
    for (int y = 0; y < mHeight; ++y)
        for (int x = 0; x < mWidth; ++x)
            if (!opaque(x, y) && (opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1)))
                set(x, y, colour);
}

void RgbaImage::recolour(Colour from, Colour to)
{
    for (Colour& c : mPixels)
        if (c == from)
            c = to;
}

Colour RgbaImage::edgeColour() const
{
    std::map<Colour, int> counts;
    auto clear = [this](int x, int y) { return alphaOf(at(x, y)) == 0; };
    for (int y = 0; y < mHeight; ++y)
        for (int x = 0; x < mWidth; ++x)
            if (!clear(x, y) && (clear(x - 1, y) || clear(x + 1, y) || clear(x, y - 1) || clear(x, y + 1)))
                ++counts[at(x, y)];
    Colour best = kTransparent;
    int bestCount = 0;
    for (const auto& [colour, count] : counts)
        if (count > bestCount) {
            best = colour;
            bestCount = count;
        }
    return best;
}

} // namespace SpriteArt
