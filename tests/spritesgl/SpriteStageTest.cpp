// Every character and a row of goods drawn with the game's materials, against reference images.
#include "spritesgl/OpenGLStageFixture.h"
#include "GoldenImage.h"

#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"

#include <memory>
#include <vector>

namespace {

using irr::core::vector3df;

const wchar_t* const kPeople[] = {L"baeckerin", L"baeckerin_child", L"mother",   L"tovar",   L"male1",
                                  L"male2",     L"male3",           L"male4",    L"barman",  L"female1",
                                  L"female2",   L"soldier",         L"postbote", L"merchant"};
const wchar_t* const kGoods[] = {L"item_bun_1",      L"item_bun_2",       L"item_bun_3",      L"item_bun_4",
                                 L"item_bigbun_2",   L"item_bread_2",     L"item_crossaint_2", L"item_baguette_2",
                                 L"item__baiser_1",  L"item_baiser_2",    L"item__donut_1",   L"item_donut_2",
                                 L"item_zwieback_2", L"item_melonpan_2",  L"item_dough_4",    L"item_box",
                                 L"item_letter"};

constexpr float kPersonSpacing = 14.f;
constexpr float kGoodsSpacing = 22.f;

class SpriteStageTest : public OpenGLStageFixture {
protected:
    void expectMatches(const std::string& reference)
    {
        irr::video::IImage* shot = picture();
        ASSERT_NE(shot, nullptr);
        const GoldenResult result = GoldenImage::forArea(driver(), "sprites").compare(shot, reference);
        shot->drop();
        EXPECT_TRUE(result.passed) << result.message;
    }
};

TEST_F(SpriteStageTest, EveryCharacterStandsInARow)
{
    std::vector<std::shared_ptr<Lumo::CharNode>> people;
    float x = 0.f;
    for (const wchar_t* person : kPeople) {
        auto character = Lumo::CharNode::putOnStage(scene(), Lumo::gGameData->spriteDefinitions, person);
        ASSERT_TRUE(character);
        character->getNode()->setPosition(vector3df(x, 0.f, 600.f));
        character->walkStep(vector3df(x, 0.f, 600.f), 0); // faces the camera as it stands
        character->setFacing(Lumo::FACE_DOWN);
        character->getNode()->setFrame(L"iddle_down");
        people.push_back(character);
        x += kPersonSpacing;
    }
    lookAt((x - kPersonSpacing) * 0.5f, x + kPersonSpacing);
    expectMatches("characters");
}

TEST_F(SpriteStageTest, GoodsStandInARow)
{
    float x = 0.f;
    for (const wchar_t* good : kGoods) {
        ASSERT_TRUE(addGood(scene()->getRootSceneNode(), good, vector3df(x, 0.f, 600.f)));
        x += kGoodsSpacing;
    }
    lookAt((x - kGoodsSpacing) * 0.5f, x + kGoodsSpacing);
    expectMatches("goods");
}

} // namespace
