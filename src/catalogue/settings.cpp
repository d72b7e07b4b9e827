#include "catalogue/settings.h"

namespace qinghe {

std::optional<std::array<PagePair, 12>> parsePageTable(const QString& value) {
    const QStringList items = value.split(u',');
    if (items.size() < 24) {
        return std::nullopt;
    }
    std::array<int, 24> numbers{};
    for (int i = 0; i < 24; ++i) {
        bool ok = false;
        numbers[size_t(i)] = items[i].trimmed().toInt(&ok, 10);
        if (!ok) {
            return std::nullopt;
        }
    }
    std::array<PagePair, 12> pages{};
    for (size_t i = 0; i < 12; ++i) {
        pages[i] = PagePair{numbers[2 * i], numbers[2 * i + 1]};
    }
    return pages;
}

SettingsRead readSettings(const IniDocument& ini) {
    SettingsRead read;
    Settings& s = read.settings;
    s.fullScreen = ini.boolean(u"BasicSet", u"bFullScreen", s.fullScreen);
    s.rememberTestSection = ini.boolean(u"UserSet", u"bRemTestSection", s.rememberTestSection);
    s.rememberComprehensiveTest =
        ini.boolean(u"UserSet", u"bRemComprehensiveTest", s.rememberComprehensiveTest);
    s.rememberCourseware = ini.boolean(u"UserSet", u"bRemkejian", s.rememberCourseware);
    s.comprehensiveTestBook = ini.integer(u"TongbuSet", u"iComprehensive_Test_book", s.comprehensiveTestBook);
    s.testBook = ini.integer(u"TongbuSet", u"iTest_book", s.testBook);
    s.testUnit = ini.integer(u"TongbuSet", u"iTest_unit", s.testUnit);
    s.testSection = ini.integer(u"TongbuSet", u"iTest_section", s.testSection);
    s.testFontSize = ini.integer(u"TongbuSet", u"i_TestFontsize", s.testFontSize);
    s.coursewareBook = ini.integer(u"TongbuSet", u"ikejian_book", s.coursewareBook);
    s.handwritingMode = ini.string(u"SoftBoot", u"Use_HandWrite", s.handwritingMode);
    s.publisher = ini.string(u"BasicSet", u"JiaoCai", s.publisher);
    s.rcLabel = ini.string(u"BasicSet", u"RCLabel", s.rcLabel);
    s.bookMode = ini.string(u"BasicSet", u"GBegin", s.bookMode);
    s.rLabel = ini.string(u"BasicSet", u"RLabel", s.rLabel);
    s.edition = ini.string(u"BasicSet", u"BanBen", s.edition).toLower();

    const auto pages = parsePageTable(ini.string(u"Book", u"page", QString()));
    if (pages) {
        s.pages = *pages;
    }
    read.ok = pages.has_value() && !ini.readError();

    // Read after the page table, and independently of it: a broken value just keeps both defaults.
    bool widthOk = false;
    bool heightOk = false;
    const int width =
        ini.string(u"BasicSet", u"ibook_Width", QStringLiteral("1530")).trimmed().toInt(&widthOk);
    const int height =
        ini.string(u"BasicSet", u"ibook_height", QStringLiteral("1096")).trimmed().toInt(&heightOk);
    if (widthOk && heightOk) {
        s.pageWidth = width;
        s.pageHeight = height;
    }
    return read;
}

TestPaperText TestPaperText::fromBaseSize(int base) {
    TestPaperText text;
    text.sizes = {base, base, base - 2, base - 2, base - 2};
    return text;
}

TestPaperText TestPaperText::fromMenuSize(int size) {
    TestPaperText text;
    text.sizes = {size, size, size - 1, size - 1, size - 1};
    return text;
}

} // namespace qinghe
