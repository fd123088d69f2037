// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/language.h"
#include "platform/numberwords.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace language {

QString install(const QLocale &locale)
{
    static QTranslator program;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);
    platform::setShownLanguage({});
    if (!program.load(locale, QStringLiteral("quillmere"), QStringLiteral("_"),
                      QStringLiteral(":/i18n"))) {
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        return {};
    }
    QCoreApplication::installTranslator(&program);
    const QString language = program.language();
    if (qt.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    QGuiApplication::setLayoutDirection(QLocale(language).textDirection());
    platform::setShownLanguage(language);
    return language;
}

} // namespace language
