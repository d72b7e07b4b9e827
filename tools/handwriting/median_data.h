#pragma once

#include "pad/ink.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace qinghe::handwriting {

// The stroke data (hanzi-writer-data) gives each stroke's centre line ("median") in a 1024-unit em
// square with y pointing up and the top at y = 900. Samples are made in the same square with y down.
inline constexpr double kMedianUnits = 1024.0;
inline constexpr double kMedianTop = 900.0;

// Bounds far above any real character; more is damaged or hostile input.
inline constexpr qsizetype kMaxMedianFileBytes = 1024 * 1024;
inline constexpr int kMaxMedianStrokes = 64;
inline constexpr int kMaxMedianPoints = 256;

// The medians of one character file ({"medians": [[[x, y], ...], ...], ...}), flipped to y down.
// Nullopt with `error` set when the file holds no usable medians.
std::optional<pad::Strokes> parseMedians(const QByteArray& json, QString* error = nullptr);

// <package>/<character>.json
std::optional<pad::Strokes> loadMedians(const QString& packageDirectory, const QString& character,
                                        QString* error = nullptr);

} // namespace qinghe::handwriting
