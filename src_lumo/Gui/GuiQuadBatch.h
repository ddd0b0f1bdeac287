#pragma once
// Textured quads of the interface that follow one another with the same texture go to the driver
// as one vertex list: under a software renderer every 2D draw costs more than the pixels of a
// glyph. A quad alone is drawn as before; quads are stored in the order they came, so what
// overlaps still overlaps the same way.
#include <irrlicht.h>

#include <vector>

namespace Lumo {

class GuiQuadBatch {
public:
    // Draws what is pending first when the quad cannot join it.
    void add(irr::video::IVideoDriver* driver, irr::video::ITexture* texture, const irr::core::recti& pixels,
             const irr::core::recti& source, irr::video::SColor colour);
    void flush();
    bool empty() const { return quads.empty(); }

private:
    struct Quad {
        irr::core::recti pixels;
        irr::core::recti source;
        irr::video::SColor colour;
    };

    bool joins(const irr::video::IVideoDriver* driver, const irr::video::ITexture* texture,
               irr::video::SColor colour) const;
    void drawAsOneList();

    irr::video::IVideoDriver* driver = nullptr;
    irr::video::ITexture* texture = nullptr;
    bool translucent = false;
    std::vector<Quad> quads;
    std::vector<irr::video::S3DVertex> vertices;
    std::vector<irr::u16> indices;
};

} // namespace Lumo
