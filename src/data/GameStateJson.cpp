#include "data/GameStateJson.h"

#include <QJsonArray>

QJsonValue cellToJson(const Cell &cell)
{
    if (cell.isNumber())
        return cell.toInt();
    if (cell.isText())
        return cell.toText();
    return QJsonValue::Null;
}

QJsonObject gameStateToJson(const GameState &s)
{
    QJsonObject json;
    json["varSetsumeiNo"] = cellToJson(s.varSetsumeiNo);
    QJsonArray off;
    for (qint16 flag : s.varSetsumeiOff)
        off.append(flag);
    json["varSetsumeiOff"] = off;

    QJsonArray chara;
    for (int row = 0; row < CharaTable::Rows; ++row) {
        QJsonArray cells;
        for (int column = 0; column < CharaTable::Columns; ++column)
            cells.append(cellToJson(s.Chara(row, column)));
        chara.append(cells);
    }
    json["Chara"] = chara;

    json["varNowDate"] = cellToJson(s.varNowDate);
    json["varNextDate"] = cellToJson(s.varNextDate);
    json["varYobi"] = s.varYobi;
    json["varKaisen"] = cellToJson(s.varKaisen);
    json["varNowRound"] = s.varNowRound;
    json["varNextEnemy"] = s.varNextEnemy;
    json["varSparMode"] = s.varSparMode;
    json["varEnGuardR"] = cellToJson(s.varEnGuardR);
    json["varEnGuardL"] = s.varEnGuardL;
    json["varBagSwing"] = cellToJson(s.varBagSwing);
    json["varBagPos"] = cellToJson(s.varBagPos);
    json["varBagHit"] = cellToJson(s.varBagHit);
    json["varBagMiss"] = s.varBagMiss;
    json["varKekka"] = s.varKekka;
    json["varSensekiCount"] = s.varSensekiCount;

    QJsonArray senseki;
    for (const auto &row : s.varSenseki)
        senseki.append(QJsonArray{cellToJson(row[0]), cellToJson(row[1])});
    json["varSenseki"] = senseki;

    json["varSandHit"] = cellToJson(s.varSandHit);
    json["varSandMiss"] = cellToJson(s.varSandMiss);
    json["varBallHit"] = cellToJson(s.varBallHit);
    json["varBallMiss"] = s.varBallMiss;
    json["varCheckSum"] = s.varCheckSum;

    json["varEnHP"] = cellToJson(s.varEnHP);
    json["varEnPower"] = cellToJson(s.varEnPower);
    json["varEnQuick"] = cellToJson(s.varEnQuick);
    json["varEnGuts"] = cellToJson(s.varEnGuts);
    json["varEnDamage"] = cellToJson(s.varEnDamage);
    json["varMyDamage"] = s.varMyDamage;
    json["varClockSec"] = cellToJson(s.varClockSec);
    json["varClockMin"] = s.varClockMin;
    json["varDownCount"] = cellToJson(s.varDownCount);
    json["varWakeUpCount"] = s.varWakeUpCount;

    json["varFileName"] = s.varFileName;
    json["varTitleLoad"] = s.varTitleLoad;
    json["varEndFlag"] = s.varEndFlag;
    return json;
}
