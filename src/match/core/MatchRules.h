#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The rules of a fight: damage, guard heights, the opponent's speed, recovery, sweat,
// the sparring evaluation, the result codes of the fight record and the ladder.

// The shortest action interval of an opponent, in ms.
constexpr qint64 MinimumActionInterval = 100;

// How far a punch lands from the glove on its side: |button index − guard height| (0, 1 or 2 in play).
int punchDistance(int buttonIndex, int guardHeight);
// The divisor of the player's punch at that distance (75, 21, 7), or none outside the table.
std::optional<int> punchDivisor(int distance);
// The sound of the player's punch at that distance ("punchGuard.wav", "punchHit.wav",
// "punchBigHit.wav"), or an empty text outside the table.
QString punchSound(int distance);
// Damage of a punch of that power against that divisor for the draw r: Int(r × P / D) + Int(P / D × 0.8).
int hitDamage(int power, int divisor, double r);
// Divisor of the opponent's punch: 18 against a guarding player, else 7.
int enemyPunchDivisor(bool playerGuards);

// The height 1 (high) to 3 (low) of a glove for the draw r: Int(r × 3) + 1.
int guardHeightFromDraw(double r);
// The top in twips of a glove (part 0) or forearm (part 1) held at a height 1 to 3.
int armTop(int height, int part);

// The opponent's action interval in a bout: 1000 − 10 × (its quickness − the player's), before the floor.
qint64 boutActionInterval(int enemyQuickness, int playerQuickness);
// The partner's action interval in sparring: 1000 − 3 × the next opponent's quickness, before the floor.
qint64 sparringActionInterval(int nextEnemyQuickness);

// Int(factor × value) with the double constant factor (0.6, 0.7, 0.8, 1.1).
int scaled(double factor, int value);

// Strength the opponent regains per tick of an interval: Int(guts / 38).
int intervalRecovery(int guts);
// Strength regained per tick while down, by the opponent or by a click of the player: Int(guts / 9).
int knockdownRecovery(int guts);
// The strength after a gain, cut to the cap.
int recoveredStrength(int strength, int gain, int cap);

// Whether a strength that fell to this value makes the opponent sweat: below a fifth of its full strength.
bool sweatsAt(int strength, int fullStrength);
// Whether the sweat dries off at this strength: above a fifth of its full strength.
bool sweatDriesAt(int strength, int fullStrength);

// What a sparring taught the player.
enum class SparringGain { Great, Some, None };
// The lesson of a sparring from both remaining strengths: d = partner − player compared
// with a fifth and a tenth of the player's strength.
SparringGain sparringGain(int partnerStrength, int playerStrength);

// Results of a bout as the fight screen keeps them.
enum WinLose { WinLoseNone = 0, WinLoseWin = 1, WinLoseLoss = 2, WinLoseDraw = 3 };
// The fight record's code for a result in round r: 1..12 win before the bell, 13 decision win,
// 14..25 loss before the bell, 26 decision loss, 27 draw; 0 for no result.
int resultCode(int winLose, int round, bool decision);

// The number of rounds after a win that makes row nextEnemy the next opponent.
int roundsForNextEnemy(int nextEnemy, int currentRounds);
// Whether a career with these wins and losses is over: losses exceed wins by more than one.
bool careerIsOver(int wins, int losses);

// The record row the next bout is written to, or none when the record is full (it holds
// capacity bouts) or its count is out of range.
std::optional<int> nextRecordRow(int recordedBouts, int capacity);

// The round clock as shown: minutes, a colon and two-digit seconds.
QString clockText(int minutes, int seconds);
