// Audio budgets: request → first samples to the device, mixing cost, MP3 decoding speed.
#include "audio_engine/audio_engine.h"
#include "audio_engine/mixer.h"
#include "audio_engine/mp3_source.h"
#include "audio_engine/sound_loader.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace {

using namespace qinghe;
using Clock = std::chrono::steady_clock;

QString fixture(const char* name) {
    return QStringLiteral(QINGHE_SOURCE_DIR "/tests/data/audio/") + QString::fromLatin1(name);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A lesson-length recording: the sentence fixture 100 times over (about 7 minutes, 1.6 MB).
QString longRecording(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("long.mp3"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(readAll(fixture("sentence.mp3")).repeated(100));
    }
    return path;
}

// (a) From playFile() until the device callback has mixed the sound's first samples, on SDL's
// dummy driver with the engine's real buffer size. The requests fall at varying points of the
// callback period.
void BM_RequestToFirstSamples(benchmark::State& state) {
    qputenv("SDL_AUDIODRIVER", "dummy");
    QTemporaryDir dir;
    const QString path = state.range(0) == 0 ? fixture("tian.mp3") : longRecording(dir);
    AudioEngine engine;
    if (!engine.openOutput()) {
        state.SkipWithError("no output device");
        return;
    }
    std::vector<double> samples;
    std::vector<double> calls;
    int round = 0;
    for (auto _ : state) {
        std::this_thread::sleep_for(std::chrono::microseconds(700 * (round++ % 9)));
        const auto start = Clock::now();
        if (!engine.playFile(AudioSlot::Voice, path)) {
            state.SkipWithError("cannot play the fixture");
            return;
        }
        calls.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        while (engine.positionBytes(AudioSlot::Voice) <= 0) {
            std::this_thread::yield();
        }
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        state.SetIterationTime(elapsed.count());
        samples.push_back(elapsed.count() * 1000.0);
    }
    std::sort(samples.begin(), samples.end());
    state.counters["max_ms"] = samples.back();
    state.counters["p95_ms"] = samples[samples.size() * 95 / 100];
    std::sort(calls.begin(), calls.end());
    state.counters["call_median_ms"] = calls[calls.size() / 2]; // the playFile() call alone
    state.counters["call_max_ms"] = calls.back();
    state.counters["budget_ms"] = 10;
    state.counters["buffer_frames"] = AudioEngine::kBufferFrames;
}
BENCHMARK(BM_RequestToFirstSamples)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200);

// (b) One second of output with four slots playing MP3s: two at their own rate, one converted
// from 22050 Hz stereo, one sped up; decoding included, as it happens in the callback.
void BM_MixFourSlotsOneSecond(benchmark::State& state) {
    Mixer mixer(44100);
    const auto load = [&](AudioSlot slot, const char* name, double rate) {
        mixer.setSound(slot, openSoundFile(fixture(name)), true, true);
        mixer.setRate(slot, rate);
    };
    load(AudioSlot::Voice, "sentence.mp3", 1.0);
    load(AudioSlot::Reading, "sentence.mp3", 1.0);
    load(AudioSlot::GameMusic, "hao_stereo_22k.mp3", 1.0);
    load(AudioSlot::ClickRead, "tian.mp3", 1.21);
    std::vector<std::int16_t> buffer(AudioEngine::kBufferFrames * 2);
    std::chrono::duration<double> total{};
    for (auto _ : state) {
        const auto start = Clock::now();
        for (int done = 0; done < 44100; done += AudioEngine::kBufferFrames) {
            mixer.render(buffer.data(), AudioEngine::kBufferFrames);
        }
        benchmark::DoNotOptimize(buffer.data());
        total += Clock::now() - start;
    }
    // Seconds of work per second of audio, as a share of one core.
    state.counters["core_percent"] = 100.0 * total.count() / static_cast<double>(state.iterations());
    state.counters["budget_percent"] = 2;
}
BENCHMARK(BM_MixFourSlotsOneSecond)->Unit(benchmark::kMillisecond);

// (c) MP3 decoding alone: seconds of audio decoded per second.
void BM_DecodeMp3(benchmark::State& state) {
    const QByteArray bytes = readAll(fixture("sentence.mp3"));
    std::vector<std::int16_t> buffer(4096 * 2);
    std::int64_t frames = 0;
    int rate = 44100;
    for (auto _ : state) {
        const std::unique_ptr<Mp3Source> source = Mp3Source::open(bytes);
        rate = source->sampleRate();
        for (int got = 0; (got = source->read(buffer.data(), 4096)) > 0;) {
            frames += got;
        }
    }
    state.counters["x_realtime"] =
        benchmark::Counter(static_cast<double>(frames) / rate, benchmark::Counter::kIsRate);
    state.SetItemsProcessed(frames);
}
BENCHMARK(BM_DecodeMp3)->Unit(benchmark::kMillisecond);

// The first lengthBytes() of a lesson-length recording scans every frame header once, under the
// mixer's lock: this is how long the device callback may wait for it.
void BM_LengthOfLessonRecording(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = longRecording(dir);
    for (auto _ : state) {
        const std::unique_ptr<SoundSource> source = openSoundFile(path);
        benchmark::DoNotOptimize(source->lengthFrames());
    }
}
BENCHMARK(BM_LengthOfLessonRecording)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
