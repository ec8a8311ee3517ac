#include "platform/GameLabel.h"

#include "platform/ScreenScale.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <algorithm>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>

namespace {
enum class Kind { Space, Open, Close, Hiragana, Katakana, Ideograph, Other };

constexpr QStringView OpeningBrackets = u"「『（([【〈《｛";
constexpr QStringView ClosingBrackets = u"」』）)]】〉》｝";
constexpr QStringView Punctuation = u"、。，．！？!?・…：；";

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\u3000';
}

Kind kindOf(QChar c)
{
    if (isSpace(c))
        return Kind::Space;
    if (OpeningBrackets.contains(c))
        return Kind::Open;
    if (ClosingBrackets.contains(c) || Punctuation.contains(c))
        return Kind::Close;
    const char16_t u = c.unicode();
    if (u >= 0x3041 && u <= 0x309F)
        return Kind::Hiragana;
    if ((u >= 0x30A0 && u <= 0x30FF) || (u >= 0xFF66 && u <= 0xFF9F) || (u >= 0x31F0 && u <= 0x31FF))
        return Kind::Katakana;
    if ((u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) || (u >= 0x3005 && u <= 0x3007))
        return Kind::Ideograph;
    return Kind::Other;
}

// Marks, small kana and the long vowel belong to the character before them.
bool clingsToPrevious(QChar c)
{
    return QStringView(u"ーぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶゝゞヽヾ々ｰｧｨｩｪｫｯｬｭｮﾞﾟ").contains(c) || c.isLowSurrogate();
}

// A Japanese phrase ends after its particles (kana before the next word's kanji or katakana),
// after punctuation and before an opening bracket.
bool phraseBreak(QChar before, QChar after)
{
    if (clingsToPrevious(after))
        return false;
    const Kind a = kindOf(before);
    const Kind b = kindOf(after);
    if (a == Kind::Close)
        return b != Kind::Close;
    if (b == Kind::Open)
        return a != Kind::Open;
    return a == Kind::Hiragana && (b == Kind::Ideograph || b == Kind::Katakana || b == Kind::Other);
}

// The phrases of a paragraph, each with the spaces that follow it.
QStringList phrasesOf(const QString &paragraph)
{
    const bool spaced = std::any_of(paragraph.begin(), paragraph.end(), isSpace);
    QStringList phrases;
    QString phrase;
    // A name in brackets is one phrase however many words it has.
    int brackets = 0;
    for (qsizetype i = 0; i < paragraph.size(); ++i) {
        if (OpeningBrackets.contains(paragraph[i]))
            ++brackets;
        else if (ClosingBrackets.contains(paragraph[i]) && brackets > 0)
            --brackets;
        phrase += paragraph[i];
        if (i + 1 == paragraph.size())
            break;
        const QChar next = paragraph[i + 1];
        const bool ends = spaced ? isSpace(paragraph[i]) && !isSpace(next)
                                 : brackets == 0 && phraseBreak(paragraph[i], next);
        if (ends) {
            phrases << phrase;
            phrase.clear();
        }
    }
    if (!phrase.isEmpty())
        phrases << phrase;
    return phrases;
}

// Spaces at the end of a line hang past the edge and take no room.
QString withoutTrailingSpaces(QString line)
{
    while (!line.isEmpty() && isSpace(line.back()))
        line.chop(1);
    return line;
}

void wrapParagraph(const QString &paragraph, const QFontMetricsF &metrics, int width, QStringList &out,
                   bool &wordSplit)
{
    const auto fitsLine = [&](const QString &text) {
        return metrics.horizontalAdvance(withoutTrailingSpaces(text)) <= width;
    };
    QString line;
    for (const QString &phrase : phrasesOf(paragraph)) {
        if (fitsLine(line + phrase)) {
            line += phrase;
            continue;
        }
        if (!line.isEmpty())
            out << withoutTrailingSpaces(line);
        line.clear();
        if (fitsLine(phrase)) {
            line = phrase;
            continue;
        }
        // A phrase wider than a whole line is broken where the room ends.
        wordSplit = true;
        for (const QChar c : phrase) {
            if (!line.isEmpty() && !clingsToPrevious(c) && !fitsLine(line + c)) {
                // An opening bracket never ends a line: it goes down with what it opens.
                QString carried;
                if (line.size() > 1 && kindOf(line.back()) == Kind::Open) {
                    carried = line.back();
                    line.chop(1);
                }
                out << withoutTrailingSpaces(line);
                line = carried;
            }
            line += c;
        }
    }
    out << withoutTrailingSpaces(line);
}

qreal emPixels(const QFont &font)
{
    return QFontInfo(font).pixelSize();
}
} // namespace

GameLabel::GameLabel(QWidget *parent) : GameLabel(QString(), parent) {}

GameLabel::GameLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QStringList GameLabel::lines(const QString &text, const QFont &font, int width, bool wrap, bool *wordSplit)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList paragraphs = text.split(lineBreak);
    if (!wrap)
        return paragraphs;
    const QFontMetricsF metrics(font);
    QStringList out;
    bool split = false;
    for (const QString &paragraph : paragraphs)
        wrapParagraph(paragraph, metrics, width, out, split);
    if (wordSplit)
        *wordSplit = split;
    return out;
}

qreal GameLabel::lineLead(const QFont &font)
{
    return (QFontMetricsF(font).height() - emPixels(font)) / 2;
}

bool GameLabel::fits(const QFont &font) const
{
    const QRect box = textBox();
    bool split = false;
    const QStringList textLines = lines(text(), font, box.width(), wordWrap(), &split);
    const QFontMetricsF metrics(font);
    for (const QString &line : textLines)
        if (metrics.horizontalAdvance(line) > box.width())
            return false;
    const qreal needed = qreal(textLines.size() - 1) * metrics.lineSpacing() + emPixels(font);
    return !split && needed <= box.height();
}

void GameLabel::shrinkToFit(double smallestPointSize)
{
    // The sizes are the game's own: at a larger window scale the steps grow with it.
    const double scale = ScreenScale::factor();
    QFont font = this->font();
    while (font.pointSizeF() > smallestPointSize * scale && !fits(font))
        font.setPointSizeF(font.pointSizeF() - 0.25 * scale);
    setFont(font);
}

QRect GameLabel::textBox() const
{
    QRect box = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    // A framed label keeps its text half an x off the frame on the sides it is aligned to.
    int inset = indent();
    if (inset < 0)
        inset = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    if (inset > 0) {
        if (alignment() & Qt::AlignLeft)
            box.setLeft(box.left() + inset);
        if (alignment() & Qt::AlignRight)
            box.setRight(box.right() - inset);
        box.setTop(box.top() + inset);
    }
    return box;
}

void GameLabel::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect box = textBox();
    // Drawn as it is whether or not the window is enabled: a face behind a dialog stays in colour.
    if (const QPixmap picture = pixmap(); !picture.isNull()) {
        style()->drawItemPixmap(&painter, box, int(alignment()), picture);
        return;
    }
    const QFontMetricsF metrics(font());
    const int horizontal = int(alignment() & Qt::AlignHorizontal_Mask);
    qreal top = box.top() - lineLead(font());
    for (const QString &line : lines(text(), font(), box.width(), wordWrap())) {
        const QRect lineBox(box.left(), qRound(top), box.width(), qCeil(metrics.height()));
        style()->drawItemText(&painter, lineBox, horizontal | Qt::AlignTop | Qt::TextSingleLine, palette(),
                              isEnabled(), line, foregroundRole());
        top += metrics.lineSpacing();
    }
}
