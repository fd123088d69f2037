// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Resident memory of main windows, measured from /proc/self/status. Prints key=value lines:
//   quillmere_memory peak            peak_kb: the peak with one main window up
//   quillmere_memory windows N       rss_kb_1, rss_kb_N and per_window_kb for N windows side by
//   side quillmere_memory resets A B      rss_kb_A, rss_kb_B (and heap_kb_*) after A and after B
//   Resets
// With --no-pixmap-cache, Qt's pixmap cache (where the style keeps button pictures, up to 10 MB)
// is turned off, which tells its growth apart from memory that is never given back.
#include "mainwin/form1.h"
#include "procstatus.h"

#include <QApplication>
#include <QPixmapCache>

#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

void print(const char *key, long value)
{
    std::printf("%s=%ld\n", key, value);
    std::fflush(stdout);
}

long heapInUseKb()
{
    constexpr long Kb = 1024;
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>((info.uordblks + info.hblkhd) / Kb);
}

Form1 *openForm()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *form = qobject_cast<Form1 *>(window);
        if (form != nullptr && form->isVisible())
            return form;
    }
    return nullptr;
}

int peak()
{
    Form1 *form = Form1::defaultForm();
    form->showCentred();
    if (!bench::waitUntilShown(*form))
        return 1;
    print("peak_kb", bench::statusKb("VmHWM"));
    return 0;
}

int windows(int count)
{
    std::vector<std::unique_ptr<Form1>> forms;
    long first = 0;
    for (int n = 1; n <= count; ++n) {
        forms.push_back(std::make_unique<Form1>());
        forms.back()->setAttribute(Qt::WA_DeleteOnClose, false);
        forms.back()->showCentred();
        if (!bench::waitUntilShown(*forms.back()))
            return 1;
        if (n == 1)
            first = bench::statusKb("VmRSS");
    }
    const long last = bench::statusKb("VmRSS");
    print("rss_kb_1", first);
    print("rss_kb_N", last);
    print("per_window_kb", count > 1 ? (last - first) / (count - 1) : 0);
    return 0;
}

int resets(int early, int late)
{
    Form1::defaultForm()->showCentred();
    for (int cycle = 1; cycle <= late; ++cycle) {
        Form1 *form = openForm();
        if (form == nullptr || !bench::waitUntilShown(*form))
            return 1;
        form->ComReset_Click();
        bench::collectDeleted();
        if (cycle == early || cycle == late) {
            Form1 *fresh = openForm();
            if (fresh == nullptr || !bench::waitUntilShown(*fresh))
                return 1;
            const QByteArray suffix = '_' + QByteArray::number(cycle);
            print(("rss_kb" + suffix).constData(), bench::statusKb("VmRSS"));
            print(("heap_kb" + suffix).constData(), heapInUseKb());
        }
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    if (args.removeAll(QStringLiteral("--no-pixmap-cache")) > 0)
        QPixmapCache::setCacheLimit(0);
    const QString mode = args.value(0);
    if (mode == QLatin1String("peak") && args.size() == 1)
        return peak();
    if (mode == QLatin1String("windows") && args.size() == 2 && args[1].toInt() > 0)
        return windows(args[1].toInt());
    if (mode == QLatin1String("resets") && args.size() == 3 && args[1].toInt() > 0 &&
        args[2].toInt() > args[1].toInt())
        return resets(args[1].toInt(), args[2].toInt());
    std::fprintf(stderr,
                 "usage: quillmere_memory [--no-pixmap-cache] peak | windows N | resets A B\n");
    return 2;
}
