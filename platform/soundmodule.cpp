#include "soundmodule.h"
#include "wavfile.h"

#include <portaudio.h>

#ifdef __linux__
#include <alsa/asoundlib.h>
#include <jack/jack.h>
#endif

#include <chrono>
#include <memory>
#include <optional>
#include <thread>

namespace {

#ifdef __linux__
void ignoreAlsaError(const char *, int, const char *, int, const char *, ...) {}
void ignoreJackMessage(const char *) {}
#endif

// PortAudio, started at the first sound and stopped when the program ends. Without a sound card
// ALSA and JACK, which it starts with, would explain on stderr why there is none (ALSA: "cannot
// find card '0'", "Unknown PCM cards.pcm.front" and some sixty lines more; JACK: "jack server is
// not running or cannot be started" and four more): they are told to keep quiet.
struct PortAudio
{
    PortAudio()
    {
#ifdef __linux__
        snd_lib_error_set_handler(ignoreAlsaError);
        jack_set_error_function(ignoreJackMessage);
        jack_set_info_function(ignoreJackMessage);
#endif
        started = Pa_Initialize() == paNoError;
    }
    ~PortAudio()
    {
        if (started)
            Pa_Terminate();
    }
    PortAudio(const PortAudio &) = delete;
    PortAudio &operator=(const PortAudio &) = delete;

    bool started = false;
};

struct StreamCloser
{
    void operator()(PaStream *stream) const { Pa_CloseStream(stream); }
};
using StreamPtr = std::unique_ptr<PaStream, StreamCloser>;

// Plays on the default output through a blocking stream and returns when the device has drained
// it. A device that swallows samples faster than it plays them (the null and file devices) still
// holds the caller for the sound's length.
void play(const platform::WavSamples &samples)
{
    static const PortAudio portAudio;
    if (!portAudio.started)
        return;
    const PaDeviceIndex device = Pa_GetDefaultOutputDevice();
    const PaDeviceInfo *deviceInfo = device == paNoDevice ? nullptr : Pa_GetDeviceInfo(device);
    if (deviceInfo == nullptr)
        return;
    const PaStreamParameters output{device, samples.channels, paInt16,
                                    deviceInfo->defaultLowOutputLatency, nullptr};
    PaStream *opened = nullptr;
    if (Pa_OpenStream(&opened, nullptr, &output, samples.rate, paFramesPerBufferUnspecified,
                      paNoFlag, nullptr, nullptr) != paNoError)
        return;
    const StreamPtr stream(opened);
    if (Pa_StartStream(stream.get()) != paNoError)
        return;

    const auto heard = std::chrono::steady_clock::now() +
                       std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                           std::chrono::duration<double>(double(samples.frames()) / samples.rate));
    const PaError written =
        Pa_WriteStream(stream.get(), samples.interleaved.data(), samples.frames());
    if ((written == paNoError || written == paOutputUnderflowed) &&
        Pa_StopStream(stream.get()) == paNoError)
        std::this_thread::sleep_until(heard);
}

} // namespace

extern "C" void quillmere_play_wav(const char *path)
{
    if (const std::optional<platform::WavSamples> samples = platform::readWav(path))
        play(*samples);
}
