#include "support/qt_printers.h"
#include "writing/focus_insert.h"
#include "writing/pad_input.h"
#include "writing/test_peer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace qinghe {
namespace {

using test::TestPeer;

// A window of the main program with one field that has the focus.
struct FocusedWindow {
    explicit FocusedWindow(QWidget* field) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        EXPECT_TRUE(QTest::qWaitFor([field] { return QApplication::focusWidget() == field; }, 2000));
    }
    QWidget window;
};

class PadInputTest : public ::testing::Test {
protected:
    PadInputTest()
        : input_(test::uniqueSocketName("main"), 400) {
        EXPECT_TRUE(input_.listen());
    }

    // Sends lines as the pad does and waits until the main program has taken `expected` characters.
    void send(const QByteArray& lines, int expected = 1) {
        TestPeer pad(input_.serverName());
        ASSERT_TRUE(pad.connected());
        pad.send(lines);
        EXPECT_TRUE(QTest::qWaitFor([&] { return spy_.size() >= expected; }, 2000)) << lines.toStdString();
    }

    PadInput input_;
    QSignalSpy spy_{&input_, &PadInput::characterReceived};
};

TEST_F(PadInputTest, PutsTheCharacterIntoTheFocusedTextField) {
    auto* line = new QLineEdit(QStringLiteral("ab"));
    FocusedWindow window(line);
    line->setCursorPosition(1);
    send("char 永\n");
    EXPECT_EQ(line->text(), QStringLiteral("a永b"));
    ASSERT_EQ(spy_.size(), 1);
    EXPECT_EQ(spy_[0][0].toString(), QStringLiteral("永"));
    EXPECT_TRUE(spy_[0][1].toBool());

    // Several characters in one go arrive in order.
    send("char 山\nchar 水\r\nchar 火\n", 4);
    EXPECT_EQ(line->text(), QStringLiteral("a永山水火b"));
}

TEST_F(PadInputTest, TakesEveryKindOfTextFieldAndNothingElse) {
    struct Case {
        const char* name;
        std::function<QWidget*()> make;
        std::function<QString(QWidget*)> text;
        const char* expected;
        bool inserted;
    };
    const auto lineText = [](QWidget* w) { return static_cast<QLineEdit*>(w)->text(); };
    const Case cases[] = {
        {"text edit", [] { return new QTextEdit(QStringLiteral("答：")); },
         [](QWidget* w) { return static_cast<QTextEdit*>(w)->toPlainText(); }, "答：学", true},
        {"plain text edit", [] { return new QPlainTextEdit(QStringLiteral("答：")); },
         [](QWidget* w) { return static_cast<QPlainTextEdit*>(w)->toPlainText(); }, "答：学", true},
        {"read-only line",
         [] {
             auto* line = new QLineEdit(QStringLiteral("答："));
             line->setReadOnly(true);
             return line;
         },
         lineText, "答：", false},
        {"button", [] { return new QPushButton(QStringLiteral("答：")); },
         [](QWidget* w) { return static_cast<QPushButton*>(w)->text(); }, "答：", false},
    };
    for (const Case& c : cases) {
        spy_.clear();
        QWidget* field = c.make();
        FocusedWindow window(field);
        if (auto* edit = qobject_cast<QTextEdit*>(field)) {
            edit->moveCursor(QTextCursor::End);
        }
        if (auto* edit = qobject_cast<QPlainTextEdit*>(field)) {
            edit->moveCursor(QTextCursor::End);
        }
        send("char 学\n");
        EXPECT_EQ(c.text(field), QString::fromUtf8(c.expected)) << c.name;
        ASSERT_EQ(spy_.size(), 1) << c.name;
        EXPECT_EQ(spy_[0][1].toBool(), c.inserted) << c.name;
    }
}

TEST_F(PadInputTest, WithNoFocusedFieldNothingHappens) {
    auto* line = new QLineEdit;
    FocusedWindow window(line);
    window.window.hide();
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::focusWidget() == nullptr; }, 1000));
    send("char 写\n");
    EXPECT_TRUE(line->text().isEmpty());
    ASSERT_EQ(spy_.size(), 1);
    EXPECT_FALSE(spy_[0][1].toBool());
}

TEST_F(PadInputTest, WhileInactiveTheFieldFocusedLastGetsIt) {
    // Clicking the pad may take the activation from the main program, and focusWidget() with it.
    auto* line = new QLineEdit;
    FocusedWindow window(line);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QApplication::setActiveWindow(nullptr);
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    // The last window that had a focused widget was the main program's.
    EXPECT_EQ(input_.targetField(), line);
    send("char 生\n");
    EXPECT_EQ(line->text(), QStringLiteral("生"));
}

TEST_F(PadInputTest, AnswersTheBookQuestionAndPing) {
    input_.setBookCharacters(QStringLiteral("天地人你我他"));
    TestPeer pad(input_.serverName());
    ASSERT_TRUE(pad.connected());
    pad.send("book?\nping\n");
    EXPECT_TRUE(pad.receives("book 天地人你我他\npong\n"));
    EXPECT_EQ(spy_.size(), 0);
}

TEST_F(PadInputTest, IgnoresGarbageHalfLinesAndHugeLines) {
    auto* line = new QLineEdit;
    FocusedWindow window(line);
    {
        TestPeer garbage(input_.serverName());
        ASSERT_TRUE(garbage.connected());
        garbage.send("char\nchar 永久\nchar \xff\n\x01\x02\x03\nquit\n");
        garbage.send(QByteArray(kMaxPadLineBytes + 10, 'x') + "\n");
        garbage.send("char 错"); // half a line, then the peer goes away
        QTest::qWait(50);
    }
    QTest::qWait(50);
    EXPECT_TRUE(line->text().isEmpty());
    EXPECT_EQ(spy_.size(), 0);
    // The main program still listens and takes the next character.
    send("char 对\n");
    EXPECT_EQ(line->text(), QStringLiteral("对"));
}

TEST_F(PadInputTest, APeerThatNeverSendsOrNeverReadsCannotHoldTheProgram) {
    auto* line = new QLineEdit;
    FocusedWindow window(line);
    QElapsedTimer clock;
    clock.start();
    TestPeer silent(input_.serverName());
    ASSERT_TRUE(silent.connected());
    // Another peer is served while the silent one is connected.
    send("char 山\n");
    EXPECT_EQ(line->text(), QStringLiteral("山"));
    // The silent one is dropped after the peer time (400 ms here).
    EXPECT_TRUE(silent.dropped(3000));
    EXPECT_GE(clock.elapsed(), 300);

    // A peer that asks and asks but never reads its answers is cut off at 64 KB.
    TestPeer greedy(input_.serverName());
    ASSERT_TRUE(greedy.connected());
    QObject::disconnect(&greedy.socket, &QLocalSocket::readyRead, nullptr, nullptr);
    const QByteArray questions = QByteArray("book?\n").repeated(20000);
    greedy.send(questions);
    EXPECT_TRUE(greedy.dropped(3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return input_.isListening(); }, 100));
    send("char 水\n", 2);
    EXPECT_EQ(line->text(), QStringLiteral("山水"));
}

TEST(PadInputListen, TakesOverAStaleNameButNotALiveOne) {
    const QString name = test::uniqueSocketName("stale");
    PadInput first(name);
    ASSERT_TRUE(first.listen());
    PadInput second(name);
    EXPECT_FALSE(second.listen());

    // A socket file left behind by a program that crashed: nobody answers on it.
    const QString path = QDir::tempPath() + u'/' + name + QStringLiteral("-left");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    PadInput third(name + QStringLiteral("-left"));
    EXPECT_TRUE(third.listen());
}

TEST(InsertIntoTextField, LeavesDisabledFieldsAndNullAlone) {
    QLineEdit line;
    line.setEnabled(false);
    EXPECT_FALSE(insertIntoTextField(&line, QStringLiteral("字")));
    EXPECT_TRUE(line.text().isEmpty());
    EXPECT_FALSE(insertIntoTextField(nullptr, QStringLiteral("字")));
    QLineEdit enabled;
    EXPECT_FALSE(insertIntoTextField(&enabled, QString()));
    EXPECT_TRUE(insertIntoTextField(&enabled, QStringLiteral("字")));
    EXPECT_EQ(enabled.text(), QStringLiteral("字"));
}

} // namespace
} // namespace qinghe
