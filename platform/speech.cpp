// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech.h"

#include "modules.h"
#include "speechmodule.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <utility>

namespace platform {

namespace {

using MakeVoice = decltype(&quillmere_speech_voice);

struct Voice
{
    QThread *thread;
    QObject *voice;
};

// The program's voice, made at its first text; null without the speech module.
Voice *voice()
{
    static Voice *const made = []() -> Voice * {
        const auto make = reinterpret_cast<MakeVoice>(
            resolveModule(QStringLiteral("quillmere-speech"), SpeechVoiceEntry));
        if (make == nullptr)
            return nullptr;
        auto *voice = new Voice{new QThread, make()};
        voice->thread->setObjectName(QStringLiteral("speech"));
        voice->voice->moveToThread(voice->thread);
        QObject::connect(voice->thread, &QThread::finished, voice->voice, &QObject::deleteLater);
        voice->thread->start();
        // As the application ends: a voice that does not stop in time is left to the end of the
        // process rather than holding it up.
        qAddPostRoutine([] {
            Voice *ending = platform::voice();
            ending->thread->quit();
            if (ending->thread->wait(QDeadlineTimer(1000)))
                delete ending->thread;
        });
        return voice;
    }();
    return made;
}

quint64 lastRequest = 0;

} // namespace

Speech::Speech(QObject *parent) : QObject(parent), m_answerTimer(new QTimer(this))
{
    m_answerTimer->setSingleShot(true);
    m_answerTimer->setInterval(AnswerMilliseconds);
    connect(m_answerTimer, &QTimer::timeout, this, &Speech::timedOut);
}

void Speech::say(const QString &text, const QString &language)
{
    Voice *program = voice();
    if (program == nullptr) {
        emit voiceMissing(language);
        return;
    }
    if (!std::exchange(m_listening, true))
        connect(program->voice, SIGNAL(answered(quint64, bool)), this,
                SLOT(answered(quint64, bool)));
    const quint64 request = ++lastRequest;
    m_waiting.insert(request, language);
    // The timer counts from the oldest text still unanswered.
    if (!m_answerTimer->isActive())
        m_answerTimer->start();
    QMetaObject::invokeMethod(program->voice, "say", Qt::QueuedConnection, Q_ARG(QString, text),
                              Q_ARG(QString, language), Q_ARG(quint64, request));
}

void Speech::answered(quint64 request, bool voiced)
{
    const auto waiting = m_waiting.constFind(request);
    if (waiting == m_waiting.cend())
        return;
    const QString language = *waiting;
    m_waiting.erase(waiting);
    if (m_waiting.isEmpty())
        m_answerTimer->stop();
    if (!voiced)
        emit voiceMissing(language);
}

void Speech::timedOut()
{
    const QString language = m_waiting.isEmpty() ? QString() : *m_waiting.cbegin();
    m_waiting.clear();
    emit voiceMissing(language);
}

} // namespace platform
