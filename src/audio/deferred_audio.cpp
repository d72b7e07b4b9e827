#include "audio/deferred_audio.h"

#include "base/module_library.h"

#include <system_error>

namespace qinghe {

DeferredAudio::DeferredAudio(Loader load) {
    auto open = [load = std::move(load)] {
        Opened result;
        result.engine = load ? load() : nullptr;
        if (result.engine) {
            result.recording = result.engine->openRecordingDevice();
            result.output = result.engine->openOutput();
        }
        return result;
    };
    try {
        opening_ = std::async(std::launch::async, std::move(open));
    } catch (const std::system_error&) {
        // No thread to spare: the engine loads on the main thread when first asked about.
        opening_ = std::async(std::launch::deferred, std::move(open));
    }
}

DeferredAudio::~DeferredAudio() {
    // The worker must not outlive the engine it is opening.
    opened();
}

const DeferredAudio::Opened& DeferredAudio::opened() const {
    if (!opened_) {
        opened_ = opening_.get();
    }
    return *opened_;
}

AudioEngineModule* DeferredAudio::engine() const {
    return opened().engine.get();
}

template <typename Result, typename Call> Result DeferredAudio::with(Result silent, Call call) const {
    AudioEngineModule* const audio = engine();
    return audio ? call(*audio) : silent;
}

template <typename Call> void DeferredAudio::whenLoaded(Call call) {
    if (AudioEngineModule* const audio = engine()) {
        call(*audio);
    }
}

bool DeferredAudio::openRecordingDevice() {
    return opened().recording;
}

bool DeferredAudio::librariesCompatible() const {
    return with(false, [](const AudioEngineModule& audio) { return audio.librariesCompatible(); });
}

bool DeferredAudio::openOutput() {
    return opened().output;
}

void DeferredAudio::close() {
    whenLoaded([](AudioEngineModule& audio) { audio.close(); });
}

bool DeferredAudio::playFile(AudioSlot slot, const QString& path) {
    return with(false, [&](AudioEngineModule& audio) { return audio.playFile(slot, path); });
}

bool DeferredAudio::loadFile(AudioSlot slot, const QString& path) {
    return with(false, [&](AudioEngineModule& audio) { return audio.loadFile(slot, path); });
}

bool DeferredAudio::playSegment(AudioSlot slot, const QString& path, std::int64_t start, std::int64_t end) {
    return with(false, [&](AudioEngineModule& audio) { return audio.playSegment(slot, path, start, end); });
}

bool DeferredAudio::playWavImage(AudioSlot slot, const QByteArray& wav) {
    return with(false, [&](AudioEngineModule& audio) { return audio.playWavImage(slot, wav); });
}

void DeferredAudio::playEffect(const QByteArray& wav) {
    whenLoaded([&](AudioEngineModule& audio) { audio.playEffect(wav); });
}

void DeferredAudio::stop(AudioSlot slot) {
    whenLoaded([&](AudioEngineModule& audio) { audio.stop(slot); });
}

void DeferredAudio::free(AudioSlot slot) {
    whenLoaded([&](AudioEngineModule& audio) { audio.free(slot); });
}

void DeferredAudio::pause(AudioSlot slot) {
    whenLoaded([&](AudioEngineModule& audio) { audio.pause(slot); });
}

void DeferredAudio::resume(AudioSlot slot) {
    whenLoaded([&](AudioEngineModule& audio) { audio.resume(slot); });
}

ChannelState DeferredAudio::state(AudioSlot slot) const {
    return with(ChannelState::Stopped, [&](const AudioEngineModule& audio) { return audio.state(slot); });
}

std::int64_t DeferredAudio::positionBytes(AudioSlot slot) const {
    return with(std::int64_t{-1}, [&](const AudioEngineModule& audio) { return audio.positionBytes(slot); });
}

std::int64_t DeferredAudio::lengthBytes(AudioSlot slot) const {
    return with(std::int64_t{-1}, [&](const AudioEngineModule& audio) { return audio.lengthBytes(slot); });
}

bool DeferredAudio::seekBytes(AudioSlot slot, std::int64_t bytes) {
    return with(false, [&](AudioEngineModule& audio) { return audio.seekBytes(slot, bytes); });
}

std::int64_t DeferredAudio::secondsToBytes(AudioSlot slot, double seconds) const {
    return with(std::int64_t{-1},
                [&](const AudioEngineModule& audio) { return audio.secondsToBytes(slot, seconds); });
}

double DeferredAudio::bytesToSeconds(AudioSlot slot, std::int64_t bytes) const {
    return with(-1.0, [&](const AudioEngineModule& audio) { return audio.bytesToSeconds(slot, bytes); });
}

void DeferredAudio::setVolume(AudioSlot slot, float volume) {
    whenLoaded([&](AudioEngineModule& audio) { audio.setVolume(slot, volume); });
}

float DeferredAudio::volume(AudioSlot slot) const {
    return with(1.0F, [&](const AudioEngineModule& audio) { return audio.volume(slot); });
}

void DeferredAudio::slideVolume(AudioSlot slot, float target, int milliseconds) {
    whenLoaded([&](AudioEngineModule& audio) { audio.slideVolume(slot, target, milliseconds); });
}

void DeferredAudio::setRate(AudioSlot slot, double factor) {
    whenLoaded([&](AudioEngineModule& audio) { audio.setRate(slot, factor); });
}

double DeferredAudio::rate(AudioSlot slot) const {
    return with(1.0, [&](const AudioEngineModule& audio) { return audio.rate(slot); });
}

void DeferredAudio::slideRate(AudioSlot slot, double target, int milliseconds) {
    whenLoaded([&](AudioEngineModule& audio) { audio.slideRate(slot, target, milliseconds); });
}

std::unique_ptr<AudioEngineModule> loadAudioEngineModule(const QString& moduleDirectory) {
    const auto create = reinterpret_cast<CreateAudioEngineModule>(
        moduleEntry(moduleDirectory, QString::fromLatin1(kAudioModuleFile), kAudioModuleEntry));
    return std::unique_ptr<AudioEngineModule>(create ? create() : nullptr);
}

} // namespace qinghe
