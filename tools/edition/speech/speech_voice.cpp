#include "speech_voice.h"

#include <cerrno>
#include <cstring>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qinghe::edition {

namespace {

bool started = false;
int childOutput = -1; // where the forked synthesis sends its samples

bool writeAll(int fd, const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes += n;
        size -= std::size_t(n);
    }
    return true;
}

int sendSamples(short* wav, int count, espeak_EVENT* /*events*/) {
    const std::int32_t n = count;
    if (wav != nullptr && count > 0 &&
        (!writeAll(childOutput, &n, sizeof n) ||
         !writeAll(childOutput, wav, std::size_t(count) * sizeof(short)))) {
        return 1; // stops the synthesis
    }
    return 0;
}

} // namespace

QString VoiceSettings::signature() const {
    return QStringLiteral("espeak-ng %1 %2 rate %3 pitch %4 range %5")
        .arg(espeakVersion(), voice)
        .arg(rate)
        .arg(pitch)
        .arg(range);
}

QString espeakVersion() {
    const char* path = nullptr;
    return QString::fromLatin1(espeak_Info(&path));
}

std::unique_ptr<SpeechVoice> SpeechVoice::start(const VoiceSettings& settings, QString* error) {
    const auto fail = [error](const QString& message) -> std::unique_ptr<SpeechVoice> {
        if (error != nullptr) {
            *error = message;
        }
        return nullptr;
    };
    if (started) {
        return fail(QStringLiteral("espeak-ng is already started in this process"));
    }
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    if (espeak_ng_Initialize(&context) != ENS_OK) {
        espeak_ng_ClearErrorContext(&context);
        return fail(QStringLiteral("espeak-ng cannot load its data"));
    }
    started = true;
    std::unique_ptr<SpeechVoice> voice(new SpeechVoice());
    if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK ||
        espeak_ng_GetSampleRate() != kSampleRate) {
        return fail(QStringLiteral("espeak-ng cannot synthesise to memory at %1 Hz").arg(kSampleRate));
    }
    if (espeak_ng_SetVoiceByName(settings.voice.toUtf8().constData()) != ENS_OK) {
        return fail(QStringLiteral("espeak-ng has no voice %1").arg(settings.voice));
    }
    espeak_ng_SetParameter(espeakRATE, settings.rate, 0);
    espeak_ng_SetParameter(espeakPITCH, settings.pitch, 0);
    espeak_ng_SetParameter(espeakRANGE, settings.range, 0);
    espeak_SetSynthCallback(&sendSamples);
    return voice;
}

SpeechVoice::~SpeechVoice() {
    espeak_ng_Terminate();
    started = false;
}

std::optional<Samples> SpeechVoice::speak(const QString& text) const {
    std::optional<std::vector<Samples>> spoken = speak(QStringList{text});
    if (!spoken) {
        return std::nullopt;
    }
    return std::move(spoken->front());
}

std::optional<std::vector<Samples>> SpeechVoice::speak(const QStringList& texts) const {
    int fds[2];
    if (::pipe(fds) != 0) {
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return std::nullopt;
    }
    if (child == 0) {
        // Down the pipe go blocks of samples, each a count then the samples, and after each text a
        // count of -1 that ends it.
        ::close(fds[0]);
        childOutput = fds[1];
        for (const QString& text : texts) {
            const QByteArray utf8 = text.toUtf8();
            const bool ok =
                espeak_ng_Synthesize(utf8.constData(), std::size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                     espeakCHARS_UTF8, nullptr, nullptr) == ENS_OK &&
                espeak_ng_Synchronize() == ENS_OK;
            const std::int32_t end = -1;
            if (!ok || !writeAll(childOutput, &end, sizeof end)) {
                ::_exit(1);
            }
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        bytes.append(buffer, n);
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    std::vector<Samples> spoken(1);
    qsizetype at = 0;
    while (at + qsizetype(sizeof(std::int32_t)) <= bytes.size()) {
        std::int32_t count = 0;
        std::memcpy(&count, bytes.constData() + at, sizeof count);
        at += sizeof count;
        if (count < 0) {
            spoken.emplace_back();
            continue;
        }
        const qsizetype size = qsizetype(count) * qsizetype(sizeof(std::int16_t));
        if (at + size > bytes.size()) {
            return std::nullopt;
        }
        Samples& samples = spoken.back();
        const std::size_t old = samples.size();
        samples.resize(old + std::size_t(count));
        std::memcpy(samples.data() + old, bytes.constData() + at, std::size_t(size));
        at += size;
    }
    spoken.pop_back(); // the one opened by the last end mark
    if (spoken.size() != std::size_t(texts.size())) {
        return std::nullopt;
    }
    return spoken;
}

} // namespace qinghe::edition
