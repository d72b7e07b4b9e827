#pragma once

namespace qinghe {

// Opening and closing the audio devices, in the order start-up and exit need.
class AudioDevices {
public:
    virtual ~AudioDevices() = default;
    // Opens the default recording device; the result is the run-wide "recording available" flag.
    virtual bool openRecordingDevice() = 0;
    // The audio libraries we run with are at least as new as the ones we were built against.
    virtual bool librariesCompatible() const = 0;
    // Opens the default output device; on failure every later sound is silent.
    virtual bool openOutput() = 0;
    // Releases everything; errors are ignored.
    virtual void close() = 0;
};

} // namespace qinghe
