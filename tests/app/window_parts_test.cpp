#include "app/lesson_movie_command.h"
#include "app/lesson_segments.h"
#include "app/main_toolbar.h"
#include "app/test_paper_menu.h"
#include "app/window_parking.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QMenu>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace qinghe {
namespace {

TEST(LessonMovieCommand, ParsesEveryCommandAndRejectsBadRanges) {
    using Kind = LessonMovieCommand::Kind;
    struct Case {
        QString command, arguments;
        Kind kind;
        int wordGroup;
        qint64 start, end;
    };
    const Case cases[] = {
        {QStringLiteral("btnbkyd"), {}, Kind::ShowLessonCard, 0, 0, 0},
        {QStringLiteral("btnkwxx"), {}, Kind::OpenClickRead, 0, 0, 0},
        {QStringLiteral("read_lx"), QStringLiteral("true"), Kind::ReadLesson, 0, 0, 0},
        {QStringLiteral("read_lx"), QStringLiteral("false"), Kind::StopReading, 0, 0, 0},
        {QStringLiteral("read_lx"), QStringLiteral("True"), Kind::StopReading, 0, 0, 0},
        {QStringLiteral("read_lx"), {}, Kind::StopReading, 0, 0, 0},
        {QStringLiteral("lesson_page"), QStringLiteral("3"), Kind::PageTurned, 0, 0, 0},
        {QStringLiteral("btnzcsj"), {}, Kind::QuickMemorise, 0, 0, 0},
        {QStringLiteral("btnhanzi"), {}, Kind::SpeakCharacter, 0, 0, 0},
        {QStringLiteral("readci1"), {}, Kind::SpeakWordGroup, 0, 0, 0},
        {QStringLiteral("readci3"), {}, Kind::SpeakWordGroup, 2, 0, 0},
        {QStringLiteral("readci4"), {}, Kind::Ignored, 0, 0, 0},
        {QStringLiteral("readjuzi"), {}, Kind::SpeakSentence, 0, 0, 0},
        {QStringLiteral("lesson_play"), QStringLiteral("0,0"), Kind::PlaySegment, 0, 0, 0},
        {QStringLiteral("lesson_play"), QStringLiteral("1000,0"), Kind::PlaySegment, 0, 1000, 0},
        {QStringLiteral("lesson_play"), QStringLiteral("1000,2500"), Kind::PlaySegment, 0, 1000, 2500},
        {QStringLiteral("lesson_play"), QStringLiteral(" 5 , 9000000000 "), Kind::PlaySegment, 0, 5,
         9000000000LL},
        {QStringLiteral("lesson_play"), QStringLiteral("2500,1000"), Kind::Ignored, 0, 0, 0},
        {QStringLiteral("lesson_play"), QStringLiteral("-1,100"), Kind::Ignored, 0, 0, 0},
        {QStringLiteral("lesson_play"), QStringLiteral("a,b"), Kind::Ignored, 0, 0, 0},
        {QStringLiteral("lesson_play"), QStringLiteral("100"), Kind::Ignored, 0, 0, 0},
        {QStringLiteral("lesson_play"), QStringLiteral("1,2,3"), Kind::Ignored, 0, 0, 0},
        {QStringLiteral("Lesson_Play"), QStringLiteral("1,2"), Kind::Ignored, 0, 0, 0},
        {QStringLiteral("whatever"), {}, Kind::Ignored, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const LessonMovieCommand parsed = parseLessonMovieCommand(c.command, c.arguments);
        EXPECT_EQ(parsed.kind, c.kind) << c.command.toStdString() << " " << c.arguments.toStdString();
        EXPECT_EQ(parsed.wordGroup, c.wordGroup) << c.command.toStdString();
        EXPECT_EQ(parsed.start, c.start) << c.command.toStdString() << " " << c.arguments.toStdString();
        EXPECT_EQ(parsed.end, c.end) << c.command.toStdString() << " " << c.arguments.toStdString();
    }
}

TEST(LessonSegments, TextWithTheRangesOfItsRecording) {
    const QByteArray text = "0\t秋天到\tqiū tiān dào\r\n"
                            "1\t秋风吹，秋天到，\tqiū fēng chuī, qiū tiān dào,\n"
                            "not a line\n"
                            "x\t坏\thuài\n"
                            "2\t最后一句。\tzuì hòu yí jù.\n"
                            "3\t没有录音。\tméi yǒu lù yīn.\n";
    const QByteArray timings = "0\t0\t4180\t0.000\t1.045\t秋天到\n"
                               "1\t4180\t9614\t1.045\t2.403\t秋风吹，秋天到，\n"
                               "2\t9614\t0\t2.403\t4.0\t另一个版本的句子。\n" // the text changed since
                               "3\t900\t100\t0\t0\t没有录音。\n"              // reversed range
                               "4\t-5\t100\t0\t0\t负\n";
    const QList<LessonSegment> merged =
        mergeLessonSegments(parseLessonText(text), parseLessonTimings(timings));
    ASSERT_EQ(merged.size(), 4);
    EXPECT_EQ(merged[0].py, QStringLiteral("qiū tiān dào"));
    EXPECT_EQ(merged[1].start, 4180);
    EXPECT_EQ(merged[1].end, 9614);
    EXPECT_FALSE(merged[2].playable());
    EXPECT_FALSE(merged[3].playable());
    EXPECT_EQ(lessonSegmentsJson({merged[0], merged[3]}),
              QStringLiteral("[{\"end\":4180,\"py\":\"qiū tiān dào\",\"start\":0,\"zh\":\"秋天到\"},"
                             "{\"py\":\"méi yǒu lù yīn.\",\"zh\":\"没有录音。\"}]"));

    // No recording yet: the text alone.
    EXPECT_FALSE(mergeLessonSegments(parseLessonText(text), {}).front().playable());

    QByteArray huge;
    for (int i = 0; i < 5000; ++i) {
        huge += QByteArray::number(i) + "\t字\tzì\n";
    }
    EXPECT_EQ(parseLessonText(huge).size(), 2000);
    EXPECT_TRUE(parseLessonText(QByteArray("\xff\xfe\x00\x01", 4)).isEmpty());
    EXPECT_TRUE(parseLessonTimings(QByteArray()).isEmpty());
    EXPECT_EQ(lessonSegmentsJson({}), QStringLiteral("[]"));
}

TEST(TestPaperMenu, XmlFilesByNameWithoutExtension) {
    QTemporaryDir dir;
    for (const char* name : {"第二单元测试.xml", "第一单元测试.XML", "notes.txt", "期末.xml"}) {
        test::writeFile(dir.path() + u'/' + QString::fromUtf8(name), "<x/>");
    }
    QDir(dir.path()).mkdir(QStringLiteral("folder.xml"));
    const QStringList names = testPaperNames(dir.path());
    EXPECT_EQ(names.size(), 3);
    EXPECT_TRUE(names.contains(QStringLiteral("第一单元测试")));
    EXPECT_FALSE(names.contains(QStringLiteral("folder")));
    EXPECT_TRUE(testPaperNames(dir.path() + QStringLiteral("/missing")).isEmpty());
    EXPECT_EQ(testPaperIcon(1, 0), 0);
    EXPECT_EQ(testPaperIcon(3, 4), 4);
    EXPECT_EQ(testPaperIcon(2, 4), 12);
}

TEST(WindowParking, MinusFiveThousandMinusLeftBothWays) {
    QWidget window;
    window.move(120, 30);
    toggleParking(&window);
    EXPECT_EQ(window.x(), -5120);
    EXPECT_TRUE(isParked(&window));
    toggleParking(&window);
    EXPECT_EQ(window.x(), 120);
    EXPECT_FALSE(isParked(&window));
}

TEST(MainToolBar, CaptionsHintsSizesAndMenus) {
    QWidget window;
    MainToolBar bar(&window);
    QStringList captions;
    QStringList hints;
    for (QToolButton* button : bar.buttons()) {
        captions << button->text();
        hints << button->property("hint").toString();
        EXPECT_EQ(button->size(), QSize(93, 63));
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    }
    EXPECT_EQ(
        captions,
        (QStringList{QStringLiteral("同步学课文"), QStringLiteral(" 字词学习 "), QStringLiteral(" 每课测验 "),
                     QStringLiteral("综合测试"), QStringLiteral(" 字词速记 "), QStringLiteral(" 字词练习 "),
                     QStringLiteral(" 我念你写 "), QStringLiteral("专项学习"), QStringLiteral(" 生字表 "),
                     QStringLiteral(" 设 置 "), QStringLiteral(" 退  出 ")}));
    EXPECT_EQ(hints, (QStringList{QStringLiteral("tbxkw"), QStringLiteral("zcxx"), QStringLiteral("mkcy"),
                                  QStringLiteral("zhcs"), QStringLiteral("zcsj"), QStringLiteral("zclx"),
                                  QStringLiteral("wnnx"), QStringLiteral("zxxx"), QStringLiteral("szb"),
                                  QStringLiteral("set"), QStringLiteral("home")}));

    // A click never changes a group button by itself; the program does.
    bar.quickMemoriseButton()->click();
    EXPECT_FALSE(bar.isDown(MainToolBar::Mode::QuickMemorise));
    bar.setMode(MainToolBar::Mode::Dictation);
    bar.setMode(MainToolBar::Mode::Lesson);
    EXPECT_TRUE(bar.isDown(MainToolBar::Mode::Lesson));
    EXPECT_FALSE(bar.isDown(MainToolBar::Mode::Dictation));

    QStringList drills;
    for (QAction* item : bar.drillsButton()->menu()->actions()) {
        drills << item->text() + u'/' + item->objectName();
    }
    EXPECT_EQ(drills, (QStringList{QStringLiteral("听发音认汉字/N21"), QStringLiteral("看拼音认汉字/N19"),
                                   QStringLiteral("听发音认拼音/N20"), QStringLiteral("看汉字认拼音/N18")}));
    EXPECT_EQ(bar.unitCardMenu(1)->title(), QStringLiteral("一年级上册单元知识点归纳"));
    EXPECT_EQ(bar.unitCardMenu(1)->actions().size(), 8);
    EXPECT_EQ(bar.unitCardMenu(10)->actions().size(), 7);
    EXPECT_EQ(bar.unitCardMenu(10)->actions()[2]->text(), QStringLiteral("第四单元"));
    EXPECT_EQ(bar.unitCardMenu(12)->actions().size(), 5);
    EXPECT_TRUE(bar.startGradeItem(1)->isChecked());
    EXPECT_EQ(bar.startGradeItem(6)->text(), QStringLiteral("6年级"));
    EXPECT_TRUE(bar.fontSizeItem(2)->isChecked());
    EXPECT_EQ(bar.fontSizeItem(0)->text(), QStringLiteral("大　字"));
    EXPECT_FALSE(bar.voicePromptsItem()->isVisible());
    EXPECT_FALSE(bar.voicePromptsItem()->isChecked());
    EXPECT_EQ(bar.testPaperBookMenu(12)->title(), QStringLiteral("六年级下册"));
}

} // namespace
} // namespace qinghe
