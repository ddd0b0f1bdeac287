#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/FadeSoundEvent.h"
#include "TovarWorks/Events/PlaySoundEvent.h"

#include <gtest/gtest.h>

using namespace TovarWorks;

TEST(SoundEvents, PlayWithoutChannelHasNoChannelAndFullVolume) {
    const PlaySoundEvent event(L"lumodata/music/Pamgaea.mp3");
    EXPECT_EQ(event.channel, -1);
    EXPECT_EQ(event.volume, 1.0f);
    EXPECT_FALSE(event.loop);
    EXPECT_EQ(event.GetTimeStamp(), 0u);
    EXPECT_EQ(event.GetEventType(), PlaySoundEventType);
}

TEST(SoundEvents, PlayCopiesItsFileName) {
    std::wstring name = L"a.mp3";
    const PlaySoundEvent event(name, true, 0.0f, 2);
    name[0] = L'b';
    const PlaySoundEvent copy(event);
    EXPECT_EQ(event.fileName, L"a.mp3");
    EXPECT_EQ(copy.fileName, L"a.mp3");
    EXPECT_EQ(copy.channel, 2);
}

TEST(SoundEvents, FadeDefaultsToThreeSecondsAndStopping) {
    const FadeSoundEvent event(3, 0.5f);
    EXPECT_EQ(event.durationMillis, 3000.0f);
    EXPECT_TRUE(event.stopAtEnd);
    EXPECT_EQ(event.GetEventType(), FadeSoundEventType);
    EXPECT_NE(event.GetEventType(), PlaySoundEventType);
}
