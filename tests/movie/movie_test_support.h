#pragma once

#include "qml_movie/qml_movie_engine.h"
#include "qml_movie/qml_movie_host.h"
#include "support/qt_printers.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace qinghe::test {

// A program directory of its own, an engine on it and helpers to write movies into it.
class MovieFixture : public ::testing::Test {
protected:
    MovieFixture();

    QString programDir() const { return dir_.path() + u'/'; }
    // Writes `bytes` to programDir() + relative and returns the full path.
    QString writeMovie(const QString& relative, const QByteArray& bytes) const;
    // The committed example movie, copied to programDir() + relative.
    QString copyExample(const QString& relative) const;

    QTemporaryDir dir_;
    QmlMovieEngine engine_{dir_.path()};
};

// Stands in for the desktop's handler of a URL scheme: records what it was asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

// Collects every message of warning level or above while alive: a blank host must stay quiet.
class WarningCatcher {
public:
    WarningCatcher();
    ~WarningCatcher();
    const QStringList& messages() const;
};

} // namespace qinghe::test
