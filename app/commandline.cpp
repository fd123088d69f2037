// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace commandline {

namespace {

std::optional<std::uint32_t> seedOf(const QString &text)
{
    bool ok = false;
    const qulonglong seed = text.toULongLong(&ok);
    return ok && seed <= 0xffffffffULL ? std::optional<std::uint32_t>(std::uint32_t(seed))
                                       : std::nullopt;
}

} // namespace

std::optional<int> read(const QStringList &arguments, Options &options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "A counting frame for children: move its beads to set a number, and read "
                       "each rod's value and the total in base 10 or 16."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption seed(
        QStringLiteral("seed"),
        QCoreApplication::translate("CommandLine",
                                    "Draw the practice tasks from <number>: the same number gives "
                                    "the same tasks on every computer (also QUILLMERE_SEED)."),
        QCoreApplication::translate("CommandLine", "number"));
    parser.addOption(seed);
    QString fault;
    const QString seedText = qEnvironmentVariable("QUILLMERE_SEED");
    if (!parser.parse(arguments))
        fault = parser.errorText();
    else if (parser.isSet(seed) || !seedText.isEmpty()) {
        const QString text = parser.isSet(seed) ? parser.value(seed) : seedText;
        options.seed = seedOf(text);
        if (!options.seed)
            //: An error: the seed given is not a whole number from 0 to 4294967295.
            fault = QCoreApplication::translate("CommandLine", "Not a seed: '%1'.").arg(text);
    }
    if (fault.isEmpty() && !parser.positionalArguments().isEmpty())
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
