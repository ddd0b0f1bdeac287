// Still sprites drawn together by a SpriteBatchNode must look exactly as when each draws itself,
// also after their frames, places and visibility change.
#include "spritesgl/OpenGLStageFixture.h"
#include "GoldenImage.h"

#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Sprites/SpriteBatchNode.h"

#include <functional>
#include <vector>

namespace {

using irr::core::vector3df;

struct Sprite {
    const wchar_t* definition;
    const wchar_t* frame;
};
// The last from another sheet: it must keep its own texture.
const Sprite kGoods[] = {{L"items", L"item_bun_2"},   {L"items", L"item_bread_2"},
                         {L"items", L"item_crossaint_2"}, {L"items", L"item_donut_2"},
                         {L"items", L"item_box"},     {L"stuff", L"stuff_bottle1"}};

class SpriteBatchTest : public OpenGLStageFixture {
protected:
    void SetUp() override
    {
        OpenGLStageFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        lookAt(0.f, 90.f);
        // A turned and lifted tray, so the goods' places are more than a shift; the goods stand
        // apart, as on a real tray.
        tray = scene()->addEmptySceneNode(nullptr);
        tray->setPosition(vector3df(0.f, 5.f, 600.f));
        tray->setRotation(vector3df(0.f, 25.f, 0.f));
        float x = -40.f;
        for (const Sprite& sprite : kGoods) {
            Lumo::CharacterNode* good = addGood(tray, sprite.frame, vector3df(x, 0.f, x * 0.2f), sprite.definition);
            ASSERT_TRUE(good);
            good->setRotation(vector3df(45.f, 0.f, 0.f));
            goods.push_back(good);
            x += 16.f;
        }
    }

    // Batches every good; the scene keeps the only other reference to the batch.
    Lumo::SpriteBatchNode* batchAll()
    {
        auto* batch = new Lumo::SpriteBatchNode(tray, scene());
        batch->drop();
        for (Lumo::CharacterNode* good : goods)
            EXPECT_TRUE(batch->addMember(good));
        return batch;
    }

    irr::scene::ISceneNode* tray = nullptr;
    std::vector<Lumo::CharacterNode*> goods;
};

// Batched, the goods must look as each drawn by itself, one edge hidden and one red before, and the
// batch's lists must follow every change of its members, each on its own, not only their coming and going.
TEST_F(SpriteBatchTest, DrawsAsEachSpriteByItselfAndFollowsEachChangeOfFramePlaceVisibilityAndEdge)
{
    irr::video::IImage* nothing = drawIntoPicture(driver(), {kWidth, kHeight}, irr::video::SColor(255, 96, 112, 136),
                                                  [] {});
    goods[4]->setHideEdge(true);
    goods[0]->getEdgeMaterial().DiffuseColor = irr::video::SColor(255, 200, 40, 40); // may not lend it to its sheet
    const struct {
        const char* name;
        std::function<void(bool)> change;
    } changes[] = {
        {"frame", [this](bool on) { goods[0]->setFrame(on ? L"item_bun_4" : kGoods[0].frame); }},
        {"place", [this](bool on) { goods[1]->setPosition(vector3df(-24.f, on ? 6.f : 0.f, -4.8f)); }},
        {"visibility", [this](bool on) { goods[2]->setVisible(!on); }},
        {"edge", [this](bool on) { goods[3]->setHideEdge(on); }},
    };
    std::vector<irr::video::IImage*> oneByOne;
    for (const auto& change : changes) {
        change.change(true);
        oneByOne.push_back(picture());
        change.change(false);
    }
    irr::video::IImage* before = picture();
    batchAll();
    irr::video::IImage* built = picture();
    ASSERT_TRUE(nothing && before && built);
    EXPECT_GT(differingPixels(before, nothing), 2000) << "the goods were not drawn";
    EXPECT_EQ(differingPixels(built, before), 0);
    for (irr::video::IImage* image : {nothing, built})
        image->drop();
    for (size_t i = 0; i < oneByOne.size(); ++i) {
        SCOPED_TRACE(changes[i].name);
        changes[i].change(true);
        irr::video::IImage* together = picture();
        ASSERT_TRUE(before && oneByOne[i] && together);
        EXPECT_GT(differingPixels(before, oneByOne[i]), 20) << "the change did not show";
        EXPECT_EQ(differingPixels(together, oneByOne[i]), 0);
        together->drop();
        changes[i].change(false);
    }
    for (irr::video::IImage* image : oneByOne)
        image->drop();
    before->drop();
}

// The point of the batch: the draw calls go with the sheets and edge colours, not with the sprites.
TEST_F(SpriteBatchTest, GathersMembersOfOneSheetAndEdgeColourIntoOneGroup)
{
    Lumo::SpriteBatchNode* batch = batchAll();
    const auto draw = [this] { // the batch builds its lists as the scene is drawn
        if (irr::video::IImage* image = picture())
            image->drop();
    };
    draw();
    EXPECT_EQ(batch->groupCount(), 2u) << "the items sheet and the stuff sheet";
    goods[0]->getEdgeMaterial().DiffuseColor = irr::video::SColor(255, 200, 40, 40);
    goods[0]->setFrame(L"item_bun_4"); // a change of frame has the lists built again
    draw();
    EXPECT_EQ(batch->groupCount(), 3u) << "a red edge of its own";
}

TEST_F(SpriteBatchTest, LetsGoOfMembersThatLeaveAndRefusesStrangers)
{
    Lumo::SpriteBatchNode* batch = batchAll();
    EXPECT_FALSE(batch->addMember(goods[0])) << "a member twice";
    EXPECT_FALSE(batch->addMember(nullptr));
    const Lumo::SpriteDefinition* items = Lumo::gGameData->spriteDefinitions.getDefinition(L"items");
    auto* elsewhere = new Lumo::CharacterNode(scene()->getRootSceneNode(), scene(), *items);
    EXPECT_FALSE(batch->addMember(elsewhere)) << "not beside the batch";
    elsewhere->remove();
    elsewhere->drop();

    goods[3]->grab(); // as its item would, which takes it out of the scene
    goods[3]->remove();
    EXPECT_TRUE(batch->removeMember(goods[4]));
    EXPECT_FALSE(goods[4]->isBatched()) << "draws itself again";
    goods[4]->setPosition(goods[4]->getPosition() + vector3df(0.f, 4.f, 0.f));
    irr::video::IImage* together = picture();
    EXPECT_EQ(batch->memberCount(), 4u);

    batch->remove(); // the members draw themselves again
    for (Lumo::CharacterNode* good : goods)
        EXPECT_FALSE(good->isBatched());
    irr::video::IImage* oneByOne = picture();
    goods[3]->drop();
    ASSERT_TRUE(together && oneByOne);
    EXPECT_EQ(differingPixels(together, oneByOne), 0);
    together->drop();
    oneByOne->drop();
}

TEST_F(SpriteBatchTest, DrawsNothingOnceItsLastMemberHasLeft)
{
    irr::video::IImage* nothing = drawIntoPicture(driver(), {kWidth, kHeight}, irr::video::SColor(255, 96, 112, 136),
                                                  [] {});
    Lumo::SpriteBatchNode* batch = batchAll();
    irr::video::IImage* all = picture();
    for (Lumo::CharacterNode* good : goods) {
        good->grab(); // as their items would, which take them out of the scene
        good->remove();
    }
    irr::video::IImage* none = picture();
    EXPECT_EQ(batch->memberCount(), 0u);
    ASSERT_TRUE(nothing && all && none);
    EXPECT_GT(differingPixels(all, nothing), 2000) << "the goods were not drawn";
    EXPECT_EQ(differingPixels(none, nothing), 0);
    for (irr::video::IImage* image : {nothing, all, none})
        image->drop();
    for (Lumo::CharacterNode* good : goods)
        good->drop();
}

} // namespace
