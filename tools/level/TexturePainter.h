#pragma once
// Paints the small pixel-art textures of the level from a pattern name and two colours. Every
// texture has its own fixed seed, so a rebuild paints the very same pixels.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace LevelTool {

class TexturePainter {
public:
    TexturePainter(int size, uint32_t colour1, uint32_t colour2, const std::string& seedName);

    // False for an unknown pattern name.
    bool paint(const std::string& pattern);

    int size() const { return n; }
    const std::vector<uint32_t>& pixels() const { return image; } // ARGB, row by row

private:
    void flat();
    void planks();
    void bricks();
    void stones(int cell);
    void grass();
    // One pixel of the colour at a random place.
    void speckle(uint32_t colour);
    void plaster();
    void tiles();
    void quilt();
    void roof();
    void wood();
    void rug();
    void sack();
    void tree();
    void hedge();
    void bush(bool flowers);
    void shrub();
    void window();
    void bottles();
    void calendar();
    void iron();
    void fire();

    uint32_t& at(int x, int y) { return image[((y % n + n) % n) * n + ((x % n + n) % n)]; }
    void fill(int x0, int y0, int x1, int y1, uint32_t colour);
    float random01() { return static_cast<float>(rng() % 10000) / 10000.0f; }
    int randomBelow(int limit) { return static_cast<int>(rng() % static_cast<uint32_t>(limit)); }
    uint32_t vary(uint32_t colour, float amount) { return shade(colour, 1.0f + (random01() * 2 - 1) * amount); }

    static uint32_t shade(uint32_t colour, float factor);
    static uint32_t mix(uint32_t a, uint32_t b, float t);
    static uint32_t withAlpha(uint32_t colour, uint32_t alpha) { return (colour & 0xFFFFFF) | (alpha << 24); }

    int n;
    uint32_t c1, c2;
    std::mt19937 rng;
    std::vector<uint32_t> image;
};

} // namespace LevelTool
