#include "platform/TwipsTabWidget.h"

#include "platform/Twips.h"

#include <QTabBar>

namespace {
// The style's tab grows with its font, which does not grow in step with the scale (a font
// three times larger is not exactly three times taller), so the height is set in twips.
class TwipsTabBar : public QTabBar
{
public:
    TwipsTabBar(int rowTwips, QWidget *parent) : QTabBar(parent), m_rowTwips(rowTwips)
    {
        // The name Qt gives a tab control's own bar.
        setObjectName(QStringLiteral("qt_tabwidget_tabbar"));
    }

protected:
    QSize tabSizeHint(int index) const override
    {
        return {QTabBar::tabSizeHint(index).width(), twipsToPixels(m_rowTwips)};
    }
    QSize minimumTabSizeHint(int index) const override
    {
        return {QTabBar::minimumTabSizeHint(index).width(), twipsToPixels(m_rowTwips)};
    }

private:
    int m_rowTwips;
};
} // namespace

TwipsTabWidget::TwipsTabWidget(int rowTwips, QWidget *parent) : QTabWidget(parent)
{
    setTabBar(new TwipsTabBar(rowTwips, this));
}
