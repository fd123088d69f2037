// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soundmodule.h"
#include "wavfile.h"

#include <portaudio.h>

#ifdef __linux__
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#endif

#include <chrono>
#include <memory>
#include <optional>
#include <thread>

namespace {

#ifdef __linux__
// PortAudio, and ALSA and JACK under it, report trouble on stderr, and PortAudio has no way to
// turn that off. Without a sound card ALSA explains at length why there is none ("cannot find
// card '0'" and some sixty lines more) and JACK that its server is not running; a device that
// fails while it plays has PortAudio's ALSA host write "Expression '...' failed in
// 'src/hostapi/alsa/pa_linux_alsa.c'". So while PortAudio works, stderr goes to /dev/null.
class StderrMuted
{
public:
    StderrMuted() : m_saved(::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0))
    {
        std::fflush(stderr);
        const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (m_saved >= 0 && devNull >= 0)
            ::dup2(devNull, STDERR_FILENO);
        if (devNull >= 0)
            ::close(devNull);
    }
    ~StderrMuted()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
    }
    StderrMuted(const StderrMuted &) = delete;
    StderrMuted &operator=(const StderrMuted &) = delete;

private:
    int m_saved;
};
#else
struct StderrMuted
{
};
#endif

// PortAudio, started at the first sound and stopped when the program ends. A click must never
// start a JACK server of its own: JACK is used only when one is running already.
struct PortAudio
{
    PortAudio()
    {
#ifdef __linux__
        ::setenv("JACK_NO_START_SERVER", "1", 0);
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
    [[maybe_unused]] const StderrMuted muted;
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
