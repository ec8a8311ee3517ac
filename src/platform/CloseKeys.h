#pragma once

#include <QKeyCombination>
#include <QList>
#include <QObject>

class QAbstractButton;
class QWidget;

// Esc (and any further keys given) closes a window as the button that closes it does: through
// that button's own click, so a key and a click cannot be told apart. Keys pressed on a box or
// dialog the window owns are that box's.
class CloseKeys : public QObject
{
    Q_OBJECT
public:
    // Listens on the window and on every widget it holds now or later.
    CloseKeys(QWidget &window, QAbstractButton &closer, QList<QKeyCombination> keys = {Qt::Key_Escape});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QObject *object);

    QWidget &m_window;
    QAbstractButton &m_closer;
    QList<QKeyCombination> m_keys;
};
