// Feeds arbitrary text to the lesson movie as its lesson text (the lesson_segments variable): the movie
// reads it with its own script, which must leave the movie up and answering whatever arrives. The
// coverage the fuzzer sees ends at the script engine, so inputs that start with an odd byte (other
// than '[') are turned into arrays of segments whose fields take every kind of JSON value: random
// bytes would rarely get that far. The rest, the seeds among them, go in as they are.
#include "qml_movie/qml_movie_engine.h"
#include "qml_movie/qml_movie_host.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

struct Harness {
    Harness() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QT_QUICK_BACKEND", "software");
        static int argc = 1;
        static char name[] = "lesson_movie_fuzz";
        static char* argv[] = {name, nullptr};
        app = new QApplication(argc, argv);
        const QString movie = dir.filePath(QStringLiteral("Data/systxt/main.dat"));
        QDir().mkpath(dir.filePath(QStringLiteral("Data/systxt")));
        if (!QFile::copy(QStringLiteral(QINGHE_SOURCE_DIR "/tools/edition/movies/main.qml"), movie)) {
            std::abort();
        }
        engine = new qinghe::QmlMovieEngine(dir.path());
        engine->start();
        host = new qinghe::QmlMovieHost(*engine);
        host->widget()->resize(1100, 600);
        host->widget()->show();
        if (!host->setMovie(movie) || host->movieItem() == nullptr) {
            std::abort();
        }
        host->setVariable(QStringLiteral("lesson_title"), QStringLiteral("开学了"));
        host->setVariable(QStringLiteral("book_number"), QStringLiteral("3"));
        host->setVariable(QStringLiteral("has_reading"), QStringLiteral("1"));
    }
    QApplication* app = nullptr;
    QTemporaryDir dir;
    qinghe::QmlMovieEngine* engine = nullptr;
    qinghe::QmlMovieHost* host = nullptr;
};

// Reads the input front to back; past its end every read gives zeros.
class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size) {}
    bool done() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    QString text() {
        const std::size_t length = std::min<std::size_t>(byte() % 48, size_ - std::min(at_, size_));
        const QString out = QString::fromUtf8(reinterpret_cast<const char*>(data_ + at_), qsizetype(length));
        at_ += length;
        return out;
    }
    double number() {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) {
            bits = (bits << 8) | byte();
        }
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// One value of any kind; strings and small whole numbers most often, as a lesson text has them.
QJsonValue anyValue(Reader& in) {
    switch (in.byte() % 10) {
    case 0:
        return QJsonValue(QJsonValue::Null);
    case 1:
        return QJsonValue(in.byte() % 2 == 0);
    case 2:
        return QJsonValue(in.number());
    case 3:
        return QJsonArray{in.text()};
    case 4:
        return QJsonObject{{in.text(), in.text()}};
    case 5:
    case 6:
        return QJsonValue(double(std::int64_t(in.number()) % 100000));
    default:
        return QJsonValue(in.text());
    }
}

QString segmentsFrom(Reader& in) {
    QJsonArray segments;
    while (!in.done() && segments.size() < 64) {
        QJsonObject segment;
        const std::uint8_t present = in.byte();
        const char* names[] = {"zh", "py", "start", "end"};
        for (int i = 0; i < 4; ++i) {
            if ((present >> i) & 1) {
                segment.insert(QString::fromLatin1(names[i]), anyValue(in));
            }
        }
        segments.append((present & 0x30) == 0x30 ? anyValue(in) : QJsonValue(segment));
    }
    return QString::fromUtf8(QJsonDocument(segments).toJson(QJsonDocument::Compact));
}

} // namespace

// The QML engine keeps its objects in memory it maps itself, which the leak checker does not scan.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Harness* harness = new Harness;
    QString segments;
    if (size > 0 && data[0] % 2 == 1 && data[0] != '[') {
        Reader in(data + 1, size - 1);
        segments = segmentsFrom(in);
    } else {
        segments = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    }
    harness->host->setVariable(QStringLiteral("lesson_segments"), segments);
    // Lays the page out and draws it, as the program would show it.
    harness->host->quickWidget()->grabFramebuffer();
    if (harness->host->movieItem() == nullptr) {
        std::abort();
    }
    return 0;
}
