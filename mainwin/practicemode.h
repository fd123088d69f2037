// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board/practice.h"

#include <QObject>

#include <cstdint>
#include <optional>

class Form1;
class QAction;
class QMenu;

namespace mainwin {

class PracticeStrip;

// Practice in one main window: the "&Practice" menu, the strip below the frame while a round
// runs, and the rules of board::practice. A task starts from a fresh frame, hides the rod values
// and the total until it is checked right or shown, and is given in the base the read-out shows
// as it starts (a typed answer is read in that base). Someone who never opens the menu sees the
// window as designed.
class PracticeMode : public QObject
{
    Q_OBJECT

public:
    // Adds the menu to the window's menu bar.
    explicit PracticeMode(Form1 *window);

    // The seed of every window's draws from now on: the same seed gives the same tasks on every
    // computer. Without one, each run draws its own.
    static void setSeed(std::optional<std::uint32_t> seed);

    bool isPractising() const { return m_strip != nullptr && m_running; }
    // The task as a teacher reads it aloud, its number in words; empty while not practising.
    QString spokenTask() const;
    QMenu *menu() const { return m_menu; }
    void start(board::practice::Exercise exercise);
    void stop();

private:
    void nextTask();
    void check();
    void showMe();
    void taskEnded(const QString &feedback);
    // A fresh frame with each rod set to its value, as a pupil would click it.
    void setFrame(const std::array<std::int16_t, board::RodCount> &rodValues);
    void showScore();
    void showStrip(bool shown);
    QString number(int value) const;
    QString taskText(bool inWords) const;
    void say(const QString &feedback);

    Form1 *m_window;
    QMenu *m_menu = nullptr;
    QAction *m_stop = nullptr;
    QAction *m_inWords = nullptr;
    PracticeStrip *m_strip = nullptr;
    std::optional<board::practice::Practice> m_practice;
    board::practice::Exercise m_exercise = board::practice::Exercise::ShowNumber;
    int m_level = 10;
    bool m_base16 = false;
    bool m_running = false;
    QWidget *m_focusBefore = nullptr;
};

} // namespace mainwin
