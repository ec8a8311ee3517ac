#pragma once

#include "info/BoxerCardForm.h"

// "Next Enemy Data": the next opponent's card with the chairman's note on him. Opened
// from the hub and always returns there.
class NextEnemyData : public BoxerCardForm
{
    Q_OBJECT
public:
    explicit NextEnemyData(Game &game);

    void subOriginal() override;

protected:
    QWidget &opener() override;

private:
    GameLabel *m_message = nullptr;
};
