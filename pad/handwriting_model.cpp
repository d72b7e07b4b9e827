#include "pad/handwriting_model.h"

#include <QSet>
#include <QStringDecoder>
#include <QtEndian>

#include <zinnia.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <vector>

namespace qinghe::pad {

namespace {

// Zinnia's model header: the file size XOR this value, then the format version.
constexpr quint32 kModelMagic = 0xef71821;
constexpr quint32 kModelVersion = 1;
constexpr qsizetype kNameBytes = 16;
constexpr qsizetype kNodeBytes = 8; // int index, float weight
// Candidates looked at before stroke counts reorder them, and the most of a stroke count file read.
constexpr int kRerankWindow = 100;
constexpr qint64 kMaxStrokeCountBytes = 1024 * 1024;
constexpr qint64 kMaxShapeBytes = 32 * 1024 * 1024;

quint32 readWord(QByteArrayView bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

bool fail(QString* error, const QString& message) {
    if (error != nullptr) {
        *error = message;
    }
    return false;
}

} // namespace

std::unique_ptr<zinnia::Character> makeZinniaCharacter(const Strokes& strokes, double side,
                                                       const QString& label) {
    std::unique_ptr<zinnia::Character> character(zinnia::Character::create());
    const int units = int(kRecognitionUnits);
    character->set_width(size_t(units));
    character->set_height(size_t(units));
    if (!label.isEmpty()) {
        character->set_value(label.toUtf8().constData());
    }
    const double scale = side > 0 ? kRecognitionUnits / side : 1.0;
    const auto unit = [units, scale](double value) {
        return std::clamp(int(std::lround(value * scale)), 0, units);
    };
    size_t id = 0;
    for (const Stroke& stroke : strokes) {
        if (stroke.isEmpty()) {
            continue;
        }
        for (const QPointF& point : stroke) {
            character->add(id, unit(point.x()), unit(point.y()));
        }
        ++id;
    }
    if (id == 0) {
        return nullptr;
    }
    return character;
}

Strokes inForm(const Strokes& strokes, StrokeForm form, double side) {
    switch (form) {
    case StrokeForm::AsWritten:
        return strokes;
    case StrokeForm::Turned:
        return canonicalStrokes(strokes, false);
    case StrokeForm::Canonical:
        return canonicalStrokes(strokes, true);
    case StrokeForm::Fitted:
        return fittedStrokes(canonicalStrokes(strokes, true), side);
    }
    return strokes;
}

Strokes fittedStrokes(const Strokes& strokes, double side) {
    double left = 0, right = 0, top = 0, bottom = 0;
    bool first = true;
    for (const Stroke& stroke : strokes) {
        for (const QPointF& p : stroke) {
            left = first ? p.x() : std::min(left, p.x());
            right = first ? p.x() : std::max(right, p.x());
            top = first ? p.y() : std::min(top, p.y());
            bottom = first ? p.y() : std::max(bottom, p.y());
            first = false;
        }
    }
    if (first || side <= 0) {
        return strokes;
    }
    // The larger side of the ink becomes 80 % of the square.
    const double extent = std::max(right - left, bottom - top);
    const double scale = extent > 0 ? 0.8 * side / extent : 1.0;
    const QPointF from((left + right) / 2, (top + bottom) / 2);
    const QPointF to(side / 2, side / 2);
    Strokes fitted = strokes;
    for (Stroke& stroke : fitted) {
        for (QPointF& p : stroke) {
            p = to + (p - from) * scale;
        }
    }
    return fitted;
}

Strokes canonicalStrokes(const Strokes& strokes, bool reorder) {
    struct Placed {
        double key;
        Stroke stroke;
    };
    // Reading order: down counts three times as much as right, so a nearly level stroke still runs left
    // to right and a rising one (提) keeps a clear first end.
    const auto readingKey = [](QPointF p) { return 3 * p.y() + p.x(); };
    QList<Placed> placed;
    for (const Stroke& stroke : strokes) {
        if (stroke.isEmpty()) {
            continue;
        }
        Stroke turned = stroke;
        if (readingKey(turned.last()) < readingKey(turned.first())) {
            std::reverse(turned.begin(), turned.end());
        }
        double left = turned.first().x(), right = left, top = turned.first().y(), bottom = top;
        for (const QPointF& p : turned) {
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
        placed.append({readingKey(QPointF((left + right) / 2, (top + bottom) / 2)), std::move(turned)});
    }
    if (reorder) {
        std::stable_sort(placed.begin(), placed.end(),
                         [](const Placed& a, const Placed& b) { return a.key < b.key; });
    }
    Strokes result;
    for (Placed& p : placed) {
        result.append(std::move(p.stroke));
    }
    return result;
}

bool isValidZinniaModel(QByteArrayView bytes, int* classes, QString* error) {
    const qsizetype size = bytes.size();
    if (size < 12) {
        return fail(error, QStringLiteral("too short for a Zinnia model"));
    }
    if ((readWord(bytes, 0) ^ kModelMagic) != quint32(size)) {
        return fail(error, QStringLiteral("not a Zinnia model, or truncated"));
    }
    if (readWord(bytes, 4) != kModelVersion) {
        return fail(error, QStringLiteral("unknown Zinnia model version %1").arg(readWord(bytes, 4)));
    }
    const quint32 count = readWord(bytes, 8);
    qsizetype at = 12;
    for (quint32 i = 0; i < count; ++i) {
        if (size - at < kNameBytes + 4) {
            return fail(error, QStringLiteral("class %1 runs past the end").arg(i));
        }
        at += kNameBytes + 4;
        while (true) {
            if (size - at < kNodeBytes) {
                return fail(error, QStringLiteral("class %1 runs past the end").arg(i));
            }
            const qint32 index = qint32(readWord(bytes, at));
            at += kNodeBytes;
            if (index == -1) {
                break;
            }
            if (index < 0) {
                return fail(error, QStringLiteral("class %1 has a negative feature index").arg(i));
            }
        }
    }
    if (at != size) {
        return fail(error, QStringLiteral("%1 bytes after the last class").arg(size - at));
    }
    if (classes != nullptr) {
        *classes = int(count);
    }
    return true;
}

HandwritingModel::~HandwritingModel() {
    if (recognizer_) {
        recognizer_->close();
    }
}

std::unique_ptr<HandwritingModel> HandwritingModel::open(const QString& path, StrokeForm form,
                                                         QString* error) {
    std::unique_ptr<HandwritingModel> model(new HandwritingModel);
    model->path_ = path;
    model->form_ = form;
    model->file_.setFileName(path);
    if (!model->file_.open(QIODevice::ReadOnly)) {
        fail(error, QStringLiteral("cannot open %1").arg(path));
        return nullptr;
    }
    const qint64 size = model->file_.size();
    if (size <= 0 || size > std::numeric_limits<qint32>::max()) {
        fail(error, QStringLiteral("%1 is not a Zinnia model").arg(path));
        return nullptr;
    }
    // Mapped, not read: the pages of a large model are shared with the page cache and load on demand.
    const uchar* data = model->file_.map(0, size);
    if (data == nullptr) {
        fail(error, QStringLiteral("cannot map %1").arg(path));
        return nullptr;
    }
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString why;
    if (!isValidZinniaModel(bytes, &model->classes_, &why)) {
        fail(error, QStringLiteral("%1: %2").arg(path, why));
        return nullptr;
    }
    QFile counts(strokeCountsPath(path));
    if (counts.open(QIODevice::ReadOnly)) {
        model->strokeCounts_ = parseStrokeCounts(counts.read(kMaxStrokeCountBytes));
    }
    QFile shapes(shapesPath(path));
    if (shapes.open(QIODevice::ReadOnly)) {
        model->shapes_ = parseShapes(shapes.read(kMaxShapeBytes));
        for (auto it = model->shapes_.cbegin(); it != model->shapes_.cend(); ++it) {
            model->shapesByStrokes_[int(it.value().size())].append(it.key());
        }
    }
    model->recognizer_.reset(zinnia::Recognizer::create());
    if (!model->recognizer_->open(bytes.data(), size_t(size))) {
        fail(error, QStringLiteral("%1: %2").arg(path, QString::fromUtf8(model->recognizer_->what())));
        return nullptr;
    }
    return model;
}

QList<Candidate> HandwritingModel::classify(const Strokes& strokes, double side, int count) const {
    QList<Candidate> candidates;
    if (count <= 0) {
        return candidates;
    }
    const std::unique_ptr<zinnia::Character> character =
        makeZinniaCharacter(inForm(strokes, form_, side), side);
    if (!character) {
        return candidates;
    }
    const bool byShape = !shapes_.isEmpty();
    const bool rerank = byShape || !strokeCounts_.isEmpty();
    const size_t asked = size_t(rerank ? std::max(count, kRerankWindow) : count);
    const std::unique_ptr<zinnia::Result> result(recognizer_->classify(*character, asked));
    if (!result) {
        return candidates;
    }
    const int written =
        int(std::count_if(strokes.cbegin(), strokes.cend(), [](const Stroke& s) { return !s.isEmpty(); }));
    candidates.reserve(qsizetype(result->size()));
    float lowest = 0;
    for (size_t i = 0; i < result->size(); ++i) {
        const char* value = result->value(i);
        // Names are 16 bytes and not always terminated.
        Candidate candidate{QString::fromUtf8(value, qsizetype(strnlen(value, size_t(kNameBytes)))),
                            result->score(i)};
        lowest = i == 0 ? candidate.score : std::min(lowest, candidate.score);
        if (rerank) {
            const int strokesOf = strokeCounts_.value(candidate.character, written);
            candidate.score -= float(strokePenalty_ * std::abs(strokesOf - written));
        }
        candidates.append(candidate);
    }
    if (byShape) {
        const CharacterShape shape = shapeOf(strokes, side);
        QSet<QString> offered;
        for (Candidate& candidate : candidates) {
            offered.insert(candidate.character);
            const auto known = shapes_.constFind(candidate.character);
            if (known != shapes_.cend()) {
                candidate.score -= float(shapeWeight_ * shapeDistance(shape, *known));
            }
        }
        // Characters the model did not offer count as scored at its last offer; only those that would
        // reach the row are worth comparing to the end.
        std::vector<float> scores;
        for (const Candidate& candidate : std::as_const(candidates)) {
            scores.push_back(candidate.score);
        }
        float entry = -std::numeric_limits<float>::infinity();
        if (qsizetype(scores.size()) >= count) {
            std::nth_element(scores.begin(), scores.begin() + (count - 1), scores.end(), std::greater<>());
            entry = scores[size_t(count - 1)];
        }
        for (int near = written - 1; shapeScan_ && near <= written + 1; ++near) {
            const float base = lowest - float(strokePenalty_ * std::abs(near - written));
            const double limit = shapeWeight_ > 0 ? double(base - entry) / shapeWeight_
                                                  : std::numeric_limits<double>::infinity();
            if (limit <= 0) {
                continue;
            }
            for (const QString& other : shapesByStrokes_.value(near)) {
                if (offered.contains(other)) {
                    continue;
                }
                const double distance = shapeDistance(shape, *shapes_.constFind(other), limit);
                if (distance <= limit) {
                    candidates.append({other, base - float(shapeWeight_ * distance)});
                }
            }
        }
    }
    if (rerank) {
        std::stable_sort(candidates.begin(), candidates.end(),
                         [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
        candidates.resize(std::min<qsizetype>(candidates.size(), count));
    }
    return candidates;
}

QString singleCharacter(const QByteArray& utf8) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString character = decoder.decode(utf8);
    return !decoder.hasError() && character.toUcs4().size() == 1 ? character : QString();
}

QHash<QString, int> HandwritingModel::parseStrokeCounts(const QByteArray& text) {
    QHash<QString, int> counts;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() != 2) {
            continue;
        }
        const QString character = singleCharacter(fields[0]);
        bool ok = false;
        const int strokes = fields[1].toInt(&ok);
        if (ok && strokes > 0 && strokes <= 64 && !character.isEmpty()) {
            counts.insert(character, strokes);
        }
    }
    return counts;
}

} // namespace qinghe::pad
