#include "frmsplash.h"

#include "app/identity.h"
#include "mainwin/form1.h"
#include "platform/fonts.h"
#include "platform/imagecontrol.h"
#include "platform/twips.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include <array>

using platform::pixels;
using platform::twipsRect;

namespace {

// The design, in twips; the controls' places are relative to the panel.
constexpr int ClientWidth = 7560;
constexpr int ClientHeight = 4290;
constexpr int Margin = 120;
constexpr int PanelWidth = 7320;
constexpr int PanelHeight = 4050;
const QColor MarginColour(0, 0, 255);

struct LabelDesign
{
    const char *name;
    int left;
    int top;
    int width;
    int height;
    const char *caption;
    double points; // Arial
    bool bold;
    bool rightAligned;
    bool sizedToText;
};

constexpr std::array<LabelDesign, 6> Labels{{
    {"lblCompanyProduct", 2355, 705, 4095, 435, "Dunmarrow", 18, true, false, true},
    {"lblProductName", 2280, 1140, 5010, 765, "Quillmere", 32.25, true, false, true},
    {"lblPlatform", 3390, 2340, 3465, 360, "For Windows 95/98 /NT", 15.75, true, true, true},
    {"lblVersion", 5445, 2700, 1410, 285, "Version 1.05", 12, true, true, true},
    {"lblCompany", 3120, 3240, 3975, 255, "Dunmarrow Created By Corwynne", 8.25, false, false,
     false},
    {"lblWarning", 2040, 3600, 3495, 195, "Press any key or click mouse to continue", 8.25, true,
     false, false},
}};

constexpr int LogoLeft = 360;
constexpr int LogoTop = 795;
constexpr int LogoWidth = 1815;
constexpr int LogoHeight = 2385;

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

// A label sized to its text keeps the edge it is aligned to.
void fitToText(QLabel *label)
{
    const QRect designed = label->geometry();
    label->adjustSize();
    if (label->alignment() & Qt::AlignRight)
        label->move(designed.right() - label->width() + 1, designed.top());
}

} // namespace

FrmSplash::FrmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen)
{
    setObjectName(QStringLiteral("FrmSplashWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(pixels(ClientWidth), pixels(ClientHeight));
    setFocusPolicy(Qt::StrongFocus);
    QPalette margin = palette();
    margin.setColor(QPalette::Window, MarginColour);
    setPalette(margin);
    setAutoFillBackground(true);

    auto *panel = new SplashPanel(this);
    panel->setObjectName(QStringLiteral("FrmSplash"));
    panel->setGeometry(twipsRect(Margin, Margin, PanelWidth, PanelHeight));
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, QGuiApplication::palette().color(QPalette::WindowText));
    panel->setPalette(white);
    panel->setAutoFillBackground(true);
    panel->onClick = [this] { dismiss(); };

    // The logo is stretched to its rectangle, pixel for pixel as the window system would.
    auto *logo = new platform::ImageControl(panel);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setTwipsGeometry(LogoLeft, LogoTop, LogoWidth, LogoHeight);
    logo->setPicture(QPixmap(QStringLiteral(":/assets/logo.bmp")));

    for (const LabelDesign &design : Labels) {
        auto *label = new QLabel(QString::fromUtf8(design.caption), panel);
        label->setObjectName(QLatin1String(design.name));
        label->setGeometry(twipsRect(design.left, design.top, design.width, design.height));
        label->setFont(platform::designFont("Arial", design.points, design.bold));
        label->setAlignment((design.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        label->setAutoFillBackground(true);
        if (design.sizedToText)
            fitToText(label);
    }
    m_lblProductName = panel->findChild<QLabel *>(QStringLiteral("lblProductName"));
    m_lblVersion = panel->findChild<QLabel *>(QStringLiteral("lblVersion"));

    Form_Load();
}

void FrmSplash::Form_Load()
{
    m_lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                              .arg(identity::Major)
                              .arg(identity::Minor)
                              .arg(identity::Revision));
    fitToText(m_lblVersion);
    m_lblProductName->setText(QLatin1String(identity::Title));
    fitToText(m_lblProductName);
}

void FrmSplash::showCentred()
{
    const QScreen *where = screen() ? screen() : QGuiApplication::primaryScreen();
    move(where->availableGeometry().center() - rect().center());
    show();
    activateWindow();
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
