#include "base/path_resolver.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QDir>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace qinghe {
namespace {

TEST(PathResolver, MatchesEachComponentWithoutRegardToCase) {
    QTemporaryDir dir;
    test::writeFile(dir.path() + QStringLiteral("/Data/RJ/sound/YWJj.mp3"), "x");
    test::writeFile(dir.path() + QStringLiteral("/Data/systxt/Set.ini"), "x");
    const PathResolver resolver(dir.path());

    struct Case {
        QString written;
        QString expected; // relative to the root; empty = not found
    };
    const Case cases[] = {
        {QStringLiteral("DATA\\rj\\sound\\YWJj.mp3"), QStringLiteral("Data/RJ/sound/YWJj.mp3")},
        {QStringLiteral("Data/RJ/sound/YWJj.mp3"), QStringLiteral("Data/RJ/sound/YWJj.mp3")},
        {QStringLiteral("data\\SYSTXT\\set.INI"), QStringLiteral("Data/systxt/Set.ini")},
        {QStringLiteral("Data\\RJ"), QStringLiteral("Data/RJ")},
        {QStringLiteral("Data\\RJ\\sound\\missing.mp3"), QString()},
        {QStringLiteral("nothing\\here"), QString()},
    };
    for (const Case& c : cases) {
        const QString resolved = resolver.resolve(c.written);
        if (c.expected.isEmpty()) {
            EXPECT_FALSE(resolver.exists(c.written)) << c.written.toStdString();
        } else {
            EXPECT_EQ(resolved, QDir::cleanPath(dir.path() + u'/' + c.expected)) << c.written.toStdString();
        }
    }
    // Base64 names differ only in case: the exact spelling must win over a case-folded match.
    test::writeFile(dir.path() + QStringLiteral("/Data/RJ/sound/ywjj.mp3"), "y");
    EXPECT_EQ(resolver.resolve(QStringLiteral("DATA\\RJ\\sound\\ywjj.mp3")),
              dir.path() + QStringLiteral("/Data/RJ/sound/ywjj.mp3"));
    // With no exact spelling, the same one of the two is found whatever order the folder lists them in.
    EXPECT_EQ(resolver.resolve(QStringLiteral("DATA\\RJ\\sound\\YWJJ.MP3")),
              dir.path() + QStringLiteral("/Data/RJ/sound/YWJj.mp3"));
}

TEST(PathResolver, SeesFilesAddedAfterTheFirstLookup) {
    QTemporaryDir dir;
    test::writeFile(dir.path() + QStringLiteral("/Data/RJ/sound/a.mp3"), "x");
    const PathResolver resolver(dir.path());
    EXPECT_FALSE(resolver.exists(QStringLiteral("DATA\\RJ\\SOUND\\b.mp3")));
    // Directory times have one-second resolution on some file systems.
    QThread::msleep(1100);
    test::writeFile(dir.path() + QStringLiteral("/Data/RJ/sound/b.mp3"), "x");
    EXPECT_TRUE(resolver.exists(QStringLiteral("DATA\\RJ\\SOUND\\b.mp3")));
}

} // namespace
} // namespace qinghe
