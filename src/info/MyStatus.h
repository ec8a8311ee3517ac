#pragma once

#include "info/BoxerCardForm.h"

// "My Status": the player's card with the career's training totals below it. Opened from
// the hub and from the ending; its OK goes back to the ending while varEndFlag is 1.
class MyStatus : public BoxerCardForm
{
    Q_OBJECT
public:
    explicit MyStatus(Game &game);

    void subOriginal() override;

protected:
    QWidget &opener() override;

private:
    QLabel *m_totals[4] = {};
};
