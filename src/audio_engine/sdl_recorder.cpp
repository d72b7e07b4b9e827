#include "audio_engine/sdl_recorder.h"

#include "audio_engine/wav_writer.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qinghe {

SdlRecorder::~SdlRecorder() {
    close();
}

bool SdlRecorder::open() {
    close();
    available_ = openDevice(QString());
    if (available_) {
        // Show the default device as selected when SDL can name it, otherwise the first.
        char* name = nullptr;
        SDL_AudioSpec format{};
        const QStringList names = inputNames();
        current_ = names.isEmpty() ? -1 : 0;
        if (SDL_GetDefaultAudioInfo(&name, &format, 1) == 0 && name != nullptr) {
            const int index = names.indexOf(QString::fromUtf8(name));
            current_ = index >= 0 ? index : current_;
            SDL_free(name);
        }
    }
    return available_;
}

void SdlRecorder::close() {
    closeDevice();
    available_ = false;
    current_ = -1;
    currentName_.clear();
}

bool SdlRecorder::openDevice(const QString& name) {
    SDL_AudioSpec want{};
    want.freq = kRate;
    want.format = AUDIO_S16SYS;
    want.channels = kChannels;
    want.samples = 1024;
    want.callback = &SdlRecorder::capture;
    want.userdata = this;
    const QByteArray utf8 = name.toUtf8();
    // No allowed changes: SDL converts whatever the device delivers to our format.
    const SDL_AudioDeviceID device =
        SDL_OpenAudioDevice(name.isEmpty() ? nullptr : utf8.constData(), 1, &want, nullptr, 0);
    if (device == 0) {
        return false;
    }
    device_ = device;
    currentName_ = name;
    return true;
}

void SdlRecorder::closeDevice() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_); // waits for a running callback
        device_ = 0;
    }
    const std::lock_guard lock(mutex_);
    recording_ = false;
}

QStringList SdlRecorder::inputNames() const {
    QStringList names;
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0) {
        return names;
    }
    const int count = SDL_GetNumAudioDevices(1);
    for (int i = 0; i < count; ++i) {
        const char* name = SDL_GetAudioDeviceName(i, 1);
        names.append(QString::fromUtf8(name != nullptr ? name : ""));
    }
    return names;
}

bool SdlRecorder::selectInput(int index) {
    const QStringList names = inputNames();
    if (!available_ || index < 0 || index >= names.size()) {
        return false;
    }
    if (index == current_ && device_ != 0) {
        return true;
    }
    stop();
    const QString previous = currentName_;
    closeDevice();
    if (openDevice(names.at(index))) {
        current_ = index;
        return true;
    }
    openDevice(previous);
    return false;
}

void SdlRecorder::setInputVolume(float volume) {
    gain_.store(std::isfinite(volume) ? std::clamp(volume, 0.0f, 1.0f) : 1.0f);
}

bool SdlRecorder::start() {
    if (device_ == 0) {
        return false;
    }
    SDL_PauseAudioDevice(device_, 1);
    {
        const std::lock_guard lock(mutex_);
        samples_.clear();
        // Reserved once, so the capture thread never reallocates; untouched pages cost no memory.
        samples_.reserve(static_cast<std::size_t>(maxBytes_ / 2));
        size_.store(0);
        recording_ = true;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlRecorder::stop() {
    if (device_ != 0) {
        SDL_PauseAudioDevice(device_, 1); // returns once the callback is out
    }
    const std::lock_guard lock(mutex_);
    recording_ = false;
}

bool SdlRecorder::isRecording() const {
    const std::lock_guard lock(mutex_);
    return recording_;
}

void SdlRecorder::capture(void* self, std::uint8_t* stream, int length) {
    auto* recorder = static_cast<SdlRecorder*>(self);
    const float gain = recorder->gain_.load();
    const std::lock_guard lock(recorder->mutex_);
    if (!recorder->recording_ || length <= 0) {
        return;
    }
    std::vector<std::int16_t>& samples = recorder->samples_;
    const std::size_t room = static_cast<std::size_t>(recorder->maxBytes_ / 2) - samples.size();
    // Whole stereo frames only, so the image stays aligned.
    const std::size_t count = std::min(static_cast<std::size_t>(length) / 4 * 2, room / 2 * 2);
    const std::size_t at = samples.size();
    samples.resize(at + count);
    std::memcpy(samples.data() + at, stream, count * sizeof(std::int16_t));
    if (gain < 1.0f) {
        for (std::size_t i = at; i < at + count; ++i) {
            samples[i] = static_cast<std::int16_t>(std::lrint(samples[i] * gain));
        }
    }
    recorder->size_.store(static_cast<std::int64_t>(samples.size()) * 2);
}

QByteArray SdlRecorder::wavImage() const {
    const std::lock_guard lock(mutex_);
    const auto bytes = static_cast<std::uint32_t>(samples_.size() * sizeof(std::int16_t));
    QByteArray image = pcmWavHeader(kChannels, kRate, 16, bytes);
    image.append(reinterpret_cast<const char*>(samples_.data()), static_cast<qsizetype>(bytes));
    return image;
}

} // namespace qinghe
