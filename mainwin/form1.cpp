#include "form1.h"

#include "accessibility.h"
#include "beadcontrol.h"
#include "form1layout.h"
#include "platform/fonts.h"
#include "platform/imagecontrol.h"
#include "platform/linecontrol.h"
#include "platform/messagebox.h"
#include "platform/numbers.h"
#include "platform/program.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "platform/windowdesign.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

#include <vector>

using namespace mainwin;
using platform::pixels;
using platform::place;
using platform::twipsRect;

namespace {

const QString ClickSound = QStringLiteral("click.wav");

// The frame's tab stop at first: the lower bead next to the beam on the leftmost rod.
constexpr board::Bead FirstTabStop{board::RodCount - 1, board::BeadKind::Lower5};

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

// Bead pictures are 32 x 32 and stretched to their 495-twip square, 33 pixels at 100 percent,
// pixel for pixel (nearest neighbour) at every zoom, so their edges stay sharp.
QPixmap beadPicture(const QString &path, int percent = 100)
{
    const int side = pixels(float(board::BeadSize), percent);
    const QString key = percent == 100 ? path : path + QString::number(side);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap(path).scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QPixmapCache::insert(key, picture);
    }
    return picture;
}

QString beadPicturePath(int image)
{
    return board::deckOf(board::beadOfImage(image).kind) == board::Deck::Lower
               ? QStringLiteral(":/assets/lowerbead.ico")
               : QStringLiteral(":/assets/upperbead.ico");
}

// Labels are opaque, single-line and of fixed size, their text at the top left.
QLabel *makeLabel(const QString &caption, const platform::FontDesign &font, const QPalette &colours,
                  QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setFont(platform::designFont(font));
    label->setPalette(colours);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The client area paints its own background colour. It sets no palette: the controls on it keep
// the application's, so the style's cached pictures of them serve every window alike.
class ClientArea : public QWidget
{
public:
    ClientArea(const QColor &colour, QWidget *parent) : QWidget(parent), m_colour(colour) {}

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), m_colour); }

private:
    QColor m_colour;
};

// The menu title "&File". Its one item, "New", carries a submenu: hovering over it opens the
// submenu, and clicking it runs New as any other item would.
class FileMenu : public QMenu
{
public:
    using QMenu::QMenu;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QAction *action = actionAt(event->position().toPoint());
        if (action && action->menu() && action->isEnabled()) {
            hide();
            action->trigger();
            return;
        }
        QMenu::mouseReleaseEvent(event);
    }
};

} // namespace

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr(layout::Caption));
    setWindowIcon(sharedWindowIcon());
    setFont(platform::designFont(layout::DefaultFont));

    auto *client = new ClientArea(rgb(layout::BackColour), this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    m_accessible = std::make_unique<accessibility::Frame>(client, m_images, m_Label1);

    const Lines lines = buildFrame(client);
    buildBeads(client);
    buildReadOut(client);
    buildMenu();
    // The buttons in tab-index order, 15 to 20; the text box, 21, follows them.
    const std::array<QPushButton *, 6> buttons{m_ComView, m_ComHide, m_ComReset,
                                               m_ComExit, m_ComHex,  m_ComBase};
    applyStackingAndTabOrder(lines, buttons);
    accessibility::nameControls({m_images, m_Label1, buttons, m_LabBase, m_LabHex, m_TextBin});
    addClassroomKeys();

    // The controls keep their places whatever the window's size: a smaller window cuts them off
    // at the right and bottom.
    resize(pixels(layout::ClientWidth),
           pixels(layout::ClientHeight) + menuBar()->sizeHint().height());
}

Form1::~Form1() = default;

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

Form1::Lines Form1::buildFrame(QWidget *client)
{
    Lines lines{};
    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    for (const layout::LineDesign &line : layout::FrameLines) {
        auto *control = new platform::LineControl({line.x1, line.y1}, {line.x2, line.y2},
                                                  layout::FrameLineWidth, windowText, client);
        control->setObjectName(QStringLiteral("Line%1").arg(line.number));
        lines[line.number - 1] = control;
    }
    for (int rod = 0; rod < board::RodCount; ++rod) {
        const int x = layout::rodWireX(rod);
        const int number = layout::FirstRodWire + rod;
        auto *wire =
            new platform::LineControl({x, layout::RodWireTop}, {x, layout::RodWireBottom},
                                      layout::RodWireWidth, rgb(layout::RodWireColour), client);
        wire->setObjectName(QStringLiteral("Line%1").arg(number));
        lines[number - 1] = wire;
    }
    return lines;
}

void Form1::buildBeads(QWidget *client)
{
    for (int image = 1; image <= board::ImageCount; ++image) {
        const board::Bead bead = board::beadOfImage(image);
        auto *control = new BeadControl(image, client);
        control->setObjectName(QStringLiteral("Image%1").arg(image));
        control->setPicture(beadPicture(beadPicturePath(image)));
        control->setTwipsGeometry(board::beadLeft(bead.rod),
                                  board::topOf(bead.kind, board::Place::Rest), board::BeadSize,
                                  board::BeadSize);
        connect(control, &platform::ImageControl::mouseDown, this,
                [this, image] { beadGesture(image, board::Gesture::Press); });
        connect(control, &platform::ImageControl::clicked, this,
                [this, image] { beadGesture(image, board::Gesture::Click); });
        connect(control, &BeadControl::activated, this, [this, image] { clickBead(image); });
        connect(control, &BeadControl::focused, this, [this, image] { setTabStopBead(image); });
        connect(control, &BeadControl::stepped, this, [this, image](board::Step step) {
            const board::Bead next = board::neighbour(board::beadOfImage(image), step);
            m_images[board::imageOf(next) - 1]->setFocus(Qt::OtherFocusReason);
        });
        m_images[image - 1] = control;
    }
}

void Form1::buildReadOut(QWidget *client)
{
    const QPalette system = QApplication::palette();
    const layout::ControlTable &controls = layout::Controls;

    const auto button = [this, client](const platform::ControlDesign &design,
                                       void (Form1::*click)()) {
        auto *control = place(new QPushButton(tr(design.caption), client), design);
        control->setAutoDefault(false);
        platform::fitCaption(control);
        connect(control, &QPushButton::clicked, this, click);
        return control;
    };
    m_ComHide = button(controls.ComHide, &Form1::ComHide_Click);
    m_ComView = button(controls.ComView, &Form1::ComView_Click);
    m_ComHex = button(controls.ComHex, &Form1::ComHex_Click);
    m_ComBase = button(controls.ComBase, &Form1::ComBase_Click);
    m_ComReset = button(controls.ComReset, &Form1::ComReset_Click);
    m_ComExit = button(controls.ComExit, &Form1::ComExit_Click);

    QPalette baseLabelColours = system;
    baseLabelColours.setColor(QPalette::Window, rgb(layout::BackColour));
    baseLabelColours.setColor(QPalette::WindowText, system.color(QPalette::ButtonText));
    const auto baseLabel = [&](const platform::ControlDesign &design) {
        QLabel *label =
            place(makeLabel(tr(design.caption), design.font, baseLabelColours, client), design);
        platform::fitCaption(label, QSize(label->width(), QWIDGETSIZE_MAX));
        return label;
    };
    m_LabBase = baseLabel(controls.LabBase);
    m_LabHex = baseLabel(controls.LabHex);

    m_TextBin = place(new QLineEdit(client), controls.TextBin);
    m_TextBin->setFont(platform::designFont(controls.TextBin.font));
    m_TextBin->setMaxLength(layout::TextBinMaxLength);

    QPalette rodLabelColours = system;
    rodLabelColours.setColor(QPalette::Window, system.color(QPalette::Base));
    rodLabelColours.setColor(QPalette::WindowText, system.color(QPalette::Text));
    for (int rod = 0; rod < board::RodCount; ++rod) {
        QLabel *label =
            makeLabel(QStringLiteral("0"), layout::RodLabelFont, rodLabelColours, client);
        label->setObjectName(QStringLiteral("Label1(%1)").arg(rod));
        label->setGeometry(twipsRect(layout::rodLabelLeft(rod), layout::RodLabelTop,
                                     layout::RodLabelWidth, layout::RodLabelHeight));
        m_Label1[rod] = label;
    }
}

void Form1::buildMenu()
{
    //: The menu bar's one menu.
    auto *file = new FileMenu(tr("&File"), this);
    file->setObjectName(QStringLiteral("File"));
    menuBar()->addMenu(file);

    //: Menu item: a fresh counting frame in place of the first window.
    auto *newMenu = new QMenu(tr("New"), file);
    newMenu->setObjectName(QStringLiteral("New"));
    QAction *newItem = file->addMenu(newMenu);
    newItem->setObjectName(QStringLiteral("New"));
    newItem->setCheckable(true);
    newItem->setChecked(true);
    newItem->setShortcut(Qt::Key_F1);
    connect(newItem, &QAction::triggered, this, [this] { New_Click(2); });

    //: Menu item: ends the program.
    QAction *exitItem = newMenu->addAction(tr("Exit"));
    exitItem->setObjectName(QStringLiteral("Exit"));
    exitItem->setCheckable(true);
    exitItem->setChecked(true);
    exitItem->setShortcut(Qt::Key_F2);
    connect(exitItem, &QAction::triggered, this, [this] { Exit_Click(2); });

    // The menu title keeps its designed place at the left in a language written right to left
    // too; the menus themselves are laid out in the language's direction.
    menuBar()->setLayoutDirection(Qt::LeftToRight);
    for (QMenu *menu : {static_cast<QMenu *>(file), newMenu})
        menu->setLayoutDirection(QGuiApplication::layoutDirection());

    // The check marks are part of the design: choosing an item does not clear them.
    for (QAction *item : {newItem, exitItem})
        connect(item, &QAction::toggled, item, [item] { item->setChecked(true); });
}

void Form1::applyStackingAndTabOrder(const Lines &lines,
                                     const std::array<QPushButton *, 6> &buttonsInTabOrder)
{
    const auto line = [&lines](int number) { return lines[number - 1]; };
    // Top-most first: the beads, a higher number above a lower; the base marks; the frame and the
    // beam; the wire Line15; the rod labels; the other wires.
    std::vector<QWidget *> topMostFirst(m_images.rbegin(), m_images.rend());
    topMostFirst.insert(topMostFirst.end(), {m_LabBase, m_LabHex, line(3), line(1), line(2),
                                             line(4), line(5), line(15)});
    topMostFirst.insert(topMostFirst.end(), m_Label1.rbegin(), m_Label1.rend());
    for (int number = 20; number >= 16; --number)
        topMostFirst.push_back(line(number));
    for (int number = 14; number >= 6; --number)
        topMostFirst.push_back(line(number));
    for (auto it = topMostFirst.rbegin(); it != topMostFirst.rend(); ++it)
        (*it)->raise();

    // The buttons and the text box lie above all that, and take the focus in tab-index order.
    std::vector<QWidget *> tabOrder(buttonsInTabOrder.begin(), buttonsInTabOrder.end());
    tabOrder.push_back(m_TextBin);
    QWidget *previous = nullptr;
    for (QWidget *control : tabOrder) {
        control->raise();
        if (previous)
            setTabOrder(previous, control);
        else
            control->setFocus();
        previous = control;
    }
    setTabStopBead(board::imageOf(FirstTabStop));
}

void Form1::setTabStopBead(int image)
{
    if (m_tabStopBead != 0)
        m_images[m_tabStopBead - 1]->setFocusPolicy(Qt::NoFocus);
    m_tabStopBead = image;
    m_images[image - 1]->setFocusPolicy(Qt::TabFocus);
    setTabOrder(m_TextBin, m_images[image - 1]);
}

void Form1::addClassroomKeys()
{
    for (QWidget *control :
         std::initializer_list<QWidget *>{m_ComHide, m_ComView, m_ComHex, m_ComBase, m_ComReset,
                                          m_ComExit, m_LabBase, m_LabHex, m_TextBin})
        m_designed.push_back(
            {control, control->geometry(),
             control->testAttribute(Qt::WA_SetFont) ? control->font().pixelSize() : 0});
    for (QLabel *label : m_Label1)
        m_designed.push_back({label, label->geometry(), label->font().pixelSize()});

    // Window shortcuts, not menu items: the menu stays as it is designed.
    const auto key = [this](std::initializer_list<QKeySequence> keys, auto run) {
        auto *action = new QAction(this);
        action->setShortcuts(QList<QKeySequence>(keys));
        connect(action, &QAction::triggered, this, run);
        addAction(action);
        return action;
    };
    key({Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}, [this] { zoomBy(1); });
    key({Qt::CTRL | Qt::Key_Minus}, [this] { zoomBy(-1); });
    key({Qt::CTRL | Qt::Key_0}, [this] { setZoom(100); });
    key({Qt::Key_F11}, [this] { toggleFullScreen(); });
    key({Qt::CTRL | Qt::Key_M}, [] { platform::setQuiet(!platform::isQuiet()); });
    // Esc leaves full screen, except while the total has the focus: there it is the typist's.
    m_leaveFullScreen = key({Qt::Key_Escape}, [this] {
        if (focusWidget() != m_TextBin)
            toggleFullScreen();
    });
    m_leaveFullScreen->setEnabled(false);
    // Not in the menu, so a screen reader finds these keys in the window's description.
    //: The window's keys, for a screen reader: keep the key names as the keyboard shows them.
    setAccessibleDescription(tr("Ctrl+Plus zooms in, Ctrl+Minus zooms out, Ctrl+0 gives the "
                                "designed size, F11 full screen, Esc leaves it, Ctrl+M turns the "
                                "click sound off or on"));
}

void Form1::applyZoom(int percent, QPoint origin)
{
    m_zoom = percent;
    const auto scaled = [percent](int length) { return qRound(float(length * percent) / 100); };
    QWidget *client = centralWidget();
    QFont font = platform::designFont(layout::DefaultFont);
    font.setPixelSize(scaled(font.pixelSize()));
    client->setFont(font);
    for (const Designed &designed : m_designed) {
        const QRect &at = designed.place;
        designed.control->setGeometry(origin.x() + scaled(at.x()), origin.y() + scaled(at.y()),
                                      scaled(at.width()), scaled(at.height()));
        if (designed.fontPixels != 0) {
            font = designed.control->font();
            font.setPixelSize(scaled(designed.fontPixels));
            designed.control->setFont(font);
        }
    }
    for (QObject *child : client->children()) {
        if (auto *line = qobject_cast<platform::LineControl *>(child))
            line->setZoom(percent, origin);
    }
    for (int image = 1; image <= board::ImageCount; ++image) {
        m_images[image - 1]->setZoom(percent, origin);
        m_images[image - 1]->setPicture(beadPicture(beadPicturePath(image), percent));
    }
}

void Form1::setZoom(int percent)
{
    if (m_fullScreen)
        return;
    applyZoom(percent, {});
    // The window fits the zoomed content, within the screen.
    const QRect screenArea = screen()->availableGeometry();
    QRect wanted(geometry().topLeft(), QSize(pixels(float(layout::ClientWidth), percent),
                                             pixels(float(layout::ClientHeight), percent) +
                                                 menuBar()->sizeHint().height())
                                           .boundedTo(screenArea.size()));
    wanted.moveRight(std::min(wanted.right(), screenArea.right()));
    wanted.moveBottom(std::min(wanted.bottom(), screenArea.bottom()));
    setGeometry(wanted);
}

void Form1::zoomBy(int steps)
{
    const auto at = std::find(ZoomSteps.begin(), ZoomSteps.end(), m_zoom) - ZoomSteps.begin();
    setZoom(ZoomSteps[std::size_t(std::clamp<long>(at + steps, 0, ZoomSteps.size() - 1))]);
}

void Form1::toggleFullScreen()
{
    // The window system may not confirm the state (no window manager): the window keeps its own.
    m_fullScreen = !m_fullScreen;
    if (!m_fullScreen) {
        m_leaveFullScreen->setEnabled(false);
        showNormal();
        setGeometry(m_windowedGeometry);
        applyZoom(m_windowedZoom, {});
        activateWindow();
        return;
    }
    m_windowedZoom = m_zoom;
    m_windowedGeometry = geometry();
    m_leaveFullScreen->setEnabled(true);
    const QRect screenArea = screen()->geometry();
    showFullScreen();
    setGeometry(screenArea);
    activateWindow();
    // The largest step that fits, centred on the window's colour below the menu bar.
    const QSize room = screenArea.size() - QSize(0, menuBar()->sizeHint().height());
    int percent = ZoomSteps.front();
    for (const int step : ZoomSteps) {
        if (pixels(float(layout::ClientWidth), step) <= room.width() &&
            pixels(float(layout::ClientHeight), step) <= room.height())
            percent = step;
    }
    const QSize content(pixels(float(layout::ClientWidth), percent),
                        pixels(float(layout::ClientHeight), percent));
    applyZoom(percent,
              QPoint((room.width() - content.width()) / 2, (room.height() - content.height()) / 2));
}

void Form1::beadGesture(int image, board::Gesture gesture)
{
    platform::playSound(ClickSound);
    const int rod = board::beadOfImage(image).rod;
    const float top = m_images[image - 1]->top();
    const std::int16_t rodValue = m_board.RodValue(rod);
    for (const board::BeadMove &move : m_board.act(image, gesture)) {
        m_images[move.image - 1]->setTop(move.top);
        accessibility::describeBead(m_images[move.image - 1], move.image);
    }
    BaseView();
    // A press that leaves the bead for a click to move has nothing to tell yet.
    if (m_images[image - 1]->top() != top || m_board.RodValue(rod) != rodValue)
        m_accessible->announceBead(image);
}

void Form1::clickBead(int image)
{
    const float top = m_images[image - 1]->top();
    beadGesture(image, board::Gesture::Press);
    if (m_images[image - 1]->top() == top)
        beadGesture(image, board::Gesture::Click);
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
        const std::int16_t value = m_board.RodValue(rod);
        accessibility::showRodValue(m_Label1[rod], base16 ? platform::hexText(value)
                                                          : platform::decimalText(value));
    }
}

void Form1::BaseView()
{
    writeRodValues(false);
    m_TextValue = m_board.total();
    m_TextBin->setText(platform::decimalText(m_TextValue));
    showBase16(false);
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
    const std::int32_t HexTotal = m_board.total();
    m_TextBin->setText(platform::hexText(HexTotal));
    showBase16(true);
    return true;
}

void Form1::ComBase_Click()
{
    BaseView();
    //: Told to a screen reader when the numbers switch to base 10; also what the "Base 10" mark
    //: beside the total is called.
    m_accessible->announce(tr("Read-out in base 10"));
}

void Form1::ComHex_Click()
{
    if (!HexView())
        return;
    m_TextBin->setText(platform::hexText(m_TextValue));
    //: Told to a screen reader when the numbers switch to base 16; also what the "Hexadecimal"
    //: mark beside the total is called.
    m_accessible->announce(tr("Read-out in base 16"));
}

void Form1::ComReset_Click()
{
    unload();
    showFresh();
}

void Form1::New_Click(int /*index*/)
{
    if (Form1 *form = loadedDefault())
        form->unload();
    showFresh();
}

void Form1::setAnswersVisible(bool visible)
{
    for (int answerIndex = 0; answerIndex < board::RodCount; ++answerIndex)
        accessibility::showRodLabel(m_Label1[answerIndex], visible);
}

void Form1::ComHide_Click()
{
    setAnswersVisible(false);
    //: Told to a screen reader when the rod values are hidden.
    m_accessible->announce(tr("Answers hidden"));
}

void Form1::ComView_Click()
{
    setAnswersVisible(true);
    //: Told to a screen reader when the rod values are shown again.
    m_accessible->announce(tr("Answers shown"));
}

void Form1::ComExit_Click()
{
    //: The message as the program ends.
    platform::exclamationBox(this, tr("Good Bye!"));
    platform::endProgram();
}

void Form1::Exit_Click(int /*index*/)
{
    ComExit_Click();
}
