#include "audio/sound_name.h"
#include "speech/interface_sounds.h"
#include "speech/speech_jobs.h"
#include "speech_test_util.h"
#include "support/qt_printers.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace qinghe::edition {
namespace {

QStringList outputsOf(const QList<SpeechJob>& jobs) {
    QStringList outputs;
    for (const SpeechJob& job : jobs) {
        outputs << job.output;
    }
    return outputs;
}

QString sound(const QString& key) {
    return QStringLiteral("Data/RJ/sound/") + soundName(key) + QStringLiteral(".mp3");
}
QString lj(const QString& key) {
    return QStringLiteral("Data/RJ/lj/") + soundName(key) + QStringLiteral(".mp3");
}

TEST(SpeechJobs, TheFixtureGivesEachRecordingOnceUnderItsSoundName) {
    const Edition edition = test::fixtureEdition();
    const SpeechSettings settings;
    const QList<SpeechJob> jobs = speechJobs(edition, Options{}, settings);
    const QStringList expected{
        // Readings first: they take longest.
        QStringLiteral("Data/RJ/lessonread/010101.mp3"),
        QStringLiteral("Data/RJ/lessonread/010102.mp3"),
        // 她 and 他 share the reading tā; 者 zhě goes through the (e) fix-up of sound names.
        sound(QStringLiteral("tā")),
        sound(QStringLiteral("zhě")),
        sound(QStringLiteral("é")),
        sound(QStringLiteral("gē")),
        // Word groups and lesson words, each text once (她们 and 唱歌 are in both lists).
        sound(QStringLiteral("她们")),
        sound(QStringLiteral("他们")),
        sound(QStringLiteral("其他")),
        sound(QStringLiteral("作者")),
        sound(QStringLiteral("朋友")),
        sound(QStringLiteral("白鹅")),
        sound(QStringLiteral("天鹅")),
        sound(QStringLiteral("唱歌")),
        // Example sentences, keyed by each character's first word group.
        lj(QStringLiteral("她们")),
        lj(QStringLiteral("他们")),
        lj(QStringLiteral("作者")),
        lj(QStringLiteral("白鹅")),
        lj(QStringLiteral("唱歌")),
    };
    EXPECT_EQ(outputsOf(jobs), expected);
    EXPECT_EQ(sound(QStringLiteral("zhě")), QStringLiteral("Data/RJ/sound/emgoZSk=.mp3"));

    // What each one speaks.
    ASSERT_EQ(jobs.size(), expected.size());
    EXPECT_EQ(jobs[0].kind, SpeechKind::Reading);
    EXPECT_EQ(jobs[0].table, QStringLiteral("Data/RJ/lessonread/010101.txt"));
    EXPECT_EQ(jobs[0].parts.size(), 3);
    EXPECT_EQ(jobs[0].headingLines, 1);
    EXPECT_EQ(jobs[1].parts.size(), 4);
    EXPECT_EQ(jobs[1].headingLines, 2); // a classic: title and author are both followed by the long pause
    EXPECT_EQ(jobs[2].parts.front().py, QStringLiteral("tā"));
    EXPECT_EQ(jobs[8].parts.front().py, QStringLiteral("qí tā"));
    EXPECT_EQ(jobs[14].parts.front().py, QStringLiteral("tā zài chàng gē."));
    QSet<QString> recipes;
    for (const SpeechJob& job : jobs) {
        EXPECT_EQ(job.recipe, speechRecipe(job, settings));
        recipes.insert(job.recipe);
    }
    EXPECT_EQ(recipes.size(), jobs.size());
}

TEST(SpeechJobs, BooksAreChosenByTheOptionsAndPlacedByPosition) {
    Edition edition = test::fixtureEdition();
    Book second = edition.books.front();
    second.number = 2;
    second.units.front().lessons.removeLast();
    edition.books << second;

    Options onlyFirst;
    onlyFirst.books = {1};
    EXPECT_EQ(outputsOf(speechJobs(edition, onlyFirst, {})).size(), 19);

    Options onlySecond;
    onlySecond.books = {2};
    const QStringList second2 = outputsOf(speechJobs(edition, onlySecond, {}));
    EXPECT_TRUE(second2.contains(QStringLiteral("Data/RJ/lessonread/020101.mp3")));
    EXPECT_FALSE(second2.contains(QStringLiteral("Data/RJ/lessonread/010101.mp3")));

    // A one-book installation holds book 2 at position 1.
    Options single;
    single.singleBook = 2;
    const QStringList single2 = outputsOf(speechJobs(edition, single, {}));
    EXPECT_TRUE(single2.contains(QStringLiteral("Data/RJ/lessonread/010101.mp3")));
    EXPECT_FALSE(single2.contains(QStringLiteral("Data/RJ/lessonread/010102.mp3")));

    // Both books: the words of book 2 are those of book 1 and are made once.
    EXPECT_EQ(outputsOf(speechJobs(edition, Options{}, {})).size(), 20);
}

TEST(SpeechJobs, RecipesChangeWithWhatIsSpokenAndHowOnly) {
    const Edition edition = test::fixtureEdition();
    const SpeechSettings settings;
    SpeechJob job = speechJobs(edition, Options{}, settings)[3];
    const QString recipe = job.recipe;
    EXPECT_EQ(speechRecipe(job, settings), recipe);
    job.parts.front().py = QStringLiteral("zhé");
    EXPECT_NE(speechRecipe(job, settings), recipe);
    job = speechJobs(edition, Options{}, settings)[3];
    SpeechSettings slower;
    slower.voice.rate = 120;
    EXPECT_NE(speechRecipe(job, slower), recipe);
    SpeechSettings otherBitrate;
    otherBitrate.mp3.bitrate = 64;
    EXPECT_NE(speechRecipe(job, otherBitrate), recipe);
}

TEST(SpeechJobs, InterfaceSoundsAreTheProgramsFixedNames) {
    const QList<SpeechJob> jobs = interfaceSoundJobs(SpeechSettings{});
    QStringList expected{QStringLiteral("right.wav"), QStringLiteral("click1.mp3"), QStringLiteral("bg.mp3")};
    for (const char* name : {"tbxkw", "zcxx", "mkcy", "zhcs", "zcsj", "zclx", "wnnx", "zxxx", "szb", "set",
                             "home", "think", "replay", "tingxie", "zhenbang"}) {
        expected << QString::fromLatin1(name) + QStringLiteral(".mp3");
    }
    for (int i = 1; i <= 9; ++i) {
        expected << QStringLiteral("test%1.mp3").arg(i);
    }
    QStringList names;
    for (const SpeechJob& job : jobs) {
        EXPECT_TRUE(job.output.startsWith(QStringLiteral("Data/sndsoft/"))) << job.output.toStdString();
        names << job.output.mid(13);
        EXPECT_EQ(job.kind == SpeechKind::Tone, names.size() <= 3) << job.output.toStdString();
        for (const Spoken& part : job.parts) {
            EXPECT_FALSE(part.py.isEmpty());
            EXPECT_FALSE(part.py.contains(QRegularExpression(QStringLiteral("[0-9]"))))
                << part.py.toStdString(); // tone marks, not digits
        }
    }
    EXPECT_EQ(names, expected);
    EXPECT_EQ(jobs[0].toneEffects.first(), QStringLiteral("synth"));
}

} // namespace
} // namespace qinghe::edition
