#include "movies/study_movies.h"
#include "output_tree.h"
#include "qml_movie/qml_movie_engine.h"
#include "qml_movie/qml_movie_host.h"
#include "strokes/stroke_data.h"
#include "strokes/stroke_movie.h"
#include "support/image_colours.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlEngine>
#include <QQmlError>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <utility>

namespace qinghe::edition {
namespace {

using Command = std::pair<QString, QString>;

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

// One segment of the lesson text as the program hands it over.
QJsonObject segment(const char* zh, const char* py, qint64 start, qint64 end) {
    return QJsonObject{{QStringLiteral("zh"), u8(zh)},
                       {QStringLiteral("py"), u8(py)},
                       {QStringLiteral("start"), double(start)},
                       {QStringLiteral("end"), double(end)}};
}

QString json(const QJsonArray& array) {
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

// The movies written by the generator into a program folder of their own and shown in the program's
// own movie host, as the program shows them.
class StudyMovieTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // As the program does at start-up: the movies ask for 楷体.
        QFont::insertSubstitutions(QStringLiteral("楷体"),
                                   {QStringLiteral("LXGW WenKai"), QStringLiteral("AR PL UKai CN")});
    }

    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        OutputTree out(dir_.path());
        QStringList report;
        ASSERT_TRUE(writeStudyMovies(studyMovieSourceDirectory(), out, report))
            << report.join(u'\n').toStdString();
        engine_.start();
        QObject::connect(engine_.qmlEngine(), &QQmlEngine::warnings, [this](const QList<QQmlError>& errors) {
            for (const QQmlError& error : errors) {
                warnings_ << error.toString();
            }
        });
        QObject::connect(&host_, &MovieHost::fsCommand,
                         [this](const QString& command, const QString& arguments) {
                             commands_.append({command, arguments});
                         });
    }

    void TearDown() override { EXPECT_TRUE(warnings_.isEmpty()) << warnings_.join(u'\n').toStdString(); }

    void show(const char* relative, QSize size) {
        host_.widget()->resize(size);
        host_.widget()->show();
        ASSERT_TRUE(host_.setMovie(dir_.path() + u'/' + QString::fromLatin1(relative)));
        ASSERT_NE(host_.movieItem(), nullptr)
            << "the host stayed blank: " << warnings_.join(u'\n').toStdString();
        settle();
    }

    // Lets bindings, positioners and a frame run.
    void settle() {
        QTest::qWait(20);
        if (host_.quickWidget() != nullptr) {
            host_.quickWidget()->grabFramebuffer();
        }
        QTest::qWait(10);
    }

    void set(const char* name, const QString& value) { host_.setVariable(QString::fromLatin1(name), value); }

    static void collect(QQuickItem* item, const std::function<bool(QQuickItem*)>& wanted,
                        QList<QQuickItem*>& out) {
        if (wanted(item)) {
            out.append(item);
        }
        for (QQuickItem* child : item->childItems()) {
            collect(child, wanted, out);
        }
    }
    // Items of the visual tree by object name: only shown ones, unless `all`.
    QList<QQuickItem*> items(const QRegularExpression& name, bool all = false) const {
        QList<QQuickItem*> out;
        collect(
            host_.movieItem(),
            [&](QQuickItem* item) {
                return (all || item->isVisible()) && name.match(item->objectName()).hasMatch();
            },
            out);
        return out;
    }
    // The shown item of that name, or else the first hidden one.
    QQuickItem* item(const char* name) const {
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(QString::fromLatin1(name)));
        QList<QQuickItem*> found = items(pattern);
        if (found.isEmpty()) {
            found = items(pattern, true);
        }
        return found.isEmpty() ? nullptr : found.first();
    }
    // Whether an item of that name is shown (the welcome and the lesson have parts of the same name).
    bool shown(const char* name) const {
        return !items(QRegularExpression(QRegularExpression::anchoredPattern(QString::fromLatin1(name))))
                    .isEmpty();
    }
    static QString read(const QObject* object, const char* property) {
        return object ? QQmlProperty::read(object, QString::fromLatin1(property)).toString()
                      : QStringLiteral("<missing>");
    }
    QString text(const char* name) const { return read(item(name), "text"); }
    double number(const char* property) const {
        return QQmlProperty::read(host_.movieItem(), QString::fromLatin1(property)).toDouble();
    }

    void click(QQuickItem* target) {
        ASSERT_NE(target, nullptr);
        ASSERT_TRUE(target->isVisible()) << target->objectName().toStdString();
        const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
        QTest::mouseClick(host_.quickWidget(), Qt::LeftButton, {}, centre.toPoint());
        settle();
    }
    void click(const char* name) {
        QQuickItem* target = item(name);
        ASSERT_NE(target, nullptr) << name;
        click(target);
    }
    QList<Command> takeCommands() {
        QTest::qWait(10);
        return std::exchange(commands_, {});
    }

    QImage grab() const { return host_.quickWidget()->grabFramebuffer(); }
    // Screenshots for people to look at, when QINGHE_MOVIE_SHOTS names a folder.
    static void keep(const QImage& image, const char* name) {
        const QString folder = qEnvironmentVariable("QINGHE_MOVIE_SHOTS");
        if (!folder.isEmpty()) {
            QDir().mkpath(folder);
            image.save(folder + u'/' + QString::fromLatin1(name) + QStringLiteral(".png"));
        }
    }

    QTemporaryDir dir_;
    QmlMovieEngine engine_{dir_.path()};
    QmlMovieHost host_{engine_};
    QList<Command> commands_;
    QStringList warnings_;
};

// ---- The generator stage ----

TEST(StudyMoviesStage, InstallsEachSourceUnderItsNameWithAHeaderAndOnlyOnce) {
    QTemporaryDir sources;
    QTemporaryDir program;
    // A byte-order mark in a source stays out of the installed movie, behind the header.
    const std::map<QString, QByteArray> texts = {
        {QStringLiteral("main.qml"), QByteArrayLiteral("\xEF\xBB\xBFimport QtQuick\nItem {}\n")},
        {QStringLiteral("zcxx.qml"), QByteArrayLiteral("import QtQuick\nRectangle {}\n")},
        {QStringLiteral("lose.qml"), QByteArrayLiteral("import QtQuick\nText {}\n")},
        {QStringLiteral("laba.qml"), QByteArrayLiteral("import QtQuick\nImage {}\n")},
    };
    for (const auto& [name, bytes] : texts) {
        test::writeFile(sources.path() + u'/' + name, bytes);
    }
    const std::map<QString, QString> targets = {
        {QStringLiteral("main.qml"), QStringLiteral("Data/systxt/main.dat")},
        {QStringLiteral("zcxx.qml"), QStringLiteral("Data/systxt/zcxx.dat")},
        {QStringLiteral("lose.qml"), QStringLiteral("Data/systxt/lose.txt")},
        {QStringLiteral("laba.qml"), QStringLiteral("Data/systxt/laba.swf")}};
    {
        OutputTree out(program.path());
        QStringList report;
        ASSERT_TRUE(writeStudyMovies(sources.path(), out, report));
        EXPECT_EQ(report, QStringList{QStringLiteral("study movies: 4 written, 0 up to date")});
    }
    for (const auto& [name, target] : targets) {
        const QByteArray installed = test::readFile(program.path() + u'/' + target);
        const QByteArray header =
            "// Generated by qinghe-edition from tools/edition/movies/" + name.toUtf8() +
            ". Our own work, CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/).\n";
        QByteArray body = texts.at(name);
        if (body.startsWith("\xEF\xBB\xBF")) {
            body.remove(0, 3);
        }
        EXPECT_EQ(installed, header + body) << target.toStdString();
    }

    // Unchanged sources: nothing is written again. A changed one: only that movie.
    test::writeFile(sources.path() + QStringLiteral("/lose.qml"),
                    QByteArrayLiteral("import QtQuick\nItem {}\n"));
    OutputTree again(program.path());
    QStringList report;
    ASSERT_TRUE(writeStudyMovies(sources.path(), again, report));
    EXPECT_EQ(report, QStringList{QStringLiteral("study movies: 1 written, 3 up to date")});

    // A missing source stops the stage with a message naming it.
    QFile::remove(sources.path() + QStringLiteral("/laba.qml"));
    report.clear();
    EXPECT_FALSE(writeStudyMovies(sources.path(), again, report));
    ASSERT_EQ(report.size(), 1);
    EXPECT_TRUE(report.first().contains(QStringLiteral("laba.qml"))) << report.first().toStdString();
}

TEST(StudyMoviesStage, TheRealSourcesAreInstalled) {
    for (const StudyMovie& movie : studyMovies()) {
        const QByteArray source = test::readFile(studyMovieSourceDirectory() + u'/' + movie.source);
        ASSERT_FALSE(source.isEmpty()) << movie.source.toStdString();
        EXPECT_TRUE(source.contains("import QtQuick")) << movie.source.toStdString();
    }
}

// ---- The lesson movie ----

class LessonMovie : public StudyMovieTest {
protected:
    void SetUp() override {
        StudyMovieTest::SetUp();
        show("Data/systxt/main.dat", QSize(1100, 600));
    }

    void setLesson(const QString& segments, const char* book = "3", const char* hasReading = "1") {
        set("lesson_title", u8("开学了"));
        set("lesson_book_title", u8("二年级上册"));
        set("lesson_number", u8("第3课"));
        set("book_number", QString::fromLatin1(book));
        set("has_reading", QString::fromLatin1(hasReading));
        set("lesson_segments", segments);
        settle();
    }

    // The rows shown for one segment, in order: their characters and the pinyin set over them.
    std::pair<QString, QString> shownSegment(int index) const {
        QList<QQuickItem*> rows = items(QRegularExpression(QStringLiteral("^line_%1_[0-9]+$").arg(index)));
        std::sort(rows.begin(), rows.end(), [](QQuickItem* a, QQuickItem* b) { return a->y() < b->y(); });
        QString zh;
        QStringList py;
        for (const QQuickItem* row : rows) {
            zh += read(row, "text");
            if (!read(row, "pinyin").isEmpty()) {
                py << read(row, "pinyin");
            }
        }
        return {zh, py.join(u' ')};
    }
    QList<int> shownSegments() const {
        QList<int> out;
        for (const QQuickItem* row : items(QRegularExpression(QStringLiteral("^line_[0-9]+_0$")))) {
            out << row->objectName().section(u'_', 1, 1).toInt();
        }
        std::sort(out.begin(), out.end());
        return out;
    }

    static QJsonArray schoolLesson() {
        return QJsonArray{
            segment("开学了", "kāi xué le", 0, 1000),
            segment("九月一日，新学期开始了。", "jiǔ yuè yī rì, xīn xué qī kāi shǐ le.", 1000, 1234),
            segment("今天，我已经是二年级的学生了。", "jīn tiān, wǒ yǐ jīng shì èr nián jí de xué shēng le.",
                    1234, 5678),
            segment("走进教室，老师笑着对我们说：“欢迎大家回来！”",
                    "zǒu jìn jiào shì, lǎo shī xiào zhe duì wǒ men shuō: \"huān yíng dà jiā huí lái!\"", 5678,
                    9000),
            segment("我想：我要做一个更爱学习的好学生！",
                    "wǒ xiǎng: wǒ yào zuò yí gè gèng ài xué xí de hǎo xué shēng!", 9000, 0),
        };
    }
};

TEST_F(LessonMovie, WelcomesTheChildBeforeAnyLesson) {
    EXPECT_TRUE(shown("welcome"));
    EXPECT_FALSE(shown("lesson"));
    EXPECT_EQ(text("welcomeHint"), u8("请在左边选一课，我们一起学习吧！"));
    const QImage image = grab();
    EXPECT_GT(::qinghe::test::colourCount(image), 50);
    keep(image, "lesson-welcome");

    setLesson(json(schoolLesson()));
    EXPECT_FALSE(shown("welcome"));
    EXPECT_TRUE(shown("lesson"));
}

TEST_F(LessonMovie, ShowsTheLessonWithPinyinOverEveryCharacter) {
    setLesson(json(schoolLesson()));
    EXPECT_EQ(text("lessonTitle"), u8("开学了"));
    EXPECT_EQ(read(item("lessonTitle"), "pinyinText"), u8("kāi xué le"));
    EXPECT_EQ(text("lessonNumber"), u8("第3课"));
    EXPECT_EQ(text("bookTitle"), u8("二年级上册"));
    EXPECT_EQ(shownSegments(), (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(shownSegment(1),
              std::make_pair(u8("九月一日，新学期开始了。"), u8("jiǔ yuè yī rì xīn xué qī kāi shǐ le")));
    // Quotation marks and colons around syllables do not upset the pairing, over two rows or one.
    EXPECT_EQ(
        shownSegment(3),
        std::make_pair(u8("走进教室，老师笑着对我们说：“欢迎大家回来！”"),
                       u8("zǒu jìn jiào shì lǎo shī xiào zhe duì wǒ men shuō huān yíng dà jiā huí lái")));
    EXPECT_FALSE(shown("pagePrev"));
    EXPECT_TRUE(shown("hint"));
    EXPECT_GT(::qinghe::test::colourCount(grab()), 50);
}

TEST_F(LessonMovie, SendsEveryLessonCommand) {
    setLesson(json(schoolLesson()));
    click("line_2_0");
    click("line_4_0");
    click("lessonTitle");
    EXPECT_EQ(takeCommands(), (QList<Command>{{u8("lesson_play"), u8("1234,5678")},
                                              {u8("lesson_play"), u8("9000,0")},
                                              {u8("lesson_play"), u8("0,1000")}}));
    EXPECT_EQ(number("selected"), 0);

    click("readToggle");
    EXPECT_EQ(read(item("readToggle"), "label"), u8("停止朗读"));
    click("readToggle");
    EXPECT_EQ(read(item("readToggle"), "label"), u8("朗读课文"));
    click("btnKwxx");
    click("btnBkyd");
    click("btnZcsj");
    EXPECT_EQ(takeCommands(), (QList<Command>{{u8("read_lx"), u8("true")},
                                              {u8("read_lx"), u8("false")},
                                              {u8("btnkwxx"), u8("")},
                                              {u8("btnbkyd"), u8("")},
                                              {u8("btnzcsj"), u8("")}}));

    // Reading, then a sentence: the program drops the whole reading for it, so the toggle starts over.
    click("readToggle");
    click("line_1_0");
    EXPECT_EQ(read(item("readToggle"), "label"), u8("朗读课文"));
    EXPECT_EQ(takeCommands(),
              (QList<Command>{{u8("read_lx"), u8("true")}, {u8("lesson_play"), u8("1000,1234")}}));
}

TEST_F(LessonMovie, FrameOneWhilePlayingIsTheReadingAnimation) {
    setLesson(json(schoolLesson()));
    EXPECT_FALSE(shown("note0"));
    // The child starts the reading; below book 9 the program answers with frame 1 and play.
    click("readToggle");
    EXPECT_EQ(takeCommands(), (QList<Command>{{u8("read_lx"), u8("true")}}));
    host_.gotoFrame(1);
    host_.play();
    settle();
    EXPECT_TRUE(shown("note0"));
    EXPECT_TRUE(shown("note2"));
    QTest::qWait(250);
    const QImage singing = grab();
    keep(singing, "lesson-reading");
    // Stopped (the child stopped the reading or chose a sentence), the bird is quiet and nothing moves.
    click("readToggle");
    EXPECT_EQ(takeCommands(), (QList<Command>{{u8("read_lx"), u8("false")}}));
    host_.stop();
    settle();
    EXPECT_FALSE(shown("note0"));
    const QImage held = grab();
    QTest::qWait(200);
    EXPECT_EQ(grab(), held);
    keep(held, "lesson-rest");
}

TEST_F(LessonMovie, WithoutARecordingThereIsNothingToPlay) {
    setLesson(json(schoolLesson()), "3", "0");
    EXPECT_FALSE(shown("readToggle"));
    EXPECT_FALSE(shown("hint"));
    EXPECT_TRUE(shown("btnKwxx"));
    click("line_2_0");
    click("lessonTitle");
    click("btnBkyd");
    EXPECT_EQ(takeCommands(), (QList<Command>{{u8("btnbkyd"), u8("")}}));
}

TEST_F(LessonMovie, PagesALongTextWithoutLosingASentence) {
    QJsonArray lesson{segment("小鸟", "xiǎo niǎo", 0, 100)};
    const char* phrase = "小鸟在树上唱歌";
    const char* phrasePinyin = "xiǎo niǎo zài shù shàng chàng gē";
    QList<QString> expected;
    for (int i = 1; i <= 40; ++i) {
        QString zh;
        QStringList py;
        for (int k = 0; k <= i % 3; ++k) {
            zh += u8(phrase);
            py << u8(phrasePinyin);
        }
        zh += u8("。");
        expected << zh;
        lesson.append(QJsonObject{{QStringLiteral("zh"), zh},
                                  {QStringLiteral("py"), py.join(u' ') + u'.'},
                                  {QStringLiteral("start"), i * 100},
                                  {QStringLiteral("end"), i * 100 + 100}});
    }
    setLesson(json(lesson), "10");
    const QString label = text("pageLabel");
    const qsizetype slash = label.indexOf(u'/');
    ASSERT_GT(slash, 0) << label.toStdString();
    const int pageCount = label.mid(slash + 1).trimmed().toInt();
    ASSERT_GT(pageCount, 2);
    EXPECT_EQ(label, QStringLiteral("1 / %1").arg(pageCount));
    EXPECT_FALSE(shown("hint"));

    // The reading goes on over a page turn in the upper books; in the lower ones the program stops it.
    click("readToggle");
    QList<int> seen;
    const double areaHeight = number("areaHeight");
    for (int page = 1; page <= pageCount; ++page) {
        EXPECT_EQ(text("pageLabel"), QStringLiteral("%1 / %2").arg(page).arg(pageCount));
        const QList<int> onPage = shownSegments();
        ASSERT_FALSE(onPage.isEmpty()) << "page " << page;
        for (const int index : onPage) {
            EXPECT_EQ(shownSegment(index).first, expected[index - 1]) << "sentence " << index;
        }
        seen << onPage;
        for (const QQuickItem* row : items(QRegularExpression(QStringLiteral("^line_")))) {
            EXPECT_LE(row->y() + row->height(), areaHeight + 0.5) << row->objectName().toStdString();
        }
        click("pageNext");
    }
    QList<int> all;
    for (int i = 1; i <= 40; ++i) {
        all << i;
    }
    EXPECT_EQ(seen, all);
    QList<Command> turns(pageCount - 1, {u8("lesson_page"), u8("")});
    turns.prepend({u8("read_lx"), u8("true")});
    EXPECT_EQ(takeCommands(), turns);
    EXPECT_EQ(read(item("readToggle"), "label"), u8("停止朗读"));

    click("pagePrev");
    EXPECT_EQ(text("pageLabel"), QStringLiteral("%1 / %2").arg(pageCount - 1).arg(pageCount));
    for (int page = pageCount - 1; page > 1; --page) {
        click("pagePrev");
    }
    click("pagePrev"); // on the first page already: nothing to turn
    EXPECT_EQ(text("pageLabel"), QStringLiteral("1 / %1").arg(pageCount));
    EXPECT_EQ(takeCommands(), QList<Command>(pageCount - 1, {u8("lesson_page"), u8("")}));
    keep(grab(), "lesson-pages");

    // Another lesson, of book 3: the reading starts afresh, and a page turn stops it (the program
    // stops the reading on a page turn below book 9).
    lesson.append(segment("小鸟飞走了。", "xiǎo niǎo fēi zǒu le.", 5000, 0));
    setLesson(json(lesson), "3");
    EXPECT_EQ(text("pageLabel").left(4), QStringLiteral("1 / "));
    EXPECT_EQ(read(item("readToggle"), "label"), u8("朗读课文"));
    click("readToggle");
    click("pageNext");
    EXPECT_EQ(read(item("readToggle"), "label"), u8("朗读课文"));
    EXPECT_EQ(takeCommands(), (QList<Command>{{u8("read_lx"), u8("true")}, {u8("lesson_page"), u8("")}}));
}

TEST_F(LessonMovie, APoemIsCentredUnderItsTitleAndPoet) {
    setLesson(
        json(QJsonArray{segment("静夜思", "jìng yè sī", 0, 500), segment("唐·李白", "táng lǐ bái", 500, 900),
                        segment("床前明月光，", "chuáng qián míng yuè guāng,", 900, 2000),
                        segment("疑是地上霜。", "yí shì dì shàng shuāng.", 2000, 3000),
                        segment("举头望明月，", "jǔ tóu wàng míng yuè,", 3000, 4000),
                        segment("低头思故乡。", "dī tóu sī gù xiāng.", 4000, 0)}),
        "1");
    EXPECT_EQ(text("lessonTitle"), u8("静夜思"));
    EXPECT_EQ(shownSegments(), (QList<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(shownSegment(1), std::make_pair(u8("唐·李白"), u8("táng lǐ bái")));
    EXPECT_EQ(shownSegment(2).second, u8("chuáng qián míng yuè guāng"));
    const double areaWidth = number("areaWidth");
    for (const QQuickItem* row : items(QRegularExpression(QStringLiteral("^line_")))) {
        const double left = row->x();
        const double right = areaWidth - (row->x() + row->width());
        EXPECT_NEAR(left, right, 2.0) << row->objectName().toStdString();
        EXPECT_GT(left, 100);
    }
    // The poet's line is smaller than the verses.
    EXPECT_LT(item("line_1_0")->height(), item("line_2_0")->height() * 0.8);
    click("line_5_0");
    EXPECT_EQ(takeCommands(), (QList<Command>{{u8("lesson_play"), u8("4000,0")}}));
    keep(grab(), "lesson-poem");
}

// Whatever arrives in lesson_segments, the movie stays up and shows what it can.
TEST_F(LessonMovie, ShowsWhatItCanOfABrokenText) {
    QByteArray deep(20000, '[');
    deep += QByteArray(20000, ']');
    QString many = QStringLiteral("[");
    for (int i = 0; i < 5000; ++i) {
        many += QStringLiteral("{\"zh\":\"小鸟%1。\",\"py\":\"xiǎo niǎo\",\"start\":%1,\"end\":%2},")
                    .arg(i)
                    .arg(i + 1);
    }
    many.chop(1);
    many += u']';
    const QString longLine =
        QStringLiteral("[{\"zh\":\"题\"},{\"zh\":\"%1\"}]").arg(QString(100000, QChar(0x6c34)));
    const QString fullText = json(schoolLesson());

    struct Case {
        const char* name;
        QString segments;
        QString title;          // shown as the title
        QList<int> sentences;   // segments shown on the first page
        QList<Command> onClick; // clicking the first shown sentence
    };
    const QList<Case> cases = {
        {"not JSON", u8("这不是JSON"), u8("开学了"), {}, {}},
        {"truncated", fullText.left(fullText.size() / 2), u8("开学了"), {}, {}},
        {"an object", u8("{\"zh\":\"好\",\"start\":1,\"end\":2}"), u8("开学了"), {}, {}},
        {"null", u8("null"), u8("开学了"), {}, {}},
        {"no segments", u8("[]"), u8("开学了"), {}, {}},
        {"not objects", u8("[1,\"二\",null,true,[]]"), u8("开学了"), {}, {}},
        {"missing fields",
         u8("[{\"zh\":\"题目\"},{\"zh\":\"小鸟唱歌。\"},{\"py\":\"only pinyin\"},{\"zh\":\"没有拼音\"}]"),
         u8("题目"),
         {1, 3},
         {}},
        {"negative numbers",
         u8("[{\"zh\":\"题目\",\"start\":-1,\"end\":5},{\"zh\":\"小鸟\",\"py\":\"xiǎo "
            "niǎo\",\"start\":-20,\"end\":-10}]"),
         u8("题目"),
         {1},
         {}},
        {"end before start",
         u8("[{\"zh\":\"题\"},{\"zh\":\"小鸟\",\"start\":500,\"end\":20}]"),
         u8("题"),
         {1},
         {}},
        {"fractions and huge numbers",
         u8("[{\"zh\":\"题\"},{\"zh\":\"小鸟\",\"start\":1.5,\"end\":20},{\"zh\":\"大鸟\",\"start\":1e300,"
            "\"end\":0}]"),
         u8("题"),
         {1, 2},
         {}},
        {"numbers written as text",
         u8("[{\"zh\":\"题\"},{\"zh\":\"小鸟\",\"start\":\"100\",\"end\":\"200\"}]"),
         u8("题"),
         {1},
         {{u8("lesson_play"), u8("100,200")}}},
        {"wrong types",
         u8("[{\"zh\":5,\"py\":[1]},{\"zh\":{\"a\":1},\"start\":{}},{\"zh\":\"鸟\",\"py\":7,\"start\":0,"
            "\"end\":9}]"),
         u8("开学了"),
         {2},
         {{u8("lesson_play"), u8("0,9")}}},
        {"wrong encoding",
         QString::fromLatin1(json(schoolLesson()).toUtf8()),
         QString(),
         {1},
         {{u8("lesson_play"), u8("1000,1234")}}},
        {"nested deep", QString::fromLatin1(deep), u8("开学了"), {}, {}},
        {"thousands of segments", many, u8("小鸟0。"), {1, 2, 3}, {{u8("lesson_play"), u8("1,2")}}},
        {"one enormous line", longLine, u8("题"), {1}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromLatin1(c.name);
        setLesson(c.segments);
        ASSERT_NE(host_.movieItem(), nullptr);
        EXPECT_TRUE(shown("lesson"));
        if (name != QStringLiteral("wrong encoding")) {
            EXPECT_EQ(text("lessonTitle"), c.title);
        }
        const QList<int> sentences = shownSegments();
        if (name == QStringLiteral("thousands of segments") || name == QStringLiteral("wrong encoding")) {
            ASSERT_GE(sentences.size(), c.sentences.size());
            EXPECT_EQ(sentences.mid(0, c.sentences.size()), c.sentences);
        } else {
            EXPECT_EQ(sentences, c.sentences);
        }
        EXPECT_EQ(shown("noText"), c.sentences.isEmpty());
        if (!sentences.isEmpty()) {
            click(QStringLiteral("line_%1_0").arg(sentences.first()).toLatin1().constData());
        }
        EXPECT_EQ(takeCommands(), c.onClick);
    }
    // The lesson's size stays bounded: the enormous line is cut, the thousands of segments too.
    setLesson(longLine);
    EXPECT_LE(shownSegment(1).first.size(), 400);
    setLesson(many);
    EXPECT_EQ(text("pageLabel").section(u'/', 1).trimmed().toInt() > 0, true);

    // A line whose pinyin does not pair with its characters keeps it whole, above the line.
    setLesson(u8("[{\"zh\":\"题\"},{\"zh\":\"小鸟唱歌\",\"py\":\"xiao niao\",\"start\":0,\"end\":4}]"));
    EXPECT_EQ(read(item("linePinyin_1"), "pinyin"), u8("xiao niao"));
    EXPECT_EQ(shownSegment(1), std::make_pair(u8("小鸟唱歌"), QString()));
}

// ---- The character card ----

class CharacterCard : public StudyMovieTest {
protected:
    void SetUp() override {
        StudyMovieTest::SetUp();
        show("Data/systxt/zcxx.dat", QSize(1100, 580));
    }
    // As the program does for every character: the variables in their order, then frame 0 of _root.
    void showCharacter(const char* count, const char* zi, const char* pinyin, const char* all,
                       const char* word1, const char* word2, const char* word3, const char* sentence) {
        set("str_ziimg", u8(count));
        set("txt_pinyin", u8(pinyin));
        set("txt_pinyinall", u8(all));
        set("txt_zi", u8(zi));
        set("txt_book", QStringLiteral("3"));
        set("txt_zuci1", u8(word1));
        set("txt_zuci2", u8(word2));
        set("txt_zuci3", u8(word3));
        set("txt_juzi", u8(sentence));
        set("str_path", QStringLiteral("file:///") + dir_.path() + QStringLiteral("/Data/RJ/"));
        host_.callFrame(QStringLiteral("_root"), 0);
        settle();
    }
};

TEST_F(CharacterCard, ShowsTheCharacterItsWordsAndSentence) {
    showCharacter("3", "好", "hǎo", "① hǎo ② hào", "好人", "你好", "好看", "我们都是好朋友。");
    EXPECT_EQ(number("refreshCount"), 1);
    EXPECT_LT(number("arrival"), 1);
    keep(grab(), "character-card-arriving");
    EXPECT_EQ(text("character"), u8("好"));
    EXPECT_EQ(text("pinyin"), u8("hǎo"));
    EXPECT_EQ(text("readings"), u8("① hǎo ② hào"));
    EXPECT_EQ(text("book"), u8("第3册"));
    EXPECT_EQ(text("wordText1"), u8("好人"));
    EXPECT_EQ(text("wordText2"), u8("你好"));
    EXPECT_EQ(text("wordText3"), u8("好看"));
    EXPECT_EQ(text("sentence"), u8("我们都是好朋友。"));
    EXPECT_EQ(read(host_.movieItem(), "editionFolder"),
              QStringLiteral("file:///") + dir_.path() + QStringLiteral("/Data/RJ/"));
    QTest::qWait(700); // the character has popped in
    keep(grab(), "character-card");

    // Only as many word groups as the count says, whatever else is set.
    const struct {
        const char* count;
        const char* second;
        const char* third;
        bool shows[3];
    } cases[] = {
        {"1", "", "", {true, false, false}},        {"2", "山水", "", {true, true, false}},
        {"2", "山水", "高山", {true, true, false}}, {"3", "山水", "高山", {true, true, true}},
        {"9", "山水", "", {true, true, false}}, // an odd count: the words given
        {"", "", "高山", {true, false, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.count) + " " + c.second + " " + c.third);
        showCharacter(c.count, "山", "shān", "shān", "大山", c.second, c.third, "山上有树。");
        EXPECT_EQ(text("character"), u8("山"));
        EXPECT_EQ(shown("word1"), c.shows[0]);
        EXPECT_EQ(shown("word2"), c.shows[1]);
        EXPECT_EQ(shown("word3"), c.shows[2]);
    }
    EXPECT_EQ(number("refreshCount"), 7);
}

TEST_F(CharacterCard, SendsTheCardCommands) {
    showCharacter("3", "好", "hǎo", "hǎo", "好人", "你好", "好看", "我们都是好朋友。");
    QTest::qWait(700);
    click("characterArea");
    click("word1");
    click("word2");
    click("word3");
    click("sentenceBox");
    click("quickMemorise");
    EXPECT_EQ(takeCommands(), (QList<Command>{{u8("btnhanzi"), u8("")},
                                              {u8("readci1"), u8("")},
                                              {u8("readci2"), u8("")},
                                              {u8("readci3"), u8("")},
                                              {u8("readjuzi"), u8("")},
                                              {u8("btnzcsj"), u8("")}}));
}

TEST_F(CharacterCard, LeavesTheStrokeBoxToTheStrokeMovie) {
    showCharacter("3", "好", "hǎo", "hǎo", "好人", "你好", "好看", "我们都是好朋友。");
    QQuickItem* card = host_.movieItem();
    ASSERT_EQ(card->width(), 576);
    ASSERT_EQ(card->height(), 304);
    // Where the program puts the stroke movie: first placement and after a resize.
    const QRectF first(29, 73, 200, 199);
    const QRectF resized(29, 69, 195, 195);
    const QQuickItem* frame = item("strokeFrame");
    ASSERT_NE(frame, nullptr);
    const QRectF frameRect(frame->mapToItem(card, QPointF(0, 0)), frame->size());
    EXPECT_TRUE(frameRect.contains(first)) << "frame " << frameRect.x() << "," << frameRect.y();
    EXPECT_TRUE(frameRect.contains(resized));
    for (const QQuickItem* named : items(QRegularExpression(QStringLiteral(".+")))) {
        if (named == frame || named == card) {
            continue;
        }
        const QRectF rect(named->mapToItem(card, QPointF(0, 0)), named->size());
        EXPECT_FALSE(rect.intersects(first.united(resized))) << named->objectName().toStdString();
    }
}

// Where the program lays the stroke-order movie over a card host of W x H: the design box at
// (29, top) of width x height units, the 576 x 304 stage fitted and centred, in integer steps.
QRect strokeBox(int w, int h, int top, int width, int height) {
    if (w * 304 <= h * 576) {
        return QRect(w * 29 / 576, (h - w * 304 / 576) / 2 + w * top / 576, w * width / 576,
                     w * height / 576);
    }
    return QRect((w - h * 576 / 304) / 2 + h * 29 / 304, h * top / 304, h * width / 304, h * height / 304);
}

TEST_F(CharacterCard, TheStrokeMovieLiesInsideTheCardsFrame) {
    const StrokeDataRead data =
        parseStrokeData(test::readFile(test::dataDir() + QStringLiteral("/strokes/山.json")));
    ASSERT_TRUE(data.character) << data.error.toStdString();
    test::writeFile(dir_.path() + QStringLiteral("/Data/RJ/hzbs/山.swf"),
                    strokeMovie(QStringLiteral("山"), *data.character));
    showCharacter("2", "山", "shān", "① shān", "大山", "山水", "", "山上有很多树。");

    QRect box;
    for (const QSize size : {QSize(760, 600), QSize(1300, 420), QSize(1100, 580)}) {
        SCOPED_TRACE(size.width());
        host_.widget()->resize(size);
        settle();
        const QQuickItem* frame = item("strokeFrame");
        ASSERT_NE(frame, nullptr);
        const QRectF frameRect(frame->mapToScene(QPointF(0, 0)),
                               frame->mapToScene(QPointF(frame->width(), frame->height())));
        // Both placements: when the card is first shown and after the window is resized.
        EXPECT_TRUE(frameRect.contains(QRectF(strokeBox(size.width(), size.height(), 73, 200, 199))));
        box = strokeBox(size.width(), size.height(), 69, 195, 195);
        EXPECT_TRUE(frameRect.contains(QRectF(box)));
    }

    // As the program shows a character: the stroke movie over the card, written to the end.
    QmlMovieHost strokes(engine_, host_.widget());
    strokes.widget()->setGeometry(box);
    strokes.widget()->show();
    strokes.widget()->raise();
    ASSERT_TRUE(strokes.setMovie(dir_.path() + QStringLiteral("/Data/RJ/hzbs/山.swf")));
    strokes.setVariable(QStringLiteral("str_banquan"), QStringLiteral("\u3000"));
    strokes.gotoFrame(0);
    strokes.play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !strokes.isPlaying(); }, 10000));
    settle();
    const QImage composite = host_.widget()->grab().toImage();
    EXPECT_GT(::qinghe::test::colourCount(composite), 50);
    keep(composite, "character-card-with-strokes");
}

// ---- The drill feedback ----

TEST_F(StudyMovieTest, RightAnswerBurstsThenRestsAndStartsOverOnFrameZero) {
    show("Data/systxt/lose.txt", QSize(120, 120));
    EXPECT_TRUE(host_.isPlaying());
    // Caught in the middle of the burst and held there.
    ASSERT_TRUE(QTest::qWaitFor([&] { return number("t") > 0.3; }, 3000));
    host_.stop();
    const double held = number("t");
    ASSERT_LT(held, 0.9) << "the machine was too slow to catch the burst";
    const QImage middle = grab();
    keep(middle.scaled(240, 240), "feedback-burst");
    QTest::qWait(150);
    EXPECT_EQ(number("t"), held);
    EXPECT_GT(::qinghe::test::colourCount(middle), 20);

    // Played on, it finishes within about a second and says it is done.
    QElapsedTimer clock;
    clock.start();
    host_.play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !host_.isPlaying(); }, 3000));
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_EQ(number("t"), 1);
    const QImage rest = grab();
    keep(rest.scaled(240, 240), "feedback-rest");
    // The face rests in the middle, yellow; the praise below it.
    const QRgb face = rest.pixel(60, 48);
    EXPECT_GT(qRed(face), 220);
    EXPECT_GT(qGreen(face), 180);
    EXPECT_LT(qBlue(face), 140);
    EXPECT_TRUE(shown("praise"));

    // The next right answer: frame 0 and play start it over.
    host_.gotoFrame(0);
    host_.play();
    EXPECT_TRUE(host_.isPlaying());
    EXPECT_LT(number("t"), 0.5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !host_.isPlaying(); }, 3000));
    // Play alone after the end starts it over as well.
    host_.play();
    EXPECT_LT(number("t"), 0.5);
    EXPECT_TRUE(host_.isPlaying());
}

// ---- The dictation loudspeaker ----

TEST_F(StudyMovieTest, LoudspeakerRipplesAndSendsItsTwoCommands) {
    show("Data/systxt/laba.swf", QSize(250, 250));
    ASSERT_EQ(host_.movieItem()->width(), 250);
    EXPECT_EQ(read(item("readAgain"), "label"), u8("再读一遍"));
    EXPECT_EQ(read(item("next"), "label"), u8("下一个"));
    const double before = number("phase");
    ASSERT_TRUE(QTest::qWaitFor([&] { return number("phase") != before; }, 2000));
    QTest::qWait(300);
    keep(grab(), "loudspeaker");
    host_.stop();
    const double held = number("phase");
    QTest::qWait(150);
    EXPECT_EQ(number("phase"), held);
    const QImage rest = grab();
    EXPECT_GT(::qinghe::test::colourCount(rest), 20);
    keep(rest, "loudspeaker-stopped");

    click("readAgain");
    click("next");
    click("speaker");
    EXPECT_EQ(takeCommands(),
              (QList<Command>{{u8("btnread"), u8("")}, {u8("btnnext"), u8("")}, {u8("btnread"), u8("")}}));
}

} // namespace
} // namespace qinghe::edition
