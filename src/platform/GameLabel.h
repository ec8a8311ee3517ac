#pragma once

#include <QLabel>
#include <QStringList>

// A label as the game's screens draw it: its first line starts at the top edge of its box
// (only the horizontal alignment is taken from alignment()), a wrapped text breaks between
// phrases and never inside a word, and a picture keeps its colours while its window waits
// behind a dialog.
class GameLabel : public QLabel
{
    Q_OBJECT
public:
    explicit GameLabel(QWidget *parent);
    GameLabel(const QString &text, QWidget *parent);

    // The lines of text in that font for a box that wide: broken at line breaks and, when
    // wrapping, between phrases; a text with spaces breaks only after them. wordSplit is
    // set when a phrase longer than a whole line had to be broken inside.
    static QStringList lines(const QString &text, const QFont &font, int width, bool wrap, bool *wordSplit = nullptr);
    // How far above the box's top edge the first line's box begins, so that the font's
    // em square, not its taller line, starts at the edge.
    static qreal lineLead(const QFont &font);
    // True when the text, broken as the label breaks it, fits its box in that font with no word split.
    bool fits(const QFont &font) const;
    // Sets the font a little smaller, step by step, until the text fits its box.
    void shrinkToFit(double smallestPointSize = 7);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textBox() const;
};
