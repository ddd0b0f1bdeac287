#include "tools/sprites/EffectTextures.h"

#include <algorithm>
#include <cmath>

namespace SpriteArt {
namespace {

constexpr int kSize = 32;

struct Blob {
    float x, y, radius;
};

// Alpha falls off smoothly from each blob's centre; overlapping blobs add up.
RgbaImage puff(Colour colour, const Blob* blobs, int count, float strength)
{
    RgbaImage img(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            float a = 0;
            for (int i = 0; i < count; ++i) {
                const float d = std::hypot(x + 0.5f - blobs[i].x, y + 0.5f - blobs[i].y) / blobs[i].radius;
                if (d < 1.0f)
                    a += (1.0f - d * d) * (1.0f - d * d);
            }
            const int alpha = static_cast<int>(std::min(1.0f, a) * strength * 255.0f + 0.5f);
            img.set(x, y, alpha == 0 ? kTransparent : withAlpha(colour, alpha));
        }
    return img;
}

} // namespace

RgbaImage EffectTextures::shadow()
{
    const Blob blob = {16, 16, 15.5f};
    return puff(rgb(0, 0, 0), &blob, 1, 0.6f);
}

RgbaImage EffectTextures::flour()
{
    const Blob blobs[] = {{16, 16, 12}, {11, 13, 6}, {21, 19, 6}};
    return puff(rgb(255, 252, 244), blobs, 3, 0.85f);
}

RgbaImage EffectTextures::lightSmoke()
{
    const Blob blobs[] = {{12, 18, 10}, {20, 14, 10}, {17, 22, 8}};
    return puff(rgb(208, 204, 200), blobs, 3, 0.75f);
}

RgbaImage EffectTextures::darkSmoke()
{
    const Blob blobs[] = {{11, 17, 11}, {21, 13, 10}, {18, 23, 9}, {15, 10, 6}};
    return puff(rgb(58, 52, 50), blobs, 4, 0.9f);
}

} // namespace SpriteArt
