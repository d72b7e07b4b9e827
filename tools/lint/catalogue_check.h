#pragma once

#include "catalogue/settings.h"
#include "edition_model.h"

namespace qinghe::lint {

class EditionPaths;
class Report;

// At most this many units fit a book: lesson keys give the unit one digit, and unit selections
// compare the first seven characters of a key.
inline constexpr int kMaxUnitsPerBook = 8;
// Lessons are numbered with two digits in their keys.
inline constexpr int kMaxLessonsPerUnit = 99;

// Reads and checks Data/<edition>/xml/unit.xml: well-formed, the three attributes of every node,
// the levels the program gives meaning to and the sizes their keys can hold.
EditionTree checkCatalogue(const EditionPaths& paths, const Settings& settings, Report& report);

} // namespace qinghe::lint
