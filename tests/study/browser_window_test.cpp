#include "study/browser/quick_memorise_panel.h"
#include "study/browser/word_button_row.h"
#include "study/browser/word_group_browser.h"
#include "support/fake_audio.h"
#include "support/fake_movie_host.h"
#include "support/fake_prompter.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace qinghe {
namespace {

class BrowserTest : public ::testing::Test {
protected:
    BrowserTest()
        : paths(test::fixtureEdition())
        , records(paths)
        , context{state, records, audio, prompter, random, paths} {
        state.settings.bookMode = QStringLiteral("0");
        selectLesson(0, 0, QStringLiteral("一年级上册"), QStringLiteral("识字(一)"),
                     QStringLiteral("天地人"));
    }

    void selectLesson(int unit, int lesson, const QString& book, const QString& unitTitle,
                      const QString& title) {
        state.lesson = makeCurrentLesson({0, unit, lesson, book, unitTitle, title}, QStringLiteral("0"),
                                         QStringLiteral("rj"));
        records.openBook(state.lesson->characterFile, state.lesson->wordFile);
        state.lists = records.readLessonLists(*state.lesson);
    }

    RunState state;
    const PathResolver paths;
    StudyRecords records;
    test::FakeAudio audio;
    test::FakePrompter prompter;
    SeededRandom random{7};
    StudyContext context;
};

TEST_F(BrowserTest, ShowsTheFirstCharacterWithCardStrokeOrderAndSound) {
    QWidget panel;
    panel.resize(1100, 670);
    test::FakeMovieHost card;
    test::FakeMovieHost stroke;
    card.widget()->setParent(&panel);
    card.widget()->setGeometry(0, 0, 1100, 580);
    stroke.widget()->setParent(&panel);
    WordButtonRow row(&panel);
    row.setGeometry(0, 580, 1100, 90);
    WordGroupBrowser browser(context, card, stroke, row, [] { return 1301; });
    browser.enter();

    EXPECT_TRUE(card.moviePath().endsWith(QStringLiteral("Data/systxt/zcxx.dat")));
    EXPECT_EQ(row.button(0)->text(), QStringLiteral("天"));
    EXPECT_EQ(row.button(2)->text(), QStringLiteral("人"));
    EXPECT_TRUE(row.button(3)->isHidden());
    EXPECT_TRUE(row.nextButton()->isHidden());
    EXPECT_EQ(row.button(0)->x(), (1100 - 3 * 88) / 2);

    const QStringList expected{
        QStringLiteral("setMovie(%1)").arg(card.moviePath()),
        QStringLiteral("setVariable(str_ziimg, 2)"),
        QStringLiteral("setVariable(txt_pinyin, tiān)"),
        QStringLiteral("setVariable(txt_pinyinall, tiān)"),
        QStringLiteral("setVariable(txt_zi, 天)"),
        QStringLiteral("setVariable(txt_book, 1)"),
        QStringLiteral("setVariable(txt_zuci1, 天空)"),
        QStringLiteral("setVariable(txt_zuci2, 今天)"),
        QStringLiteral("setVariable(txt_zuci3, )"),
        QStringLiteral("setVariable(txt_juzi, 天上有白云。)"),
        QStringLiteral("setVariable(str_path, file:///%1Data/rj/)").arg(test::fixtureEdition().mid(1)),
        QStringLiteral("callFrame(_root, 0)"),
    };
    EXPECT_EQ(card.calls(), expected);
    ASSERT_EQ(stroke.calls().size(), 4);
    EXPECT_TRUE(stroke.calls()[0].endsWith(QStringLiteral("Data/RJ/hzbs/天.swf)")) ||
                stroke.calls()[0].endsWith(QStringLiteral("DATA/rj/hzbs/天.swf)")));
    EXPECT_EQ(stroke.calls().mid(1), (QStringList{QStringLiteral("setVariable(str_banquan, 　)"),
                                                  QStringLiteral("gotoFrame(0)"), QStringLiteral("play()")}));
    EXPECT_EQ(stroke.widget()->geometry(), QRect(56, 139, 381, 379));
    EXPECT_EQ(audio.lastPath(AudioSlot::Voice),
              test::fixtureEdition() + QStringLiteral("Data/RJ/sound/dGnEgW4=.mp3"));

    // The card's commands.
    QTest::mouseClick(row.button(1), Qt::LeftButton);
    EXPECT_EQ(browser.currentCharacter(), QStringLiteral("地"));
    browser.speakWordGroup(0);
    EXPECT_TRUE(audio.lastPath(AudioSlot::Voice).endsWith(QStringLiteral("/sound/5Zyw5LiK.mp3")));
    browser.speakSentence();
    EXPECT_TRUE(audio.lastPath(AudioSlot::Voice).endsWith(QStringLiteral("/lj/5Zyw5LiK.mp3")));
    browser.speakCharacter();
    EXPECT_TRUE(audio.lastPath(AudioSlot::Voice).endsWith(QStringLiteral("/sound/ZMOs.mp3")));

    // Paging from the only group.
    browser.previousGroup();
    ASSERT_EQ(prompter.prompts.size(), 1);
    EXPECT_EQ(prompter.prompts[0].caption, QStringLiteral("生字学习说明！"));
    EXPECT_EQ(prompter.prompts[0].text, QStringLiteral("当前已经是第一组！"));
}

TEST_F(BrowserTest, MissingStrokeMovieAndRecordingAreSilentlyBlank) {
    selectLesson(0, 1, QStringLiteral("一年级上册"), QStringLiteral("识字(一)"), QStringLiteral("金木水火"));
    QWidget panel;
    test::FakeMovieHost card;
    test::FakeMovieHost stroke;
    stroke.setMoviesLoad(false);
    WordButtonRow row(&panel);
    WordGroupBrowser browser(context, card, stroke, row, [] { return 700; });
    browser.enter();
    EXPECT_EQ(browser.currentCharacter(), QStringLiteral("木"));
    EXPECT_EQ(row.button(0)->x(), 236); // two buttons, narrow window
    EXPECT_TRUE(prompter.prompts.isEmpty());
    EXPECT_EQ(card.variable(QStringLiteral("str_ziimg")), QStringLiteral("3"));
}

TEST_F(BrowserTest, QuickMemoriseShowsEachCharacterThenAsks) {
    QuickMemorisePanel panel(context);
    panel.resize(1000, 600);
    panel.speedButton(QuickMemorise::Speed::Fast)->click();
    panel.enter();
    EXPECT_TRUE(panel.stepTimer().isActive());
    EXPECT_EQ(panel.stepTimer().interval(), 400);
    EXPECT_EQ(panel.statusLabel()->text(),
              QStringLiteral("学习内容：【一年级上册→【天地人】】，当前是第1个，字词总量：3"));
    EXPECT_EQ(panel.speedPanel()->geometry().right(), 1000 - 3 - 1);

    panel.step();
    EXPECT_EQ(panel.stepTimer().interval(), 2000);
    EXPECT_EQ(panel.wordLabel()->text(), QStringLiteral("天"));
    EXPECT_EQ(panel.pinyinLabel()->text(), QStringLiteral("tiān"));
    EXPECT_EQ(panel.wordLabel()->y(), -151);
    EXPECT_TRUE(panel.slideTimer().isActive());
    EXPECT_TRUE(audio.lastPath(AudioSlot::Voice).endsWith(QStringLiteral("/sound/dGnEgW4=.mp3")));
    // The slide stops at the middle.
    for (int i = 0; i < 100 && panel.slideTimer().isActive(); ++i) {
        panel.slide();
    }
    EXPECT_FALSE(panel.slideTimer().isActive());
    EXPECT_GE(panel.wordLabel()->y(), 300 - panel.wordLabel()->height() / 2 + 5);

    panel.pinyinCheck()->click();
    panel.step();
    EXPECT_EQ(panel.wordLabel()->text(), QStringLiteral("地"));
    EXPECT_TRUE(panel.pinyinLabel()->isHidden());
    EXPECT_EQ(panel.statusLabel()->text(),
              QStringLiteral("学习内容：【一年级上册→【天地人】】，当前是第2个，字词总量：3"));
    QTest::mouseClick(panel.wordLabel(), Qt::LeftButton);
    EXPECT_TRUE(audio.lastPath(AudioSlot::Voice).endsWith(QStringLiteral("/sound/ZMOs.mp3")));

    panel.step();
    prompter.answers = {PromptAnswer::Cancel};
    panel.step();
    ASSERT_EQ(prompter.prompts.size(), 1);
    EXPECT_EQ(prompter.prompts[0].caption, QStringLiteral("字词速记学习完毕！"));
    EXPECT_FALSE(panel.stepTimer().isActive());
}

} // namespace
} // namespace qinghe
