#include "support/fake_movie_host.h"
#include "support/qt_printers.h"

#include <QSignalSpy>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qinghe::test {
namespace {

using ::testing::ElementsAre;

TEST(FakeMovieHostTest, RecordsCallsInOrderAndKeepsTheHostState) {
    FakeMovieHost host;
    host.loadMovie(0, QString());
    EXPECT_TRUE(host.setMovie(QStringLiteral("C:\\Prog\\Data\\systxt\\zcxx.dat")));
    host.setVariable(QStringLiteral("txt_zi"), QStringLiteral("山"));
    host.setVariable(QStringLiteral("txt_juzi"), QStringLiteral("山上有树，树上有鸟。"));
    host.setVariable(QStringLiteral("txt_zi"), QStringLiteral("水"));
    host.callFrame(QStringLiteral("_root"), 0);
    host.stop();
    host.gotoFrame(1);
    host.setBackgroundColor(176553);
    EXPECT_THAT(host.calls(),
                ElementsAre(QStringLiteral("loadMovie(0, )"),
                            QStringLiteral("setMovie(C:\\Prog\\Data\\systxt\\zcxx.dat)"),
                            QStringLiteral("setVariable(txt_zi, 山)"),
                            QStringLiteral("setVariable(txt_juzi, 山上有树，树上有鸟。)"),
                            QStringLiteral("setVariable(txt_zi, 水)"), QStringLiteral("callFrame(_root, 0)"),
                            QStringLiteral("stop()"), QStringLiteral("gotoFrame(1)"),
                            QStringLiteral("setBackgroundColor(176553)")));
    EXPECT_EQ(host.variable(QStringLiteral("txt_zi")), QStringLiteral("水"));
    EXPECT_EQ(host.variables().size(), 3);
    EXPECT_FALSE(host.isPlaying());
    EXPECT_EQ(host.currentFrame(), 1);
    EXPECT_EQ(host.backgroundColor(), 176553);

    host.loadMovie(0, QString());
    EXPECT_FALSE(host.hasMovie());
    EXPECT_TRUE(host.variables().isEmpty());
    host.setMoviesLoad(false);
    EXPECT_FALSE(host.setMovie(QStringLiteral("a.swf")));
    EXPECT_FALSE(host.hasMovie());
}

TEST(FakeMovieHostTest, SendsCommandsOnDemand) {
    FakeMovieHost host;
    QSignalSpy spy(&host, &MovieHost::fsCommand);
    host.sendCommand(QStringLiteral("lesson_play"), QStringLiteral("0,100"));
    host.sendCommand(QStringLiteral("btnkwxx"));
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0), (QList<QVariant>{QStringLiteral("lesson_play"), QStringLiteral("0,100")}));
    EXPECT_EQ(spy.at(1), (QList<QVariant>{QStringLiteral("btnkwxx"), QString()}));
    EXPECT_NE(host.widget(), nullptr);
}

} // namespace
} // namespace qinghe::test
