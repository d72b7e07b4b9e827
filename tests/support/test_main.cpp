// One QApplication for the whole test binary: widgets, timers and QML need it.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    if (qgetenv("QT_QUICK_BACKEND").isEmpty()) {
        qputenv("QT_QUICK_BACKEND", "software");
    }
    if (qgetenv("SDL_AUDIODRIVER").isEmpty()) {
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("青禾书屋"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
