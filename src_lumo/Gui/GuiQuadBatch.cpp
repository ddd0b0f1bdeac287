#include "src_lumo/Gui/GuiQuadBatch.h"

namespace Lumo {

namespace {

// 16-bit indices, four corners a quad.
constexpr size_t kMostQuads = 0x10000 / 4;

bool isTranslucent(irr::video::SColor colour) { return colour.getAlpha() < 255; }

} // namespace

bool GuiQuadBatch::joins(const irr::video::IVideoDriver* toDriver, const irr::video::ITexture* toTexture,
                         irr::video::SColor colour) const {
    return toDriver == driver && toTexture == texture && isTranslucent(colour) == translucent &&
           quads.size() < kMostQuads;
}

void GuiQuadBatch::add(irr::video::IVideoDriver* toDriver, irr::video::ITexture* toTexture,
                       const irr::core::recti& pixels, const irr::core::recti& source, irr::video::SColor colour) {
    if (!quads.empty() && !joins(toDriver, toTexture, colour))
        flush();
    driver = toDriver;
    texture = toTexture;
    translucent = isTranslucent(colour);
    quads.push_back({pixels, source, colour});
}

void GuiQuadBatch::flush() {
    if (quads.size() == 1) {
        const Quad& quad = quads.front();
        const irr::video::SColor colours[4] = {quad.colour, quad.colour, quad.colour, quad.colour};
        driver->draw2DImage(texture, quad.pixels, quad.source, nullptr, colours, true);
    } else if (!quads.empty()) {
        drawAsOneList();
    }
    quads.clear();
}

// The same corners, texture coordinates and render states as the driver's own draw2DImage with
// the texture's alpha, so the picture does not change.
void GuiQuadBatch::drawAsOneList() {
    const irr::core::dimension2du& size = texture->getOriginalSize();
    const irr::f32 invWidth = 1.f / static_cast<irr::f32>(size.Width);
    const irr::f32 invHeight = 1.f / static_cast<irr::f32>(size.Height);
    vertices.clear();
    indices.clear();
    for (const Quad& quad : quads) {
        const irr::f32 left = static_cast<irr::f32>(quad.pixels.UpperLeftCorner.X);
        const irr::f32 top = static_cast<irr::f32>(quad.pixels.UpperLeftCorner.Y);
        const irr::f32 right = static_cast<irr::f32>(quad.pixels.LowerRightCorner.X);
        const irr::f32 bottom = static_cast<irr::f32>(quad.pixels.LowerRightCorner.Y);
        const irr::f32 u0 = quad.source.UpperLeftCorner.X * invWidth;
        const irr::f32 v0 = quad.source.UpperLeftCorner.Y * invHeight;
        const irr::f32 u1 = quad.source.LowerRightCorner.X * invWidth;
        const irr::f32 v1 = quad.source.LowerRightCorner.Y * invHeight;
        const irr::u16 first = static_cast<irr::u16>(vertices.size());
        vertices.emplace_back(left, top, 0.f, 0.f, 0.f, -1.f, quad.colour, u0, v0);
        vertices.emplace_back(right, top, 0.f, 0.f, 0.f, -1.f, quad.colour, u1, v0);
        vertices.emplace_back(right, bottom, 0.f, 0.f, 0.f, -1.f, quad.colour, u1, v1);
        vertices.emplace_back(left, bottom, 0.f, 0.f, 0.f, -1.f, quad.colour, u0, v1);
        for (irr::u16 corner = 0; corner < 4; ++corner)
            indices.push_back(static_cast<irr::u16>(first + corner));
    }

    irr::video::SMaterial material;
    material.setTexture(0, texture);
    material.MaterialType = irr::video::EMT_ONETEXTURE_BLEND;
    const irr::u32 alphaSource =
        translucent ? irr::video::EAS_TEXTURE | irr::video::EAS_VERTEX_COLOR : irr::video::EAS_TEXTURE;
    material.MaterialTypeParam = irr::video::pack_textureBlendFunc(
        irr::video::EBF_SRC_ALPHA, irr::video::EBF_ONE_MINUS_SRC_ALPHA, irr::video::EMFN_MODULATE_1X, alphaSource);
    driver->setMaterial(material);
    driver->draw2DVertexPrimitiveList(vertices.data(), static_cast<irr::u32>(vertices.size()), indices.data(),
                                      static_cast<irr::u32>(quads.size()), irr::video::EVT_STANDARD,
                                      irr::scene::EPT_QUADS, irr::video::EIT_16BIT);
}

} // namespace Lumo
