#pragma once

#include "edition_model.h"

#include <QStringList>

#include <vector>

namespace qinghe::lint {

class Report;
class XmlSource;

// Reads the records of a loaded character document (hanzi<N>.xml) or word document (ciyu<N>.xml):
// every attribute value must be Base64 of UTF-8 text, every element name a lesson key. Values that
// do not decode are reported and read as empty, as the program reads them.
std::vector<CharacterRecord> readCharacterRecords(const XmlSource& source, const QString& file,
                                                  int bookPosition, Report& report);
std::vector<WordRecord> readWordRecords(const XmlSource& source, const QString& file, int bookPosition,
                                        Report& report);

// True when `name` is a lesson key: "lesson", a unit digit 1–9 and a two-digit lesson 01–99.
bool isLessonKey(QStringView name);

// The lesson keys contained in an element name; the program puts a record in every lesson whose
// key its name contains.
QStringList lessonKeysIn(QStringView name);

} // namespace qinghe::lint
