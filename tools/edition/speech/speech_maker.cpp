#include "speech_maker.h"

#include "audio_engine/wav_reader.h"
#include "audio_engine/wav_writer.h"
#include "tool_process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace qinghe::edition {

namespace {

bool failWith(QString* error, const QString& message) {
    if (error != nullptr) {
        *error = message;
    }
    return false;
}

QString samplesArgument(std::int64_t samples) {
    return QString::number(samples) + u's';
}

} // namespace

QByteArray monoWav(std::span<const std::int16_t> samples, int rate) {
    const auto bytes = std::uint32_t(samples.size() * sizeof(std::int16_t));
    QByteArray out = pcmWavHeader(1, rate, 16, bytes);
    out.append(reinterpret_cast<const char*>(samples.data()), qsizetype(bytes));
    return out;
}

SpeechMaker::SpeechMaker(const SpeechVoice& voice, const SpeechSettings& settings, QString root,
                         QString workFolder)
    : voice_(voice)
    , settings_(settings)
    , root_(std::move(root))
    , work_(std::move(workFolder)) {
    if (!root_.endsWith(u'/')) {
        root_ += u'/';
    }
    if (!work_.endsWith(u'/')) {
        work_ += u'/';
    }
}

bool SpeechMaker::make(const SpeechJob& job, QString* error) {
    switch (job.kind) {
    case SpeechKind::Phrase:
        return makePhrase(job, error);
    case SpeechKind::Reading:
        return makeReading(job, error);
    case SpeechKind::Tone:
        return makeTone(job, error);
    }
    return failWith(error, QStringLiteral("unknown kind of job"));
}

std::optional<std::vector<Samples>> SpeechMaker::spokenSamples(const QList<Spoken>& parts,
                                                               QString* error) const {
    QStringList texts;
    for (const Spoken& part : parts) {
        texts << part.py;
    }
    std::optional<std::vector<Samples>> spoken = voice_.speak(texts);
    if (!spoken) {
        failWith(error, QStringLiteral("espeak-ng failed on \"%1\"").arg(texts.join(QStringLiteral(" / "))));
        return std::nullopt;
    }
    for (qsizetype i = 0; i < texts.size(); ++i) {
        Samples& samples = (*spoken)[std::size_t(i)];
        samples = shapeSpeech(samples, settings_.shaping);
        if (samples.empty()) {
            failWith(error, QStringLiteral("espeak-ng made no sound for \"%1\"").arg(texts[i]));
            return std::nullopt;
        }
    }
    return spoken;
}

bool SpeechMaker::makePhrase(const SpeechJob& job, QString* error) {
    if (job.parts.size() != 1) {
        return failWith(error, QStringLiteral("a phrase has one text"));
    }
    const std::optional<std::vector<Samples>> samples = spokenSamples(job.parts, error);
    if (!samples) {
        return false;
    }
    const QByteArray mp3 = encodeMp3(samples->front(), settings_.mp3, Mp3Framing::Gapless);
    if (mp3.isEmpty()) {
        return failWith(error, QStringLiteral("the MP3 encoder failed"));
    }
    const QString temporary = temporaryPath(QStringLiteral(".mp3"));
    return writeFile(temporary, mp3, error) && publish(temporary, job.output, error);
}

bool SpeechMaker::makeReading(const SpeechJob& job, QString* error) {
    // Each segment is spoken on its own; sox joins them with the silences the layout asks for.
    std::vector<std::int64_t> lengths;
    QStringList inputs;
    QStringList texts;
    const auto cleanUp = [&inputs] {
        for (const QString& path : inputs) {
            QFile::remove(path);
        }
    };
    const std::optional<std::vector<Samples>> spoken = spokenSamples(job.parts, error);
    if (!spoken) {
        return false;
    }
    for (qsizetype i = 0; i < job.parts.size(); ++i) {
        const Samples& samples = (*spoken)[std::size_t(i)];
        const QString path = temporaryPath(QStringLiteral(".wav"));
        if (!writeFile(path, monoWav(samples, kMp3SampleRate), error)) {
            cleanUp();
            return false;
        }
        inputs << path;
        texts << job.parts[i].zh;
        lengths.push_back(std::int64_t(samples.size()));
    }
    const std::int64_t delay = mp3PlainDelay(settings_.mp3);
    const ReadingLayout layout =
        layoutReading(lengths, job.headingLines, delay, kMp3FrameSamples, settings_.timing);

    const QString joined = temporaryPath(QStringLiteral(".wav"));
    QStringList arguments{QStringLiteral("-D"), QStringLiteral("-V1")};
    arguments << inputs << QStringLiteral("-b") << QStringLiteral("16") << joined << QStringLiteral("pad");
    std::int64_t position = 0;
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        if (layout.silenceBefore[i] > 0) {
            arguments << samplesArgument(layout.silenceBefore[i]) + u'@' + samplesArgument(position);
        }
        position += lengths[i];
    }
    arguments << samplesArgument(layout.silenceAfter) + u'@' + samplesArgument(position);
    const bool joinedOk = runTool(QStringLiteral("sox"), arguments, error);
    cleanUp();
    if (!joinedOk) {
        QFile::remove(joined);
        return false;
    }
    const std::optional<Samples> reading = readToolWav(joined, error);
    QFile::remove(joined);
    if (!reading) {
        return false;
    }
    if (std::int64_t(reading->size()) != layout.totalSamples) {
        return failWith(error, QStringLiteral("sox joined %1 samples, %2 expected")
                                   .arg(reading->size())
                                   .arg(layout.totalSamples));
    }
    const QByteArray mp3 = encodeMp3(*reading, settings_.mp3, Mp3Framing::Plain);
    const std::vector<Mp3Frame> frames =
        mp3Frames({reinterpret_cast<const std::uint8_t*>(mp3.constData()), std::size_t(mp3.size())});
    const std::vector<ReadingSegment> segments = readingSegments(layout, frames);
    if (mp3.isEmpty() || segments.size() != lengths.size()) {
        return failWith(error, QStringLiteral("the MP3 encoder failed"));
    }
    const QString temporaryMp3 = temporaryPath(QStringLiteral(".mp3"));
    const QString temporaryTable = temporaryPath(QStringLiteral(".txt"));
    return writeFile(temporaryMp3, mp3, error) &&
           writeFile(temporaryTable, readingTable(segments, texts), error) &&
           publish(temporaryMp3, job.output, error) && publish(temporaryTable, job.table, error);
}

bool SpeechMaker::makeTone(const SpeechJob& job, QString* error) {
    const QString made = temporaryPath(QStringLiteral(".wav"));
    QStringList arguments{QStringLiteral("-R"),
                          QStringLiteral("-D"),
                          QStringLiteral("-V1"),
                          QStringLiteral("-n"),
                          QStringLiteral("-r"),
                          QString::number(kMp3SampleRate),
                          QStringLiteral("-c"),
                          QStringLiteral("1"),
                          QStringLiteral("-b"),
                          QStringLiteral("16"),
                          made};
    arguments << job.toneEffects;
    if (!runTool(QStringLiteral("sox"), arguments, error)) {
        QFile::remove(made);
        return false;
    }
    std::optional<Samples> samples = readToolWav(made, error);
    QFile::remove(made);
    if (!samples || samples->empty()) {
        return failWith(error, QStringLiteral("sox made no sound"));
    }
    const int peak = peakOf(*samples);
    if (peak > 0) {
        applyGain(*samples, 32767.0 * std::pow(10.0, job.tonePeak / 20.0) / peak);
    }
    fadeEdges(*samples, settings_.shaping.fade);
    const bool wav = job.output.endsWith(QStringLiteral(".wav"));
    const QByteArray bytes =
        wav ? monoWav(*samples, kMp3SampleRate) : encodeMp3(*samples, settings_.mp3, Mp3Framing::Gapless);
    if (bytes.isEmpty()) {
        return failWith(error, QStringLiteral("the MP3 encoder failed"));
    }
    const QString temporary = temporaryPath(wav ? QStringLiteral(".wav") : QStringLiteral(".mp3"));
    return writeFile(temporary, bytes, error) && publish(temporary, job.output, error);
}

std::optional<Samples> SpeechMaker::readToolWav(const QString& path, QString* error) const {
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const std::optional<WavInfo> info = readWavInfo(bytes.constData(), std::size_t(bytes.size()));
    if (!info || info->channels != 1 || info->sampleRate != kMp3SampleRate) {
        failWith(error, QStringLiteral("%1 is not a mono %2-Hz WAV file").arg(path).arg(kMp3SampleRate));
        return std::nullopt;
    }
    Samples samples(std::size_t(info->frames()));
    convertWavSamples(*info, reinterpret_cast<const std::uint8_t*>(bytes.constData()) + info->dataOffset,
                      samples.data(), info->frames());
    return samples;
}

bool SpeechMaker::writeFile(const QString& path, const QByteArray& bytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        file.close();
        QFile::remove(path);
        return failWith(error, QStringLiteral("cannot write %1").arg(path));
    }
    return true;
}

bool SpeechMaker::publish(const QString& temporary, const QString& relative, QString* error) const {
    const QString target = root_ + relative;
    QDir().mkpath(QFileInfo(target).absolutePath());
    // rename() replaces the target in one step; QFile::rename would refuse an existing target.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(temporary);
        return failWith(error, QStringLiteral("cannot move %1 into place").arg(relative));
    }
    return true;
}

QString SpeechMaker::temporaryPath(const QString& suffix) {
    // The process id keeps the names of parallel workers apart.
    return work_ + QStringLiteral("%1-%2%3").arg(::getpid()).arg(++serial_).arg(suffix);
}

} // namespace qinghe::edition
