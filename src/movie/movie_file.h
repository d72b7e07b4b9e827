#pragma once

#include "base/path_resolver.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

namespace qinghe {

// A movie file as read from disk, before the QML engine sees it. Every movie of our edition is a
// QML document whatever its extension; anything else is turned away here, cheaply and quietly.
enum class MovieFileStatus {
    Ok,
    Missing,        // no such regular file
    OutsideProgram, // resolves (through links) outside the program directory
    TooLarge,       // above the size cap
    Unreadable,     // could not be opened or read
    NotText,        // empty, a real SWF, binary or not UTF-8
};

struct MovieFile {
    MovieFileStatus status = MovieFileStatus::Missing;
    QString canonicalPath; // set when the file exists
    qint64 size = 0;
    QDateTime modified;
    QByteArray text; // the QML source, UTF-8 without byte-order mark; set when status is Ok
};

// Larger than any movie we ship by two orders of magnitude; keeps a stray video file out of memory.
inline constexpr qint64 kMaxMovieFileBytes = 4 * 1024 * 1024;

// True when the bytes can be QML source: not empty, not a real SWF ("FWS", "CWS", "ZWS"), no NUL
// byte, valid UTF-8 (an optional byte-order mark allowed).
bool looksLikeMovieText(QByteArrayView bytes);

// Reads the regular file at `path` if it lies inside `allowedRoot` (a canonical directory path)
// and passes looksLikeMovieText.
MovieFile readMovieFile(const QString& path, const QString& allowedRoot,
                        qint64 maxBytes = kMaxMovieFileBytes);

// True when `path` (canonical) is `root` (canonical) or lies below it.
bool isInsideDirectory(const QString& path, const QString& root);

// A movie address as the program writes it ("file:///C|/Prog/Data/x.swf", "file:////opt/q/x.swf",
// "file:///opt/q/x.swf" or a plain path) as a local path. Empty for other URL schemes.
QString movieAddressToPath(const QString& address);

// Reads movies the way the program names them: relative to the program directory, with '\'
// separators and any letter case, and never from outside that directory.
class MovieFileReader {
public:
    explicit MovieFileReader(const QString& programDirectory);

    // Canonical, without a trailing '/'.
    const QString& programDirectory() const { return programDirectory_; }
    // A movie path as the program writes it as the path of the existing file, when there is one.
    QString resolvePath(const QString& path) const { return resolver_.resolve(path); }
    MovieFile read(const QString& path) const;

private:
    QString programDirectory_;
    PathResolver resolver_;
};

} // namespace qinghe
