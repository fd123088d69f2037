// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up and memory: the least a Qt Widgets program does to show a window.
// With --peak it prints its peak resident memory in B once the window is up, and ends. With
// --text the window holds one line of text, which needs the font database.
#include "procstatus.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    bool peak = false;
    bool text = false;
    for (int i = 1; i < argc; ++i) {
        peak = peak || std::strcmp(argv[i], "--peak") == 0;
        text = text || std::strcmp(argv[i], "--text") == 0;
    }
    QApplication application(argc, argv);
    std::unique_ptr<QWidget> window =
        text ? std::make_unique<QLabel>(QStringLiteral("Quillmere")) : std::make_unique<QWidget>();
    window->show();
    if (!peak)
        return QApplication::exec();
    if (!bench::waitUntilShown(*window))
        return 1;
    std::printf("%ld\n", bench::statusKb("VmHWM"));
    return 0;
}
