// The interface's textured quads go to the driver gathered into one list where their order
// allows: the picture must be the very one the driver draws with one call a quad.
#include "InterfaceScreenshotFixture.h"

#include "src_lumo/Gui/BitmapFont.h"
#include "src_lumo/Gui/GuiPainter.h"

#include <vector>

using namespace Lumo;

namespace {

const irr::video::SColor kBackground(255, 70, 90, 80);

} // namespace

class GatheredQuadsTest : public InterfaceScreenshotFixture {
protected:
    GatheredQuadsTest() : InterfaceScreenshotFixture("gui", kBackground) {}
    irr::video::IImage* picture(const std::function<void()>& draw) {
        return drawIntoPicture(driver, kPictureSize, kBackground, draw);
    }
};

// Glyphs that overlap the one before, in runs of three of one colour, opaque and see-through, with
// a dark bar across the middle of them so the order around a fill shows too; every fifth from a
// painter of its own while the first still holds quads, as the HUD's money counter draws inside
// the HUD.
TEST_F(GatheredQuadsTest, SamePictureAsOneDriverCallPerQuad) {
    irr::video::ITexture* font = keyed("lumodata/fontbakery.png");
    ASSERT_NE(font, nullptr);
    const irr::video::SColor colours[] = {0xFFFFFFFF, 0xFFFF8C7A, 0x80FFFFFF, 0x80FFD27F, 0xFF64FF64};
    const std::wstring letters = L"baker's dough!";
    const size_t fillAfter = 6;
    const irr::core::rectf bar(60, 44, 120, 50);
    const irr::video::SColor barColour(0xC8000000);
    const InterfaceView& view = gGameData->interfaceView;
    irr::video::IImage* nothing = picture([] {});
    for (const bool pixelPrecise : {true, false}) {
        SCOPED_TRACE(pixelPrecise ? "pixel precise" : "smoothed");
        // Draws every glyph through the function given, the bar through the other.
        const auto glyphs = [&](const std::function<void(const irr::core::recti&, const irr::core::rectf&,
                                                         irr::video::SColor, size_t)>& glyph,
                                const std::function<void()>& fill) {
            for (size_t i = 0; i < letters.size(); ++i) {
                if (i == fillAfter)
                    fill();
                irr::core::recti source;
                const float x = 40.0f + 9.0f * i, y = 40.0f + 3.0f * (i % 4);
                if (BitmapFont::glyphSource(letters[i], source))
                    glyph(source, {x, y, x + BitmapFont::kCell, y + BitmapFont::kCell}, colours[(i / 3) % 5], i);
            }
        };
        irr::video::IImage* gathered = picture([&] {
            const GuiPainter painter(driver, view, pixelPrecise);
            glyphs([&](const auto& source, const auto& target, irr::video::SColor colour, size_t i) {
                if (i % 5 == 4)
                    GuiPainter(driver, view, pixelPrecise).drawImage(font, source, target, colour);
                else
                    painter.drawImage(font, source, target, colour);
            }, [&] { painter.fillRect(bar, barColour); });
        });
        const irr::u32 gatheredLists = driver->getPrimitiveCountDrawn();
        irr::video::IImage* oneCallEach = picture([&] {
            const GuiPainter filtering(driver, view, pixelPrecise);
            glyphs([&](const auto& source, const auto& target, irr::video::SColor colour, size_t) {
                const irr::video::SColor corners[4] = {colour, colour, colour, colour};
                driver->draw2DImage(font, view.toPixels(target), source, nullptr, corners, true);
            }, [&] { driver->draw2DRectangle(barColour, view.toPixels(bar)); });
        });
        // The driver counts only what is drawn as vertex lists.
        EXPECT_EQ(driver->getPrimitiveCountDrawn(), 0u);
        EXPECT_GT(gatheredLists, 0u) << "no quads were gathered";
        ASSERT_TRUE(nothing && gathered && oneCallEach);
        EXPECT_GT(differingPixels(gathered, nothing), 1000) << "the glyphs were not drawn";
        EXPECT_EQ(differingPixels(gathered, oneCallEach), 0);
        gathered->drop();
        oneCallEach->drop();
    }
    nothing->drop();
}
