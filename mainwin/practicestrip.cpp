// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practicestrip.h"

#include "form1layout.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace mainwin {

namespace {

using platform::ControlDesign;
using platform::FontDesign;
using platform::WindowFont;

inline constexpr FontDesign TaskFont{"MS Sans Serif", 18, true};
inline constexpr FontDesign FeedbackFont{"MS Sans Serif", 9.75, true};

// The strip's controls in twips from its top-left corner, which stands at the bottom-left corner
// of the designed client area.
// clang-format off
struct StripTable
{
    ControlDesign task{"PracticeTask", 240, 90, 7680, 540, "", TaskFont};
    ControlDesign answer{"PracticeAnswer", 240, 750, 1335, 375, "", layout::TextBinFont};
    //: Button: checks the pupil's answer to the task.
    ControlDesign check{"PracticeCheck", 1695, 750, 1095, 375,
                        QT_TRANSLATE_NOOP("mainwin::PracticeStrip", "&Check"), WindowFont};
    //: Button, offered after two tries: shows the answer on the frame.
    ControlDesign showMe{"PracticeShowMe", 2910, 750, 1095, 375,
                         QT_TRANSLATE_NOOP("mainwin::PracticeStrip", "Show &Me"), WindowFont};
    //: Button: the next task.
    ControlDesign next{"PracticeNext", 4125, 750, 1095, 375,
                       QT_TRANSLATE_NOOP("mainwin::PracticeStrip", "&Next"), WindowFont};
    ControlDesign score{"PracticeScore", 5340, 750, 2580, 375, "", FeedbackFont};
    ControlDesign feedback{"PracticeFeedback", 240, 1245, 7680, 375, "", FeedbackFont};
};
// clang-format on
constexpr StripTable Strip{};

// In a language written right to left the strip reads from the right: each control's place is
// mirrored within the span of the frame above it.
ControlDesign inDirection(ControlDesign design)
{
    constexpr int FrameLeft = 240;
    constexpr int FrameRight = 7920;
    if (QGuiApplication::layoutDirection() == Qt::RightToLeft)
        design.left = FrameLeft + FrameRight - design.left - design.width;
    return design;
}

QRect designedPlace()
{
    return platform::twipsRect(0, layout::ClientHeight, layout::ClientWidth, PracticeStrip::Height);
}

} // namespace

PracticeStrip::PracticeStrip(QWidget *client) : QWidget(client)
{
    setObjectName(QStringLiteral("PracticeStrip"));
    //: The strip below the counting frame with the task, the answer box and its buttons.
    setAccessibleName(tr("Practice"));
    setGeometry(designedPlace());
    // The strip may come while the window is zoomed: its controls are made and fitted in the
    // window's font as designed, and setZoom() scales them with the rest.
    setFont(platform::designFont(layout::DefaultFont));

    // Black on white, as the rod labels, so the task reads well from afar.
    QPalette colours = QApplication::palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Base));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Text));
    const auto label = [&](const ControlDesign &design) {
        QLabel *made = platform::designLabel(new QLabel(this), inDirection(design));
        made->setPalette(colours);
        return made;
    };
    const auto button = [this](const ControlDesign &design, void (PracticeStrip::*clicked)()) {
        auto *control =
            platform::place(new QPushButton(tr(design.caption), this), inDirection(design));
        control->setAutoDefault(true); // Enter and Return press it too, as Space does
        control->setAccessibleName(platform::accessibleCaption(control->text()));
        platform::fitCaption(control);
        connect(control, &QPushButton::clicked, this, clicked);
        return control;
    };
    // The task first: a screen reader reads it first.
    m_task = label(Strip.task);
    m_answer = platform::place(new QLineEdit(this), inDirection(Strip.answer));
    m_answer->setFont(platform::designFont(Strip.answer.font));
    m_answer->setMaxLength(layout::TextBinMaxLength);
    //: The box where the pupil types the total of the frame.
    m_answer->setAccessibleName(tr("Your answer"));
    connect(m_answer, &QLineEdit::returnPressed, this, &PracticeStrip::checkRequested);
    m_check = button(Strip.check, &PracticeStrip::checkRequested);
    m_showMe = button(Strip.showMe, &PracticeStrip::showMeRequested);
    m_next = button(Strip.next, &PracticeStrip::nextRequested);
    // The score and what a check found stand on the window's colour, in white.
    QPalette onWindow = colours;
    onWindow.setColor(QPalette::WindowText, colours.color(QPalette::Base));
    m_score = label(Strip.score);
    m_feedback = label(Strip.feedback);
    for (QLabel *text : {m_score, m_feedback}) {
        text->setAutoFillBackground(false);
        text->setPalette(onWindow);
    }
    m_score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_feedback->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_task->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_task->setIndent(m_task->fontMetrics().averageCharWidth());
}

void PracticeStrip::setTask(const QString &task)
{
    m_task->setText(task);
}

void PracticeStrip::setFeedback(const QString &feedback)
{
    m_feedback->setText(feedback);
}

void PracticeStrip::setScore(const QString &score)
{
    m_score->setText(score);
}

void PracticeStrip::setAnswerWanted(bool wanted)
{
    m_answer->clear();
    m_answer->setVisible(wanted);
}

QString PracticeStrip::answer() const
{
    return m_answer->text();
}

void PracticeStrip::setShowMeOffered(bool offered)
{
    m_showMe->setEnabled(offered);
}

void PracticeStrip::setCheckable(bool checkable)
{
    m_check->setEnabled(checkable);
    m_answer->setReadOnly(!checkable);
}

void PracticeStrip::focusAnswer()
{
    m_answer->setFocus(Qt::OtherFocusReason);
    m_answer->selectAll();
}

void PracticeStrip::focusNext()
{
    m_next->setFocus(Qt::OtherFocusReason);
}

void PracticeStrip::setTabOrderAfter(QWidget *previous)
{
    for (QWidget *next : std::initializer_list<QWidget *>{m_answer, m_check, m_showMe, m_next})
        setTabOrder(std::exchange(previous, next), next);
}

void PracticeStrip::setZoom(const platform::Zoom &zoom)
{
    setGeometry(zoom.rect(designedPlace()));
    QFont font = platform::designFont(layout::DefaultFont);
    font.setPixelSize(zoom.length(font.pixelSize()));
    setFont(font);
    platform::setZoom(this, zoom.inside());
}

} // namespace mainwin
