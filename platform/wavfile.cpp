#include "wavfile.h"

#include <QFile>
#include <QtEndian>

#include <sndfile.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>

namespace platform {

namespace {

// Samples are played as 16-bit integers; libsndfile hands them over as floats in [-1, 1).
constexpr float FullScale = 32768.0F;
constexpr float LowestSample = std::numeric_limits<qint16>::min();
constexpr float HighestSample = std::numeric_limits<qint16>::max();

// A RIFF file: the tag, the length of what follows those eight bytes, the form ("WAVE"), then
// chunks, each an identifier, its length and its contents, padded to an even length. RIFX is the
// same with big-endian numbers.
constexpr qint64 TagSize = 4;
constexpr qint64 ChunkHeaderSize = TagSize + sizeof(quint32);
// In the "fmt " chunk: the encoding comes first; an extensible one names the actual encoding
// at the start of its sub-format.
constexpr qint64 FormatTagSize = 2;
constexpr qint64 SubFormatOffset = 24;

// The encodings libsndfile decodes itself. MPEG, for one, goes to a decoder that reports
// damaged data on stderr.
constexpr quint16 Extensible = 0xFFFE;
constexpr std::array<quint16, 6> DecodedEncodings{
    0x0001, // integer PCM
    0x0002, // Microsoft ADPCM
    0x0003, // IEEE float
    0x0006, // A-law
    0x0007, // mu-law
    0x0011, // IMA ADPCM
};

struct SoundFileCloser
{
    void operator()(SNDFILE *file) const { sf_close(file); }
};
using SoundFilePtr = std::unique_ptr<SNDFILE, SoundFileCloser>;

// Reads the numbers of a RIFF or RIFX file.
class RiffReader
{
public:
    explicit RiffReader(QFile &file) : m_file(file) {}

    bool begin()
    {
        const QByteArray tag = m_file.read(TagSize);
        m_bigEndian = tag == "RIFX";
        return tag == "RIFF" || m_bigEndian;
    }
    std::optional<quint32> number32()
    {
        const QByteArray bytes = m_file.read(sizeof(quint32));
        if (bytes.size() != sizeof(quint32))
            return std::nullopt;
        return m_bigEndian ? qFromBigEndian<quint32>(bytes.constData())
                           : qFromLittleEndian<quint32>(bytes.constData());
    }
    std::optional<quint16> number16At(qint64 offset)
    {
        if (!m_file.seek(offset))
            return std::nullopt;
        const QByteArray bytes = m_file.read(sizeof(quint16));
        if (bytes.size() != sizeof(quint16))
            return std::nullopt;
        return m_bigEndian ? qFromBigEndian<quint16>(bytes.constData())
                           : qFromLittleEndian<quint16>(bytes.constData());
    }

private:
    QFile &m_file;
    bool m_bigEndian = false;
};

// Whether the file is a WAV file that libsndfile may be given: the RIFF length and the data
// chunk lie within the file, and the samples are in an encoding it decodes itself. libsndfile
// would play what is left of a file cut short, or take other files for sounds of their own
// kind; better silence than half a sound or the wrong one.
bool isWholeWave(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    RiffReader riff(file);
    const std::optional<quint32> riffLength = riff.begin() ? riff.number32() : std::nullopt;
    if (!riffLength || file.size() < ChunkHeaderSize + qint64(*riffLength) ||
        file.read(TagSize) != "WAVE")
        return false;

    std::optional<quint16> encoding;
    for (qint64 chunk = ChunkHeaderSize + TagSize; chunk + ChunkHeaderSize <= file.size();) {
        const QByteArray id = file.seek(chunk) ? file.read(TagSize) : QByteArray();
        const std::optional<quint32> length = riff.number32();
        if (!length)
            return false;
        const qint64 contents = chunk + ChunkHeaderSize;
        if (id == "fmt ") {
            encoding = riff.number16At(contents);
            if (encoding == Extensible)
                encoding = *length >= SubFormatOffset + FormatTagSize
                               ? riff.number16At(contents + SubFormatOffset)
                               : std::nullopt;
            if (!encoding || std::find(DecodedEncodings.begin(), DecodedEncodings.end(),
                                       *encoding) == DecodedEncodings.end())
                return false;
        } else if (id == "data") {
            return encoding && contents + qint64(*length) <= file.size();
        }
        chunk = contents + qint64(*length) + qint64(*length % 2);
    }
    return false;
}

} // namespace

std::optional<WavSamples> readWav(const QString &path)
{
    if (!isWholeWave(path))
        return std::nullopt;
    SF_INFO info{};
    const SoundFilePtr file(sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!file || info.channels <= 0 || info.samplerate <= 0 || info.frames <= 0)
        return std::nullopt;

    std::vector<float> levels(static_cast<size_t>(info.frames) * info.channels);
    if (sf_readf_float(file.get(), levels.data(), info.frames) != info.frames)
        return std::nullopt;

    WavSamples samples;
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

} // namespace platform
