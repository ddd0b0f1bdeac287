// Paints the interface art into <runtime>/lumodata: the bitmap font, the three GUI sheets and the
// title menu pictures. Pixel (0, 0) of the font and the sheets is the colour key (magenta) that
// the game turns transparent at load. Deterministic: no randomness, same bytes every run.
#include "PixelCanvas.h"
#include "PixelGlyphs.h"
#include "src_lumo/Gui/GuiSheetLayout.h"

#include <irrlicht.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

using irr::video::SColor;
namespace Layout = Lumo::GuiSheetLayout;

namespace {

const SColor kKey(255, 255, 0, 255);
const SColor kClear(0, 0, 0, 0);
const SColor kWhite(255, 255, 255, 255);
const SColor kInk(255, 64, 40, 30);        // dark brown outlines
const SColor kWood(255, 156, 98, 56);
const SColor kWoodDark(255, 112, 68, 38);
const SColor kWoodLight(255, 196, 140, 86);
const SColor kCream(255, 244, 228, 192);
const SColor kApricot(255, 255, 186, 92);
const SColor kBoard(255, 99, 155, 255);     // the boards' fill colour
const SColor kBoardDark(255, 38, 56, 120);
const SColor kBoardLight(255, 176, 206, 255);

SColor mix(SColor a, SColor b, float t) { return b.getInterpolated(a, t); }

// Lettering with the 5 x 8 patterns; returns the width used.
int letter(PixelCanvas& canvas, const std::string& text, int x, int y, int scale, SColor colour) {
    int pen = x;
    for (const char character : text) {
        if (const char* const* rows = pixelGlyph(character))
            canvas.glyph(rows, pen, y, scale, colour);
        pen += 6 * scale;
    }
    return pen - x - scale;
}

void paintFont(irr::video::IVideoDriver* driver, const std::string& file) {
    PixelCanvas font(driver, Layout::kFontWidth, Layout::kFontHeight, kKey);
    const SColor shade(255, 96, 80, 72);
    const auto paintCell = [&](wchar_t character, int row, int column) {
        const char* const* rows = pixelGlyph(character);
        if (!rows)
            return;
        const int x = 2 + 32 * column, y = 2 + 32 * row;
        font.glyph(rows, x + 3, y, 2, kWhite);
        font.shadow(x, y, x + 16, y + 16, kWhite, shade, 1);
    };
    const int rowCodes[4] = {0x20, 0x30, 0x60, 0x70};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 16; ++column)
            paintCell(static_cast<wchar_t>(rowCodes[row] + column), row, column);
    const std::wstring extras = Layout::kFontExtraLetters;
    for (size_t column = 0; column < extras.size(); ++column)
        paintCell(extras[column], Layout::kFontExtraRow, static_cast<int>(column));
    font.write(driver, file.c_str());
}

void paintDayBox(PixelCanvas& sheet, const Layout::Region& box, SColor fill, SColor border) {
    sheet.fill(box.x0, box.y0, box.x1, box.y1, fill);
    sheet.frame(box.x0, box.y0, box.x1, box.y1, 2, border);
    sheet.fill(box.x0 + 2, box.y0 + 2, box.x1 - 2, box.y0 + 3, mix(fill, kWhite, 0.5f));
    sheet.roundCorners(box.x0, box.y0, box.x1, box.y1, 2, kKey);
}

void paintPointer(PixelCanvas& sheet) {
    const Layout::Region p = Layout::kPointer;
    // A plump arrow pointing right: a stem and a head, outlined in ink.
    sheet.fill(p.x0 + 4, p.y0 + 12, p.x0 + 16, p.y0 + 20, kApricot);
    for (int i = 0; i < 12; ++i)
        sheet.fill(p.x0 + 16 + i, p.y0 + 5 + i * 11 / 20 + i / 3, p.x0 + 17 + i, p.y1 - 5 - i * 11 / 20 - i / 3,
                   kApricot);
    sheet.outline(p.x0, p.y0, p.x1, p.y1, kApricot, kInk, 1);
    sheet.fill(p.x0 + 5, p.y0 + 13, p.x0 + 15, p.y0 + 14, kCream);
}

void paintWaitingIcon(PixelCanvas& sheet) {
    for (int frame = 0; frame < Layout::kWaitingFrames; ++frame) {
        const Layout::Region r = Layout::waitingIcon(frame);
        const int cx = r.x0 + 16, cy = r.y0 + 16;
        for (int dot = 0; dot < 8; ++dot) {
            const float angle = dot * 3.14159265f / 4.0f;
            const int x = cx + static_cast<int>(std::lround(10 * std::cos(angle)));
            const int y = cy + static_cast<int>(std::lround(10 * std::sin(angle)));
            const bool lit = dot / 2 == frame;
            sheet.fill(x - 2, y - 2, x + 2, y + 2, lit ? kApricot : kWoodLight);
        }
        sheet.outline(r.x0, r.y0, r.x1, r.y1, kApricot, kInk, 1);
    }
}

void paintGuiSheet(irr::video::IVideoDriver* driver, const std::string& file) {
    PixelCanvas sheet(driver, Layout::kGuiWidth, Layout::kGuiHeight, kKey);
    const Layout::Region strip = Layout::kTopStrip;
    for (int y = strip.y0; y < strip.y1; ++y) {
        const float t = static_cast<float>(y) / strip.height();
        const SColor plank = (y % 13 == 12) ? kWoodDark : mix(kWoodLight, kWood, t);
        sheet.fill(strip.x0, y, strip.x1, y + 1, plank);
    }
    sheet.fill(strip.x0, strip.y1 - 3, strip.x1, strip.y1, kInk);
    sheet.fill(strip.x0, strip.y0, strip.x1, strip.y0 + 1, kCream);
    // A darker inset where the money and the clock sit.
    sheet.fill(6, 12, 122, 42, kWoodDark);
    sheet.fill(544, 12, 634, 42, kWoodDark);
    sheet.roundCorners(strip.x0, strip.y0, strip.x1, strip.y1, 3, kKey);

    paintDayBox(sheet, Layout::kDayBox, kCream, kWoodDark);
    paintDayBox(sheet, Layout::kDayBoxToday, kApricot, kInk);
    const char* const names[Layout::kDayLabelLanguages][7] = {{"mo", "tu", "we", "th", "fr", "sa", "su"},
                                                              {"mo", "di", "mi", "do", "fr", "sa", "so"}};
    for (int language = 0; language < Layout::kDayLabelLanguages; ++language)
        for (int day = 0; day < 7; ++day) {
            const Layout::Region label = Layout::dayLabel(day, language);
            letter(sheet, names[language][day], label.x0 + 8, label.y0 + 2, 2, kInk);
        }
    paintPointer(sheet);
    paintWaitingIcon(sheet);
    sheet.write(driver, file.c_str());
}

void paintBoardPieces(PixelCanvas& sheet) {
    // The whole frame drawn once over 48 x 48; its middle stays clear for the board's fill.
    sheet.frame(0, 0, 48, 48, 3, kBoardDark);
    sheet.frame(3, 3, 45, 45, 1, kBoardLight);
    sheet.roundCorners(0, 0, 48, 48, 3, kKey);
    sheet.set(3, 3, kBoardDark);
    sheet.set(44, 3, kBoardDark);
    sheet.set(3, 44, kBoardDark);
    sheet.set(44, 44, kBoardDark);
}

void paintGui2Sheet(irr::video::IVideoDriver* driver, const std::string& file) {
    PixelCanvas sheet(driver, Layout::kGui2Width, Layout::kGui2Height, kKey);
    paintBoardPieces(sheet);

    const Layout::Region tail = Layout::kBubbleTail;
    for (int row = 0; row < tail.height(); ++row) {
        const int half = 7 - row * 7 / tail.height();
        sheet.fill(tail.x0 + 8 - half, tail.y0 + row, tail.x0 + 8 + half, tail.y0 + row + 1, kBoard);
    }
    sheet.outline(tail.x0, tail.y0 + 4, tail.x1, tail.y1, kBoard, kBoardDark, 1);

    for (int cell = 0; cell < 3; ++cell) {
        const Layout::Region marker = Layout::continueMarker(cell);
        const int drop = 2 * cell;
        for (int row = 0; row < 6; ++row)
            sheet.fill(marker.x0 + 3 + row, marker.y0 + 4 + drop + row, marker.x1 - 3 - row,
                       marker.y0 + 5 + drop + row, kWhite);
        sheet.outline(marker.x0, marker.y0, marker.x1, marker.y1, kWhite, kInk, 1);
    }

    const Layout::Region select = Layout::kSelectionMarker;
    for (int column = 0; column < 6; ++column)
        sheet.fill(select.x0 + 4 + column, select.y0 + 2 + column, select.x0 + 5 + column, select.y1 - 2 - column,
                   kApricot);
    sheet.outline(select.x0, select.y0, select.x1, select.y1, kApricot, kInk, 1);

    const Layout::Region box = Layout::kDialogueBox;
    sheet.fill(box.x0, box.y0, box.x1, box.y1, SColor(224, 58, 38, 48));
    sheet.frame(box.x0, box.y0, box.x1, box.y1, 2, SColor(255, 232, 200, 150));
    sheet.frame(box.x0 + 2, box.y0 + 2, box.x1 - 2, box.y1 - 2, 1, kInk);
    sheet.roundCorners(box.x0, box.y0, box.x1, box.y1, 3, kKey);
    sheet.write(driver, file.c_str());
}

void paintCalendarSheet(irr::video::IVideoDriver* driver, const std::string& file) {
    PixelCanvas sheet(driver, Layout::kGui3Width, Layout::kGui3Height, kKey);
    const auto cell = [&](const Layout::Region& r, SColor fill) {
        sheet.fill(r.x0, r.y0, r.x1, r.y1, fill);
        sheet.frame(r.x0 + 1, r.y0 + 1, r.x1 - 1, r.y1 - 1, 2, kInk);
        sheet.fill(r.x0 + 3, r.y0 + 3, r.x1 - 3, r.y0 + 5, mix(fill, kWhite, 0.6f));
        sheet.fill(r.x0, r.y0, r.x1, r.y0 + 1, kKey);
        sheet.fill(r.x0, r.y0, r.x0 + 1, r.y1, kKey);
        sheet.fill(r.x1 - 1, r.y0, r.x1, r.y1, kKey);
        sheet.fill(r.x0, r.y1 - 1, r.x1, r.y1, kKey);
    };
    cell(Layout::kCalendarCell, SColor(255, 176, 124, 82));
    cell(Layout::kCalendarCellToday, SColor(255, 214, 84, 64));
    sheet.write(driver, file.c_str());
}

void paintMenuBackground(irr::video::IVideoDriver* driver, const std::string& file) {
    PixelCanvas picture(driver, Layout::kMenuBackgroundWidth, Layout::kMenuBackgroundHeight, kWhite);
    const SColor top(255, 250, 214, 160), bottom(255, 196, 126, 88);
    for (int y = 0; y < picture.height(); ++y) {
        const float t = static_cast<float>(y) / picture.height();
        for (int x = 0; x < picture.width(); ++x) {
            const bool tile = ((x / 20) + (y / 20)) % 2 == 0;
            const SColor base = mix(top, bottom, t);
            picture.set(x, y, tile ? base : mix(base, kWoodDark, 0.08f));
        }
    }
    // The panel behind the entries.
    picture.fill(232, 160, 408, 306, SColor(255, 92, 56, 42));
    picture.frame(232, 160, 408, 306, 3, kInk);
    picture.frame(235, 163, 405, 303, 1, kWoodLight);
    picture.write(driver, file.c_str());
}

void paintMenuSide(irr::video::IVideoDriver* driver, const std::string& file) {
    PixelCanvas side(driver, Layout::kMenuSideWidth, Layout::kMenuSideHeight, kClear);
    side.fill(8, 0, 120, 360, kWood);
    side.fill(8, 0, 14, 360, kWoodDark);
    side.fill(114, 0, 120, 360, kWoodDark);
    const SColor crust(255, 210, 140, 60), crumb(255, 240, 190, 110);
    for (int shelf = 0; shelf < 6; ++shelf) {
        const int y = 50 + shelf * 60;
        side.fill(4, y, 124, y + 6, kWoodDark);
        side.fill(4, y, 124, y + 1, kWoodLight);
        // Two loaves on every shelf, alternating long and round.
        for (int loaf = 0; loaf < 2; ++loaf) {
            const int cx = 40 + loaf * 48;
            const int rx = (shelf + loaf) % 2 ? 18 : 12;
            const int ry = 9;
            for (int dy = -ry; dy <= 0; ++dy)
                for (int dx = -rx; dx <= rx; ++dx)
                    if (dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry)
                        side.set(cx + dx, y - 1 + dy, dy > -3 ? crust : crumb);
            side.outline(cx - rx - 1, y - ry - 2, cx + rx + 2, y, crust, kInk, 1);
        }
    }
    side.write(driver, file.c_str());
}

void paintLogo(irr::video::IVideoDriver* driver, const std::string& file) {
    PixelCanvas logo(driver, Layout::kLogoWidth, Layout::kLogoHeight, kClear);
    const SColor gold(255, 252, 204, 96);
    const int scale = 7;
    const int width = 7 * 6 * scale - scale;
    const int x = (Layout::kLogoWidth - width) / 2;
    letter(logo, "Kornelo", x, 14, scale, gold);
    // Lighter top edges of the strokes, a warm outline and a soft drop shadow.
    const SColor highlight(255, 255, 240, 170);
    for (int y = 14 + 8 * scale; y > 14; --y)
        for (int px = x; px < x + width; ++px)
            if (logo.get(px, y) == gold && logo.get(px, y - 1) != gold && logo.get(px, y - 1) != highlight)
                logo.fill(px, y, px + 1, y + 2, highlight);
    logo.outline(0, 0, logo.width(), logo.height(), gold, kInk, 3);
    logo.shadow(0, 0, logo.width(), logo.height(), kInk, SColor(160, 40, 20, 10), 3);
    logo.write(driver, file.c_str());
}

// The desktop icon: the logo's gold "K" on a rounded wooden tile.
void paintIcon(irr::video::IVideoDriver* driver, const std::string& file) {
    constexpr int kSide = 64;
    PixelCanvas icon(driver, kSide, kSide, kClear);
    icon.fill(2, 2, kSide - 2, kSide - 2, kWood);
    icon.frame(2, 2, kSide - 2, kSide - 2, 3, kWoodDark);
    icon.fill(5, 5, kSide - 5, 8, kWoodLight);
    icon.roundCorners(2, 2, kSide - 2, kSide - 2, 3, kClear);
    const SColor gold(255, 252, 204, 96);
    const int scale = 5;
    letter(icon, "K", (kSide - 5 * scale) / 2, (kSide - 8 * scale) / 2, scale, gold);
    icon.outline(6, 6, kSide - 6, kSide - 6, gold, kInk, 2);
    icon.write(driver, file.c_str());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: guiart <runtime folder> [icon.png]\n");
        return 2;
    }
    const std::filesystem::path root(argv[1]);
    std::filesystem::create_directories(root / "lumodata" / "2d");
    irr::IrrlichtDevice* device = irr::createDevice(irr::video::EDT_NULL);
    if (!device)
        return 1;
    irr::video::IVideoDriver* driver = device->getVideoDriver();
    const auto at = [&](const char* name) { return (root / name).string(); };
    paintFont(driver, at("lumodata/fontbakery.png"));
    paintGuiSheet(driver, at("lumodata/2d/gui.png"));
    paintGui2Sheet(driver, at("lumodata/2d/gui2.png"));
    paintCalendarSheet(driver, at("lumodata/2d/gui3.png"));
    paintMenuBackground(driver, at("lumodata/2d/mm_b.png"));
    paintMenuSide(driver, at("lumodata/2d/mm_s.png"));
    paintLogo(driver, at("lumodata/2d/logo.png"));
    if (argc == 3)
        paintIcon(driver, argv[2]);
    device->drop();
    return 0;
}
