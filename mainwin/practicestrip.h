// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/windowdesign.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace mainwin {

// The strip below the designed client area that shows while the pupil practises: the task in
// the window's largest type, the box for a typed answer, Check, Show Me and Next, the score and
// what the last check found. It holds no rules: PracticeMode fills it and answers its buttons.
// Enter in the answer box checks.
class PracticeStrip : public QWidget, public platform::Zoomable
{
    Q_OBJECT

public:
    // The strip's height in twips; it spans the window's width.
    static constexpr int Height = 1710;

    explicit PracticeStrip(QWidget *client);

    void setTask(const QString &task);
    void setFeedback(const QString &feedback);
    void setScore(const QString &score);
    // The answer box shows for a task that asks for a typed answer.
    void setAnswerWanted(bool wanted);
    QString answer() const;
    void setShowMeOffered(bool offered);
    void setCheckable(bool checkable);
    // Gives the focus to the answer box, its text selected, or to Next.
    void focusAnswer();
    void focusNext();
    // Puts the strip's controls in the window's tab order after `previous`.
    void setTabOrderAfter(QWidget *previous);

    void setZoom(const platform::Zoom &zoom) override;

signals:
    void checkRequested();
    void showMeRequested();
    void nextRequested();

private:
    QLabel *m_task;
    QLineEdit *m_answer;
    QPushButton *m_check;
    QPushButton *m_showMe;
    QPushButton *m_next;
    QLabel *m_score;
    QLabel *m_feedback;
};

} // namespace mainwin
