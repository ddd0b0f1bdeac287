#pragma once
// A list of quads drawn as 16-bit indexed triangle lists. A 16-bit index reaches only 65536
// vertices, so the quads are kept in chunks that each stay within that range; a large frame
// becomes several draw calls instead of a mesh whose indices wrap around.
#include <irrlicht.h>

#include <cstddef>
#include <vector>

namespace Lumo {

class QuadMesh {
public:
    static constexpr std::size_t kMaxVerticesPerChunk = 65536;

    struct Chunk {
        std::vector<irr::video::S3DVertex> vertices;
        std::vector<irr::u16> indices;
    };

    // Corners in order: two triangles (0, 1, 2) and (0, 2, 3).
    void addQuad(const irr::video::S3DVertex& a, const irr::video::S3DVertex& b,
                 const irr::video::S3DVertex& c, const irr::video::S3DVertex& d);

    std::size_t quadCount() const { return quads; }
    bool empty() const { return quads == 0; }
    const std::vector<Chunk>& chunks() const { return chunkList; }

    // Appends every quad of the other mesh, moved by the transform (normals turned with it).
    void addTransformed(const QuadMesh& other, const irr::core::matrix4& transform);

    // Once the last quad is in: gives back what the growing lists reserved beyond their size
    // (about a quarter of all sprite mesh memory).
    void shrinkToFit();

    // Uses the driver's current material and transforms.
    void draw(irr::video::IVideoDriver* driver) const;

private:
    std::vector<Chunk> chunkList;
    std::size_t quads = 0;
};

} // namespace Lumo
