// Key-point cards: showing a card (document read, record found, text decoded and laid out, window
// painted) with a real-sized text and with a megabyte of text in many lines or in one line, and
// printing a card's pages to PDF.
#include "base/base64_text.h"
#include "base/path_resolver.h"
#include "cards/key_point_printer.h"
#include "cards/lesson_card_window.h"
#include "catalogue/run_state.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

// A note as long as the ones the demo edition carries (about 300 characters in eight parts).
QString cardText() {
    return QStringLiteral(
        "【课文】\n《公鸡和白鹅》\n一年级上册　汉语拼音(一)　第1课\n\n【会写的字（1个）】\n白 bái\n\n"
        "【认读的字（6个）】\n公 gōng　鸡 jī　鹅 é　河 hé　歌 gē　唱 chàng\n\n【要写的词语】\n"
        "白天　白鹅\n\n【学习提示】\n这首儿歌练习三个单韵母，“喔喔喔”帮我们读准 o，“鹅、河、歌”帮我们"
        "读准 e。“鸡”和“鹅”的右边都是“鸟”，它们都是鸟类。可以和孩子学一学公鸡叫、白鹅唱，把儿歌读出"
        "节奏来。");
}

QString megabyte(bool lines) {
    QString text;
    while (text.size() < 1024 * 1024) {
        text += cardText() + (lines ? u'\n' : u'。');
    }
    return text;
}

// A program folder whose book 1 holds one lesson record with the given text.
struct Installation {
    explicit Installation(const QString& text)
        : paths(dir.path()) {
        QDir().mkpath(dir.filePath(QStringLiteral("Data/RJ/xml")));
        QFile file(dir.filePath(QStringLiteral("Data/RJ/xml/book1.xml")));
        if (file.open(QIODevice::WriteOnly)) {
            file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<keypoints>\n  <lesson201 LessonInfo=\"" +
                       qinghe::base64EncodeText(text).toLatin1() + "\"/>\n</keypoints>\n");
        }
        state.settings.edition = QStringLiteral("rj");
        qinghe::CurrentLesson lesson;
        lesson.bookNumber = 1;
        lesson.lessonKey = QStringLiteral("lesson201");
        lesson.lessonTitle = QStringLiteral("公鸡和白鹅");
        state.lesson = lesson;
    }
    QTemporaryDir dir;
    qinghe::PathResolver paths;
    qinghe::RunState state;
};

void showCard(benchmark::State& state, const QString& text) {
    const Installation installation(text);
    QWidget main;
    qinghe::LessonCardWindow card(installation.state, installation.paths, &main);
    for (auto _ : state) {
        card.showForCurrentLesson();
        // The first screenful as the child sees it.
        benchmark::DoNotOptimize(card.grab());
    }
    state.counters["characters"] = double(card.text().size());
}

void BM_ShowCard_Note(benchmark::State& state) {
    showCard(state, cardText());
}
BENCHMARK(BM_ShowCard_Note)->Unit(benchmark::kMillisecond);

void BM_ShowCard_MegabyteInLines(benchmark::State& state) {
    showCard(state, megabyte(true));
}
BENCHMARK(BM_ShowCard_MegabyteInLines)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ShowCard_MegabyteInOneLine(benchmark::State& state) {
    showCard(state, megabyte(false));
}
BENCHMARK(BM_ShowCard_MegabyteInOneLine)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PrintCard_Note(benchmark::State& state) {
    const qinghe::KeyPointPrinter report(QStringLiteral("《公鸡和白鹅》课文要点"), cardText());
    int pages = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        qinghe::KeyPointPrinter::preparePage(pdf);
        pages = report.print(pdf);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintCard_Note)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei")});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
