#include "movie_test_support.h"

#include "support/test_paths.h"

#include <QFile>

namespace qinghe::test {

namespace {

QStringList caught;
QtMessageHandler previousHandler = nullptr;

void catchWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg) {
        caught.append(message);
    }
    if (previousHandler) {
        previousHandler(type, context, message);
    }
}

} // namespace

MovieFixture::MovieFixture() {
    EXPECT_TRUE(dir_.isValid());
}

QString MovieFixture::writeMovie(const QString& relative, const QByteArray& bytes) const {
    const QString path = programDir() + relative;
    writeFile(path, bytes);
    return path;
}

QString MovieFixture::copyExample(const QString& relative) const {
    return writeMovie(relative, readFile(dataDir() + QStringLiteral("/movies/example_card.swf")));
}

WarningCatcher::WarningCatcher() {
    caught.clear();
    previousHandler = qInstallMessageHandler(catchWarnings);
}

WarningCatcher::~WarningCatcher() {
    qInstallMessageHandler(previousHandler);
}

const QStringList& WarningCatcher::messages() const {
    return caught;
}

} // namespace qinghe::test
