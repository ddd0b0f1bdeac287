#pragma once
// One animation frame of a sprite: the pixels of a bitmap region turned into a thin slab. The
// front mesh carries the pixels as merged rectangles; the edge mesh is the one-pixel side walls
// drawn in the border colour. The meshes are built the first time they are asked for: most
// frames of most sprites are never shown in a day, and a frame's pixels are far smaller than its
// meshes. Never changed afterwards.
#include "src_lumo/Sprites/QuadMesh.h"

#include <irrlicht.h>

#include <map>
#include <memory>
#include <string>

namespace Lumo {

class VisualCharacterFrame {
public:
    // rect is in bitmap pixels, right and bottom exclusive; the part outside the bitmap is cut
    // off. The texture is the bitmap as uploaded to the driver (owned by the texture cache).
    VisualCharacterFrame(std::wstring name, irr::video::ITexture* texture, const irr::video::IImage& bitmap,
                         const irr::core::recti& rect, float thickness, irr::video::SColor borderColor);
    ~VisualCharacterFrame();
    VisualCharacterFrame(const VisualCharacterFrame&) = delete;
    VisualCharacterFrame& operator=(const VisualCharacterFrame&) = delete;

    const std::wstring& getName() const { return name; }
    irr::video::ITexture* getTexture() const { return texture; }
    const irr::core::aabbox3df& getBoundingBox() const { return boundingBox; }
    const QuadMesh& getFrontMesh() const;
    const QuadMesh& getEdgeMesh() const;

    void setFixpoint(const std::wstring& fixpointName, const irr::core::vector2di& position);
    // (0, 0) when the frame has no fixpoint of that name.
    irr::core::vector2di getFixpoint(const std::wstring& fixpointName) const;

private:
    class PixelRegion;
    struct Wall;
    template <typename Visit>
    void forEachWall(Visit visit) const;
    void buildMeshes() const;
    void buildFront() const;
    void buildWalls() const;

    std::wstring name;
    irr::video::ITexture* texture;
    float thickness;
    irr::video::SColor borderColor;
    irr::core::aabbox3df boundingBox{-1.f, -1.f, -1.f, 1.f, 1.f, 1.f};
    // The pixels, until the meshes are built from them.
    mutable std::unique_ptr<PixelRegion> pixels;
    mutable QuadMesh front;
    mutable QuadMesh edge;
    std::map<std::wstring, irr::core::vector2di> fixpoints;
};

} // namespace Lumo
