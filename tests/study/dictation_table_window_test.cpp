#include "audio/sound_name.h"
#include "dictation_test_context.h"
#include "study/character_table/character_table_window.h"
#include "study/character_table/table_memorise_window.h"
#include "study/character_table/table_texts.h"
#include "support/qt_printers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace qinghe {
namespace {

class TableWindowTest : public ::testing::Test, protected test::DictationFixture {
protected:
    void TearDown() override {
        if (window) {
            window->close();
        }
    }

    CharacterTableWindow& open() {
        if (!window) {
            window = std::make_unique<CharacterTableWindow>(context, &mainWindow);
        }
        window->open();
        return *window;
    }

    void check(int unit, bool on) {
        window->unitList()->item(unit)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    static void choose(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }
    QStringList gridText() const {
        QStringList cells;
        QTableWidget* grid = window->grid();
        for (int r = 0; r < grid->rowCount(); ++r) {
            for (int c = 0; c < grid->columnCount(); ++c) {
                cells << (grid->item(r, c) != nullptr ? grid->item(r, c)->text() : QString());
            }
        }
        return cells;
    }
    // Red pixels in the grid: the readings drawn over the characters.
    int redPixels() const {
        const QImage image = window->grid()->viewport()->grab().toImage();
        int red = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor colour = image.pixelColor(x, y);
                red += colour.red() > 200 && colour.green() < 80 && colour.blue() < 80 ? 1 : 0;
            }
        }
        return red;
    }
    static QStringList padded(QStringList cells, int size) {
        while (cells.size() < size) {
            cells << QString();
        }
        return cells;
    }

    std::unique_ptr<CharacterTableWindow> window;
};

TEST_F(TableWindowTest, ListsUnitsByTypeAndMovesTheMainWindowAside) {
    mainWindow.show();
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    const int left = mainWindow.x();
    CharacterTableWindow& table = open();
    EXPECT_TRUE(table.isVisible());
    EXPECT_EQ(table.windowTitle(), QStringLiteral("生字表"));
    EXPECT_EQ(mainWindow.x(), left + screenWidth + 2000);
    EXPECT_EQ(table.mainWindowOffset(), screenWidth + 2000);
    EXPECT_TRUE(table.gradeBox()->isEnabled());
    EXPECT_EQ(table.gradeBox()->currentText(), QStringLiteral("一年级上"));
    ASSERT_EQ(table.unitList()->count(), 8);
    EXPECT_EQ(table.unitList()->item(1)->text(), QStringLiteral("汉语拼音(一)"));
    EXPECT_EQ(table.caption()->text(), QStringLiteral("一年级上——[会写+认读]"));
    EXPECT_EQ(table.statusPane()->text(), QStringLiteral("一年级上——所选单元（会写+认读），生字0个"));
    EXPECT_EQ(table.grid()->rowCount(), 0);
    EXPECT_EQ(table.grid()->columnCount(), 10);
    EXPECT_TRUE(table.pinyinBox()->isChecked());

    // Nothing listed: quick memorise explains instead of opening.
    QTest::mouseClick(table.browseButton(), Qt::LeftButton);
    ASSERT_EQ(prompter.prompts.size(), 1);
    EXPECT_EQ(prompter.prompts[0].caption, QStringLiteral("说明"));
    EXPECT_EQ(prompter.prompts[0].text, QStringLiteral("当前所选单元没有任何生字，请重新选择单元！"));
    EXPECT_EQ(table.memoriseWindow(), nullptr);

    // Unit 1 of book 1: both lessons' characters in document order, with their readings drawn.
    check(0, true);
    EXPECT_EQ(gridText(), padded({QStringLiteral("天"), QStringLiteral("地"), QStringLiteral("人"),
                                  QStringLiteral("木"), QStringLiteral("水")},
                                 10));
    EXPECT_EQ(table.statusPane()->text(), QStringLiteral("一年级上——所选单元（会写+认读），生字5个"));
    EXPECT_EQ(table.table().pinyins().first(), QStringLiteral("tiān"));
    EXPECT_GT(redPixels(), 20);
    QTest::mouseClick(table.pinyinBox(), Qt::LeftButton, {}, QPoint(8, table.pinyinBox()->height() / 2));
    EXPECT_FALSE(table.pinyinBox()->isChecked());
    EXPECT_EQ(redPixels(), 0);
    table.pinyinBox()->setChecked(true);

    choose(table.typeBox(), 1);
    EXPECT_EQ(
        gridText(),
        padded({QStringLiteral("天"), QStringLiteral("地"), QStringLiteral("木"), QStringLiteral("水")}, 10));
    EXPECT_EQ(table.caption()->text(), QStringLiteral("一年级上——[会写]"));
    choose(table.typeBox(), 2);
    EXPECT_EQ(gridText(), padded({QStringLiteral("人")}, 10));
    EXPECT_EQ(table.statusPane()->text(), QStringLiteral("一年级上——所选单元（认读），生字1个"));

    // Unchecking the last unit empties the grid.
    check(0, false);
    EXPECT_EQ(table.grid()->rowCount(), 0);
    EXPECT_EQ(table.statusPane()->text(), QStringLiteral("一年级上——所选单元（认读），生字0个"));

    // Another grade: that book's units, unchecked.
    check(0, true);
    choose(table.gradeBox(), 1);
    EXPECT_EQ(table.unitList()->item(1)->text(), QStringLiteral("课文(一)"));
    EXPECT_EQ(table.unitList()->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(table.grid()->rowCount(), 0);
    EXPECT_EQ(table.caption()->text(), QStringLiteral("一年级下——[认读]"));

    // Closing brings the main window back; opening again starts afresh on the chosen grade.
    table.close();
    EXPECT_EQ(mainWindow.x(), left);
    EXPECT_EQ(table.mainWindowOffset(), 0);
    open();
    EXPECT_EQ(mainWindow.x(), left + screenWidth + 2000);
    EXPECT_EQ(table.typeBox()->currentIndex(), 0);
    EXPECT_EQ(table.caption()->text(), QStringLiteral("一年级下——[会写+认读]"));
    EXPECT_EQ(table.table().documentPath(), QStringLiteral("Data\\RJ\\xml\\hanzi2.xml"));
    check(0, true);
    EXPECT_EQ(gridText(), padded({QStringLiteral("春"), QStringLiteral("冬"), QStringLiteral("青")}, 10));
    table.close();
    EXPECT_EQ(mainWindow.x(), left);
}

TEST_F(TableWindowTest, GridFollowsTheWindowWidth) {
    CharacterTableWindow& table = open();
    check(0, true);
    for (const int width : {1100, 700, 2400}) {
        table.resize(width, 700);
        QCoreApplication::processEvents();
        const int panelWidth = table.grid()->parentWidget()->width();
        const TableGridMetrics metrics = tableGridMetrics(panelWidth, -1);
        EXPECT_EQ(table.grid()->columnWidth(0), metrics.columnWidth + 1) << width;
        EXPECT_EQ(table.grid()->rowHeight(0), metrics.rowHeight + 1) << width;
        if (metrics.fontSize > 0) {
            EXPECT_EQ(table.grid()->font().pointSize(), metrics.fontSize) << width;
        }
        // The browse button sits 4 pixels from its panel's right edge.
        const QWidget* bottom = table.browseButton()->parentWidget();
        EXPECT_EQ(table.browseButton()->geometry().right(), bottom->width() - 4 - 1) << width;
    }
}

TEST_F(TableWindowTest, SingleBookInstallationsFixTheGrade) {
    state.settings.bookMode = QStringLiteral("2");
    CharacterTableWindow& table = open();
    EXPECT_EQ(table.gradeBox()->currentIndex(), 1);
    EXPECT_FALSE(table.gradeBox()->isEnabled());
    EXPECT_EQ(table.unitList()->item(0)->text(), QStringLiteral("识字(一)"));
    EXPECT_EQ(table.unitList()->item(7)->text(), QStringLiteral("课文(六)"));

    // One recognise-only character: the first "下一个" reports the end.
    choose(table.typeBox(), 2);
    check(0, true);
    EXPECT_EQ(gridText(), padded({QStringLiteral("冬")}, 10));
    QTest::mouseClick(table.browseButton(), Qt::LeftButton);
    TableMemoriseWindow* memorise = table.memoriseWindow();
    ASSERT_NE(memorise, nullptr);
    EXPECT_EQ(memorise->totalLabel()->text(), QStringLiteral("/1"));
    QTest::mouseClick(memorise->button(QStringLiteral("btn_play")), Qt::LeftButton);
    ASSERT_EQ(prompter.prompts.size(), 1);
    EXPECT_EQ(prompter.prompts[0].caption, QStringLiteral("生字学习完毕"));
    EXPECT_EQ(prompter.prompts[0].text, QStringLiteral("当前生字已经浏览完毕！"));
    EXPECT_FALSE(memorise->showTimer().isActive());
    memorise->close();
}

TEST_F(TableWindowTest, QuickMemoriseStepsShowsAndSpeaks) {
    CharacterTableWindow& table = open();
    check(0, true);
    QTest::mouseClick(table.browseButton(), Qt::LeftButton);
    TableMemoriseWindow* memorise = table.memoriseWindow();
    ASSERT_NE(memorise, nullptr);
    ASSERT_TRUE(memorise->isVisible());
    EXPECT_EQ(memorise->windowTitle(), QStringLiteral("生字表——生字速记"));
    memorise->resize(960, 640);
    QCoreApplication::processEvents();

    // Shown: first character, reading only, five-second pace running.
    EXPECT_EQ(memorise->totalLabel()->text(), QStringLiteral("/5"));
    EXPECT_EQ(memorise->currentLabel()->text(), QStringLiteral("1"));
    EXPECT_EQ(memorise->gauge()->maximum(), 5);
    EXPECT_EQ(memorise->gauge()->value(), 1);
    EXPECT_EQ(memorise->readingLabel()->text(), QStringLiteral("tiān"));
    EXPECT_EQ(memorise->characterLabel()->text(), QString());
    EXPECT_EQ(memorise->paceBox()->currentText(), QStringLiteral("自动播放，间隔5秒"));
    EXPECT_TRUE(memorise->showTimer().isActive());
    EXPECT_EQ(memorise->showTimer().interval(), 5000);
    EXPECT_EQ(memorise->characterLabel()->font().pixelSize(), 107);
    EXPECT_EQ(memorise->characterLabel()->font().family(), QStringLiteral("楷体"));
    EXPECT_EQ(memorise->readingLabel()->font().family(), QStringLiteral("微软雅黑"));
    const int middle = 640 - memorise->topPanel()->height() - memorise->bottomPanel()->height();
    EXPECT_EQ(memorise->readingLabel()->height(), middle - 10);

    // Stepping: the counter, the gauge and the reading follow.
    QTest::mouseClick(memorise->button(QStringLiteral("btn_play")), Qt::LeftButton);
    EXPECT_EQ(memorise->currentLabel()->text(), QStringLiteral("2"));
    EXPECT_EQ(memorise->readingLabel()->text(), QStringLiteral("dì"));
    EXPECT_TRUE(memorise->showTimer().isActive());
    memorise->onShowTick();
    EXPECT_EQ(memorise->currentLabel()->text(), QStringLiteral("3"));
    EXPECT_EQ(memorise->gauge()->value(), 3);

    // Both shown: reading above, character below, halves of the middle.
    memorise->showBox()->setCurrentIndex(2);
    EXPECT_EQ(memorise->readingLabel()->text(), QStringLiteral("rén"));
    EXPECT_EQ(memorise->characterLabel()->text(), QStringLiteral("人"));
    EXPECT_EQ(memorise->readingLabel()->height(), middle / 2);
    EXPECT_TRUE(memorise->readingLabel()->alignment() & Qt::AlignBottom);
    EXPECT_TRUE(memorise->characterLabel()->alignment() & Qt::AlignTop);

    // A click on either label speaks the reading.
    audio.clearCalls();
    QTest::mouseClick(memorise->characterLabel(), Qt::LeftButton);
    const QString renSound = context.resolve(QStringLiteral("DATA\\RJ\\sound\\") +
                                             soundName(QStringLiteral("rén")) + QStringLiteral(".mp3"));
    EXPECT_EQ(playedOn(AudioSlot::Voice), QStringList{renSound});

    // Neither shown: labels empty, the layout stays, stepping goes on; a click still speaks.
    memorise->showBox()->setCurrentIndex(3);
    EXPECT_EQ(memorise->readingLabel()->text(), QString());
    EXPECT_EQ(memorise->characterLabel()->text(), QString());
    EXPECT_EQ(memorise->readingLabel()->height(), middle / 2);
    QTest::mouseClick(memorise->button(QStringLiteral("btn_play")), Qt::LeftButton);
    EXPECT_EQ(memorise->currentLabel()->text(), QStringLiteral("4"));
    EXPECT_EQ(memorise->gauge()->value(), 4);
    EXPECT_EQ(memorise->characterLabel()->text(), QString());
    QTest::mouseClick(memorise->readingLabel(), Qt::LeftButton);
    EXPECT_EQ(playedOn(AudioSlot::Voice).size(), 2);
    EXPECT_TRUE(
        playedOn(AudioSlot::Voice).last().endsWith(soundName(QStringLiteral("mù")) + QStringLiteral(".mp3")));

    // Reading without sound: clicks stay silent.
    memorise->showBox()->setCurrentIndex(4);
    EXPECT_EQ(memorise->readingLabel()->text(), QStringLiteral("mù"));
    EXPECT_EQ(memorise->readingLabel()->height(), middle - 10);
    EXPECT_FALSE(memorise->speaks());
    QTest::mouseClick(memorise->readingLabel(), Qt::LeftButton);
    EXPECT_EQ(playedOn(AudioSlot::Voice).size(), 2);

    // Character only.
    memorise->showBox()->setCurrentIndex(1);
    EXPECT_EQ(memorise->readingLabel()->height(), 10);
    EXPECT_EQ(memorise->characterLabel()->text(), QStringLiteral("木"));
    EXPECT_EQ(memorise->readingLabel()->text(), QString());

    // Pause, then a pace choice resumes; manual stops the timer for good.
    QTest::mouseClick(memorise->button(QStringLiteral("btn_pause")), Qt::LeftButton);
    EXPECT_FALSE(memorise->showTimer().isActive());
    choose(memorise->paceBox(), 2);
    EXPECT_TRUE(memorise->showTimer().isActive());
    choose(memorise->paceBox(), 1);
    EXPECT_EQ(memorise->showTimer().interval(), 3000);
    choose(memorise->paceBox(), 0);
    EXPECT_FALSE(memorise->showTimer().isActive());
    QTest::mouseClick(memorise->button(QStringLiteral("btn_play")), Qt::LeftButton);
    EXPECT_EQ(memorise->currentLabel()->text(), QStringLiteral("5"));
    EXPECT_FALSE(memorise->showTimer().isActive()); // manual: "下一个" does not start it

    // The end, and back to the start.
    QTest::mouseClick(memorise->button(QStringLiteral("btn_play")), Qt::LeftButton);
    ASSERT_EQ(prompter.prompts.size(), 1);
    EXPECT_EQ(prompter.prompts.last().text, QStringLiteral("当前生字已经浏览完毕！"));
    choose(memorise->paceBox(), 3);
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(memorise->button(QStringLiteral("cxButton3")), Qt::LeftButton);
    }
    EXPECT_EQ(memorise->currentLabel()->text(), QStringLiteral("1"));
    EXPECT_TRUE(memorise->showTimer().isActive());
    EXPECT_EQ(memorise->showTimer().interval(), 10000);
    QTest::mouseClick(memorise->button(QStringLiteral("cxButton3")), Qt::LeftButton);
    ASSERT_EQ(prompter.prompts.size(), 2);
    EXPECT_EQ(prompter.prompts.last().caption, QStringLiteral("生字浏览提示"));
    EXPECT_EQ(prompter.prompts.last().text, QStringLiteral("已经是第1个生字了！"));

    // Larger and smaller type for both labels, with the limits told.
    QTest::mouseClick(memorise->button(QStringLiteral("cxButton1")), Qt::LeftButton);
    EXPECT_EQ(memorise->characterLabel()->font().pixelSize(), 112);
    EXPECT_EQ(memorise->readingLabel()->font().pixelSize(), 112);
    for (int i = 0; i < 40; ++i) {
        QTest::mouseClick(memorise->button(QStringLiteral("cxButton2")), Qt::LeftButton);
    }
    EXPECT_EQ(memorise->fontSize(), 30);
    EXPECT_EQ(memorise->readingLabel()->font().pixelSize(), 30);
    EXPECT_EQ(prompter.prompts.last().caption, QStringLiteral("字体放大缩小说明"));
    EXPECT_EQ(prompter.prompts.last().text, QStringLiteral("拼音或汉字的字体不能再缩小了！"));
    for (int i = 0; i < 50; ++i) {
        QTest::mouseClick(memorise->button(QStringLiteral("cxButton1")), Qt::LeftButton);
    }
    EXPECT_EQ(memorise->fontSize(), 240);
    EXPECT_EQ(prompter.prompts.last().text, QStringLiteral("拼音或汉字的字体不能再放大了！"));

    // Every control has a name a screen reader can say.
    for (const QWidget* control : memorise->findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus && control->isVisible()) {
            EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
        }
    }

    // "退出" closes the window and stops the pace; showing it again starts at the first character.
    choose(memorise->paceBox(), 2);
    QTest::mouseClick(memorise->button(QStringLiteral("btn_play")), Qt::LeftButton);
    QTest::mouseClick(memorise->button(QStringLiteral("btn_stop")), Qt::LeftButton);
    EXPECT_FALSE(memorise->isVisible());
    EXPECT_FALSE(memorise->showTimer().isActive());
    QTest::mouseClick(table.browseButton(), Qt::LeftButton);
    EXPECT_EQ(table.memoriseWindow(), memorise); // created once
    EXPECT_EQ(memorise->currentLabel()->text(), QStringLiteral("1"));
    EXPECT_EQ(memorise->characterLabel()->text(), QStringLiteral("天")); // the show mode stays
    memorise->close();
}

} // namespace
} // namespace qinghe
