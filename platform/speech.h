// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QTimer;

namespace platform {

// Says texts aloud, through Qt's speech engine and speech-dispatcher. Nothing of it is loaded
// before the first text: then the speech module (speechmodule.h) is loaded, and its voice starts
// in a thread of its own, one for the whole program, to which every call is queued. So a speech
// service that hangs, or has no sound device to speak on, never holds up a window: say() returns
// at once, whatever the service does.
class Speech : public QObject
{
    Q_OBJECT

public:
    // How long the voice may take to answer before it counts as missing.
    static constexpr int AnswerMilliseconds = 5000;

    explicit Speech(QObject *parent = nullptr);

    // Says `text` in `language`, as the program names it ("de", "pt_BR", "" for English),
    // cutting short what is being said.
    void say(const QString &text, const QString &language);

signals:
    // A text could not be said in `language`: no voice for it is installed, the speech engine or
    // its module is not there, or the voice did not answer in time.
    void voiceMissing(const QString &language);

private slots:
    // Every answer of the voice comes to every Speech object: each keeps its own requests.
    void answered(quint64 request, bool voiced);

private:
    void timedOut();

    QHash<quint64, QString> m_waiting; // request, language
    QTimer *m_answerTimer;
    bool m_listening = false;
};

} // namespace platform
