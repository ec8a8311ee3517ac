#include "platform/Twips.h"

#include <QHash>
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
} // namespace

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / double(TwipsPerPixel)));
}

void placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
    QHash<const QWidget *, QRect> &places = placedTwips();
    const auto placed = places.find(widget);
    if (placed != places.end()) {
        *placed = QRect(left, top, width, height);
        return;
    }
    places.insert(widget, QRect(left, top, width, height));
    QObject::connect(widget, &QObject::destroyed, [widget] { placedTwips().remove(widget); });
}

void setClientSizeTwips(QWidget *widget, int width, int height)
{
    widget->setFixedSize(twipsToPixels(width), twipsToPixels(height));
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
    return QRect(pixels.left() * TwipsPerPixel, pixels.top() * TwipsPerPixel, pixels.width() * TwipsPerPixel,
                 pixels.height() * TwipsPerPixel);
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
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
