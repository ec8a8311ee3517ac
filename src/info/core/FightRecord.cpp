#include "info/core/FightRecord.h"

#include <algorithm>

namespace FightRecord {

namespace {
constexpr int LastKoWin = 12;
constexpr int DecisionWin = 13;
constexpr int LastKoLoss = 25;
constexpr int DecisionLoss = 26;
constexpr int Draw = 27;
} // namespace

QStringList header()
{
    return {QStringLiteral("対戦No"), QStringLiteral("ボクサー名"), QStringLiteral("結果")};
}

QString resultText(int code)
{
    if (code >= 1 && code <= LastKoWin)
        return QString::number(code) + QStringLiteral("RKO勝ち");
    if (code == DecisionWin)
        return QStringLiteral("判定勝ち");
    if (code > DecisionWin && code <= LastKoLoss)
        return QString::number(code - DecisionWin) + QStringLiteral("RKO負け");
    if (code == DecisionLoss)
        return QStringLiteral("判定負け");
    if (code == Draw)
        return QStringLiteral("ドロー");
    return {};
}

QList<QStringList> rows(const GameState &state)
{
    // A damaged save file may carry any count; the grid never reads past the record's rows.
    const int count = std::clamp(state.varSensekiCount, 0, GameState::SensekiCapacity);
    QList<QStringList> result;
    result.reserve(count);
    for (int k = 1; k <= count; ++k) {
        const auto &bout = state.varSenseki[static_cast<std::size_t>(k)];
        result.append({QString::number(k), bout[0].toText(), resultText(bout[1].toInt())});
    }
    return result;
}

} // namespace FightRecord
