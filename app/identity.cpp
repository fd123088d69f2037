// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/identity.h"

#include <QCoreApplication>

namespace identity {

void applyTo(QCoreApplication &application)
{
    application.setApplicationName(QLatin1String(Title));
    application.setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(Major).arg(Minor).arg(Revision));
    application.setOrganizationName(QLatin1String(CompanyName));
}

} // namespace identity
