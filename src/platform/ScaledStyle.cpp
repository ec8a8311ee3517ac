#include "platform/ScaledStyle.h"

#include "platform/ScreenScale.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>

namespace {
// The metrics that are sizes of parts Qt draws itself; the others (style hints, counts,
// delays) are left as the style gives them.
bool isScaledSize(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_ButtonMargin:
    case QStyle::PM_ButtonDefaultIndicator:
    case QStyle::PM_MenuButtonIndicator:
    case QStyle::PM_DefaultFrameWidth:
    case QStyle::PM_SpinBoxFrameWidth:
    case QStyle::PM_ComboBoxFrameWidth:
    case QStyle::PM_ScrollBarExtent:
    case QStyle::PM_ScrollBarSliderMin:
    case QStyle::PM_SliderThickness:
    case QStyle::PM_SliderControlThickness:
    case QStyle::PM_SliderLength:
    case QStyle::PM_SliderTickmarkOffset:
    case QStyle::PM_SplitterWidth:
    case QStyle::PM_MenuBarPanelWidth:
    case QStyle::PM_MenuBarItemSpacing:
    case QStyle::PM_MenuBarVMargin:
    case QStyle::PM_MenuBarHMargin:
    case QStyle::PM_MenuPanelWidth:
    case QStyle::PM_MenuHMargin:
    case QStyle::PM_MenuVMargin:
    case QStyle::PM_IndicatorWidth:
    case QStyle::PM_IndicatorHeight:
    case QStyle::PM_ExclusiveIndicatorWidth:
    case QStyle::PM_ExclusiveIndicatorHeight:
    case QStyle::PM_CheckBoxLabelSpacing:
    case QStyle::PM_RadioButtonLabelSpacing:
    case QStyle::PM_HeaderMargin:
    case QStyle::PM_HeaderMarkSize:
    case QStyle::PM_FocusFrameHMargin:
    case QStyle::PM_FocusFrameVMargin:
    case QStyle::PM_ToolBarIconSize:
    case QStyle::PM_ListViewIconSize:
    case QStyle::PM_IconViewIconSize:
    case QStyle::PM_SmallIconSize:
    case QStyle::PM_LargeIconSize:
    case QStyle::PM_ButtonIconSize:
    case QStyle::PM_TabBarIconSize:
    case QStyle::PM_MessageBoxIconSize:
    case QStyle::PM_TreeViewIndentation:
    case QStyle::PM_LayoutLeftMargin:
    case QStyle::PM_LayoutTopMargin:
    case QStyle::PM_LayoutRightMargin:
    case QStyle::PM_LayoutBottomMargin:
    case QStyle::PM_LayoutHorizontalSpacing:
    case QStyle::PM_LayoutVerticalSpacing:
        return true;
    default:
        return false;
    }
}

int scaled(int pixels)
{
    return static_cast<int>(std::lround(pixels * ScreenScale::factor()));
}

// The focus ring: two pixels at the game's own size, growing with the scale.
int ringWidth()
{
    return std::max(2, scaled(2));
}

bool showsKeyboardFocus(const QStyleOption *option)
{
    return (option->state & QStyle::State_HasFocus) && (option->state & QStyle::State_KeyboardFocusChange);
}

void drawRing(QPainter *painter, const QStyleOption *option, const QRect &around)
{
    const int width = ringWidth();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(option->palette.color(QPalette::Highlight), width));
    painter->setBrush(Qt::NoBrush);
    const double inset = width / 2.0;
    painter->drawRoundedRect(QRectF(around).adjusted(inset, inset, -inset, -inset), width, width);
    painter->restore();
}
} // namespace

ScaledStyle::ScaledStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    return isScaledSize(metric) ? scaled(pixels) : pixels;
}

QRect ScaledStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                                  const QWidget *widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    if (control != CC_ComboBox || ScreenScale::factor() == 1.0)
        return rect;
    // The style gives the arrow a button of fixed width; it grows leftwards, and the text
    // beside it gives way.
    const QRect arrow = QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget);
    const int grown = scaled(arrow.width()) - arrow.width();
    if (part == SC_ComboBoxArrow)
        rect.setLeft(rect.left() - grown);
    else if (part == SC_ComboBoxEditField)
        rect.setRight(rect.right() - grown);
    return rect;
}

void ScaledStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    if (element == PE_FrameFocusRect) {
        // As the style itself does, only once the keyboard has moved the focus.
        if (option->state & State_KeyboardFocusChange)
            drawRing(painter, option, option->rect);
        return;
    }
    if (ScreenScale::factor() != 1.0 &&
        (element == PE_IndicatorArrowDown || element == PE_IndicatorArrowUp ||
         element == PE_IndicatorArrowLeft || element == PE_IndicatorArrowRight)) {
        // The style draws its arrows at one size whatever the box; drawn at the game's own
        // size about the box's centre and grown with the painter instead.
        const double factor = ScreenScale::factor();
        QStyleOption own(*option);
        own.rect = QRect(QPoint(), (QSizeF(option->rect.size()) / factor).toSize());
        painter->save();
        painter->translate(QPointF(option->rect.center()) - QPointF(own.rect.center()) * factor);
        painter->scale(factor, factor);
        QProxyStyle::drawPrimitive(element, &own, painter, widget);
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ScaledStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    // A tab bar shows its focus on the current tab, as a button does.
    if ((element == CE_PushButton || element == CE_TabBarTab) && showsKeyboardFocus(option))
        drawRing(painter, option, option->rect);
}

void ScaledStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                     QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if ((control == CC_Slider || control == CC_ComboBox || control == CC_SpinBox) &&
        showsKeyboardFocus(option))
        drawRing(painter, option, option->rect);
}
