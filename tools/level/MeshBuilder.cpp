#include "MeshBuilder.h"

#include <algorithm>
#include <cmath>

namespace LevelTool {

using irr::core::vector2df;
using irr::core::vector3df;

namespace {
// Faces turned away from the light are drawn darker, so boxes read as solid without lighting.
constexpr float kTopLight = 1.0f;
constexpr float kFrontLight = 0.86f;
constexpr float kSideLight = 0.72f;
constexpr float kBackLight = 0.62f;
} // namespace

MeshBuilder::MeshBuilder(irr::video::IVideoDriver* driver, const LevelDescription& level,
                         const std::set<std::string>& transparentTextures)
    : driver(driver), level(level), transparentTextures(transparentTextures) {}

vector3df MeshBuilder::local(float x, float y, float z) const {
    return vector3df(x - current->originX, y, z - current->originZ);
}

vector2df MeshBuilder::tiled(const std::string& texture, float u, float v) const {
    const float repeat = level.texel * static_cast<float>(level.textures.at(texture).size);
    return vector2df(u / repeat, v / repeat);
}

void MeshBuilder::addQuad(const std::string& texture, const Corner (&corners)[4], float brightness) {
    irr::scene::SMeshBuffer*& buffer = buffers[texture];
    if (!buffer) {
        buffer = new irr::scene::SMeshBuffer();
        irr::video::SMaterial& material = buffer->Material;
        material.Lighting = false;
        material.TextureLayer[0].BilinearFilter = false; // crisp texels, like the sprites
        material.setTexture(0, driver->getTexture(texture.c_str()));
        material.MaterialType = transparentTextures.count(texture) ? irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL
                                                                   : irr::video::EMT_SOLID;
    }
    const vector3df normal = (corners[1].position - corners[0].position)
                                 .crossProduct(corners[3].position - corners[0].position)
                                 .normalize();
    const irr::u32 value = static_cast<irr::u32>(255.0f * brightness);
    const irr::video::SColor colour(255, value, value, value);
    const irr::u16 first = static_cast<irr::u16>(buffer->Vertices.size());
    for (const Corner& corner : corners)
        buffer->Vertices.push_back(irr::video::S3DVertex(corner.position, -normal, colour, corner.uv));
    for (const int index : {0, 2, 1, 0, 3, 2})
        buffer->Indices.push_back(static_cast<irr::u16>(first + index));
}

void MeshBuilder::addFloor(const Shape& s) {
    const float y = s.y0;
    const Corner corners[4] = {{local(s.x0, y, s.z0), tiled(s.side, s.x0, -s.z0)},
                               {local(s.x1, y, s.z0), tiled(s.side, s.x1, -s.z0)},
                               {local(s.x1, y, s.z1), tiled(s.side, s.x1, -s.z1)},
                               {local(s.x0, y, s.z1), tiled(s.side, s.x0, -s.z1)}};
    addQuad(s.side, corners, kTopLight);
}

void MeshBuilder::addBox(const Shape& s) {
    const std::string& t = s.side;
    const Corner top[4] = {{local(s.x0, s.y1, s.z0), tiled(s.top, s.x0, -s.z0)},
                           {local(s.x1, s.y1, s.z0), tiled(s.top, s.x1, -s.z0)},
                           {local(s.x1, s.y1, s.z1), tiled(s.top, s.x1, -s.z1)},
                           {local(s.x0, s.y1, s.z1), tiled(s.top, s.x0, -s.z1)}};
    const Corner front[4] = {{local(s.x0, s.y0, s.z0), tiled(t, s.x0, -s.y0)},
                             {local(s.x1, s.y0, s.z0), tiled(t, s.x1, -s.y0)},
                             {local(s.x1, s.y1, s.z0), tiled(t, s.x1, -s.y1)},
                             {local(s.x0, s.y1, s.z0), tiled(t, s.x0, -s.y1)}};
    const Corner back[4] = {{local(s.x1, s.y0, s.z1), tiled(t, -s.x1, -s.y0)},
                            {local(s.x0, s.y0, s.z1), tiled(t, -s.x0, -s.y0)},
                            {local(s.x0, s.y1, s.z1), tiled(t, -s.x0, -s.y1)},
                            {local(s.x1, s.y1, s.z1), tiled(t, -s.x1, -s.y1)}};
    const Corner left[4] = {{local(s.x0, s.y0, s.z1), tiled(t, -s.z1, -s.y0)},
                            {local(s.x0, s.y0, s.z0), tiled(t, -s.z0, -s.y0)},
                            {local(s.x0, s.y1, s.z0), tiled(t, -s.z0, -s.y1)},
                            {local(s.x0, s.y1, s.z1), tiled(t, -s.z1, -s.y1)}};
    const Corner right[4] = {{local(s.x1, s.y0, s.z0), tiled(t, s.z0, -s.y0)},
                             {local(s.x1, s.y0, s.z1), tiled(t, s.z1, -s.y0)},
                             {local(s.x1, s.y1, s.z1), tiled(t, s.z1, -s.y1)},
                             {local(s.x1, s.y1, s.z0), tiled(t, s.z0, -s.y1)}};
    addQuad(s.top, top, kTopLight);
    addQuad(t, front, kFrontLight);
    addQuad(t, back, kBackLight);
    addQuad(t, left, kSideLight);
    addQuad(t, right, kSideLight);
}

void MeshBuilder::addPanel(const std::string& texture, float x0, float z0, float x1, float z1, float y0, float y1) {
    // A long panel repeats its square picture rather than stretching it.
    const float length = irr::core::vector2df(x1 - x0, z1 - z0).getLength();
    const float r = std::max(1.0f, std::round(length / (y1 - y0)));
    const Corner front[4] = {{local(x0, y0, z0), {0, 1}}, {local(x1, y0, z1), {r, 1}},
                             {local(x1, y1, z1), {r, 0}}, {local(x0, y1, z0), {0, 0}}};
    const Corner back[4] = {{local(x1, y0, z1), {r, 1}}, {local(x0, y0, z0), {0, 1}},
                            {local(x0, y1, z0), {0, 0}}, {local(x1, y1, z1), {r, 0}}};
    addQuad(texture, front, kTopLight);
    addQuad(texture, back, kSideLight);
}

irr::scene::SMesh* MeshBuilder::build(const MeshRecipe& recipe) {
    current = &recipe;
    buffers.clear();
    for (const Shape& shape : recipe.shapes) {
        switch (shape.kind) {
        case ShapeKind::Floor:
            addFloor(shape);
            break;
        case ShapeKind::Box:
            addBox(shape);
            break;
        case ShapeKind::Panel:
            addPanel(shape.side, shape.x0, shape.z0, shape.x1, shape.z1, shape.y0, shape.y1);
            break;
        case ShapeKind::Cross: {
            const float midX = (shape.x0 + shape.x1) / 2, midZ = (shape.z0 + shape.z1) / 2;
            addPanel(shape.side, shape.x0, midZ, shape.x1, midZ, shape.y0, shape.y1);
            addPanel(shape.side, midX, shape.z0, midX, shape.z1, shape.y0, shape.y1);
            break;
        }
        }
    }
    auto* mesh = new irr::scene::SMesh();
    for (auto& [texture, buffer] : buffers) {
        buffer->recalculateBoundingBox();
        mesh->addMeshBuffer(buffer);
        buffer->drop();
    }
    mesh->recalculateBoundingBox();
    buffers.clear();
    return mesh;
}

} // namespace LevelTool
