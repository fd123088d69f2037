// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formdriver.h"
#include "mainwin/form1.h"
#include "platform/sound.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <sndfile.h>

namespace {
constexpr qint64 NsPerSecond = 1000 * 1000 * 1000, BoundNs = NsPerSecond / 4; // a bound, no more
constexpr int CdRate = 44100, Frames = CdRate / 20, Plays = 2; // nothing is kept between plays
bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
// A WAV file of varied 16-bit samples, both ends of the range included; they start at byte 44.
QByteArray wavFile(int channels, int rate, int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16)
{
    QList<qint16> samples{-32768, 32767};
    for (qsizetype i = samples.size(); i < Frames * channels; ++i)
        samples.append(static_cast<qint16>(i * 7919));
    SF_INFO info{0, rate, channels, format, 0, 0};
    SNDFILE *file = sf_open("made", SFM_WRITE, &info);
    sf_writef_short(file, samples.constData(), Frames);
    sf_close(file);
    return readAll("made");
}
} // namespace

class TestSound : public QObject
{
    Q_OBJECT
private slots:
    void playsWhatTheFileHolds_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("heard"); // at each play, 88,200 bytes a second
        QTest::addColumn<QString>("alsa");     // configuration; empty: this machine's own (no card)
        const QByteArray mono = wavFile(1, CdRate), stereo = wavFile(2, CdRate / 2), none;
        const QString test = qEnvironmentVariable("ALSA_CONFIG_PATH"), broken = "broken.conf";
        QVERIFY(writeFile(broken, "pcm.!default { type file slave.pcm { type null } file /no/x }"));
        row("mono 44.1 kHz", mono, mono.mid(44), test);
        row("stereo 22.05 kHz", stereo, stereo.mid(44), test);
        row("on this machine's own setup", mono, none, QString());
        row("on a device that fails while playing", mono, none, broken);
        // Silent (fault: played as libsndfile reads it: cut short, not WAV, an encoding not taken).
        row("GSM in a WAV", wavFile(1, 8000, SF_FORMAT_WAV | SF_FORMAT_GSM610), none, test);
        row("cut short in the samples", mono.chopped(1000), none, test);
        row("RIFF length huge", QByteArray(mono).replace(4, 4, "\xff\xff\xff\xff"), none, test);
        row("data length huge", QByteArray(mono).replace(40, 4, "\xff\xff\xff\xff"), none, test);
        // (fault: a length with the top bit set read as negative: this one, -8, hangs)
        row("data length 2^32-8", QByteArray(mono).replace(40, 4, "\xf8\xff\xff\xff"), none, test);
        const QByteArray mpegFrame = QByteArray("\xff\xfb\x90").leftJustified(417, 0);
        row("an MPEG frame, then damage", mpegFrame + QByteArray(417, 'c'), none, test);
        // (fault: libsndfile reads a list of tags by the length it claims, and spins for minutes)
        const QByteArray list = QByteArray::fromHex("4c49535420203a202ccb00") + QByteArray(129, -1);
        row("a list of tags longer than the file", mono + list + '\xef' + QByteArray(8, -1), none,
            test);
    }
    // In a fresh process each play lasts the sound's length, is heard in full, prints nothing
    // (fault: ALSA, JACK or PortAudio let talk) and loads PortAudio then (fault: linked in).
    void playsWhatTheFileHolds()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, heard);
        QFETCH(QString, alsa);
        QVERIFY(writeFile(QTest::currentDataTag(), file));
        const qint64 before = readAll("capture.raw").size();
        QProcess child;
        child.start(qApp->applicationFilePath(), {"--child", QTest::currentDataTag(), alsa});
        QVERIFY(child.waitForFinished() && child.exitCode() == 0);
        QCOMPARE(child.readAllStandardError(), QByteArray());
        QCOMPARE_GE(readAll("took").toLongLong(), heard.size() * NsPerSecond / 88200);
        QCOMPARE_LT(readAll("took").toLongLong(), heard.size() * NsPerSecond / 88200 + BoundNs);
        QCOMPARE(readAll("capture.raw").mid(before), heard.repeated(Plays));
    }
    // Each bead action clicks: a bead at rest twice (press, click), a bead at the beam once; none
    // in quiet mode.
    void beadGesturesPlayTheClick()
    {
        QVERIFY(writeFile("click.wav", wavFile(1, CdRate)));
        Form1 form;
        form.show();
        const qint64 before = readAll("capture.raw").size();
        driver::clickBead(&form, 0, board::BeadKind::Lower3);
        QCOMPARE(readAll("capture.raw").size() - before, 2 * 2 * Frames);
        driver::clickBead(&form, 0, board::BeadKind::Lower4);
        QCOMPARE(readAll("capture.raw").size() - before, 3 * 2 * Frames);
        // Ctrl+M: quiet, yet the bead moves (fault: a click played, or the gesture cut short).
        QTest::keyClick(&form, Qt::Key_M, Qt::ControlModifier);
        driver::clickBead(&form, 1, board::BeadKind::Lower5);
        QVERIFY(driver::atBeam(&form, 1, board::BeadKind::Lower5));
        QCOMPARE(readAll("capture.raw").size() - before, 3 * 2 * Frames);
        QTest::keyClick(&form, Qt::Key_M, Qt::ControlModifier); // and heard again
        driver::clickBead(&form, 1, board::BeadKind::Lower4);
        QCOMPARE(readAll("capture.raw").size() - before, 5 * 2 * Frames);
    }
    // Where a name is looked for: as given when it has a folder, else in the current directory,
    // then beside the program (fault: another order, or a folder taken for the file).
    void locateSearchOrder()
    {
        const QString program = qApp->applicationFilePath(), self = QFileInfo(program).fileName();
        QCOMPARE(platform::locateSound("nowhere.wav"), QString());
        QCOMPARE(platform::locateSound("/no/such/click.wav"), QString("/no/such/click.wav"));
        QCOMPARE(platform::locateSound(self), program);
        QVERIFY(QDir().mkdir(self));
        QCOMPARE(platform::locateSound(self), program);
        QVERIFY(QDir().rmdir(self) && writeFile(self, ""));
        QCOMPARE(platform::locateSound(self), QDir::current().absoluteFilePath(self));
    }
};

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--child") == 0) { // --child FILE ALSA_CONFIG_PATH
        qputenv("ALSA_CONFIG_PATH", argv[3]);            // empty: the machine's own
        const QCoreApplication app(argc, argv);
        const bool early = readAll("/proc/self/maps").contains("libportaudio"); // took: -1
        QElapsedTimer timer;
        timer.start();
        for (int play = 0; play < Plays; ++play)
            platform::playSound(QString::fromLocal8Bit(argv[2]));
        return !writeFile("took", QByteArray::number(early ? -1 : timer.nsecsElapsed() / Plays));
    }
    QApplication app(argc, argv);
    const QTemporaryDir work; // the current directory, where every file is made
    TestSound test;
    return QDir::setCurrent(work.path()) ? QTest::qExec(&test, argc, argv) : 1;
}

#include "tst_sound.moc"
