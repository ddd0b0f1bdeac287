#include "src_lumo/Sprites/VisualCharacterFrame.h"

#include <vector>

namespace Lumo {

using irr::core::vector2df;
using irr::core::vector3df;
using irr::video::S3DVertex;
using irr::video::SColor;

// The alpha values of the frame's rectangle, read once, with the geometry of the pixel grid.
class VisualCharacterFrame::PixelRegion {
public:
    PixelRegion(const irr::video::IImage& bitmap, const irr::core::recti& wanted)
    {
        const irr::core::dimension2du size = bitmap.getDimension();
        area = wanted;
        // Irrlicht's clip leaves a rectangle wholly outside with no width or height, never inverted.
        area.clipAgainst(irr::core::recti(0, 0, static_cast<int>(size.Width), static_cast<int>(size.Height)));
        bitmapWidth = static_cast<float>(size.Width);
        bitmapHeight = static_cast<float>(size.Height);
        alpha.resize(static_cast<std::size_t>(width()) * height());
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                alpha[index(x, y)] = static_cast<irr::u8>(
                    bitmap.getPixel(static_cast<irr::u32>(area.UpperLeftCorner.X + x),
                                    static_cast<irr::u32>(area.UpperLeftCorner.Y + y)).getAlpha());
    }

    int width() const { return area.getWidth(); }
    int height() const { return area.getHeight(); }
    // Outside the region counts as transparent.
    irr::u8 alphaAt(int x, int y) const
    {
        return (x < 0 || y < 0 || x >= width() || y >= height()) ? 0 : alpha[index(x, y)];
    }
    bool visible(int x, int y) const { return alphaAt(x, y) != 0; }

    // Local position of a pixel corner: the sprite stands on its bottom edge, centred.
    vector3df corner(int x, int y, float z) const
    {
        return {static_cast<float>(x) - width() * 0.5f, static_cast<float>(height() - y), z};
    }
    vector2df textureCoord(int x, int y) const
    {
        return {(area.UpperLeftCorner.X + x) / bitmapWidth, (area.UpperLeftCorner.Y + y) / bitmapHeight};
    }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width() + x; }

    irr::core::recti area;
    float bitmapWidth = 1.f;
    float bitmapHeight = 1.f;
    std::vector<irr::u8> alpha;
};

// One side wall: a pixel edge towards a transparent neighbour, from the back to depth 0.
struct VisualCharacterFrame::Wall {
    vector3df a, b, c, d;
    vector3df normal;
};

VisualCharacterFrame::VisualCharacterFrame(std::wstring frameName, irr::video::ITexture* frameTexture,
                                           const irr::video::IImage& bitmap, const irr::core::recti& rect,
                                           float frameThickness, SColor frameBorderColor)
    : name(std::move(frameName)), texture(frameTexture), thickness(frameThickness), borderColor(frameBorderColor),
      pixels(std::make_unique<PixelRegion>(bitmap, rect))
{
    // The box is wanted before the first draw (culling), so the walls are walked once now.
    forEachWall([this](const Wall& wall) {
        for (const vector3df& point : {wall.a, wall.b, wall.c, wall.d})
            boundingBox.addInternalPoint(point);
    });
}

VisualCharacterFrame::~VisualCharacterFrame() = default;

const QuadMesh& VisualCharacterFrame::getFrontMesh() const
{
    buildMeshes();
    return front;
}

const QuadMesh& VisualCharacterFrame::getEdgeMesh() const
{
    buildMeshes();
    return edge;
}

void VisualCharacterFrame::buildMeshes() const
{
    if (!pixels)
        return;
    buildFront();
    buildWalls();
    front.shrinkToFit();
    edge.shrinkToFit();
    pixels.reset();
}

void VisualCharacterFrame::buildFront() const
{
    const PixelRegion& region = *pixels;
    const SColor color = borderColor;
    const int w = region.width();
    const int h = region.height();
    // A rectangle starts at the top of a vertical run of visible pixels and takes in the runs to
    // its right that start on the same row with the same length; each run is used once.
    std::vector<bool> used(static_cast<std::size_t>(w) * h, false);
    auto runStartsAt = [&](int x, int y) { return region.visible(x, y) && !region.visible(x, y - 1); };
    auto runLength = [&](int x, int y) {
        int length = 0;
        while (region.visible(x, y + length))
            ++length;
        return length;
    };
    const vector3df normal(0.f, 0.f, -1.f);
    const float z = -thickness;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!runStartsAt(x, y) || used[static_cast<std::size_t>(y) * w + x])
                continue;
            const int height = runLength(x, y);
            int right = x + 1;
            while (right < w && runStartsAt(right, y) && !used[static_cast<std::size_t>(y) * w + right]
                   && runLength(right, y) == height) {
                used[static_cast<std::size_t>(y) * w + right] = true;
                ++right;
            }
            used[static_cast<std::size_t>(y) * w + x] = true;
            const int bottom = y + height;
            front.addQuad(S3DVertex(region.corner(x, y, z), normal, color, region.textureCoord(x, y)),
                          S3DVertex(region.corner(right, y, z), normal, color, region.textureCoord(right, y)),
                          S3DVertex(region.corner(right, bottom, z), normal, color,
                                    region.textureCoord(right, bottom)),
                          S3DVertex(region.corner(x, bottom, z), normal, color, region.textureCoord(x, bottom)));
        }
    }
}

template <typename Visit>
void VisualCharacterFrame::forEachWall(Visit visit) const
{
    const PixelRegion& region = *pixels;
    struct Side {
        int dx, dy;             // neighbour that must be transparent
        int ax, ay, bx, by;     // the pixel edge shared with it, as corner offsets
        vector3df normal;
    };
    static const Side sides[4] = {
        {0, -1, 0, 0, 1, 0, {0.f, -1.f, 0.f}},
        {0, 1, 0, 1, 1, 1, {0.f, 1.f, 0.f}},
        {-1, 0, 0, 0, 0, 1, {-1.f, 0.f, 0.f}},
        {1, 0, 1, 0, 1, 1, {1.f, 0.f, 0.f}},
    };
    const float back = -thickness;
    for (int y = 0; y < region.height(); ++y) {
        for (int x = 0; x < region.width(); ++x) {
            if (region.alphaAt(x, y) != 255)
                continue;
            for (const Side& side : sides) {
                if (region.visible(x + side.dx, y + side.dy))
                    continue;
                const vector3df a = region.corner(x + side.ax, y + side.ay, back);
                const vector3df b = region.corner(x + side.bx, y + side.by, back);
                visit(Wall{a, b, vector3df(b.X, b.Y, 0.f), vector3df(a.X, a.Y, 0.f), side.normal});
            }
        }
    }
}

void VisualCharacterFrame::buildWalls() const
{
    const SColor color = borderColor;
    forEachWall([&](const Wall& wall) {
        edge.addQuad(S3DVertex(wall.a, wall.normal, color, vector2df(0.f, 0.f)),
                     S3DVertex(wall.b, wall.normal, color, vector2df(1.f, 0.f)),
                     S3DVertex(wall.c, wall.normal, color, vector2df(1.f, 1.f)),
                     S3DVertex(wall.d, wall.normal, color, vector2df(0.f, 1.f)));
    });
}

void VisualCharacterFrame::setFixpoint(const std::wstring& fixpointName, const irr::core::vector2di& position)
{
    fixpoints[fixpointName] = position;
}

irr::core::vector2di VisualCharacterFrame::getFixpoint(const std::wstring& fixpointName) const
{
    const auto found = fixpoints.find(fixpointName);
    return found == fixpoints.end() ? irr::core::vector2di(0, 0) : found->second;
}

} // namespace Lumo
