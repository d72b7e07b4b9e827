#include "speech/speech_voice.h"
#include "speech/worker_pool.h"
#include "support/qt_printers.h"

#include <QCryptographicHash>
#include <QSet>

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

namespace qinghe::edition {
namespace {

struct Outcome {
    QList<ItemResult> results;
    int failed = 0;
};

Outcome run(int count, int workers, const std::function<ItemWork(QString*)>& start) {
    Outcome outcome;
    outcome.failed = runInWorkers(count, workers, start, [&](const ItemResult& r) { outcome.results << r; });
    return outcome;
}

TEST(SpeechWorkers, EveryItemIsReportedOnceWhateverHappensInTheWorkers) {
    const auto works = [](QString*) -> ItemWork {
        return [](int item, QString* message) {
            if (item == 7) {
                *message = QStringLiteral("seven fails");
                return false;
            }
            return true;
        };
    };
    const Outcome outcome = run(20, 3, works);
    EXPECT_EQ(outcome.failed, 1);
    ASSERT_EQ(outcome.results.size(), 20);
    QSet<int> seen;
    for (const ItemResult& r : outcome.results) {
        seen.insert(r.item);
        EXPECT_EQ(r.ok, r.item != 7);
        EXPECT_EQ(r.message, r.item == 7 ? QStringLiteral("seven fails") : QString());
    }
    EXPECT_EQ(seen.size(), 20);
}

TEST(SpeechWorkers, WorkIsSharedBetweenTheWorkers) {
    const auto works = [](QString*) -> ItemWork {
        return [](int, QString* message) {
            ::usleep(20000); // long enough that one worker cannot take every item
            *message = QString::number(::getpid());
            return false; // failing carries the message back
        };
    };
    const Outcome outcome = run(10, 2, works);
    QSet<QString> pids;
    for (const ItemResult& r : outcome.results) {
        pids.insert(r.message);
    }
    EXPECT_EQ(pids.size(), 2);
    EXPECT_FALSE(pids.contains(QString::number(::getpid()))); // never in this process
}

TEST(SpeechWorkers, AWorkerThatCannotStartOrDiesLosesOnlyItsItems) {
    const Outcome refused = run(5, 2, [](QString* message) -> ItemWork {
        *message = QStringLiteral("no voice here");
        return {};
    });
    EXPECT_EQ(refused.failed, 5);
    ASSERT_EQ(refused.results.size(), 5);
    for (const ItemResult& r : refused.results) {
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, QStringLiteral("no voice here"));
    }

    // Item 3 kills its worker; the other worker finishes the rest.
    const Outcome crashed = run(12, 2, [](QString*) -> ItemWork {
        return [](int item, QString*) {
            if (item == 3) {
                ::_exit(9);
            }
            ::usleep(5000);
            return true;
        };
    });
    EXPECT_EQ(crashed.failed, 1);
    ASSERT_EQ(crashed.results.size(), 12);
    for (const ItemResult& r : crashed.results) {
        EXPECT_EQ(r.ok, r.item != 3) << r.item;
    }

    EXPECT_EQ(run(0, 2, [](QString*) -> ItemWork { return {}; }).results.size(), 0);
}

TEST(SpeechWorkers, TheVoiceSpeaksTheSameTextTheSameWayWhateverCameBefore) {
    // espeak-ng is loaded in a worker, never in the test process (it can be loaded once per process).
    const QStringList texts{QStringLiteral("tiān"), QStringLiteral("xiǎo péng you, nǐ hǎo!"),
                            QStringLiteral("tiān"), QStringLiteral("lǜ sè"),
                            QStringLiteral("xiǎo péng you, nǐ hǎo!")};
    const auto start = [&](QString* message) -> ItemWork {
        std::shared_ptr<SpeechVoice> voice = SpeechVoice::start(VoiceSettings{}, message);
        if (!voice) {
            return {};
        }
        return [voice, &texts](int item, QString* result) {
            const std::optional<Samples> samples = voice->speak(texts[item]);
            if (!samples) {
                *result = QStringLiteral("failed");
                return false;
            }
            // The hash and the length come back through the message.
            *result = QString::fromLatin1(QCryptographicHash::hash(
                                              QByteArrayView(reinterpret_cast<const char*>(samples->data()),
                                                             qsizetype(samples->size() * 2)),
                                              QCryptographicHash::Sha1)
                                              .toHex()) +
                      u' ' + QString::number(samples->size());
            return false;
        };
    };
    const Outcome outcome = run(int(texts.size()), 1, start);
    ASSERT_EQ(outcome.results.size(), texts.size());
    QStringList byItem(texts.size());
    for (const ItemResult& r : outcome.results) {
        byItem[r.item] = r.message;
    }
    EXPECT_EQ(byItem[0], byItem[2]);
    EXPECT_EQ(byItem[1], byItem[4]);
    EXPECT_NE(byItem[0], byItem[1]);
    // Plausible lengths at 22.05 kHz: a syllable is a few tenths of a second, the greeting a second or two.
    const int syllable = byItem[0].section(u' ', 1).toInt();
    const int greeting = byItem[1].section(u' ', 1).toInt();
    EXPECT_GT(syllable, 22050 / 5);
    EXPECT_LT(syllable, 22050);
    EXPECT_GT(greeting, 22050);
    EXPECT_LT(greeting, 22050 * 4);
}

} // namespace
} // namespace qinghe::edition
