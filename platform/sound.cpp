#include "sound.h"
#include "wavfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <alsa/asoundlib.h>
#include <fcntl.h>
#include <jack/jack.h>
#include <portaudio.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <thread>

namespace platform {

namespace {

// PortAudio reports its own failures on stderr, with no way to turn that off: while it works,
// stderr goes to /dev/null.
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

void ignoreAlsaError(const char *, int, const char *, int, const char *, ...) {}
void ignoreJackMessage(const char *) {}

struct StreamCloser
{
    void operator()(PaStream *stream) const { Pa_CloseStream(stream); }
};
using StreamPtr = std::unique_ptr<PaStream, StreamCloser>;

// PortAudio, started at the first sound and stopped when the program ends. Without a sound card
// ALSA and JACK would explain at length why there is none; they are told to keep quiet.
class AudioSession
{
public:
    static AudioSession &instance()
    {
        static AudioSession session;
        return session;
    }

    // Plays on the default output through a blocking stream and returns when the device has
    // drained it. A device that swallows samples faster than it plays them (the null and file
    // devices) still holds the caller for the sound's length.
    void play(const WavSamples &samples) const
    {
        if (!m_started)
            return;
        const StderrMuted muted;
        const PaDeviceIndex device = Pa_GetDefaultOutputDevice();
        if (device == paNoDevice)
            return;
        const PaDeviceInfo *deviceInfo = Pa_GetDeviceInfo(device);
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

        const auto heard =
            std::chrono::steady_clock::now() +
            std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                std::chrono::duration<double>(double(samples.frames()) / samples.rate));
        const PaError written =
            Pa_WriteStream(stream.get(), samples.interleaved.data(), samples.frames());
        if (written != paNoError && written != paOutputUnderflowed)
            return;
        if (Pa_StopStream(stream.get()) != paNoError)
            return;
        std::this_thread::sleep_until(heard);
    }

    AudioSession(const AudioSession &) = delete;
    AudioSession &operator=(const AudioSession &) = delete;

private:
    AudioSession()
    {
        snd_lib_error_set_handler(ignoreAlsaError);
        jack_set_error_function(ignoreJackMessage);
        jack_set_info_function(ignoreJackMessage);
        if (!qEnvironmentVariableIsSet("JACK_NO_START_SERVER"))
            qputenv("JACK_NO_START_SERVER", "1");
        const StderrMuted muted;
        m_started = Pa_Initialize() == paNoError;
    }
    ~AudioSession()
    {
        if (!m_started)
            return;
        const StderrMuted muted;
        Pa_Terminate();
    }

    bool m_started = false;
};

} // namespace

void Sound::play(const QString &fileName)
{
    const QString path = locate(fileName);
    if (path.isEmpty())
        return;
    if (const std::optional<WavSamples> samples = readWav(path))
        AudioSession::instance().play(*samples);
}

QString Sound::locate(const QString &fileName)
{
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/')))
        return fileName;

    QStringList folders{QDir::currentPath()};
    if (QCoreApplication::instance() != nullptr) {
        const QString programDir = QCoreApplication::applicationDirPath();
        folders.append(programDir);
        // An installed program finds its data relative to itself wherever it was installed.
        folders.append(QDir::cleanPath(programDir + QStringLiteral("/../share/quillmere")));
    }
    folders.append(QStringLiteral(QUILLMERE_DATADIR));
    for (const QString &folder : folders) {
        const QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

} // namespace platform
