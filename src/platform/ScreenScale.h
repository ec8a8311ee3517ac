#pragma once

#include <QObject>

class QLabel;
class QPixmap;

// How many times its own size the game draws every window, with its controls, texts, lines
// and pictures. A change re-sizes every open window at once, in place.
class ScreenScale : public QObject
{
    Q_OBJECT
public:
    // The one scale of the process.
    static ScreenScale &instance();
    // The factor in force: 1 draws the game at its own size.
    static double factor() { return instance().m_factor; }
    // Puts a factor in force: re-places and re-sizes every placed control and window and
    // every font, then announces the change to what draws at its own sizes.
    static void setFactor(double factor);
    // Shows a picture in a label at the scale in force, smoothly scaled, and keeps it so for
    // every later change of scale; a null picture clears the label.
    static void showPicture(QLabel *label, const QPixmap &picture);

signals:
    // The factor has changed and every placed control already stands at its new size.
    void changed();

private:
    ScreenScale() = default;
    double m_factor = 1.0;
};
