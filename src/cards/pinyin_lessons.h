#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace qinghe {

// The pinyin lessons in teaching order, one movie each. The entries are written with the Latin
// letters ɑ (U+0251) and ɡ (U+0261), as primary-school books print them, and each entry is also the
// movie's file name, so the code points matter.
const QStringList& pinyinLessonEntries();

// "Data\Res\pinyin\<entry>.swf"
QString pinyinMoviePath(const QString& entry);
// The empty movie that clears the host when the window closes.
QString pinyinBlankMoviePath();
// "汉语拼音————当前正在学习【<entry>】"
QString pinyinLessonHeading(const QString& entry);

// The colour behind the pinyin movies, as the host takes it (0xBBGGRR).
constexpr int kPinyinMovieBackground = 176553;

// Our pinyin movies speak by sending "speak" with a recording path relative to the pinyin movie
// folder ("sound/bo1.mp3"). Gives the path relative to the program folder, or nothing for a path
// that would leave that folder (absolute, a drive or scheme, "..") or is empty.
std::optional<QString> pinyinRecordingPath(QStringView argument);

inline const QString kPinyinSpeakCommand = QStringLiteral("speak");

} // namespace qinghe
