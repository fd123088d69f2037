// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "aloud.h"
#include "clientarea.h"
#include "countingframe.h"
#include "filemenu.h"
#include "form1layout.h"
#include "platform/fonts.h"
#include "platform/messagebox.h"
#include "platform/numbers.h"
#include "platform/program.h"
#include "platform/windowdesign.h"
#include "practicemode.h"
#include "rodlabel.h"
#include "windowzoom.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

#include <utility>

using namespace mainwin;
using platform::pixels;
using platform::place;

namespace {

QPointer<Form1> &defaultInstance()
{
    static QPointer<Form1> form;
    return form;
}

QColor rgb(const int (&c)[3])
{
    return QColor(c[0], c[1], c[2]);
}

// Every main window shows the same icon object: the pictures that the window system is given
// are cached under the icon's identity, so a fresh icon for each window would fill the pixmap
// cache with copies over a session of Resets.
const QIcon &sharedWindowIcon()
{
    static const QIcon icon(QStringLiteral(":/assets/quillmere.ico"));
    return icon;
}

} // namespace

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr(layout::Caption));
    setWindowIcon(sharedWindowIcon());
    setFont(platform::designFont(layout::DefaultFont));

    m_client = new ClientArea(rgb(layout::BackColour), this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    // Made from the bottom of the stack up: the frame, then the read-out and the buttons.
    m_frame = new CountingFrame(m_client);
    m_client->setFrame(m_frame);
    connect(m_frame, &CountingFrame::acted, this, &Form1::beadActed);
    buildReadOut();
    buildMenu();
    nameControls();
    addClassroomKeys();

    // The controls keep their places whatever the window's size: a smaller window cuts them off
    // at the right and bottom.
    resize(pixels(layout::ClientWidth),
           pixels(layout::ClientHeight) + menuBar()->sizeHint().height());
}

Form1 *Form1::defaultForm()
{
    if (!defaultInstance())
        defaultInstance() = new Form1;
    return defaultInstance();
}

Form1 *Form1::loadedDefault()
{
    return defaultInstance();
}

void Form1::showFresh()
{
    (new Form1)->showCentred();
}

void Form1::showCentred()
{
    platform::showCentred(this);
}

void Form1::unload()
{
    close();
}

const board::Board &Form1::board() const
{
    return m_frame->board();
}

void Form1::buildReadOut()
{
    const layout::ControlTable &controls = layout::Controls;

    QPalette baseLabelColours = QApplication::palette();
    baseLabelColours.setColor(QPalette::Window, rgb(layout::BackColour));
    baseLabelColours.setColor(QPalette::WindowText, baseLabelColours.color(QPalette::ButtonText));
    const auto baseLabel = [&](const platform::ControlDesign &design) {
        QLabel *label = platform::designLabel(new QLabel(tr(design.caption), m_client), design);
        label->setPalette(baseLabelColours);
        platform::fitCaption(label, QSize(label->width(), QWIDGETSIZE_MAX));
        return label;
    };
    m_LabBase = baseLabel(controls.LabBase);
    m_LabHex = baseLabel(controls.LabHex);

    const auto button = [this](const platform::ControlDesign &design, void (Form1::*click)()) {
        auto *control = place(new QPushButton(tr(design.caption), m_client), design);
        control->setAutoDefault(false);
        platform::fitCaption(control);
        connect(control, &QPushButton::clicked, this, click);
        return control;
    };
    // In tab-index order, 15 to 20; the text box, 21, follows them, and the frame follows it.
    m_ComView = button(controls.ComView, &Form1::ComView_Click);
    m_ComHide = button(controls.ComHide, &Form1::ComHide_Click);
    m_ComReset = button(controls.ComReset, &Form1::ComReset_Click);
    m_ComExit = button(controls.ComExit, &Form1::ComExit_Click);
    m_ComHex = button(controls.ComHex, &Form1::ComHex_Click);
    m_ComBase = button(controls.ComBase, &Form1::ComBase_Click);

    m_TextBin = place(new QLineEdit(m_client), controls.TextBin);
    m_TextBin->setFont(platform::designFont(controls.TextBin.font));
    m_TextBin->setMaxLength(layout::TextBinMaxLength);

    QWidget *previous = m_ComView;
    for (QWidget *next : std::initializer_list<QWidget *>{m_ComHide, m_ComReset, m_ComExit,
                                                          m_ComHex, m_ComBase, m_TextBin})
        setTabOrder(std::exchange(previous, next), next);
    m_frame->setTabOrderAfter(m_TextBin);
    m_ComView->setFocus();
}

void Form1::buildMenu()
{
    auto *file = new FileMenu(this);
    connect(file, &FileMenu::newChosen, this, &Form1::New_Click);
    connect(file, &FileMenu::exitChosen, this, &Form1::Exit_Click);
    menuBar()->addMenu(file);
    m_practice = new PracticeMode(this);
    // The menu title keeps its designed place at the left in a language written right to left
    // too.
    menuBar()->setLayoutDirection(Qt::LeftToRight);
}

void Form1::nameControls()
{
    for (QPushButton *button : {m_ComHide, m_ComView, m_ComHex, m_ComBase, m_ComReset, m_ComExit})
        button->setAccessibleName(platform::accessibleCaption(button->text()));
    // The base marks' captions do not say what they are, and "Base 10" is also the caption of a
    // button; the text box has no caption.
    m_LabBase->setAccessibleName(tr("Read-out in base 10"));
    m_LabHex->setAccessibleName(tr("Read-out in base 16"));
    //: The box that shows the sum of all the rods.
    m_TextBin->setAccessibleName(tr("Total"));
}

void Form1::addClassroomKeys()
{
    m_zoom = new WindowZoom(this, m_client,
                            {pixels(layout::ClientWidth), pixels(layout::ClientHeight)}, m_TextBin);
    // Not in the menu, so a screen reader finds these keys in the window's description.
    //: The window's keys, for a screen reader: name them as the language's keyboards and system
    //: do (Strg+Plus, Échap, Ctrl+加号).
    setAccessibleDescription(tr("Ctrl+Plus zooms in, Ctrl+Minus zooms out, Ctrl+0 gives the "
                                "designed size, F11 full screen, Esc leaves it, Ctrl+M turns the "
                                "click sound off or on"));
    m_aloud = new Aloud(this, m_practice);
}

int Form1::zoom() const
{
    return m_zoom->percent();
}

void Form1::beadActed(board::Bead bead, bool changed)
{
    BaseView();
    // A press that leaves the bead for a click to move has nothing to tell yet.
    if (changed) {
        m_client->announce(m_frame->spokenAfterAction(bead));
        m_aloud->frameChanged();
    }
}

void Form1::showBase16(bool base16)
{
    m_LabBase->setVisible(!base16);
    m_LabHex->setVisible(base16);
    m_ComBase->setVisible(base16);
    m_ComHex->setVisible(!base16);
}

void Form1::writeRodValues(bool base16)
{
    for (int rod = 0; rod < board::RodCount; ++rod) {
        const std::int16_t value = board().RodValue(rod);
        m_frame->rodLabel(rod)->setValue(base16 ? platform::hexText(value)
                                                : platform::decimalText(value));
    }
}

void Form1::BaseView()
{
    showReadOut(false);
}

bool Form1::HexView()
{
    const std::optional<std::int32_t> typed =
        platform::toInt32(platform::numberOfText(m_TextBin->text()));
    if (!typed) {
        //: A message: the number typed in the total box is too large for the base-16 read-out.
        platform::exclamationBox(this, tr("The number is too large to show in base 16."));
        return false;
    }
    m_TextValue = *typed;
    writeRodValues(true);
    showBase16(true);
    return true;
}

void Form1::setTotalText(const QString &text)
{
    m_TextBin->setText(m_taskOpen ? QString() : text);
}

bool Form1::showsBase16() const
{
    return !m_LabHex->isHidden();
}

void Form1::showReadOut(bool base16)
{
    writeRodValues(base16);
    m_TextValue = board().total();
    setTotalText(base16 ? platform::hexText(m_TextValue) : platform::decimalText(m_TextValue));
    showBase16(base16);
}

void Form1::setTaskOpen(bool open)
{
    m_taskOpen = open;
    for (QWidget *control : std::initializer_list<QWidget *>{m_ComView, m_ComHex, m_ComBase})
        control->setEnabled(!open);
    m_TextBin->setVisible(!open);
    setAnswersVisible(!open);
    if (open)
        m_TextBin->clear();
}

void Form1::ComBase_Click()
{
    BaseView();
    //: Told to a screen reader when the numbers switch to base 10; also what the "Base 10" mark
    //: beside the total is called.
    m_client->announce(tr("Read-out in base 10"));
}

void Form1::ComHex_Click()
{
    if (!HexView())
        return;
    setTotalText(platform::hexText(m_TextValue));
    //: Told to a screen reader when the numbers switch to base 16; also what the "Hexadecimal"
    //: mark beside the total is called.
    m_client->announce(tr("Read-out in base 16"));
}

void Form1::ComReset_Click()
{
    unload();
    showFresh();
}

void Form1::New_Click()
{
    if (Form1 *form = loadedDefault())
        form->unload();
    showFresh();
}

void Form1::setAnswersVisible(bool visible)
{
    m_frame->setAnswersVisible(visible);
}

void Form1::ComHide_Click()
{
    setAnswersVisible(false);
    //: Told to a screen reader when the rod values are hidden.
    m_client->announce(tr("Answers hidden"));
}

void Form1::ComView_Click()
{
    setAnswersVisible(true);
    //: Told to a screen reader when the rod values are shown again.
    m_client->announce(tr("Answers shown"));
}

void Form1::ComExit_Click()
{
    //: The message as the program ends.
    platform::exclamationBox(this, tr("Good Bye!"));
    platform::endProgram();
}

void Form1::Exit_Click()
{
    ComExit_Click();
}
