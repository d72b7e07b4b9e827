#include "movie_test_support.h"
#include "qml_movie/scene_graph_backend.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qinghe::test {
namespace {

using ::testing::ElementsAre;

QString textOf(const QQuickItem* root, const char* name) {
    const auto* child = root->findChild<QQuickItem*>(QString::fromLatin1(name));
    return child ? child->property("text").toString() : QStringLiteral("<missing>");
}

QList<QStringList> commands(const QSignalSpy& spy) {
    QList<QStringList> out;
    for (const QList<QVariant>& call : spy) {
        out.append({call.at(0).toString(), call.at(1).toString()});
    }
    return out;
}

class QmlMovieHostTest : public MovieFixture {
protected:
    QmlMovieHostTest() {
        engine_.start();
        host_.widget()->resize(576, 304);
        host_.widget()->show();
    }
    QmlMovieHost host_{engine_};
};

TEST_F(QmlMovieHostTest, ExampleCardShowsVariablesFramesAndPlayState) {
    copyExample(QStringLiteral("Data/systxt/zcxx.dat"));
    // Paths come Windows-style, in any letter case.
    ASSERT_TRUE(host_.setMovie(programDir() + QStringLiteral("DATA\\SYSTXT\\ZCXX.DAT")));
    QQuickItem* card = host_.movieItem();
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(host_.moviePath(),
              QDir(programDir()).canonicalPath() + QStringLiteral("/Data/systxt/zcxx.dat"));
    EXPECT_TRUE(host_.isPlaying());
    EXPECT_EQ(QQmlProperty::read(card, QStringLiteral("shownFrame")).toInt(), 0);

    host_.setVariable(QStringLiteral("txt_zi"), QStringLiteral("山"));
    host_.setVariable(QStringLiteral("txt_pinyin"), QStringLiteral("shān"));
    host_.callFrame(QStringLiteral("_root"), 0);
    EXPECT_EQ(textOf(card, "character"), QStringLiteral("山"));
    EXPECT_EQ(textOf(card, "reading"), QStringLiteral("shān"));
    EXPECT_EQ(host_.variable(QStringLiteral("txt_zi")), QStringLiteral("山"));
    EXPECT_EQ(QQmlProperty::read(card, QStringLiteral("frameCalls")).toInt(), 1);

    // A second character on the same card: bindings follow, the frame call runs again.
    host_.setVariable(QStringLiteral("txt_zi"), QStringLiteral("水"));
    host_.callFrame(QStringLiteral("_root"), 0);
    host_.callFrame(QStringLiteral("other"), 0);
    EXPECT_EQ(textOf(card, "character"), QStringLiteral("水"));
    EXPECT_EQ(QQmlProperty::read(card, QStringLiteral("frameCalls")).toInt(), 2);

    auto* marker = card->findChild<QQuickItem*>(QStringLiteral("marker"));
    ASSERT_NE(marker, nullptr);
    host_.stop();
    EXPECT_FALSE(host_.isPlaying());
    const qreal held = marker->rotation();
    QTest::qWait(50);
    EXPECT_EQ(marker->rotation(), held);
    host_.gotoFrame(7);
    EXPECT_EQ(QQmlProperty::read(card, QStringLiteral("shownFrame")).toInt(), 7);
    EXPECT_EQ(host_.currentFrame(), 7);
    host_.play();
    EXPECT_TRUE(host_.isPlaying());
    EXPECT_TRUE(QTest::qWaitFor([&] { return marker->rotation() != held; }));
}

TEST_F(QmlMovieHostTest, ClickOnTheCardSendsItsCommandFromTheEventLoop) {
    ASSERT_TRUE(host_.setMovie(copyExample(QStringLiteral("card.swf"))));
    QSignalSpy spy(&host_, &MovieHost::fsCommand);
    QTest::mouseClick(host_.quickWidget(), Qt::LeftButton, {}, QPoint(288, 152));
    EXPECT_EQ(spy.count(), 0); // not inside the movie's script
    EXPECT_TRUE(QTest::qWaitFor([&] { return spy.count() == 1; }));
    EXPECT_THAT(commands(spy), ElementsAre(QStringList{QStringLiteral("btnhanzi"), QString()}));
}

TEST_F(QmlMovieHostTest, CommandsKeepTheirExactTextsAndMayReplaceTheMovie) {
    const QString sender = writeMovie(QStringLiteral("sender.txt"), R"(import QtQuick
Item {
    Component.onCompleted: {
        movie.fsCommand("lesson_play", "1024,0");
        movie.fsCommand("read_lx", " true ");
        movie.fsCommand("朗读");
        movie.fsCommand("", "，。");
    }
})");
    QSignalSpy spy(&host_, &MovieHost::fsCommand);
    // The program reacts to a command by loading the next movie: the sender is gone by then.
    const QString next = copyExample(QStringLiteral("next.swf"));
    QObject::connect(&host_, &MovieHost::fsCommand, &host_, [&] { host_.setMovie(next); });
    ASSERT_TRUE(host_.setMovie(sender));
    ASSERT_TRUE(QTest::qWaitFor([&] { return spy.count() == 4; }));
    EXPECT_THAT(commands(spy),
                ElementsAre(QStringList{QStringLiteral("lesson_play"), QStringLiteral("1024,0")},
                            QStringList{QStringLiteral("read_lx"), QStringLiteral(" true ")},
                            QStringList{QStringLiteral("朗读"), QString()},
                            QStringList{QString(), QStringLiteral("，。")}));
    EXPECT_EQ(QFileInfo(host_.moviePath()).fileName(), QStringLiteral("next.swf"));
}

TEST_F(QmlMovieHostTest, AMovieMayEndItsOwnPlay) {
    ASSERT_TRUE(host_.setMovie(
        writeMovie(QStringLiteral("once.swf"),
                   "import QtQuick\nItem { Component.onCompleted: movie.playing = false }\n")));
    EXPECT_FALSE(host_.isPlaying());
    host_.play();
    EXPECT_TRUE(host_.isPlaying());
}

TEST_F(QmlMovieHostTest, NamesTheVariableMapKeepsForItselfAreDroppedQuietly) {
    ASSERT_TRUE(host_.setMovie(copyExample(QStringLiteral("card.swf"))));
    WarningCatcher warnings;
    for (const char* name : {"keys", "valueChanged", "destroyed", "deleteLater", "QObject", ""}) {
        host_.setVariable(QString::fromLatin1(name), QStringLiteral("x"));
        EXPECT_EQ(host_.variable(QString::fromLatin1(name)), QString()) << name;
    }
    EXPECT_EQ(warnings.messages(), QStringList());
}

TEST_F(QmlMovieHostTest, AHostWhoseWidgetIsGoneStaysBlank) {
    const QString card = copyExample(QStringLiteral("card.swf"));
    ASSERT_TRUE(host_.setMovie(card));
    delete host_.widget(); // the window that held it was closed
    EXPECT_EQ(host_.movieItem(), nullptr);
    EXPECT_FALSE(host_.hasMovie());
    EXPECT_FALSE(host_.setMovie(card));
    host_.setBackgroundColor(0);
    host_.callFrame(QStringLiteral("_root"), 0);
}

TEST(MovieDocsTest, TheAuthorsGuideShowsTheTestedExample) {
    const QByteArray guide = readFile(QStringLiteral(QINGHE_SOURCE_DIR "/docs/movies.md"));
    const QByteArray example = readFile(dataDir() + QStringLiteral("/movies/example_card.swf"));
    ASSERT_FALSE(example.isEmpty());
    EXPECT_TRUE(guide.contains("```qml\n" + example + "```\n"));
}

TEST_F(QmlMovieHostTest, WhatIsNotAWorkingMovieLeavesTheHostBlankAndQuiet) {
    QByteArray noise(4096, '\0');
    quint32 state = 12345;
    for (char& byte : noise) {
        state = state * 1103515245u + 12345u;
        byte = char(state >> 24);
    }
    QByteArray huge = "import QtQuick\nItem {}\n";
    huge.append(QByteArray(10 * 1024 * 1024, ' '));
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("outside.swf"));
    writeFile(outside, "import QtQuick\nItem {}\n");
    QFile::link(outside, programDir() + QStringLiteral("link.swf"));
    QDir().mkpath(programDir() + QStringLiteral("folder.swf"));

    struct Case {
        const char* name;
        QString path;
        QByteArray bytes; // written to `path` unless empty-and-not-written
        bool write;
    };
    const Case cases[] = {
        {"random bytes", QStringLiteral("noise.swf"), noise, true},
        {"real SWF", QStringLiteral("real.swf"), QByteArray("FWS\x0A\x20\x00\x00\x00x", 9), true},
        {"compressed SWF", QStringLiteral("zipped.swf"), "CWS\x0Aimport QtQuick\nItem {}", true},
        {"empty file", QStringLiteral("empty.swf"), "", true},
        {"only a byte-order mark", QStringLiteral("bom.swf"), "\xEF\xBB\xBF", true},
        {"GB18030 text", QStringLiteral("gbk.swf"), "import QtQuick\nText { text: \"\xBB\xF0\" }\n" /* 火 */,
         true},
        {"broken QML", QStringLiteral("broken.swf"), "import QtQuick\nItem { width: \n", true},
        {"unknown type", QStringLiteral("unknown.swf"), "import QtQuick\nFlashPlayer {}\n", true},
        {"root is not an Item", QStringLiteral("object.swf"), "import QtQml\nQtObject {}\n", true},
        {"fails at creation", QStringLiteral("required.swf"),
         "import QtQuick\nItem { required property int n }\n", true},
        {"10 MB file", QStringLiteral("huge.swf"), huge, true},
        {"missing file", QStringLiteral("missing.swf"), {}, false},
        {"a folder", QStringLiteral("folder.swf"), {}, false},
        {"outside the program", outside, {}, false},
        {"link leading outside", QStringLiteral("link.swf"), {}, false},
    };
    const QString good = copyExample(QStringLiteral("good.swf"));
    WarningCatcher warnings;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(host_.setMovie(good));
        ASSERT_NE(host_.movieItem(), nullptr);
        const QString path = c.write ? writeMovie(c.path, c.bytes) : c.path;
        EXPECT_FALSE(host_.setMovie(QFileInfo(path).isAbsolute() ? path : programDir() + path));
        EXPECT_FALSE(host_.hasMovie());
        EXPECT_EQ(host_.movieItem(), nullptr);
        EXPECT_EQ(host_.moviePath(), QString());
        // The host goes on working: variables and frame calls on a blank host are harmless.
        host_.setVariable(QStringLiteral("txt_zi"), QStringLiteral("山"));
        host_.callFrame(QStringLiteral("_root"), 0);
        host_.play();
        EXPECT_FALSE(host_.isPlaying());
    }
    EXPECT_EQ(warnings.messages(), QStringList());
    EXPECT_TRUE(host_.setMovie(writeMovie(QStringLiteral("bom_good.swf"), "\xEF\xBB\xBF"
                                                                          "import QtQuick\nItem {}\n")));
}

TEST_F(QmlMovieHostTest, UnloadingAndAddressesOfLoadMovie) {
    const QString card = copyExample(QStringLiteral("Data/systxt/laba.swf"));
    host_.loadMovie(0, QUrl::fromLocalFile(card).toString());
    ASSERT_NE(host_.movieItem(), nullptr);
    host_.setVariable(QStringLiteral("txt_zi"), QStringLiteral("山"));
    host_.loadMovie(1, QString()); // no such layer: nothing happens
    EXPECT_TRUE(host_.hasMovie());
    host_.loadMovie(0, QString());
    EXPECT_FALSE(host_.hasMovie());
    EXPECT_EQ(host_.movieItem(), nullptr);
    EXPECT_EQ(host_.variable(QStringLiteral("txt_zi")), QString());
    EXPECT_FALSE(host_.quickWidget()->isVisible());
    // The program's own address form: "file:///" + the folder with an extra slash on Unix.
    host_.loadMovie(0, QStringLiteral("file:///") + programDir() + QStringLiteral("data/SYSTXT/laba.swf"));
    EXPECT_NE(host_.movieItem(), nullptr);
    host_.loadMovie(0, QStringLiteral("http://example.org/laba.swf"));
    EXPECT_FALSE(host_.hasMovie());
}

TEST_F(QmlMovieHostTest, StageScalesToFitCentredOrFillsTheHost) {
    struct Case {
        QSize host;
        QByteArray root;
        qreal scale;
        QPointF position;
        QSizeF size;
    };
    const Case cases[] = {
        {{1152, 304}, "width: 576; height: 304", 1.0, {288, 0}, {576, 304}},
        {{288, 304}, "width: 576; height: 304", 0.5, {0, 76}, {576, 304}},
        {{400, 400}, "width: 200; height: 100", 2.0, {0, 100}, {200, 100}},
        {{250, 120}, "", 1.0, {0, 0}, {250, 120}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.root.toStdString() + " in " + std::to_string(c.host.width()));
        host_.widget()->resize(c.host);
        ASSERT_TRUE(host_.setMovie(
            writeMovie(QStringLiteral("stage.swf"), "import QtQuick\nItem { " + c.root + " }\n")));
        QQuickItem* item = host_.movieItem();
        ASSERT_NE(item, nullptr);
        EXPECT_DOUBLE_EQ(item->scale(), c.scale);
        EXPECT_EQ(item->position(), c.position);
        EXPECT_EQ(item->size(), c.size);
        EXPECT_EQ(QQmlProperty::read(item, QStringLiteral("x")).toReal(), c.position.x());
    }
    // The host follows its widget's size, and tells the movie.
    host_.widget()->resize(500, 300);
    EXPECT_EQ(host_.movieItem()->size(), QSizeF(500, 300));
}

TEST_F(QmlMovieHostTest, DrawsTheMovieOverTheBackgroundColour) {
    host_.widget()->resize(200, 100);
    host_.setBackgroundColor(0x2B1A9); // 0xBBGGRR: red A9, green B1, blue 02
    EXPECT_EQ(host_.backgroundColor(), QColor(0xA9, 0xB1, 0x02));
    // A 100 x 100 stage in a 200 x 100 host: scale 1, bands of background left and right.
    ASSERT_TRUE(host_.setMovie(writeMovie(QStringLiteral("green.swf"), R"(import QtQuick
Item {
    width: 100; height: 100
    Rectangle { x: 0; y: 0; width: 100; height: 100; color: movie.width > 0 ? "#00ff00" : "black" }
})")));
    const QImage frame = host_.quickWidget()->grabFramebuffer();
    ASSERT_EQ(frame.size(), QSize(200, 100));
    EXPECT_EQ(QColor(frame.pixel(10, 50)), QColor(0xA9, 0xB1, 0x02));
    EXPECT_EQ(QColor(frame.pixel(100, 50)), QColor(0, 0xFF, 0));
    EXPECT_EQ(QColor(frame.pixel(190, 50)), QColor(0xA9, 0xB1, 0x02));
}

TEST_F(QmlMovieHostTest, ASecondLoadOfAnUnchangedFileIsNotCompiledAgain) {
    const QString path = copyExample(QStringLiteral("hzbs/山.swf"));
    QmlMovieHost other(engine_);
    ASSERT_TRUE(host_.setMovie(path));
    EXPECT_EQ(engine_.compileCount(), 1);
    ASSERT_TRUE(host_.setMovie(path));
    ASSERT_TRUE(other.setMovie(path));
    EXPECT_EQ(engine_.compileCount(), 1);
    EXPECT_EQ(engine_.cacheHitCount(), 2);
    // A changed file is compiled afresh, and the change shows.
    writeMovie(QStringLiteral("hzbs/山.swf"), "import QtQuick\nItem { objectName: \"changed\" }\n");
    ASSERT_TRUE(host_.setMovie(path));
    EXPECT_EQ(engine_.compileCount(), 2);
    EXPECT_EQ(host_.movieItem()->objectName(), QStringLiteral("changed"));
}

TEST_F(MovieFixture, RequestsBeforeTheEngineStartsAreAppliedWhenItIsReady) {
    const QString path = copyExample(QStringLiteral("card.swf"));
    QmlMovieHost host(engine_);
    EXPECT_FALSE(host.setMovie(programDir() + QStringLiteral("missing.swf")));
    ASSERT_TRUE(host.setMovie(path));
    host.setVariable(QStringLiteral("txt_zi"), QStringLiteral("火"));
    host.callFrame(QStringLiteral("_root"), 0);
    host.gotoFrame(3);
    host.stop();
    host.setBackgroundColor(0xFF0000);
    EXPECT_TRUE(host.hasMovie());
    EXPECT_EQ(host.quickWidget(), nullptr); // no QML yet
    EXPECT_EQ(engine_.qmlEngine(), nullptr);

    engine_.start();
    QQuickItem* card = host.movieItem();
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(textOf(card, "character"), QStringLiteral("火"));
    EXPECT_EQ(QQmlProperty::read(card, QStringLiteral("frameCalls")).toInt(), 1);
    EXPECT_EQ(QQmlProperty::read(card, QStringLiteral("shownFrame")).toInt(), 3);
    EXPECT_FALSE(host.isPlaying());
    EXPECT_EQ(host.quickWidget()->quickWindow()->color(), QColor(0, 0, 0xFF));
}

TEST(SceneGraphTest, SoftwareUnlessTheEnvironmentChoosesAnother) {
    const QByteArray saved = qgetenv("QT_QUICK_BACKEND");
    qputenv("QT_QUICK_BACKEND", "opengl");
    EXPECT_FALSE(useSoftwareSceneGraphByDefault());
    qunsetenv("QT_QUICK_BACKEND");
    QQuickWindow::setSceneGraphBackend(QString());
    EXPECT_TRUE(useSoftwareSceneGraphByDefault());
    EXPECT_EQ(QQuickWindow::sceneGraphBackend(), QStringLiteral("software"));
    qputenv("QT_QUICK_BACKEND", saved);
}

TEST_F(MovieFixture, TheEngineMayGoBeforeItsHosts) {
    auto engine = std::make_unique<QmlMovieEngine>(programDir());
    engine->start();
    QmlMovieHost host(*engine);
    ASSERT_TRUE(host.setMovie(copyExample(QStringLiteral("card.swf"))));
    engine.reset();
    EXPECT_FALSE(host.hasMovie());
    EXPECT_FALSE(host.setMovie(programDir() + QStringLiteral("card.swf")));
}

} // namespace
} // namespace qinghe::test
