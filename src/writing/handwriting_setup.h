#pragma once

#include <QString>

namespace qinghe {

class PadLink;
class ProcessLauncher;

// The settings file and the key of the start-up question: "1" open the pad at every start, "0" never,
// "-1" not decided yet (the question is asked at start-up).
QString settingsFilePath(const QString& programDirectory);
inline const QString kPadSettingSection = QStringLiteral("SoftBoot");
inline const QString kPadSettingKey = QStringLiteral("Use_HandWrite");

// "开启鼠标写字": stores "1", then starts the pad (every time: a second start only brings the running pad
// forward). Neither a failed write nor a missing pad is reported.
void enableHandwritingPad(ProcessLauncher& launcher, const QString& programDirectory);

// "我不用鼠标写字": stores "0", then tells a running pad to quit.
void disableHandwritingPad(PadLink& pad, const QString& programDirectory);

} // namespace qinghe
