#include "catalogue/current_lesson.h"

namespace qinghe {

namespace {
QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}
} // namespace

QString lessonKey(int unitNumber, int lessonNumber) {
    return QStringLiteral("lesson") + QString::number(unitNumber) + twoDigits(lessonNumber);
}

QString CurrentLesson::lessonReadingFile(const QString& edition) const {
    return QStringLiteral("DATA\\") + edition + QStringLiteral("\\lessonread\\") + bb + uu + ll +
           QStringLiteral(".mp3");
}

CurrentLesson makeCurrentLesson(const LessonPlace& place, const QString& bookMode, const QString& edition) {
    CurrentLesson lesson;
    lesson.bookPosition = place.bookIndex + 1;
    lesson.bookNumber = lesson.bookPosition;
    if (bookMode != u"0") {
        bool ok = false;
        const int single = bookMode.trimmed().toInt(&ok);
        if (ok) {
            lesson.bookNumber = single;
        }
    }
    lesson.unitNumber = place.unitIndex + 1;
    lesson.lessonNumber = place.lessonIndex + 1;
    lesson.bb = twoDigits(lesson.bookPosition);
    lesson.uu = twoDigits(lesson.unitNumber);
    lesson.ll = twoDigits(lesson.lessonNumber);
    lesson.lessonKey = lessonKey(lesson.unitNumber, lesson.lessonNumber);
    lesson.lessonTitle = place.lessonCaption;
    lesson.unitTitle = place.unitCaption;
    lesson.bookTitle = place.bookCaption;
    lesson.displayTitle =
        place.bookCaption + QStringLiteral("→【") + place.lessonCaption + QStringLiteral("】");
    const QString folder = QStringLiteral("Data\\") + edition + QStringLiteral("\\xml\\");
    lesson.characterFile =
        folder + QStringLiteral("hanzi") + QString::number(lesson.bookPosition) + QStringLiteral(".xml");
    lesson.wordFile =
        folder + QStringLiteral("ciyu") + QString::number(lesson.bookPosition) + QStringLiteral(".xml");
    return lesson;
}

} // namespace qinghe
