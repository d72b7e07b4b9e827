// Reads arbitrary bytes as an INI file, looks keys up and writes one: nothing may crash or hang,
// and the write must keep every byte outside its line.
#include "base/ini_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qinghe;
    IniDocument ini =
        IniDocument::fromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    (void)ini.value(u"Book", u"page");
    (void)ini.integer(u"TongbuSet", u"i_TestFontsize", 20);
    (void)ini.boolean(u"BasicSet", u"bFullScreen", false);
    ini.setValue(u"BasicSet", u"default_xinban", QStringLiteral("3"));
    if (ini.value(u"BasicSet", u"default_xinban") != QStringLiteral("3")) {
        __builtin_trap();
    }
    return 0;
}
