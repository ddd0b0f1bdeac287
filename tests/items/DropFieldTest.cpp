#include "ItemsFixture.h"

using irr::core::vector3df;
using namespace Lumo;

namespace {

class DropFieldTest : public ItemsFixture {};

TEST_F(DropFieldTest, EmptyFieldAnswersNothing)
{
    const ItemDropField& counter = bakery().getField(FIELD_COUNTER_LEFT);
    EXPECT_EQ(counter.firstItem(), nullptr);
    EXPECT_TRUE(counter.allItems().empty());
    EXPECT_FALSE(counter.isFull());
}

TEST_F(DropFieldTest, FreeSpotNearestTheAimTakesTheItem)
{
    ItemDropField& counter = bakery().getField(FIELD_COUNTER_LEFT);
    const vector3df aim(803.f, 0.f, 565.f);
    DropPoint* first = counter.freePointNearest(aim);
    ASSERT_NE(first, nullptr);
    EXPECT_FLOAT_EQ(first->position.X, 805.f);

    first->item = bakery().addLetter(first->position);
    DropPoint* second = counter.freePointNearest(aim);
    ASSERT_NE(second, nullptr);
    EXPECT_FLOAT_EQ(second->position.X, 795.f);
}

TEST_F(DropFieldTest, PlaceFillsSpotsInOrderUntilTheFieldIsFull)
{
    const VisualItemPtr first = bakery().addLetter(vector3df(0, 0, 0));
    const VisualItemPtr second = bakery().addLetter(vector3df(0, 0, 0));
    const VisualItemPtr third = bakery().addLetter(vector3df(0, 0, 0));
    EXPECT_TRUE(bakery().place(first, FIELD_COUNTER_RIGHT));
    EXPECT_TRUE(bakery().place(second, FIELD_COUNTER_RIGHT));
    EXPECT_FALSE(bakery().place(third, FIELD_COUNTER_RIGHT));

    ItemDropField& field = bakery().getField(FIELD_COUNTER_RIGHT);
    EXPECT_TRUE(field.isFull());
    EXPECT_EQ(field.firstItem(), first);
    EXPECT_EQ(field.allItems(), (std::vector<VisualItemPtr>{first, second}));
    EXPECT_EQ(second->getPosition(), vector3df(855.f, 10.f, 565.f));
    EXPECT_EQ(field.freePointNearest(vector3df(850, 0, 565)), nullptr);
}

TEST_F(DropFieldTest, FieldCoversTheFloorWhateverTheHeight)
{
    const ItemDropField& table = bakery().getField(FIELD_TABLE);
    EXPECT_TRUE(table.covers(vector3df(785.f, 40.f, 615.f)));
    EXPECT_FALSE(table.covers(vector3df(805.f, 0.f, 615.f)));
}

} // namespace
