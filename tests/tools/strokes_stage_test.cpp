#include "content_reader.h"
#include "qml_movie/qml_movie_engine.h"
#include "qml_movie/qml_movie_host.h"
#include "stages.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QQmlProperty>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qinghe::edition {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;

QString strokeFixture() {
    return test::dataDir() + QStringLiteral("/strokes");
}

// The small content edition, and stroke data that lacks one of its characters (歌).
class StrokesStage : public ::testing::Test {
protected:
    StrokesStage()
        : content_(readContent(test::dataDir() + QStringLiteral("/content"))) {
        options_.contentDirectory = test::dataDir() + QStringLiteral("/content");
        options_.outputDirectory = out_.path();
        options_.strokeDataDirectory = strokeFixture();
        options_.audio = false;
    }

    void SetUp() override { ASSERT_TRUE(content_.problems.isEmpty()); }

    QStringList run() {
        OutputTree out(options_.outputDirectory);
        QStringList report;
        StageContext context{content_.edition, options_, out, report};
        ok_ = runStrokeMoviesStage(context);
        return report;
    }

    QStringList characters() const {
        QStringList all;
        for (const Book& book : content_.edition.books) {
            for (const Unit& unit : book.units) {
                for (const Lesson& lesson : unit.lessons) {
                    for (const CharacterEntry& entry : lesson.chars) {
                        all << entry.zi;
                    }
                }
            }
        }
        return all;
    }
    // The characters whose data the fixture holds, as movie file names.
    QStringList expectedMovies() const {
        QStringList names;
        for (const QString& zi : characters()) {
            if (QFileInfo::exists(options_.strokeDataDirectory + u'/' + zi + QStringLiteral(".json"))) {
                names << zi + QStringLiteral(".swf");
            }
        }
        names.sort();
        return names;
    }
    QStringList movies(const QString& folder = QString()) const {
        QStringList names = QDir(out_.path() + QStringLiteral("/Data/RJ/hzbs/") + folder)
                                .entryList({QStringLiteral("*.swf")}, QDir::Files);
        names.sort();
        return names;
    }
    QString moviePath(const QString& name) const {
        return out_.path() + QStringLiteral("/Data/RJ/hzbs/") + name;
    }

    ContentRead content_;
    QTemporaryDir out_;
    Options options_;
    bool ok_ = false;
};

TEST_F(StrokesStage, OneMoviePerCharacterAndTheMissingOnesReported) {
    ASSERT_GE(expectedMovies().size(), 3);
    ASSERT_THAT(characters(), Contains(QStringLiteral("歌")));
    const QStringList report = run();
    ASSERT_TRUE(ok_) << report.join(u'\n').toStdString();
    EXPECT_EQ(movies(), expectedMovies());
    EXPECT_FALSE(QFileInfo::exists(moviePath(QStringLiteral("歌.swf"))));
    EXPECT_TRUE(QDir(out_.path() + QStringLiteral("/Data/RJ/hzbs"))
                    .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                    .isEmpty());
    EXPECT_EQ(test::readFile(moviePath(QStringLiteral("ARPHICPL.TXT"))),
              test::readFile(strokeFixture() + QStringLiteral("/ARPHICPL.TXT")));
    const QString text = report.join(u'\n');
    EXPECT_THAT(text.toStdString(),
                HasSubstr("no stroke data for 1 characters, their movies are left out: 歌"));
    EXPECT_THAT(
        text.toStdString(),
        HasSubstr(
            QStringLiteral("%1 movies written, 0 up to date").arg(expectedMovies().size()).toStdString()));

    // What the generator wrote plays in the program's host: not blank, with 她's six strokes.
    QmlMovieEngine engine(out_.path());
    engine.start();
    QmlMovieHost host(engine);
    host.widget()->resize(195, 195);
    ASSERT_TRUE(host.setMovie(out_.path() + QStringLiteral("/DATA\\RJ\\hzbs\\她.swf")));
    ASSERT_NE(host.movieItem(), nullptr);
    EXPECT_EQ(QQmlProperty::read(host.movieItem(), QStringLiteral("outlines")).toList().size(), 6);
    EXPECT_EQ(host.movieItem()->width(), 195);
}

TEST_F(StrokesStage, ASecondRunWritesNothingAndChangedDataIsMadeAgain) {
    run();
    ASSERT_TRUE(ok_);
    QHash<QString, QDateTime> stamps;
    for (const QString& name : movies()) {
        stamps.insert(name, QFileInfo(moviePath(name)).lastModified());
    }
    const QStringList again = run();
    ASSERT_TRUE(ok_);
    EXPECT_THAT(
        again.join(u'\n').toStdString(),
        HasSubstr(
            QStringLiteral("0 movies written, %1 up to date").arg(expectedMovies().size()).toStdString()));
    for (const QString& name : movies()) {
        EXPECT_EQ(QFileInfo(moviePath(name)).lastModified(), stamps.value(name)) << name.toStdString();
    }

    // New data for one character: only its movie is made again.
    QTemporaryDir data;
    for (const QString& name : QDir(strokeFixture()).entryList(QDir::Files)) {
        test::writeFile(data.path() + u'/' + name, test::readFile(strokeFixture() + u'/' + name));
    }
    QByteArray changed = test::readFile(strokeFixture() + QStringLiteral("/他.json"));
    const qsizetype at = changed.indexOf("\"M ") + 3;
    const qsizetype end = changed.indexOf(' ', at);
    const int x = changed.mid(at, end - at).toInt();
    changed.replace(at, end - at, QByteArray::number(x + 7));
    test::writeFile(data.path() + QStringLiteral("/他.json"), changed);
    options_.strokeDataDirectory = data.path();
    const QStringList third = run();
    ASSERT_TRUE(ok_);
    EXPECT_THAT(third.join(u'\n').toStdString(), HasSubstr(QStringLiteral("1 movies written, %1 up to date")
                                                               .arg(expectedMovies().size() - 1)
                                                               .toStdString()));
    EXPECT_TRUE(test::readFile(moviePath(QStringLiteral("他.swf")))
                    .contains("[\"M" + QByteArray::number(x + 7) + ' '));
}

TEST_F(StrokesStage, OneBookInstallationAlsoFillsItsBookFolder) {
    options_.singleBook = 1;
    run();
    ASSERT_TRUE(ok_);
    EXPECT_EQ(movies(), expectedMovies());
    EXPECT_EQ(movies(QStringLiteral("book1")), expectedMovies());
    for (const QString& name : expectedMovies()) {
        EXPECT_EQ(test::readFile(moviePath(QStringLiteral("book1/") + name)),
                  test::readFile(moviePath(name)));
    }
}

TEST_F(StrokesStage, OnlyTheChosenBooks) {
    options_.books = {2};
    run();
    ASSERT_TRUE(ok_);
    EXPECT_TRUE(movies().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(moviePath(QStringLiteral("ARPHICPL.TXT"))));
    options_.books = {1, 2};
    run();
    EXPECT_EQ(movies(), expectedMovies());
}

TEST_F(StrokesStage, WithoutThePackageNothingIsMade) {
    options_.strokeDataDirectory = out_.path() + QStringLiteral("/no-such-package");
    const QStringList report = run();
    EXPECT_FALSE(ok_);
    EXPECT_THAT(report.join(u'\n').toStdString(), HasSubstr("npm ci"));
    EXPECT_TRUE(movies().isEmpty());
}

TEST_F(StrokesStage, DamagedDataIsReportedAndTheRestMade) {
    QTemporaryDir data;
    for (const QString& name : QDir(strokeFixture()).entryList(QDir::Files)) {
        const QByteArray bytes = test::readFile(strokeFixture() + u'/' + name);
        test::writeFile(data.path() + u'/' + name, name == u"者.json" ? bytes.left(bytes.size() / 2) : bytes);
    }
    options_.strokeDataDirectory = data.path();
    const QStringList report = run();
    ASSERT_TRUE(ok_);
    EXPECT_THAT(report.join(u'\n').toStdString(), HasSubstr("the stroke data of 者 is damaged"));
    QStringList expected = expectedMovies();
    expected.removeAll(QStringLiteral("者.swf"));
    EXPECT_EQ(movies(), expected);
}

} // namespace
} // namespace qinghe::edition
