#include "base/base64_text.h"
#include "base/path_resolver.h"
#include "cards/key_point_records.h"
#include "cards/lesson_card_window.h"
#include "cards/unit_card_window.h"
#include "catalogue/run_state.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace qinghe {
namespace {

const QString kLessonNote = QStringLiteral("【会写的字】\n天　地　人\n【学习提示】\n和孩子一起读一读课文。");
const QString kUnitNote = QStringLiteral("【本单元课文】\n《秋天》《小小的船》\n【学习要点】\n背诵儿歌。");

QByteArray records(const QList<QPair<QByteArray, QString>>& entries) {
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<book>\n";
    for (const auto& [name, text] : entries) {
        xml += "  <" + name + " LessonInfo=\"" + base64EncodeText(text).toLatin1() + "\"/>\n";
    }
    return xml + "</book>\n";
}

// An installation with key-point documents for book 3, the state of the main window and a stand-in
// for the main window.
class CardWindowTest : public ::testing::Test {
protected:
    CardWindowTest()
        : paths(dir.path()) {
        state.programDirectory = dir.path() + u'/';
        state.settings.edition = QStringLiteral("rj");
        write(QStringLiteral("Data/RJ/xml/book3.xml"),
              records({{"lesson1050", QStringLiteral("第十单元第五十课，不该出现")},
                       {"lesson104", QStringLiteral("第四课")},
                       {"lesson105", kLessonNote}}));
        write(QStringLiteral("Data/RJ/xml/book3_dyzs.xml"),
              records({{"lesson30", QStringLiteral("不该出现")}, {"lesson3", kUnitNote}}));
        selectLesson(3, 1, 5, QStringLiteral("小蝌蚪找妈妈"));
    }

    void write(const QString& relative, const QByteArray& bytes) {
        test::writeFile(dir.filePath(relative), bytes);
    }

    void selectLesson(int book, int unit, int lesson, const QString& title) {
        CurrentLesson current;
        current.bookPosition = 1; // a one-book installation: the documents go by the book's own number
        current.bookNumber = book;
        current.unitNumber = unit;
        current.lessonNumber = lesson;
        current.lessonKey = lessonKey(unit, lesson);
        current.lessonTitle = title;
        state.lesson = current;
    }

    static QRect screen() { return QGuiApplication::primaryScreen()->geometry(); }

    // Pixels of the text box close to the card's dark green.
    static int greenPixels(KeyPointCardWindow& card) {
        const QImage image = card.textBox()->viewport()->grab().toImage();
        int green = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                green += c.red() < 60 && c.green() > 90 && c.green() < 160 && c.blue() < 100 ? 1 : 0;
            }
        }
        return green;
    }

    QTemporaryDir dir;
    PathResolver paths;
    RunState state;
    QWidget mainWindow;
};

TEST_F(CardWindowTest, LessonCardShowsTheCurrentLessonsRecord) {
    LessonCardWindow card(state, paths, &mainWindow);
    EXPECT_EQ(card.windowTitle(), QStringLiteral("本课要点"));
    EXPECT_TRUE(card.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(card.isWindow());
    // Three fifths of the screen, centred.
    const QRect s = screen();
    EXPECT_EQ(card.size(), QSize(s.width() * 3 / 5, s.height() * 3 / 5));
    EXPECT_EQ(card.pos(), QPoint(s.x() + (s.width() - s.width() * 3 / 5) / 2,
                                 s.y() + (s.height() - s.height() * 3 / 5) / 2));

    card.showForCurrentLesson();
    EXPECT_TRUE(card.isVisible());
    EXPECT_EQ(card.title(), QStringLiteral("\u3000\u3000\u3000《小蝌蚪找妈妈》课文要点"));
    EXPECT_EQ(card.text(), kLessonNote);
    EXPECT_TRUE(card.textBox()->isReadOnly());
    EXPECT_EQ(card.textBox()->font().family(), QStringLiteral("宋体"));
    EXPECT_EQ(card.textBox()->font().pixelSize(), 24);
    EXPECT_EQ(card.textBox()->palette().color(QPalette::Text), QColor(0x00, 0x80, 0x40));
    EXPECT_EQ(card.textBox()->palette().color(QPalette::Base), QColor(0xF4, 0xFF, 0xFF));
    EXPECT_EQ(card.textBox()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_GT(greenPixels(card), 200);
    // The focus waits in the invisible field, so the text shows no caret.
    EXPECT_EQ(card.focusWidget(), card.focusTarget());
    EXPECT_EQ(card.focusTarget()->size(), QSize(0, 0));
    EXPECT_TRUE(card.focusTarget()->isVisible());
    EXPECT_EQ(card.printButton()->toolTip(), QStringLiteral("点击可打印"));
    EXPECT_EQ(card.titleLabel()->palette().color(QPalette::WindowText), QColor(Qt::white));

    // Another lesson: the text is read afresh; the window keeps its place and size.
    card.move(40, 30);
    selectLesson(3, 1, 4, QStringLiteral("青蛙"));
    card.showForCurrentLesson();
    EXPECT_EQ(card.text(), QStringLiteral("第四课"));
    EXPECT_EQ(card.title(), QStringLiteral("\u3000\u3000\u3000《青蛙》课文要点"));
    EXPECT_EQ(card.pos(), QPoint(40, 30));

    // No record, no document, no lesson: an empty card, no message.
    selectLesson(3, 2, 1, QStringLiteral("没有要点"));
    card.showForCurrentLesson();
    EXPECT_EQ(card.text(), QString());
    EXPECT_TRUE(card.isVisible());
    selectLesson(7, 1, 5, QStringLiteral("别的书"));
    card.showForCurrentLesson();
    EXPECT_EQ(card.text(), QString());
    state.lesson.reset();
    card.showForCurrentLesson();
    EXPECT_EQ(card.text(), QString());
    EXPECT_EQ(card.title(), QStringLiteral("\u3000\u3000\u3000《》课文要点"));
}

TEST_F(CardWindowTest, UnitCardShowsTheHandedOverUnit) {
    UnitCardWindow card(state, paths, &mainWindow);
    EXPECT_EQ(card.windowTitle(), QStringLiteral("单元基础知识点归纳"));
    EXPECT_TRUE(card.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QRect s = screen();
    EXPECT_EQ(card.size(), QSize(s.width() * 4 / 5, s.height() * 4 / 5));
    EXPECT_EQ(card.pos(), QPoint(s.x() + (s.width() - s.width() * 4 / 5) / 2,
                                 s.y() + (s.height() - s.height() * 4 / 5) / 2));

    // Unit 3 of book 3 (二年级上册): book3_dyzs.xml, record lesson3, not lesson30.
    const QString title = QStringLiteral("\u3000\u3000\u3000第三单元基础知识点归纳");
    card.showUnit(3, 3, title);
    EXPECT_TRUE(card.isVisible());
    EXPECT_EQ(card.title(), title);
    EXPECT_EQ(card.text(), kUnitNote);
    EXPECT_EQ(card.textBox()->font().pixelSize(), 27);
    EXPECT_EQ(card.textBox()->font().family(), QStringLiteral("宋体"));
    EXPECT_EQ(card.focusWidget(), card.focusTarget());
    EXPECT_GT(greenPixels(card), 200);

    // A book without a unit document and a unit without a record leave the card empty.
    card.showUnit(5, 1, QStringLiteral("\u3000\u3000\u3000第一单元基础知识点归纳"));
    EXPECT_EQ(card.text(), QString());
    card.showUnit(3, 2, title);
    EXPECT_EQ(card.text(), QString());
}

TEST_F(CardWindowTest, HostileDocumentsLeaveTheCardEmptyAndHugeTextsAreShown) {
    // Every kind of damage is read in the key-point record tests; here, that the card stays up.
    LessonCardWindow card(state, paths, &mainWindow);
    write(QStringLiteral("Data/RJ/xml/book3.xml"), QByteArray("PK\x03\x04\x00\x00garbage", 14));
    card.showForCurrentLesson();
    EXPECT_EQ(card.text(), QString());
    EXPECT_TRUE(card.isVisible());

    // A megabyte of text, in many lines or in one: shown whole, and the window still paints and scrolls.
    QString lines;
    while (lines.size() < 1024 * 1024) {
        lines += QStringLiteral("第%1段：读一读，想一想，青蛙妈妈和小蝌蚪有什么不一样？\n").arg(lines.size());
    }
    const QString oneLine = QString(lines).replace(u'\n', u'。');
    for (const QString& huge : {lines, oneLine}) {
        write(QStringLiteral("Data/RJ/xml/book3.xml"), records({{"lesson105", huge}}));
        card.showForCurrentLesson();
        EXPECT_EQ(card.text(), huge);
        QCoreApplication::processEvents();
        card.textBox()->verticalScrollBar()->setValue(card.textBox()->verticalScrollBar()->maximum());
        EXPECT_FALSE(card.grab().isNull());
    }
}

TEST_F(CardWindowTest, PrintButtonOpensThePreviewOfTitleAndText) {
    LessonCardWindow card(state, paths, &mainWindow);
    card.showForCurrentLesson();
    QTest::mouseClick(card.printButton(), Qt::LeftButton);
    auto* dialog = card.findChild<QPrintPreviewDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("本课要点"));
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(preview, nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(preview->pageCount(), 1);
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(card.findChild<QPrintPreviewDialog*>(), nullptr);

    // A preview still open when the card goes away goes with it, before the printer it draws on.
    auto* scratch = new LessonCardWindow(state, paths, &mainWindow);
    scratch->showForCurrentLesson();
    const QPointer<QPrintPreviewDialog> open = scratch->openPrintPreview();
    QCoreApplication::processEvents();
    delete scratch;
    EXPECT_TRUE(open.isNull());
}

} // namespace
} // namespace qinghe
