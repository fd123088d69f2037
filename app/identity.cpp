#include "identity.h"

#include <QGuiApplication>

namespace identity {

void applyTo(QCoreApplication &)
{
    QCoreApplication::setApplicationName(QLatin1String(Title));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(Major).arg(Minor).arg(Revision));
    QCoreApplication::setOrganizationName(QLatin1String(CompanyName));
    QGuiApplication::setApplicationDisplayName(QLatin1String(Title));
}

} // namespace identity
