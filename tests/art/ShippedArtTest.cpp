// The shipped character and item art: every definition loads through the game's loader
// without complaint, and every frame, animation and id the game asks for exists, lies inside its
// sheet and shows something.
#include "GameCode.h"
#include "NullDeviceFixture.h"
#include "TempDir.h"

#include "src_lumo/Bakery/Dough.h"
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
// "lumodata/2d/def_mother.xml" defines "mother".
std::string nameOf(const std::string& file)
{
    const size_t start = file.rfind("def_") + 4;
    return file.substr(start, file.size() - start - 4);
}

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

    std::set<std::wstring> frameNames(const std::wstring& definition)
    {
        std::set<std::wstring> names;
        for (const auto& [name, frame] : store.getDefinition(definition)->getFrames())
            names.insert(name);
        return names;
    }

    Lumo::FileLoader store;
    std::map<std::string, std::shared_ptr<irr::video::IImage>> images;
};

// Every frame of every file was loaded with geometry, a texture and a border colour, and its
// rectangle lies inside the sheet and holds a visible pixel.
TEST_F(ShippedArt, EveryFileLoadsWithoutComplaintAndEveryFrameShows)
{
    for (const auto& line : device().getConsole()->lines)
        EXPECT_NE(line.level, TovarWorks::MSG_ERROR) << narrow(line.text.c_str());
    EXPECT_EQ(store.getDefinitions().size(), Lumo::kSpriteDefinitionFiles.size());
    for (const std::string path : Lumo::kSpriteDefinitionFiles) {
        SCOPED_TRACE(path);
        const SpriteDefinition* definition = store.getDefinition(wide(nameOf(path)));
        ASSERT_NE(definition, nullptr);
        const FileText file(path);
        irr::video::IImage* sheet = image(file.sheet);
        EXPECT_NE(sheet, nullptr) << file.sheet;
        EXPECT_EQ(file.rects.size(), definition->getFrames().size());
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
            EXPECT_EQ(file.rects.count(listed), 1u) << "animates the unknown frame " << listed;
    }
}

// Item and shelf ids named in the game's code, and those its functions build, are frames of a sheet.
TEST_F(ShippedArt, EveryItemAndShelfIdTheGameAsksForHasAFrame)
{
    const SpriteDefinition* items = store.getDefinition(L"items");
    const SpriteDefinition* stuff = store.getDefinition(L"stuff");
    ASSERT_TRUE(items && stuff);
    std::set<std::string> ids = matchesInGameCode("\"((item|stuff)_[a-z0-9_]*[a-z0-9])\"");
    ASSERT_GT(ids.size(), 10u) << "the game's code was not found";
    for (int64_t weight = 0; weight <= 3000; weight += 10)
        ids.insert(Lumo::Dough::pictureForWeight(weight));
    for (int32_t kind = Lumo::kUnknownGood; kind < Lumo::kGoodKinds; ++kind)
        for (int stage = 1; stage <= 4; ++stage)
            if (!Lumo::goodFrameName(kind, stage).empty())
                ids.insert(Lumo::goodFrameName(kind, stage));
    for (const std::string& id : ids)
        EXPECT_NE((id[0] == 's' ? stuff : items)->findFrame(wide(id)), nullptr) << id;
}

// Poses the code names are looked up on every person: any may play any part. A standing pose is
// set as a frame and played as an animation.
TEST_F(ShippedArt, EveryPersonHasThePosesTheGameSelectsAndStandsOnTheGround)
{
    const std::set<std::string> poses = matchesInGameCode("L\"((iddle|walk)[a-z0-9_]*)\"");
    ASSERT_GE(poses.size(), 10u) << "the game's code was not found";
    const std::set<std::wstring> bakersFrames = frameNames(L"baeckerin");
    for (const char* file : Lumo::kSpriteDefinitionFiles) {
        if (std::string(file).find("/2d/") == std::string::npos)
            continue;
        SCOPED_TRACE(file);
        const SpriteDefinition* sprite = store.getDefinition(wide(nameOf(file)));
        ASSERT_NE(sprite, nullptr);
        EXPECT_GT(sprite->frameSpeed, 0.f);
        EXPECT_EQ(frameNames(wide(nameOf(file))), bakersFrames) << "a definition must be able to replace another";
        for (const std::string& pose : poses) {
            const Lumo::SpriteAnimation* animation = sprite->findAnimation(wide(pose));
            EXPECT_TRUE(sprite->findFrame(wide(pose)) || animation) << pose;
            if (pose.rfind("iddle_", 0) == 0)
                EXPECT_TRUE(sprite->findFrame(wide(pose)) && animation) << pose;
            if (animation)
                EXPECT_GE(std::set<const void*>(animation->frames.begin(), animation->frames.end()).size(),
                          pose.rfind("walk", 0) == 0 ? 4u : 1u) << pose << ": a walk needs four poses";
        }
        const FileText text(file);
        for (const auto& [name, r] : text.rects)
            EXPECT_GT(opaque(image(text.sheet), {r.x1, r.y2 - 1, r.x2, r.y2}), 0) << name << " floats above the floor";
    }
    const Lumo::SpriteAnimation* knead = store.getDefinition(L"baeckerin")->findAnimation(L"knet_left");
    ASSERT_NE(knead, nullptr);
    EXPECT_GE(knead->frames.size(), 2u);
}

TEST_F(ShippedArt, EveryRecipeTablePictureIsTheItemFrameOfThatName)
{
    const FileText file("lumodata/def_items.xml");
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

} // namespace
