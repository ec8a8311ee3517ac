#pragma once

#include <QWidget>

class QTextBrowser;

// The window of the game's manual: a page browser with buttons for the contents, the
// keyword index, going back and forward, and closing it; never larger than its screen.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    HelpWindow();

    // Shows the page at that path and brings the window to the front; a window not yet open
    // opens over OPENER (on the screen when null).
    void showPage(const QString &path, const QWidget *opener);
    // The path of the page shown, or an empty text before the first.
    QString currentPage() const;

private:
    void openManualPage(const QString &page);
    // The size asked for, cut down to what fits the screen the window is on.
    QSize fittedSize(QSize wanted) const;

    QTextBrowser *m_browser = nullptr;
    QString m_folder;
};
