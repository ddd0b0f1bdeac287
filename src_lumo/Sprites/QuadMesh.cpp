#include "src_lumo/Sprites/QuadMesh.h"

namespace Lumo {

void QuadMesh::addQuad(const irr::video::S3DVertex& a, const irr::video::S3DVertex& b,
                       const irr::video::S3DVertex& c, const irr::video::S3DVertex& d)
{
    if (chunkList.empty() || chunkList.back().vertices.size() + 4 > kMaxVerticesPerChunk)
        chunkList.emplace_back();
    Chunk& chunk = chunkList.back();
    const auto first = static_cast<irr::u16>(chunk.vertices.size());
    chunk.vertices.insert(chunk.vertices.end(), {a, b, c, d});
    const irr::u16 corners[6] = {first, static_cast<irr::u16>(first + 1), static_cast<irr::u16>(first + 2),
                                 first, static_cast<irr::u16>(first + 2), static_cast<irr::u16>(first + 3)};
    chunk.indices.insert(chunk.indices.end(), corners, corners + 6);
    ++quads;
}

void QuadMesh::addTransformed(const QuadMesh& other, const irr::core::matrix4& transform)
{
    for (const Chunk& chunk : other.chunkList)
        for (std::size_t first = 0; first + 3 < chunk.vertices.size(); first += 4) {
            irr::video::S3DVertex corners[4] = {chunk.vertices[first], chunk.vertices[first + 1],
                                                chunk.vertices[first + 2], chunk.vertices[first + 3]};
            for (irr::video::S3DVertex& corner : corners) {
                transform.transformVect(corner.Pos);
                transform.rotateVect(corner.Normal);
                corner.Normal.normalize();
            }
            addQuad(corners[0], corners[1], corners[2], corners[3]);
        }
}

void QuadMesh::shrinkToFit()
{
    for (Chunk& chunk : chunkList) {
        chunk.vertices.shrink_to_fit();
        chunk.indices.shrink_to_fit();
    }
    chunkList.shrink_to_fit();
}

void QuadMesh::draw(irr::video::IVideoDriver* driver) const
{
    for (const Chunk& chunk : chunkList)
        driver->drawVertexPrimitiveList(chunk.vertices.data(), static_cast<irr::u32>(chunk.vertices.size()),
                                        chunk.indices.data(), static_cast<irr::u32>(chunk.indices.size() / 3),
                                        irr::video::EVT_STANDARD, irr::scene::EPT_TRIANGLES,
                                        irr::video::EIT_16BIT);
}

} // namespace Lumo
