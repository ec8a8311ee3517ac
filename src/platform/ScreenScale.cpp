#include "platform/ScreenScale.h"

#include "platform/Twips.h"

#include <QHash>
#include <QLabel>
#include <QPixmap>

namespace {
// Each picture a label shows at its own size, kept to redraw it from at every scale rather
// than from an already scaled copy, so the picture never grows blurred by repeated scaling.
QHash<QLabel *, QPixmap> &pictures()
{
    static auto *kept = new QHash<QLabel *, QPixmap>;
    return *kept;
}

void drawPicture(QLabel *label, const QPixmap &picture)
{
    const double factor = ScreenScale::factor();
    if (factor == 1.0) {
        label->setPixmap(picture);
        return;
    }
    label->setPixmap(picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}
} // namespace

ScreenScale &ScreenScale::instance()
{
    static auto *scale = new ScreenScale;
    return *scale;
}

void ScreenScale::setFactor(double factor)
{
    ScreenScale &scale = instance();
    if (factor <= 0 || factor == scale.m_factor)
        return;
    const double previous = scale.m_factor;
    scale.m_factor = factor;
    rescaleTwipsPlaces(previous, factor);
    for (auto it = pictures().cbegin(); it != pictures().cend(); ++it)
        drawPicture(it.key(), it.value());
    emit scale.changed();
}

void ScreenScale::showPicture(QLabel *label, const QPixmap &picture)
{
    QHash<QLabel *, QPixmap> &kept = pictures();
    if (picture.isNull()) {
        kept.remove(label);
        label->clear();
        return;
    }
    if (!kept.contains(label))
        QObject::connect(label, &QObject::destroyed, [label] { pictures().remove(label); });
    kept.insert(label, picture);
    drawPicture(label, picture);
}
