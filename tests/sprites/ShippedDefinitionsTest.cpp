// Every definition the game ships loads through the real loader and has every frame, animation
// and id the game asks for, each with geometry.
#include "support/NullDeviceFixture.h"

#include "src_lumo/Bakery/GoodKind.h"
#include "src_lumo/Sprites/FileLoader.h"
#include "src_lumo/Sprites/SpriteDefinitionFiles.h"
#include "TovarWorks/Console/ConsoleLogic.h"

#include <gtest/gtest.h>

using Lumo::SpriteDefinition;

namespace {

const wchar_t* const kPeople[] = {L"baeckerin", L"baeckerin_child", L"mother",  L"tovar",    L"male1",
                                  L"male2",     L"male3",           L"male4",   L"barman",   L"female1",
                                  L"female2",   L"soldier",         L"postbote", L"merchant"};
const wchar_t* const kSides[] = {L"up", L"down", L"left", L"right"};

std::vector<std::wstring> requiredAnimations()
{
    std::vector<std::wstring> names = {L"iddle"};
    for (const wchar_t* kind : {L"", L"carry_", L"carry_heavy_"})
        for (const wchar_t* side : kSides) {
            names.push_back(std::wstring(L"iddle_") + kind + side);
            names.push_back(std::wstring(L"walk_") + kind + side);
        }
    return names;
}

std::vector<std::wstring> itemIds()
{
    std::vector<std::wstring> ids;
    for (int32_t kind = Lumo::kUnknownGood; kind < Lumo::kGoodKinds; ++kind)
        for (int stage = 1; stage <= 4; ++stage) {
            const std::string name = Lumo::goodFrameName(kind, stage);
            if (!name.empty())
                ids.emplace_back(name.begin(), name.end());
        }
    for (int dough = 1; dough <= 7; ++dough)
        ids.push_back(L"item_dough_" + std::to_wstring(dough));
    for (const wchar_t* id : {L"item_box", L"item_letter"})
        ids.emplace_back(id);
    return ids;
}

class ShippedDefinitionsTest : public NullDeviceFixture {
protected:
    void SetUp() override
    {
        NullDeviceFixture::SetUp();
        loadSpriteDefinitions(store);
    }

    void expectFrameWithGeometry(const SpriteDefinition& definition, const std::wstring& name)
    {
        const Lumo::VisualCharacterFrame* frame = definition.findFrame(name);
        ASSERT_NE(frame, nullptr) << "frame " << std::string(name.begin(), name.end());
        EXPECT_FALSE(frame->getFrontMesh().empty()) << std::string(name.begin(), name.end());
        EXPECT_FALSE(frame->getEdgeMesh().empty()) << std::string(name.begin(), name.end());
        EXPECT_NE(frame->getTexture(), nullptr);
    }

    const SpriteDefinition& definition(const wchar_t* name)
    {
        const SpriteDefinition* found = store.getDefinition(name);
        if (!found)
            throw std::runtime_error("missing definition " + std::string(name, name + std::wcslen(name)));
        return *found;
    }

    Lumo::FileLoader store;
};

TEST_F(ShippedDefinitionsTest, EveryFileLoadsWithoutComplaint)
{
    for (const auto& line : device().getConsole()->lines)
        EXPECT_NE(line.level, TovarWorks::MSG_ERROR) << std::wstring(line.text.c_str()).size();
    EXPECT_EQ(store.getDefinitions().size(), std::size(kPeople) + 2);
}

TEST_F(ShippedDefinitionsTest, EveryPersonHasTheFramesAndAnimationsTheGameUses)
{
    for (const wchar_t* person : kPeople) {
        SCOPED_TRACE(std::string(person, person + std::wcslen(person)));
        const SpriteDefinition& sprite = definition(person);
        EXPECT_GT(sprite.frameSpeed, 0.f);
        for (const wchar_t* frame : {L"iddle1", L"iddle_up", L"iddle_down", L"iddle_left", L"iddle_right"})
            expectFrameWithGeometry(sprite, frame);
        for (const std::wstring& name : requiredAnimations()) {
            const Lumo::SpriteAnimation* animation = sprite.findAnimation(name);
            ASSERT_NE(animation, nullptr) << std::string(name.begin(), name.end());
            ASSERT_FALSE(animation->frames.empty()) << std::string(name.begin(), name.end());
            if (name.rfind(L"walk_", 0) == 0)
                EXPECT_GE(animation->frames.size(), 4u) << std::string(name.begin(), name.end());
            for (const Lumo::VisualCharacterFrame* frame : animation->frames)
                EXPECT_FALSE(frame->getFrontMesh().empty());
        }
    }
}

TEST_F(ShippedDefinitionsTest, TheBakerKneads)
{
    const Lumo::SpriteAnimation* knead = definition(L"baeckerin").findAnimation(L"knet_left");
    ASSERT_NE(knead, nullptr);
    EXPECT_GE(knead->frames.size(), 2u);
}

TEST_F(ShippedDefinitionsTest, EveryItemIdHasAFrame)
{
    const SpriteDefinition& items = definition(L"items");
    for (const std::wstring& id : itemIds())
        expectFrameWithGeometry(items, id);
}

TEST_F(ShippedDefinitionsTest, EveryShelfThingHasAFrame)
{
    const SpriteDefinition& stuff = definition(L"stuff");
    for (const wchar_t* id : {L"stuff_coins1", L"stuff_coins2", L"stuff_bottle1", L"stuff_kleiders", L"stuff_bottles",
                              L"stuff_bin"})
        expectFrameWithGeometry(stuff, id);
}

} // namespace
