#pragma once

#include "pad/ink.h"
#include "pad/stroke_shapes.h"

#include <QByteArrayView>
#include <QFile>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace zinnia {
class Character;
class Recognizer;
} // namespace zinnia

namespace qinghe::pad {

// Recognition works in a square of this many units whatever the size of the writing square, so whole
// pixels of a small square keep their precision. The training samples use the same square.
inline constexpr double kRecognitionUnits = 1024.0;

struct Candidate {
    QString character;
    float score = 0;
};

// How strokes are given to a model: as written, or in the canonical form our own model is trained on.
// In the canonical form every stroke runs from the end that comes first in reading order (higher up,
// then further left) and the strokes are ordered by where their middles lie, so a stroke written
// backwards or in its neighbour's turn gives the same input as the standard order does.
// The fitted form is the canonical one moved and scaled (the same on both axes) so that the ink fills
// the middle of the square: where and how large a child writes then no longer matters.
enum class StrokeForm { AsWritten, Turned, Canonical, Fitted };
Strokes canonicalStrokes(const Strokes& strokes, bool reorder = true);
Strokes fittedStrokes(const Strokes& strokes, double side);
// Strokes written in a square of `side` units, in the given form, in the same square.
Strokes inForm(const Strokes& strokes, StrokeForm form, double side);

// Strokes written in a square of `side` units (y down) as Zinnia input: scaled to kRecognitionUnits,
// clamped to the square; empty strokes are left out. Null when no stroke has a point.
std::unique_ptr<zinnia::Character> makeZinniaCharacter(const Strokes& strokes, double side,
                                                       const QString& label = {});

// The files beside a model start each line with one character in UTF-8: that character, or empty
// when the field is not exactly one well-formed character.
QString singleCharacter(const QByteArray& utf8);

// Whether `bytes` are a complete Zinnia model: header, then per class a 16-byte name, a bias and
// (index, weight) pairs ending with index -1, exactly filling the file. Zinnia itself trusts the file;
// a damaged one would make it read out of bounds, so every model is checked first.
bool isValidZinniaModel(QByteArrayView bytes, int* classes = nullptr, QString* error = nullptr);

// One Zinnia model, mapped from its file. Classifying is const and may run on any thread.
class HandwritingModel {
public:
    ~HandwritingModel();
    HandwritingModel(const HandwritingModel&) = delete;
    HandwritingModel& operator=(const HandwritingModel&) = delete;

    // Null with `error` set when the file is missing, damaged or not a Zinnia model.
    static std::unique_ptr<HandwritingModel>
    open(const QString& path, StrokeForm form = StrokeForm::AsWritten, QString* error = nullptr);

    const QString& path() const { return path_; }
    int classes() const { return classes_; }
    StrokeForm form() const { return form_; }

    // The best `count` characters for strokes written in a square of `side` units, best first.
    QList<Candidate> classify(const Strokes& strokes, double side, int count) const;

    // Our model comes with each character's stroke count (`<model>.strokes`, lines "字 N"). The
    // classes are trained against characters of their own stroke count, so their scores are only
    // comparable within one count: each stroke too many or too few costs a character this much score.
    static constexpr double kDefaultStrokePenalty = 0.5;
    static QString strokeCountsPath(const QString& modelPath) {
        return modelPath + QStringLiteral(".strokes");
    }
    static QHash<QString, int> parseStrokeCounts(const QByteArray& text);
    qsizetype strokeCounts() const { return strokeCounts_.size(); }
    void setStrokePenalty(double penalty) { strokePenalty_ = penalty; }

    // Our model also comes with each character's shape (`<model>.shapes`, see stroke_shapes.h). The
    // candidates are then ordered by the model's score less this weight times the shape distance,
    // and characters whose stroke count is within one of the written one are compared by shape even
    // when the model did not offer them.
    static constexpr double kDefaultShapeWeight = 20.0;
    static QString shapesPath(const QString& modelPath) { return modelPath + QStringLiteral(".shapes"); }
    qsizetype shapes() const { return shapes_.size(); }
    void setShapeWeight(double weight) { shapeWeight_ = weight; }
    void setShapeScan(bool scan) { shapeScan_ = scan; }

private:
    HandwritingModel() = default;

    QString path_;
    QFile file_;
    int classes_ = 0;
    StrokeForm form_ = StrokeForm::AsWritten;
    std::unique_ptr<zinnia::Recognizer> recognizer_;
    QHash<QString, int> strokeCounts_;
    double strokePenalty_ = kDefaultStrokePenalty;
    QHash<QString, CharacterShape> shapes_;
    QHash<int, QStringList> shapesByStrokes_;
    double shapeWeight_ = kDefaultShapeWeight;
    bool shapeScan_ = true;
};

} // namespace qinghe::pad
