// SPDX-FileCopyrightText: 2026 Dunmarrow
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmsplash.h"

#include "app/identity.h"
#include "mainwin/form1.h"
#include "platform/fonts.h"
#include "platform/imagecontrol.h"
#include "platform/windowdesign.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

#include <array>
#include <string_view>

using platform::pixels;

namespace {

using platform::ControlDesign;

// The design, in twips; the places of the panel's controls are relative to the panel.
constexpr int ClientWidth = 7560;
constexpr int ClientHeight = 4290;
const QColor MarginColour(0, 0, 255);
constexpr ControlDesign Panel{"FrmSplash", 120, 120, 7320, 4050};
constexpr ControlDesign Logo{"imgLogo", 360, 795, 1815, 2385};

constexpr platform::FontDesign arial(double points, bool bold = true)
{
    return {"Arial", points, bold};
}
constexpr bool SizedToText = true;
constexpr bool FixedSize = false;

// The labels, in the order they are made: name, left, top, width, height, caption, font,
// visibility, alignment and sizing. The names are never translated; the other captions are, in the
// context of the splash.
// clang-format off
constexpr std::array<ControlDesign, 6> Labels{{
    {"lblCompanyProduct", 2355, 705, 4095, 435, "Dunmarrow", arial(18), true, Qt::AlignLeft,
     SizedToText},
    {"lblProductName", 2280, 1140, 5010, 765, "Quillmere", arial(32.25), true, Qt::AlignLeft,
     SizedToText},
    //: The systems the program was first made for.
    {"lblPlatform", 3390, 2340, 3465, 360, QT_TRANSLATE_NOOP("FrmSplash", "For Windows 95/98 /NT"),
     arial(15.75), true, Qt::AlignRight, SizedToText},
    {"lblVersion", 5445, 2700, 1410, 285, "Version 1.05", arial(12), true, Qt::AlignRight,
     SizedToText},
    //: "Dunmarrow" is the company and "Corwynne" the person who made the program: names.
    {"lblCompany", 3120, 3240, 3975, 255,
     QT_TRANSLATE_NOOP("FrmSplash", "Dunmarrow Created By Corwynne"), arial(8.25, false), true,
     Qt::AlignLeft, FixedSize},
    //: How to close this first window and go on to the counting frame.
    {"lblWarning", 2040, 3600, 3495, 195,
     QT_TRANSLATE_NOOP("FrmSplash", "Press any key or click mouse to continue"), arial(8.25), true,
     Qt::AlignLeft, FixedSize},
}};
// clang-format on
// The two whose captions Form_Load writes.
constexpr std::size_t ProductName = 1;
constexpr std::size_t Version = 3;
static_assert(std::string_view(Labels[ProductName].name) == "lblProductName");
static_assert(std::string_view(Labels[Version].name) == "lblVersion");

// The white panel. A press and a release on its free area make a click; presses on its labels
// and its logo do nothing.
class SplashPanel : public QFrame
{
public:
    using QFrame::QFrame;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        m_pressedOnFreeArea = !childAt(event->position().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        const QPoint at = event->position().toPoint();
        if (std::exchange(m_pressedOnFreeArea, false) && rect().contains(at) && !childAt(at) &&
            onClick)
            onClick();
    }

private:
    bool m_pressedOnFreeArea = false;
};

// To assistive technology the splash is a dialog, which a screen reader reads out as it appears,
// its name and then its labels; the logo is a graphic.
QAccessibleInterface *splashAccessible(const QString &className, QObject *object)
{
    if (auto *splash = qobject_cast<FrmSplash *>(object))
        return new QAccessibleWidget(splash, QAccessible::Dialog);
    if (className == QLatin1String("platform::ImageControl"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

// The room a label's caption may take, in pixels. One of fixed size keeps its width. One sized to
// its text may grow away from the edge it is aligned to, as far as the logo's margin from the
// panel's edge leaves free: a right-aligned one up to that margin beside the logo, a left-aligned
// one up to that margin from the panel's right edge; it keeps its designed height, so as not to
// grow over the label below.
QSize captionRoom(const ControlDesign &label)
{
    if (!label.sizedToText)
        return {pixels(label.width), QWIDGETSIZE_MAX};
    const int width = label.alignment & Qt::AlignRight
                          ? label.left + label.width - (Logo.left + Logo.width + Logo.left)
                          : Panel.width - Logo.left - label.left;
    return {pixels(width), pixels(label.height)};
}

// A label sized to its text keeps the edge it is aligned to.
void fitToText(QLabel *label)
{
    const QRect designed = label->geometry();
    label->adjustSize();
    if (label->alignment() & Qt::AlignRight)
        label->move(designed.right() - label->width() + 1, designed.top());
}

// Labels are opaque and single-line, their caption at the top.
QLabel *makeLabel(const ControlDesign &design, QWidget *panel)
{
    QLabel *label = platform::designLabel(
        new QLabel(QCoreApplication::translate("FrmSplash", design.caption), panel), design);
    platform::fitCaption(label, captionRoom(design));
    if (design.sizedToText)
        fitToText(label);
    return label;
}

} // namespace

FrmSplash::FrmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen)
{
    setObjectName(QStringLiteral("FrmSplashWindow"));
    QAccessible::installFactory(splashAccessible);
    setAccessibleName(QLatin1String(identity::Title));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(pixels(ClientWidth), pixels(ClientHeight));
    setFocusPolicy(Qt::StrongFocus);
    QPalette margin = palette();
    margin.setColor(QPalette::Window, MarginColour);
    setPalette(margin);
    setAutoFillBackground(true);

    auto *panel = new SplashPanel(this);
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, QGuiApplication::palette().color(QPalette::WindowText));
    panel->setPalette(white);
    panel->setAutoFillBackground(true);
    panel->onClick = [this] { dismiss(); };
    platform::place(panel, Panel);

    // The logo is stretched to its rectangle, pixel for pixel as the window system would.
    auto *logo = new platform::ImageControl(panel);
    logo->setObjectName(QLatin1String(Logo.name));
    logo->setTwipsGeometry(Logo.left, Logo.top, Logo.width, Logo.height);
    logo->setPicture(QPixmap(QStringLiteral(":/assets/logo.bmp")));
    //: The picture beside the program's name; %1 is the name, "Quillmere".
    logo->setAccessibleName(tr("%1 logo").arg(QLatin1String(identity::Title)));

    std::array<QLabel *, Labels.size()> labels{};
    for (std::size_t i = 0; i < Labels.size(); ++i)
        labels[i] = makeLabel(Labels[i], panel);
    m_lblProductName = labels[ProductName];
    m_lblVersion = labels[Version];

    Form_Load();
}

void FrmSplash::Form_Load()
{
    //: The program's version: major, minor and revision numbers, as in "Version 1.0.5".
    m_lblVersion->setText(
        tr("Version %1.%2.%3").arg(identity::Major).arg(identity::Minor).arg(identity::Revision));
    platform::fitCaption(m_lblVersion, captionRoom(Labels[Version]));
    fitToText(m_lblVersion);
    m_lblProductName->setText(QLatin1String(identity::Title));
    fitToText(m_lblProductName);
}

void FrmSplash::showCentred()
{
    platform::showCentred(this);
    setFocus();
}

void FrmSplash::keyPressEvent(QKeyEvent *event)
{
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    dismiss();
}

// Closes the splash, then loads and shows the default main window, all in the one handler: the
// program must not see a moment without a window before the main window is up.
void FrmSplash::dismiss()
{
    close();
    Form1::defaultForm()->showCentred();
}
