// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The speech module, a library of its own (quillmere-speech) that the program loads at the first
// text it says, so that Qt's speech library, its speech-dispatcher plugin and the connection to
// the speech service stay out of start-up. Its one entry point makes a voice, a QObject that the
// program moves to a thread of its own, with
//   the slot   say(QString text, QString language, quint64 request): says `text` in the language
//              as the program names it ("de", "pt_BR", "" for English), cutting short what it
//              says, and answers;
//   the signal answered(quint64 request, bool voiced): `voiced` is false when the speech engine
//              failed or has no voice for the language.
// They are reached by name: the module and the program each hold their own copy of its class.
#include "platform/moduleexport.h"

class QObject;

extern "C" QUILLMERE_MODULE_EXPORT QObject *quillmere_speech_voice();

namespace platform {
// The entry point's name, for looking it up in the loaded module.
inline constexpr char SpeechVoiceEntry[] = "quillmere_speech_voice";
} // namespace platform
