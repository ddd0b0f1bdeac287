// The short talks as a player meets them: the merchant and the barman, the shop's moments and the
// baker's remarks on new goods. Each stops the game and the clock until
// its last page is read.
#include "GamePlayFixture.h"

#include "src_lumo/Bakery/GoodKind.h"
#include "src_lumo/Shop/IShopSequences.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"

#include <functional>

using Lumo::LumoVisual;
using irr::core::vector3df;
using Strings = std::vector<std::string>;

class Dialogues : public GamePlayFixture {
protected:
    void SetUp() override { startAtCounter(); }

    Lumo::IShopSequences& shop() { return *logic().getShopSequences(); }
    Lumo::FlagsAndPopularity& story() { return world().flagsAndPopularity; }

    // Reads what the talk shows and waits for the game to come back; the pages' ids.
    Strings readAll() {
        EXPECT_TRUE(readDialogue()) << "a box stayed on screen";
        EXPECT_TRUE(runUntilControl(20)) << "the player did not get the baker back";
        const Strings pages = pagesSeen();
        speakers = speakersSeen();
        forgetPages();
        return pages;
    }

    Strings speakers; // of the pages readAll returned last
};

TEST_F(Dialogues, TheMerchantTalksByTheWeekAndOffersTheLoafPanOnceHeTrustsHer) {
    const struct {
        int day;
        bool trusts;
        Strings pages;
    } talks[] = {{7, false, {"MERC_1_1", "MERC_1_2"}},
                 {8, false, {"MERC_2_1"}},
                 {9, true, {"MERC_TB_1", "MERC_TB_2", "MERC_TB_3"}},
                 {9, true, {"MERC_2_1"}}};
    for (const auto& talk : talks) {
        world().day = talk.day;
        story().setFlag("MERC_SELL_BOX", talk.trusts ? 1.0f : 0.0f);
        talkAt(LumoVisual::kMerchantSpot);
        EXPECT_EQ(talk.pages, readAll()) << "day " << talk.day;
        EXPECT_EQ(Strings(talk.pages.size(), "N_MERCHANT"), speakers);
        EXPECT_EQ(talk.trusts ? 1 : 0, story().flag("MERC_SELL_BOX_TEXT")) << "day " << talk.day;
    }
}

TEST_F(Dialogues, TheMerchantsAndTheBarmansTalksHoldTheClockAndEndByOpeningTheirMenus) {
    world().day = 7;
    const struct {
        vector3df spot;
        int menu;
        Strings pages;
        const char* speaker;
    } stalls[] = {{LumoVisual::kMerchantSpot, Lumo::MODE_MERCHANT, {"MERC_1_1", "MERC_1_2"}, "N_MERCHANT"},
                  {LumoVisual::kBarSpot, Lumo::MODE_BAR, {"BAR_H_1"}, "N_BARMAN"}};
    for (const auto& stall : stalls) {
        SCOPED_TRACE(stall.speaker);
        talkAt(stall.spot);
        const int minute = world().minuteOfDay;
        size_t framesWithBox = 0;
        everyFrame = [&] {
            if (!anyBoxOnScreen())
                return;
            ++framesWithBox;
            EXPECT_FALSE(logic().isClockRunning());
            EXPECT_FALSE(logic().hasPlayerControl());
            EXPECT_EQ(minute, world().minuteOfDay);
            EXPECT_NE(stall.menu, mode()) << "the menu opened under the talk";
        };
        EXPECT_EQ(stall.pages, readAll());
        EXPECT_EQ(Strings(stall.pages.size(), stall.speaker), speakers);
        EXPECT_GT(framesWithBox, 30 * stall.pages.size()) << "a page takes longer than half a second to type";
        ASSERT_TRUE(play->runUntil([&] { return mode() == stall.menu; }, 200));
        hold(irr::KEY_KEY_X); // the menu reads held keys each frame
        play->runFrames(1);
        EXPECT_EQ(Lumo::MODE_WALKING, mode());
        play->runFrames(70);
        EXPECT_GT(world().minuteOfDay, minute) << "the clock did not come back";
        everyFrame = nullptr;
    }
}

TEST_F(Dialogues, EachShopMomentStopsThePlayerForItsOwnWordsInItsSpeakersNameAndARefusedCustomerLeaves) {
    const int minute = world().minuteOfDay;
    ASSERT_TRUE(visual().spawnCustomer({world().customers->townsfolk().at(3), minute}, minute));
    using Moment = std::function<void(Lumo::IShopSequences&)>;
    const auto remark = [](int32_t kind) -> Moment { return [kind](Lumo::IShopSequences& s) { s.goodDiscovered(kind); }; };
    const struct {
        Moment start;
        Strings pages;
        const char* speaker;
    } moments[] = {
        {remark(Lumo::kBoule), {"DIS_BB_1"}, "N_SOPHIE"},
        {remark(Lumo::kBread), {"DIS_B_1", "DIS_B_2"}, "N_SOPHIE"},
        {remark(Lumo::kCrossaint), {"DIS_CR_1", "DIS_CR_2"}, "N_SOPHIE"},
        {remark(Lumo::kBaiser), {"DIS_BA_1"}, "N_SOPHIE"},
        {remark(Lumo::kDonut), {"DIS_DO_1", "DIS_DO_2"}, "N_SOPHIE"},
        {[](Lumo::IShopSequences& s) { s.merchantThanks(); }, {"MERC_TH", "MERC_TH2"}, "N_MERCHANT"},
        {[](Lumo::IShopSequences& s) { s.merchantTastedBoule(); }, {"MERC_CU_1", "MERC_CU_2", "MERC_CU_3"}, "N_MERCHANT"},
        {[](Lumo::IShopSequences& s) { s.loafPanThanks(); }, {"MERC_TH_BOX_1", "MERC_TH_BOX_2"}, "N_MERCHANT"},
        {[](Lumo::IShopSequences& s) { s.pipingBagThanks(); }, {"MERC_TH_BAG_1", "MERX_TH_BAG_2"}, "N_MERCHANT"},
        {[](Lumo::IShopSequences& s) { s.customerRefused(); }, {"CUS_NO_1"}, "N_CUSTOMER"},
    };
    for (const auto& moment : moments) {
        moment.start(shop());
        EXPECT_FALSE(logic().hasPlayerControl()) << moment.pages.front();
        EXPECT_EQ(moment.pages, readAll());
        EXPECT_EQ(Strings(moment.pages.size(), moment.speaker), speakers);
    }
    EXPECT_TRUE(visual().getCustomerQueue().empty()) << "the refused customer stayed";
}

TEST_F(Dialogues, AGoodFoundAtTheTableIsRemarkedOnTheFirstTimeOnly) {
    for (int time = 0; time < 2; ++time) {
        Lumo::Dough free;
        free.perBatch = {250, 0, 0, 0, 0, 0};
        bakery().putDoughOnTable(free);
        placeHero(kAtTable);
        hold(irr::KEY_SPACE);
        ASSERT_EQ(Lumo::MODE_KNEADING, mode());
        ASSERT_TRUE(finishWork());
        bakery().remove(bakery().getField(Lumo::FIELD_TABLE).firstItem());
        EXPECT_EQ(Lumo::FACE_LEFT, visual().getHero()->getFacing());
        EXPECT_EQ(time == 0 ? Strings({"DIS_BB_1"}) : Strings(), readAll()) << "kneading number " << time + 1;
    }
    EXPECT_TRUE(world().goods.isUnlocked(Lumo::kBoule));
}

TEST_F(Dialogues, ARefusedCustomerWhosePatienceEndsInThatFrameLeavesAlone) {
    const int minute = world().minuteOfDay;
    const auto& town = world().customers->townsfolk();
    ASSERT_TRUE(visual().spawnCustomer({town.at(3), minute - 30}, minute - 30));
    const std::shared_ptr<Lumo::CharNode> next = visual().spawnCustomer({town.at(4), minute}, minute);
    ASSERT_TRUE(next);
    visual().getCustomerQueue().front().character->getNode()->setPosition(vector3df(815, 0, 550));
    placeHero(kAtCounter);
    world().clockMs = 0;
    play->runFrames(1);
    // The frame of the SPACE at the empty counter also ends the first customer's thirty minutes.
    world().clockMs = 500;
    play->press(irr::KEY_SPACE);
    play->runFrames(1);
    play->release(irr::KEY_SPACE);
    EXPECT_EQ(minute + 1, world().minuteOfDay);
    EXPECT_EQ(Strings({"CUS_NO_1"}), readAll());
    play->runFrames(2);
    ASSERT_EQ(1u, visual().getCustomerQueue().size()) << "the next customer was sent out too";
    EXPECT_EQ(next, visual().getCustomerQueue().front().character);
}
