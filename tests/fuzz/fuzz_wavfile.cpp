// Any bytes as click.wav: readWav must return, quickly, either nothing or a sound that can be
// played as it stands.
#include "platform/wavfile.h"

#include <QDir>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// The file each input is written to, one per process, removed at the end.
class InputFile
{
public:
    InputFile()
        : m_path(QDir::temp().filePath(QStringLiteral("quillmere-fuzz-%1.wav").arg(::getpid())))
    {}
    ~InputFile() { QFile::remove(m_path); }
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    const QString &write(const std::uint8_t *data, std::size_t size) const
    {
        std::FILE *file = std::fopen(QFile::encodeName(m_path).constData(), "wb");
        require(file != nullptr, "the input file can be written");
        require(std::fwrite(data, 1, size, file) == size && std::fclose(file) == 0,
                "the input file is written in full");
        return m_path;
    }

private:
    QString m_path;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const InputFile input;
    const std::optional<platform::WavSamples> sound = platform::readWav(input.write(data, size));
    if (sound) {
        require(sound->channels > 0 && sound->rate > 0, "a sound has channels and a rate");
        require(!sound->interleaved.empty(), "a sound has samples");
        require(sound->interleaved.size() % std::size_t(sound->channels) == 0,
                "a sound holds whole frames");
    }
    return 0;
}
