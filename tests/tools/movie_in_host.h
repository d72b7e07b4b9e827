#pragma once

#include "qml_movie/qml_movie_engine.h"
#include "qml_movie/qml_movie_host.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QQmlEngine>
#include <QQmlError>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace qinghe::edition {

using Command = std::pair<QString, QString>;

inline QString u8(const char* text) {
    return QString::fromUtf8(text);
}

// A generated movie in the program's own movie host, as the program shows it: the engine on a program
// folder (a fresh one, or one the whole suite shares), the QML warnings, which must stay none, and the
// commands the movie sends; with helpers to find, read and click the movie's named items.
class MovieInHostTest : public ::testing::Test {
protected:
    explicit MovieInHostTest(const QString& folder = QString())
        : folder_(folder.isEmpty() ? ownFolder_.path() : folder) {}

    // As the program does at start-up: the movies ask for 楷体.
    static void SetUpTestSuite() {
        QFont::insertSubstitutions(u8("楷体"), {u8("LXGW WenKai"), u8("AR PL UKai CN")});
    }
    void SetUp() override {
        ASSERT_TRUE(ownFolder_.isValid());
        engine_.start();
        QObject::connect(engine_.qmlEngine(), &QQmlEngine::warnings, [this](const QList<QQmlError>& errors) {
            for (const QQmlError& error : errors) {
                warnings_ << error.toString();
            }
        });
        QObject::connect(&host_, &MovieHost::fsCommand,
                         [this](const QString& command, const QString& arguments) {
                             commands_.append({command, arguments});
                         });
    }
    void TearDown() override { EXPECT_TRUE(warnings_.isEmpty()) << warnings_.join(u'\n').toStdString(); }

    // Shows the movie at `relative` in the program folder.
    void show(const QString& relative) {
        ASSERT_TRUE(host_.setMovie(folder_ + u'/' + relative));
        ASSERT_NE(host_.movieItem(), nullptr)
            << "the host stayed blank: " << warnings_.join(u'\n').toStdString();
        settle();
    }
    // Lets bindings, positioners and a frame run.
    void settle() {
        QTest::qWait(20);
        if (host_.quickWidget() != nullptr) {
            host_.quickWidget()->grabFramebuffer();
        }
        QTest::qWait(10);
    }

    // Items of the visual tree by object name: only shown ones, unless `all`.
    QList<QQuickItem*> items(const QRegularExpression& name, bool all = false) const {
        QList<QQuickItem*> out;
        const std::function<void(QQuickItem*)> collect = [&](QQuickItem* item) {
            if ((all || item->isVisible()) && name.match(item->objectName()).hasMatch()) {
                out.append(item);
            }
            for (QQuickItem* child : item->childItems()) {
                collect(child);
            }
        };
        if (host_.movieItem() != nullptr) {
            collect(host_.movieItem());
        }
        return out;
    }
    // The shown item of that name, or else the first hidden one.
    QQuickItem* item(const QString& name) const {
        const QRegularExpression pattern(
            QRegularExpression::anchoredPattern(QRegularExpression::escape(name)));
        QList<QQuickItem*> found = items(pattern);
        if (found.isEmpty()) {
            found = items(pattern, true);
        }
        return found.isEmpty() ? nullptr : found.first();
    }
    QQuickItem* item(const char* name) const { return item(QString::fromLatin1(name)); }
    // Whether an item of that name is shown (a movie may have hidden parts of the same name).
    bool shown(const char* name) const {
        return !items(QRegularExpression(QRegularExpression::anchoredPattern(QString::fromLatin1(name))))
                    .isEmpty();
    }
    static QString read(const QObject* object, const char* property) {
        return object ? QQmlProperty::read(object, QString::fromLatin1(property)).toString()
                      : u8("<missing>");
    }
    QString text(const char* name) const { return read(item(name), "text"); }
    // A property of the movie's root item.
    double number(const char* property) const {
        return QQmlProperty::read(host_.movieItem(), QString::fromLatin1(property)).toDouble();
    }

    void click(QQuickItem* target) {
        ASSERT_NE(target, nullptr);
        ASSERT_TRUE(target->isVisible()) << target->objectName().toStdString();
        const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
        QTest::mouseClick(host_.quickWidget(), Qt::LeftButton, {}, centre.toPoint());
        settle();
    }
    void click(const QString& name) {
        QQuickItem* target = item(name);
        ASSERT_NE(target, nullptr) << name.toStdString();
        click(target);
    }
    void click(const char* name) { click(QString::fromLatin1(name)); }
    QList<Command> takeCommands() {
        QTest::qWait(10);
        return std::exchange(commands_, {});
    }

    QImage grab() const { return host_.quickWidget()->grabFramebuffer(); }
    // Screenshots for people to look at, when QINGHE_MOVIE_SHOTS names a folder.
    static void keep(const QImage& image, const QString& name) {
        const QString folder = qEnvironmentVariable("QINGHE_MOVIE_SHOTS");
        if (!folder.isEmpty()) {
            QDir().mkpath(folder);
            image.save(folder + u'/' + name + u8(".png"));
        }
    }
    static void keep(const QImage& image, const char* name) { keep(image, QString::fromLatin1(name)); }

    QTemporaryDir ownFolder_;
    const QString folder_;
    QmlMovieEngine engine_{folder_};
    QmlMovieHost host_{engine_};
    QList<Command> commands_;
    QStringList warnings_;
};

} // namespace qinghe::edition
