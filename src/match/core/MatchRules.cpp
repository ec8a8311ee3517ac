#include "match/core/MatchRules.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

int punchDistance(int buttonIndex, int guardHeight)
{
    return std::abs(buttonIndex - guardHeight);
}

std::optional<int> punchDivisor(int distance)
{
    switch (distance) {
    case 0:
        return 75;
    case 1:
        return 21;
    case 2:
        return 7;
    default:
        return std::nullopt;
    }
}

QString punchSound(int distance)
{
    switch (distance) {
    case 0:
        return QStringLiteral("punchGuard.wav");
    case 1:
        return QStringLiteral("punchHit.wav");
    case 2:
        return QStringLiteral("punchBigHit.wav");
    default:
        return {};
    }
}

int hitDamage(int power, int divisor, double r)
{
    // Both terms in double arithmetic and in this order: the second one is what makes a
    // guarded punch of power 100 still do 1 (100 / 75 × 0.8 = 1.07) while 75 does 0.
    const double drawn = r * power / divisor;
    const double base = double(power) / divisor * 0.8;
    return static_cast<int>(std::floor(drawn)) + static_cast<int>(std::floor(base));
}

int enemyPunchDivisor(bool playerGuards)
{
    return playerGuards ? 18 : 7;
}

int guardHeightFromDraw(double r)
{
    return static_cast<int>(std::floor(r * 3)) + 1;
}

int armTop(int height, int part)
{
    const int base = height == 1 ? 320 : height == 3 ? 1220 : 720;
    return base + 240 * part;
}

qint64 boutActionInterval(int enemyQuickness, int playerQuickness)
{
    return 1000 - 10 * qint64(enemyQuickness - playerQuickness);
}

qint64 sparringActionInterval(int nextEnemyQuickness)
{
    return 1000 - 3 * qint64(nextEnemyQuickness);
}

int scaled(double factor, int value)
{
    return static_cast<int>(std::floor(factor * value));
}

int intervalRecovery(int guts)
{
    return guts / 38;
}

int knockdownRecovery(int guts)
{
    return guts / 9;
}

int recoveredStrength(int strength, int gain, int cap)
{
    return std::min(strength + gain, cap);
}

bool sweatsAt(int strength, int fullStrength)
{
    return 5 * qint64(strength) < fullStrength;
}

bool sweatDriesAt(int strength, int fullStrength)
{
    return 5 * qint64(strength) > fullStrength;
}

SparringGain sparringGain(int partnerStrength, int playerStrength)
{
    // Exact fractions of the player's strength, compared without rounding.
    const qint64 lead = qint64(partnerStrength) - playerStrength;
    if (5 * lead > playerStrength)
        return SparringGain::Great;
    if (10 * lead > playerStrength)
        return SparringGain::Some;
    return SparringGain::None;
}

int resultCode(int winLose, int round, bool decision)
{
    switch (winLose) {
    case WinLoseWin:
        return decision ? 13 : round;
    case WinLoseLoss:
        return decision ? 26 : round + 13;
    case WinLoseDraw:
        return 27;
    default:
        return 0;
    }
}

int roundsForNextEnemy(int nextEnemy, int currentRounds)
{
    switch (nextEnemy) {
    case 5:
        return 6;
    case 8:
        return 8;
    case 11:
        return 10;
    case 15:
        return 12;
    default:
        return currentRounds;
    }
}

bool careerIsOver(int wins, int losses)
{
    return losses > wins + 1;
}

std::optional<int> nextRecordRow(int recordedBouts, int capacity)
{
    if (recordedBouts < 0 || recordedBouts >= capacity)
        return std::nullopt;
    return recordedBouts + 1;
}

QString clockText(int minutes, int seconds)
{
    return QString::number(minutes) + (seconds < 10 ? QStringLiteral(":0") : QStringLiteral(":")) +
           QString::number(seconds);
}
