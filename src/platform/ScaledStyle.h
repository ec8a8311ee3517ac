#pragma once

#include <QProxyStyle>

// Qt's own style with every part it sizes itself (check boxes, slider handles, combo-box
// arrows, scroll bars, the icons of lists and dialogs) grown by the window scale, as the
// game's own controls are, and the keyboard focus drawn as a ring thick enough to see.
class ScaledStyle : public QProxyStyle
{
    Q_OBJECT
public:
    ScaledStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
};
