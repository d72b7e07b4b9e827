#pragma once

#include "handwriting/model_training.h"

#include <QByteArray>
#include <QString>

namespace qinghe::handwriting {

// Where the pad looks for our model, relative to the program folder, and what travels with it.
inline const QString kModelFolder = QStringLiteral("Data/hand/");
inline const QString kModelFile = QStringLiteral("qinghe.model");
inline const QString kModelKeyFile = QStringLiteral("qinghe.model.key");
inline const QString kLicenceFile = QStringLiteral("ARPHICPL.TXT");
inline const QString kNoticeFile = QStringLiteral("README.txt");

// A key of everything the model is made from: the training options, Zinnia's version, and every
// character with its medians. The same key means the same model; training is skipped.
QString modelRecipeKey(const QList<TrainingCharacter>& characters, const TrainingOptions& options);

// True when `modelFolder` holds a complete model made with `key`.
bool modelUpToDate(const QString& modelFolder, const QString& key);

// Each character's stroke count, as the model reads them ("字 N" lines).
QByteArray strokeCountsText(const QList<TrainingCharacter>& characters);

// Each character's shape for the second opinion of the pad ("字 <hex>…" lines, see pad/stroke_shapes.h).
QByteArray shapesText(const QList<TrainingCharacter>& characters);

// True when the file at `path` holds exactly `bytes`.
bool sameContents(const QString& path, const QByteArray& bytes);

// The notice kept beside the model: what it is made from and under which licence.
QByteArray modelNotice(const QString& packageVersion, int classes);

} // namespace qinghe::handwriting
