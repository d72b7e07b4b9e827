#pragma once

#include "media_requests.h"

#include <QSet>

#include <vector>

namespace qinghe::lint {

class EditionPaths;
class Report;

// Checks that every requested recording of the chosen books (all when `books` is empty; book
// numbers as the program counts them) exists and plays, each file once, and that the side file of
// every lesson reading that has one describes ranges inside the recording which play. Returns the
// number of distinct recordings checked.
int checkRecordings(const std::vector<MediaRequest>& requests, const EditionPaths& paths,
                    const QSet<int>& books, Report& report);

} // namespace qinghe::lint
