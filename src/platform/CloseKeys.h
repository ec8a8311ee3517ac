#pragma once

#include "platform/WindowKeyWatcher.h"

#include <QKeyCombination>
#include <QList>

class QAbstractButton;

// Esc (and any further keys given) closes a window as the button that closes it does: through
// that button's own click, so a key and a click cannot be told apart. Keys pressed on a box or
// dialog the window owns are that box's.
class CloseKeys : public WindowKeyWatcher
{
    Q_OBJECT
public:
    // Listens on the window and on every widget it holds now or later.
    CloseKeys(QWidget &window, QAbstractButton &closer, QList<QKeyCombination> keys = {Qt::Key_Escape});

protected:
    bool keyPressed(QWidget &watched, QKeyEvent &key) override;

private:
    QWidget &m_window;
    QAbstractButton &m_closer;
    QList<QKeyCombination> m_keys;
};
