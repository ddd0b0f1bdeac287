// Writes all character and item art of the game into the runtime folder:
//   kornelo_sprites <runtime folder> [preview.png]
#include "tools/sprites/CharacterCatalogue.h"
#include "tools/sprites/CharacterSheet.h"
#include "tools/sprites/ContactSheet.h"
#include "tools/sprites/EffectTextures.h"
#include "tools/sprites/ItemSheet.h"
#include "tools/sprites/PngWriter.h"
#include "tools/sprites/StuffSheet.h"

#include <fstream>
#include <iostream>
#include <string>

using namespace SpriteArt;

namespace {

bool writeText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out)
        std::cerr << "could not write " << path << "\n";
    return static_cast<bool>(out);
}

bool writeDefinition(const PngWriter& png, const std::string& folder, const DefinitionDraft& definition,
                     const RgbaImage& sheet, const std::string& definitionFile)
{
    return png.write(sheet, folder + "/" + definition.bitmap) &&
           writeText(folder + "/" + definitionFile, definition.toXml());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: kornelo_sprites <runtime folder> [preview.png]\n";
        return 2;
    }
    const std::string runtime = argv[1];
    const std::string people = runtime + "/lumodata/2d";
    const PngWriter png;
    bool ok = true;

    ContactSheet preview(20, 26, 34, rgb(150, 160, 150));
    const char* const previewFrames[] = {
        "iddle_down", "iddle_up", "iddle_left", "iddle_right", "walk_down_1", "walk_down_2", "walk_down_3",
        "walk_down_4", "walk_left_1", "walk_left_2", "walk_left_3", "walk_left_4", "walk_up_1", "walk_up_2",
        "iddle_carry_down", "walk_carry_right_1", "iddle_carry_heavy_down", "walk_carry_heavy_left_2",
        "knet_left_1", "knet_left_3"};

    for (const CharacterLook& look : CharacterCatalogue::all()) {
        const CharacterSheet sheet(look);
        ok = writeDefinition(png, people, sheet.definition(), sheet.image(), "def_" + look.name + ".xml") && ok;
        preview.newRow();
        for (const char* name : previewFrames)
            preview.add(sheet.frame(name));
    }

    const std::string data = runtime + "/lumodata";
    const FramedSheet items = ItemSheet::build();
    const FramedSheet stuff = StuffSheet::build();
    ok = writeDefinition(png, data, items.definition(), items.image(), "def_items.xml") && ok;
    ok = writeDefinition(png, data, stuff.definition(), stuff.image(), "def_stuff.xml") && ok;

    const RgbaImage effects[] = {EffectTextures::shadow(), EffectTextures::flour(), EffectTextures::lightSmoke(),
                                 EffectTextures::darkSmoke()};
    ok = png.write(effects[0], data + "/shadow.png") && ok;
    ok = png.write(effects[1], people + "/flour.png") && ok;
    ok = png.write(effects[2], people + "/k_1.png") && ok;
    ok = png.write(effects[3], people + "/k_2.png") && ok;

    preview.addWide(items.image());
    preview.addWide(stuff.image());
    for (const RgbaImage& effect : effects)
        preview.add(effect);

    if (argc >= 3)
        ok = png.write(preview.render(4), argv[2]) && ok;
    return ok ? 0 : 1;
}
