// The town, the daily schedule, a customer's steps and patience, and serving at the counter.
#include "BakeryTestWorld.h"

#include "src_lumo/Customers/AiTalk.h"
#include "src_lumo/Customers/AiWait.h"
#include "src_lumo/Customers/CounterService.h"
#include "src_lumo/Customers/CustomerQueue.h"
#include "src_lumo/Customers/Townsfolk.h"

#include <cstdlib>
#include <set>

using namespace Lumo;
using BakeryTest::BakeryWorld;

namespace {

class RecordingCharacter : public CustomerCharacter {
public:
    void say(const std::string& textId, float bubbleValue) override {
        lines.push_back(textId);
        lastBubbleValue = bubbleValue;
    }
    std::vector<std::string> lines;
    float lastBubbleValue = 0.0f;
};

BakedGood bakedGood(int32_t kind) {
    BakedGood good;
    good.kind = kind;
    good.targetMinutes = 30;
    good.bake(30);
    return good;
}

std::shared_ptr<Customer> customerArrivedAt(int32_t minute, std::shared_ptr<const Townsman> who = nullptr) {
    if (!who)
        who = std::make_shared<const Townsman>();
    return std::make_shared<Customer>(who, minute, "male1");
}

// In the queue without a character: the queue's rules never look at the stage.
QueuedCustomer inQueue(std::shared_ptr<Customer> customer) { return {nullptr, std::move(customer)}; }

} // namespace

TEST(Town, AtLeastAHundredPeopleWithVariedLikingsAndTheMerchantAsRegular) {
    CustomerManager town;
    ASSERT_GE(town.townsfolk().size(), 100u);
    const int32_t regular = town.regularVisitorIndex();
    ASSERT_GE(regular, 0);
    ASSERT_LT(size_t(regular), town.townsfolk().size());
    EXPECT_TRUE(town.townsfolk()[size_t(regular)]->isMerchant());

    std::set<float> bunLikings;
    int merchants = 0;
    for (const auto& person : town.townsfolk()) {
        bunLikings.insert(person->likingFor(kBun));
        merchants += person->isMerchant() ? 1 : 0;
        EXPECT_EQ(person->likingFor(kUnknownGood), 0.0f);
    }
    EXPECT_GT(bunLikings.size(), 5u);
    EXPECT_EQ(merchants, 1);
}

class ScheduleTest : public ::testing::Test {
protected:
    void SetUp() override { std::srand(7); }
    CustomerManager town;
};

TEST_F(ScheduleTest, Popularity4GivesTwoEarlyOrLunchVisitsAndFourDaytimeVisits) {
    town.buildDailySchedule(4.0f, 2);
    const auto& visits = town.schedule();
    ASSERT_EQ(visits.size(), 6u);
    for (size_t i = 0; i < 2; ++i) {
        const int32_t minute = visits[i].minute;
        EXPECT_TRUE((minute >= 480 && minute < 540) || (minute >= 720 && minute <= 780)) << minute;
    }
    for (size_t i = 2; i < 6; ++i) {
        EXPECT_GE(visits[i].minute, 480);
        EXPECT_LE(visits[i].minute, 840);
    }
}

TEST_F(ScheduleTest, BelowOneNobodyComesAndAtOneAndAHalfOnePerson) {
    town.buildDailySchedule(0.99f, 1);
    EXPECT_TRUE(town.schedule().empty());
    town.buildDailySchedule(-3.0f, 1);
    EXPECT_TRUE(town.schedule().empty());
    town.buildDailySchedule(1.5f, 2);
    EXPECT_EQ(town.schedule().size(), 1u);
}

TEST_F(ScheduleTest, OnOddDaysTheFirstVisitIsTheRegular) {
    town.buildDailySchedule(6.0f, 3);
    const auto& regular = town.townsfolk()[size_t(town.regularVisitorIndex())];
    EXPECT_EQ(town.schedule().front().townsman, regular);
}

TEST_F(ScheduleTest, TheSameSeedGivesTheSameDay) {
    town.buildDailySchedule(8.0f, 2);
    const auto first = town.schedule();
    std::srand(7);
    town.buildDailySchedule(8.0f, 2);
    ASSERT_EQ(first.size(), town.schedule().size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].minute, town.schedule()[i].minute);
        EXPECT_EQ(first[i].townsman, town.schedule()[i].townsman);
    }
}

TEST_F(ScheduleTest, DueVisitsLeaveTheScheduleAtTheirMinute) {
    town.buildDailySchedule(10.0f, 2);
    const size_t total = town.schedule().size();
    size_t spawned = 0;
    for (int32_t minute = 360; minute <= 1320; ++minute) {
        for (const DailyCustomer& visit : town.takeDueVisits(minute)) {
            EXPECT_EQ(visit.minute, minute);
            ++spawned;
        }
    }
    EXPECT_EQ(spawned, total);
    EXPECT_TRUE(town.schedule().empty());
}

TEST_F(ScheduleTest, ANewcomerWaitsFourSecondsThenGreets) {
    auto character = std::make_shared<RecordingCharacter>();
    std::string sprite;
    const DailyCustomer visit{town.townsfolk()[0], 500};
    auto customer = town.spawn(visit, 500, [&](const std::string& name) {
        sprite = name;
        return character;
    });
    EXPECT_EQ(customer->spriteName(), sprite);
    EXPECT_NE(sprite, "merchant");
    EXPECT_EQ(customer->arrivalMinute(), 500);
    for (int frame = 0; frame < 400; ++frame)
        customer->updateSteps(10);
    EXPECT_TRUE(character->lines.empty());
    customer->updateSteps(10);
    customer->updateSteps(10);
    ASSERT_EQ(character->lines.size(), 1u);
    EXPECT_EQ(character->lines[0].rfind("CUS_HELLO_", 0), 0u);
    EXPECT_FLOAT_EQ(character->lastBubbleValue, 40.0f);
    EXPECT_EQ(customer->runningSteps(), 0u);
}

TEST_F(ScheduleTest, TheMerchantComesAsHimself) {
    const DailyCustomer visit{town.townsfolk()[size_t(town.regularVisitorIndex())], 500};
    EXPECT_EQ(town.spawn(visit, 500, nullptr)->spriteName(), "merchant");
}

TEST(AiSteps, AGreetingWaitLastsTheSameTimeAtEveryFrameRate) {
    for (const uint32_t frame : {5u, 10u, 16u, 17u, 33u, 50u}) {
        AiWait wait(CustomerManager::kGreetingWaitMs);
        uint32_t waited = 0;
        while (!wait.isDone() && waited <= 2 * CustomerManager::kGreetingWaitMs) {
            wait.update(frame);
            waited += frame;
        }
        EXPECT_GT(waited, uint32_t(CustomerManager::kGreetingWaitMs)) << frame << " ms frames";
        EXPECT_LE(waited, CustomerManager::kGreetingWaitMs + frame) << frame << " ms frames";
    }
}

TEST(AiSteps, AStalledFrameDoesNotSkipAWait) {
    AiWait wait(CustomerManager::kGreetingWaitMs);
    wait.update(60000);
    wait.update(60000);
    EXPECT_FALSE(wait.isDone());
}

TEST(AiSteps, StepsRunSideBySideAndSuccessorsJoinAtTheEnd) {
    auto character = std::make_shared<RecordingCharacter>();
    Customer customer(std::make_shared<const Townsman>(), 480, "female1");
    auto talkFirst = std::make_shared<AiTalk>(character, "A", 1.0f);
    talkFirst->successor = std::make_shared<AiTalk>(character, "C", 1.0f);
    customer.addStep(talkFirst);
    customer.addStep(std::make_shared<AiTalk>(character, "B", 1.0f));
    customer.updateSteps(5);
    EXPECT_EQ(character->lines, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(customer.runningSteps(), 0u);
}

TEST(Patience, ACustomerWhoCameAt0810LeavesAt0841) {
    CustomerQueue queue;
    queue.add(inQueue(customerArrivedAt(490)));
    EXPECT_FALSE(queue.firstRunsOutOfPatience(520, false));
    EXPECT_TRUE(queue.firstRunsOutOfPatience(521, false));
    EXPECT_FALSE(queue.firstRunsOutOfPatience(522, false)); // sent out once
}

TEST(Patience, NobodyLeavesWhileTheBakerIsSelling) {
    CustomerQueue queue;
    queue.add(inQueue(customerArrivedAt(490)));
    EXPECT_FALSE(queue.firstRunsOutOfPatience(600, true));
    EXPECT_TRUE(queue.firstRunsOutOfPatience(600, false));
}

TEST(Patience, OnlyTheFirstInTheQueueCounts) {
    CustomerQueue queue;
    queue.add(inQueue(customerArrivedAt(600)));
    queue.add(inQueue(customerArrivedAt(480)));
    EXPECT_FALSE(queue.firstRunsOutOfPatience(620, false));
    queue.removeFirst();
    EXPECT_TRUE(queue.firstRunsOutOfPatience(620, false));
    queue.removeFirst();
    EXPECT_FALSE(queue.removeFirst());
}

class CounterTest : public BakeryWorld {
protected:
    void SetUp() override { std::srand(11); }
    CounterService counter{world, sequences};
};

TEST_F(CounterTest, NothingOnDisplayPlaysTheRefusalAndTheRefusedCustomerIsNotSentOutAgain) {
    CustomerQueue queue;
    queue.add(inQueue(customerArrivedAt(480)));
    queue.add(inQueue(customerArrivedAt(500)));
    EXPECT_TRUE(counter.chooseOffer(*queue.front().customer, {}).empty());
    EXPECT_EQ(sequences.played, std::vector<std::string>{"refused"});
    EXPECT_EQ(nullptr, queue.waitingAtCounter()) << "nobody else may be served in their place";
    EXPECT_FALSE(queue.firstRunsOutOfPatience(520, false));
}

TEST_F(CounterTest, OneReadyGoodIsOfferedAlone) {
    const auto offer = counter.chooseOffer(*customerArrivedAt(480), {bakedGood(kBun)});
    EXPECT_EQ(offer, std::vector<size_t>{0});
}

TEST_F(CounterTest, ACustomerTakesOneToThreeGoodsInShelfOrder) {
    const std::vector<BakedGood> display(6, bakedGood(kBun));
    std::set<size_t> sizes;
    for (int i = 0; i < 60; ++i) {
        const auto offer = counter.chooseOffer(*customerArrivedAt(480), display);
        ASSERT_GE(offer.size(), 1u);
        ASSERT_LE(offer.size(), 3u);
        for (size_t k = 0; k < offer.size(); ++k)
            EXPECT_EQ(offer[k], k);
        sizes.insert(offer.size());
    }
    EXPECT_EQ(sizes.size(), 3u);
}

TEST_F(CounterTest, PayingAtTheReferencePriceRaisesMoneyAndPopularity) {
    auto buyer = std::make_shared<Townsman>();
    buyer->liking[kBun] = 1.5f;
    auto customer = customerArrivedAt(500, buyer);
    const auto outcome = counter.pay(*customer, {bakedGood(kBun)}, 75);
    EXPECT_EQ(outcome, CounterService::SaleOutcome::CustomerLeaves);
    EXPECT_TRUE(customer->isLeaving());
    EXPECT_EQ(world.money, 575);
    EXPECT_FLOAT_EQ(world.flagsAndPopularity.popularity, 5.5f);
}

TEST_F(CounterTest, APaidCustomerIsNotSentOutAgainByImpatience) {
    CustomerQueue queue;
    queue.add(inQueue(customerArrivedAt(480)));
    queue.add(inQueue(customerArrivedAt(560)));
    counter.pay(*queue.front().customer, {bakedGood(kBun)}, 75);
    EXPECT_FALSE(queue.firstRunsOutOfPatience(570, false));
}

TEST_F(CounterTest, TheMerchantStaysForHisFirstBouleOnly) {
    CustomerManager town;
    auto merchant = customerArrivedAt(500, town.townsfolk()[size_t(town.regularVisitorIndex())]);
    BakedGood boule = bakedGood(kBoule);
    EXPECT_EQ(counter.pay(*merchant, {bakedGood(kBun), boule}, 0), CounterService::SaleOutcome::MerchantStays);
    EXPECT_TRUE(world.flagsAndPopularity.isSet("MERC_HEUREKA"));
    EXPECT_FALSE(merchant->isLeaving());
    EXPECT_EQ(sequences.played, std::vector<std::string>{"merchant chat"});
    EXPECT_EQ(counter.pay(*merchant, {boule}, 250), CounterService::SaleOutcome::CustomerLeaves);
}

TEST_F(CounterTest, TheMerchantBuyingBunsLeavesLikeAnyone) {
    CustomerManager town;
    auto merchant = customerArrivedAt(500, town.townsfolk()[size_t(town.regularVisitorIndex())]);
    EXPECT_EQ(counter.pay(*merchant, {bakedGood(kBun)}, 75), CounterService::SaleOutcome::CustomerLeaves);
    EXPECT_FALSE(world.flagsAndPopularity.isSet("MERC_HEUREKA"));
}
