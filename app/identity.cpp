#include "identity.h"

#include <QCoreApplication>

namespace identity {

void applyTo(QCoreApplication &)
{
    QCoreApplication::setApplicationName(QLatin1String(Title));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(Major).arg(Minor).arg(Revision));
    QCoreApplication::setOrganizationName(QLatin1String(CompanyName));
}

} // namespace identity
