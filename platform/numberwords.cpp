// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/numberwords.h"

#include <QStringList>

#include <unicode/fieldpos.h>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <map>
#include <memory>
#include <mutex>
#include <optional>

namespace {

// The locale ICU knows a language by. The program's own English has no code: under "" ICU would
// take its root locale, which writes digits.
icu::Locale localeOf(const QString &language)
{
    return language.isEmpty() ? icu::Locale::getEnglish()
                              : icu::Locale(language.toLatin1().constData());
}

// A value spelled out by the language's formatter, made at the language's first use; nothing when
// ICU fails. A language whose formatter could not be made keeps no formatter and is not tried
// again.
std::optional<QString> spellOut(int value, const QString &language)
{
    static std::mutex mutex;
    static std::map<QString, std::unique_ptr<icu::RuleBasedNumberFormat>> formatters;
    const std::scoped_lock lock(mutex);
    auto it = formatters.find(language);
    if (it == formatters.end()) {
        UErrorCode status = U_ZERO_ERROR;
        auto formatter = std::make_unique<icu::RuleBasedNumberFormat>(icu::URBNF_SPELLOUT,
                                                                      localeOf(language), status);
        // Chinese counts with 零 for zero, as a quantity is written; the default rules write the
        // 〇 of codes and years.
        if (U_SUCCESS(status) && language.startsWith(QLatin1String("zh")))
            formatter->setDefaultRuleSet(u"%spellout-cardinal", status);
        if (U_FAILURE(status))
            formatter.reset();
        it = formatters.emplace(language, std::move(formatter)).first;
    }
    if (!it->second)
        return std::nullopt;

    icu::UnicodeString words;
    icu::FieldPosition position;
    UErrorCode status = U_ZERO_ERROR;
    it->second->format(static_cast<int32_t>(value), words, position, status);
    if (U_FAILURE(status) || words.isBogus() || words.isEmpty())
        return std::nullopt;
    // Without the soft hyphens ICU puts between the parts of a long German, Dutch or Italian
    // word: they are for breaking lines, and a label or a voice has none to break.
    return QString::fromUtf16(words.getBuffer(), words.length()).remove(QChar(0x00ad));
}

} // namespace

namespace platform {

namespace {
QString &shown()
{
    static QString language;
    return language;
}
} // namespace

void setShownLanguage(const QString &language)
{
    shown() = language;
}

QString shownLanguage()
{
    return shown();
}

QString numberWords(int value, const QString &language)
{
    return spellOut(value, language).value_or(QString::number(value));
}

QString hexWords(const QString &hexDigits, const QString &language)
{
    QStringList words;
    for (const QChar digit : hexDigits) {
        const QChar letter = digit.toUpper();
        if (digit >= u'0' && digit <= u'9') {
            const std::optional<QString> word = spellOut(digit.unicode() - u'0', language);
            if (!word)
                return hexDigits;
            words << *word;
        } else if (letter >= u'A' && letter <= u'F') {
            words << letter;
        } else {
            return hexDigits;
        }
    }
    return words.join(u' ');
}

} // namespace platform
