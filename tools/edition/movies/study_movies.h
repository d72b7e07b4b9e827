#pragma once

#include "output_tree.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace qinghe::edition {

// One of the study movies: its QML source under tools/edition/movies/ and its place in the program
// folder, under the name the program loads it by.
struct StudyMovie {
    QString source;
    QString target;
};

// The lesson movie, the character card, the drill feedback and the dictation loudspeaker.
const QList<StudyMovie>& studyMovies();

// The generator reads the sources from the source tree it was built from, as it does the content
// and the stroke data: a change to a movie needs no rebuild of the tool.
QString studyMovieSourceDirectory();

// The installed file: a one-line comment naming its origin and licence, then the source without a
// byte-order mark.
QByteArray installedMovie(const QString& sourceName, const QByteArray& source);

// Writes the movies that are missing or changed. False, with a line in the report, when a source
// cannot be read or a movie cannot be written.
bool writeStudyMovies(const QString& sourceDirectory, OutputTree& out, QStringList& report);

} // namespace qinghe::edition
