// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rodlabel.h"

#include "countingframe.h"
#include "framelayout.h"
#include "platform/windowdesign.h"
#include "spokennames.h"

#include <QAccessibleWidget>
#include <QApplication>

namespace mainwin {

namespace {

class RodLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit RodLabelAccessible(RodLabel *label) : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    QAccessibleInterface *parent() const override
    {
        QAccessibleInterface *group = CountingFrame::rodGroupOf(label(), label()->rod());
        return group ? group : QAccessibleWidget::parent();
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface && !shown().isEmpty())
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && !shown().isEmpty())
            return spoken::withValue(widget()->accessibleName(), shown());
        return kind == QAccessible::Value ? shown() : QAccessibleWidget::text(kind);
    }

    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return int(shown().size()); }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    const RodLabel *label() const { return static_cast<const RodLabel *>(widget()); }
    QString shown() const { return label()->shownValue(); }
};

QAccessibleInterface *rodLabelAccessible(const QString &, QObject *object)
{
    auto *label = qobject_cast<RodLabel *>(object);
    return label ? new RodLabelAccessible(label) : nullptr;
}

void tellNameChanged(QLabel *label)
{
    QAccessibleEvent renamed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

} // namespace

RodLabel::RodLabel(int rod, QWidget *parent) : QLabel(QStringLiteral("0"), parent), m_rod(rod)
{
    static const bool accessible = (QAccessible::installFactory(rodLabelAccessible), true);
    Q_UNUSED(accessible);
    platform::designLabel(this, {"", layout::rodLabelLeft(rod), layout::RodLabelTop,
                                 layout::RodLabelWidth, layout::RodLabelHeight, "",
                                 layout::RodLabelFont});
    setObjectName(QStringLiteral("Label1(%1)").arg(rod));
    // Black on white, in the system's colours for text in a box.
    QPalette colours = QApplication::palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Base));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Text));
    setPalette(colours);
    setAccessibleName(spoken::rodValueName(rod));
}

QString RodLabel::shownValue() const
{
    return isHidden() ? QString() : text();
}

void RodLabel::setValue(const QString &text)
{
    const QString before = this->text();
    if (before == text)
        return;
    setText(text);
    if (isHidden())
        return;
    tellNameChanged(this);
    QAccessibleTextUpdateEvent event(this, 0, before, text);
    QAccessible::updateAccessibility(&event);
}

void RodLabel::setShown(bool shown)
{
    setVisible(shown);
    tellNameChanged(this);
}

} // namespace mainwin
