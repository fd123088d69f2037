#pragma once

#include <QWidget>

namespace platform {

// A horizontal or vertical line between two points given in twips, drawn `width` pixels thick
// and centred on those points. It takes no mouse input: presses go to what lies below it.
class LineControl : public QWidget
{
    Q_OBJECT

public:
    LineControl(QPoint fromTwips, QPoint toTwips, int width, const QColor &colour,
                QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

} // namespace platform
