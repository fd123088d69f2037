// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace commandline {

std::optional<int> read(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "A counting frame for children: move its beads to set a number, and read "
                       "each rod's value and the total in base 10 or 16."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    QString fault;
    if (!parser.parse(arguments))
        fault = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        fault = QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                    .arg(parser.positionalArguments().constFirst());
    if (!fault.isEmpty()) {
        std::fprintf(
            stderr, "%s: %s\n\n%s",
            qPrintable(QCoreApplication::applicationFilePath().section(QLatin1Char('/'), -1)),
            qPrintable(fault), qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        parser.process(arguments); // prints the help, with Qt's options for --help-all, and ends
    return std::nullopt;
}

} // namespace commandline
