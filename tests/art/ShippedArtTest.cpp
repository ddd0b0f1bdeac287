// Checks the generated character, item and effect art in the runtime folder: every frame,
// animation and id the game asks for exists, lies inside its sheet and shows something.
#include "DefinitionFileSummary.h"

#include "src_lumo/Bakery/GoodKind.h"

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

const char* const kPeople[] = {"baeckerin", "baeckerin_child", "mother", "tovar",  "male1",    "male2",   "male3",
                               "male4",     "barman",          "female1", "female2", "soldier", "postbote", "merchant"};
const char* const kDirections[] = {"up", "down", "left", "right"};
const char* const kArmSets[] = {"", "carry_", "carry_heavy_"};
// The goods with a picture for each of the four baking stages.
const int32_t kStagedGoods[] = {Lumo::kBun,       Lumo::kBoule,  Lumo::kBread, Lumo::kCrossaint,
                                Lumo::kBaguette, Lumo::kBaiser, Lumo::kDonut};

struct ImageDeleter {
    void operator()(irr::video::IImage* image) const
    {
        if (image)
            image->drop();
    }
};
using ImagePtr = std::unique_ptr<irr::video::IImage, ImageDeleter>;

class ShippedArt : public ::testing::Test {
protected:
    void SetUp() override
    {
        mDevice = irr::createDevice(irr::video::EDT_NULL);
        ASSERT_NE(mDevice, nullptr);
    }
    void TearDown() override
    {
        mImages.clear();
        if (mDevice)
            mDevice->drop();
    }

    DefinitionFileSummary summary(const std::string& path)
    {
        return DefinitionFileSummary(*mDevice->getFileSystem(), path);
    }

    irr::video::IImage* image(const std::string& path)
    {
        auto it = mImages.find(path);
        if (it == mImages.end())
            it = mImages.emplace(path, ImagePtr(mDevice->getVideoDriver()->createImageFromFile(path.c_str()))).first;
        return it->second.get();
    }

    // Every frame's rectangle lies inside its bitmap and holds at least one visible pixel.
    void expectFramesInsideAndVisible(const DefinitionFileSummary& file)
    {
        for (const auto& [name, frame] : file.frames()) {
            SCOPED_TRACE(name);
            irr::video::IImage* sheet = image(frame.bitmap);
            ASSERT_NE(sheet, nullptr) << frame.bitmap;
            const auto size = sheet->getDimension();
            const SummaryRect& r = frame.rect;
            EXPECT_TRUE(r.x1 >= 0 && r.y1 >= 0 && r.x1 < r.x2 && r.y1 < r.y2 && r.x2 <= static_cast<int>(size.Width) &&
                        r.y2 <= static_cast<int>(size.Height))
                << r.x1 << "," << r.y1 << "," << r.x2 << "," << r.y2;
            EXPECT_GT(opaquePixels(sheet, r), 0);
            EXPECT_TRUE(frame.hasBorderColour);
        }
    }

    static int opaquePixels(irr::video::IImage* sheet, const SummaryRect& r)
    {
        int count = 0;
        for (int y = std::max(0, r.y1); y < std::min<int>(r.y2, sheet->getDimension().Height); ++y)
            for (int x = std::max(0, r.x1); x < std::min<int>(r.x2, sheet->getDimension().Width); ++x)
                count += sheet->getPixel(x, y).getAlpha() == 255 ? 1 : 0;
        return count;
    }

    static float averageLuminance(irr::video::IImage* sheet, const SummaryRect& r)
    {
        float sum = 0;
        int count = 0;
        for (int y = r.y1; y < r.y2; ++y)
            for (int x = r.x1; x < r.x2; ++x) {
                const irr::video::SColor c = sheet->getPixel(x, y);
                if (c.getAlpha() == 255) {
                    sum += c.getLuminance();
                    ++count;
                }
            }
        return count ? sum / count : 0.0f;
    }

    irr::IrrlichtDevice* mDevice = nullptr;
    std::map<std::string, ImagePtr> mImages;
};

std::string personFile(const std::string& person) { return "lumodata/2d/def_" + person + ".xml"; }

TEST_F(ShippedArt, EveryPersonHasTheFramesAndAnimationsTheGameSelects)
{
    for (const char* person : kPeople) {
        SCOPED_TRACE(person);
        const DefinitionFileSummary file = summary(personFile(person));
        ASSERT_TRUE(file.opened());
        ASSERT_EQ(file.definitionNames(), std::vector<std::string>{person});
        EXPECT_GT(file.frameSpeed(), 0.0f);
        EXPECT_TRUE(file.hasFrame("iddle1"));
        ASSERT_NE(file.animation("iddle"), nullptr);
        EXPECT_FALSE(file.animation("iddle")->empty());
        for (const char* set : kArmSets)
            for (const char* dir : kDirections) {
                const std::string standing = std::string("iddle_") + set + dir;
                const std::string walking = std::string("walk_") + set + dir;
                SCOPED_TRACE(walking);
                EXPECT_TRUE(file.hasFrame(standing));
                ASSERT_NE(file.animation(standing), nullptr);
                EXPECT_FALSE(file.animation(standing)->empty());
                ASSERT_NE(file.animation(walking), nullptr);
                const std::vector<std::string>& cycle = *file.animation(walking);
                EXPECT_GE(std::set<std::string>(cycle.begin(), cycle.end()).size(), 4u) << "a walk needs four poses";
            }
    }
}

TEST_F(ShippedArt, TheBakerKneadsFacingLeft)
{
    const DefinitionFileSummary file = summary(personFile("baeckerin"));
    ASSERT_NE(file.animation("knet_left"), nullptr);
    EXPECT_GE(file.animation("knet_left")->size(), 2u);
}

TEST_F(ShippedArt, AnimationsListOnlyFramesTheFileDefines)
{
    std::vector<std::string> files;
    for (const char* person : kPeople)
        files.push_back(personFile(person));
    files.push_back("lumodata/def_items.xml");
    files.push_back("lumodata/def_stuff.xml");
    for (const std::string& path : files) {
        const DefinitionFileSummary file = summary(path);
        ASSERT_TRUE(file.opened()) << path;
        for (const auto& [name, frames] : file.animations())
            for (const std::string& frame : frames)
                EXPECT_TRUE(file.hasFrame(frame)) << path << ": " << name << " lists " << frame;
    }
}

TEST_F(ShippedArt, PeopleShareFrameNamesSoADefinitionCanReplaceAnother)
{
    const DefinitionFileSummary baker = summary(personFile("baeckerin"));
    std::set<std::string> names;
    for (const auto& entry : baker.frames())
        names.insert(entry.first);
    for (const char* person : kPeople) {
        const DefinitionFileSummary file = summary(personFile(person));
        std::set<std::string> own;
        for (const auto& entry : file.frames())
            own.insert(entry.first);
        EXPECT_EQ(own, names) << person;
    }
}

TEST_F(ShippedArt, PeopleFramesAreInsideTheirSheetAndStandOnTheGround)
{
    for (const char* person : kPeople) {
        SCOPED_TRACE(person);
        const DefinitionFileSummary file = summary(personFile(person));
        expectFramesInsideAndVisible(file);
        for (const auto& [name, frame] : file.frames()) {
            // The frame mesh stands on the rectangle's bottom edge: some pixel must touch it.
            irr::video::IImage* sheet = image(frame.bitmap);
            ASSERT_NE(sheet, nullptr);
            const SummaryRect bottomRow = {frame.rect.x1, frame.rect.y2 - 1, frame.rect.x2, frame.rect.y2};
            EXPECT_GT(opaquePixels(sheet, bottomRow), 0) << name << " floats above the floor";
        }
    }
}

class ItemArt : public ShippedArt {
protected:
    void SetUp() override
    {
        ShippedArt::SetUp();
        mItems = std::make_unique<DefinitionFileSummary>(summary("lumodata/def_items.xml"));
        ASSERT_TRUE(mItems->opened());
    }

    // Frame names of a good's four stages, as the game asks for them.
    static std::vector<std::string> stageIds(int32_t kind)
    {
        std::vector<std::string> ids;
        for (int stage = 1; stage <= 4; ++stage)
            ids.push_back(Lumo::goodFrameName(kind, stage));
        return ids;
    }

    std::unique_ptr<DefinitionFileSummary> mItems;
};

TEST_F(ItemArt, EveryItemIdExistsAndShowsSomething)
{
    EXPECT_EQ(mItems->definitionNames(), std::vector<std::string>{"items"});
    std::vector<std::string> ids = {"item_zwieback_2", "item_melonpan_2", "item_box", "item_letter"};
    for (int i = 1; i <= 7; ++i)
        ids.push_back("item_dough_" + std::to_string(i));
    for (const int32_t kind : kStagedGoods)
        for (const std::string& id : stageIds(kind))
            ids.push_back(id);
    for (const std::string& id : ids)
        EXPECT_TRUE(mItems->hasFrame(id)) << id;
    EXPECT_FALSE(mItems->hasFrame("item_baiser_1")) << "the raw baiser is spelled with a double underscore";
    expectFramesInsideAndVisible(*mItems);
}

TEST_F(ItemArt, GoodsLieWhereTheRecipeTableLooksForThem)
{
    const std::pair<int32_t, std::pair<int, int>> columns[] = {
        {Lumo::kBun, {0, 32}},          {Lumo::kBread, {32, 64}},     {Lumo::kBoule, {64, 96}},
        {Lumo::kCrossaint, {96, 128}}, {Lumo::kBaguette, {128, 192}}, {Lumo::kBaiser, {192, 224}},
        {Lumo::kDonut, {224, 256}}};
    for (const auto& [kind, xs] : columns) {
        const std::vector<std::string> ids = stageIds(kind);
        for (int stage = 1; stage <= 4; ++stage) {
            SCOPED_TRACE(ids[stage - 1]);
            ASSERT_TRUE(mItems->hasFrame(ids[stage - 1]));
            const SummaryFrame& frame = mItems->frames().at(ids[stage - 1]);
            EXPECT_EQ(frame.bitmap, "lumodata/items.png");
            EXPECT_EQ(frame.rect.x1, xs.first);
            EXPECT_EQ(frame.rect.x2, xs.second);
            EXPECT_EQ(frame.rect.y1, 32 + 32 * stage);
            EXPECT_EQ(frame.rect.y2, 64 + 32 * stage);
        }
    }
    // The free recipe's picture, which the recipe book cuts straight from the sheet.
    irr::video::IImage* sheet = image("lumodata/items.png");
    ASSERT_NE(sheet, nullptr);
    EXPECT_GT(opaquePixels(sheet, {94, 32, 126, 64}), 0);
}

TEST_F(ItemArt, BakingStagesGetVisiblyDarker)
{
    irr::video::IImage* sheet = image("lumodata/items.png");
    ASSERT_NE(sheet, nullptr);
    for (const int32_t kind : kStagedGoods) {
        const std::vector<std::string> ids = stageIds(kind);
        float previous = 256.0f;
        for (const std::string& id : ids) {
            ASSERT_TRUE(mItems->hasFrame(id));
            const float luminance = averageLuminance(sheet, mItems->frames().at(id).rect);
            EXPECT_LT(luminance, previous - 15.0f) << id << " is not clearly darker than the stage before";
            previous = luminance;
        }
    }
}

TEST_F(ShippedArt, ShelfThingsTheSceneCreatesExist)
{
    const DefinitionFileSummary file = summary("lumodata/def_stuff.xml");
    ASSERT_TRUE(file.opened());
    EXPECT_EQ(file.definitionNames(), std::vector<std::string>{"stuff"});
    for (const char* id : {"stuff_coins1", "stuff_coins2", "stuff_bottle1", "stuff_kleiders", "stuff_bottles", "stuff_bin"})
        EXPECT_TRUE(file.hasFrame(id)) << id;
    expectFramesInsideAndVisible(file);
}

TEST_F(ShippedArt, EffectTexturesAreSoftAndVisible)
{
    for (const char* path : {"lumodata/shadow.png", "lumodata/2d/flour.png", "lumodata/2d/k_1.png", "lumodata/2d/k_2.png"}) {
        SCOPED_TRACE(path);
        irr::video::IImage* texture = image(path);
        ASSERT_NE(texture, nullptr);
        const auto size = texture->getDimension();
        // Soft edges: the corners are clear, the middle is not.
        EXPECT_EQ(texture->getPixel(0, 0).getAlpha(), 0u);
        EXPECT_EQ(texture->getPixel(size.Width - 1, size.Height - 1).getAlpha(), 0u);
        EXPECT_GT(texture->getPixel(size.Width / 2, size.Height / 2).getAlpha(), 64u);
    }
}

} // namespace
