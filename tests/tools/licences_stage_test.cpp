#include "licences/licence_files.h"
#include "stages.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qinghe::edition {
namespace {

using ::testing::HasSubstr;
using ::testing::IsSupersetOf;
using ::testing::StartsWith;

class LicencesStage : public ::testing::Test {
protected:
    LicencesStage() {
        options_.contentDirectory = QStringLiteral(QINGHE_SOURCE_DIR "/content");
        options_.outputDirectory = out_.path();
        options_.strokeDataDirectory = test::dataDir() + QStringLiteral("/strokes");
    }
    QStringList run() {
        OutputTree out(out_.path());
        QStringList report;
        StageContext context{edition_, options_, out, report};
        ok_ = runLicencesStage(context);
        return report;
    }
    QString folder() const { return out_.path() + QStringLiteral("/Data/LICENSES/"); }
    std::string text(const char* name) const {
        return test::readFile(folder() + QLatin1String(name)).toStdString();
    }

    Edition edition_;
    Options options_;
    QTemporaryDir out_;
    bool ok_ = false;
};

TEST_F(LicencesStage, EverySourceHasItsLicenceAndTheReadmeSaysWhatIsOurs) {
    const QStringList report = run();
    ASSERT_TRUE(ok_) << report.join(u'\n').toStdString();
    const QStringList files = QDir(folder()).entryList(QDir::Files);
    const QStringList expected = {
        QStringLiteral("README.txt"),         QStringLiteral("hanzi-writer-data-ARPHICPL.txt"),
        QStringLiteral("Unihan-Unicode.txt"), QStringLiteral("jieba-MIT.txt"),
        QStringLiteral("pinyin-pro-MIT.txt"), QStringLiteral("espeak-ng.txt"),
        QStringLiteral("LAME.txt"),           QStringLiteral("SoX.txt"),
    };
    EXPECT_THAT(files, IsSupersetOf(expected));

    EXPECT_THAT(
        text("hanzi-writer-data-ARPHICPL.txt"),
        HasSubstr(
            test::readFile(options_.strokeDataDirectory + QStringLiteral("/ARPHICPL.TXT")).toStdString()));
    EXPECT_THAT(text("Unihan-Unicode.txt"), HasSubstr("UNICODE, INC. LICENSE AGREEMENT"));
    EXPECT_THAT(text("jieba-MIT.txt"), HasSubstr("Permission is hereby granted"));
    EXPECT_THAT(text("pinyin-pro-MIT.txt"), HasSubstr("MIT License"));
    EXPECT_THAT(text("espeak-ng.txt"), StartsWith("The program 青禾书屋 does not contain eSpeak NG"));
    EXPECT_THAT(text("LAME.txt"), HasSubstr("Lesser General Public License"));

    const std::string readme = text("README.txt");
    EXPECT_THAT(readme, HasSubstr("CC BY 4.0"));
    EXPECT_THAT(readme, HasSubstr("由青禾书屋的作者为本演示版编写"));
    EXPECT_THAT(readme, HasSubstr("written for this edition by the 青禾书屋 authors"));
    EXPECT_THAT(readme, HasSubstr("public domain"));
    for (const QString& file : files) {
        if (file != u"README.txt") {
            EXPECT_THAT(readme, HasSubstr(file.toStdString()));
        }
    }

    EXPECT_THAT(run().join(u'\n').toStdString(),
                HasSubstr(QStringLiteral("0 of %1 files written").arg(files.size()).toStdString()));
}

TEST_F(LicencesStage, TheStrokeLicenceIsRequired) {
    options_.strokeDataDirectory = out_.path() + QStringLiteral("/missing");
    const QStringList report = run();
    EXPECT_FALSE(ok_);
    EXPECT_THAT(report.join(u'\n').toStdString(), HasSubstr("hanzi-writer-data 2.0.1"));
    EXPECT_FALSE(QFileInfo::exists(folder()));
}

TEST(LicenceFolder, FallsBackAndNamesWhatIsMissing) {
    QTemporaryDir dir;
    test::writeFile(dir.path() + QStringLiteral("/second.txt"), "second copy");
    const QList<LicenceEntry> entries = {
        {QStringLiteral("a.txt"),
         QStringLiteral("A"),
         QStringLiteral("MIT License"),
         QStringLiteral("甲"),
         QStringLiteral("a"),
         QStringLiteral("note A"),
         {dir.path() + QStringLiteral("/first.txt"), dir.path() + QStringLiteral("/second.txt")},
         true},
        {QStringLiteral("b.txt"),
         QStringLiteral("B"),
         QStringLiteral("GPL"),
         QStringLiteral("乙"),
         QStringLiteral("b"),
         QString(),
         {dir.path() + QStringLiteral("/none.txt")},
         false},
    };
    LicenceFolder folder = licenceFolder(entries);
    EXPECT_TRUE(folder.complete);
    EXPECT_EQ(folder.missing, QStringList{QStringLiteral("B")});
    ASSERT_EQ(folder.files.size(), 3);
    EXPECT_EQ(folder.files[1].first, QStringLiteral("Data/LICENSES/a.txt"));
    EXPECT_EQ(folder.files[1].second, QByteArray("note A\n\nsecond copy"));
    EXPECT_TRUE(folder.files[2].second.contains("was not installed"));

    QList<LicenceEntry> required = entries;
    required[1].required = true;
    folder = licenceFolder(required);
    EXPECT_FALSE(folder.complete);
    EXPECT_EQ(folder.files.size(), 2);
}

} // namespace
} // namespace qinghe::edition
