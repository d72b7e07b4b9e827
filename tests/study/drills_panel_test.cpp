#include "dictation_test_context.h"
#include "drills_scripted_random.h"
#include "study/drills/drill_controls.h"
#include "study/drills/drill_panel.h"
#include "support/fake_movie_host.h"
#include "support/qt_printers.h"

#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace qinghe {
namespace {

using test::ScriptedRandom;

// The fixture edition's first lesson (天 地 人, readings tiān dì rén) in a study area of a realistic
// size, with one drill panel and the shared controls built as the main window builds them.
class DrillPanelTest : public ::testing::Test, protected test::StudyFixture<ScriptedRandom> {
protected:
    DrillPanelTest() {
        lesson = makeCurrentLesson(LessonPlace{0, 0, 0, QStringLiteral("一年级上册"),
                                               QStringLiteral("识字(一)"), QStringLiteral("天地人")},
                                   QStringLiteral("0"), QStringLiteral("rj"));
        records.openBook(lesson.characterFile, lesson.wordFile);
        state.lesson = lesson;
        state.lists = records.readLessonLists(lesson);
    }

    DrillPanel& make(Drill kind) {
        area = std::make_unique<QWidget>();
        area->resize(1100, 640);
        controls = std::make_unique<DrillControls>(area.get());
        panel = new DrillPanel(
            kind, context,
            [this](QWidget* parent, const QString& name) {
                movie = new test::FakeMovieHost(parent);
                movie->widget()->setParent(parent);
                movie->setObjectName(name);
                return movie;
            },
            *controls, [this] { return voicePrompts; }, area.get());
        panel->setGeometry(area->rect());
        area->show();
        panel->show();
        return *panel;
    }

    QString sound(const char* name) const { return edition.root() + QString::fromUtf8(name); }
    QString interfaceSound(const char* file) const {
        return edition.root() + QStringLiteral("Data/sndsoft/") + QString::fromUtf8(file);
    }
    QStringList captions() const {
        QStringList shown;
        for (int b = 1; b <= 4; ++b) {
            if (!panel->choiceButton(b)->isHidden()) {
                shown << panel->choiceButton(b)->text();
            }
        }
        return shown;
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    CurrentLesson lesson;
    bool voicePrompts = false;

    std::unique_ptr<QWidget> area;
    std::unique_ptr<DrillControls> controls;
    DrillPanel* panel = nullptr;
    test::FakeMovieHost* movie = nullptr;
};

TEST_F(DrillPanelTest, ListenForCharacterWalksTheLessonThroughTheRealButtons) {
    DrillPanel& p = make(Drill::SoundToCharacter);
    EXPECT_EQ(movie->widget()->parentWidget(), &p);
    EXPECT_EQ(p.nextQuestionTimer().interval(), 1200);
    ASSERT_NE(p.replayButton(), nullptr);
    EXPECT_EQ(p.replayButton()->toolTip(), QStringLiteral("点击我，可以再读一次"));

    movie->widget()->show(); // left showing by an earlier drill
    random.script = {1};     // question 1: button 1 takes 地, so 天 goes on button 2
    p.start();
    EXPECT_TRUE(movie->widget()->isHidden());
    EXPECT_FALSE(controls->switchPanel()->isHidden());
    EXPECT_FALSE(controls->progressBar()->isHidden());
    EXPECT_EQ(controls->progressBar()->maximum(), 3);
    EXPECT_EQ(controls->progressBar()->value(), 1);
    EXPECT_EQ(captions(), (QStringList{QStringLiteral("地"), QStringLiteral("天")}));
    EXPECT_EQ(p.choiceButton(2)->accessibleName(), QStringLiteral("天"));
    // Two buttons 50 pixels either side of the centre line, the replay button 50 above them.
    const QRect first = p.choiceButton(1)->geometry();
    const QRect second = p.choiceButton(2)->geometry();
    EXPECT_EQ(first.right() + 1, 550 - 50);
    EXPECT_EQ(second.left(), 550 + 50);
    EXPECT_EQ(first.top(), 320 - first.height() / 2);
    EXPECT_EQ(p.replayButton()->geometry().bottom() + 1, first.top() - 50);
    EXPECT_EQ(p.replayButton()->x() + p.replayButton()->width() / 2, 550);
    ASSERT_EQ(audio.calls().size(), 1u);
    EXPECT_EQ(audio.calls()[0].slot, AudioSlot::Voice);
    EXPECT_EQ(audio.calls()[0].path, sound("Data/RJ/sound/dGnEgW4=.mp3"));

    // A wrong answer: the prompt to think again, nothing else.
    audio.clearCalls();
    click(p.choiceButton(1));
    ASSERT_EQ(audio.calls().size(), 1u);
    EXPECT_EQ(audio.calls()[0].path, interfaceSound("think.mp3"));
    EXPECT_EQ(audio.calls()[0].slot, AudioSlot::Voice);
    EXPECT_EQ(captions().size(), 2);
    EXPECT_EQ(controls->progressBar()->value(), 1);
    EXPECT_FALSE(p.nextQuestionTimer().isActive());
    EXPECT_TRUE(movie->calls().isEmpty());

    // Replay plays the question again.
    audio.clearCalls();
    click(p.replayButton());
    ASSERT_EQ(audio.calls().size(), 1u);
    EXPECT_EQ(audio.calls()[0].path, sound("Data/RJ/sound/dGnEgW4=.mp3"));

    // The right answer: buttons gone, the movie over the clicked button, the sound, the timer.
    audio.clearCalls();
    click(p.choiceButton(2));
    EXPECT_TRUE(captions().isEmpty());
    EXPECT_FALSE(movie->widget()->isHidden());
    EXPECT_EQ(movie->widget()->pos(), second.topLeft());
    EXPECT_EQ(movie->calls(), (QStringList{QStringLiteral("gotoFrame(0)"), QStringLiteral("play()")}));
    ASSERT_EQ(audio.calls().size(), 1u);
    EXPECT_EQ(audio.calls()[0].path, interfaceSound("right.wav"));
    EXPECT_TRUE(p.nextQuestionTimer().isActive());

    // The tick: a fresh random sequence, the second character, the bar at 2, the movie hidden.
    audio.clearCalls();
    random.script = {1}; // 地 is right now: the first pick hits it, so button 2 takes entry 0
    random.script << 0;
    p.onNextQuestionTimer();
    EXPECT_FALSE(p.nextQuestionTimer().isActive());
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_TRUE(movie->widget()->isHidden());
    EXPECT_EQ(controls->progressBar()->value(), 2);
    EXPECT_EQ(captions(), (QStringList{QStringLiteral("地"), QStringLiteral("天")}));
    ASSERT_EQ(audio.calls().size(), 1u);
    EXPECT_EQ(audio.calls()[0].path, sound("Data/RJ/sound/ZMOs.mp3"));
    click(p.choiceButton(1));
    EXPECT_EQ(audio.lastPath(AudioSlot::Voice), interfaceSound("right.wav"));

    // Third and last question (人; its recording is missing from the edition, which is silence).
    random.script = {0};
    p.onNextQuestionTimer();
    EXPECT_EQ(controls->progressBar()->value(), 3);
    EXPECT_TRUE(audio.calls().back().path.endsWith(QStringLiteral("/csOpbg==.mp3")));
    EXPECT_EQ(captions(), (QStringList{QStringLiteral("天"), QStringLiteral("人")}));
    click(p.choiceButton(2));
    EXPECT_TRUE(prompter.prompts.isEmpty());

    // Three characters, three questions: then the question whether to start again. Cancel stops.
    prompter.answers = {PromptAnswer::Cancel};
    p.onNextQuestionTimer();
    ASSERT_EQ(prompter.prompts.size(), 1);
    EXPECT_EQ(prompter.prompts[0].caption, QStringLiteral("练习完毕！"));
    EXPECT_EQ(
        prompter.prompts[0].text,
        QStringLiteral("本部分中的内容已经练习完毕，你是否要重新进行练习呢？\r\r点击确定，将重新开始本内容"
                       "的练习，点击取消，将停止练习。"));
    EXPECT_EQ(prompter.prompts[0].buttons, PromptButtons::OkCancel);
    EXPECT_TRUE(captions().isEmpty());
    EXPECT_EQ(controls->progressBar()->value(), 3);
    EXPECT_FALSE(p.nextQuestionTimer().isActive());
    EXPECT_TRUE(random.script.isEmpty());
}

TEST_F(DrillPanelTest, StartingAgainAfterTheLastQuestion) {
    DrillPanel& p = make(Drill::SoundToCharacter);
    random.script = {1, 1, 0, 0};
    p.start();
    for (int question = 0; question < 3; ++question) {
        click(p.choiceButton(2 - (question == 1 ? 1 : 0)));
        ASSERT_TRUE(p.nextQuestionTimer().isActive()) << question;
        if (question == 2) {
            random.script = {2}; // after OK: 天 again, button 1 takes 人
        }
        p.onNextQuestionTimer();
    }
    ASSERT_EQ(prompter.prompts.size(), 1);
    EXPECT_EQ(p.session().index(), 0);
    EXPECT_EQ(controls->progressBar()->value(), 1);
    EXPECT_EQ(captions(), (QStringList{QStringLiteral("人"), QStringLiteral("天")}));
    EXPECT_EQ(audio.lastPath(AudioSlot::Voice), sound("Data/RJ/sound/dGnEgW4=.mp3"));
}

TEST_F(DrillPanelTest, LookAtCharacterShowsReadingsAndSlidesTheCharacterIn) {
    DrillPanel& p = make(Drill::CharacterToPinyin);
    EXPECT_EQ(p.replayButton(), nullptr);
    random.script = {1};
    p.start();
    QLabel* label = p.questionLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("天"));
    EXPECT_EQ(label->geometry(), QRect(0, -407, 1100, 407));
    EXPECT_TRUE(p.slideTimer().isActive());
    EXPECT_EQ(p.slideTimer().interval(), 1);
    EXPECT_TRUE(audio.calls().empty()); // nothing is heard in a looking drill
    EXPECT_EQ(captions(), (QStringList{QStringLiteral("dì"), QStringLiteral("tiān")}));
    // Reading buttons stand 70 pixels either side of the centre line.
    EXPECT_EQ(p.choiceButton(1)->geometry().right() + 1, 550 - 70);
    EXPECT_EQ(p.choiceButton(2)->geometry().left(), 550 + 70);
    EXPECT_EQ(p.choiceButton(1)->geometry().top(), 290 + p.choiceButton(1)->height() / 2);

    QList<int> tops;
    while (p.slideTimer().isActive() && tops.size() < 100) {
        p.onSlideTimer();
        tops << label->y();
    }
    ASSERT_GE(tops.size(), 3);
    EXPECT_EQ(tops.mid(0, 2), (QList<int>{-377, -347}));
    EXPECT_EQ(tops.mid(tops.size() - 3), (QList<int>{-17, 0, 0})); // the snap, then the stop
    EXPECT_FALSE(p.slideTimer().isActive());

    click(p.choiceButton(1));
    EXPECT_EQ(audio.lastPath(AudioSlot::Voice), interfaceSound("think.mp3"));
    click(p.choiceButton(2));
    EXPECT_EQ(audio.lastPath(AudioSlot::Voice), interfaceSound("right.wav"));
    EXPECT_EQ(movie->widget()->geometry(), p.choiceButton(2)->geometry());

    random.script = {2, 0}; // 地: the first pick 人; then button 2 takes 地
    p.onNextQuestionTimer();
    EXPECT_EQ(label->text(), QStringLiteral("地"));
    EXPECT_EQ(label->y(), -407);
    EXPECT_TRUE(p.slideTimer().isActive());
    EXPECT_EQ(captions(), (QStringList{QStringLiteral("rén"), QStringLiteral("dì")}));
    EXPECT_TRUE(random.script == QList<int>{0}); // the second draw was not needed
}

TEST_F(DrillPanelTest, LookAtPinyinAndListenForPinyinHoldTheReading) {
    {
        DrillPanel& p = make(Drill::PinyinToCharacter);
        random.script = {0}; // the first pick is the right one; button 2 takes the last entry
        p.start();
        EXPECT_EQ(p.questionLabel()->text(), QStringLiteral("tiān"));
        EXPECT_EQ(p.questionLabel()->height(), 8 * 640 / 11);
        EXPECT_EQ(captions(), (QStringList{QStringLiteral("天"), QStringLiteral("人")}));
    }
    {
        DrillPanel& p = make(Drill::SoundToPinyin);
        random.script = {2};
        p.start();
        EXPECT_TRUE(p.questionLabel()->isHidden());
        EXPECT_EQ(p.questionLabel()->text(), QStringLiteral("tiān"));
        EXPECT_FALSE(p.slideTimer().isActive());
        EXPECT_EQ(captions(), (QStringList{QStringLiteral("rén"), QStringLiteral("tiān")}));
        EXPECT_EQ(audio.lastPath(AudioSlot::Voice), sound("Data/RJ/sound/dGnEgW4=.mp3"));
        click(p.choiceButton(2));
        EXPECT_EQ(audio.lastPath(AudioSlot::Voice), interfaceSound("right.wav"));
    }
}

TEST_F(DrillPanelTest, ContinuousSwitchThroughTheCheckBoxAndItsLabel) {
    DrillPanel& p = make(Drill::SoundToCharacter);
    EXPECT_EQ(controls->switchLabel()->text(), QStringLiteral("开启连续练习模式"));
    EXPECT_EQ(controls->switchBox()->toolTip(), QStringLiteral("开启连续练习，将一直可以测试"));
    EXPECT_FALSE(controls->continuous());
    random.script = {1};
    p.start();
    // 20 pixels from the study area's right edge.
    EXPECT_EQ(controls->switchPanel()->geometry().right() + 1, 1100 - 20);

    // On: the bar hides, and 1.2 seconds later a random character is asked.
    click(controls->switchLabel());
    EXPECT_TRUE(controls->continuous());
    EXPECT_TRUE(controls->progressBar()->isHidden());
    EXPECT_TRUE(p.nextQuestionTimer().isActive());
    random.script = {2, 0};
    p.onNextQuestionTimer();
    EXPECT_EQ(random.bounds.mid(random.bounds.size() - 2), (QList<int>{3, 3}));
    EXPECT_EQ(p.session().index(), 2);
    EXPECT_EQ(captions(), (QStringList{QStringLiteral("天"), QStringLiteral("人")}));

    // Off: the bar is back at 1 and the walk goes on at the second character with the bar at 2.
    click(controls->switchBox());
    EXPECT_FALSE(controls->continuous());
    EXPECT_FALSE(controls->progressBar()->isHidden());
    EXPECT_EQ(controls->progressBar()->value(), 1);
    EXPECT_EQ(p.session().index(), 0);
    EXPECT_TRUE(p.nextQuestionTimer().isActive());
    random.script = {0};
    p.onNextQuestionTimer();
    EXPECT_EQ(p.session().index(), 1);
    EXPECT_EQ(controls->progressBar()->value(), 2);

    // Entering while the switch is on starts at a random character, without the bar.
    random.script = {1};
    p.start();
    EXPECT_EQ(p.session().index(), 0); // the switch is off again
    click(controls->switchBox());
    p.stop();
    EXPECT_FALSE(p.nextQuestionTimer().isActive());
    random.script = {1, 0};
    p.start();
    EXPECT_EQ(p.session().index(), 1);
    EXPECT_TRUE(controls->progressBar()->isHidden());
    EXPECT_FALSE(controls->switchPanel()->isHidden());

    // A stopped drill ignores the switch.
    p.stop();
    click(controls->switchBox());
    EXPECT_FALSE(p.nextQuestionTimer().isActive());
    controls->hide();
    EXPECT_TRUE(controls->switchPanel()->isHidden());
    EXPECT_TRUE(controls->progressBar()->isHidden());
}

TEST_F(DrillPanelTest, ReplayHoverPromptOnlyWithVoicePrompts) {
    DrillPanel& p = make(Drill::SoundToPinyin);
    random.script = {1};
    p.start();
    const auto hover = [&] {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(p.replayButton(), &enter);
    };
    audio.clearCalls();
    hover();
    EXPECT_TRUE(audio.calls().empty());
    voicePrompts = true;
    hover();
    ASSERT_EQ(audio.calls().size(), 1u);
    EXPECT_EQ(audio.calls()[0].path, interfaceSound("replay.mp3"));
    EXPECT_EQ(audio.calls()[0].slot, AudioSlot::Voice);
}

TEST_F(DrillPanelTest, FourButtonsInALongerLessonAndResize) {
    state.lists.chars = QString::fromUtf8("天 地 人 大 小").split(u' ');
    state.lists.pinyins = QString::fromUtf8("tiān dì rén dà xiǎo").split(u' ');
    DrillPanel& p = make(Drill::SoundToCharacter);
    random.script = {3, 1, 2, 3}; // right on button 4
    p.start();
    EXPECT_EQ(captions(), QString::fromUtf8("地 人 大 天").split(u' '));
    const int centres[4] = {1100 / 6 + 1100 / 12, 1100 / 3 + 1100 / 12, 1100 / 2 + 1100 / 12,
                            2 * 1100 / 3 + 1100 / 12};
    for (int b = 0; b < 4; ++b) {
        const QRect g = p.choiceButton(b + 1)->geometry();
        EXPECT_EQ(g.left() + g.width() / 2, centres[b]) << b;
    }
    click(p.choiceButton(3));
    EXPECT_EQ(audio.lastPath(AudioSlot::Voice), interfaceSound("think.mp3"));

    // A resize lays the panel out again.
    area->resize(800, 500);
    panel->setGeometry(area->rect());
    controls->place(area->rect());
    p.relayout();
    EXPECT_EQ(p.choiceButton(1)->geometry().center().x(), 800 / 6 + 800 / 12);
    EXPECT_EQ(p.choiceButton(1)->geometry().top(), 250 - p.choiceButton(1)->height() / 2);
    EXPECT_EQ(controls->switchPanel()->geometry().right() + 1, 800 - 20);

    click(p.choiceButton(4));
    EXPECT_EQ(movie->widget()->pos(), p.choiceButton(4)->pos());
    EXPECT_TRUE(p.choiceButton(4)->isHidden());
}

} // namespace
} // namespace qinghe
