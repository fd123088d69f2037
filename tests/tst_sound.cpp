#include "formdriver.h"
#include "mainwin/form1.h"
#include "platform/sound.h"
#include "testkit.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sndfile.h>
#include <unistd.h>

#include <limits>

namespace {

constexpr qint64 NsPerSecond = 1000 * 1000 * 1000;
constexpr qint64 GenerousNs = NsPerSecond / 4, QuickNs = NsPerSecond / 10; // bounds, no more
constexpr int Mono = 1, Stereo = 2, CdRate = 44100;
constexpr qsizetype ShortFrames = CdRate / 20;
constexpr qsizetype BlipFrames = 2;  // too short to be heard
constexpr qsizetype CutBytes = 1000; // whole frames: libsndfile finds nothing amiss
constexpr int Plays = 2;             // nothing is kept from one play to the next
const char *const PlaySwitch = "--play-in-child";
constexpr quint32 HugeLength = 0xFFFFFFF0;
constexpr qsizetype TagSize = 4;          // a RIFF or chunk tag; its length follows
constexpr qsizetype MpegFrameBytes = 417; // MPEG-1 layer III at 128 kbit/s and 44.1 Hz

// The test device (initTestCase) writes each stream to a file: capture.raw, capture.raw.0001...
QString workFile(const QString &name)
{
    static QTemporaryDir dir;
    return dir.filePath(name);
}
const QString CaptureName = QStringLiteral("capture.raw");

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
// Everything the sound device has been given so far, stream after stream.
QByteArray captured()
{
    QByteArray all;
    for (const QFileInfo &file : QDir(workFile({}), CaptureName + '*').entryInfoList())
        all += readAll(file.filePath());
    return all;
}

// Writes a work file of varied 16-bit samples, both ends of the range included; returns them.
QByteArray writeWav(const char *name, int channels, int rate, qsizetype frames,
                    int container = SF_FORMAT_WAV)
{
    constexpr int Stride = 7919;
    QList<qint16> samples{std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()};
    for (qsizetype i = samples.size(); i < frames * channels; ++i)
        samples.append(static_cast<qint16>(i * Stride));
    SF_INFO info{0, rate, channels, container | SF_FORMAT_PCM_16, 0, 0};
    SNDFILE *file =
        sf_open(QFile::encodeName(workFile(QLatin1String(name))).constData(), SFM_WRITE, &info);
    const bool written = sf_writef_short(file, samples.constData(), frames) == frames; // 0 if null
    const QByteArray bytes(reinterpret_cast<const char *>(samples.constData()),
                           samples.size() * qsizetype(sizeof(qint16)));
    return sf_close(file) == 0 && written ? bytes : QByteArray();
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
        const QString device = QStringLiteral("pcm.!default { type file slave.pcm { type null } "
                                              "file \"%1\" format \"raw\" truncate false }\n");
        QVERIFY(writeFile(config, device.arg(workFile(CaptureName)).toUtf8()));
        qputenv("ALSA_CONFIG_PATH", QFile::encodeName(config));
    }
    void playsWhatTheFileHolds_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("heard"); // by the device at each play
        QTest::addColumn<qint64>("lengthNs");
        const auto sound = [](const char *name, int channels, int rate) {
            QTest::newRow(name) << workFile(QLatin1String(name))
                                << writeWav(name, channels, rate, ShortFrames)
                                << ShortFrames * NsPerSecond / rate;
        };
        const auto unplayable = [](const char *name, const QByteArray &bytes) {
            const QString path = workFile(QLatin1String(name));
            QVERIFY(bytes.isNull() || writeFile(path, bytes));
            QTest::newRow(name) << path << QByteArray() << qint64{0};
        };
        sound("mono 16-bit 44.1 Hz", Mono, CdRate);
        sound("stereo 16-bit 22.05 Hz", Stereo, CdRate / 2);
        const QByteArray wav = readAll(workFile(QStringLiteral("mono 16-bit 44.1 Hz")));
        QByteArray hugeRiff = wav, hugeData = wav;
        qToLittleEndian(HugeLength, hugeRiff.data() + TagSize);
        qToLittleEndian(HugeLength, hugeData.data() + wav.indexOf("data") + TagSize);
        const QByteArray mpeg = QByteArray::fromHex("fffb9064").leftJustified(MpegFrameBytes, 0);
        QVERIFY(!writeWav("AIFF file", Mono, CdRate, ShortFrames, SF_FORMAT_AIFF).isEmpty());
        unplayable("missing file", QByteArray());
        unplayable("cut short in the samples", wav.chopped(CutBytes));
        unplayable("RIFF length 0xFFFFFFF0", hugeRiff);
        unplayable("data length 0xFFFFFFF0", hugeData);
        unplayable("AIFF file", QByteArray());
        unplayable("MPEG frames, then damage", mpeg.repeated(2) + QByteArray(MpegFrameBytes, 'c'));
    }
    // Each play lasts the sound's length and is heard in full; nothing is printed on stderr.
    void playsWhatTheFileHolds()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, heard);
        QFETCH(qint64, lengthNs);
        QFile errors(workFile(QStringLiteral("stderr.txt")));
        const qint64 before = captured().size();
        const int saved = ::dup(STDERR_FILENO);
        ::dup2(errors.open(QIODevice::WriteOnly) ? errors.handle() : saved, STDERR_FILENO);
        QElapsedTimer timer;
        timer.start();
        for (int play = 0; play < Plays; ++play)
            platform::Sound::play(path);
        const qint64 tookNs = timer.nsecsElapsed() / Plays;
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
        QCOMPARE(readAll(errors.fileName()), QByteArray());
        QVERIFY2(tookNs >= lengthNs && tookNs < lengthNs + (heard.isEmpty() ? QuickNs : GenerousNs),
                 qPrintable(QStringLiteral("took %1 ns of %2").arg(tookNs).arg(lengthNs)));
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
    // Each bead action clicks: a bead at rest twice (press, click), a bead at the beam once.
    void beadGesturesPlayTheClick()
    {
        const qsizetype click = writeWav("click.wav", Mono, CdRate, ShortFrames).size();
        const auto restore = qScopeGuard([was = QDir::currentPath()] { QDir::setCurrent(was); });
        QVERIFY(click > 0 && QDir::setCurrent(workFile({})));
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const qint64 before = captured().size();
        driver::clickBead(&form, 0, board::BeadKind::Lower3);
        QCOMPARE(captured().size() - before, 2 * click);
        driver::clickBead(&form, 0, board::BeadKind::Lower4);
        QCOMPARE(captured().size() - before, 3 * click);
    }
    // On the machine's own ALSA setup (no sound card here), in a fresh process.
    void quietOnThisMachinesOwnSoundSetup()
    {
        const char *const name = "child.wav";
        QVERIFY(!writeWav(name, Mono, CdRate, BlipFrames).isEmpty());
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QLatin1String(PlaySwitch), workFile(QLatin1String(name))});
        QVERIFY(child.waitForFinished() && child.exitCode() == 0);
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
