// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace platform {

QFunctionPointer resolveModule(const QString &name, const char *entry)
{
    if (QCoreApplication::instance() == nullptr)
        return nullptr;
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString &folder :
         {programDir, QDir::cleanPath(programDir + QStringLiteral("/" QUILLMERE_MODULEDIR))}) {
        if (const QFunctionPointer resolved = QLibrary::resolve(folder + u'/' + name, entry))
            return resolved;
    }
    return nullptr;
}

} // namespace platform
