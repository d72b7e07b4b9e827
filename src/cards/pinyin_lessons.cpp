#include "cards/pinyin_lessons.h"

namespace qinghe {

namespace {

const QString kPinyinFolder = QStringLiteral("Data\\Res\\pinyin\\");

// Longer arguments are no recording of ours; refusing them keeps the resolver's work bounded.
constexpr qsizetype kMaxRecordingPath = 260;

} // namespace

const QStringList& pinyinLessonEntries() {
    // \u0251 is ɑ and \u0261 is ɡ.
    static const QStringList entries =
        QStringLiteral("\u0251 o e i u ü y w b p m f d t n l \u0261 k h j q x z c s zh ch sh r "
                       "\u0251i ei ui \u0251o ou iu ie üe er \u0251n en in un ün "
                       "\u0251n\u0261 en\u0261 in\u0261 on\u0261 zhi chi shi ri zi ci si "
                       "yi wu yu ye yue yu\u0251n yin yun yin\u0261")
            .split(u' ');
    return entries;
}

QString pinyinMoviePath(const QString& entry) {
    return kPinyinFolder + entry + QStringLiteral(".swf");
}

QString pinyinBlankMoviePath() {
    return kPinyinFolder + QStringLiteral("blank.swf");
}

QString pinyinLessonHeading(const QString& entry) {
    return QStringLiteral("汉语拼音————当前正在学习【") + entry + QStringLiteral("】");
}

std::optional<QString> pinyinRecordingPath(QStringView argument) {
    const QString path = argument.trimmed().toString();
    if (path.isEmpty() || path.size() > kMaxRecordingPath || path.startsWith(u'/') ||
        path.startsWith(u'\\') || path.contains(u':') || path.contains(QChar(0))) {
        return std::nullopt;
    }
    QStringList parts;
    for (const QString& part : QString(path).replace(u'\\', u'/').split(u'/')) {
        if (part.isEmpty() || part == u"..") {
            return std::nullopt;
        }
        if (part != u".") {
            parts << part;
        }
    }
    if (parts.isEmpty()) {
        return std::nullopt;
    }
    return kPinyinFolder + parts.join(u'\\');
}

} // namespace qinghe
