#include "movie/deferred_movie_host.h"
#include "movie_test_support.h"
#include "support/fake_movie_host.h"

#include <QDir>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qinghe::test {
namespace {

using ::testing::ElementsAre;

// What a fake engine made and how often it was started; it outlives the engine.
struct EngineLog {
    QList<FakeMovieHost*> made;
    int starts = 0;
};

// An engine whose hosts are recording fakes.
class FakeEngine final : public MovieEngineModule {
public:
    explicit FakeEngine(EngineLog& log)
        : log_(log) {}
    std::unique_ptr<MovieControl> createHost(MovieCommandHandler onCommand) override {
        auto host = std::make_unique<FakeMovieHost>();
        QObject::connect(host.get(), &MovieHost::fsCommand, host.get(), onCommand);
        log_.made.append(host.get());
        return host;
    }
    void start() override { ++log_.starts; }

private:
    EngineLog& log_;
};

class DeferredMovieHostTest : public MovieFixture {
protected:
    DeferredMovieHostTest() { parent_.resize(300, 200); }

    // Hands the hosts to a fake engine and returns what it records.
    EngineLog& attachFake() {
        movies_.attach(std::make_unique<FakeEngine>(log_));
        return log_;
    }
    QString canonical(const QString& relative) const {
        return QDir(programDir()).canonicalPath() + u'/' + relative;
    }

    EngineLog log_;
    QWidget parent_;
    DeferredMovies movies_{programDir()};
};

TEST_F(DeferredMovieHostTest, BeforeTheEngineItAnswersFromWhatItWasAsked) {
    copyExample(QStringLiteral("Data/card.swf"));
    writeMovie(QStringLiteral("real.swf"), QByteArray("FWS\x08", 4));
    MovieHost* host = movies_.createHost(&parent_);
    EXPECT_EQ(host->widget()->parent(), &parent_);

    EXPECT_FALSE(host->setMovie(programDir() + QStringLiteral("real.swf")));
    EXPECT_FALSE(host->setMovie(programDir() + QStringLiteral("missing.swf")));
    EXPECT_FALSE(host->hasMovie());
    EXPECT_FALSE(host->isPlaying());
    host->callFrame(QStringLiteral("_root"), 0); // no movie: nothing to run it in

    // Windows-style path in any letter case, as the program writes them.
    ASSERT_TRUE(host->setMovie(programDir() + QStringLiteral("DATA\\CARD.SWF")));
    EXPECT_EQ(host->moviePath(), canonical(QStringLiteral("Data/card.swf")));
    EXPECT_TRUE(host->isPlaying());
    host->setVariable(QStringLiteral("txt_zi"), QStringLiteral("山"));
    host->setVariable(QStringLiteral("txt_py"), QStringLiteral("shān"));
    host->setVariable(QStringLiteral("txt_zi"), QStringLiteral("水"));
    host->gotoFrame(2);
    host->stop();
    EXPECT_EQ(host->variable(QStringLiteral("txt_zi")), QStringLiteral("水"));
    EXPECT_EQ(host->variable(QStringLiteral("nothing")), QString());
    EXPECT_EQ(host->currentFrame(), 2);
    EXPECT_FALSE(host->isPlaying());

    // A new movie starts clean; unloading leaves the host blank.
    host->loadMovie(0, QStringLiteral("file:///") + canonical(QStringLiteral("Data/card.swf")));
    ASSERT_TRUE(host->hasMovie());
    EXPECT_EQ(host->variable(QStringLiteral("txt_zi")), QString());
    EXPECT_EQ(host->currentFrame(), 0);
    EXPECT_TRUE(host->isPlaying());
    host->loadMovie(1, QString()); // another layer: nothing happens
    EXPECT_TRUE(host->hasMovie());
    host->loadMovie(0, QString());
    EXPECT_FALSE(host->hasMovie());
}

TEST_F(DeferredMovieHostTest, TheEngineHostGetsTheStateThenEveryCallAndItsCommandsComeOut) {
    copyExample(QStringLiteral("card.swf"));
    auto* host = static_cast<DeferredMovieHost*>(movies_.createHost(&parent_));
    host->setBackgroundColor(0x0000FF);
    host->setVariable(QStringLiteral("gone"), QStringLiteral("with the next movie"));
    ASSERT_TRUE(host->setMovie(programDir() + QStringLiteral("card.swf")));
    host->setVariable(QStringLiteral("txt_zi"), QStringLiteral("火"));
    host->setVariable(QStringLiteral("txt_py"), QStringLiteral("huǒ"));
    host->setVariable(QStringLiteral("txt_zi"), QStringLiteral("山"));
    host->callFrame(QStringLiteral("_root"), 0);
    host->callFrame(QStringLiteral("_root"), 0);
    host->gotoFrame(3);
    host->stop();

    EngineLog& engine = attachFake();
    ASSERT_EQ(engine.made.size(), 1);
    EXPECT_EQ(engine.starts, 1);
    FakeMovieHost& inner = *engine.made.first();
    EXPECT_TRUE(host->isAttached());
    EXPECT_EQ(inner.widget()->parentWidget(), host->widget());
    EXPECT_THAT(inner.calls(),
                ElementsAre(QStringLiteral("setBackgroundColor(255)"),
                            QStringLiteral("setMovie(") + canonical(QStringLiteral("card.swf")) + u')',
                            QStringLiteral("setVariable(txt_zi, 山)"),
                            QStringLiteral("setVariable(txt_py, huǒ)"), QStringLiteral("gotoFrame(3)"),
                            QStringLiteral("stop()"), QStringLiteral("callFrame(_root, 0)")));

    inner.clearCalls();
    host->setVariable(QStringLiteral("txt_zi"), QStringLiteral("水"));
    host->play();
    EXPECT_THAT(inner.calls(),
                ElementsAre(QStringLiteral("setVariable(txt_zi, 水)"), QStringLiteral("play()")));
    EXPECT_EQ(host->variable(QStringLiteral("txt_zi")), QStringLiteral("水"));
    EXPECT_TRUE(host->isPlaying());

    QSignalSpy commands(host, &MovieHost::fsCommand);
    inner.sendCommand(QStringLiteral("readzi"), QStringLiteral("1"));
    ASSERT_EQ(commands.size(), 1);
    EXPECT_EQ(commands.first().at(0).toString(), QStringLiteral("readzi"));
    EXPECT_EQ(commands.first().at(1).toString(), QStringLiteral("1"));
}

TEST_F(DeferredMovieHostTest, HostsMadeLaterAttachAtOnceAndHostsAlreadyGoneAreSkipped) {
    MovieHost* kept = movies_.createHost(&parent_);
    auto* doomed = new QWidget(&parent_);
    movies_.createHost(doomed);
    delete doomed;
    EngineLog& engine = attachFake();
    EXPECT_EQ(engine.made.size(), 1);
    EXPECT_TRUE(static_cast<DeferredMovieHost*>(kept)->isAttached());

    auto* later = static_cast<DeferredMovieHost*>(movies_.createHost(&parent_));
    EXPECT_TRUE(later->isAttached());
    EXPECT_EQ(engine.made.size(), 2);
    EXPECT_EQ(engine.starts, 1);
    // Without a movie nothing is replayed but nothing is lost either.
    EXPECT_THAT(engine.made.first()->calls(), ElementsAre());
}

TEST_F(DeferredMovieHostTest, WithoutTheModuleEveryHostStaysBlank) {
    copyExample(QStringLiteral("card.swf"));
    auto* before = static_cast<DeferredMovieHost*>(movies_.createHost(&parent_));
    movies_.attach(nullptr);
    auto* after = static_cast<DeferredMovieHost*>(movies_.createHost(&parent_));
    EXPECT_FALSE(movies_.hasEngine());
    for (DeferredMovieHost* host : {before, after}) {
        EXPECT_FALSE(host->isAttached());
        EXPECT_TRUE(host->setMovie(programDir() + QStringLiteral("card.swf")));
        EXPECT_TRUE(host->widget()->findChildren<QWidget*>().isEmpty());
    }
    // A second attach cannot bring an engine in half way.
    EngineLog& engine = attachFake();
    EXPECT_TRUE(engine.made.isEmpty());
}

// The module the program loads, with a movie that reports the variable it finds when it starts.
TEST_F(DeferredMovieHostTest, TheBuiltModuleShowsTheMovieWithWhatWasAskedBeforeItLoaded) {
    copyExample(QStringLiteral("card.swf"));
    writeMovie(
        QStringLiteral("hello.qml"),
        "import QtQuick\nItem { Component.onCompleted: movie.fsCommand(\"hello\", movie.vars.txt_zi) }\n");
    MovieHost* card = movies_.createHost(&parent_);
    MovieHost* hello = movies_.createHost(&parent_);
    card->widget()->resize(576, 304);
    ASSERT_TRUE(card->setMovie(programDir() + QStringLiteral("card.swf")));
    card->setVariable(QStringLiteral("txt_zi"), QStringLiteral("火"));
    card->gotoFrame(3);
    card->stop();
    ASSERT_TRUE(hello->setMovie(programDir() + QStringLiteral("hello.qml")));
    hello->setVariable(QStringLiteral("txt_zi"), QStringLiteral("木"));
    QSignalSpy said(hello, &MovieHost::fsCommand);

    auto module = loadMovieEngineModule(QStringLiteral(QINGHE_MODULE_DIR), programDir());
    ASSERT_NE(module, nullptr);
    movies_.attach(std::move(module));

    ASSERT_TRUE(said.wait(5000));
    EXPECT_EQ(said.first().at(0).toString(), QStringLiteral("hello"));
    EXPECT_EQ(said.first().at(1).toString(), QStringLiteral("木"));
    const auto* view = card->widget()->findChild<QQuickWidget*>();
    ASSERT_NE(view, nullptr);
    const QList<QQuickItem*> items = view->quickWindow()->contentItem()->childItems();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items.first()->findChild<QQuickItem*>(QStringLiteral("character"))->property("text").toString(),
              QStringLiteral("火"));
    EXPECT_EQ(QQmlProperty::read(items.first(), QStringLiteral("shownFrame")).toInt(), 3);
    EXPECT_FALSE(card->isPlaying());
    EXPECT_EQ(card->moviePath(), canonical(QStringLiteral("card.swf")));

    EXPECT_EQ(loadMovieEngineModule(programDir(), programDir()), nullptr);
}

} // namespace
} // namespace qinghe::test
