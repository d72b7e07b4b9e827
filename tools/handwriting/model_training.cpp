#include "handwriting/model_training.h"

#include "handwriting/median_data.h"
#include "pad/handwriting_model.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <zinnia.h>

#include <algorithm>
#include <atomic>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <streambuf>
#include <thread>
#include <vector>

namespace qinghe::handwriting {

namespace {

// The label of the other groups' copies; no character is spelled like this.
const char* const kOthers = "<others>";

// Zinnia's trainer reports each class it finishes on standard output, one line per class. The lines
// are counted for progress and kept off the terminal.
class ProgressCounter final : public std::streambuf {
public:
    ProgressCounter(int total, std::function<void(int, int)> report)
        : total_(total)
        , report_(std::move(report)) {}

protected:
    int_type overflow(int_type c) override {
        if (c == '\n') {
            const int done = ++lines_;
            if (report_) {
                const std::lock_guard lock(mutex_);
                report_(std::min(done, total_), total_);
            }
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        for (std::streamsize i = 0; i < count; ++i) {
            overflow(traits_type::to_int_type(text[i]));
        }
        return count;
    }

private:
    int total_;
    std::function<void(int, int)> report_;
    std::atomic<int> lines_{0};
    std::mutex mutex_;
};

class CoutRedirect {
public:
    explicit CoutRedirect(std::streambuf* into)
        : previous_(std::cout.rdbuf(into)) {}
    ~CoutRedirect() { std::cout.rdbuf(previous_); }
    CoutRedirect(const CoutRedirect&) = delete;
    CoutRedirect& operator=(const CoutRedirect&) = delete;

private:
    std::streambuf* previous_;
};

struct Group {
    int strokes = 0;       // the stroke count of its classes
    QList<qsizetype> own;  // its characters
    QList<qsizetype> near; // characters of a stroke count within the window
    QList<qsizetype> far;  // the others
    qint64 cost(const TrainingOptions& o) const {
        return qint64(own.size() + 1) *
               (own.size() * o.copies + near.size() * std::min(o.copies, o.nearCopies) +
                far.size() * std::min(o.copies, o.farCopies));
    }
};

QList<Group> makeGroups(const QList<TrainingCharacter>& characters, const TrainingOptions& options) {
    std::map<int, QList<qsizetype>> byCount;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        byCount[int(characters[i].medians.size())].append(i);
    }
    QList<Group> groups;
    for (const auto& [strokes, own] : byCount) {
        Group group{strokes, own, {}, {}};
        for (const auto& [otherStrokes, members] : byCount) {
            if (otherStrokes == strokes) {
                continue;
            }
            const bool near =
                options.strokeWindow < 0 || std::abs(otherStrokes - strokes) <= options.strokeWindow;
            (near ? group.near : group.far).append(members);
        }
        groups.append(group);
    }
    // The largest first, so the last group to finish is a small one.
    std::stable_sort(groups.begin(), groups.end(),
                     [&](const Group& a, const Group& b) { return a.cost(options) > b.cost(options); });
    return groups;
}

bool replaceFile(const QString& from, const QString& to) {
    QFile::remove(to);
    return QFile::rename(from, to);
}

} // namespace

int copiesOf(const TrainingCharacter& character, const TrainingOptions& options) {
    const int pairs = options.neighbourSwaps ? std::max(0, int(character.medians.size()) - 1) : 0;
    return options.copies + pairs;
}

pad::Strokes trainingCopy(const TrainingCharacter& character, int index, const TrainingOptions& options) {
    if (index == 0) {
        return resampleStrokes(character.medians, options.distortion.step);
    }
    pad::Strokes copy = distortStrokes(character.medians, options.distortion,
                                       copySeed(character.character, index, options.series));
    const int pair = index - options.copies;
    if (pair >= 0 && pair + 1 < copy.size()) {
        std::swap(copy[pair], copy[pair + 1]);
    }
    return copy;
}

TrainingResult trainZinniaModel(const QList<TrainingCharacter>& characters, const TrainingOptions& options,
                                const QString& modelPath) {
    TrainingResult result;
    if (characters.size() < 2) {
        result.error = QStringLiteral("a model needs at least two characters");
        return result;
    }
    const QList<Group> groups = makeGroups(characters, options);

    QTemporaryDir work(QFileInfo(modelPath).absolutePath() + QStringLiteral("/.training-XXXXXX"));
    if (!work.isValid()) {
        result.error = QStringLiteral("cannot make a working folder beside %1").arg(modelPath);
        return result;
    }

    qsizetype withOthers = 0;
    for (const Group& group : groups) {
        withOthers += group.near.isEmpty() && group.far.isEmpty() ? 0 : 1;
    }
    ProgressCounter counter(int(characters.size() + withOthers), options.progress);
    std::vector<std::string> failures(static_cast<size_t>(groups.size()));
    std::atomic<int> next{0};
    {
        const CoutRedirect quiet(&counter);
        const auto trainGroup = [&](qsizetype g) {
            const Group& group = groups[g];
            const std::unique_ptr<zinnia::Trainer> trainer(zinnia::Trainer::create());
            const auto add = [&](qsizetype c, const QString& label, int copies) {
                for (int copy = 0; copy < copies; ++copy) {
                    const pad::Strokes strokes = trainingCopy(characters[c], copy, options);
                    const auto sample = pad::makeZinniaCharacter(
                        pad::inForm(strokes, options.form, kMedianUnits), kMedianUnits, label);
                    if (sample) {
                        trainer->add(*sample);
                    }
                }
            };
            const QString others = QString::fromLatin1(kOthers);
            for (const qsizetype c : group.own) {
                add(c, characters[c].character, copiesOf(characters[c], options));
            }
            for (const qsizetype c : group.near) {
                add(c, others, std::clamp(options.nearCopies, 1, options.copies));
            }
            for (const qsizetype c : group.far) {
                add(c, others, std::clamp(options.farCopies, 1, options.copies));
            }
            const QString base = work.filePath(QStringLiteral("group%1.model").arg(g));
            if (!trainer->train(QFile::encodeName(base).constData())) {
                failures[size_t(g)] = trainer->what();
            }
        };
        const auto worker = [&] {
            for (int g = next++; g < groups.size(); g = next++) {
                trainGroup(g);
            }
        };
        std::vector<std::thread> threads;
        for (int t = 1; t < std::clamp(options.jobs, 1, int(groups.size())); ++t) {
            threads.emplace_back(worker);
        }
        worker();
        for (std::thread& thread : threads) {
            thread.join();
        }
    }
    for (qsizetype g = 0; g < groups.size(); ++g) {
        if (!failures[size_t(g)].empty()) {
            result.error =
                QStringLiteral("Zinnia could not train: %1").arg(QString::fromStdString(failures[size_t(g)]));
            return result;
        }
    }

    // One text model of every group's own classes, then Zinnia's conversion to the binary form.
    const QString joined = work.filePath(QStringLiteral("joined.txt"));
    QFile out(joined);
    if (!out.open(QIODevice::WriteOnly)) {
        result.error = QStringLiteral("cannot write %1").arg(joined);
        return result;
    }
    const QByteArray othersPrefix = QByteArray(kOthers) + ' ';
    for (qsizetype g = 0; g < groups.size(); ++g) {
        QFile text(work.filePath(QStringLiteral("group%1.model.txt").arg(g)));
        if (!text.open(QIODevice::ReadOnly)) {
            result.error = QStringLiteral("Zinnia wrote no text model for group %1").arg(g);
            return result;
        }
        while (!text.atEnd()) {
            const QByteArray line = text.readLine();
            if (!line.startsWith(othersPrefix) && !line.trimmed().isEmpty()) {
                out.write(line);
                ++result.classes;
            }
        }
    }
    out.close();
    const QString binary = work.filePath(QStringLiteral("joined.model"));
    if (!zinnia::Trainer::convert(QFile::encodeName(joined).constData(),
                                  QFile::encodeName(binary).constData(), options.compression)) {
        result.error = QStringLiteral("Zinnia could not convert the joined model");
        return result;
    }
    if (!replaceFile(binary, modelPath)) {
        result.error = QStringLiteral("cannot write %1").arg(modelPath);
        return result;
    }
    for (const TrainingCharacter& character : characters) {
        result.samples += copiesOf(character, options);
    }
    result.ok = true;
    return result;
}

} // namespace qinghe::handwriting
