#include "sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <alsa/asoundlib.h>
#include <fcntl.h>
#include <jack/jack.h>
#include <portaudio.h>
#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace platform {

namespace {

// Samples are played as 16-bit integers; libsndfile hands them over as floats in [-1, 1).
constexpr float FullScale = 32768.0F;
constexpr float LowestSample = std::numeric_limits<qint16>::min();
constexpr float HighestSample = std::numeric_limits<qint16>::max();

// A RIFF file starts with its tag and the length of what follows those eight bytes.
constexpr qint64 RiffHeaderSize = 8;
constexpr qsizetype RiffLengthOffset = 4;

// ---- The file -------------------------------------------------------------------------------

struct SoundFileCloser
{
    void operator()(SNDFILE *file) const { sf_close(file); }
};
using SoundFilePtr = std::unique_ptr<SNDFILE, SoundFileCloser>;

struct Samples
{
    std::vector<qint16> interleaved;
    int channels = 0;
    int rate = 0;

    unsigned long frames() const
    {
        return static_cast<unsigned long>(interleaved.size() / channels);
    }
};

// libsndfile opens a WAV file cut short and plays what is left of it. A file whose RIFF length
// reaches past its end is damaged: better silence than half a sound.
bool isCutShort(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray header = file.read(RiffHeaderSize);
    if (header.size() < RiffHeaderSize || !header.startsWith("RIFF"))
        return false;
    const quint32 length = qFromLittleEndian<quint32>(header.constData() + RiffLengthOffset);
    return file.size() < RiffHeaderSize + length;
}

// The whole sound, read afresh at each play: the file may have changed or gone since the last.
std::optional<Samples> readSamples(const QString &path)
{
    SF_INFO info{};
    const SoundFilePtr file(sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!file || info.channels <= 0 || info.samplerate <= 0 || info.frames <= 0 || isCutShort(path))
        return std::nullopt;

    std::vector<float> levels(static_cast<size_t>(info.frames) * info.channels);
    if (sf_readf_float(file.get(), levels.data(), info.frames) != info.frames)
        return std::nullopt;

    Samples samples;
    samples.channels = info.channels;
    samples.rate = info.samplerate;
    samples.interleaved.resize(levels.size());
    std::transform(levels.begin(), levels.end(), samples.interleaved.begin(), [](float level) {
        const float sample = std::round(level * FullScale);
        return static_cast<qint16>(
            std::isnan(sample) ? 0.0F : std::clamp(sample, LowestSample, HighestSample));
    });
    return samples;
}

// ---- The sound device -----------------------------------------------------------------------

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
    void play(const Samples &samples) const
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
    if (const std::optional<Samples> samples = readSamples(path))
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
