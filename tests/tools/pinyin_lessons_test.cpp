#include "movie_in_host.h"
#include "output_tree.h"
#include "pinyin/pinyin_lesson_movies.h"
#include "pinyin/pinyin_lessons.h"
#include "pinyin/pinyin_pictures.h"
#include "pinyin/pinyin_spelling.h"
#include "speech_test_util.h"
#include "support/image_colours.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QQuickItem>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

namespace qinghe::edition {
namespace {

// The window's list, typed here on its own with the two special letters spelled out.
const QStringList kEntries = [] {
    QString list =
        u8("ɑ o e i u ü y w b p m f d t n l ɡ k h j q x z c s zh ch sh r ɑi ei ui ɑo ou iu ie üe er ɑn "
           "en in un ün ɑnɡ enɡ inɡ onɡ zhi chi shi ri zi ci si yi wu yu ye yue yuɑn yin yun yinɡ");
    return list.split(u' ');
}();

// ---- Spelling ----

TEST(PinyinSpelling, SpellsSyllablesInTextbookLettersWithTheMarkPlace) {
    const struct {
        const char* in;
        const char* letters;
        int markAt;
        int tone;
    } cases[] = {
        {"bō", "bo", 1, 1},  {"qiān", "qiɑn", 2, 1},     {"bǐ", "bı", 1, 3},     {"lǜ", "lü", 1, 4},
        {"zi", "zi", -1, 0}, {"guō", "ɡuo", 2, 1},       {"yíng", "yınɡ", 1, 2}, {"ǖ", "ü", 0, 1},
        {"ér", "er", 0, 2},  {"chuáng", "chuɑnɡ", 3, 2},
    };
    for (const auto& c : cases) {
        const std::optional<SyllableSpelling> spelled = spellSyllable(u8(c.in));
        ASSERT_TRUE(spelled.has_value()) << c.in;
        EXPECT_EQ(*spelled, (SyllableSpelling{u8(c.letters), c.markAt, c.tone})) << c.in;
    }
}

TEST(PinyinSpelling, RefusesWhatIsNotOneLowerCaseSyllable) {
    const QString hostile[] = {
        QString(),
        u8("Bō"),
        u8("bō "),
        u8(" bō"),
        u8("ba1"),
        u8("bāá"),
        u8("zhuangg"),
        u8("b"), // a letter, not a syllable
        u8("zh"),
        u8("bɑ̄"), // the textbook letter is for showing, never for spelling
        u8("八"),
        QString(QChar(0)) + u8("a"),
        u8("b\u00e2"),
        u8("ba-"),
        u8("bo\u0304"), // a combining mark rather than the marked vowel
        QString(5000, u'a'),
        u8("\xef\xbf\xbd"),
    };
    for (const QString& text : hostile) {
        EXPECT_FALSE(spellSyllable(text).has_value()) << text.left(20).toStdString();
        EXPECT_FALSE(recordingStem(text).has_value()) << text.left(20).toStdString();
    }
}

TEST(PinyinSpelling, RecordingStemsAreAsciiWithToneNumbers) {
    const std::pair<const char*, const char*> cases[] = {
        {"bō", "bo1"},         {"lǜ", "lv4"},     {"ǖ", "v1"},
        {"bāo zi", "bao1zi5"}, {"yuān", "yuan1"}, {"yíng huǒ chóng", "ying2huo3chong2"},
        {"üē", "ve1"},         {"ǘn", "vn2"},     {"xuě huā", "xue3hua1"},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(recordingStem(u8(in)), std::optional<QString>(u8(out))) << in;
    }
    // Spaces are single, between syllables only.
    for (const char* bad : {"bāo  zi", "bāo zi ", " bāo", "bāo\tzi", ""}) {
        EXPECT_FALSE(recordingStem(u8(bad)).has_value()) << bad;
    }
    EXPECT_EQ(pinyinRecording(u8("bō")), u8("sound/bo1.mp3"));
    EXPECT_EQ(pinyinRecording(u8("b o")), QString());
}

TEST(PinyinSpelling, MovesTheToneMarkToAnotherTone) {
    EXPECT_EQ(withTone(u8("bō"), 3), std::optional<QString>(u8("bǒ")));
    EXPECT_EQ(withTone(u8("ǖn"), 2), std::optional<QString>(u8("ǘn")));
    EXPECT_EQ(withTone(u8("yuān"), 4), std::optional<QString>(u8("yuàn")));
    EXPECT_FALSE(withTone(u8("zi"), 1).has_value()); // no mark to move
    EXPECT_FALSE(withTone(u8("bō"), 0).has_value());
    EXPECT_FALSE(withTone(u8("bō"), 5).has_value());
}

// ---- The lessons ----

// The sound of an entry in plain letters: ɑ → a, ɡ → g.
QString plain(QString entry) {
    return entry.replace(u'ɑ', u'a').replace(u'ɡ', u'g');
}

// Whether a syllable (plain letters) shows the sound, by the spelling rules a child meets: ü is written
// u after j, q, x and y.
bool showsSound(const QString& syllable, const PinyinLesson& lesson) {
    const QString sound = plain(lesson.entry);
    if (lesson.kind == PinyinKind::Initial) {
        static const QStringList twoLetter = {u8("zh"), u8("ch"), u8("sh")};
        for (const QString& initial : twoLetter) {
            if (syllable.startsWith(initial)) {
                return sound == initial;
            }
        }
        return syllable.startsWith(sound);
    }
    if (lesson.kind == PinyinKind::WholeSyllable) {
        return syllable == sound;
    }
    if (syllable.contains(sound)) {
        return true;
    }
    QString written = sound;
    written.replace(u'ü', u'u');
    return sound.startsWith(u'ü') && syllable.size() > 0 && QStringLiteral("jqxy").contains(syllable[0]) &&
           syllable.mid(1).endsWith(written) && syllable.mid(1).size() == written.size();
}

QString plainSyllable(const QString& py) {
    const std::optional<SyllableSpelling> s = spellSyllable(py);
    return s ? plain(s->letters).replace(u'ı', u'i') : QString();
}

TEST(PinyinLessonList, HasTheSixtyThreeEntriesInTheWindowsOrder) {
    QStringList entries;
    for (const PinyinLesson& lesson : pinyinLessons()) {
        entries << lesson.entry;
    }
    EXPECT_EQ(entries, kEntries);
}

TEST(PinyinLessonList, EveryLessonReadsItsSoundAndShowsItInBothWords) {
    // The letters as teachers read them in class.
    const QMap<QString, QString> initials = {
        {u8("b"), u8("bō")}, {u8("p"), u8("pō")},   {u8("m"), u8("mō")},   {u8("f"), u8("fó")},
        {u8("d"), u8("dé")}, {u8("t"), u8("tè")},   {u8("n"), u8("nè")},   {u8("l"), u8("lè")},
        {u8("ɡ"), u8("gē")}, {u8("k"), u8("kē")},   {u8("h"), u8("hē")},   {u8("j"), u8("jī")},
        {u8("q"), u8("qī")}, {u8("x"), u8("xī")},   {u8("z"), u8("zī")},   {u8("c"), u8("cī")},
        {u8("s"), u8("sī")}, {u8("zh"), u8("zhī")}, {u8("ch"), u8("chī")}, {u8("sh"), u8("shī")},
        {u8("r"), u8("rì")}, {u8("y"), u8("yī")},   {u8("w"), u8("wū")},
    };
    for (const PinyinLesson& lesson : pinyinLessons()) {
        SCOPED_TRACE(lesson.entry.toStdString());
        if (lesson.kind == PinyinKind::Initial) {
            EXPECT_EQ(lesson.says, initials.value(lesson.entry));
        } else {
            // Finals and whole syllables are read as themselves in the first tone.
            EXPECT_EQ(plainSyllable(lesson.says), plain(lesson.entry));
            EXPECT_EQ(spellSyllable(lesson.says)->tone, 1);
        }
        ASSERT_EQ(lesson.tones.size(), 4);
        for (int tone = 0; tone < 4; ++tone) {
            const std::optional<SyllableSpelling> form = spellSyllable(lesson.tones[tone]);
            ASSERT_TRUE(form.has_value());
            EXPECT_EQ(form->tone, tone + 1);
            EXPECT_EQ(plainSyllable(lesson.tones[tone]), plainSyllable(lesson.says));
        }
        ASSERT_EQ(lesson.examples.size(), 2);
        for (const PinyinExample& example : lesson.examples) {
            const std::optional<QStringList> syllables = pinyinSyllables(example.py);
            ASSERT_TRUE(syllables.has_value()) << example.py.toStdString();
            EXPECT_EQ(example.zh.size(), syllables->size()) << example.zh.toStdString();
            ASSERT_TRUE(example.mark >= 0 && example.mark < syllables->size());
            EXPECT_TRUE(showsSound(plainSyllable((*syllables)[example.mark]), lesson))
                << example.zh.toStdString() << " " << example.py.toStdString();
            EXPECT_TRUE(pinyinPictures().contains(example.picture)) << example.picture.toStdString();
        }
        QString error;
        EXPECT_TRUE(pinyinLessonData(lesson, &error).has_value()) << error.toStdString();
    }
}

TEST(PinyinPictures, EveryPictureIsDrawnInsideItsBoxWithPathsAndColours) {
    for (auto it = pinyinPictures().cbegin(); it != pinyinPictures().cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        ASSERT_FALSE(it.value().isEmpty());
        for (const PictureShape& shape : it.value()) {
            EXPECT_TRUE(shape.d.startsWith(u'M')) << shape.d.toStdString();
            EXPECT_FALSE(shape.fill.isEmpty() && shape.stroke.isEmpty()) << shape.d.toStdString();
            for (const QString& colour : {shape.fill, shape.stroke}) {
                EXPECT_TRUE(colour.isEmpty() || QColor::isValidColorName(colour)) << colour.toStdString();
            }
            EXPECT_GT(shape.k, 0);
        }
    }
    // Movies carry only what differs from the defaults.
    const QJsonArray json = pictureJson({{u8("M 0 0 L 1 1"), u8("#ff0000"), {}, 0, 0, 0, 1},
                                         {u8("M 0 0"), {}, u8("#000000"), 2.5, 10, 20, 0.5}});
    EXPECT_EQ(json.size(), 2);
    EXPECT_EQ(json[0].toObject().keys(), (QStringList{u8("d"), u8("f")}));
    EXPECT_EQ(json[1].toObject().keys(), (QStringList{u8("d"), u8("k"), u8("s"), u8("w"), u8("x"), u8("y")}));
    EXPECT_EQ(json[1].toObject().value(u8("k")).toDouble(), 0.5);
}

// ---- Making a movie from the template ----

const PinyinLesson& lessonOf(const QString& entry) {
    for (const PinyinLesson& lesson : pinyinLessons()) {
        if (lesson.entry == entry) {
            return lesson;
        }
    }
    static const PinyinLesson none;
    return none;
}

TEST(PinyinLessonMovie, PutsTheDataInTheMarkedLineBehindAHeader) {
    const QByteArray source =
        "\xEF\xBB\xBFimport QtQuick\nItem {\n    property var lesson: ({}) // @lesson\n}\n";
    QString error;
    const QByteArray movie = pinyinLessonMovie(lessonOf(u8("b")), source, &error);
    ASSERT_FALSE(movie.isEmpty()) << error.toStdString();
    const QList<QByteArray> lines = movie.split('\n');
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0],
              "// Generated by qinghe-edition from tools/edition/pinyin/pinyin_lesson.qml for «b». Our "
              "own work, CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/).");
    EXPECT_EQ(lines[1], "import QtQuick");
    EXPECT_EQ(lines[2], "Item {");
    EXPECT_EQ(lines[4], "}");
    EXPECT_EQ(lines[5], "");
    EXPECT_TRUE(lines[3].startsWith("    property var lesson: ({\"entry\":\"b\""))
        << lines[3].left(80).toStdString();
    EXPECT_TRUE(lines[3].endsWith("}) // @lesson"));
    EXPECT_TRUE(lines[3].contains("\"sound\":\"sound/bo1.mp3\""));
    EXPECT_TRUE(lines[3].contains("\"kind\":\"声母\""));
}

TEST(PinyinLessonMovie, RefusesBrokenTemplatesAndLessons) {
    const QByteArray good = "Item {\n    property var lesson: ({}) // @lesson\n}\n";
    const PinyinLesson b = lessonOf(u8("b"));
    const auto changed = [&b](const std::function<void(PinyinLesson&)>& change) {
        PinyinLesson lesson = b;
        change(lesson);
        return lesson;
    };
    const struct {
        const char* why;
        PinyinLesson lesson;
        QByteArray source;
    } cases[] = {
        {"no marker", b, "Item {\n    property var lesson: ({})\n}\n"},
        {"two markers", b, good + "// @lesson ({})\n"},
        {"nothing to fill on the marked line", b,
         "Item {\n    property var lesson: ({})\n    // @lesson\n}\n"},
        {"an unknown picture", changed([](PinyinLesson& l) { l.examples[0].picture = u8("unicorn"); }), good},
        {"more characters than syllables", changed([](PinyinLesson& l) { l.examples[0].zh = u8("包子铺"); }),
         good},
        {"a mark past the word", changed([](PinyinLesson& l) { l.examples[1].mark = 2; }), good},
        {"a word that is not pinyin", changed([](PinyinLesson& l) { l.examples[0].py = u8("bao1 zi"); }),
         good},
        {"a tone without a mark", changed([](PinyinLesson& l) { l.tones[2] = u8("bo"); }), good},
        {"a letter read without a tone", changed([](PinyinLesson& l) { l.says = u8("bo"); }), good},
        {"an entry that leaves the folder", changed([](PinyinLesson& l) { l.entry = u8("../b"); }), good},
        {"an empty entry", changed([](PinyinLesson& l) { l.entry.clear(); }), good},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_TRUE(pinyinLessonMovie(c.lesson, c.source, &error).isEmpty()) << c.why;
        EXPECT_FALSE(error.isEmpty()) << c.why;
    }
}

TEST(PinyinSpeechJobs, OneRecordingPerSyllableUnderThePinyinFolder) {
    const SpeechSettings settings;
    const QList<SpeechJob> b = pinyinSpeechJobs({lessonOf(u8("b"))}, settings);
    QStringList outputs;
    for (const SpeechJob& job : b) {
        outputs << job.output;
        EXPECT_EQ(job.kind, SpeechKind::Phrase);
        ASSERT_EQ(job.parts.size(), 1);
    }
    // bō is both the letter and its first tone: one file.
    EXPECT_EQ(outputs, (QStringList{u8("Data/Res/pinyin/sound/bo1.mp3"), u8("Data/Res/pinyin/sound/bo2.mp3"),
                                    u8("Data/Res/pinyin/sound/bo3.mp3"), u8("Data/Res/pinyin/sound/bo4.mp3"),
                                    u8("Data/Res/pinyin/sound/bao1zi5.mp3"),
                                    u8("Data/Res/pinyin/sound/qian1bi3.mp3")}));
    EXPECT_EQ(b[5].parts[0].py, u8("qiān bǐ"));

    QSet<QString> all;
    for (const SpeechJob& job : pinyinSpeechJobs(pinyinLessons(), settings)) {
        EXPECT_FALSE(all.contains(job.output)) << job.output.toStdString();
        all.insert(job.output);
        EXPECT_TRUE(std::all_of(job.output.begin(), job.output.end(), [](QChar c) {
            return c.unicode() < 128;
        })) << job.output.toStdString();
    }
    // Every syllable, tone and word the movies ask for has its recording.
    for (const PinyinLesson& lesson : pinyinLessons()) {
        QStringList wanted = lesson.tones;
        wanted << lesson.says;
        for (const PinyinExample& example : lesson.examples) {
            wanted << example.py;
        }
        for (const QString& py : wanted) {
            EXPECT_TRUE(all.contains(kPinyinFolder + pinyinRecording(py))) << py.toStdString();
        }
    }
}

// ---- The stage ----

struct StageRun {
    bool ok = false;
    QStringList report;
};

StageRun runPinyin(const QString& root, const QList<PinyinLesson>& lessons, bool audio,
                   const QString& sources = pinyinSourceDirectory()) {
    static const Edition edition;
    Options options;
    options.outputDirectory = root;
    options.audio = audio;
    options.jobs = 2;
    OutputTree out(root);
    StageRun run;
    StageContext context{edition, options, out, run.report};
    run.ok = makePinyinLessons(lessons, sources, context);
    return run;
}

TEST(PinyinLessonsStage, WritesEveryMovieUnderItsExactNameAndOnlyOnce) {
    QTemporaryDir dir;
    const StageRun first = runPinyin(dir.path(), pinyinLessons(), false);
    ASSERT_TRUE(first.ok) << first.report.join(u'\n').toStdString();
    EXPECT_EQ(first.report, QStringList{u8("pinyin lessons: 64 movies written, 0 up to date")});

    QStringList expected;
    for (const QString& entry : kEntries) {
        expected << entry + u8(".swf");
    }
    expected << u8("blank.swf");
    expected.sort();
    QStringList made = QDir(dir.path() + u8("/Data/Res/pinyin")).entryList(QDir::Files);
    made.sort();
    EXPECT_EQ(made, expected);
    EXPECT_TRUE(QFileInfo::exists(dir.path() + u8("/Data/Res/pinyin/\u0251.swf")));
    EXPECT_TRUE(QFileInfo::exists(dir.path() + u8("/Data/Res/pinyin/\u0261.swf")));
    EXPECT_FALSE(QFileInfo::exists(dir.path() + u8("/Data/Res/pinyin/a.swf")));
    EXPECT_FALSE(QFileInfo::exists(dir.path() + u8("/Data/Res/pinyin/sound"))); // no audio asked for

    const StageRun again = runPinyin(dir.path(), pinyinLessons(), false);
    EXPECT_TRUE(again.ok);
    EXPECT_EQ(again.report, QStringList{u8("pinyin lessons: 0 movies written, 64 up to date")});
}

TEST(PinyinLessonsStage, FailsWithAReasonWhenTheSourcesAreMissing) {
    QTemporaryDir dir;
    QTemporaryDir empty;
    const StageRun run = runPinyin(dir.path(), pinyinLessons(), false, empty.path());
    EXPECT_FALSE(run.ok);
    ASSERT_EQ(run.report.size(), 1);
    EXPECT_TRUE(run.report[0].startsWith(u8("pinyin lessons: cannot read "))) << run.report[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.path() + u8("/Data/Res/pinyin")));
}

TEST(PinyinLessonsStage, RecordsTheLettersTonesAndWordsWhenAudioIsOn) {
    QTemporaryDir dir;
    const QList<PinyinLesson> lessons = {lessonOf(u8("b")), lessonOf(u8("ü"))};
    const StageRun run = runPinyin(dir.path(), lessons, true);
    ASSERT_TRUE(run.ok) << run.report.join(u'\n').toStdString();
    const QStringList names = {u8("bo1"), u8("bo2"), u8("bo3"), u8("bo4"), u8("bao1zi5"), u8("qian1bi3"),
                               u8("v1"),  u8("v2"),  u8("v3"),  u8("v4"),  u8("yu2"),     u8("lv4ye4")};
    for (const QString& name : names) {
        const QString path = dir.path() + u8("/Data/Res/pinyin/sound/") + name + u8(".mp3");
        const std::optional<test::Decoded> decoded = test::decodeFile(path);
        ASSERT_TRUE(decoded.has_value()) << path.toStdString();
        const double seconds = double(decoded->samples.size()) / decoded->rate / decoded->channels;
        // One syllable lasts a fraction of a second; a two-syllable word about a second.
        EXPECT_GT(seconds, 0.15) << name.toStdString();
        EXPECT_LT(seconds, name.size() > 4 ? 2.5 : 1.5) << name.toStdString();
        EXPECT_GT(test::rmsOf(decoded->samples), 1000) << name.toStdString();
    }
    EXPECT_EQ(QDir(dir.path() + u8("/Data/Res/pinyin/sound")).entryList(QDir::Files).size(), names.size());
    ASSERT_EQ(run.report.size(), 2);
    EXPECT_TRUE(run.report[1].startsWith(u8("pinyin lessons: 12 made (sound 12), 0 up to date, 0 failed")))
        << run.report[1].toStdString();

    const StageRun again = runPinyin(dir.path(), lessons, true);
    ASSERT_EQ(again.report.size(), 2);
    EXPECT_TRUE(again.report[1].startsWith(u8("pinyin lessons: nothing to do, all 12 up to date")))
        << again.report[1].toStdString();
}

// ---- The movies in the program's own movie host ----

// Every lesson movie written once for the suite, shown in 1100 x 600 over the window's colour.
class PinyinMovieTest : public MovieInHostTest {
protected:
    PinyinMovieTest()
        : MovieInHostTest(dir_->path()) {}

    static void SetUpTestSuite() {
        MovieInHostTest::SetUpTestSuite();
        dir_ = new QTemporaryDir;
        const StageRun run = runPinyin(dir_->path(), pinyinLessons(), false);
        ASSERT_TRUE(run.ok) << run.report.join(u'\n').toStdString();
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }

    void SetUp() override {
        MovieInHostTest::SetUp();
        host_.widget()->resize(1100, 600);
        host_.widget()->show();
        host_.setBackgroundColor(176553);
    }

    void show(const QString& name) { MovieInHostTest::show(u8("Data/Res/pinyin/") + name); }
    QString read(const QString& name, const char* property) const {
        return MovieInHostTest::read(item(name), property);
    }

    static QTemporaryDir* dir_;
};
QTemporaryDir* PinyinMovieTest::dir_ = nullptr;

Command speak(const QString& sound) {
    return {u8("speak"), sound};
}

TEST_F(PinyinMovieTest, EveryLessonShowsItsSoundTonesAndWords) {
    for (const PinyinLesson& lesson : pinyinLessons()) {
        SCOPED_TRACE(lesson.entry.toStdString());
        show(lesson.entry + u8(".swf"));
        host_.gotoFrame(1); // at rest at once, silently
        settle();
        EXPECT_EQ(read(u8("letter"), "text"), lesson.entry);
        EXPECT_EQ(read(u8("kind"), "text"), pinyinKindName(lesson.kind));
        for (int tone = 0; tone < 4; ++tone) {
            const QString name = u8("tone%1Syllable").arg(tone);
            EXPECT_EQ(read(name, "pinyin"), lesson.tones[tone]);
            EXPECT_EQ(read(name, "tone"), QString::number(tone + 1));
            EXPECT_EQ(read(name, "letters"), spellSyllable(lesson.tones[tone])->letters);
        }
        for (int e = 0; e < 2; ++e) {
            const PinyinExample& example = lesson.examples[e];
            EXPECT_EQ(read(u8("example%1Word").arg(e), "text"), example.zh);
            const QStringList syllables = *pinyinSyllables(example.py);
            for (int s = 0; s < syllables.size(); ++s) {
                EXPECT_EQ(read(u8("example%1Char%2").arg(e).arg(s), "text"), example.zh.mid(s, 1));
                EXPECT_EQ(read(u8("example%1Syllable%2").arg(e).arg(s), "pinyin"), syllables[s]);
            }
        }
        EXPECT_GT(::qinghe::test::colourCount(grab()), 200);
        EXPECT_EQ(takeCommands(), QList<Command>{});
    }
}

// The template is the same for every lesson: a click in these few names the recording by its file.
TEST_F(PinyinMovieTest, ClicksNameTheRecordingsByTheirFilesUnderThePinyinFolder) {
    const struct {
        const char* entry;
        const char* target;
        const char* sound;
    } cases[] = {
        {"b", "letterArea", "sound/bo1.mp3"},
        {"ɑ", "example0Area", "sound/ba1.mp3"},
        {"ü", "letterArea", "sound/v1.mp3"},
        {"ü", "example1Area", "sound/lv4ye4.mp3"},
        {"zh", "example1Area", "sound/nao4zhong1.mp3"},
        {"yuɑn", "example0Area", "sound/tang1yuan2.mp3"},
        {"r", "letterArea", "sound/ri4.mp3"},
        {"ɑnɡ", "tone3", "sound/ang4.mp3"},
    };
    for (const auto& c : cases) {
        show(u8(c.entry) + u8(".swf"));
        host_.gotoFrame(1);
        settle();
        takeCommands();
        click(u8(c.target));
        EXPECT_EQ(takeCommands(), QList<Command>{speak(u8(c.sound))}) << c.entry << " " << c.target;
    }
}

TEST_F(PinyinMovieTest, TheLetterBouncesInAndSpeaksOnceAndStopHoldsIt) {
    show(u8("ɑ.swf"));
    const QImage arriving = grab();
    EXPECT_EQ(takeCommands(), QList<Command>{}); // still falling
    ASSERT_TRUE(QTest::qWaitFor([this] { return !commands_.isEmpty(); }, 3000));
    EXPECT_EQ(takeCommands(), QList<Command>{speak(u8("sound/a1.mp3"))});
    QTest::qWait(2500);
    settle();
    EXPECT_EQ(takeCommands(), QList<Command>{}); // once only
    EXPECT_EQ(number("t"), 1.0);
    EXPECT_NE(arriving, grab());

    // Frame 0 starts the lesson over; stopped, it holds still and says nothing until played again.
    host_.gotoFrame(0);
    host_.stop();
    QTest::qWait(1500);
    EXPECT_EQ(takeCommands(), QList<Command>{});
    const double held = number("t");
    EXPECT_LT(held, 0.1);
    host_.play();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !commands_.isEmpty(); }, 3000));
    EXPECT_EQ(takeCommands(), QList<Command>{speak(u8("sound/a1.mp3"))});
}

TEST_F(PinyinMovieTest, BlankIsOneCalmColourOverTheWholeHost) {
    show(u8("blank.swf"));
    const QImage image = grab();
    EXPECT_EQ(::qinghe::test::colourCount(image), 1);
    EXPECT_EQ(QColor(image.pixel(550, 300)), QColor(u8("#eef8fd")));
    EXPECT_EQ(takeCommands(), QList<Command>{});
}

TEST_F(PinyinMovieTest, RendersArrivingAndAtRest) {
    for (const char* entry : {"ɑ", "b", "zh", "ü", "yuɑn"}) {
        show(u8(entry) + u8(".swf"));
        QTest::qWait(1400); // the letter has landed, tones pop up, the first card slides in
        const QImage arriving = grab();
        host_.gotoFrame(1);
        settle();
        const QImage rest = grab();
        EXPECT_GT(::qinghe::test::colourCount(rest), 400) << entry;
        EXPECT_NE(arriving, rest) << entry;
        // The bands beside the stage keep the host's colour (0x2B1A9 as blue-green-red).
        EXPECT_EQ(QColor(rest.pixel(3, 300)), QColor(0xa9, 0xb1, 0x02)) << entry;
        keep(arriving, u8("pinyin-%1-arriving").arg(plain(u8(entry))));
        keep(rest, u8("pinyin-%1").arg(plain(u8(entry))));
    }
}

} // namespace
} // namespace qinghe::edition
