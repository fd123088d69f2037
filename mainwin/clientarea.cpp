// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clientarea.h"

#include "board/board.h"
#include "countingframe.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace mainwin {

namespace {

// A notification, never seen, whose name is the last message.
class Announcer : public QAccessibleInterface
{
public:
    explicit Announcer(const ClientArea &client) : m_client(client) {}

    bool isValid() const override { return true; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_client.window()->windowHandle(); }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(const_cast<ClientArea *>(&m_client));
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? message : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }

    QString message;

private:
    const ClientArea &m_client;
};

class ClientAccessible : public QAccessibleWidget
{
public:
    explicit ClientAccessible(ClientArea *client) : QAccessibleWidget(client, QAccessible::Client)
    {}

    QAccessibleInterface *child(int index) const override { return children().value(index); }
    int childCount() const override { return int(children().size()); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(children().indexOf(child));
    }

private:
    QList<QAccessibleInterface *> children() const
    {
        const auto *client = static_cast<const ClientArea *>(widget());
        const CountingFrame *frame = client->frame();
        QList<QAccessibleInterface *> children;
        if (frame) {
            for (int rod = board::RodCount - 1; rod >= 0; --rod)
                children << frame->rodGroup(rod);
        }
        QList<QWidget *> controls;
        for (QObject *object : client->children()) {
            if (object->isWidgetType() && object != frame)
                controls << static_cast<QWidget *>(object);
        }
        std::stable_sort(controls.begin(), controls.end(), [](QWidget *a, QWidget *b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        for (QWidget *control : controls)
            children << QAccessible::queryAccessibleInterface(control);
        if (QAccessibleInterface *announcer = client->announcer())
            children << announcer;
        return children;
    }
};

QAccessibleInterface *clientAccessible(const QString &, QObject *object)
{
    auto *client = qobject_cast<ClientArea *>(object);
    return client ? new ClientAccessible(client) : nullptr;
}

} // namespace

ClientArea::ClientArea(const QColor &colour, QWidget *parent) : QWidget(parent), m_colour(colour)
{
    static const bool accessible = (QAccessible::installFactory(clientAccessible), true);
    Q_UNUSED(accessible);
    m_announcer = QAccessible::registerAccessibleInterface(new Announcer(*this));
}

ClientArea::~ClientArea()
{
    // The frame goes with the other controls, after this; the accessible client reads neither.
    m_frame = nullptr;
    QAccessible::deleteAccessibleInterface(std::exchange(m_announcer, 0));
}

QAccessibleInterface *ClientArea::announcer() const
{
    return QAccessible::accessibleInterface(m_announcer);
}

void ClientArea::announce(const QString &message)
{
    static_cast<Announcer *>(announcer())->message = message;
    QAccessibleEvent named(announcer(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(announcer(), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void ClientArea::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), m_colour);
}

} // namespace mainwin
