// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;

// The splash window: the logo, the product's name, maker and version on a white panel with a
// blue margin. It waits, for as long as it takes, for a key that types a character or a click
// on the panel's free area; then it closes and the default main window opens.
class FrmSplash : public QWidget
{
    Q_OBJECT

public:
    explicit FrmSplash(QWidget *parent = nullptr);

    // Shows the splash at the centre of the screen.
    void showCentred();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void dismiss();

    QLabel *m_lblProductName = nullptr;
    QLabel *m_lblVersion = nullptr;
};
