// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speechmodule.h"

#include <QLocale>
#include <QTextToSpeech>

#include <optional>

namespace {

// speech-dispatcher names a voice's language by its code alone ("de") or with its territory
// ("pt-BR"): a locale of the same language, of the same territory where there is one.
std::optional<QLocale> localeFor(const QList<QLocale> &available, const QString &language)
{
    const QLocale wanted =
        language.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(language);
    std::optional<QLocale> found;
    for (const QLocale &locale : available) {
        if (locale.language() != wanted.language())
            continue;
        if (locale.territory() == wanted.territory())
            return locale;
        if (!found)
            found = locale;
    }
    return found;
}

class Voice : public QObject
{
    Q_OBJECT

public slots:
    void say(const QString &text, const QString &language, quint64 request)
    {
        // Made here, in the voice's thread, where the engine's connection then lives.
        if (m_speech == nullptr)
            m_speech = new QTextToSpeech(QStringLiteral("speechd"), this);
        const std::optional<QLocale> locale =
            m_speech->state() == QTextToSpeech::Error
                ? std::nullopt
                : localeFor(m_speech->availableLocales(), language);
        if (locale) {
            if (m_speech->locale() != *locale)
                m_speech->setLocale(*locale);
            m_speech->say(text);
        }
        emit answered(request, locale.has_value());
    }

signals:
    void answered(quint64 request, bool voiced);

private:
    QTextToSpeech *m_speech = nullptr;
};

} // namespace

QObject *quillmere_speech_voice()
{
    return new Voice;
}

#include "speechmodule.moc"
