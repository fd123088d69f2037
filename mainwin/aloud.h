// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class Form1;
class QAction;

namespace platform {
class Speech;
}

namespace mainwin {

class PracticeMode;

// What a window says aloud, in the language it shows, for a pupil who cannot read the number
// yet: F5 says what matters now (the practice task, its number in words; otherwise the total, or
// that the answers are hidden), and "Speak &Every Total", after a separator in the Practice menu,
// says the total after each bead action, except while it would give an answer away. Nothing is
// kept. The voice (platform::Speech) is made at the first text; the first time it cannot speak,
// the window says so in a box that does not wait and to the screen reader.
class Aloud : public QObject
{
    Q_OBJECT

public:
    Aloud(Form1 *window, const PracticeMode *practice);

    void sayNow();
    // After a bead action that changed the frame.
    void frameChanged();

private:
    QString total() const;
    void say(const QString &text);
    void voiceMissing(const QString &language);

    Form1 *m_window;
    const PracticeMode *m_practice;
    QAction *m_everyTotal;
    platform::Speech *m_speech = nullptr;
    bool m_toldMissing = false;
};

} // namespace mainwin
