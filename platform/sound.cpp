// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound.h"
#include "modules.h"
#include "soundmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {

using PlayWav = decltype(&quillmere_play_wav);

// The module stays loaded for the rest of the program; null when it is not there.
PlayWav loadSoundModule()
{
    return reinterpret_cast<PlayWav>(
        resolveModule(QStringLiteral("quillmere-sound"), PlayWavEntry));
}

bool quietMode = false;

} // namespace

void setQuiet(bool quiet)
{
    quietMode = quiet;
}

bool isQuiet()
{
    return quietMode;
}

void playSound(const QString &fileName)
{
    if (quietMode)
        return;
    const QString path = locateSound(fileName);
    if (path.isEmpty())
        return;
    static const PlayWav play = loadSoundModule();
    if (play != nullptr)
        play(QFile::encodeName(path).constData());
}

QString locateSound(const QString &fileName)
{
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/')))
        return fileName;

    QStringList folders{QDir::currentPath()};
    if (QCoreApplication::instance() != nullptr) {
        const QString programDir = QCoreApplication::applicationDirPath();
        folders.append(programDir);
        // An installed program finds its data relative to itself wherever it was installed.
        folders.append(QDir::cleanPath(programDir + QStringLiteral("/../share/quillmere")));
    }
    folders.append(QStringLiteral(QUILLMERE_DATADIR));
    for (const QString &folder : folders) {
        const QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

} // namespace platform
