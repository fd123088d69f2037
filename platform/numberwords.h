// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Numbers in words, as ICU's rule-based spell-out writes them in each language of the program.
namespace platform {

// A value in words in a language as the program names it ("de", "pt_BR", "zh_CN", ...; "" is
// English). Each language's formatter is made at its first use and kept. When ICU fails, the
// value's decimal digits.
QString numberWords(int value, const QString &language);

// The language the windows show, as numberWords takes it: set by start-up once it has installed
// the translations; "" until then and for English.
void setShownLanguage(const QString &language);
QString shownLanguage();

// A base-16 number read digit by digit, as a teacher reads it: a letter digit as its capital
// letter, a decimal digit as its word, separated by a blank ("E1" is "E one" in English, "E eins"
// in German). When ICU fails, or for a character that is no hex digit, the digits as given.
QString hexWords(const QString &hexDigits, const QString &language);

} // namespace platform
