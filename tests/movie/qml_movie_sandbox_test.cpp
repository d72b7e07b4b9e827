#include "movie_test_support.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QDesktopServices>
#include <QImage>
#include <QQmlProperty>
#include <QQuickItem>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace qinghe::test {
namespace {

// What a movie can reach: files under the program directory and Qt's modules, nothing else.
class QmlMovieSandboxTest : public MovieFixture {
protected:
    QmlMovieSandboxTest() {
        engine_.start();
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
        EXPECT_TRUE(outside_.isValid());
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::green);
        picture.save(outside_.filePath(QStringLiteral("outside.png")));
        picture.save(programDir() + QStringLiteral("inside.png"));
        writeFile(outside_.filePath(QStringLiteral("outside.js")), "var leaked = 42;\n");
        writeFile(programDir() + QStringLiteral("inside.js"), "var shared = 7;\n");
        writeFile(outside_.filePath(QStringLiteral("Outside.qml")), "import QtQuick\nItem {}\n");
        writeFile(outside_.filePath(QStringLiteral("lib/Thing.qml")), "import QtQuick\nItem {}\n");
        writeFile(programDir() + QStringLiteral("parts/Part.qml"),
                  "import QtQuick\nItem { property int answer: 42 }\n");
        // A module of our own in the program folder is still not importable: not a Qt module.
        writeFile(programDir() + QStringLiteral("Our/Module/qmldir"),
                  "module Our.Module\nThing 1.0 Thing.qml\n");
        writeFile(programDir() + QStringLiteral("Our/Module/Thing.qml"), "import QtQuick\nItem {}\n");
        writeFile(programDir() + QStringLiteral("includer.js"),
                  "function include(url) { var r = Qt.include(url); return r.status; }\n"
                  "function leakedValue() { return typeof leaked === 'undefined' ? -1 : leaked; }\n"
                  "function sharedValue() { return typeof shared === 'undefined' ? -1 : shared; }\n");
        host_.widget()->resize(200, 200);
        host_.widget()->show();
    }

    QString outsideUrl(const char* name) const {
        return QUrl::fromLocalFile(outside_.filePath(QString::fromLatin1(name))).toString();
    }
    QString serverUrl(const char* path) const {
        return QStringLiteral("http://127.0.0.1:%1/%2")
            .arg(server_.serverPort())
            .arg(QString::fromLatin1(path));
    }
    QVariant read(const char* name) const {
        return QQmlProperty::read(host_.movieItem(), QString::fromLatin1(name));
    }
    QVariant call(const char* function) {
        QVariant result;
        QMetaObject::invokeMethod(host_.movieItem(), function, Q_RETURN_ARG(QVariant, result));
        return result;
    }

    QTcpServer server_;
    QTemporaryDir outside_;
    QmlMovieHost host_{engine_};
};

TEST_F(QmlMovieSandboxTest, NetworkAndFilesOutsideTheProgramAreRefused) {
    const QString qml = QStringLiteral(R"(import QtQuick
import "includer.js" as Includer
Item {
    width: 100; height: 100
    property string httpXhr: "pending"
    property var fileRequests: []
    property int remoteImage: remote.status
    property int outsideImage: outside.status
    property int insideImage: inside.status
    property int outsideLoader: loader.status
    property int insideLoader: part.status
    Image { id: remote; source: "%1" }
    Image { id: outside; source: "%2" }
    Image { id: inside; source: "inside.png" }
    Loader { id: loader; source: "%3" }
    Loader { id: part; source: "parts/Part.qml" }
    function get(url) {
        var request = new XMLHttpRequest();
        request.open("GET", url);
        request.send();
        return request;
    }
    function fileReport() {
        return fileRequests.map(function(r) { return r.readyState + ":" + r.responseText.length; }).join(" ");
    }
    function openOutside() {
        return [Qt.openUrlExternally("%7"), Qt.openUrlExternally("%8")].join(" ");
    }
    function includes() {
        return [Includer.include("%4"), Includer.leakedValue(),
                Includer.include("inside.js"), Includer.sharedValue()].join(" ");
    }
    Component.onCompleted: {
        var http = get("%5");
        http.onreadystatechange = function() {
            if (http.readyState === XMLHttpRequest.DONE)
                httpXhr = "status " + http.status + " text " + http.responseText.length;
        };
        fileRequests = [get("%6"), get("file:///etc/passwd")];
    }
}
)")
                            .arg(serverUrl("picture.png"), outsideUrl("outside.png"),
                                 outsideUrl("Outside.qml"), outsideUrl("outside.js"), serverUrl(""),
                                 outsideUrl("outside.js"), serverUrl("page.html"), outsideUrl("outside.png"));
    ASSERT_TRUE(host_.setMovie(writeMovie(QStringLiteral("probe.swf"), qml.toUtf8())));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return read("httpXhr").toString() != u"pending" && read("remoteImage").toInt() != 2 /* Loading */;
    }));
    EXPECT_EQ(read("httpXhr").toString(), QStringLiteral("status 0 text 0"));
    // Local reads by XMLHttpRequest stay switched off: the requests never get past "opened".
    EXPECT_EQ(call("fileReport").toString(), QStringLiteral("1:0 1:0"));
    EXPECT_EQ(read("remoteImage").toInt(), 3 /* Image.Error */);
    EXPECT_EQ(read("outsideImage").toInt(), 3);
    EXPECT_EQ(read("insideImage").toInt(), 1 /* Image.Ready */);
    EXPECT_EQ(read("outsideLoader").toInt(), 3 /* Loader.Error */);
    EXPECT_EQ(read("insideLoader").toInt(), 1 /* Loader.Ready */);
    // Qt.include: 2 is NETWORK_ERROR, 0 is OK.
    EXPECT_EQ(call("includes").toString(), QStringLiteral("2 -1 0 7"));
    // Neither a browser nor a file manager is asked to open anything for the movie.
    UrlCatcher desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &desktop, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
    {
        const WarningCatcher warnings;
        call("openOutside");
        EXPECT_EQ(warnings.messages(), QStringList());
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(desktop.opened, QList<QUrl>());
    EXPECT_FALSE(server_.hasPendingConnections());
}

TEST_F(QmlMovieSandboxTest, ImportsReachOnlyQtModulesAndFoldersInsideTheProgram) {
    struct Case {
        const char* name;
        QString imports;
        bool loads;
    };
    const Case cases[] = {
        {"Qt modules", QStringLiteral("import QtQuick.Shapes\nimport QtQml.Models\n"), true},
        {"folder inside", QStringLiteral("import \"parts\"\n"), true},
        {"our own module", QStringLiteral("import Our.Module\n"), false},
        {"folder outside", QStringLiteral("import \"%1\"\n").arg(outsideUrl("lib")), false},
        {"remote folder", QStringLiteral("import \"%1\"\n").arg(serverUrl("lib")), false},
    };
    // Qt would otherwise add these folders to a fresh engine's import paths.
    qputenv("QML_IMPORT_PATH", programDir().toUtf8());
    qputenv("QML2_IMPORT_PATH", programDir().toUtf8());
    QmlMovieEngine engine(programDir());
    engine.start();
    qunsetenv("QML_IMPORT_PATH");
    qunsetenv("QML2_IMPORT_PATH");
    QmlMovieHost host(engine);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray qml =
            (QStringLiteral("import QtQuick\n") + c.imports + QStringLiteral("Item {}\n")).toUtf8();
        EXPECT_EQ(host.setMovie(writeMovie(QStringLiteral("imports.swf"), qml)), c.loads);
        EXPECT_EQ(host.movieItem() != nullptr, c.loads);
    }
    EXPECT_FALSE(server_.hasPendingConnections());
}

TEST_F(QmlMovieSandboxTest, EnvironmentCannotReopenLocalReadsForScripts) {
    qputenv("QML_XHR_ALLOW_FILE_READ", "1");
    QmlMovieEngine engine(programDir());
    engine.start();
    EXPECT_FALSE(qEnvironmentVariableIsSet("QML_XHR_ALLOW_FILE_READ"));
}

} // namespace
} // namespace qinghe::test
