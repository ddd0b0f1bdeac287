#include "TovarWorks/Events/HashedString.h"

#include <gtest/gtest.h>

#include <string>

using TovarWorks::HashedString;

namespace {
uint32_t hashOf(const std::string& text) { return HashedString::HashName(text.c_str()); }

// Bytes 1..255 in a scattered order: upper-case letters, high bytes and every sixteen-byte stride.
std::string scattered(size_t length) {
    std::string text(length, ' ');
    for (size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>(i * 37 % 255 + 1);
    return text;
}
} // namespace

// Expected sums worked out with zlib's Adler-32 of the lowered text, less its starting 1.
TEST(HashName, IsTheAdlerSumOfTheLoweredTextWhateverItsLength) {
    const struct {
        std::string text;
        uint32_t hash;
    } cases[] = {
        {"abc", 0x024A0126u},         {"ABC", 0x024A0126u},          {"aBc", 0x024A0126u},
        {"**", 0x007E0054u},          {" *", 0x006A004Au},           {"\xC4\xD6\xDC", 0x04D40276u},
        {std::string(30, 'z'), 0xDD9A0E4Cu}, {std::string(3 * 5552 + 7, '\xFF'), 0xC78FD9A9u},
        {scattered(17), 0x3CC60726u}, {scattered(5551), 0x25591E3Bu}, {scattered(5552), 0x44051EACu},
        {scattered(5553), 0x63471F42u}, {scattered(11105), 0xFEE23E7Fu}, {scattered(100003), 0xAB225655u},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.hash, hashOf(c.text)) << "length " << c.text.size();
}

TEST(HashName, OnlyAsciiLettersFoldAndTheEmptyNamesHashToZero) {
    EXPECT_EQ(hashOf("Z"), hashOf("z"));
    EXPECT_EQ(hashOf("SetAmbientColorSchemeEventWithAVeryLongTail"), hashOf("setambientcolorschemeeventwithaverylongtail"));
    EXPECT_NE(hashOf("["), hashOf("{")); // '[' follows 'Z', '@' precedes 'A'
    EXPECT_NE(hashOf("@"), hashOf("`"));
    EXPECT_EQ(0u, HashedString::HashName(nullptr));
    EXPECT_EQ(0u, hashOf(""));
    EXPECT_EQ(0u, hashOf("*"));
}

TEST(HashedString, ComparesByUnsignedHashAndKeepsItsName) {
    const HashedString mixed("SetTimeEvent"), lower("settimeevent");
    EXPECT_EQ(mixed, lower);
    EXPECT_FALSE(mixed != lower);
    EXPECT_FALSE(mixed < lower);
    EXPECT_EQ("SetTimeEvent", mixed.getName());
    EXPECT_EQ(hashOf("settimeevent"), mixed.getHash());
    const HashedString small("a"), large(std::string(30, 'z').c_str()); // the top bit is set
    EXPECT_TRUE(small < large);
    EXPECT_FALSE(large < small);
    EXPECT_NE(small, large);
    EXPECT_TRUE(HashedString(nullptr).getName().empty());
}
