// Feeds arbitrary bytes to the history file's reader, as a hand-edited, damaged or foreign
// file would reach it: whatever it takes must write out again and read back to the same
// boxer and days.
#include "history/core/HistoryCsv.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<DecodedHistory> decoded = decodeHistoryCsv(bytes);
    if (!decoded)
        return 0;
    const int startDay = decoded->entries.isEmpty() ? 1 : decoded->entries.first().day;
    const QByteArray written =
        encodeHistoryCsv(CareerHistory::fromEntries(startDay, decoded->entries), decoded->boxerName);
    const std::optional<DecodedHistory> again = decodeHistoryCsv(written);
    if (!again || again->boxerName != decoded->boxerName || again->entries != decoded->entries)
        std::abort();
    return 0;
}
