#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/HashedString.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <set>
#include <string>

using TovarWorks::HashedString;

namespace {

// The checksum written the plain way: one byte at a time, reduced at every step. Reducing late,
// as the engine does, must give the same sums.
uint32_t referenceHash(const std::string& text) {
    if (text.empty() || text == "*")
        return 0;
    uint64_t a = 0;
    uint64_t b = 0;
    for (unsigned char c : text) {
        a = (a + static_cast<unsigned char>(std::tolower(c))) % 65521;
        b = (b + a) % 65521;
    }
    return static_cast<uint32_t>((b << 16) | a);
}

std::string randomText(std::mt19937& random, size_t length) {
    std::uniform_int_distribution<int> byte(1, 255);
    std::string text(length, ' ');
    for (char& c : text)
        c = static_cast<char>(byte(random));
    return text;
}

} // namespace

TEST(HashName, KnownValueOfAbcInEitherCase) {
    EXPECT_EQ(0x024A0126u, HashedString::HashName("abc"));
    EXPECT_EQ(0x024A0126u, HashedString::HashName("ABC"));
    EXPECT_EQ(0x024A0126u, HashedString::HashName("aBc"));
}

TEST(HashName, SpecialInputs) {
    EXPECT_EQ(0u, HashedString::HashName(nullptr));
    EXPECT_EQ(0u, HashedString::HashName(""));
    EXPECT_EQ(0u, HashedString::HashName("*"));
    EXPECT_NE(0u, HashedString::HashName("**"));
    EXPECT_NE(0u, HashedString::HashName(" *"));
    EXPECT_EQ(referenceHash("**"), HashedString::HashName("**"));
    EXPECT_EQ(referenceHash(" *"), HashedString::HashName(" *"));
}

TEST(HashName, LowersOnlyAsciiLetters) {
    EXPECT_EQ(HashedString::HashName("settimeevent"), HashedString::HashName("SetTimeEvent"));
    // '[' follows 'Z' and '@' precedes 'A': neither is a letter.
    EXPECT_NE(HashedString::HashName("["), HashedString::HashName("{"));
    EXPECT_NE(HashedString::HashName("@"), HashedString::HashName("`"));
    const std::string highBytes = "\xC4\xD6\xDC";
    EXPECT_EQ(referenceHash(highBytes), HashedString::HashName(highBytes.c_str()));
}

TEST(HashName, LongNamesAreLoweredInFull) {
    // Past the sixteen-byte stride and its remainder, upper case must still fold.
    const std::string upper = "SETAMBIENTCOLORSCHEMEEVENTWITHAVERYLONGTAIL";
    std::string lower;
    for (char c : upper)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(HashedString::HashName(lower.c_str()), HashedString::HashName(upper.c_str()));
    EXPECT_EQ(referenceHash(upper), HashedString::HashName(upper.c_str()));
}

TEST(HashName, MatchesStraightforwardChecksumAcrossChunkBoundaries) {
    std::mt19937 random(5552);
    const size_t lengths[] = {1,    2,    15,   16,   17,   31,    32,    33,    5551,
                              5552, 5553, 5568, 11104, 11105, 20000, 65536, 100003};
    for (size_t length : lengths) {
        const std::string text = randomText(random, length);
        EXPECT_EQ(referenceHash(text), HashedString::HashName(text.c_str())) << "length " << length;
    }
}

TEST(HashName, LongRunsOfHighBytesDoNotOverflowTheSums) {
    // 0xFF is the largest byte: the sums come closest to overflowing within one chunk.
    const std::string text(3 * 5552 + 7, '\xFF');
    EXPECT_EQ(referenceHash(text), HashedString::HashName(text.c_str()));
}

TEST(HashedString, EqualHashesMeanTheSameTypeWhateverTheNames) {
    const HashedString mixed("SetTimeEvent");
    const HashedString lower("settimeevent");
    EXPECT_EQ(mixed, lower);
    EXPECT_FALSE(mixed < lower);
    EXPECT_FALSE(lower < mixed);
    EXPECT_EQ("SetTimeEvent", mixed.getName());
    EXPECT_EQ(HashedString::HashName("SetTimeEvent"), mixed.getHash());
}

TEST(HashedString, OrdersByUnsignedHash) {
    const HashedString small("a");          // hash 0x00610061
    const std::string zs(30, 'z');
    const HashedString large(zs.c_str()); // b grows past 0x8000: the top bit is set
    ASSERT_GE(large.getHash(), 0x80000000u);
    EXPECT_TRUE(small < large);
    EXPECT_FALSE(large < small);
}

TEST(HashedString, NullNameIsEmptyWithHashZero) {
    const HashedString none(nullptr);
    EXPECT_TRUE(none.getName().empty());
    EXPECT_EQ(0u, none.getHash());
}

TEST(EventTypeConstants, ThirtyFourNamesGiveThirtyThreeTypes) {
    using namespace TovarWorks;
    const EventType* all[] = {&SetGameStateEventType,
                              &StartNewDayEventType,
                              &CloseChoiceEventType,
                              &SetNewDayEventType,
                              &SetTimeEventType,
                              &SetTimerEventType,
                              &AddCharacterEventType,
                              &ChangeVisualNodeEventType,
                              &ChangeFaceDirEventType,
                              &TeleportCharacterEventType,
                              &SetHudEventType,
                              &SetAmbientColorSchemeEventType,
                              &RemoveCharacterEventType,
                              &ShowOverlayTextEventType,
                              &FadeOverlayTextEventType,
                              &StartNewGameEventType,
                              &SpawnLetterEventType,
                              &RemoveCustomerEventType,
                              &OpenMerchantMenueEventType,
                              &CallActionEventType,
                              &OpenBarMenueEventType,
                              &SpareSetGameStateEventType,
                              &SaveCuboldEventType,
                              &LoadCharacterEventType,
                              &PlaceCharacterEventType,
                              &PlaySoundEventType,
                              &FadeSoundEventType,
                              &ShowEffectEventType,
                              &NextTextEventType,
                              &SetTextBoxEventType,
                              &SetNovelCharacterColorEventType,
                              &FlipNovelCharacterEventType,
                              &ShowNovelCharacterEventType,
                              &ClearNovelDataEventType};
    ASSERT_EQ(34u, sizeof all / sizeof all[0]);
    std::set<uint32_t> hashes;
    std::set<std::string> names;
    for (const EventType* type : all) {
        hashes.insert(type->getHash());
        names.insert(type->getName());
        EXPECT_EQ(referenceHash(type->getName()), type->getHash()) << type->getName();
    }
    EXPECT_EQ(33u, names.size());
    EXPECT_EQ(33u, hashes.size()); // only the spare "SetGameStateEvent" repeats a name
    EXPECT_EQ(SetGameStateEventType, SpareSetGameStateEventType);
}

TEST(EventTypeConstants, GameTypesAreTheFirstTwentyOneInOrder) {
    using namespace TovarWorks;
    EXPECT_EQ(&SetGameStateEventType, kGameEventTypes[0]);
    EXPECT_EQ(&CallActionEventType, kGameEventTypes[19]);
    EXPECT_EQ(&OpenBarMenueEventType, kGameEventTypes[20]);
    std::set<uint32_t> hashes;
    for (const EventType* type : kGameEventTypes)
        hashes.insert(type->getHash());
    EXPECT_EQ(21u, hashes.size());
}
