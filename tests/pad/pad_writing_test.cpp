// The whole way of a written character: a model trained from the stroke data, strokes drawn with the
// mouse on the pad's real window, a candidate clicked, and the character arriving in the focused text
// field of the main program over the local socket.
#include "handwriting/median_data.h"
#include "handwriting/model_recipe.h"
#include "handwriting/model_training.h"
#include "handwriting/stroke_distortion.h"
#include "pad/pad_program.h"
#include "pad/writing_square.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"
#include "writing/pad_input.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace qinghe::pad {
namespace {

using handwriting::TrainingCharacter;

// The characters a child writes in the check, and others of similar shape and stroke count that the
// model must tell them from.
const QString kWritten = QStringLiteral("永我学山水火生写");
const QString kOthers = QStringLiteral("木禾大小人口日目月土王玉他她者");

QStringList split(const QString& text) {
    QStringList characters;
    for (const QChar c : text) {
        characters << QString(c);
    }
    return characters;
}

QString uniqueName(const char* what) {
    return QStringLiteral("qinghe-test-%1-%2")
        .arg(QLatin1String(what))
        .arg(QCoreApplication::applicationPid());
}

// Presses, moves and releases the left button along each stroke, in the square's own pixels.
void writeWithMouse(QWidget& square, const Strokes& strokes) {
    const double scale = square.width() / handwriting::kMedianUnits;
    for (const Stroke& stroke : strokes) {
        for (qsizetype i = 0; i < stroke.size(); ++i) {
            const QPointF at = stroke[i] * scale;
            const QEvent::Type type = i == 0 ? QEvent::MouseButtonPress : QEvent::MouseMove;
            QMouseEvent event(type, at, square.mapToGlobal(at), i == 0 ? Qt::LeftButton : Qt::NoButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&square, &event);
        }
        const QPointF end = stroke.last() * scale;
        QMouseEvent release(QEvent::MouseButtonRelease, end, square.mapToGlobal(end), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&square, &release);
    }
}

TEST(PadWriting, WrittenCharactersReachTheFocusedFieldOfTheMainProgram) {
    QTemporaryDir padDirectory;
    ASSERT_TRUE(padDirectory.isValid());
    const QString strokeData = test::dataDir() + QStringLiteral("/strokes");
    QList<TrainingCharacter> characters;
    for (const QString& character : split(kWritten + kOthers)) {
        QString error;
        const std::optional<Strokes> medians = handwriting::loadMedians(strokeData, character, &error);
        ASSERT_TRUE(medians.has_value()) << character.toStdString() << ": " << error.toStdString();
        characters.append({character, *medians});
    }
    handwriting::TrainingOptions options;
    options.copies = 8;
    const handwriting::TrainingResult trained =
        handwriting::trainZinniaModel(characters, options, ourModelPath(padDirectory.path()));
    ASSERT_TRUE(trained.ok) << trained.error.toStdString();
    EXPECT_EQ(trained.classes, characters.size());
    // What the tool keeps beside a model: stroke counts and shapes.
    test::writeFile(HandwritingModel::strokeCountsPath(ourModelPath(padDirectory.path())),
                    handwriting::strokeCountsText(characters));
    test::writeFile(HandwritingModel::shapesPath(ourModelPath(padDirectory.path())),
                    handwriting::shapesText(characters));

    // The main program: a window with a focused answer field, listening for the pad.
    QWidget main;
    auto* answer = new QLineEdit(&main);
    (new QVBoxLayout(&main))->addWidget(answer);
    main.show();
    main.activateWindow();
    answer->setFocus();
    PadInput input(uniqueName("main"));
    ASSERT_TRUE(input.listen());

    PadProgram program({padDirectory.path(), padDirectory.filePath(QStringLiteral("no-stock.model")),
                        uniqueName("pad"), input.serverName()});
    ASSERT_TRUE(program.start());
    EXPECT_EQ(program.window().windowTitle(), QStringLiteral("手写输入"));
    EXPECT_TRUE(program.window().isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.controller().modelKind() == ModelKind::Ours; }, 10000));
    EXPECT_EQ(program.window().statusLine()->text(), QStringLiteral("识字模型：青禾（按课本的字训练）"));

    QString expected;
    for (const QString& character : split(kWritten)) {
        const auto it = std::find_if(characters.cbegin(), characters.cend(),
                                     [&](const TrainingCharacter& c) { return c.character == character; });
        // A careful child's hand: a little shake, standard order, copies the model never saw.
        const Strokes written = handwriting::distortStrokes(it->medians, handwriting::carefulDistortion(),
                                                            handwriting::copySeed(character, 1, 4242));
        writeWithMouse(*program.window().square(), written);
        ASSERT_EQ(program.controller().ink().strokes().size(), it->medians.size()) << character.toStdString();

        const QStringList offered = program.controller().candidates();
        const int place = int(offered.indexOf(character));
        ASSERT_GE(place, 0) << character.toStdString()
                            << " not offered: " << offered.join(u' ').toStdString();
        EXPECT_LT(place, 3) << character.toStdString() << " offered " << offered.join(u' ').toStdString();
        QPushButton* button = program.window().candidateButtons().at(place);
        EXPECT_EQ(button->text(), character);
        QTest::mouseClick(button, Qt::LeftButton);

        expected += character;
        EXPECT_TRUE(QTest::qWaitFor([&] { return answer->text() == expected; }, 3000))
            << "field holds " << answer->text().toStdString();
        // Choosing starts a new character.
        EXPECT_TRUE(program.controller().ink().isEmpty());
        EXPECT_TRUE(program.window().candidateButtons().first()->text().isEmpty());
    }
}

} // namespace
} // namespace qinghe::pad
