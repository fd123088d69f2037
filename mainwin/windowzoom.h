// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/twips.h"

#include <QObject>
#include <QRect>

#include <array>

class QAction;
class QMainWindow;
class QWidget;

namespace mainwin {

// A window's zoom for the classroom: Ctrl+Plus (or Ctrl+=) and Ctrl+Minus show its content in
// steps of 100 to 400 percent and fit the window to it, within the screen; Ctrl+0 goes back to
// 100. F11 shows the window full screen at the largest step that fits, centred below the menu
// bar; F11, or Esc while the focus is not on the `typist`'s control, leaves it for the zoom and
// place it had. Ctrl+M turns the click sound off and on for the whole program. Nothing is kept.
class WindowZoom : public QObject
{
    Q_OBJECT

public:
    static constexpr std::array<int, 7> Steps{100, 125, 150, 200, 250, 300, 400};

    // `content` is the window's client area, `designed` its size at 100 percent.
    WindowZoom(QMainWindow *window, QWidget *content, QSize designed, const QWidget *typist);

    int percent() const { return m_zoom.percent; }
    // The content grows or shrinks (a part shown below the designed client area, or hidden): the
    // window fits it anew at the same step, or, full screen, at the largest step that fits.
    void setDesignedSize(QSize designed);
    const platform::Zoom &zoom() const { return m_zoom; }
    void setPercent(int percent);
    void zoomBy(int steps);
    void toggleFullScreen();

private:
    // Shows the content at `zoom`; the window's size is the caller's.
    void apply(const platform::Zoom &zoom);
    QSize contentSize(int percent) const;
    void fillScreen();
    int menuBarHeight() const;

    QMainWindow *m_window;
    QWidget *m_content;
    QSize m_designed;
    int m_designedFontPixels;
    const QWidget *m_typist;
    platform::Zoom m_zoom;
    int m_windowedPercent = 100;
    bool m_fullScreen = false;
    QRect m_windowedGeometry;
    QAction *m_leaveFullScreen = nullptr;
};

} // namespace mainwin
