// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Google Benchmark, in-process on Qt's offscreen platform: a click on a bead delivered as window
// events, the two read-out routines on their own, a fresh main window as Reset makes one, and
// what the sound service adds to the length of the click sound.
//
// Runs in a fresh temporary folder, so that no click.wav can be found there; it refuses to run
// when one can be found anywhere else, since every bead click would then play it.
#include "mainwin/form1.h"
#include "platform/imagecontrol.h"
#include "platform/sound.h"
#include "platform/wavfile.h"
#include "procstatus.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

const QString ClickName = QStringLiteral("click.wav");
constexpr int Repetitions = 5;
constexpr int SoundPlays = 20;
constexpr double NsPerSecond = 1e9;
constexpr double MsPerSecond = 1e3;

// Image 1 is the bottom bead of the rightmost rod. A click brings all five lower beads to the
// beam; the next press sends them back (and the click that follows finds the bead gone), so
// the iterations alternate between the two.
constexpr const char *Bead = "Image1";
// The outer bead of rod r is image 76 + 2r; a click on it brings both upper beads, 10.
constexpr int FirstOuterBead = 76;

QString &soundPath()
{
    static QString path;
    return path;
}

QPoint centreOf(const Form1 &form, const QWidget *control)
{
    return control->mapTo(&form, control->rect().center());
}

// Shows the window with every rod at 10, so that each rod label and the total read differently
// in base 10 ("10", "150") and base 16 ("A", "96").
void showWithTens(Form1 &form)
{
    form.showCentred();
    bench::waitUntilShown(form);
    for (int rod = 0; rod < board::RodCount; ++rod) {
        const QWidget *bead =
            form.findChild<QWidget *>(QStringLiteral("Image%1").arg(FirstOuterBead + 2 * rod));
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, centreOf(form, bead));
    }
}

// With painting off (updatesEnabled false) only the event delivery and the bead action remain:
// the moves, the rod values and BaseView.
void beadClick(benchmark::State &state, bool painted)
{
    Form1 form;
    form.showCentred();
    bench::waitUntilShown(form);
    form.setUpdatesEnabled(painted);
    const auto *bead = form.findChild<platform::ImageControl *>(QLatin1String(Bead));
    for (auto _ : state)
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, centreOf(form, bead));
    benchmark::DoNotOptimize(form.board().total());
}

// The same click on the window's bare background: what event delivery alone costs.
void backgroundClick(benchmark::State &state)
{
    Form1 form;
    form.showCentred();
    bench::waitUntilShown(form);
    const QWidget *client = form.centralWidget();
    QPoint bare;
    for (int y = client->height() - 1; y > 0 && bare.isNull(); --y) {
        for (int x = 1; x < client->width() && bare.isNull(); ++x) {
            if (client->childAt(x, y) == nullptr)
                bare = client->mapTo(&form, QPoint(x, y));
        }
    }
    for (auto _ : state)
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, bare);
}

// Each call finds the labels in the other base, as after a bead action; the switch back is not
// timed.
void baseView(benchmark::State &state)
{
    Form1 form;
    showWithTens(form);
    for (auto _ : state) {
        state.PauseTiming();
        form.HexView();
        state.ResumeTiming();
        form.BaseView();
    }
}

void hexView(benchmark::State &state)
{
    Form1 form;
    showWithTens(form);
    for (auto _ : state) {
        state.PauseTiming();
        form.BaseView();
        state.ResumeTiming();
        benchmark::DoNotOptimize(form.HexView());
    }
}

// Reset's fresh window: made, shown and painted, then closed and deleted.
void freshWindow(benchmark::State &state)
{
    for (auto _ : state) {
        auto *form = new Form1;
        form->showCentred();
        QCoreApplication::processEvents();
        form->close();
        bench::collectDeleted();
    }
}

// Counts only the time beyond the sound's own length.
void soundOverhead(benchmark::State &state)
{
    const std::optional<platform::WavSamples> sound =
        platform::readWav(QFile::encodeName(soundPath()).constData());
    if (!sound) {
        state.SkipWithError("the click sound cannot be read");
        return;
    }
    const double length = double(sound->frames()) / sound->rate;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        platform::playSound(soundPath());
        state.SetIterationTime(double(timer.nsecsElapsed()) / NsPerSecond - length);
    }
}

// The first play loads the sound module and starts PortAudio, which looks over every ALSA
// device: timed on its own.
void reportFirstPlay()
{
    const std::optional<platform::WavSamples> sound =
        platform::readWav(QFile::encodeName(soundPath()).constData());
    if (!sound)
        return;
    QElapsedTimer timer;
    timer.start();
    platform::playSound(soundPath());
    const double extra =
        double(timer.nsecsElapsed()) / NsPerSecond - double(sound->frames()) / sound->rate;
    std::printf("first sound play adds %.2f ms beyond the sound's length\n", extra * MsPerSecond);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform remarks on every window shown that it cannot pass on size hints.
    static const QtMessageHandler previousHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.contains(QLatin1String("propagateSizeHints")))
                previousHandler(type, context, message);
        });

    // The sound goes to ALSA's file plugin, which writes it out as fast as it comes.
    QTemporaryDir work;
    const QString config = work.filePath(QStringLiteral("asound.conf"));
    QFile configFile(config);
    if (!configFile.open(QIODevice::WriteOnly) ||
        configFile.write(QStringLiteral("pcm.!default { type file slave.pcm \"null\" file \"%1\" "
                                        "format \"raw\" }\npcm.null { type null }\n")
                             .arg(work.filePath(QStringLiteral("capture.raw")))
                             .toUtf8()) < 0)
        return 1;
    configFile.close();
    qputenv("ALSA_CONFIG_PATH", QFile::encodeName(config));

    QApplication application(argc, argv);
    QDir::setCurrent(work.path());
    if (const QString found = platform::locateSound(ClickName); !found.isEmpty()) {
        std::fprintf(stderr, "%s can be found; bead clicks would play it\n", qPrintable(found));
        return 1;
    }
    soundPath() = QStringLiteral(QUILLMERE_CLICK_WAV);

    benchmark::Initialize(&argc, argv);
    reportFirstPlay();
    for (const auto &[name, painted] :
         {std::pair{"BeadClick", true}, std::pair{"BeadClickUnpainted", false}})
        benchmark::RegisterBenchmark(name, &beadClick, painted)
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(Repetitions)
            ->ReportAggregatesOnly();
    for (const auto &[name, function] :
         {std::pair{"BackgroundClick", &backgroundClick}, std::pair{"BaseView", &baseView},
          std::pair{"HexView", &hexView}})
        benchmark::RegisterBenchmark(name, function)
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(Repetitions)
            ->ReportAggregatesOnly();
    benchmark::RegisterBenchmark("FreshWindow", &freshWindow)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(Repetitions)
        ->ReportAggregatesOnly();
    benchmark::RegisterBenchmark("SoundOverhead", &soundOverhead)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(SoundPlays)
        ->Repetitions(Repetitions)
        ->ReportAggregatesOnly();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
