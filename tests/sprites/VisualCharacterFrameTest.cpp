// The frame mesh: merged pixel rectangles and the side walls built from a bitmap region.
#include "support/NullDeviceFixture.h"
#include "sprites/SpriteSheets.h"

#include "src_lumo/Sprites/VisualCharacterFrame.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <tuple>

using Lumo::QuadMesh;
using Lumo::VisualCharacterFrame;
using irr::core::aabbox3df;

namespace {

// A pattern with runs of several lengths, gaps, half-transparent pixels and a ragged border.
const std::vector<std::string> kFigure = {
    "..........", "...####...", "..######..", "..#h##h#..", ".########.",
    ".##....##.", ".##.##.##.", "h##.##.##h", "...#..#...",
};
constexpr int kW = 10, kH = 9;

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

    // Each quad of the mesh as the box around its corners, with the first corner's normal.
    static std::vector<std::pair<aabbox3df, irr::core::vector3df>> quads(const QuadMesh& mesh)
    {
        std::vector<std::pair<aabbox3df, irr::core::vector3df>> found;
        for (const QuadMesh::Chunk& chunk : mesh.chunks()) {
            EXPECT_EQ(chunk.vertices.size() % 4, 0u);
            for (std::size_t q = 0; q + 3 < chunk.vertices.size(); q += 4) {
                aabbox3df box(chunk.vertices[q].Pos);
                for (std::size_t c = q + 1; c < q + 4; ++c)
                    box.addInternalPoint(chunk.vertices[c].Pos);
                found.push_back({box, chunk.vertices[q].Normal});
            }
        }
        return found;
    }
};

TEST_F(VisualCharacterFrameTest, BoundingBoxSpansTheWallsAndAnEmptyFrameKeepsTheInitialOne)
{
    const auto empty = build({"....", "....", "...."}, {0, 0, 4, 3});
    EXPECT_TRUE(empty->getFrontMesh().empty());
    EXPECT_TRUE(empty->getEdgeMesh().empty());
    EXPECT_EQ(empty->getBoundingBox(), aabbox3df(-1.f, -1.f, -1.f, 1.f, 1.f, 1.f));
    const auto full = build({"###", "###", "###", "###"}, {0, 0, 3, 4}, 3.f);
    EXPECT_EQ(full->getBoundingBox(), aabbox3df(-1.5f, -1.f, -3.f, 1.5f, 4.f, 1.f));
}

TEST_F(VisualCharacterFrameTest, AFrameReachingPastItsPictureKeepsOnlyThePixelsInside)
{
    const auto overhanging = build({"###", "###"}, {1, 0, 10, 5});
    const auto inside = build({"##", "##"}, {0, 0, 2, 2});
    EXPECT_EQ(overhanging->getBoundingBox(), inside->getBoundingBox());
    EXPECT_EQ(overhanging->getFrontMesh().quadCount(), inside->getFrontMesh().quadCount());
    const auto outside = build({"###", "###"}, {5, 5, 9, 9});
    EXPECT_TRUE(outside->getFrontMesh().empty());
    EXPECT_TRUE(outside->getEdgeMesh().empty());
}

TEST_F(VisualCharacterFrameTest, RectanglesCoverEachVisiblePixelOnceAtItsTexturePosition)
{
    // A region inside a larger sheet, so texture coordinates must include the region's offset.
    std::vector<std::string> sheet(kH + 3, std::string(kW + 5, '#'));
    for (int y = 0; y < kH; ++y)
        sheet[y + 3].replace(5, kW, kFigure[y]);
    const auto frame = build(sheet, {5, 3, 5 + kW, 3 + kH}, 2.f);
    std::vector<int> covered(kW * kH, 0);
    for (const QuadMesh::Chunk& chunk : frame->getFrontMesh().chunks())
        for (const irr::video::S3DVertex& v : chunk.vertices) {
            EXPECT_FLOAT_EQ(v.Pos.Z, -2.f);
            EXPECT_EQ(v.Normal, irr::core::vector3df(0.f, 0.f, -1.f));
            // Local (x - w/2, h - y) is pixel corner (x, y) of the region.
            EXPECT_NEAR(v.TCoords.X, (5 + v.Pos.X + kW * 0.5f) / (kW + 5), 1e-6f);
            EXPECT_NEAR(v.TCoords.Y, (3 + kH - v.Pos.Y) / (kH + 3), 1e-6f);
        }
    for (const auto& [box, normal] : quads(frame->getFrontMesh()))
        for (int y = static_cast<int>(kH - box.MaxEdge.Y); y < static_cast<int>(kH - box.MinEdge.Y); ++y)
            for (int x = static_cast<int>(box.MinEdge.X + kW * 0.5f); x < static_cast<int>(box.MaxEdge.X + kW * 0.5f); ++x)
                ++covered[y * kW + x];
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            EXPECT_EQ(covered[y * kW + x], kFigure[y][x] == '.' ? 0 : 1) << "pixel " << x << "," << y;
    // Merging pays: far fewer quads than visible pixels.
    EXPECT_LT(frame->getFrontMesh().quadCount(), 20u);
}

TEST_F(VisualCharacterFrameTest, WallsStandOnlyOnOpaqueToTransparentEdges)
{
    const auto frame = build(kFigure, {0, 0, kW, kH}, 2.f);
    auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= kW || y >= kH ? '.' : kFigure[y][x]; };
    // A wall is the pixel it bounds and the step (dx, dy) to the transparent neighbour.
    std::multiset<std::tuple<int, int, int, int>> expected, found;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            for (const auto& [dx, dy] : {std::pair{0, -1}, std::pair{0, 1}, std::pair{-1, 0}, std::pair{1, 0}})
                if (at(x, y) == '#' && at(x + dx, y + dy) == '.')
                    expected.insert({x, y, dx, dy});
    for (const auto& [box, n] : quads(frame->getEdgeMesh())) {
        EXPECT_FLOAT_EQ(box.MinEdge.Z, -2.f);
        EXPECT_FLOAT_EQ(box.MaxEdge.Z, 0.f);
        // One pixel's edge long: a longer wall pokes out past the pixel beside it.
        EXPECT_FLOAT_EQ(box.MaxEdge.X - box.MinEdge.X + box.MaxEdge.Y - box.MinEdge.Y, 1.f);
        const int dx = n.X < 0 ? -1 : n.X > 0 ? 1 : 0, dy = n.Y < 0 ? -1 : n.Y > 0 ? 1 : 0;
        const int left = static_cast<int>(box.MinEdge.X + kW * 0.5f), top = static_cast<int>(kH - box.MaxEdge.Y);
        found.insert({left - (dx > 0), top - (dy > 0), dx, dy});
    }
    EXPECT_EQ(found, expected);
}

TEST_F(VisualCharacterFrameTest, LargeFramesStayWithinSixteenBitIndices)
{
    // A 128 x 128 checkerboard has 8192 opaque pixels, each walled on four sides: 32768 wall quads,
    // twice what one 16-bit indexed mesh can address.
    std::vector<std::string> board(128, std::string(128, '.'));
    for (int y = 0; y < 128; ++y)
        for (int x = y % 2; x < 128; x += 2)
            board[y][x] = '#';
    const auto frame = build(board, {0, 0, 128, 128});
    EXPECT_EQ(frame->getFrontMesh().quadCount(), 8192u);
    EXPECT_EQ(frame->getEdgeMesh().quadCount(), 32768u);
    for (const QuadMesh* mesh : {&frame->getFrontMesh(), &frame->getEdgeMesh()}) {
        std::size_t quadsSeen = 0;
        for (const QuadMesh::Chunk& chunk : mesh->chunks()) {
            ASSERT_LE(chunk.vertices.size(), QuadMesh::kMaxVerticesPerChunk);
            ASSERT_EQ(chunk.indices.size(), chunk.vertices.size() / 4 * 6);
            for (const irr::u16 index : chunk.indices)
                ASSERT_LT(index, chunk.vertices.size());
            quadsSeen += chunk.vertices.size() / 4;
        }
        EXPECT_EQ(quadsSeen, mesh->quadCount());
    }
    EXPECT_EQ(frame->getEdgeMesh().chunks().size(), 2u);
}

} // namespace
