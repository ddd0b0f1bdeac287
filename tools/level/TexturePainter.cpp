#include "TexturePainter.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace LevelTool {

namespace {
constexpr uint32_t kClear = 0x00000000;
constexpr uint32_t kTrunk = 0xFF6B4A2B;

uint32_t seedOf(const std::string& name) {
    uint32_t hash = 2166136261u; // FNV-1a: stable across compilers, unlike std::hash
    for (const char c : name)
        hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
    return hash;
}
} // namespace

TexturePainter::TexturePainter(int size, uint32_t colour1, uint32_t colour2, const std::string& seedName)
    : n(size), c1(colour1), c2(colour2), rng(seedOf(seedName)), image(static_cast<size_t>(size * size), colour1) {}

uint32_t TexturePainter::shade(uint32_t colour, float factor) {
    auto channel = [&](int shift) {
        const float v = static_cast<float>((colour >> shift) & 0xFF) * factor;
        return static_cast<uint32_t>(std::clamp(v, 0.0f, 255.0f) + 0.5f) << shift;
    };
    return (colour & 0xFF000000) | channel(16) | channel(8) | channel(0);
}

uint32_t TexturePainter::mix(uint32_t a, uint32_t b, float t) {
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const float va = static_cast<float>((a >> shift) & 0xFF), vb = static_cast<float>((b >> shift) & 0xFF);
        out |= static_cast<uint32_t>(va + (vb - va) * t + 0.5f) << shift;
    }
    return out;
}

void TexturePainter::fill(int x0, int y0, int x1, int y1, uint32_t colour) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            at(x, y) = colour;
}

bool TexturePainter::paint(const std::string& pattern) {
    const std::map<std::string, std::function<void()>> painters = {
        {"flat", [this] { flat(); }},         {"planks", [this] { planks(); }},
        {"bricks", [this] { bricks(); }},     {"cobble", [this] { stones(n / 4); }},
        {"flagstone", [this] { stones(n / 2); }}, {"grass", [this] { grass(); }},
        {"plaster", [this] { plaster(); }},   {"tiles", [this] { tiles(); }},
        {"quilt", [this] { quilt(); }},       {"roof", [this] { roof(); }},
        {"wood", [this] { wood(); }},         {"rug", [this] { rug(); }},
        {"sack", [this] { sack(); }},         {"tree", [this] { tree(); }},
        {"hedge", [this] { hedge(); }},       {"bush", [this] { bush(false); }},
        {"flowers", [this] { bush(true); }},  {"shrub", [this] { shrub(); }},
        {"window", [this] { window(); }},     {"bottles", [this] { bottles(); }},
        {"calendar", [this] { calendar(); }}, {"iron", [this] { iron(); }},
        {"fire", [this] { fire(); }},
    };
    const auto found = painters.find(pattern);
    if (found == painters.end())
        return false;
    found->second();
    return true;
}

void TexturePainter::flat() {
    for (auto& pixel : image)
        pixel = vary(c1, 0.04f);
}

void TexturePainter::planks() {
    const int board = std::max(4, n / 4);
    for (int row = 0; row < n / board; ++row) {
        const uint32_t base = mix(c1, c2, random01() * 0.45f);
        const int joint = randomBelow(n);
        for (int y = row * board; y < (row + 1) * board; ++y) {
            float grain = 1.0f;
            for (int x = 0; x < n; ++x) {
                if (randomBelow(6) == 0)
                    grain = 0.93f + random01() * 0.1f;
                at(x, y) = shade(base, grain);
            }
        }
        fill(0, row * board, n, row * board + 1, shade(c2, 0.7f));
        fill(joint, row * board, joint + 1, (row + 1) * board, shade(c2, 0.75f));
        at(joint + 2, row * board + board / 2) = shade(c2, 0.8f); // a nail
    }
}

void TexturePainter::bricks() {
    const int h = std::max(4, n / 4), w = std::max(8, n / 2);
    fill(0, 0, n, n, c2);
    for (int row = 0; row < n / h; ++row) {
        const int offset = (row % 2) * w / 2;
        for (int col = -1; col <= n / w; ++col) {
            const uint32_t brick = vary(c1, 0.1f);
            const int x0 = col * w + offset;
            for (int y = row * h; y < row * h + h - 1; ++y)
                for (int x = x0; x < x0 + w - 1; ++x)
                    at(x, y) = y == row * h ? shade(brick, 1.1f) : vary(brick, 0.03f);
        }
    }
}

void TexturePainter::stones(int cell) {
    const int cells = std::max(1, n / cell);
    std::vector<float> sx(cells * cells), sy(cells * cells);
    std::vector<uint32_t> colour(cells * cells);
    for (int i = 0; i < cells * cells; ++i) {
        sx[i] = (static_cast<float>(i % cells) + 0.2f + random01() * 0.6f) * cell;
        sy[i] = (static_cast<float>(i / cells) + 0.2f + random01() * 0.6f) * cell;
        colour[i] = vary(mix(c1, c2, random01() * 0.3f), 0.08f);
    }
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            float best = 1e9f, second = 1e9f;
            int nearest = 0;
            for (int i = 0; i < cells * cells; ++i)
                for (int wy = -1; wy <= 1; ++wy)
                    for (int wx = -1; wx <= 1; ++wx) {
                        const float dx = sx[i] + wx * n - x, dy = sy[i] + wy * n - y;
                        const float d = std::sqrt(dx * dx + dy * dy);
                        if (d < best) {
                            second = best;
                            best = d;
                            nearest = i;
                        } else if (d < second) {
                            second = d;
                        }
                    }
            at(x, y) = second - best < 1.3f ? shade(c2, 0.65f) : shade(colour[nearest], 1.08f - best / cell * 0.25f);
        }
}

void TexturePainter::speckle(uint32_t colour) {
    // Row before column: the order the art was first made in. Drawn inside one call's arguments,
    // the order was the compiler's, and clang's build painted other textures than gcc's.
    const int y = randomBelow(n);
    const int x = randomBelow(n);
    at(x, y) = colour;
}

void TexturePainter::grass() {
    for (auto& pixel : image)
        pixel = vary(c1, 0.05f);
    for (int i = 0; i < n * n / 6; ++i)
        speckle(vary(c2, 0.08f));
    for (int i = 0; i < n * n / 12; ++i) {
        const int x = randomBelow(n), y = randomBelow(n);
        at(x, y) = shade(c1, 1.18f);
        at(x, y + 1) = shade(c1, 1.08f);
    }
}

void TexturePainter::plaster() {
    for (auto& pixel : image)
        pixel = vary(c1, 0.025f);
    for (int i = 0; i < n / 4; ++i)
        speckle(shade(c1, 0.9f));
    fill(0, n - 2, n, n, c2); // skirting board
}

void TexturePainter::tiles() {
    const int t = std::max(4, n / 4);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const bool dark = ((x / t) + (y / t)) % 2 == 1;
            const bool grout = x % t == 0 || y % t == 0;
            at(x, y) = grout ? shade(c1, 0.8f) : vary(dark ? c2 : c1, 0.03f);
        }
}

void TexturePainter::quilt() {
    const int t = std::max(4, n / 4);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const bool other = ((x / t) + (y / t)) % 2 == 1;
            const bool stitch = (x % t == 0 || y % t == 0) && (x + y) % 2 == 0;
            at(x, y) = stitch ? shade(c1, 1.25f) : vary(other ? c2 : c1, 0.03f);
        }
}

void TexturePainter::roof() {
    const int h = std::max(4, n / 4), w = std::max(4, n / 4);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const int row = y / h, offset = (row % 2) * w / 2;
            const int inRow = y % h, inTile = (x + offset) % w;
            float f = 0.85f + 0.25f * static_cast<float>(inRow) / h;
            if (inTile == 0)
                f *= 0.7f;
            at(x, y) = shade(mix(c1, c2, ((x + offset) / w + row) % 3 == 0 ? 0.4f : 0.0f), f);
        }
}

void TexturePainter::wood() {
    for (int x = 0; x < n; ++x) {
        const uint32_t streak = mix(c1, c2, random01() * 0.5f);
        for (int y = 0; y < n; ++y)
            at(x, y) = vary(streak, 0.03f);
    }
    const int panel = std::max(4, n / 2);
    for (int i = 0; i < n; ++i) {
        at(i, 0) = shade(c2, 0.8f);
        at(0, i) = shade(c2, 0.8f);
        at(i, panel) = shade(c1, 1.15f);
    }
}

void TexturePainter::rug() {
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const int edge = std::min(std::min(x, y), std::min(n - 1 - x, n - 1 - y));
            const int diamond = std::abs(x - n / 2) + std::abs(y - n / 2);
            uint32_t colour = c1;
            if (edge < 2 || (edge == 3))
                colour = c2;
            else if (diamond % 6 < 2 && diamond < n / 2 - 2)
                colour = shade(c2, 1.2f);
            at(x, y) = vary(colour, 0.03f);
        }
}

void TexturePainter::sack() {
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            at(x, y) = vary(shade(c1, (x + y) % 2 ? 1.05f : 0.93f), 0.03f);
    fill(0, n / 5, n, n / 5 + 1, c2); // the tie
    fill(n / 3, n / 2, 2 * n / 3, n / 2 + 2, shade(c2, 0.9f)); // the miller's stamp
}

void TexturePainter::tree() {
    fill(0, 0, n, n, kClear);
    const float cx = n * 0.5f, cy = n * 0.4f, radius = n * 0.4f;
    fill(static_cast<int>(cx) - n / 14, static_cast<int>(n * 0.6f), static_cast<int>(cx) + n / 14, n, kTrunk);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const float dx = x - cx, dy = y - cy;
            const float d = std::sqrt(dx * dx + dy * dy) / radius;
            const float wobble = 0.08f * std::sin(std::atan2(dy, dx) * 7.0f);
            if (d > 1.0f + wobble)
                continue;
            const float light = 1.15f - 0.35f * (dx + dy) / (2 * radius) - 0.15f * d;
            at(x, y) = randomBelow(7) == 0 ? vary(c2, 0.1f) : vary(shade(c1, light), 0.06f);
        }
}

void TexturePainter::hedge() {
    fill(0, 0, n, n, kClear);
    for (int x = 0; x < n; ++x) {
        const int top = static_cast<int>(n * 0.12f + n * 0.07f * std::sin(x * 0.7f) + randomBelow(2));
        for (int y = top; y < n; ++y) {
            const float light = y < top + 2 ? 1.2f : 1.0f - 0.25f * static_cast<float>(y) / n;
            at(x, y) = randomBelow(5) == 0 ? vary(c2, 0.1f) : vary(shade(c1, light), 0.07f);
        }
    }
}

void TexturePainter::bush(bool flowers) {
    fill(0, 0, n, n, kClear);
    const float cx = n * 0.5f, cy = n * 0.62f, rx = n * 0.46f, ry = n * 0.36f;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const float dx = (x - cx) / rx, dy = (y - cy) / ry;
            const float d = std::sqrt(dx * dx + dy * dy);
            if (d > 1.0f + 0.1f * std::sin(std::atan2(dy, dx) * 9.0f))
                continue;
            const float light = 1.15f - 0.3f * (dx + dy) * 0.5f;
            at(x, y) = vary(shade(flowers ? 0xFF4E8A3A : c1, light), 0.07f);
            if (randomBelow(flowers ? 7 : 9) == 0)
                at(x, y) = flowers ? vary(c2, 0.1f) : vary(c2, 0.05f);
        }
}

void TexturePainter::shrub() {
    fill(0, 0, n, n, kClear);
    for (int blade = 0; blade < n; ++blade) {
        const int x = randomBelow(n), height = n / 3 + randomBelow(n / 2);
        for (int y = n - 1; y > n - height; --y)
            at(x + (n - y) / 6 * (blade % 2 ? 1 : -1), y) = vary(shade(c1, 1.2f - static_cast<float>(n - y) / n * 0.1f), 0.08f);
    }
    for (int i = 0; i < n / 3; ++i) {
        const int x = randomBelow(n), y = randomBelow(n / 2);
        at(x, y + n / 4) = c2;
        at(x + 1, y + n / 4) = shade(c2, 0.8f);
    }
}

void TexturePainter::window() {
    const uint32_t glass = withAlpha(0xFFBFE3F0, 80);
    fill(0, 0, n, n, glass);
    for (int i = 0; i < n / 2; ++i) // a gleam across the pane
        at(n / 5 + i, n - 4 - i) = withAlpha(0xFFFFFFFF, 150);
    const int frame = std::max(2, n / 16);
    fill(0, 0, n, frame, c1);
    fill(0, n - frame, n, n, c1);
    fill(0, 0, frame, n, c1);
    fill(n - frame, 0, n, n, c1);
    fill(n / 2 - frame / 2, 0, n / 2 + (frame + 1) / 2, n, c1);
    fill(0, n / 2 - frame / 2, n, n / 2 + (frame + 1) / 2, c1);
    // loaves on the sill behind the glass
    for (int loaf = 0; loaf < 4; ++loaf) {
        const int x0 = frame + 1 + loaf * (n - 2 * frame) / 4;
        for (int y = n - frame - n / 8; y < n - frame; ++y)
            for (int x = x0; x < x0 + n / 6; ++x)
                at(x, y) = shade(c2, y == n - frame - n / 8 ? 1.2f : 1.0f);
    }
}

void TexturePainter::bottles() {
    fill(0, 0, n, n, kClear);
    const uint32_t glass[] = {0xFF3F7F3A, 0xFF7A3B1F, 0xFF9E2B2B, 0xFF8FB7C9, 0xFF5C3A6E, 0xFFC9A23A};
    for (int shelf = 0; shelf < 2; ++shelf) {
        const int base = shelf == 0 ? n * 7 / 16 : n - 3;
        fill(0, base, n, base + 3, c1);
        fill(0, base + 3, n, base + 4, shade(c1, 0.6f));
        for (int x = 1; x < n - 4; x += 4 + randomBelow(3)) {
            const uint32_t colour = glass[randomBelow(6)];
            const int height = n / 6 + randomBelow(n / 8);
            fill(x, base - height, x + 3, base, colour);
            fill(x + 1, base - height - n / 16, x + 2, base - height, shade(colour, 0.8f));
            at(x, base - height + 1) = shade(colour, 1.6f);
        }
    }
}

void TexturePainter::calendar() {
    fill(0, 0, n, n, c1);
    fill(0, 0, n, n / 4, c2);
    for (int x = n / 5; x < n; x += n / 4)
        at(x, 1) = 0xFF303030;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 7; ++col) {
            const int x = 1 + col * (n - 2) / 7, y = n / 4 + 2 + row * (3 * n / 4 - 3) / 4;
            at(x + 1, y + 1) = (col == 6) ? c2 : 0xFF5A4A3A;
        }
}

void TexturePainter::iron() {
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            at(x, y) = vary(shade(c1, 1.0f + 0.05f * ((y / 2) % 2)), 0.04f);
    const int inset = std::max(1, n / 8);
    for (const int x : {inset, n - 1 - inset})
        for (const int y : {inset, n - 1 - inset})
            at(x, y) = c2;
    fill(0, 0, n, 1, shade(c1, 1.3f));
}

void TexturePainter::fire() {
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const float heat = std::max(0.0f, static_cast<float>(y - n / 2) / (n / 2)) * (0.6f + random01() * 0.4f);
            at(x, y) = mix(c2, c1, heat);
        }
}

} // namespace LevelTool
