#include "pad/pad_server.h"
#include "support/qt_printers.h"
#include "writing/test_peer.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace qinghe::pad {
namespace {

using test::TestPeer;

TEST(PadServer, AnswersQuitRaiseAndPingAndIgnoresTheRest) {
    PadServer server(test::uniqueSocketName("pad"), 500);
    ASSERT_TRUE(server.listen());
    QSignalSpy quits(&server, &PadServer::quitRequested);
    QSignalSpy raises(&server, &PadServer::raiseRequested);

    TestPeer peer(server.name());
    ASSERT_TRUE(peer.connected());
    peer.send("hello\nQUIT\nchar 永\n\xff\xfe\n" + QByteArray(9000, 'q') + "\nping\n");
    EXPECT_TRUE(peer.receives("pong\n"));
    EXPECT_EQ(peer.received, QByteArray("pong\n"));
    EXPECT_EQ(quits.size(), 0);
    EXPECT_EQ(raises.size(), 0);

    peer.send("rai");
    QTest::qWait(20);
    EXPECT_EQ(raises.size(), 0); // half a line waits for its end
    peer.send("se\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return raises.size() == 1; }, 2000));
    peer.send("quit\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return quits.size() == 1; }, 2000));
}

TEST(PadServer, OnePadPerName) {
    const QString name = test::uniqueSocketName("single");
    PadServer first(name);
    ASSERT_TRUE(first.listen());
    PadServer second(name);
    EXPECT_FALSE(second.listen());
    EXPECT_TRUE(first.isListening());
}

TEST(RaiseRunningPad, ASecondStartBringsTheFirstForward) {
    const QString name = test::uniqueSocketName("raise");
    EXPECT_FALSE(raiseRunningPad(name, 200)); // nothing running: this start becomes the pad

    // The running pad is in this thread, so the request is sent and read once the loop runs.
    PadServer running(name);
    ASSERT_TRUE(running.listen());
    QSignalSpy raises(&running, &PadServer::raiseRequested);
    EXPECT_TRUE(raiseRunningPad(name, 200));
    EXPECT_TRUE(QTest::qWaitFor([&] { return raises.size() == 1; }, 2000));
}

TEST(RaiseRunningPad, AHungPadCostsABoundedWait) {
    // Accepts connections but never reads: the second start still ends, in bounded time.
    const QString name = test::uniqueSocketName("hungpad");
    QLocalServer hung;
    ASSERT_TRUE(hung.listen(name));
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(raiseRunningPad(name, 200));
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST(PadServer, DropsPeersThatLinger) {
    PadServer server(test::uniqueSocketName("linger"), 200);
    ASSERT_TRUE(server.listen());
    TestPeer silent(server.name());
    ASSERT_TRUE(silent.connected());
    EXPECT_TRUE(silent.dropped(3000));
    // Still there for the next one.
    TestPeer next(server.name());
    ASSERT_TRUE(next.connected());
    next.send("ping\n");
    EXPECT_TRUE(next.receives("pong\n"));
}

} // namespace
} // namespace qinghe::pad
