#pragma once

#include "report.h"
#include "unihan_readings.h"

#include <QSet>
#include <QString>

namespace qinghe::lint {

class MovieProbe;

struct LintOptions {
    QString programDirectory;
    // Recordings need their files; the rest of the edition is checked without them.
    bool checkRecordings = true;
    QSet<int> recordingBooks; // book numbers whose recordings are checked; empty = all
    QString unihanPath = kDefaultUnihanReadings;
    // Accepted readings with reasons; empty for none. A missing file is an error only when
    // `overridesRequired` (the user named it).
    QString overridesPath;
    bool overridesRequired = false;
};

struct LintCounts {
    int books = 0;
    int lessons = 0;
    int characters = 0;
    int words = 0;
    int recordings = 0;
    int movies = 0;
};

struct LintResult {
    Report report;
    LintCounts counts;

    // "3 errors, 1 warning; 3 books, 6 lessons, 8 characters, 6 words, 14 recordings, 9 movies checked"
    QString summary() const;
};

// Checks the edition in `options.programDirectory`. Movies are checked with `movies` (not at all
// when it is null).
LintResult lintEdition(const LintOptions& options, MovieProbe* movies);

} // namespace qinghe::lint
