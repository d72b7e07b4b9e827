#pragma once

#include "base/ini_file.h"

#include <QString>

#include <array>

namespace qinghe {

// First and last page number of one book (click-to-read pages).
struct PagePair {
    int lastPage = 0;
    int firstPage = 0;
    bool operator==(const PagePair&) const = default;
};

// Everything Set.ini holds, with the program's built-in defaults. Keys marked "kept" are read and
// held for completeness; nothing acts on them.
struct Settings {
    // BasicSet
    bool fullScreen = false;
    QString publisher = QStringLiteral("人民教育出版社"); // JiaoCai, kept
    QString rcLabel = QStringLiteral("R");                // kept
    QString bookMode = QStringLiteral("1");               // GBegin: "0" = all twelve books, else the one book
    QString rLabel = QStringLiteral("QHSW_RJ_One");       // kept
    QString edition = QStringLiteral("rj");               // BanBen lower-cased: the folder under Data/
    int pageWidth = 1530;                                 // ibook_Width
    int pageHeight = 1096;                                // ibook_height
    // UserSet, kept
    bool rememberTestSection = true;
    bool rememberComprehensiveTest = true;
    bool rememberCourseware = true;
    // TongbuSet
    int comprehensiveTestBook = 1; // kept
    int testBook = 1;              // kept
    int testUnit = 1;              // kept
    int testSection = 1;           // kept
    int testFontSize = 20;         // i_TestFontsize
    int coursewareBook = 1;        // kept
    // SoftBoot
    QString handwritingMode = QStringLiteral("-1"); // Use_HandWrite: "-1" ask, "1" start, "0" not
    // Book
    std::array<PagePair, 12> pages{};

    bool singleBook() const { return bookMode != u"0"; }
};

struct SettingsRead {
    Settings settings;
    // False when the mandatory page table is missing or broken: the program cannot start.
    bool ok = false;
};

// Reads the keys in the program's fixed order. The page table must hold 24 integers.
SettingsRead readSettings(const IniDocument& ini);

// The twelve page pairs from "last,first,last,first,…"; nullopt when fewer than 24 integers lead it.
std::optional<std::array<PagePair, 12>> parsePageTable(const QString& value);

// Test-paper text: five font sizes, the font and two background colours (0xBBGGRR).
struct TestPaperText {
    std::array<int, 5> sizes{20, 20, 18, 18, 18};
    QString font = QStringLiteral("宋体");
    int colour1 = 0xFFFFF4;
    int colour2 = 0xFDF9EE;

    // At start-up: F, F, F-2, F-2, F-2.
    static TestPaperText fromBaseSize(int base);
    // After a choice in the font-size menu: T, T, T-1, T-1, T-1.
    static TestPaperText fromMenuSize(int size);
};

} // namespace qinghe
