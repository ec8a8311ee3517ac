#pragma once

#include "data/Cell.h"
#include "data/CharaTable.h"

#include <QString>
#include <QtGlobal>
#include <array>

// Every process-wide variable of the game, by its game name and with the kind the
// game gives it: Cell for a variant, qint16 and qint32 for the 16- and 32-bit
// integers, QString for a text. The save file writes each as its kind demands.
struct GameState
{
    static constexpr int SensekiRows = 101; // row 0 unused, bouts 1 to 100
    static constexpr int SensekiCapacity = SensekiRows - 1;
    using SensekiTable = std::array<std::array<Cell, 2>, SensekiRows>;

    // Career variables, in the order the save file holds them.
    Cell varSetsumeiNo;
    std::array<qint16, 4> varSetsumeiOff{};
    CharaTable Chara;
    Cell varNowDate;
    Cell varNextDate;
    qint32 varYobi = 0;
    Cell varKaisen;
    qint32 varNowRound = 0;
    qint32 varNextEnemy = 0;
    qint16 varSparMode = 0;
    Cell varEnGuardR;
    qint32 varEnGuardL = 0;
    Cell varBagSwing;
    Cell varBagPos;
    Cell varBagHit;
    qint16 varBagMiss = 0;
    qint32 varKekka = 0;
    qint32 varSensekiCount = 0;
    SensekiTable varSenseki{};
    Cell varSandHit;
    Cell varSandMiss;
    Cell varBallHit;
    qint32 varBallMiss = 0;
    qint32 varCheckSum = 0;

    // Match variables: set up afresh by each sparring or bout.
    Cell varEnHP;
    Cell varEnPower;
    Cell varEnQuick;
    Cell varEnGuts;
    Cell varEnDamage;
    qint32 varMyDamage = 0;
    Cell varClockSec;
    qint32 varClockMin = 0;
    Cell varDownCount;
    qint32 varWakeUpCount = 0;

    // Process variables: never saved.
    QString varFileName;
    qint16 varTitleLoad = 0;
    qint16 varEndFlag = 0;
};

// Activity numbers shared by the hub's buttons, the instruction flags and the instructions dialog.
enum Activity { ActivitySandBag = 0, ActivityPunchingBall = 1, ActivitySparring = 2, ActivityBout = 3 };

// Values of varSparMode.
enum SparMode : qint16 { SparModeBout = 1, SparModeSparring = 2 };
