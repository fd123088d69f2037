// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace mainwin {

// The label under a rod, Label1(r), that shows the rod's value. Assistive technology finds it as
// static text whose text is the value while the label is shown, and which has no text while it is
// hidden; its name tells the value too, as a label's does, but only while it is shown: "Rod 3
// value 7", and "Rod 3 value" while hidden. Listeners hear of a changed value only while it is
// shown, and of the name when the label is shown or hidden.
class RodLabel : public QLabel
{
    Q_OBJECT

public:
    RodLabel(int rod, QWidget *parent);
    int rod() const { return m_rod; }

    void setValue(const QString &text);
    void setShown(bool shown);
    // The value as it is shown, or nothing while it is hidden.
    QString shownValue() const;

private:
    int m_rod;
};

} // namespace mainwin
