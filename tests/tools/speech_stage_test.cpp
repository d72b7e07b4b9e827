#include "audio/sound_name.h"
#include "audio_engine/wav_reader.h"
#include "speech/mp3_frames.h"
#include "speech/speech_run.h"
#include "speech_test_util.h"
#include "stages.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qinghe::edition {
namespace {

using test::decodeFile;
using test::rmsOf;

// Every file under a folder, relative path -> bytes.
QMap<QString, QByteArray> filesUnder(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), qinghe::test::readFile(path));
    }
    return files;
}

struct StageRun {
    bool ok = false;
    QStringList report;
};

StageRun runStage(bool (*stage)(StageContext&), const Edition& edition, const QString& root, int jobs) {
    Options options;
    options.outputDirectory = root;
    options.jobs = jobs;
    OutputTree out(root);
    StageRun run;
    StageContext context{edition, options, out, run.report};
    run.ok = stage(context);
    return run;
}

struct TableLine {
    int index = 0;
    qint64 startByte = 0;
    qint64 endByte = 0;
    double startSeconds = 0;
    double endSeconds = 0;
    QString text;
};

QList<TableLine> readTable(const QString& path) {
    QList<TableLine> lines;
    for (const QString& line :
         QString::fromUtf8(qinghe::test::readFile(path)).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split(u'\t');
        EXPECT_EQ(f.size(), 6) << line.toStdString();
        if (f.size() == 6) {
            lines.append(
                {f[0].toInt(), f[1].toLongLong(), f[2].toLongLong(), f[3].toDouble(), f[4].toDouble(), f[5]});
        }
    }
    return lines;
}

class SpeechStage : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        edition_ = new Edition(test::fixtureEdition());
        dir_ = new QTemporaryDir();
        first_ = runStage(&runSpeechStage, *edition_, dir_->path(), 2);
    }
    static void TearDownTestSuite() {
        delete dir_;
        delete edition_;
    }
    static QString path(const QString& relative) { return dir_->path() + u'/' + relative; }

    static Edition* edition_;
    static QTemporaryDir* dir_;
    static StageRun first_;
};

Edition* SpeechStage::edition_ = nullptr;
QTemporaryDir* SpeechStage::dir_ = nullptr;
StageRun SpeechStage::first_;

TEST_F(SpeechStage, MakesEveryRecordingOfTheFixture) {
    ASSERT_TRUE(first_.ok) << first_.report.join(u'\n').toStdString();
    ASSERT_FALSE(first_.report.isEmpty());
    EXPECT_TRUE(first_.report.first().startsWith(
        QStringLiteral("speech: 19 made (lessonread 2, lj 5, sound 12), 0 up to date, 0 failed, 2 workers")))
        << first_.report.first().toStdString();
    // Nothing but the recordings, their tables and the manifest; the work folder is gone.
    QStringList files = filesUnder(dir_->path()).keys();
    EXPECT_EQ(files.size(), 19 + 2 + 1) << files.join(u' ').toStdString();
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Data/.speech-work"))));
}

TEST_F(SpeechStage, RecordingsAreLevelledSpeechOfPlausibleLength) {
    const QList<SpeechJob> jobs = speechJobs(*edition_, Options{}, SpeechSettings{});
    for (const SpeechJob& job : jobs) {
        SCOPED_TRACE(job.output.toStdString());
        const auto decoded = decodeFile(path(job.output));
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->rate, 44100);
        EXPECT_EQ(decoded->channels, 1);
        const double seconds = double(decoded->samples.size()) / 44100.0;
        const int syllables = int(job.parts.front().py.split(u' ').size());
        if (job.kind == SpeechKind::Phrase) {
            // About a fifth to two thirds of a second a syllable, with the short margins.
            EXPECT_GT(seconds, 0.15 * syllables);
            EXPECT_LT(seconds, 0.1 + 0.7 * syllables);
            // Loud, and at the common level: the gated RMS target, give or take the codec.
            EXPECT_GT(rmsOf(decoded->samples), 1500.0);
            EXPECT_NEAR(gatedRms(decoded->samples, 1102, 328), 4125.0, 400.0);
        } else {
            EXPECT_GT(seconds, 3.0);
            EXPECT_LT(seconds, 20.0);
        }
    }
}

TEST_F(SpeechStage, ReadingRangesPlayExactlyTheirSegment) {
    for (const QString& stem : {QStringLiteral("010101"), QStringLiteral("010102")}) {
        SCOPED_TRACE(stem.toStdString());
        const QString mp3 = path(QStringLiteral("Data/RJ/lessonread/") + stem + QStringLiteral(".mp3"));
        const QByteArray bytes = qinghe::test::readFile(mp3);
        const QList<TableLine> table =
            readTable(path(QStringLiteral("Data/RJ/lessonread/") + stem + QStringLiteral(".txt")));
        const Lesson& lesson = edition_->books[0].units[0].lessons[stem == QStringLiteral("010101") ? 0 : 1];
        ASSERT_EQ(table.size(), lesson.text.size());
        const auto whole = decodeFile(mp3);
        ASSERT_TRUE(whole);
        EXPECT_EQ(table.first().startByte, 0);
        EXPECT_EQ(table.last().endByte, 0);
        for (qsizetype i = 0; i < table.size(); ++i) {
            const TableLine& line = table[i];
            SCOPED_TRACE(i);
            EXPECT_EQ(line.index, i);
            EXPECT_EQ(line.text, lesson.text[i].zh);
            if (i > 0) {
                EXPECT_EQ(line.startByte, table[i - 1].endByte);
                EXPECT_DOUBLE_EQ(line.startSeconds, table[i - 1].endSeconds);
            }
            // Each range begins on a frame header: walking frames from there reaches the range's end.
            const qint64 end = line.endByte == 0 ? bytes.size() : line.endByte;
            const auto slice = bytes.mid(line.startByte, end - line.startByte);
            const std::vector<Mp3Frame> frames = mp3Frames(
                {reinterpret_cast<const std::uint8_t*>(slice.constData()), std::size_t(slice.size())});
            ASSERT_FALSE(frames.empty());
            EXPECT_EQ(frames.back().offset + frames.back().length, slice.size());

            // Decoded on its own, the range lasts as long as the table says, within a frame ...
            const auto part = decodeFile(mp3, line.startByte, line.endByte);
            ASSERT_TRUE(part);
            const double expected = (line.endSeconds - line.startSeconds) * 44100.0;
            EXPECT_NEAR(double(part->samples.size()), expected, 1152.0);
            // ... is the same sound the whole file has at those times, once the decoder has settled ...
            // (the table's times are rounded to milliseconds; ranges start on whole frames)
            const auto from = std::size_t(std::llround(line.startSeconds * 44100.0 / 1152.0) * 1152);
            ASSERT_LE(from + part->samples.size(), whole->samples.size());
            double difference = 0;
            for (std::size_t k = 2304; k < part->samples.size(); ++k) {
                difference = std::max(difference,
                                      std::abs(double(part->samples[k]) - double(whole->samples[from + k])));
            }
            EXPECT_LT(difference, 2.0);
            // ... holds speech, and begins and ends in silence, so no word is cut.
            const std::span<const std::int16_t> samples(part->samples);
            EXPECT_GT(rmsOf(samples), 800.0);
            EXPECT_LT(rmsOf(samples.first(4410)), 30.0);
            EXPECT_LT(rmsOf(samples.last(4410)), 30.0);
        }
    }
}

TEST_F(SpeechStage, ASecondRunMakesNothingAndAChangedTextIsMadeAgain) {
    const QMap<QString, QByteArray> before = filesUnder(dir_->path());
    const StageRun second = runStage(&runSpeechStage, *edition_, dir_->path(), 2);
    ASSERT_TRUE(second.ok);
    EXPECT_TRUE(
        second.report.first().startsWith(QStringLiteral("speech: nothing to do, all 19 up to date (")))
        << second.report.first().toStdString();
    EXPECT_EQ(filesUnder(dir_->path()), before);

    // One word read differently: only its recording is made again.
    Edition changed = *edition_;
    changed.books[0].units[0].lessons[0].words[1].py = QStringLiteral("péng yǒu");
    const StageRun third = runStage(&runSpeechStage, changed, dir_->path(), 2);
    ASSERT_TRUE(third.ok);
    EXPECT_TRUE(third.report.first().startsWith(QStringLiteral("speech: 1 made (sound 1), 18 up to date")))
        << third.report.first().toStdString();
    const QString word = QStringLiteral("Data/RJ/sound/") + soundName(u"朋友") + QStringLiteral(".mp3");
    const QMap<QString, QByteArray> after = filesUnder(dir_->path());
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (it.key() == word) {
            EXPECT_NE(after.value(it.key()), it.value());
        } else if (it.key() != QStringLiteral("Data/.edition-manifest")) {
            EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
        }
    }
    // A deleted output is made again even though its recipe is known.
    QFile::remove(path(word));
    const StageRun fourth = runStage(&runSpeechStage, changed, dir_->path(), 2);
    EXPECT_TRUE(fourth.report.first().startsWith(QStringLiteral("speech: 1 made (sound 1), 18 up to date")));
    EXPECT_EQ(qinghe::test::readFile(path(word)), after.value(word));
}

TEST_F(SpeechStage, OneWorkerMakesTheSameBytesAsTwo) {
    QTemporaryDir other;
    QDir().mkpath(other.path() + QStringLiteral("/Data/.speech-work"));
    QFile leftover(other.path() + QStringLiteral("/Data/.speech-work/123-4.mp3")); // from an interrupted run
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    const StageRun single = runStage(&runSpeechStage, *edition_, other.path(), 1);
    ASSERT_TRUE(single.ok);
    QMap<QString, QByteArray> mine = filesUnder(other.path());
    QMap<QString, QByteArray> theirs = filesUnder(dir_->path());
    mine.remove(QStringLiteral("Data/.edition-manifest"));
    theirs.remove(QStringLiteral("Data/.edition-manifest"));
    EXPECT_EQ(mine.keys(), theirs.keys());
    for (auto it = mine.begin(); it != mine.end(); ++it) {
        // (the one word changed by the test before may differ; everything made from the fixture must not)
        if (!it.key().contains(soundName(u"朋友"))) {
            EXPECT_EQ(it.value(), theirs.value(it.key())) << it.key().toStdString();
        }
    }
}

TEST(SpeechStageFailures, AJobThatCannotBeMadeIsReportedAndTheRestAreMade) {
    QTemporaryDir dir;
    const SpeechSettings settings;
    SpeechJob good;
    good.output = QStringLiteral("Data/RJ/sound/good.mp3");
    good.parts = {{QStringLiteral("好"), QStringLiteral("hǎo")}};
    SpeechJob silent = good; // punctuation alone: espeak-ng says nothing
    silent.output = QStringLiteral("Data/RJ/sound/silent.mp3");
    silent.parts = {{QStringLiteral("，"), QStringLiteral(",")}};
    SpeechJob badTone;
    badTone.kind = SpeechKind::Tone;
    badTone.output = QStringLiteral("Data/sndsoft/bad.mp3");
    badTone.toneEffects = {QStringLiteral("synth"), QStringLiteral("nonsense")};
    QList<SpeechJob> jobs{good, silent, badTone};
    for (SpeechJob& job : jobs) {
        job.recipe = speechRecipe(job, settings);
    }
    Options options;
    options.jobs = 2;
    OutputTree out(dir.path());
    QStringList report;
    const Edition edition;
    StageContext context{edition, options, out, report};
    const SpeechRunResult result = runSpeechJobs(QStringLiteral("test"), jobs, settings, context);
    EXPECT_EQ(result.made, 1);
    ASSERT_EQ(result.failures.size(), 2);
    EXPECT_TRUE(
        result.failures[0].startsWith(QStringLiteral("Data/RJ/sound/silent.mp3: espeak-ng made no sound")))
        << result.failures[0].toStdString();
    EXPECT_TRUE(result.failures[1].startsWith(QStringLiteral("Data/sndsoft/bad.mp3: sox: ")))
        << result.failures[1].toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("Data/RJ/sound/good.mp3"))));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("Data/RJ/sound/silent.mp3"))));
    EXPECT_TRUE(out.isUpToDate(jobs[0].output, jobs[0].recipe));
    EXPECT_FALSE(out.isUpToDate(jobs[1].output, jobs[1].recipe));
    const QStringList lines = speechReport(QStringLiteral("test"), result, 2);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(
        lines[0].startsWith(QStringLiteral("test: 1 made (sound 1), 0 up to date, 2 failed, 2 workers, ")));
}

TEST(SpeechInterfaceSounds, PromptsAndTonesAreMade) {
    QTemporaryDir dir;
    const StageRun run = runStage(&runInterfaceSoundsStage, Edition{}, dir.path(), 2);
    ASSERT_TRUE(run.ok) << run.report.join(u'\n').toStdString();
    EXPECT_TRUE(run.report.first().startsWith(QStringLiteral("interface sounds: 27 made (sndsoft 27)")))
        << run.report.first().toStdString();
    const QString folder = dir.path() + QStringLiteral("/Data/sndsoft/");

    // right.wav is a WAV file the program's reader takes: mono 44.1 kHz, about 0.4 s.
    const QByteArray wav = qinghe::test::readFile(folder + QStringLiteral("right.wav"));
    const auto info = readWavInfo(wav.constData(), std::size_t(wav.size()));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->channels, 1);
    EXPECT_EQ(info->sampleRate, 44100);
    EXPECT_EQ(info->frames(), 17640);

    const auto click = decodeFile(folder + QStringLiteral("click1.mp3"));
    ASSERT_TRUE(click);
    EXPECT_EQ(click->samples.size(), 1323u);                        // 30 ms
    EXPECT_NEAR(peakOf(click->samples), 32767 * 0.2, 32767 * 0.05); // -14 dBFS: soft

    // The background tune loops: 24 s; it ends in silence and starts with a fade-in, so the seam has
    // no step that would click.
    const auto bg = decodeFile(folder + QStringLiteral("bg.mp3"));
    ASSERT_TRUE(bg);
    EXPECT_EQ(bg->samples.size(), 24u * 44100u);
    const std::span<const std::int16_t> tune(bg->samples);
    EXPECT_GT(rmsOf(tune), 500.0);
    EXPECT_LT(std::abs(tune.back() - tune.front()), 200); // -44 dBFS at most: no click
    EXPECT_LT(peakOf(tune.first(22)), 1000);
    EXPECT_LT(rmsOf(tune.last(441)), 100.0);

    for (const QString& name : {QStringLiteral("tbxkw"), QStringLiteral("home"), QStringLiteral("tingxie"),
                                QStringLiteral("test1"), QStringLiteral("test9")}) {
        const auto prompt = decodeFile(folder + name + QStringLiteral(".mp3"));
        ASSERT_TRUE(prompt) << name.toStdString();
        EXPECT_GT(prompt->samples.size(), 44100u / 2) << name.toStdString();
        EXPECT_GT(rmsOf(prompt->samples), 1500.0) << name.toStdString();
    }
    const StageRun again = runStage(&runInterfaceSoundsStage, Edition{}, dir.path(), 2);
    EXPECT_TRUE(again.report.first().startsWith(
        QStringLiteral("interface sounds: nothing to do, all 27 up to date")));
}

} // namespace
} // namespace qinghe::edition
