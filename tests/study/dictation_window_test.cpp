#include "audio/sound_name.h"
#include "dictation_test_context.h"
#include "study/dictation/dictation_entry.h"
#include "study/dictation/dictation_list_window.h"
#include "study/dictation/dictation_panel.h"
#include "support/qt_printers.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace qinghe {
namespace {

const QString kTitle = QStringLiteral("一年级上册→【天地人】");

class DictationWindowTest : public ::testing::Test, protected test::DictationFixture {
protected:
    void SetUp() override {
        selectLesson(QStringLiteral("lesson101"), kTitle);
        studyArea.resize(1100, 640);
        list = std::make_unique<DictationListWindow>(context, &mainWindow);
        panel = new DictationPanel(context, movies, *list, &mainWindow, &studyArea);
        panel->setGeometry(0, 0, 1100, 640);
        loudspeaker = hosts.value(QStringLiteral("flash_laba"));
        loudspeaker->widget()->resize(250, 250);
        studyArea.show();
    }
    void TearDown() override {
        list->close();
        studyArea.hide();
    }

    QString sound(const QString& key) const { return context.soundFile(key); }

    void clickCell(int row, int column) {
        QTableWidget* grid = list->grid();
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    QWidget studyArea;
    std::unique_ptr<DictationListWindow> list;
    DictationPanel* panel = nullptr;
    test::FakeMovieHost* loudspeaker = nullptr;
};

TEST_F(DictationWindowTest, AWholeDictationWithTheAnswerList) {
    ASSERT_NE(loudspeaker, nullptr);
    EXPECT_EQ(loudspeaker->widget()->parentWidget(), panel->runningPanel());
    EXPECT_EQ(panel->objectName(), QStringLiteral("pnl_wnnx"));
    EXPECT_EQ(panel->paceBox()->currentText(), QStringLiteral("8秒"));
    EXPECT_EQ(panel->paceTimer().interval(), 8000);
    EXPECT_EQ(panel->repeatTimer().interval(), 2700);
    EXPECT_TRUE(panel->repeatTimer().isSingleShot());
    EXPECT_EQ(panel->kindButton(DictationKind::MustMaster)->text(),
              QStringLiteral("听写本课【必需掌握】的生字") + QChar(0x3000));

    // Entering: the voice prompt, a fresh random sequence, the start panel.
    panel->enter(true);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(playedOn(AudioSlot::Voice), QStringList{context.interfaceSound(QStringLiteral("tingxie.mp3"))});
    EXPECT_FALSE(panel->isRunning());
    EXPECT_TRUE(panel->kindButton(DictationKind::AllCharacters)->isVisible());
    audio.clearCalls();

    // Kind 0: the first character is read at once, the pace and the repeat start.
    QTest::mouseClick(panel->kindButton(DictationKind::AllCharacters), Qt::LeftButton);
    EXPECT_TRUE(panel->isRunning());
    EXPECT_TRUE(panel->runningPanel()->isVisible());
    EXPECT_EQ(playedOn(AudioSlot::Voice), QStringList{sound(QStringLiteral("tiān"))});
    EXPECT_TRUE(playedOn(AudioSlot::Voice).first().endsWith(QStringLiteral("/Data/RJ/sound/dGnEgW4=.mp3")));
    EXPECT_EQ(panel->progressBar()->value(), 33);
    EXPECT_EQ(panel->statusLine()->text(),
              QStringLiteral("已经听写【1】词，共【3】词_______当前课程：") + kTitle);
    EXPECT_TRUE(panel->paceTimer().isTicking());
    EXPECT_TRUE(panel->repeatTimer().isActive());

    // 2.7 seconds later the same character again; "read again" repeats it too.
    panel->onRepeatTick();
    EXPECT_FALSE(panel->repeatTimer().isActive());
    loudspeaker->sendCommand(QStringLiteral("btnread"));
    EXPECT_EQ(playedOn(AudioSlot::Voice), QStringList(3, sound(QStringLiteral("tiān"))));

    // The pace reads the second; the loudspeaker's "next" reads the third and restarts the pace.
    panel->onPaceTick();
    loudspeaker->sendCommand(QStringLiteral("btnnext"));
    EXPECT_EQ(playedOn(AudioSlot::Voice).mid(3),
              (QStringList{sound(QStringLiteral("dì")), sound(QStringLiteral("rén"))}));
    EXPECT_EQ(panel->progressBar()->value(), 100);
    EXPECT_EQ(panel->statusLine()->text(),
              QStringLiteral("已经听写【3】词，共【3】词_______当前课程：") + kTitle);
    EXPECT_TRUE(panel->paceTimer().isTicking());
    EXPECT_TRUE(prompter.prompts.isEmpty());

    // The next step reads nothing and finishes: message, answer list over the main window.
    audio.clearCalls();
    panel->onPaceTick();
    EXPECT_TRUE(audio.calls().empty());
    ASSERT_EQ(prompter.prompts.size(), 1);
    EXPECT_EQ(prompter.prompts[0].caption, QStringLiteral("听写练习说明！"));
    EXPECT_EQ(prompter.prompts[0].text, dictationFinishedPrompt(DictationKind::AllCharacters).text);
    EXPECT_FALSE(panel->paceTimer().isRunning());
    EXPECT_FALSE(panel->isRunning());
    EXPECT_TRUE(panel->kindButton(DictationKind::AllCharacters)->isVisible());
    EXPECT_EQ(panel->session().position(), 0);
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->windowTitle(), QStringLiteral("我念你写－－字词列表"));
    EXPECT_TRUE(list->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(list->geometry(), mainWindow.geometry());
    QTableWidget* grid = list->grid();
    EXPECT_EQ(grid->rowCount(), 7);
    EXPECT_EQ(grid->columnCount(), 6);
    EXPECT_EQ(grid->width(), 489);
    EXPECT_EQ(grid->font().pointSize(), 45);
    EXPECT_TRUE(grid->font().bold());
    EXPECT_EQ(grid->pos(), QPoint((1100 - 489) / 2, (700 - grid->height()) / 2));
    QStringList firstRow;
    for (int c = 0; c < 6; ++c) {
        firstRow << (grid->item(0, c) != nullptr ? grid->item(0, c)->text() : QString());
    }
    EXPECT_EQ(firstRow, (QStringList{QStringLiteral("天"), QStringLiteral("地"), QStringLiteral("人"),
                                     QString(), QString(), QString()}));

    // The repeat after the finish and "read again" play nothing.
    panel->onRepeatTick();
    loudspeaker->sendCommand(QStringLiteral("btnread"));
    EXPECT_TRUE(audio.calls().empty());

    // Choosing an answer reads it, again and again; an empty cell reads nothing.
    clickCell(0, 1);
    clickCell(0, 1);
    clickCell(0, 4);
    clickCell(3, 0);
    EXPECT_EQ(playedOn(AudioSlot::Voice), QStringList(2, sound(QStringLiteral("dì"))));
    audio.clearCalls();
    grid->setFocus();
    grid->setCurrentCell(0, 1);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(playedOn(AudioSlot::Voice), QStringList{sound(QStringLiteral("rén"))});
}

TEST_F(DictationWindowTest, ManualPaceWaitsForTheLoudspeaker) {
    panel->enter(false);
    EXPECT_TRUE(audio.calls().empty()); // no voice prompt
    panel->paceBox()->setCurrentIndex(7);
    EXPECT_EQ(panel->paceBox()->currentText(), QStringLiteral("手动"));
    QTest::mouseClick(panel->kindButton(DictationKind::MustMaster), Qt::LeftButton);
    EXPECT_EQ(playedOn(AudioSlot::Voice), QStringList{sound(QStringLiteral("tiān"))});
    EXPECT_FALSE(panel->paceTimer().isRunning());
    QTest::qWait(50);
    EXPECT_EQ(playedOn(AudioSlot::Voice).size(), 1);
    loudspeaker->sendCommand(QStringLiteral("btnnext"));
    EXPECT_EQ(playedOn(AudioSlot::Voice),
              (QStringList{sound(QStringLiteral("tiān")), sound(QStringLiteral("dì"))}));
    EXPECT_EQ(panel->statusLine()->text(),
              QStringLiteral("已经听写【2】词，共【2】词_______当前课程：") + kTitle);
    loudspeaker->sendCommand(QStringLiteral("btnnext"));
    ASSERT_EQ(prompter.prompts.size(), 1);
    EXPECT_EQ(prompter.prompts[0].text, dictationFinishedPrompt(DictationKind::MustMaster).text);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->grid()->item(0, 1)->text(), QStringLiteral("地"));
    EXPECT_EQ(list->grid()->item(0, 2), nullptr); // 人 is read, not written

    // A pace chosen while a dictation waits on the list: the pace tick stops the pace, reads nothing.
    panel->paceBox()->setCurrentIndex(0);
    EXPECT_EQ(panel->paceTimer().interval(), 6000);
    audio.clearCalls();
    QTest::mouseClick(panel->kindButton(DictationKind::Words), Qt::LeftButton);
    EXPECT_EQ(playedOn(AudioSlot::Voice), QStringList{sound(QStringLiteral("天空"))});
    EXPECT_TRUE(panel->paceTimer().isTicking());
    panel->onPaceTick();
    EXPECT_FALSE(panel->paceTimer().isRunning());
    EXPECT_EQ(playedOn(AudioSlot::Voice).size(), 1);

    // Closing the list stops the pace.
    panel->onLoudspeakerCommand(QStringLiteral("btnnext"), QString());
    EXPECT_FALSE(panel->paceTimer().isRunning()); // "next" keeps a stopped pace stopped
    QTest::mouseClick(panel->kindButton(DictationKind::Words), Qt::LeftButton);
    EXPECT_TRUE(panel->paceTimer().isRunning());
    list->close();
    EXPECT_FALSE(panel->paceTimer().isRunning());

    // Switching to manual mid-dictation pauses the pace, a pace again resumes it.
    QTest::mouseClick(panel->kindButton(DictationKind::Words), Qt::LeftButton);
    panel->paceBox()->setCurrentIndex(7);
    EXPECT_TRUE(panel->paceTimer().isRunning());
    EXPECT_FALSE(panel->paceTimer().isTicking());
    panel->paceBox()->setCurrentIndex(2);
    EXPECT_TRUE(panel->paceTimer().isTicking());
    EXPECT_EQ(panel->paceTimer().interval(), 10000);

    panel->stop();
    EXPECT_FALSE(panel->paceTimer().isRunning());
    EXPECT_FALSE(panel->repeatTimer().isActive());
    EXPECT_TRUE(panel->isRunning()); // stopping keeps the panel as it is; entering again resets it
    panel->enter(false);
    EXPECT_FALSE(panel->isRunning());
}

TEST_F(DictationWindowTest, WordsAnswerListAndMissingLists) {
    // Lesson 102 has no words of its own in the fixture's second entry: one word, 木头.
    selectLesson(QStringLiteral("lesson102"), QStringLiteral("一年级上册→【金木水火】"));
    panel->enter(false);
    QTest::mouseClick(panel->kindButton(DictationKind::Words), Qt::LeftButton);
    EXPECT_EQ(playedOn(AudioSlot::Voice), QStringList{sound(QStringLiteral("木头"))});
    panel->onPaceTick();
    ASSERT_EQ(prompter.prompts.size(), 1);
    EXPECT_EQ(prompter.prompts[0].text, dictationFinishedPrompt(DictationKind::Words).text);
    QTableWidget* grid = list->grid();
    EXPECT_EQ(grid->columnCount(), 5);
    EXPECT_EQ(grid->width(), 760);
    EXPECT_EQ(grid->font().pointSize(), 26);
    EXPECT_EQ(grid->columnWidth(0), 151); // 150 and the grid line
    ASSERT_NE(grid->item(0, 0), nullptr);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("木头"));
    EXPECT_EQ(grid->item(0, 1), nullptr);
    list->close();

    // No must-master characters, no words: the kind does not start.
    state.lists.mustChars.clear();
    state.lists.mustPinyins.clear();
    state.lists.words.clear();
    prompter.prompts.clear();
    audio.clearCalls();
    QTest::mouseClick(panel->kindButton(DictationKind::MustMaster), Qt::LeftButton);
    QTest::mouseClick(panel->kindButton(DictationKind::Words), Qt::LeftButton);
    ASSERT_EQ(prompter.prompts.size(), 2);
    EXPECT_EQ(prompter.prompts[0].text, dictationKindProblem(DictationKind::MustMaster, state.lists)->text);
    EXPECT_EQ(prompter.prompts[1].text, dictationKindProblem(DictationKind::Words, state.lists)->text);
    EXPECT_FALSE(panel->isRunning());
    EXPECT_TRUE(audio.calls().empty());
}

TEST_F(DictationWindowTest, LayoutFollowsThePanel) {
    panel->enter(false);
    panel->resize(900, 560);
    QPushButton* first = panel->kindButton(DictationKind::AllCharacters);
    EXPECT_EQ(first->x(), (900 - first->width()) / 2);
    EXPECT_EQ(first->y(), 560 / 2 - first->height() / 2 + 40);
    EXPECT_EQ(panel->kindButton(DictationKind::MustMaster)->y(), first->y() + first->height() + 40);
    EXPECT_EQ(panel->paceBox()->geometry().right(), 900 - 5 - 1);
    for (QPushButton* button : {first, panel->kindButton(DictationKind::Words)}) {
        EXPECT_FALSE(button->accessibleName().isEmpty());
    }
    EXPECT_FALSE(panel->paceBox()->accessibleName().isEmpty());
    QTest::mouseClick(first, Qt::LeftButton);
    EXPECT_EQ(panel->runningPanel()->geometry(), QRect(0, 0, 900, 560));
    const QRect speaker = loudspeaker->widget()->geometry();
    EXPECT_EQ(speaker.size(), QSize(250, 250));
    EXPECT_EQ(speaker.left(), (900 - 250) / 2);
    EXPECT_EQ(speaker.top(), (panel->statusLine()->y() - 250) / 2);
    EXPECT_LT(panel->statusLine()->geometry().bottom(), panel->progressBar()->y());
    panel->stop();
}

} // namespace
} // namespace qinghe
