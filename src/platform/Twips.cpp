#include "platform/Twips.h"

#include "options/core/ScaleFit.h"
#include "platform/ScreenScale.h"

#include <QApplication>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <cmath>

namespace {
// Every placed control's twips, kept beside the widgets rather than as a dynamic property:
// the fight screen moves its fists and heads every tick, and setting a property by name
// first searches every property QWidget declares. Never destroyed, so that widgets that
// outlive the program's statics can still take themselves out.
QHash<const QWidget *, QRect> &placedTwips()
{
    static auto *places = new QHash<const QWidget *, QRect>;
    return *places;
}

// Each window's client size in twips, to size it afresh at every scale.
QHash<QWidget *, QSize> &clientSizes()
{
    static auto *sizes = new QHash<QWidget *, QSize>;
    return *sizes;
}

// A font's size at the game's own scale, and the size last given to it at a scale. A widget
// whose font no longer has the size it was given was given a new font since, at the scale
// then in force, and its own size is worked out from that one instead.
struct ScaledFont
{
    double ownSize = 0;
    double givenSize = 0;
};

QHash<QWidget *, ScaledFont> &scaledFonts()
{
    static auto *fonts = new QHash<QWidget *, ScaledFont>;
    return *fonts;
}

ScaledFont &applicationFont()
{
    static ScaledFont font;
    return font;
}

// The size for a font at the new scale, remembering both sizes in the record.
double rescaledSize(ScaledFont &record, double current, double previous, double factor)
{
    if (record.givenSize != current)
        record.ownSize = current / previous;
    record.givenSize = record.ownSize * factor;
    return record.givenSize;
}

void rescaleFonts(double previous, double factor)
{
    // Every new size is worked out before any is given: some controls hand their font on to
    // parts of their own (a list box to its list), and a part must not be scaled twice.
    QList<std::pair<QPointer<QWidget>, QFont>> rescaled;
    QHash<QWidget *, ScaledFont> &fonts = scaledFonts();
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        // Only a font set on the widget itself; the others follow their parent's.
        if (!widget->testAttribute(Qt::WA_SetFont))
            continue;
        QFont font = widget->font();
        if (font.pointSizeF() <= 0)
            continue;
        auto record = fonts.find(widget);
        if (record == fonts.end()) {
            record = fonts.insert(widget, ScaledFont());
            QObject::connect(widget, &QObject::destroyed, [widget] { scaledFonts().remove(widget); });
        }
        font.setPointSizeF(rescaledSize(*record, font.pointSizeF(), previous, factor));
        rescaled.append({widget, font});
    }
    QFont application = QApplication::font();
    if (application.pointSizeF() > 0) {
        application.setPointSizeF(rescaledSize(applicationFont(), application.pointSizeF(), previous, factor));
        QApplication::setFont(application);
    }
    for (const auto &[widget, font] : rescaled)
        if (widget)
            widget->setFont(font);
}

void setPixelGeometry(QWidget *widget, const QRect &twips)
{
    widget->setGeometry(twipsToPixels(twips.left()), twipsToPixels(twips.top()), twipsToPixels(twips.width()),
                        twipsToPixels(twips.height()));
}
} // namespace

int twipsToPixels(int twips)
{
    return twipsToPixelsAt(twips, ScreenScale::factor());
}

double twipsToPixelsF(double twips)
{
    return twips / TwipsPerPixel * ScreenScale::factor();
}

int pixelsToTwips(double pixels)
{
    return static_cast<int>(std::lround(pixels * TwipsPerPixel / ScreenScale::factor()));
}

int wholePixelsToTwips(int pixels)
{
    return static_cast<int>(std::lround(pixels / ScreenScale::factor())) * TwipsPerPixel;
}

void placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    const QRect twips(left, top, width, height);
    setPixelGeometry(widget, twips);
    QHash<const QWidget *, QRect> &places = placedTwips();
    const auto placed = places.find(widget);
    if (placed != places.end()) {
        *placed = twips;
        return;
    }
    places.insert(widget, twips);
    QObject::connect(widget, &QObject::destroyed, [widget] { placedTwips().remove(widget); });
}

void setClientSizeTwips(QWidget *widget, int width, int height)
{
    widget->setFixedSize(twipsToPixels(width), twipsToPixels(height));
    QHash<QWidget *, QSize> &sizes = clientSizes();
    if (!sizes.contains(widget))
        QObject::connect(widget, &QObject::destroyed, [widget] { clientSizes().remove(widget); });
    sizes.insert(widget, QSize(width, height));
}

QRect twipsGeometry(const QWidget *widget)
{
    const QRect stored = placedTwips().value(widget);
    const QRect pixels = widget->geometry();
    // Trust the stored twips only while the widget still sits where they put it.
    if (!stored.isNull() && twipsToPixels(stored.left()) == pixels.left() &&
        twipsToPixels(stored.top()) == pixels.top() && twipsToPixels(stored.width()) == pixels.width() &&
        twipsToPixels(stored.height()) == pixels.height())
        return stored;
    return QRect(wholePixelsToTwips(pixels.left()), wholePixelsToTwips(pixels.top()),
                 wholePixelsToTwips(pixels.width()), wholePixelsToTwips(pixels.height()));
}

void rescaleTwipsPlaces(double previous, double factor)
{
    rescaleFonts(previous, factor);
    const QHash<QWidget *, QSize> &sizes = clientSizes();
    for (auto it = sizes.cbegin(); it != sizes.cend(); ++it)
        it.key()->setFixedSize(twipsToPixels(it.value().width()), twipsToPixels(it.value().height()));
    const QHash<const QWidget *, QRect> &places = placedTwips();
    for (auto it = places.cbegin(); it != places.cend(); ++it)
        setPixelGeometry(const_cast<QWidget *>(it.key()), it.value());
}

QColor vbColor(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

quint32 toVbColor(const QColor &colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

QFont gothicFont(double pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAexGothic"),
                      QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"), QStringLiteral("sans-serif")});
    font.setPointSizeF(pointSize * ScreenScale::factor());
    font.setBold(bold);
    return font;
}
