#include "pad/candidate_ranking.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace qinghe::pad {
namespace {

QList<Candidate> results(const QString& characters) {
    QList<Candidate> list;
    float score = 1.0f;
    for (const QChar c : characters) {
        list.append({QString(c), score});
        score -= 0.01f;
    }
    return list;
}

QStringList split(const QString& characters) {
    QStringList list;
    for (const QChar c : characters) {
        list.append(QString(c));
    }
    return list;
}

TEST(CandidateRanking, TheBooksCharactersComeFirst) {
    struct Case {
        const char* name;
        const char* recognised;
        const char* book;
        int count;
        const char* shown;
    };
    const Case cases[] = {
        {"no book", "土士上工干千于王壬五", "", 10, "土士上工干千于王壬五"},
        {"book character moves up", "土士上工干千于王壬五", "上", 10, "上土士工干千于王壬五"},
        {"several keep their order", "土士上工干千于王壬五", "王上", 10, "上王土士工干千于壬五"},
        {"from just below the row", "土士上工干千于王壬五午牛", "牛", 10, "牛土士上工干千于王壬"},
        {"not from beyond the window", "土士上工干千于王壬五午牛手毛气长斤斥片升爪", "爪", 10,
         "土士上工干千于王壬五"},
        {"the best three always stay", "土士上工干千于王壬五午牛手", "于王壬五午牛手上工", 10,
         "上工于王壬五午土士干"},
        {"fewer results than places", "山出", "出", 10, "出山"},
        {"repeats shown once", "山山出", "", 10, "山出"},
        {"nothing recognised", "", "山", 10, ""},
        {"a shorter row", "土士上工干", "工", 3, "土士上"},
    };
    for (const Case& c : cases) {
        const QStringList shown = rankCandidates(results(QString::fromUtf8(c.recognised)),
                                                 characterSet(QString::fromUtf8(c.book)), c.count, 20, 3);
        EXPECT_EQ(shown, split(QString::fromUtf8(c.shown))) << c.name;
    }
}

TEST(CandidateRanking, ABookTextBecomesASetOfCharacters) {
    EXPECT_EQ(characterSet(QStringLiteral("天地 人\n天𠀀")),
              (QSet<QString>{QStringLiteral("天"), QStringLiteral("地"), QStringLiteral("人"),
                             QStringLiteral("𠀀")}));
    EXPECT_TRUE(characterSet(QString()).isEmpty());
    // A lone surrogate at the end is kept as it is rather than read past the end.
    const QString broken = QStringLiteral("山") + QChar(0xd840);
    EXPECT_EQ(characterSet(broken).size(), 2);
}

} // namespace
} // namespace qinghe::pad
