// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QWidget>

namespace mainwin {

class CountingFrame;

// The main window's client area: it paints the window's colour, and to assistive technology it
// holds the counting frame's fifteen rod groups, then the other controls from the top down, then
// the announcer. It sets no palette: the controls on it keep the application's, so the style's
// cached pictures of them serve every window alike.
class ClientArea : public QWidget
{
    Q_OBJECT

public:
    ClientArea(const QColor &colour, QWidget *parent);
    ~ClientArea() override;

    // The frame whose rods the client area shows in its place; set once, as the frame is made.
    void setFrame(const CountingFrame *frame) { m_frame = frame; }
    const CountingFrame *frame() const { return m_frame; }

    // Has a listening screen reader say `message`, now: Qt has no announcement, but screen
    // readers speak a notification as it comes into view.
    void announce(const QString &message);
    QAccessibleInterface *announcer() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
    const CountingFrame *m_frame = nullptr;
    QAccessible::Id m_announcer = 0;
};

} // namespace mainwin
