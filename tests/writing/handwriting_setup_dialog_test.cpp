#include "support/fake_services.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"
#include "writing/handwriting_setup.h"
#include "writing/handwriting_setup_dialog.h"
#include "writing/pad_link.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace qinghe {
namespace {

class SetupDialogTest : public ::testing::Test {
protected:
    QString root() const { return dir_.path() + u'/'; }
    QString settings() const { return root() + QStringLiteral("Data/systxt/Set.ini"); }

    // Shows a dialog, clicks one of its buttons as the child would and reports how it ended.
    int answer(bool enable) {
        HandwritingSetupDialog dialog(launcher_, pad_, root());
        dialog.open();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(enable ? dialog.enableButton() : dialog.declineButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
        return dialog.result();
    }

    QTemporaryDir dir_;
    test::FakeLauncher launcher_;
    test::FakePad pad_;
};

TEST_F(SetupDialogTest, LooksAsDescribed) {
    HandwritingSetupDialog dialog(launcher_, pad_, root());
    dialog.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("手写板启动设置"));
    EXPECT_EQ(dialog.size(), QSize(507, 289));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
    EXPECT_TRUE(dialog.isModal());

    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts.append(label->text());
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("手写板"))) << texts.join(u'|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("软件的“设置”中也可以打开手写板。")));
    EXPECT_TRUE(texts.contains(QStringLiteral("每次运行软件，是否开启“鼠标手写识字”的功能？")));
    EXPECT_EQ(dialog.declineButton()->text(), QStringLiteral("我不用鼠标写字"));
    EXPECT_EQ(dialog.enableButton()->text(), QStringLiteral("开启鼠标写字"));
    EXPECT_LT(dialog.declineButton()->geometry().right(), dialog.enableButton()->geometry().left());
    EXPECT_EQ(dialog.declineButton()->accessibleName(), QStringLiteral("我不用鼠标写字"));

    // White, with a picture of its own drawn on it.
    const QImage picture = dialog.grab().toImage();
    EXPECT_EQ(picture.pixelColor(5, picture.height() - 5), QColor(Qt::white));
    EXPECT_NE(picture.pixelColor(412, 60), QColor(Qt::white));

    // Centred on the desktop.
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((dialog.frameGeometry().center() - centre).manhattanLength(), 2);
}

TEST_F(SetupDialogTest, EnablingStoresOneAndStartsThePadEveryTime) {
    test::writeFile(settings(), "[BasicSet]\r\ndefault_xinban=2\r\n[SoftBoot]\r\nUse_HandWrite=-1\r\n");
    EXPECT_EQ(answer(true), QDialog::Accepted);
    EXPECT_EQ(test::readFile(settings()),
              QByteArray("[BasicSet]\r\ndefault_xinban=2\r\n[SoftBoot]\r\nUse_HandWrite=1\r\n"));
    EXPECT_EQ(launcher_.started, QStringList{padProgramPath(root())});
    EXPECT_EQ(pad_.quitsSent, 0);

    // No check for a running pad: a second answer starts it again (the pad itself keeps to one).
    EXPECT_EQ(answer(true), QDialog::Accepted);
    EXPECT_EQ(launcher_.started.size(), 2);
}

TEST_F(SetupDialogTest, DecliningStoresZeroAndEndsARunningPad) {
    test::writeFile(settings(), "[SoftBoot]\r\nUse_HandWrite=1\r\n");
    pad_.running = true;
    EXPECT_EQ(answer(false), QDialog::Accepted);
    EXPECT_EQ(test::readFile(settings()), QByteArray("[SoftBoot]\r\nUse_HandWrite=0\r\n"));
    EXPECT_EQ(pad_.quitsSent, 1);
    EXPECT_TRUE(launcher_.started.isEmpty());

    // No pad running: nothing else happens.
    EXPECT_EQ(answer(false), QDialog::Accepted);
    EXPECT_EQ(pad_.quitsSent, 1);
    EXPECT_EQ(test::readFile(settings()), QByteArray("[SoftBoot]\r\nUse_HandWrite=0\r\n"));
}

TEST_F(SetupDialogTest, AFailedWriteIsSilentAndTheDialogStillCloses) {
    struct Case {
        const char* name;
        std::function<void(const QString& root)> prepare;
        QByteArray expected; // Set.ini afterwards; empty: not a readable file
    };
    const Case cases[] = {
        {"settings folder missing: made", [](const QString&) {}, "[SoftBoot]\r\nUse_HandWrite=1\r\n"},
        {"Set.ini is a folder",
         [](const QString& r) { QDir().mkpath(r + QStringLiteral("Data/systxt/Set.ini")); }, ""},
        {"systxt is a file",
         [](const QString& r) { test::writeFile(r + QStringLiteral("Data/systxt"), "not a folder"); }, ""},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString root = dir.path() + u'/';
        c.prepare(root);
        test::FakeLauncher launcher;
        test::FakePad pad;
        HandwritingSetupDialog dialog(launcher, pad, root);
        dialog.open();
        QTest::mouseClick(dialog.enableButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible()) << c.name;
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.name;
        EXPECT_EQ(launcher.started.size(), 1) << c.name;
        EXPECT_EQ(test::readFile(root + QStringLiteral("Data/systxt/Set.ini")), c.expected) << c.name;
    }
}

TEST_F(SetupDialogTest, AReadOnlySettingsFileIsLeftAloneAndTheDialogCloses) {
    test::writeFile(settings(), "[SoftBoot]\r\nUse_HandWrite=-1\r\n");
    const QString folder = root() + QStringLiteral("Data/systxt");
    QFile::setPermissions(settings(), QFileDevice::ReadOwner);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool writable = QFileInfo(folder).isWritable();
    pad_.running = true;
    EXPECT_EQ(answer(false), QDialog::Accepted);
    EXPECT_EQ(pad_.quitsSent, 1);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!writable) {
        EXPECT_EQ(test::readFile(settings()), QByteArray("[SoftBoot]\r\nUse_HandWrite=-1\r\n"));
    } // run as root, permissions do not stop the write: the closing is what is checked then
}

TEST(HandwritingSetup, FindsTheSettingsFileWhateverItsLetterCase) {
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    test::writeFile(root + QStringLiteral("data/SYSTXT/set.INI"), "[softboot]\r\nuse_handwrite=-1\r\n");
    test::FakeLauncher launcher;
    enableHandwritingPad(launcher, root);
    EXPECT_EQ(test::readFile(root + QStringLiteral("data/SYSTXT/set.INI")),
              QByteArray("[softboot]\r\nuse_handwrite=1\r\n"));
    EXPECT_FALSE(QFile::exists(root + QStringLiteral("Data/systxt/Set.ini")));
}

} // namespace
} // namespace qinghe
