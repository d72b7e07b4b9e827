#include "keypoints/key_point_texts.h"
#include "stages.h"

namespace qinghe::edition {

namespace {

// Lesson cards are written for the first four books, where a child reads with a parent.
constexpr int kLastBookWithLessonCards = 4;

} // namespace

bool runKeyPointsStage(StageContext& context) {
    int written = 0;
    int lessonTexts = 0;
    int lessonNotes = 0;
    int unitTexts = 0;
    int unitNotes = 0;
    const auto write = [&](const QString& relative, const QByteArray& bytes) {
        bool changed = false;
        const bool ok = context.out.writeIfChanged(relative, bytes, &changed);
        written += changed ? 1 : 0;
        return ok;
    };
    bool ok = true;
    // The program names both documents by the book's own number, in a one-book installation too.
    for (const PlacedBook& placed : placedBooks(context.edition, context.options)) {
        const Book& book = *placed.book;
        const QString stem = kEditionFolder + QStringLiteral("xml/book") + QString::number(book.number);
        if (book.number <= kLastBookWithLessonCards) {
            ok = write(stem + QStringLiteral(".xml"), lessonKeyPointsDocument(book)) && ok;
            for (const Unit& unit : book.units) {
                lessonTexts += int(unit.lessons.size());
                for (const Lesson& lesson : unit.lessons) {
                    lessonNotes += lesson.keypoints.isEmpty() ? 0 : 1;
                }
            }
        }
        ok = write(stem + QStringLiteral("_dyzs.xml"), unitKeyPointsDocument(book)) && ok;
        unitTexts += int(book.units.size());
        for (const Unit& unit : book.units) {
            unitNotes += unit.keypoints.isEmpty() ? 0 : 1;
        }
    }
    context.report << QStringLiteral(
                          "key points: %1 files written; %2 lesson cards (%3 with an authored note), "
                          "%4 unit cards (%5 with an authored note)")
                          .arg(written)
                          .arg(lessonTexts)
                          .arg(lessonNotes)
                          .arg(unitTexts)
                          .arg(unitNotes);
    return ok;
}

} // namespace qinghe::edition
