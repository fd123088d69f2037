#include "accessibility.h"

#include "board/board.h"
#include "platform/imagecontrol.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace mainwin::accessibility {

namespace {

// Marks the labels that hold a rod's value.
constexpr const char *RodValueProperty = "quillmereRodValue";

constexpr int RodNumberForPeople = board::RodCount; // rod r is "Rod 15 - r"
const QString AtTheBeam = QStringLiteral("at the beam");
const QString AtRest = QStringLiteral("at rest");

QString rodName(int rod)
{
    return QStringLiteral("Rod %1").arg(RodNumberForPeople - rod);
}

QString beadName(const board::Bead &bead)
{
    switch (bead.kind) {
    case board::BeadKind::Outer:
        return rodName(bead.rod) + QStringLiteral(", upper outer bead");
    case board::BeadKind::Inner:
        return rodName(bead.rod) + QStringLiteral(", upper inner bead");
    default:
        return rodName(bead.rod) +
               QStringLiteral(", lower bead %1").arg(static_cast<int>(bead.kind) + 1);
    }
}

// A rod label: static text whose value is its text, and empty while the label is hidden.
class RodValueAccessible : public QAccessibleWidget
{
public:
    explicit RodValueAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Value)
            return QAccessibleWidget::text(kind);
        const auto *label = static_cast<const QLabel *>(widget());
        return label->isHidden() ? QString() : label->text();
    }
};

QAccessibleInterface *rodValueFactory(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (label == nullptr || !label->property(RodValueProperty).toBool())
        return nullptr;
    return new RodValueAccessible(label);
}

void nameRodLabel(QLabel *label, int rod)
{
    label->setAccessibleName(rodName(rod) + QStringLiteral(" value"));
    label->setProperty(RodValueProperty, true);
    // The label may already have the accessible object every label gets, made when it was
    // given its first text; it is dropped so that the next query makes a rod label's.
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
    if (dynamic_cast<RodValueAccessible *>(accessible) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(accessible));
}

} // namespace

void nameControls(const Controls &controls)
{
    QAccessible::installFactory(rodValueFactory);
    for (int image = 1; image <= board::ImageCount; ++image) {
        platform::ImageControl *bead = controls.beads[image - 1];
        bead->setAccessibleName(beadName(board::beadOfImage(image)));
        describeBead(bead, image);
    }
    for (int rod = 0; rod < board::RodCount; ++rod)
        nameRodLabel(controls.rodLabels[rod], rod);
    for (QPushButton *button : controls.buttons)
        button->setAccessibleName(QString(button->text()).remove(QLatin1Char('&')));
    // The base marks' captions do not say what they are, and "Base 10" is also the caption of a
    // button; the text box has no caption.
    controls.LabBase->setAccessibleName(QStringLiteral("Read-out in base 10"));
    controls.LabHex->setAccessibleName(QStringLiteral("Read-out in base 16"));
    controls.TextBin->setAccessibleName(QStringLiteral("Total"));
}

void describeBead(platform::ImageControl *bead, int image)
{
    const board::BeadKind kind = board::beadOfImage(image).kind;
    const bool atBeam = bead->top() == board::topOf(kind, board::Place::Counted);
    const QString description = atBeam ? AtTheBeam : AtRest;
    if (bead->accessibleDescription() != description)
        bead->setAccessibleDescription(description);
}

void showRodValue(QLabel *label, const QString &text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    if (label->isHidden())
        return;
    QAccessibleValueChangeEvent event(label, text);
    QAccessible::updateAccessibility(&event);
}

} // namespace mainwin::accessibility
