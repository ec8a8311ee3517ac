// Feeds arbitrary bytes to the save-file reader, as a hand-edited or damaged file would
// reach it: a file it refuses must leave the career exactly as it was, and a career it
// takes must save and read back to the same career.
#include "data/GameStateJson.h"
#include "files/core/SaveReader.h"
#include "files/core/SaveWriter.h"

#include <QByteArrayView>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    GameState state;
    state.varFileName = QStringLiteral("career.sav");
    const QJsonObject before = gameStateToJson(state);

    if (readSave(bytes, state) != SaveRejection::None) {
        if (gameStateToJson(state) != before)
            std::abort();
        return 0;
    }

    // A taken career writes out again, and that file reads back to the same career.
    const std::optional<QByteArray> saved = writeSave(state);
    if (!saved)
        return 0;
    GameState reloaded;
    reloaded.varFileName = state.varFileName;
    if (readSave(*saved, reloaded) != SaveRejection::None)
        std::abort();
    if (writeSave(reloaded) != saved)
        std::abort();
    return 0;
}
