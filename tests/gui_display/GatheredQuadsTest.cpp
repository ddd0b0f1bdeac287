// The interface's textured quads go to the driver gathered into one list where their order
// allows: the picture must be the very one the driver draws with one call a quad.
#include "InterfaceScreenshotFixture.h"

#include "src_lumo/Gui/BitmapFont.h"
#include "src_lumo/Gui/GuiPainter.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Lumo;

namespace {

struct Piece {
    irr::core::recti source;
    irr::core::rectf target;
    irr::video::SColor colour;
};

// Glyphs that overlap the one before, in runs of three of one colour, opaque and see-through,
// with a dark bar across the middle of them (kFillAfter) so the order around a fill shows too.
std::vector<Piece> overlappingGlyphs() {
    const irr::video::SColor colours[] = {0xFFFFFFFF, 0xFFFF8C7A, 0x80FFFFFF, 0x80FFD27F, 0xFF64FF64};
    const std::wstring letters = L"baker's dough!";
    std::vector<Piece> pieces;
    for (size_t i = 0; i < letters.size(); ++i) {
        Piece piece;
        if (!BitmapFont::glyphSource(letters[i], piece.source))
            continue;
        const float x = 40.0f + 9.0f * static_cast<float>(i);
        const float y = 40.0f + 3.0f * static_cast<float>(i % 4);
        piece.target = irr::core::rectf(x, y, x + BitmapFont::kCell, y + BitmapFont::kCell);
        piece.colour = colours[(i / 3) % 5];
        pieces.push_back(piece);
    }
    return pieces;
}

const size_t kFillAfter = 6;
const irr::core::rectf kBar(60, 44, 120, 50);
const irr::video::SColor kBarColour(0xC8000000);

int differingPixels(irr::video::IImage* one, irr::video::IImage* other) {
    const irr::core::dimension2du size = one->getDimension();
    int count = 0;
    for (irr::u32 y = 0; y < size.Height; ++y)
        for (irr::u32 x = 0; x < size.Width; ++x)
            if (one->getPixel(x, y).color != other->getPixel(x, y).color)
                ++count;
    return count;
}

} // namespace

class GatheredQuadsTest : public InterfaceScreenshotFixture {
protected:
    GatheredQuadsTest() : InterfaceScreenshotFixture("gui", irr::video::SColor(255, 70, 90, 80)) {}

    irr::video::IImage* picture(const std::function<void()>& draw) {
        return drawIntoPicture(driver, kPictureSize, irr::video::SColor(255, 70, 90, 80), draw);
    }
};

TEST_F(GatheredQuadsTest, SamePictureAsOneDriverCallPerQuad) {
    irr::video::ITexture* font = keyed("lumodata/fontbakery.png");
    ASSERT_NE(font, nullptr);
    const std::vector<Piece> pieces = overlappingGlyphs();
    const InterfaceView& view = gGameData->interfaceView;
    irr::video::IImage* nothing = picture([] {});
    for (const bool pixelPrecise : {true, false}) {
        SCOPED_TRACE(pixelPrecise ? "pixel precise" : "smoothed");
        irr::video::IImage* gathered = picture([&] {
            const GuiPainter painter(driver, view, pixelPrecise);
            for (size_t i = 0; i < pieces.size(); ++i) {
                if (i == kFillAfter)
                    painter.fillRect(kBar, kBarColour);
                // Every fifth glyph from a painter of its own while the first one still holds
                // quads, as the HUD's money counter draws inside the HUD.
                if (i % 5 == 4)
                    GuiPainter(driver, view, pixelPrecise).drawImage(font, pieces[i].source, pieces[i].target,
                                                                     pieces[i].colour);
                else
                    painter.drawImage(font, pieces[i].source, pieces[i].target, pieces[i].colour);
            }
        });
        irr::video::IImage* oneCallEach = picture([&] {
            const GuiPainter filtering(driver, view, pixelPrecise);
            for (size_t i = 0; i < pieces.size(); ++i) {
                if (i == kFillAfter)
                    driver->draw2DRectangle(kBarColour, view.toPixels(kBar));
                const irr::video::SColor colours[4] = {pieces[i].colour, pieces[i].colour, pieces[i].colour,
                                                       pieces[i].colour};
                driver->draw2DImage(font, view.toPixels(pieces[i].target), pieces[i].source, nullptr, colours, true);
            }
        });
        ASSERT_TRUE(nothing && gathered && oneCallEach);
        EXPECT_GT(differingPixels(gathered, nothing), 1000) << "the glyphs were not drawn";
        EXPECT_EQ(differingPixels(gathered, oneCallEach), 0);
        gathered->drop();
        oneCallEach->drop();
    }
    nothing->drop();
}
