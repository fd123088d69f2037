#include "formdriver.h"
#include "mainwin/form1.h"
#include "platform/sound.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QtEndian>

#include <sndfile.h>
#include <unistd.h>

#include <cstdio>
#include <limits>

namespace {

// The test device (initTestCase) writes each stream to a file: capture.raw, capture.raw.0001...
QString workFile(const QString &name)
{
    static QTemporaryDir dir;
    return dir.filePath(name);
}
const QString CaptureName = QStringLiteral("capture.raw");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything the sound device has been given so far, stream after stream.
QByteArray captured()
{
    QByteArray all;
    for (const QFileInfo &file : QDir(workFile({}), CaptureName + '*').entryInfoList())
        all += readAll(file.filePath());
    return all;
}

qint64 capturedBytes()
{
    return captured().size();
}

constexpr qint64 NsPerSecond = 1000 * 1000 * 1000;
constexpr qint64 GenerousNs = NsPerSecond / 4; // the machine is shared: only a bound
constexpr qint64 QuickNs = NsPerSecond / 10;
constexpr int Mono = 1;
constexpr int Stereo = 2;
constexpr int CdRate = 44100;
constexpr qsizetype ShortFrames = CdRate / 20;
constexpr qsizetype BlipFrames = 2;  // too short to be heard
constexpr qsizetype CutBytes = 1000; // whole frames: libsndfile finds nothing amiss
constexpr int Plays = 2;             // nothing is kept from one play to the next
const char *const PlaySwitch = "--play-in-child";
constexpr quint32 HugeLength = 0xFFFFFFF0;
constexpr qsizetype TagSize = 4;          // a RIFF or chunk tag; its length follows
constexpr qsizetype MpegFrameBytes = 417; // MPEG-1 layer III at 128 kbit/s and 44.1 Hz

// Writes 16-bit samples that reach both ends of the range and vary; returns them, or nothing.
QByteArray writeWav(const QString &path, int channels, int rate, qsizetype frames,
                    int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16)
{
    constexpr int Stride = 7919;
    QList<qint16> samples{std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()};
    for (qsizetype i = samples.size(); i < frames * channels; ++i)
        samples.append(static_cast<qint16>(i * Stride));
    SF_INFO info{0, rate, channels, format, 0, 0};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    const bool written = sf_writef_short(file, samples.constData(), frames) == frames; // 0 if null
    if (sf_close(file) != 0 || !written)
        return {};
    return {reinterpret_cast<const char *>(samples.constData()),
            samples.size() * qsizetype(sizeof(qint16))};
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Plays with stderr sent to a file: how long play took, and what it printed.
std::pair<qint64, QByteArray> playWatched(const QString &fileName)
{
    QTemporaryFile text;
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(text.open() ? text.handle() : saved, STDERR_FILENO);
    QElapsedTimer timer;
    timer.start();
    platform::Sound::play(fileName);
    const qint64 elapsedNs = timer.nsecsElapsed();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    return {elapsedNs, text.seek(0) ? text.readAll() : QByteArray("(lost)")};
}

} // namespace

class TestSound : public QObject
{
    Q_OBJECT
private slots:
    // ALSA reads its configuration once, at the first play: the test device comes first.
    void initTestCase()
    {
        const QString config = workFile(QStringLiteral("asound.conf"));
        QVERIFY(writeFile(config, QStringLiteral("pcm.!default { type file slave.pcm { type null "
                                                 "} file \"%1\" format \"raw\" truncate false }\n")
                                      .arg(workFile(CaptureName))
                                      .toUtf8()));
        qputenv("ALSA_CONFIG_PATH", QFile::encodeName(config));
    }

    void playsWhatTheFileHolds_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("heard"); // by the device at each play
        QTest::addColumn<qint64>("lengthNs");
        const auto sound = [](const char *name, int channels, int rate) {
            const QString path = workFile(QLatin1String(name) + QStringLiteral(".wav"));
            const QByteArray samples = writeWav(path, channels, rate, ShortFrames);
            QVERIFY(!samples.isEmpty());
            QTest::newRow(name) << path << samples << ShortFrames * NsPerSecond / rate;
        };
        const auto unplayable = [](const char *name, const QByteArray &bytes) {
            const QString path = workFile(QLatin1String(name) + QStringLiteral(".wav"));
            QVERIFY(bytes.isNull() || writeFile(path, bytes));
            QTest::newRow(name) << path << QByteArray() << qint64{0};
        };
        sound("mono 16-bit 44.1 Hz", Mono, CdRate);
        sound("stereo 16-bit 44.1 Hz", Stereo, CdRate);
        sound("stereo 16-bit 22.05 Hz", Stereo, CdRate / 2);
        const QByteArray wav = readAll(workFile(QStringLiteral("mono 16-bit 44.1 Hz.wav")));
        unplayable("missing file", QByteArray());
        unplayable("empty file", "");
        unplayable("cut short in the samples", wav.chopped(CutBytes));
        unplayable("wrong RIFF tag", "RIFQ" + wav.mid(4));
        unplayable("text file named .wav", "This is not a sound.\n");
        unplayable("cut short in the header", wav.left(wav.indexOf("data")));
        const auto claimingHuge = [&wav](qsizetype lengthAt) {
            QByteArray bytes = wav;
            qToLittleEndian(HugeLength, bytes.data() + lengthAt);
            return bytes;
        };
        unplayable("RIFF length 0xFFFFFFF0", claimingHuge(TagSize));
        unplayable("data length 0xFFFFFFF0", claimingHuge(wav.indexOf("data") + TagSize));
        for (const auto &[name, format] :
             {std::pair{"AIFF file", SF_FORMAT_AIFF | SF_FORMAT_PCM_16},
              {"FLAC file", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
              {"Ogg Vorbis file", SF_FORMAT_OGG | SF_FORMAT_VORBIS}}) {
            const QString path = workFile(QLatin1String(name));
            QVERIFY(!writeWav(path, Mono, CdRate, ShortFrames, format).isEmpty());
            unplayable(name, readAll(path));
        }
        const QByteArray mpegFrame =
            QByteArray::fromHex("fffb9064").leftJustified(MpegFrameBytes, 0);
        unplayable("MPEG frames", mpegFrame.repeated(4));
        unplayable("MPEG frames, then damage",
                   mpegFrame.repeated(2) + QByteArray(MpegFrameBytes, 'c'));
        QVERIFY(QDir().mkpath(workFile(QStringLiteral("a folder, not a file.wav"))));
        unplayable("a folder, not a file", QByteArray());
    }

    // Each play lasts the sound's length, is heard in full and prints nothing.
    void playsWhatTheFileHolds()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, heard);
        QFETCH(qint64, lengthNs);
        const qint64 before = capturedBytes();
        for (int play = 0; play < Plays; ++play) {
            const auto [elapsedNs, stderrText] = playWatched(path);
            QCOMPARE(stderrText, QByteArray());
            const qint64 limit = lengthNs + (heard.isEmpty() ? QuickNs : GenerousNs);
            QVERIFY2(elapsedNs >= lengthNs && elapsedNs < limit,
                     qPrintable(QStringLiteral("took %1 ns of %2").arg(elapsedNs).arg(lengthNs)));
        }
        QCOMPARE(captured().mid(before), heard.repeated(Plays));
    }

    void locateSearchOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("made"); // in the current directory; a folder when ending in /
        QTest::addColumn<QString>("expected"); // relative to the current directory
        const QString sound = QStringLiteral("tst_sound-locate.wav");
        const QString program = QCoreApplication::applicationFilePath();
        const QString self = QFileInfo(program).fileName();
        const QString absolute = QDir::rootPath() + QStringLiteral("somewhere/else/click.wav");
        QTest::newRow("only in the current directory") << sound << sound << sound;
        QTest::newRow("current directory before the program's") << self << self << self;
        QTest::newRow("only beside the program") << self << QString() << program;
        QTest::newRow("a folder of that name is passed over") << self << self + '/' << program;
        QTest::newRow("nowhere") << sound << QString() << QString();
        QTest::newRow("absolute path, as given, even missing") << absolute << QString() << absolute;
    }

    void locateSearchOrder()
    {
        QFETCH(QString, name);
        QFETCH(QString, made);
        QFETCH(QString, expected);
        QTemporaryDir current;
        const auto restore = qScopeGuard([was = QDir::currentPath()] { QDir::setCurrent(was); });
        QVERIFY(QDir::setCurrent(current.path()));
        if (!made.isEmpty())
            QVERIFY(made.endsWith('/') ? QDir().mkdir(made) : writeFile(made, "RIFF"));
        QCOMPARE(platform::Sound::locate(name),
                 expected.isEmpty() ? expected : QDir::current().absoluteFilePath(expected));
    }

    // Every bead action plays the click: a bead at rest is pressed and clicked, twice; a bead at
    // the beam leaves the pointer at the press, once.
    void beadGesturesPlayTheClick()
    {
        const QByteArray click =
            writeWav(workFile(QStringLiteral("click.wav")), Mono, CdRate, ShortFrames);
        const QString previous = QDir::currentPath();
        const auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });
        QVERIFY(QDir::setCurrent(workFile({})));
        Form1 form;
        form.setAttribute(Qt::WA_DeleteOnClose, false);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const qint64 before = capturedBytes();
        driver::clickBead(&form, 0, board::BeadKind::Lower3);
        QCOMPARE(capturedBytes() - before, 2 * click.size());
        driver::clickBead(&form, 0, board::BeadKind::Lower4);
        QCOMPARE(capturedBytes() - before, 3 * click.size());
    }

    // On the machine's own ALSA setup (no sound card here), in a fresh process.
    void quietOnThisMachinesOwnSoundSetup()
    {
        const QString path = workFile(QStringLiteral("child.wav"));
        QVERIFY(!writeWav(path, Mono, CdRate, BlipFrames).isEmpty());
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QLatin1String(PlaySwitch), path});
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(child.readAllStandardError(), QByteArray());
    }
};

int main(int argc, char *argv[])
{
    constexpr int ChildArgc = 3;
    if (argc == ChildArgc && qstrcmp(argv[1], PlaySwitch) == 0) {
        qunsetenv("ALSA_CONFIG_PATH");
        qunsetenv("JACK_NO_START_SERVER");
        platform::Sound::play(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    QApplication app(argc, argv);
    TestSound test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sound.moc"
