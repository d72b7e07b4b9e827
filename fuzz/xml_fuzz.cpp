// Loads arbitrary bytes as a content document and reads it as a table of contents.
#include "catalogue/catalogue.h"
#include "catalogue/xml_document.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qinghe;
    XmlDocument document;
    document.loadBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const auto nodes = readCatalogue(document);
    (void)countNodes(nodes);
    if (document.isLoaded()) {
        (void)document.root().select_node("lesson101[@Chinese=\"5aSp\"]");
    }
    return 0;
}
