#include "platform/sound.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sndfile.h>
#include <unistd.h>

#include <cstdio>
#include <limits>
#include <type_traits>

using platform::Sound;

namespace {

// The sound device of these tests is ALSA's file plugin over the null device (see initTestCase):
// each stream it plays is written, as raw samples, to a file of its own: capture.raw, then
// capture.raw.0001, capture.raw.0002...
QTemporaryDir &workDir()
{
    static QTemporaryDir dir;
    return dir;
}
const QString kCaptureName = QStringLiteral("capture.raw");

QFileInfoList captureFiles()
{
    return QDir(workDir().path())
        .entryInfoList({kCaptureName + QLatin1Char('*')}, QDir::Files, QDir::Name);
}

// Everything the sound device has been given so far, in bytes.
qint64 capturedBytes()
{
    qint64 total = 0;
    for (const QFileInfo &file : captureFiles())
        total += file.size();
    return total;
}

// What each stream played since there were `filesBefore` capture files, oldest first.
QList<QByteArray> capturesSince(qsizetype filesBefore)
{
    QList<QByteArray> captures;
    for (const QFileInfo &info : captureFiles().mid(filesBefore)) {
        QFile file(info.filePath());
        if (file.open(QIODevice::ReadOnly))
            captures.append(file.readAll());
    }
    return captures;
}

constexpr qint64 kNsPerMs = 1000 * 1000;
constexpr qint64 kNsPerSecond = 1000 * kNsPerMs;
constexpr qint64 kClockSlackNs = 1 * kNsPerMs;
constexpr qint64 kGenerousNs = 250 * kNsPerMs; // the machine is shared: only a bound, not the goal
constexpr qint64 kQuickNs = 100 * kNsPerMs;
constexpr int kMono = 1;
constexpr int kStereo = 2;
constexpr int kCdRate = 44100;
constexpr qsizetype kShortFrames = kCdRate / 20; // a twentieth of a second
const char *const kPlaySwitch = "--play-in-child";

QByteArray bytesOf(const QList<qint16> &samples)
{
    return {reinterpret_cast<const char *>(samples.constData()),
            samples.size() * qsizetype(sizeof(qint16))};
}

// Samples that reach both ends of the range and differ from one to the next. `mask` keeps only
// the bits a narrower file can hold.
QList<qint16> testSamples(qsizetype count, quint16 mask = 0xFFFF)
{
    constexpr int kStride = 7919;
    QList<qint16> samples;
    for (qsizetype i = 0; i < count; ++i)
        samples.append(static_cast<qint16>(static_cast<quint16>(i * kStride) & mask));
    if (count > 1) {
        samples[0] = static_cast<qint16>(std::numeric_limits<qint16>::min() & mask);
        samples[1] = static_cast<qint16>(std::numeric_limits<qint16>::max() & mask);
    }
    return samples;
}

template <typename Sample>
bool writeWav(const QString &path, int channels, int rate, int subtype,
              const QList<Sample> &samples)
{
    SF_INFO info{};
    info.channels = channels;
    info.samplerate = rate;
    info.format = SF_FORMAT_WAV | subtype;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (file == nullptr)
        return false;
    const sf_count_t frames = samples.size() / channels;
    sf_count_t written = 0;
    if constexpr (std::is_same_v<Sample, float>)
        written = sf_writef_float(file, samples.constData(), frames);
    else
        written = sf_writef_short(file, samples.constData(), frames);
    return sf_close(file) == 0 && written == frames;
}

bool writeWav16(const QString &path, int channels, int rate, const QList<qint16> &samples)
{
    return writeWav(path, channels, rate, SF_FORMAT_PCM_16, samples);
}

// Sends what the process writes on stderr to a file while it lives.
class StderrCapture
{
public:
    StderrCapture() : m_path(workDir().filePath(QStringLiteral("stderr.txt")))
    {
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        const int file = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                S_IRUSR | S_IWUSR);
        ::dup2(file, STDERR_FILENO);
        ::close(file);
    }
    ~StderrCapture() { restore(); }
    StderrCapture(const StderrCapture &) = delete;
    StderrCapture &operator=(const StderrCapture &) = delete;

    QByteArray text()
    {
        restore();
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
        m_saved = -1;
    }

    QString m_path;
    int m_saved = -1;
};

struct Watched
{
    qint64 elapsedNs = 0;
    QByteArray stderrText;
};

Watched playWatched(const QString &fileName)
{
    StderrCapture stderrCapture;
    QElapsedTimer timer;
    timer.start();
    Sound::play(fileName);
    Watched watched;
    watched.elapsedNs = timer.nsecsElapsed();
    watched.stderrText = stderrCapture.text();
    return watched;
}

qint64 lengthNs(qsizetype frames, int rate)
{
    return frames * kNsPerSecond / rate;
}

// Files and settings the sound cannot be played from.
enum class Unplayable
{
    Missing,
    Empty,
    CutInSamples,
    CutInHeader,
    WrongRiffTag,
    UnknownEncoding,
    NoSamples,
    Text,
    Folder,
    TooManyChannels,
    RefusedRate,
};

constexpr qsizetype kRiffTagOffset = 0;
constexpr qsizetype kEncodingOffset = 20; // in the 44-byte header libsndfile writes
constexpr qsizetype kInsideHeader = 30;
constexpr qint64 kCutBytes = 1000;    // whole frames: libsndfile finds nothing amiss
constexpr int kTooManyChannels = 200; // the file device takes up to 128
constexpr int kFewFrames = 4;
constexpr int kRefusedRate = 100;

bool patch(const QString &path, qsizetype offset, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.seek(offset) &&
           file.write(bytes) == bytes.size();
}

// Makes the unplayable thing in `dir`; returns the name to play.
QString makeUnplayable(Unplayable kind, const QDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("unplayable.wav"));
    const QList<qint16> samples = testSamples(kShortFrames);
    const bool written = writeWav16(path, kMono, kCdRate, samples);
    switch (kind) {
    case Unplayable::Missing:
        QFile::remove(path);
        break;
    case Unplayable::Empty:
        QFile::resize(path, 0);
        break;
    case Unplayable::CutInSamples:
        QFile::resize(path, QFileInfo(path).size() - kCutBytes);
        break;
    case Unplayable::CutInHeader:
        QFile::resize(path, kInsideHeader);
        break;
    case Unplayable::WrongRiffTag:
        patch(path, kRiffTagOffset, "RIFQ");
        break;
    case Unplayable::UnknownEncoding:
        patch(path, kEncodingOffset, QByteArray::fromHex("7777"));
        break;
    case Unplayable::NoSamples:
        writeWav16(path, kMono, kCdRate, QList<qint16>());
        break;
    case Unplayable::Text: {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write("This is not a sound.\nOnly a few words in a file named like one.\n");
        break;
    }
    case Unplayable::Folder:
        QFile::remove(path);
        dir.mkdir(QStringLiteral("unplayable.wav"));
        break;
    case Unplayable::TooManyChannels:
        writeWav16(path, kTooManyChannels, kCdRate, testSamples(kTooManyChannels * kFewFrames));
        break;
    case Unplayable::RefusedRate:
        writeWav16(path, kMono, kRefusedRate, samples);
        break;
    }
    return written ? path : QString();
}

} // namespace

Q_DECLARE_METATYPE(Unplayable)

class TestSound : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void playsTheSamples_data();
    void playsTheSamples();
    void playsFloatSamplesAt16Bits_data();
    void playsFloatSamplesAt16Bits();
    void readsTheFileAtEachPlay_data();
    void readsTheFileAtEachPlay();
    void unplayableIsSilent_data();
    void unplayableIsSilent();
    void locateSearchOrder_data();
    void locateSearchOrder();
    void quietOnThisMachinesOwnSoundSetup();
};

// ALSA reads its configuration once, when PortAudio starts at the first play: the test device
// must be in place before that.
void TestSound::initTestCase()
{
    QVERIFY(workDir().isValid());
    const QString config = workDir().filePath(QStringLiteral("asound.conf"));
    QFile file(config);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("pcm.!default {\n"
                              "    type file\n"
                              "    slave.pcm { type null }\n"
                              "    file \"%1\"\n"
                              "    format \"raw\"\n"
                              "    truncate false\n"
                              "}\n")
                   .arg(workDir().filePath(kCaptureName))
                   .toUtf8());
    file.close();
    qputenv("ALSA_CONFIG_PATH", QFile::encodeName(config));
}

void TestSound::playsTheSamples_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("subtype");
    QTest::addColumn<QList<qint16>>("samples");

    constexpr int kHalfCdRate = 22050;
    constexpr int kDvdRate = 48000;
    constexpr int kLowRate = 11025;
    constexpr quint16 kEightBits = 0xFF00;
    constexpr qsizetype kOddFrames = 1001;
    constexpr qsizetype kFramesIn300Ms = kCdRate * 3 / 10;
    const qsizetype frames = kShortFrames;
    QTest::newRow("mono 16-bit 44.1 kHz")
        << kMono << kCdRate << int(SF_FORMAT_PCM_16) << testSamples(frames);
    QTest::newRow("stereo 16-bit 44.1 kHz, 300 ms")
        << kStereo << kCdRate << int(SF_FORMAT_PCM_16) << testSamples(2 * kFramesIn300Ms);
    QTest::newRow("mono 16-bit 22.05 kHz")
        << kMono << kHalfCdRate << int(SF_FORMAT_PCM_16) << testSamples(frames / 2);
    QTest::newRow("stereo 16-bit 48 kHz, odd frame count")
        << kStereo << kDvdRate << int(SF_FORMAT_PCM_16) << testSamples(2 * kOddFrames);
    QTest::newRow("mono 8-bit 11.025 kHz, widened to 16 bits")
        << kMono << kLowRate << int(SF_FORMAT_PCM_U8) << testSamples(frames / 4, kEightBits);
    QTest::newRow("mono 24-bit 44.1 kHz")
        << kMono << kCdRate << int(SF_FORMAT_PCM_24) << testSamples(frames);
    QTest::newRow("a single frame")
        << kStereo << kCdRate << int(SF_FORMAT_PCM_16) << testSamples(2);
}

void TestSound::playsTheSamples()
{
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(int, subtype);
    QFETCH(QList<qint16>, samples);
    const QString path = workDir().filePath(QStringLiteral("samples.wav"));
    QVERIFY(writeWav(path, channels, rate, subtype, samples));

    const qsizetype filesBefore = captureFiles().size();
    const Watched watched = playWatched(path);

    QCOMPARE(watched.stderrText, QByteArray());
    const QList<QByteArray> captures = capturesSince(filesBefore);
    QCOMPARE(captures.size(), 1);
    QCOMPARE(captures.first().size(), bytesOf(samples).size());
    QVERIFY(captures.first() == bytesOf(samples));
    // Written out in full and lasted its length by the time play returns.
    const qint64 length = lengthNs(samples.size() / channels, rate);
    QVERIFY2(watched.elapsedNs >= length - kClockSlackNs &&
                 watched.elapsedNs < length + kGenerousNs,
             qPrintable(QStringLiteral("returned after %1 ns, the sound lasts %2 ns")
                            .arg(watched.elapsedNs)
                            .arg(length)));
}

// Full scale is 1.0 either way; what lies beyond it is clipped.
void TestSound::playsFloatSamplesAt16Bits_data()
{
    QTest::addColumn<QList<float>>("levels");
    QTest::addColumn<QList<qint16>>("expected");

    constexpr float kSmallest = 1.0F / 32768;
    QTest::newRow("within full scale")
        << QList<float>{0.0F, 0.5F, -0.5F, 0.25F, -1.0F, kSmallest, -kSmallest, 0.75F}
        << QList<qint16>{0, 16384, -16384, 8192, -32768, 1, -1, 24576};
    QTest::newRow("beyond full scale") << QList<float>{1.0F, 1.5F, -1.5F, 100.0F, -100.0F, 1.0F}
                                       << QList<qint16>{32767, 32767, -32768, 32767, -32768, 32767};
}

void TestSound::playsFloatSamplesAt16Bits()
{
    QFETCH(QList<float>, levels);
    QFETCH(QList<qint16>, expected);
    const QString path = workDir().filePath(QStringLiteral("levels.wav"));
    QVERIFY(writeWav(path, kStereo, kCdRate, SF_FORMAT_FLOAT, levels));

    const qsizetype filesBefore = captureFiles().size();
    const Watched watched = playWatched(path);

    QCOMPARE(watched.stderrText, QByteArray());
    const QList<QByteArray> captures = capturesSince(filesBefore);
    QCOMPARE(captures.size(), 1);
    QCOMPARE(captures.first().toHex(' '), bytesOf(expected).toHex(' '));
}

// Nothing is kept from one play to the next: the second play hears the file as it is then.
void TestSound::readsTheFileAtEachPlay_data()
{
    QTest::addColumn<QList<qint16>>("first");
    QTest::addColumn<QList<qint16>>("second");

    const qsizetype frames = kShortFrames;
    const QList<qint16> samples = testSamples(frames);
    QList<qint16> reversed(samples.crbegin(), samples.crend());
    QTest::newRow("same file twice") << samples << samples;
    QTest::newRow("file rewritten, same length") << samples << reversed;
    QTest::newRow("file rewritten, longer") << samples << testSamples(3 * frames);
}

void TestSound::readsTheFileAtEachPlay()
{
    QFETCH(QList<qint16>, first);
    QFETCH(QList<qint16>, second);
    const QString path = workDir().filePath(QStringLiteral("twice.wav"));
    const qsizetype filesBefore = captureFiles().size();
    const qint64 bytesBefore = capturedBytes();

    QVERIFY(writeWav16(path, kMono, kCdRate, first));
    const Watched firstPlay = playWatched(path);
    QVERIFY(writeWav16(path, kMono, kCdRate, second));
    const Watched secondPlay = playWatched(path);

    QCOMPARE(firstPlay.stderrText + secondPlay.stderrText, QByteArray());
    QCOMPARE(capturedBytes() - bytesBefore, bytesOf(first).size() + bytesOf(second).size());
    const QList<QByteArray> captures = capturesSince(filesBefore);
    QCOMPARE(captures.size(), 2);
    QVERIFY(captures.at(0) == bytesOf(first));
    QVERIFY(captures.at(1) == bytesOf(second));
}

// Silence, nothing on stderr, and no waiting.
void TestSound::unplayableIsSilent_data()
{
    QTest::addColumn<Unplayable>("kind");

    QTest::newRow("missing file") << Unplayable::Missing;
    QTest::newRow("empty file") << Unplayable::Empty;
    QTest::newRow("cut short in the samples") << Unplayable::CutInSamples;
    QTest::newRow("cut short in the header") << Unplayable::CutInHeader;
    QTest::newRow("wrong RIFF tag") << Unplayable::WrongRiffTag;
    QTest::newRow("unknown encoding") << Unplayable::UnknownEncoding;
    QTest::newRow("header without samples") << Unplayable::NoSamples;
    QTest::newRow("text file named .wav") << Unplayable::Text;
    QTest::newRow("folder named .wav") << Unplayable::Folder;
    QTest::newRow("more channels than the device has") << Unplayable::TooManyChannels;
    QTest::newRow("rate the device refuses") << Unplayable::RefusedRate;
}

void TestSound::unplayableIsSilent()
{
    QFETCH(Unplayable, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = makeUnplayable(kind, QDir(dir.path()));
    QVERIFY(!path.isEmpty());

    const qint64 bytesBefore = capturedBytes();
    const Watched watched = playWatched(path);

    QCOMPARE(watched.stderrText, QByteArray());
    QCOMPARE(capturedBytes(), bytesBefore);
    QVERIFY2(watched.elapsedNs < kQuickNs,
             qPrintable(QStringLiteral("took %1 ns").arg(watched.elapsedNs)));
}

void TestSound::locateSearchOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fileInCurrent");
    QTest::addColumn<bool>("folderInCurrent");
    QTest::addColumn<bool>("besideProgram");
    QTest::addColumn<QString>("where"); // "current", "program", "given" or "nowhere"

    const QString bare = QStringLiteral("tst_sound-locate.wav");
    const QString absolute = QDir::rootPath() + QStringLiteral("somewhere/else/click.wav");
    const QString relative = QStringLiteral("sounds/") + bare;
    QTest::newRow("only in the current directory")
        << bare << true << false << false << QStringLiteral("current");
    QTest::newRow("current directory before the program's")
        << bare << true << false << true << QStringLiteral("current");
    QTest::newRow("only beside the program")
        << bare << false << false << true << QStringLiteral("program");
    QTest::newRow("a folder of that name is passed over")
        << bare << false << true << true << QStringLiteral("program");
    QTest::newRow("nowhere") << bare << false << false << false << QStringLiteral("nowhere");
    QTest::newRow("absolute path, as given, even missing")
        << absolute << false << false << false << QStringLiteral("given");
    QTest::newRow("relative path with a folder, as given")
        << relative << true << false << true << QStringLiteral("given");
}

void TestSound::locateSearchOrder()
{
    QFETCH(QString, name);
    QFETCH(bool, fileInCurrent);
    QFETCH(bool, folderInCurrent);
    QFETCH(bool, besideProgram);
    QFETCH(QString, where);
    QTemporaryDir current;
    QVERIFY(current.isValid());
    const QString bare = QFileInfo(name).fileName();
    const QString inCurrent = QDir(current.path()).filePath(bare);
    const QString inProgramDir = QDir(QCoreApplication::applicationDirPath()).filePath(bare);

    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(current.path()));
    const auto restore = qScopeGuard([&] {
        QDir::setCurrent(previous);
        QFile::remove(inProgramDir);
    });
    if (fileInCurrent)
        QVERIFY(writeWav16(inCurrent, kMono, kCdRate, testSamples(2)));
    if (folderInCurrent)
        QVERIFY(QDir(current.path()).mkdir(bare));
    if (besideProgram)
        QVERIFY(writeWav16(inProgramDir, kMono, kCdRate, testSamples(2)));

    const QHash<QString, QString> expected{{QStringLiteral("current"), inCurrent},
                                           {QStringLiteral("program"), inProgramDir},
                                           {QStringLiteral("given"), name},
                                           {QStringLiteral("nowhere"), QString()}};
    QCOMPARE(Sound::locate(name), expected.value(where));
}

// With the machine's own ALSA setup (no sound card here), in a fresh process: PortAudio starts
// there, with the variables this test process has set removed.
void TestSound::quietOnThisMachinesOwnSoundSetup()
{
    constexpr int kSeconds = 1;
    const QString path = workDir().filePath(QStringLiteral("silence.wav"));
    QVERIFY(writeWav16(path, kMono, kCdRate, QList<qint16>(kCdRate * kSeconds, 0)));

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("ALSA_CONFIG_PATH"));
    environment.remove(QStringLiteral("JACK_NO_START_SERVER"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kPlaySwitch), path});
    constexpr int kWaitMs = 30000;
    QVERIFY(child.waitForFinished(kWaitMs));

    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(child.readAllStandardError(), QByteArray());
    bool isNumber = false;
    const qint64 elapsedNs = child.readAllStandardOutput().trimmed().toLongLong(&isNumber);
    QVERIFY(isNumber);
    if (QFileInfo::exists(QStringLiteral("/proc/asound/card0")))
        QSKIP("this machine has a sound card: the sound was played");
    QVERIFY2(elapsedNs < kQuickNs, qPrintable(QStringLiteral("took %1 ns").arg(elapsedNs)));
}

// The child of quietOnThisMachinesOwnSoundSetup: plays the file and prints how long it took.
static int playInChild(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QElapsedTimer timer;
    timer.start();
    Sound::play(QString::fromLocal8Bit(argv[2]));
    std::printf("%lld\n", static_cast<long long>(timer.nsecsElapsed()));
    return 0;
}

int main(int argc, char *argv[])
{
    constexpr int kChildArgc = 3;
    if (argc == kChildArgc && qstrcmp(argv[1], kPlaySwitch) == 0)
        return playInChild(argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestSound test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sound.moc"
