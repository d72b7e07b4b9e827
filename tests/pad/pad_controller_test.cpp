#include "model_bytes.h"
#include "pad/pad_controller.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qinghe::pad {
namespace {

class FakeMainProgram final : public MainProgramPort {
public:
    void sendCharacter(const QString& character) override { sent.append(character); }
    void requestBook() override { ++bookRequests; }
    QStringList sent;
    int bookRequests = 0;
};

class PadControllerTest : public ::testing::Test {
protected:
    PadControllerTest() {
        const QString path = dir_.filePath(QStringLiteral("ranked.model"));
        test::writeFile(path, rankedModel().bytes());
        controller_.setSquareSide(100);
        controller_.setModel(HandwritingModel::open(path), ModelKind::Ours);
    }

    void stroke(QPointF from, QPointF to) {
        controller_.penDown(from);
        for (int i = 1; i <= 4; ++i) {
            controller_.penMove(from + (to - from) * i / 4.0);
        }
        controller_.penUp();
    }

    QTemporaryDir dir_;
    FakeMainProgram main_;
    PadController controller_{main_};
};

TEST_F(PadControllerTest, OffersCandidatesAfterEachFinishedStrokeOnly) {
    QSignalSpy offered(&controller_, &PadController::candidatesChanged);
    QSignalSpy inked(&controller_, &PadController::inkChanged);
    controller_.penDown({10, 30});
    controller_.penMove({50, 30});
    controller_.penMove({90, 30});
    // While the pen moves the ink changes, the candidates do not: nothing is recognised yet.
    EXPECT_EQ(inked.size(), 3);
    EXPECT_EQ(offered.size(), 0);
    EXPECT_TRUE(controller_.candidates().isEmpty());
    controller_.penUp();
    EXPECT_EQ(offered.size(), 1);
    EXPECT_EQ(controller_.candidates(),
              (QStringList{QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("十"),
                           QStringLiteral("七"), QStringLiteral("人")}));
    stroke({10, 70}, {90, 70});
    EXPECT_EQ(controller_.candidates().first(), QStringLiteral("二"));
    EXPECT_EQ(controller_.candidates().size(), 5);

    // Undo takes the last stroke away and recognises again; clearing leaves nothing to offer.
    controller_.undoStroke();
    EXPECT_EQ(controller_.candidates().first(), QStringLiteral("一"));
    controller_.clear();
    EXPECT_TRUE(controller_.candidates().isEmpty());
    EXPECT_TRUE(controller_.ink().isEmpty());
}

TEST_F(PadControllerTest, TheBooksCharactersComeFirst) {
    controller_.setBookCharacters(QStringLiteral("天地人你我他"));
    stroke({10, 30}, {90, 30});
    stroke({10, 70}, {90, 70});
    EXPECT_EQ(controller_.candidates(),
              (QStringList{QStringLiteral("人"), QStringLiteral("二"), QStringLiteral("十"),
                           QStringLiteral("七"), QStringLiteral("一")}));
    // A new book takes effect at once.
    controller_.setBookCharacters(QStringLiteral("七"));
    EXPECT_EQ(controller_.candidates().first(), QStringLiteral("七"));
}

TEST_F(PadControllerTest, ChoosingSendsTheCharacterAndStartsAfresh) {
    QSignalSpy started(&controller_, &PadController::characterStarted);
    stroke({10, 30}, {90, 30});
    EXPECT_EQ(main_.bookRequests, 1);
    EXPECT_EQ(started.size(), 1);
    stroke({10, 70}, {90, 70});
    EXPECT_EQ(main_.bookRequests, 1); // asked once per character
    EXPECT_FALSE(controller_.choose(-1));
    EXPECT_FALSE(controller_.choose(5));
    EXPECT_TRUE(main_.sent.isEmpty());
    EXPECT_TRUE(controller_.choose(1));
    EXPECT_EQ(main_.sent, QStringList{QStringLiteral("十")});
    EXPECT_TRUE(controller_.ink().isEmpty());
    EXPECT_TRUE(controller_.candidates().isEmpty());
    stroke({10, 50}, {90, 50});
    EXPECT_EQ(main_.bookRequests, 2);
    EXPECT_EQ(started.size(), 2);
}

TEST_F(PadControllerTest, WithoutAModelThePadTakesInkButOffersNothing) {
    QSignalSpy changed(&controller_, &PadController::modelChanged);
    controller_.setModel(nullptr, ModelKind::Ours);
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(controller_.modelKind(), ModelKind::None);
    EXPECT_EQ(controller_.statusText(), QStringLiteral("没有可用的识字模型：可以写字，但不能识别"));
    stroke({10, 30}, {90, 30});
    EXPECT_EQ(controller_.ink().strokes().size(), 1);
    EXPECT_TRUE(controller_.candidates().isEmpty());
    EXPECT_FALSE(controller_.choose(0));

    // A model arriving later recognises what is already written.
    controller_.setModel(HandwritingModel::open(dir_.filePath(QStringLiteral("ranked.model"))),
                         ModelKind::Stock);
    EXPECT_EQ(controller_.modelKind(), ModelKind::Stock);
    EXPECT_EQ(controller_.candidates().first(), QStringLiteral("一"));
}

TEST(ModelStatus, SaysWhichModelRecognises) {
    EXPECT_EQ(modelStatusText(ModelKind::Loading), QStringLiteral("正在载入识字模型……"));
    EXPECT_EQ(modelStatusText(ModelKind::Ours), QStringLiteral("识字模型：青禾（按课本的字训练）"));
    EXPECT_EQ(modelStatusText(ModelKind::Stock),
              QStringLiteral("识字模型：Debian 通用模型（青禾模型还没有生成）"));
    const QList<ModelChoice> choices =
        modelChoices(QStringLiteral("/opt/qinghe/Data/hand"), QStringLiteral("/s.model"));
    ASSERT_EQ(choices.size(), 2);
    EXPECT_EQ(choices[0].path, QStringLiteral("/opt/qinghe/Data/hand/qinghe.model"));
    EXPECT_EQ(choices[0].kind, ModelKind::Ours);
    EXPECT_EQ(choices[1].path, QStringLiteral("/s.model"));
    EXPECT_EQ(choices[1].kind, ModelKind::Stock);
}

} // namespace
} // namespace qinghe::pad
