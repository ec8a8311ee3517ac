#pragma once

#include <QTabWidget>

// A tab control whose row of tabs is a fixed height in twips, so that its pages, and the
// controls placed on them, stand at the same twips at every window scale.
class TwipsTabWidget : public QTabWidget
{
    Q_OBJECT
public:
    // rowTwips is the height of the row of tabs.
    TwipsTabWidget(int rowTwips, QWidget *parent);
};
