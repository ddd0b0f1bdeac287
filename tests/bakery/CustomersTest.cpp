// The town, the daily schedule, a customer's steps and patience, and serving at the counter.
#include "BakeryTestWorld.h"

#include "src_lumo/Customers/AiTalk.h"
#include "src_lumo/Customers/AiWait.h"
#include "src_lumo/Customers/CounterService.h"
#include "src_lumo/Customers/CustomerQueue.h"
#include "src_lumo/Customers/Townsfolk.h"
#include "src_lumo/Game/RandomBelow.h"

#include <algorithm>
#include <cstdlib>
#include <set>

using namespace Lumo;
using BakeryTest::BakeryWorld;
using BakeryTest::baked;
using Lines = std::vector<std::string>;

namespace {

class RecordingCharacter : public CustomerCharacter {
public:
    void say(const std::string& textId, float bubbleValue) override {
        lines.push_back(textId);
        lastBubbleValue = bubbleValue;
    }
    Lines lines;
    float lastBubbleValue = 0.0f;
};

std::shared_ptr<Customer> customerArrivedAt(int32_t minute, std::shared_ptr<const Townsman> who = nullptr) {
    return std::make_shared<Customer>(who ? who : std::make_shared<const Townsman>(), minute, "male1");
}

// In the queue without a character: the queue's rules never look at the stage.
CustomerQueue queueArrivedAt(std::initializer_list<int32_t> minutes) {
    CustomerQueue queue;
    for (const int32_t minute : minutes)
        queue.add({nullptr, customerArrivedAt(minute)});
    return queue;
}

} // namespace

class Town : public ::testing::Test {
protected:
    void SetUp() override { std::srand(7); }
    std::shared_ptr<const Townsman> merchant() const { return town.townsfolk().at(size_t(town.regularVisitorIndex())); }
    CustomerManager town;
};

TEST_F(Town, AtLeastAHundredPeopleWithVariedLikingsAndTheOneMerchantAsRegular) {
    ASSERT_GE(town.townsfolk().size(), 100u);
    EXPECT_TRUE(merchant()->isMerchant());
    std::set<float> bunLikings;
    int merchants = 0;
    for (const auto& person : town.townsfolk()) {
        bunLikings.insert(person->likingFor(kBun));
        merchants += person->isMerchant() ? 1 : 0;
        EXPECT_EQ(0.0f, person->likingFor(kUnknownGood));
    }
    EXPECT_GT(bunLikings.size(), 5u);
    EXPECT_EQ(1, merchants);
}

TEST_F(Town, HalfAgainAsManyVisitsAsThePopularityTheFirstHalfEarlyOrAtLunch) {
    const std::pair<float, size_t> counts[] = {{0.99f, 0}, {-3.0f, 0}, {1.5f, 1}, {4.0f, 6}};
    for (const auto& [popularity, visits] : counts) {
        town.buildDailySchedule(popularity, 2);
        EXPECT_EQ(visits, town.schedule().size()) << popularity;
    }
    // Over many days every minute of each window turns up, and none outside it.
    std::set<int32_t> earlyOrLunch, allDay, expectedEarlyOrLunch, expectedAllDay;
    for (int32_t minute = 480; minute <= 840; ++minute) {
        expectedAllDay.insert(minute);
        if (minute < 540 || (minute >= 720 && minute <= 780))
            expectedEarlyOrLunch.insert(minute);
    }
    for (int day = 0; day < 2000; ++day) {
        town.buildDailySchedule(4.0f, 2);
        const auto& visits = town.schedule();
        for (size_t i = 0; i < visits.size(); ++i)
            (i < 2 ? earlyOrLunch : allDay).insert(visits[i].minute);
    }
    EXPECT_EQ(expectedEarlyOrLunch, earlyOrLunch);
    EXPECT_EQ(expectedAllDay, allDay);
}

TEST_F(Town, OnOddDaysTheRegularComesFirst) {
    town.buildDailySchedule(6.0f, 3);
    EXPECT_EQ(merchant(), town.schedule().front().townsman);
    const auto regulars = [&] {
        return std::count_if(town.schedule().begin(), town.schedule().end(),
                             [&](const DailyCustomer& visit) { return visit.townsman == merchant(); });
    };
    EXPECT_LT(regulars(), 9) << "only the first visit of an odd day is his";
    // Even days have no regular: in twenty of them someone else comes first at least once.
    int evenDaysHeComesFirst = 0;
    for (int32_t day = 2; day <= 40; day += 2) {
        town.buildDailySchedule(6.0f, day);
        evenDaysHeComesFirst += town.schedule().front().townsman == merchant();
    }
    EXPECT_LT(evenDaysHeComesFirst, 20);
}

TEST_F(Town, DueVisitsLeaveTheScheduleAtTheirMinute) {
    town.buildDailySchedule(10.0f, 2);
    const size_t total = town.schedule().size();
    size_t spawned = 0;
    for (int32_t minute = 360; minute <= 1320; ++minute)
        for (const DailyCustomer& visit : town.takeDueVisits(minute)) {
            EXPECT_EQ(minute, visit.minute);
            ++spawned;
        }
    EXPECT_EQ(total, spawned);
    EXPECT_TRUE(town.schedule().empty());
}

// With n at the draw's whole range the draw itself comes out, so a wrong divisor loses the top value.
TEST(RandomBelow, EveryValueBelowNTurnsUpAndNoneAtOrAboveIt) {
    std::srand(7);
    for (const int32_t n : {1, 3, 361, 32768}) {
        std::vector<bool> seen(size_t(n), false);
        for (int draw = 0; draw < 2'000'000; ++draw) {
            const int32_t value = randomBelow(n);
            ASSERT_GE(value, 0) << n;
            ASSERT_LT(value, n);
            seen[size_t(value)] = true;
        }
        EXPECT_EQ(size_t(n), size_t(std::count(seen.begin(), seen.end(), true))) << n;
    }
}

TEST_F(Town, ANewcomerWaitsFourSecondsThenGreetsAndTheMerchantComesAsHimself) {
    auto character = std::make_shared<RecordingCharacter>();
    std::string sprite;
    auto customer = town.spawn({town.townsfolk()[0], 500}, 500, [&](const std::string& name) {
        sprite = name;
        return character;
    });
    EXPECT_EQ(sprite, customer->spriteName());
    EXPECT_NE("merchant", sprite);
    EXPECT_EQ(500, customer->arrivalMinute());
    for (int frame = 0; frame < 400; ++frame)
        customer->updateSteps(10);
    EXPECT_TRUE(character->lines.empty());
    customer->updateSteps(10);
    customer->updateSteps(10);
    ASSERT_EQ(1u, character->lines.size());
    EXPECT_EQ(0u, character->lines[0].rfind("CUS_HELLO_", 0));
    EXPECT_FLOAT_EQ(40.0f, character->lastBubbleValue);
    EXPECT_EQ(0u, customer->runningSteps());

    EXPECT_EQ("merchant", town.spawn({merchant(), 500}, 500, nullptr)->spriteName());
}

TEST(AiSteps, AGreetingWaitLastsTheSameTimeAtEveryFrameRateAndAStalledFrameSkipsNothing) {
    constexpr uint32_t wait = CustomerManager::kGreetingWaitMs;
    for (const uint32_t frame : {5u, 10u, 16u, 17u, 33u, 50u}) {
        AiWait step(wait);
        uint32_t waited = 0;
        while (!step.isDone() && waited <= 2 * wait) {
            step.update(frame);
            waited += frame;
        }
        EXPECT_GT(waited, wait) << frame << " ms frames";
        EXPECT_LE(waited, wait + frame) << frame << " ms frames";
    }
    AiWait stalled(wait);
    stalled.update(60000);
    stalled.update(60000);
    EXPECT_FALSE(stalled.isDone());
}

TEST(AiSteps, StepsRunSideBySideAndSuccessorsJoinAtTheEnd) {
    auto character = std::make_shared<RecordingCharacter>();
    Customer customer(std::make_shared<const Townsman>(), 480, "female1");
    auto talkFirst = std::make_shared<AiTalk>(character, "A", 1.0f);
    talkFirst->successor = std::make_shared<AiTalk>(character, "C", 1.0f);
    customer.addStep(talkFirst);
    customer.addStep(std::make_shared<AiTalk>(character, "B", 1.0f));
    customer.updateSteps(5);
    EXPECT_EQ((Lines{"A", "B", "C"}), character->lines);
    EXPECT_EQ(0u, customer.runningSteps());

    // A step that ends behind one still running leaves that one be.
    auto waitFirst = std::make_shared<AiWait>(100);
    waitFirst->successor = std::make_shared<AiTalk>(character, "E", 1.0f);
    customer.addStep(waitFirst);
    customer.addStep(std::make_shared<AiTalk>(character, "D", 1.0f));
    customer.updateSteps(5);
    EXPECT_EQ((Lines{"A", "B", "C", "D"}), character->lines);
    EXPECT_EQ(1u, customer.runningSteps());
    customer.updateSteps(100);
    customer.updateSteps(5);
    EXPECT_EQ((Lines{"A", "B", "C", "D", "E"}), character->lines);
    EXPECT_EQ(0u, customer.runningSteps());
}

TEST(Patience, TheFirstInTheQueueWhoCameAt0810LeavesOnceAt0841UnlessTheBakerIsSelling) {
    CustomerQueue queue = queueArrivedAt({490});
    EXPECT_FALSE(queue.firstRunsOutOfPatience(520, false));
    EXPECT_FALSE(queue.firstRunsOutOfPatience(600, true));
    EXPECT_TRUE(queue.firstRunsOutOfPatience(521, false));
    EXPECT_FALSE(queue.firstRunsOutOfPatience(522, false)) << "sent out twice";

    CustomerQueue two = queueArrivedAt({600, 480});
    EXPECT_FALSE(two.firstRunsOutOfPatience(620, false)) << "only the first counts";
    two.removeFirst();
    EXPECT_TRUE(two.firstRunsOutOfPatience(620, false));
    two.removeFirst();
    EXPECT_FALSE(two.removeFirst());
}

class CounterTest : public BakeryWorld {
protected:
    void SetUp() override { std::srand(11); }
    std::shared_ptr<Customer> merchant() const {
        return customerArrivedAt(500, town.townsfolk()[size_t(town.regularVisitorIndex())]);
    }
    CustomerManager town;
    CounterService counter{world, sequences};
};

TEST_F(CounterTest, NothingOnDisplayPlaysTheRefusalAndTheRefusedCustomerIsNotSentOutAgain) {
    CustomerQueue queue = queueArrivedAt({480, 500});
    EXPECT_TRUE(counter.chooseOffer(*queue.front().customer, {}).empty());
    EXPECT_EQ(Lines{"refused"}, sequences.played);
    EXPECT_EQ(nullptr, queue.waitingAtCounter()) << "nobody else may be served in their place";
    EXPECT_FALSE(queue.firstRunsOutOfPatience(520, false));
}

TEST_F(CounterTest, ACustomerTakesOneToThreeGoodsInShelfOrder) {
    EXPECT_EQ(std::vector<size_t>{0}, counter.chooseOffer(*customerArrivedAt(480), {baked(kBun)}));
    const std::vector<BakedGood> display(6, baked(kBun));
    std::set<size_t> sizes;
    for (int i = 0; i < 60; ++i) {
        const auto offer = counter.chooseOffer(*customerArrivedAt(480), display);
        ASSERT_GE(offer.size(), 1u);
        ASSERT_LE(offer.size(), 3u);
        for (size_t k = 0; k < offer.size(); ++k)
            EXPECT_EQ(k, offer[k]);
        sizes.insert(offer.size());
    }
    EXPECT_EQ(3u, sizes.size());
}

TEST_F(CounterTest, APaidCustomerLeavesWithMoneyAndPopularityGivenAndIsNotSentOutAgain) {
    auto buyer = std::make_shared<Townsman>();
    buyer->liking[kBun] = 1.5f;
    CustomerQueue queue;
    queue.add({nullptr, customerArrivedAt(480, buyer)});
    queue.add({nullptr, customerArrivedAt(560)});
    Customer& paying = *queue.front().customer;
    EXPECT_EQ(CounterService::SaleOutcome::CustomerLeaves, counter.pay(paying, {baked(kBun)}, 75));
    EXPECT_TRUE(paying.isLeaving());
    EXPECT_EQ(575, world.money);
    EXPECT_FLOAT_EQ(5.5f, world.flagsAndPopularity.popularity);
    EXPECT_FALSE(queue.firstRunsOutOfPatience(570, false));
}

TEST_F(CounterTest, TheMerchantStaysForHisFirstBouleOnlyAndLeavesAfterBuns) {
    const auto buyingBuns = merchant();
    EXPECT_EQ(CounterService::SaleOutcome::CustomerLeaves, counter.pay(*buyingBuns, {baked(kBun)}, 75));
    EXPECT_FALSE(world.flagsAndPopularity.isSet("MERC_HEUREKA"));

    const auto tasting = merchant();
    const BakedGood boule = baked(kBoule);
    EXPECT_EQ(CounterService::SaleOutcome::MerchantStays, counter.pay(*tasting, {baked(kBun), boule}, 0));
    EXPECT_TRUE(world.flagsAndPopularity.isSet("MERC_HEUREKA"));
    EXPECT_FALSE(tasting->isLeaving());
    EXPECT_EQ(Lines{"merchant chat"}, sequences.played);
    EXPECT_EQ(CounterService::SaleOutcome::CustomerLeaves, counter.pay(*tasting, {boule}, 250));
}
