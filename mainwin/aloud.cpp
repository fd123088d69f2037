// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "aloud.h"

#include "clientarea.h"
#include "countingframe.h"
#include "form1.h"
#include "platform/messagebox.h"
#include "platform/numbers.h"
#include "platform/numberwords.h"
#include "platform/speech.h"
#include "practicemode.h"

#include <QAction>
#include <QLocale>
#include <QMenu>

#include <cstdint>
#include <utility>

namespace mainwin {

Aloud::Aloud(Form1 *window, const PracticeMode *practice)
    : QObject(window), m_window(window), m_practice(practice)
{
    auto *key = new QAction(window);
    key->setShortcut(Qt::Key_F5);
    connect(key, &QAction::triggered, this, &Aloud::sayNow);
    window->addAction(key);
    //: Added to the end of the window's keys for a screen reader (after "... Ctrl+M turns the
    //: click sound off or on"), with the separator that list uses; keep F5 as the keyboard shows
    //: it.
    window->setAccessibleDescription(window->accessibleDescription() +
                                     tr(", F5 says the task or the total aloud"));

    practice->menu()->addSeparator();
    //: Menu item, on or off: after each bead move the new total is said aloud.
    m_everyTotal = practice->menu()->addAction(tr("Speak &Every Total"));
    m_everyTotal->setCheckable(true);
}

QString Aloud::total() const
{
    const std::int32_t total = m_window->board().total();
    const QString language = platform::shownLanguage();
    //: Said aloud: %1 is the frame's total in words ("The total is thirteen.").
    return tr("The total is %1.")
        .arg(m_window->showsBase16() ? platform::hexWords(platform::hexText(total), language)
                                     : platform::numberWords(total, language));
}

void Aloud::sayNow()
{
    if (m_practice->isPractising())
        say(m_practice->spokenTask());
    else if (m_window->frame()->answersVisible())
        say(total());
    else
        //: Said aloud for F5 while the rod values and the total are hidden.
        say(tr("The answers are hidden."));
}

void Aloud::frameChanged()
{
    // Not while the total is held back (the answers hidden, as they are while a practice task is
    // open): it would give the answer away.
    if (m_everyTotal->isChecked() && m_window->frame()->answersVisible())
        say(total());
}

void Aloud::say(const QString &text)
{
    if (m_speech == nullptr) {
        m_speech = new platform::Speech(this);
        connect(m_speech, &platform::Speech::voiceMissing, this, &Aloud::voiceMissing);
    }
    m_speech->say(text, platform::shownLanguage());
}

void Aloud::voiceMissing(const QString &language)
{
    if (std::exchange(m_toldMissing, true))
        return;
    const QString name = language.isEmpty() ? QLocale::languageToString(QLocale::English)
                                            : QLocale(language).nativeLanguageName();
    //: Shown and told to a screen reader when nothing can be said aloud; %1 is the language's
    //: name in that language ("Deutsch").
    const QString message = tr("No voice is installed for %1.").arg(name);
    platform::noticeBox(m_window, message);
    m_window->client()->announce(message);
}

} // namespace mainwin
