// The shipped character and item art: every definition loads through the game's loader
// without complaint, and every frame, animation and id the game asks for exists, lies inside its
// sheet and shows something.
#include "NullDeviceFixture.h"
#include "TempDir.h"

#include "src_lumo/Bakery/GoodKind.h"
#include "src_lumo/Bakery/GoodsTable.h"
#include "src_lumo/Sprites/FileLoader.h"
#include "src_lumo/Sprites/SpriteDefinitionFiles.h"
#include "TovarWorks/Console/ConsoleLogic.h"

#include <map>
#include <memory>
#include <regex>
#include <set>

namespace {

using Lumo::SpriteDefinition;

struct Rect {
    int x1, y1, x2, y2;
    bool operator==(const Rect& o) const { return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2; }
};

// What a definition file writes: one sheet, a rectangle for each frame, the frames animations list.
struct FileText {
    std::string sheet;
    std::map<std::string, Rect> rects;
    std::vector<std::string> listed;

    explicit FileText(const std::string& path)
    {
        const std::string text = readWholeFile(path);
        std::smatch bitmap;
        if (std::regex_search(text, bitmap, std::regex("<bitmap>([^<]+)</bitmap>")))
            sheet = path.substr(0, path.rfind('/') + 1) + bitmap[1].str();
        const std::regex frame(R"re(<frame name="([^"]+)">.*<rect>(\d+),(\d+),(\d+),(\d+)</rect>)re");
        for (std::sregex_iterator it(text.begin(), text.end(), frame), end; it != end; ++it)
            rects[(*it)[1]] = {std::stoi((*it)[2]), std::stoi((*it)[3]), std::stoi((*it)[4]), std::stoi((*it)[5])};
        const std::regex add(R"re(<add id="([^"]*)")re");
        for (std::sregex_iterator it(text.begin(), text.end(), add), end; it != end; ++it)
            listed.push_back((*it)[1]);
    }
};

std::string narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }
std::wstring wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

class ShippedArt : public NullDeviceFixture {
protected:
    void SetUp() override
    {
        NullDeviceFixture::SetUp();
        Lumo::loadSpriteDefinitions(store);
    }

    irr::video::IImage* image(const std::string& path)
    {
        auto it = images.find(path);
        if (it == images.end()) {
            irr::video::IImage* loaded = device().getVideoDriver()->createImageFromFile(path.c_str());
            it = images.emplace(path, std::shared_ptr<irr::video::IImage>(loaded, [](auto* i) { i ? i->drop() : false; })).first;
        }
        return it->second.get();
    }

    template <typename Accept>
    int pixels(irr::video::IImage* sheet, const Rect& r, Accept accept)
    {
        int count = 0;
        for (int y = std::max(0, r.y1); y < std::min<int>(r.y2, sheet->getDimension().Height); ++y)
            for (int x = std::max(0, r.x1); x < std::min<int>(r.x2, sheet->getDimension().Width); ++x)
                count += sheet->getPixel(x, y).getAlpha() == 255 && accept(sheet->getPixel(x, y));
        return count;
    }
    int opaque(irr::video::IImage* sheet, const Rect& r)
    {
        return pixels(sheet, r, [](irr::video::SColor) { return true; });
    }

    // Every frame of the file was loaded with geometry, a texture and a border colour, and its
    // rectangle lies inside the sheet and holds a visible pixel. Returns the definition.
    const SpriteDefinition& expectShown(const std::string& path, const std::string& name)
    {
        const SpriteDefinition* definition = store.getDefinition(wide(name));
        if (!definition)
            throw std::runtime_error("missing definition " + name);
        const FileText file(path);
        irr::video::IImage* sheet = image(file.sheet);
        EXPECT_NE(sheet, nullptr) << file.sheet;
        EXPECT_EQ(file.rects.size(), definition->getFrames().size()) << path;
        for (const auto& [frameName, r] : file.rects) {
            SCOPED_TRACE(frameName);
            const Lumo::VisualCharacterFrame* frame = definition->findFrame(wide(frameName));
            EXPECT_TRUE(frame && !frame->getFrontMesh().empty() && !frame->getEdgeMesh().empty());
            if (!frame || frame->getEdgeMesh().empty())
                continue;
            EXPECT_NE(frame->getEdgeMesh().chunks()[0].vertices[0].Color, irr::video::SColor(0));
            EXPECT_NE(frame->getTexture(), nullptr);
            if (!sheet)
                continue;
            EXPECT_TRUE(r.x1 < r.x2 && r.y1 < r.y2 && r.x2 <= static_cast<int>(sheet->getDimension().Width) &&
                        r.y2 <= static_cast<int>(sheet->getDimension().Height))
                << r.x1 << "," << r.y1 << "," << r.x2 << "," << r.y2;
            EXPECT_GT(opaque(sheet, r), 0);
        }
        for (const std::string& listed : file.listed)
            EXPECT_EQ(file.rects.count(listed), 1u) << path << " animates the unknown frame " << listed;
        return *definition;
    }

    Lumo::FileLoader store;
    std::map<std::string, std::shared_ptr<irr::video::IImage>> images;
};

TEST_F(ShippedArt, EveryFileLoadsWithoutComplaint)
{
    for (const auto& line : device().getConsole()->lines)
        EXPECT_NE(line.level, TovarWorks::MSG_ERROR) << narrow(line.text.c_str());
    EXPECT_EQ(store.getDefinitions().size(), Lumo::kSpriteDefinitionFiles.size());
}

TEST_F(ShippedArt, EveryPersonHasTheFramesAndAnimationsTheGameSelectsAndStandsOnTheGround)
{
    std::set<std::wstring> bakersFrames;
    for (const auto& [name, frame] : store.getDefinition(L"baeckerin")->getFrames())
        bakersFrames.insert(name);
    for (const char* file : Lumo::kSpriteDefinitionFiles) {
        if (std::string(file).find("/2d/") == std::string::npos)
            continue;
        const std::string person = std::string(file).substr(16, std::string(file).size() - 20); // lumodata/2d/def_*.xml
        SCOPED_TRACE(person);
        const SpriteDefinition& sprite = expectShown(file, person);
        EXPECT_GT(sprite.frameSpeed, 0.f);
        std::set<std::wstring> own;
        for (const auto& [name, frame] : sprite.getFrames())
            own.insert(name);
        EXPECT_EQ(own, bakersFrames) << "a definition must be able to replace another";
        std::vector<std::wstring> standing = {L"iddle"};
        for (const wchar_t* set : {L"", L"carry_", L"carry_heavy_"})
            for (const wchar_t* side : {L"up", L"down", L"left", L"right"}) {
                const std::wstring pose = std::wstring(L"iddle_") + set + side;
                EXPECT_NE(sprite.findFrame(pose), nullptr) << narrow(pose);
                standing.push_back(pose);
                const Lumo::SpriteAnimation* walk = sprite.findAnimation(std::wstring(L"walk_") + set + side);
                ASSERT_NE(walk, nullptr) << narrow(pose);
                EXPECT_GE(std::set<const void*>(walk->frames.begin(), walk->frames.end()).size(), 4u)
                    << "a walk needs four poses";
            }
        for (const std::wstring& name : standing) {
            ASSERT_NE(sprite.findAnimation(name), nullptr) << narrow(name);
            EXPECT_FALSE(sprite.findAnimation(name)->frames.empty()) << narrow(name);
        }
        EXPECT_NE(sprite.findFrame(L"iddle1"), nullptr);
        const FileText text(file);
        for (const auto& [name, r] : text.rects)
            EXPECT_GT(opaque(image(text.sheet), {r.x1, r.y2 - 1, r.x2, r.y2}), 0) << name << " floats above the floor";
    }
    const Lumo::SpriteAnimation* knead = store.getDefinition(L"baeckerin")->findAnimation(L"knet_left");
    ASSERT_NE(knead, nullptr);
    EXPECT_GE(knead->frames.size(), 2u);
}

TEST_F(ShippedArt, EveryItemIdHasAFrameWhereTheRecipeTableLooksForIt)
{
    const SpriteDefinition& items = expectShown("lumodata/def_items.xml", "items");
    const FileText file("lumodata/def_items.xml");
    std::vector<std::string> ids = {"item_box", "item_letter"};
    for (int dough = 1; dough <= 7; ++dough)
        ids.push_back("item_dough_" + std::to_string(dough));
    for (int32_t kind = Lumo::kUnknownGood; kind < Lumo::kGoodKinds; ++kind)
        for (int stage = 1; stage <= 4; ++stage)
            if (!Lumo::goodFrameName(kind, stage).empty())
                ids.push_back(Lumo::goodFrameName(kind, stage));
    for (const std::string& id : ids)
        EXPECT_NE(items.findFrame(wide(id)), nullptr) << id;
    EXPECT_EQ(items.findFrame(L"item_baiser_1"), nullptr) << "the raw baiser is spelled with a double underscore";

    Lumo::GoodsTable table;
    table.fillStartingGoods();
    for (int32_t id = Lumo::kUnknownGood; id <= Lumo::kDonut; ++id)
        for (int stage = 1; stage <= 4; ++stage) {
            const Lumo::FrameRect& f = table.entry(id).frames[stage - 1];
            const Rect recipe{f.left, f.top, f.right, f.bottom};
            const std::string name = Lumo::goodFrameName(id, stage);
            SCOPED_TRACE(table.entry(id).name + " " + std::to_string(stage));
            EXPECT_GT(opaque(image(file.sheet), recipe), 0);
            if (!name.empty())
                EXPECT_TRUE(file.rects.count(name) && file.rects.at(name) == recipe) << name;
        }
}

TEST_F(ShippedArt, BakingStagesGetVisiblyDarker)
{
    const FileText file("lumodata/def_items.xml");
    irr::video::IImage* sheet = image(file.sheet);
    ASSERT_NE(sheet, nullptr);
    for (int32_t kind = Lumo::kBun; kind <= Lumo::kDonut; ++kind) {
        float previous = 256.0f;
        for (int stage = 1; stage <= 4; ++stage) {
            const std::string id = Lumo::goodFrameName(kind, stage);
            ASSERT_EQ(file.rects.count(id), 1u) << id;
            float sum = 0;
            const int count = pixels(sheet, file.rects.at(id), [&](irr::video::SColor c) {
                sum += c.getLuminance();
                return true;
            });
            const float luminance = count ? sum / count : 0.0f;
            EXPECT_LT(luminance, previous - 15.0f) << id << " is not clearly darker than the stage before";
            previous = luminance;
        }
    }
}

TEST_F(ShippedArt, ShelfThingsTheSceneCreatesExist)
{
    const SpriteDefinition& stuff = expectShown("lumodata/def_stuff.xml", "stuff");
    for (const wchar_t* id : {L"stuff_coins1", L"stuff_coins2", L"stuff_bottle1", L"stuff_kleiders", L"stuff_bottles",
                              L"stuff_bin"})
        EXPECT_NE(stuff.findFrame(id), nullptr) << narrow(id);
}

} // namespace
