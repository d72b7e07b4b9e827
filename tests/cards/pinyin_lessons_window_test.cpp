#include "base/path_resolver.h"
#include "cards/pinyin_lessons.h"
#include "cards/pinyin_lessons_window.h"
#include "support/fake_audio.h"
#include "support/fake_movie_host.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace qinghe {
namespace {

using test::FakeAudio;
using test::FakeMovieHost;

// A program folder with a few pinyin movies and a recording; a plain widget stands in for the main
// window, and closing parks it back the way the main window's own code does (left := -5000 - left).
class PinyinWindowTest : public ::testing::Test {
protected:
    PinyinWindowTest()
        : paths(dir.path()) {
        for (const QString& name :
             {QStringLiteral("\u0251.swf"), QStringLiteral("b.swf"), QStringLiteral("yu\u0251n.swf"),
              QStringLiteral("blank.swf"), QStringLiteral("sound/bo1.mp3")}) {
            test::writeFile(dir.filePath(QStringLiteral("Data/Res/pinyin/") + name), "movie");
        }
        mainWindow.setGeometry(120, 40, 1000, 680);
        movies = [this](QWidget* parent, const QString& name) -> MovieHost* {
            host = new FakeMovieHost(parent);
            host->widget()->setParent(parent);
            host->widget()->setObjectName(name);
            host->setObjectName(name);
            return host;
        };
    }

    PinyinLessonsWindow& window() {
        if (!window_) {
            window_ = std::make_unique<PinyinLessonsWindow>(paths, movies, audio, &mainWindow, [this] {
                ++closes;
                mainWindow.move(-5000 - mainWindow.x(), mainWindow.y());
                mainWindow.raise();
            });
        }
        return *window_;
    }
    void parkMainWindow() { mainWindow.move(-5000 - mainWindow.x(), mainWindow.y()); }
    QString movie(const QString& entry) const {
        return dir.filePath(QStringLiteral("Data/Res/pinyin/") + entry + QStringLiteral(".swf"));
    }
    void clickRow(int row) {
        QListWidget* list = window().entryList();
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    QTemporaryDir dir;
    PathResolver paths;
    FakeAudio audio;
    QWidget mainWindow;
    MovieHostFactory movies;
    FakeMovieHost* host = nullptr;
    int closes = 0;
    std::unique_ptr<PinyinLessonsWindow> window_;
};

TEST_F(PinyinWindowTest, OpensInTheMainWindowsPlaceAndPlaysTheChosenLessons) {
    mainWindow.setWindowFlag(Qt::FramelessWindowHint);
    mainWindow.show();
    PinyinLessonsWindow& w = window();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("汉语拼音的动画学习"));
    ASSERT_NE(host, nullptr);
    ASSERT_EQ(w.entryList()->count(), 63);
    EXPECT_EQ(w.closeButton()->text(), QStringLiteral("关 闭"));

    ASSERT_TRUE(w.open());
    parkMainWindow();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.pos(), QPoint(0, 0));
    EXPECT_EQ(w.size(), QSize(1000, 680));
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(w.entryList()->currentRow(), 0);
    EXPECT_EQ(host->calls(), (QStringList{QStringLiteral("loadMovie(0, )"),
                                          QStringLiteral("setMovie(%1)").arg(movie(QStringLiteral("\u0251"))),
                                          QStringLiteral("setBackgroundColor(176553)")}));
    EXPECT_EQ(host->backgroundColor(), 0x2B1A9);
    EXPECT_EQ(w.heading()->text(), QStringLiteral("汉语拼音————当前正在学习【\u0251】"));

    // A click on b plays its movie.
    host->clearCalls();
    clickRow(8);
    EXPECT_EQ(w.heading()->text(), QStringLiteral("汉语拼音————当前正在学习【b】"));
    EXPECT_EQ(host->moviePath(), movie(QStringLiteral("b")));
    EXPECT_EQ(host->calls().last(), QStringLiteral("setBackgroundColor(176553)"));

    // The movie speaks through the window, on the voice slot, only from inside its folder.
    host->sendCommand(QStringLiteral("speak"), QStringLiteral("sound/bo1.mp3"));
    host->sendCommand(QStringLiteral("speak"), QStringLiteral("../../systxt/Set.ini"));
    host->sendCommand(QStringLiteral("speak"), dir.filePath(QStringLiteral("Data/Res/pinyin/sound/bo1.mp3")));
    host->sendCommand(QStringLiteral("btnread"), QStringLiteral("sound/bo1.mp3"));
    ASSERT_EQ(audio.calls().size(), 1u);
    EXPECT_EQ(audio.calls()[0].op, QStringLiteral("playFile"));
    EXPECT_EQ(audio.calls()[0].slot, AudioSlot::Voice);
    EXPECT_EQ(audio.calls()[0].path, dir.filePath(QStringLiteral("Data/Res/pinyin/sound/bo1.mp3")));

    // The last entry, yuɑn, is reached from the keyboard too.
    w.entryList()->setFocus();
    QTest::keyClick(w.entryList(), Qt::Key_End);
    EXPECT_EQ(w.heading()->text(), QStringLiteral("汉语拼音————当前正在学习【yin\u0261】"));
    QTest::keyClick(w.entryList(), Qt::Key_Up);
    QTest::keyClick(w.entryList(), Qt::Key_Up);
    QTest::keyClick(w.entryList(), Qt::Key_Up);
    EXPECT_EQ(host->moviePath(), movie(QStringLiteral("yu\u0251n")));

    // Closing clears the movie, stops the voice and brings the main window back where it was.
    host->clearCalls();
    QTest::mouseClick(w.closeButton(), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(host->calls(),
              (QStringList{QStringLiteral("stop()"),
                           QStringLiteral("setMovie(%1)").arg(movie(QStringLiteral("blank")))}));
    EXPECT_EQ(audio.ops().last(), QStringLiteral("stop"));
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(mainWindow.pos(), QPoint(120, 40));

    // A second opening starts again at the first entry; closing twice brings the window back once.
    ASSERT_TRUE(w.open());
    EXPECT_EQ(w.heading()->text(), QStringLiteral("汉语拼音————当前正在学习【\u0251】"));
    parkMainWindow();
    w.close();
    w.close();
    EXPECT_EQ(closes, 2);
    EXPECT_EQ(mainWindow.pos(), QPoint(120, 40));
}

TEST_F(PinyinWindowTest, MissingMoviesLeaveTheHostBlankWithoutAMessage) {
    mainWindow.show();
    PinyinLessonsWindow& w = window();
    host->setMoviesLoad(false);
    ASSERT_TRUE(w.open());
    EXPECT_FALSE(host->hasMovie());
    EXPECT_EQ(w.heading()->text(), QStringLiteral("汉语拼音————当前正在学习【\u0251】"));
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    // A lesson whose file is not installed: asked for by its path, nothing else happens.
    clickRow(30);
    EXPECT_EQ(host->calls().value(host->calls().size() - 2),
              QStringLiteral("setMovie(%1)").arg(movie(QStringLiteral("ei"))));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(audio.calls().empty());
    w.close();
    EXPECT_EQ(closes, 1);
}

TEST_F(PinyinWindowTest, MinimisingMinimisesTheWholeProgram) {
    mainWindow.show();
    QWidget other;
    other.show();
    PinyinLessonsWindow& w = window();
    ASSERT_TRUE(w.open());
    w.showMinimized();
    EXPECT_TRUE(mainWindow.isMinimized());
    EXPECT_TRUE(other.isMinimized());
    w.showNormal();
    EXPECT_FALSE(mainWindow.isMinimized());
    EXPECT_FALSE(other.isMinimized());
    w.close();
}

} // namespace
} // namespace qinghe
