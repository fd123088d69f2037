// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowzoom.h"

#include "platform/sound.h"
#include "platform/windowdesign.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>

namespace mainwin {

WindowZoom::WindowZoom(QMainWindow *window, QWidget *content, QSize designed, const QWidget *typist)
    : QObject(window), m_window(window), m_content(content), m_designed(designed),
      m_designedFontPixels(content->font().pixelSize()), m_typist(typist)
{
    // Window shortcuts, not menu items: the menu stays as it is designed.
    const auto key = [this](std::initializer_list<QKeySequence> keys, auto run) {
        auto *action = new QAction(m_window);
        action->setShortcuts(QList<QKeySequence>(keys));
        connect(action, &QAction::triggered, this, run);
        m_window->addAction(action);
        return action;
    };
    key({Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}, [this] { zoomBy(1); });
    key({Qt::CTRL | Qt::Key_Minus}, [this] { zoomBy(-1); });
    key({Qt::CTRL | Qt::Key_0}, [this] { setPercent(100); });
    key({Qt::Key_F11}, [this] { toggleFullScreen(); });
    key({Qt::CTRL | Qt::Key_M}, [] { platform::setQuiet(!platform::isQuiet()); });
    // Esc leaves full screen, except while the typist has the focus: there it is the typist's.
    m_leaveFullScreen = key({Qt::Key_Escape}, [this] {
        if (m_window->focusWidget() != m_typist)
            toggleFullScreen();
    });
    m_leaveFullScreen->setEnabled(false);
}

QSize WindowZoom::contentSize(int percent) const
{
    const platform::Zoom zoom{percent, {}};
    return {zoom.length(m_designed.width()), zoom.length(m_designed.height())};
}

int WindowZoom::menuBarHeight() const
{
    return m_window->menuBar()->sizeHint().height();
}

void WindowZoom::apply(const platform::Zoom &zoom)
{
    m_zoom = zoom;
    QFont font = m_content->font();
    font.setPixelSize(zoom.length(m_designedFontPixels));
    m_content->setFont(font);
    platform::setZoom(m_content, zoom);
}

void WindowZoom::setPercent(int percent)
{
    if (m_fullScreen)
        return;
    apply({percent, {}});
    // The window fits the zoomed content, within the screen.
    const QRect screenArea = m_window->screen()->availableGeometry();
    QRect wanted(m_window->geometry().topLeft(),
                 (contentSize(percent) + QSize(0, menuBarHeight())).boundedTo(screenArea.size()));
    wanted.moveRight(std::min(wanted.right(), screenArea.right()));
    wanted.moveBottom(std::min(wanted.bottom(), screenArea.bottom()));
    m_window->setGeometry(wanted);
}

void WindowZoom::zoomBy(int steps)
{
    const auto at = std::find(Steps.begin(), Steps.end(), percent()) - Steps.begin();
    setPercent(Steps[std::size_t(std::clamp<long>(at + steps, 0, Steps.size() - 1))]);
}

void WindowZoom::toggleFullScreen()
{
    // The window system may not confirm the state (no window manager): the window keeps its own.
    m_fullScreen = !m_fullScreen;
    if (!m_fullScreen) {
        m_leaveFullScreen->setEnabled(false);
        m_window->showNormal();
        m_window->setGeometry(m_windowedGeometry);
        apply({m_windowedPercent, {}});
        m_window->activateWindow();
        return;
    }
    m_windowedPercent = percent();
    m_windowedGeometry = m_window->geometry();
    m_leaveFullScreen->setEnabled(true);
    m_window->showFullScreen();
    m_window->setGeometry(m_window->screen()->geometry());
    m_window->activateWindow();
    fillScreen();
}

void WindowZoom::setDesignedSize(QSize designed)
{
    m_designed = designed;
    if (m_fullScreen)
        fillScreen();
    else
        setPercent(percent());
}

void WindowZoom::fillScreen()
{
    const QRect screenArea = m_window->screen()->geometry();
    // The largest step that fits, centred on the window's colour below the menu bar.
    const QSize room = screenArea.size() - QSize(0, menuBarHeight());
    int fits = Steps.front();
    for (const int step : Steps) {
        if (contentSize(step).width() <= room.width() &&
            contentSize(step).height() <= room.height())
            fits = step;
    }
    const QSize content = contentSize(fits);
    apply({fits,
           QPoint((room.width() - content.width()) / 2, (room.height() - content.height()) / 2)});
}

} // namespace mainwin
