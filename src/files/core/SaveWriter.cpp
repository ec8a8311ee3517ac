#include "files/core/SaveWriter.h"

#include "files/core/SaveChecksum.h"
#include "files/core/SaveLayout.h"
#include "files/core/SaveLine.h"
#include "files/core/SaveText.h"

namespace {
class LineWriter
{
public:
    void variant(const Cell &cell) { add(writtenCell(cell)); }
    void int16(qint16 number) { add(writtenNumber(number)); }
    void int32(qint32 number) { add(writtenNumber(number)); }

    const QString &text() const { return m_text; }
    bool holdsLineBreak() const { return m_lineBreak; }

private:
    void add(const QString &line)
    {
        // A line break inside a value would shift every line after it.
        m_lineBreak = m_lineBreak || line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n'));
        m_text += line;
        m_text += QLatin1String("\r\n");
    }

    QString m_text;
    bool m_lineBreak = false;
};
} // namespace

std::optional<QByteArray> writeSave(GameState &state)
{
    const std::optional<qint32> checksum = saveChecksum(state.Chara);
    if (!checksum)
        return std::nullopt;
    GameState saved = state;
    saved.varCheckSum = *checksum;

    LineWriter writer;
    visitSaveLayout(std::as_const(saved), writer);
    if (writer.holdsLineBreak())
        return std::nullopt;
    std::optional<QByteArray> bytes = encodeSaveText(writer.text());
    if (bytes)
        state.varCheckSum = *checksum;
    return bytes;
}
