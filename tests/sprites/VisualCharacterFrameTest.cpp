// The frame mesh: merged pixel rectangles and the side walls built from a bitmap region.
#include "support/NullDeviceFixture.h"
#include "sprites/SpriteSheets.h"

#include "src_lumo/Sprites/VisualCharacterFrame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <tuple>

using Lumo::QuadMesh;
using Lumo::VisualCharacterFrame;

namespace {

class VisualCharacterFrameTest : public NullDeviceFixture {
protected:
    std::unique_ptr<VisualCharacterFrame> build(const std::vector<std::string>& rows, const irr::core::recti& rect,
                                                float thickness = 2.f)
    {
        irr::video::IImage* image = drawSheet(device().getVideoDriver(), rows);
        auto frame = std::make_unique<VisualCharacterFrame>(L"f", nullptr, *image, rect, thickness,
                                                            irr::video::SColor(0, 1, 2, 3));
        image->drop();
        return frame;
    }

    static std::vector<irr::video::S3DVertex> quadCorners(const QuadMesh& mesh)
    {
        std::vector<irr::video::S3DVertex> corners;
        for (const QuadMesh::Chunk& chunk : mesh.chunks())
            corners.insert(corners.end(), chunk.vertices.begin(), chunk.vertices.end());
        return corners;
    }
};

// A pattern with runs of several lengths, gaps, half-transparent pixels and a ragged border.
const std::vector<std::string> kFigure = {
    "..........",
    "...####...",
    "..######..",
    "..#h##h#..",
    ".########.",
    ".##....##.",
    ".##.##.##.",
    "h##.##.##h",
    "...#..#...",
};

TEST_F(VisualCharacterFrameTest, FullyTransparentFrameHasNoMeshAndTheInitialBox)
{
    const auto frame = build({"....", "....", "...."}, {0, 0, 4, 3});
    EXPECT_TRUE(frame->getFrontMesh().empty());
    EXPECT_TRUE(frame->getEdgeMesh().empty());
    EXPECT_EQ(frame->getBoundingBox(), irr::core::aabbox3df(-1.f, -1.f, -1.f, 1.f, 1.f, 1.f));
}

TEST_F(VisualCharacterFrameTest, RectanglesCoverEachVisiblePixelOnceAtItsTexturePosition)
{
    // A region inside a larger sheet, so texture coordinates must include the region's offset.
    std::vector<std::string> sheet(kFigure.size() + 3, std::string(kFigure[0].size() + 5, '#'));
    for (std::size_t y = 0; y < kFigure.size(); ++y)
        sheet[y + 3].replace(5, kFigure[y].size(), kFigure[y]);
    const int w = static_cast<int>(kFigure[0].size());
    const int h = static_cast<int>(kFigure.size());
    const float sheetW = static_cast<float>(sheet[0].size());
    const float sheetH = static_cast<float>(sheet.size());
    const auto frame = build(sheet, {5, 3, 5 + w, 3 + h}, 2.f);

    std::vector<int> covered(w * h, 0);
    const auto corners = quadCorners(frame->getFrontMesh());
    ASSERT_EQ(corners.size() % 4, 0u);
    for (std::size_t q = 0; q < corners.size(); q += 4) {
        float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
        for (std::size_t c = q; c < q + 4; ++c) {
            const auto& v = corners[c];
            EXPECT_FLOAT_EQ(v.Pos.Z, -2.f);
            EXPECT_EQ(v.Normal, irr::core::vector3df(0.f, 0.f, -1.f));
            // Local (x - w/2, h - y) is pixel corner (x, y) of the region.
            const float px = v.Pos.X + w * 0.5f;
            const float py = h - v.Pos.Y;
            EXPECT_NEAR(v.TCoords.X, (5 + px) / sheetW, 1e-6f);
            EXPECT_NEAR(v.TCoords.Y, (3 + py) / sheetH, 1e-6f);
            minX = std::min(minX, px), maxX = std::max(maxX, px);
            minY = std::min(minY, py), maxY = std::max(maxY, py);
        }
        for (int y = static_cast<int>(minY); y < static_cast<int>(maxY); ++y)
            for (int x = static_cast<int>(minX); x < static_cast<int>(maxX); ++x)
                ++covered[y * w + x];
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            EXPECT_EQ(covered[y * w + x], kFigure[y][x] == '.' ? 0 : 1) << "pixel " << x << "," << y;
    // Merging pays: far fewer quads than visible pixels.
    EXPECT_LT(frame->getFrontMesh().quadCount(), 20u);
}

TEST_F(VisualCharacterFrameTest, WallsStandOnlyOnOpaqueToTransparentEdges)
{
    const int w = static_cast<int>(kFigure[0].size());
    const int h = static_cast<int>(kFigure.size());
    const auto frame = build(kFigure, {0, 0, w, h}, 2.f);

    auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= w || y >= h ? '.' : kFigure[y][x]; };
    // An edge is (x, y, side) with side 0 up, 1 down, 2 left, 3 right.
    std::multiset<std::tuple<int, int, int>> expected;
    const int dx[4] = {0, 0, -1, 1};
    const int dy[4] = {-1, 1, 0, 0};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (at(x, y) == '#')
                for (int side = 0; side < 4; ++side)
                    if (at(x + dx[side], y + dy[side]) == '.')
                        expected.insert({x, y, side});

    std::multiset<std::tuple<int, int, int>> found;
    const auto corners = quadCorners(frame->getEdgeMesh());
    for (std::size_t q = 0; q < corners.size(); q += 4) {
        irr::core::aabbox3df box(corners[q].Pos);
        for (std::size_t c = q + 1; c < q + 4; ++c)
            box.addInternalPoint(corners[c].Pos);
        EXPECT_FLOAT_EQ(box.MinEdge.Z, -2.f);
        EXPECT_FLOAT_EQ(box.MaxEdge.Z, 0.f);
        const irr::core::vector3df n = corners[q].Normal;
        const float left = box.MinEdge.X + w * 0.5f;
        const float top = h - box.MaxEdge.Y;
        int side = -1, x = 0, y = 0;
        if (n.Y < 0) side = 0, x = static_cast<int>(left), y = static_cast<int>(top);
        if (n.Y > 0) side = 1, x = static_cast<int>(left), y = static_cast<int>(top) - 1;
        if (n.X < 0) side = 2, x = static_cast<int>(left), y = static_cast<int>(top);
        if (n.X > 0) side = 3, x = static_cast<int>(left) - 1, y = static_cast<int>(top);
        found.insert({x, y, side});
    }
    EXPECT_EQ(found, expected);
}

TEST_F(VisualCharacterFrameTest, BoundingBoxSpansTheWalls)
{
    const auto frame = build({"###", "###", "###", "###"}, {0, 0, 3, 4}, 3.f);
    EXPECT_EQ(frame->getBoundingBox(), irr::core::aabbox3df(-1.5f, -1.f, -3.f, 1.5f, 4.f, 1.f));
}

TEST_F(VisualCharacterFrameTest, LargeFramesStayWithinSixteenBitIndices)
{
    // A 128 x 128 checkerboard has 8192 opaque pixels, each walled on four sides: 32768 wall quads,
    // twice what one 16-bit indexed mesh can address.
    std::vector<std::string> board(128, std::string(128, '.'));
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            if ((x + y) % 2 == 0)
                board[y][x] = '#';
    const auto frame = build(board, {0, 0, 128, 128});
    EXPECT_EQ(frame->getFrontMesh().quadCount(), 8192u);
    EXPECT_EQ(frame->getEdgeMesh().quadCount(), 32768u);
    for (const QuadMesh* mesh : {&frame->getFrontMesh(), &frame->getEdgeMesh()}) {
        std::size_t quads = 0;
        for (const QuadMesh::Chunk& chunk : mesh->chunks()) {
            ASSERT_LE(chunk.vertices.size(), QuadMesh::kMaxVerticesPerChunk);
            ASSERT_EQ(chunk.indices.size(), chunk.vertices.size() / 4 * 6);
            for (const irr::u16 index : chunk.indices)
                ASSERT_LT(index, chunk.vertices.size());
            quads += chunk.vertices.size() / 4;
        }
        EXPECT_EQ(quads, mesh->quadCount());
    }
    EXPECT_EQ(frame->getEdgeMesh().chunks().size(), 2u);
}

} // namespace
