#include "movie/movie_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace qinghe {

namespace {

constexpr qint64 kReadPiece = 256 * 1024;
constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

Qt::CaseSensitivity fileNameCase() {
#ifdef Q_OS_WIN
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

QString canonicalDirectory(const QString& directory) {
    const QString absolute = QDir::cleanPath(QDir(directory).absolutePath());
    const QString canonical = QFileInfo(absolute).canonicalFilePath();
    return canonical.isEmpty() ? absolute : canonical;
}

} // namespace

MovieFileReader::MovieFileReader(const QString& programDirectory)
    : programDirectory_(canonicalDirectory(programDirectory))
    , resolver_(programDirectory_) {}

MovieFile MovieFileReader::read(const QString& path) const {
    return readMovieFile(resolvePath(path), programDirectory_);
}

bool looksLikeMovieText(QByteArrayView bytes) {
    if (bytes.startsWith(kUtf8Bom)) {
        bytes = bytes.sliced(kUtf8Bom.size());
    }
    if (bytes.isEmpty()) {
        return false;
    }
    // Uncompressed, zlib and LZMA SWF signatures: the movies of the original edition.
    if (bytes.startsWith("FWS") || bytes.startsWith("CWS") || bytes.startsWith("ZWS")) {
        return false;
    }
    if (bytes.contains('\0')) {
        return false;
    }
    return bytes.isValidUtf8();
}

bool isInsideDirectory(const QString& path, const QString& root) {
    if (root.isEmpty() || path.isEmpty()) {
        return false;
    }
    const QString prefix = root.endsWith(u'/') ? root : root + u'/';
    return path.compare(QStringView(prefix).chopped(1), fileNameCase()) == 0 ||
           path.startsWith(prefix, fileNameCase());
}

MovieFile readMovieFile(const QString& path, const QString& allowedRoot, qint64 maxBytes) {
    MovieFile result;
    const QFileInfo info(path);
    if (!info.isFile()) {
        return result;
    }
    result.canonicalPath = info.canonicalFilePath();
    result.size = info.size();
    result.modified = info.lastModified();
    if (!isInsideDirectory(result.canonicalPath, allowedRoot)) {
        result.status = MovieFileStatus::OutsideProgram;
        return result;
    }
    if (result.size > maxBytes) {
        result.status = MovieFileStatus::TooLarge;
        return result;
    }
    QFile file(result.canonicalPath);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = MovieFileStatus::Unreadable;
        return result;
    }
    // The file may have grown since it was measured: never read past the cap. Read in pieces: asking
    // for the whole cap at once would allocate it for every small movie.
    QByteArray bytes;
    bytes.reserve(std::min(result.size, maxBytes) + 1);
    while (bytes.size() <= maxBytes) {
        const QByteArray piece = file.read(std::min<qint64>(kReadPiece, maxBytes + 1 - bytes.size()));
        if (piece.isEmpty()) {
            break;
        }
        bytes += piece;
    }
    if (bytes.size() > maxBytes) {
        result.status = MovieFileStatus::TooLarge;
        return result;
    }
    if (file.error() != QFileDevice::NoError) {
        result.status = MovieFileStatus::Unreadable;
        return result;
    }
    if (!looksLikeMovieText(bytes)) {
        result.status = MovieFileStatus::NotText;
        return result;
    }
    if (bytes.startsWith(kUtf8Bom)) {
        bytes.remove(0, kUtf8Bom.size());
    }
    result.text = std::move(bytes);
    result.status = MovieFileStatus::Ok;
    return result;
}

QString movieAddressToPath(const QString& address) {
    static const QRegularExpression otherScheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z][:|]/"));
    if (!address.startsWith(u"file:", Qt::CaseInsensitive)) {
        // A one-letter "scheme" is a Windows drive ("C:\..."), so it stays a path.
        return otherScheme.match(address).hasMatch() ? QString() : address;
    }
    QString rest = QUrl::fromPercentEncoding(address.mid(5).toUtf8());
    rest.replace(u'\\', u'/');
    qsizetype slashes = 0;
    while (slashes < rest.size() && rest.at(slashes) == u'/') {
        ++slashes;
    }
    rest.remove(0, slashes);
    // The program writes drive letters the old way, "C|/", and adds a slash of its own before a
    // Unix path ("file:////opt/..."): both forms come back as a plain path.
    if (drive.match(rest).hasMatch()) {
        rest[1] = u':';
        return rest;
    }
    return u'/' + rest;
}

} // namespace qinghe
