#include "support/fake_audio.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace qinghe::test {
namespace {

TEST(FakeAudio, RecordsCommandsAndKeepsAPlausibleState) {
    FakeAudio audio;
    EXPECT_TRUE(audio.playFile(AudioSlot::Voice, QStringLiteral("a.mp3")));
    EXPECT_TRUE(audio.isActive(AudioSlot::Voice));
    EXPECT_EQ(audio.lastPath(AudioSlot::Voice), QStringLiteral("a.mp3"));

    EXPECT_TRUE(audio.playSegment(AudioSlot::ClickRead, QStringLiteral("b.mp3"), 1000, 0));
    EXPECT_FALSE(audio.playSegment(AudioSlot::Reading, QStringLiteral("b.mp3"), 5000, 4000));
    audio.pause(AudioSlot::ClickRead);
    EXPECT_EQ(audio.state(AudioSlot::ClickRead), ChannelState::Paused);
    audio.resume(AudioSlot::ClickRead);
    EXPECT_EQ(audio.state(AudioSlot::ClickRead), ChannelState::Playing);
    audio.setRate(AudioSlot::ClickRead, 1.1);
    EXPECT_DOUBLE_EQ(audio.rate(AudioSlot::ClickRead), 1.1);
    EXPECT_EQ(audio.secondsToBytes(AudioSlot::ClickRead, 2.0), 352800);
    audio.playEffect(QByteArray("RIFF"));

    EXPECT_EQ(audio.ops(),
              (QStringList{QStringLiteral("playFile"), QStringLiteral("playSegment"),
                           QStringLiteral("playSegment"), QStringLiteral("pause"), QStringLiteral("resume"),
                           QStringLiteral("setRate"), QStringLiteral("playEffect")}));
    const FakeAudio::Call& segment = audio.calls()[1];
    EXPECT_EQ(segment.slot, AudioSlot::ClickRead);
    EXPECT_EQ(segment.path, QStringLiteral("b.mp3"));
    EXPECT_EQ(segment.start, 1000);
    EXPECT_EQ(segment.end, 0);
}

} // namespace
} // namespace qinghe::test
