// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practicemode.h"

#include "beadcontrol.h"
#include "clientarea.h"
#include "countingframe.h"
#include "form1.h"
#include "form1layout.h"
#include "platform/numbers.h"
#include "platform/numberwords.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "practicestrip.h"
#include "windowzoom.h"

#include <QActionGroup>
#include <QGuiApplication>
#include <QMenuBar>
#include <QTimer>

#include <random>

namespace mainwin {

namespace {

using board::practice::Exercise;
using board::practice::Verdict;

const QString RightSound = QStringLiteral("cheer.wav");

std::optional<std::uint32_t> &seed()
{
    static std::optional<std::uint32_t> seed;
    return seed;
}

} // namespace

void PracticeMode::setSeed(std::optional<std::uint32_t> value)
{
    seed() = value;
}

PracticeMode::PracticeMode(Form1 *window) : QObject(window), m_window(window)
{
    //: The menu of exercises, after File.
    m_menu = m_window->menuBar()->addMenu(tr("&Practice"));
    m_menu->setObjectName(QStringLiteral("Practice"));
    m_menu->setLayoutDirection(QGuiApplication::layoutDirection());
    //: Menu item: the program names a number, the pupil sets it on the frame.
    m_menu->addAction(tr("&Show a Number"), this, [this] { start(Exercise::ShowNumber); });
    //: Menu item: the program sets the frame, the pupil types its total.
    m_menu->addAction(tr("&Read the Frame"), this, [this] { start(Exercise::ReadFrame); });
    //: Submenu: how large the numbers of the tasks may be.
    QMenu *levels = m_menu->addMenu(tr("&Level"));
    levels->setLayoutDirection(QGuiApplication::layoutDirection());
    auto *group = new QActionGroup(levels);
    for (const int level : board::practice::Levels) {
        //: A level: the numbers of the tasks go up to %1.
        QAction *item = levels->addAction(tr("Up to %1").arg(level));
        item->setCheckable(true);
        item->setChecked(level == m_level);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, level] {
            m_level = level;
            if (isPractising())
                nextTask();
        });
    }
    //: Menu item, on or off: the number of a task is written in words ("Show thirteen").
    m_inWords = m_menu->addAction(tr("Tasks in &Words"));
    m_inWords->setCheckable(true);
    connect(m_inWords, &QAction::toggled, this, [this] {
        if (isPractising())
            m_strip->setTask(taskText(m_inWords->isChecked()));
    });
    //: Menu item: ends practice; the window is as it was.
    m_stop = m_menu->addAction(tr("S&top Practice"), this, &PracticeMode::stop);
    m_stop->setEnabled(false);
}

void PracticeMode::start(Exercise exercise)
{
    if (!m_practice)
        m_practice.emplace(seed().value_or(std::random_device()()));
    if (!m_strip) {
        m_strip = new PracticeStrip(m_window->client());
        m_strip->setZoom(m_window->windowZoom()->zoom());
        m_strip->setTabOrderAfter(m_window->frame()->tabStop());
        connect(m_strip, &PracticeStrip::checkRequested, this, &PracticeMode::check);
        connect(m_strip, &PracticeStrip::showMeRequested, this, &PracticeMode::showMe);
        connect(m_strip, &PracticeStrip::nextRequested, this, &PracticeMode::nextTask);
    }
    if (!m_running) {
        m_focusBefore = m_window->focusWidget();
        m_base16 = m_window->showsBase16();
    }
    m_exercise = exercise;
    showStrip(true);
    nextTask();
}

void PracticeMode::stop()
{
    if (!isPractising())
        return;
    if (m_practice->isOpen())
        m_practice->showMe();
    m_window->setTaskOpen(false);
    m_window->showReadOut(m_base16);
    showStrip(false);
    if (m_focusBefore)
        m_focusBefore->setFocus(Qt::OtherFocusReason);
}

void PracticeMode::showStrip(bool shown)
{
    m_running = shown;
    m_stop->setEnabled(shown);
    m_strip->setVisible(shown);
    const int height = layout::ClientHeight + (shown ? PracticeStrip::Height : 0);
    m_window->windowZoom()->setDesignedSize(
        {platform::pixels(layout::ClientWidth), platform::pixels(height)});
}

QString PracticeMode::number(int value) const
{
    return m_base16 ? platform::hexText(std::int32_t(value)) : platform::decimalText(value);
}

QString PracticeMode::taskText(bool inWords) const
{
    const int value = m_practice->task().number;
    const QString language = platform::shownLanguage();
    const QString shown = !inWords   ? number(value)
                          : m_base16 ? platform::hexWords(number(value), language)
                                     : platform::numberWords(value, language);
    if (m_exercise == Exercise::ShowNumber)
        //: A task: the pupil sets this number on the frame; %1 is the number in digits or in
        //: words ("Show 13", "Show thirteen").
        return tr("Show %1").arg(shown);
    //: A task: the pupil types the total of the frame that the program has set.
    return tr("What is the frame's total?");
}

QString PracticeMode::spokenTask() const
{
    return isPractising() ? taskText(true) : QString();
}

void PracticeMode::nextTask()
{
    const board::practice::Task &task = m_practice->next(m_exercise, m_level);
    m_window->setTaskOpen(true);
    setFrame(task.rodValues);
    m_window->showReadOut(m_base16);
    m_strip->setTask(taskText(m_inWords->isChecked()));
    m_strip->setAnswerWanted(m_exercise == Exercise::ReadFrame);
    m_strip->setCheckable(true);
    m_strip->setShowMeOffered(false);
    m_strip->setFeedback({});
    showScore();
    if (m_exercise == Exercise::ReadFrame)
        m_strip->focusAnswer();
    else
        m_window->frame()->tabStop()->setFocus(Qt::OtherFocusReason);
    // After the focus has been told: a screen reader that is still reading out the bead or
    // the button the focus left would drop a notification that came meanwhile.
    QTimer::singleShot(0, this,
                       [this] { m_window->client()->announce(taskText(m_inWords->isChecked())); });
}

void PracticeMode::check()
{
    if (!m_practice->isOpen())
        return;
    const int total = m_window->board().total();
    const std::optional<int> answer =
        m_exercise == Exercise::ShowNumber
            ? std::optional<int>(total)
            : board::practice::readAnswer(m_strip->answer().toStdString(), m_base16 ? 16 : 10);
    const int wanted = m_practice->task().number;
    switch (m_practice->check(answer)) {
    case Verdict::Right:
        //: Said when the answer is right; %1 is the number.
        taskEnded(tr("Right! The frame shows %1.").arg(number(wanted)));
        // After the window has shown it: the sound waits until it has been heard.
        QTimer::singleShot(0, this, [] { platform::playSound(RightSound); });
        return;
    case Verdict::NeedsMore:
        //: Show a Number, not yet: %1 is what the frame shows, %2 how much more it needs.
        say(tr("Your frame shows %1. You need %2 more.")
                .arg(number(total), number(wanted - total)));
        break;
    case Verdict::NeedsFewer:
        //: Show a Number, not yet: %1 is what the frame shows, %2 how much less it needs.
        say(tr("Your frame shows %1. You need %2 fewer.")
                .arg(number(total), number(total - wanted)));
        break;
    case Verdict::NotYet:
        //: Read the Frame, a wrong answer.
        say(tr("Not yet. Try again."));
        if (m_exercise == Exercise::ReadFrame)
            m_strip->focusAnswer();
        break;
    }
    m_strip->setShowMeOffered(m_practice->offersShowMe());
}

void PracticeMode::showMe()
{
    if (!m_practice->offersShowMe())
        return;
    m_practice->showMe();
    const board::practice::Task &task = m_practice->task();
    if (m_exercise == Exercise::ShowNumber) {
        // The number on the frame, the rods from the right filled in turn.
        std::array<std::int16_t, board::RodCount> rodValues{};
        for (int rod = 0, left = task.number; left > 0; ++rod, left -= 15)
            rodValues[rod] = std::int16_t(std::min(left, 15));
        setFrame(rodValues);
    }
    //: After Show Me: the answer; %1 is the number.
    taskEnded(tr("The frame shows %1.").arg(number(task.number)));
}

void PracticeMode::taskEnded(const QString &feedback)
{
    m_window->setTaskOpen(false);
    m_window->showReadOut(m_base16);
    m_strip->setCheckable(false);
    m_strip->setShowMeOffered(false);
    showScore();
    say(feedback);
    m_strip->focusNext();
}

void PracticeMode::setFrame(const std::array<std::int16_t, board::RodCount> &rodValues)
{
    std::vector<board::Bead> clicks;
    for (int rod = 0; rod < board::RodCount; ++rod) {
        for (const board::Bead bead : board::practice::beadsForValue(rod, rodValues[rod]))
            clicks.push_back(bead);
    }
    m_window->frame()->setBoard(clicks);
}

void PracticeMode::showScore()
{
    //: The score of this run: tasks right of tasks done.
    m_strip->setScore(tr("%1 right of %2").arg(m_practice->right()).arg(m_practice->done()));
}

void PracticeMode::say(const QString &feedback)
{
    m_strip->setFeedback(feedback);
    m_window->client()->announce(feedback);
}

} // namespace mainwin
