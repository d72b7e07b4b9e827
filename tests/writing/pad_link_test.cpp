#include "support/fake_services.h"
#include "support/qt_printers.h"
#include "writing/pad_launch.h"
#include "writing/pad_link.h"
#include "writing/test_peer.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTest>

#include <gtest/gtest.h>

namespace qinghe {
namespace {

TEST(LocalSocketPadLink, FindsNoPadWhereNoneListens) {
    LocalSocketPadLink link(test::uniqueSocketName("nopad"), 200);
    EXPECT_FALSE(link.isRunning());
    EXPECT_FALSE(link.sendQuit());
}

TEST(LocalSocketPadLink, APadThatNeverAnswersCostsABoundedWait) {
    // A pad that accepts connections but never reads or answers: hung.
    const QString name = test::uniqueSocketName("hung");
    QLocalServer hung;
    ASSERT_TRUE(hung.listen(name));
    LocalSocketPadLink link(name, 200);
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(link.isRunning());
    EXPECT_TRUE(link.sendQuit());
    EXPECT_TRUE(link.sendQuit());
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST(LocalSocketPadLink, TheQuitLineArrives) {
    const QString name = test::uniqueSocketName("quit");
    QLocalServer pad;
    ASSERT_TRUE(pad.listen(name));
    QByteArray received;
    QObject::connect(&pad, &QLocalServer::newConnection, [&] {
        QLocalSocket* peer = pad.nextPendingConnection();
        QObject::connect(peer, &QLocalSocket::readyRead, [&received, peer] { received += peer->readAll(); });
    });
    LocalSocketPadLink link(name, 500);
    EXPECT_TRUE(link.sendQuit());
    EXPECT_TRUE(QTest::qWaitFor([&] { return received == "quit\n"; }, 2000)) << received.toStdString();
}

TEST(ToggleHandwritingPad, QuitsARunningPadOrStartsOne) {
    test::FakePad pad;
    test::FakeLauncher launcher;
    toggleHandwritingPad(pad, launcher, QStringLiteral("/p/"));
    EXPECT_EQ(launcher.started, QStringList{padProgramPath(QStringLiteral("/p/"))});
    EXPECT_EQ(pad.quitsSent, 0);
    pad.running = true;
    toggleHandwritingPad(pad, launcher, QStringLiteral("/p/"));
    EXPECT_EQ(pad.quitsSent, 1);
    EXPECT_EQ(launcher.started.size(), 1);
}

} // namespace
} // namespace qinghe
