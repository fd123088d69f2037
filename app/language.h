// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QLocale;

// The language the program speaks: the first of a locale's languages that it is translated into,
// with Qt's own texts (the message box's button) in the same language where Qt's translations are
// installed. English, the language the texts are written in, needs no translation.
namespace language {

// Replaces the translations in use with those for `locale`'s languages, in order of preference,
// and lays windows out right to left for a language written that way. Returns the language
// loaded (which platform::shownLanguage() then gives the windows), as in "de" or "pt_BR", or an
// empty string for the texts as written.
QString install(const QLocale &locale);

} // namespace language
