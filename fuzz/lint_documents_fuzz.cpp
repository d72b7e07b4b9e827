// Feeds arbitrary bytes to the content linter's readers: a character and a word document (with the
// record checks), a lesson-reading side file, an overrides list and Unihan reading lines.
#include "content_check.h"
#include "lessonread_index.h"
#include "reading_overrides.h"
#include "records_document.h"
#include "report.h"
#include "unihan_readings.h"
#include "xml_source.h"

#include <QByteArray>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qinghe::lint;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));

    Report report;
    const XmlSource source = XmlSource::fromBytes(bytes);
    if (source.reportProblems(report, QStringLiteral("hanzi1.xml"), QStringLiteral("missing"))) {
        for (const CharacterRecord& record :
             readCharacterRecords(source, QStringLiteral("hanzi1.xml"), 1, report)) {
            checkCharacterRecord(record, nullptr, report);
        }
        for (const WordRecord& record : readWordRecords(source, QStringLiteral("ciyu1.xml"), 1, report)) {
            checkWordRecord(record, report);
        }
    }
    const ReadingSegments segments = parseReadingSegments(bytes);
    checkSegmentRanges(segments.segments, std::int64_t(size));
    parseReadingOverrides(bytes);
    parseUnihanReadings(bytes);
    return 0;
}
