#include "qml_movie/local_network_factory.h"
#include "qml_movie/movie_sandbox.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace qinghe::test {
namespace {

class MovieSandboxTest : public ::testing::Test {
protected:
    MovieSandboxTest() {
        writeFile(root() + QStringLiteral("/Data/a.swf"), "import QtQuick\nItem {}\n");
        writeFile(outside_.filePath(QStringLiteral("secret.txt")), "secret");
        QFile::link(outside_.filePath(QStringLiteral("secret.txt")),
                    root() + QStringLiteral("/Data/link.txt"));
    }
    QString root() const { return program_.path(); }
    QUrl file(const QString& path) const { return QUrl::fromLocalFile(path); }

    QTemporaryDir program_;
    QTemporaryDir outside_;
    QTemporaryDir modules_;
    MovieSandbox sandbox_{{program_.path(), modules_.path()}};
};

TEST_F(MovieSandboxTest, AllowsLocalFilesBelowItsFoldersAndResourcesOnly) {
    struct Case {
        const char* name;
        QUrl url;
        bool allowed;
    };
    const Case cases[] = {
        {"nothing", QUrl(), true},
        {"resource", QUrl(QStringLiteral("qrc:/sounds/ok.wav")), true},
        {"file in the program", file(root() + QStringLiteral("/Data/a.swf")), true},
        {"not yet existing file in the program", file(root() + QStringLiteral("/Data/b.png")), true},
        {"Qt module file", file(modules_.path() + QStringLiteral("/QtQuick/qmldir")), true},
        {"climbing out", file(root() + QStringLiteral("/Data/../../etc/passwd")), false},
        {"beside the program", file(root() + QStringLiteral("2/a.swf")), false},
        {"system file", file(QStringLiteral("/etc/passwd")), false},
        {"link leading out", file(root() + QStringLiteral("/Data/link.txt")), false},
        {"remote share", QUrl(QStringLiteral("file://server/share/a.swf")), false},
        {"http", QUrl(QStringLiteral("http://127.0.0.1/a.png")), false},
        {"https", QUrl(QStringLiteral("https://example.org/a.qml")), false},
        {"ftp", QUrl(QStringLiteral("ftp://example.org/a.qml")), false},
        {"data", QUrl(QStringLiteral("data:text/plain,hello")), false},
    };
    SandboxUrlInterceptor interceptor(sandbox_);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sandbox_.allows(c.url), c.allowed);
        EXPECT_EQ(interceptor.intercept(c.url, QQmlAbstractUrlInterceptor::UrlString),
                  c.allowed ? c.url : MovieSandbox::refusedUrl());
    }
}

TEST_F(MovieSandboxTest, NetworkManagerAnswersRefusedRequestsWithoutASocket) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    LocalNetworkFactory factory(sandbox_);
    const std::unique_ptr<QNetworkAccessManager> manager(factory.create(nullptr));

    const auto fetch = [&](const QUrl& url, bool put = false) {
        QNetworkReply* reply =
            put ? manager->put(QNetworkRequest(url), QByteArray("x")) : manager->get(QNetworkRequest(url));
        reply->setParent(manager.get());
        EXPECT_TRUE(QTest::qWaitFor([reply] { return reply->isFinished(); }));
        return std::make_pair(reply->error(), reply->readAll());
    };
    const QUrl remote(QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort()));
    EXPECT_EQ(fetch(remote).first, QNetworkReply::ContentAccessDenied);
    EXPECT_EQ(fetch(file(outside_.filePath(QStringLiteral("secret.txt")))),
              std::make_pair(QNetworkReply::ContentAccessDenied, QByteArray()));
    EXPECT_EQ(fetch(file(root() + QStringLiteral("/Data/a.swf"))),
              std::make_pair(QNetworkReply::NoError, QByteArray("import QtQuick\nItem {}\n")));
    EXPECT_EQ(fetch(file(root() + QStringLiteral("/Data/new.txt")), true).first,
              QNetworkReply::ContentAccessDenied);
    EXPECT_FALSE(QFile::exists(root() + QStringLiteral("/Data/new.txt")));
    EXPECT_FALSE(server.hasPendingConnections());
}

} // namespace
} // namespace qinghe::test
