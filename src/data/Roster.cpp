#include "data/Roster.h"

namespace {

struct RosterRow
{
    const char *name;
    const char *birthplace;
    int strength;
    const char *description; // the opponent's description; the player's row holds a number there instead
    int punch;
    int quick;
    int guts;
    int wins;
    int losses;
    int draws;
    const char *ranking;
};

constexpr int PlayerMaxStrength = 500;

constexpr RosterRow Roster[] = {
    {"主人公", "出身地", 500, nullptr, 40, 40, 40, 0, 0, 0, "ノーランカー"},
    {"タイガー銀川", "石川県", 540,
     "駆け出しのボクサー。これといって特徴はなく、負けも続いているので引退も考えている。", 38, 36, 32, 4, 6, 1,
     "日本ランキング１０位"},
    {"森下圭吾", "静岡県", 570, "自分よりも強い相手が苦手で、弱い相手に強いのでランキングを上がれないでいる。", 46,
     44, 45, 8, 4, 0, "日本ランキング６位"},
    {"加藤翔", "福岡県", 600, "勝負所で力を発揮できず、スランプ気味に陥っている。", 50, 58, 56, 10, 4, 2,
     "日本ランキング４位"},
    {"高城正晴", "鹿児島県", 615, "もう一度日本チャンピョンに返り咲こうと躍起になっている。", 71, 63, 64, 15, 6, 0,
     "日本ランキング１位"},
    {"岩田浩二", "愛知県", 640, "運を味方に付けてチャンピョンになれた新米チャンピョン。防衛回数は１回", 68, 68, 64,
     12, 2, 3, "日本チャンピョン"},
    {"朴東昇", "ソウル", 670, "韓国の星といわれたベテランボクサー。力がないぶんテクニックで相手を圧倒する。", 70, 87,
     73, 24, 13, 1, "ＯＰＢＦ９位"},
    {"野尻英明", "島根県", 694, "元日本チャンピョン。東洋太平洋で花を咲かそうとしているがいまひとつ。", 82, 84, 81,
     19, 4, 2, "ＯＰＢＦ５位"},
    {"プラサート・ウォン", "タイ", 794, "ムエタイから転向してきたボクサー。打たれ強さを武器としている。", 90, 89, 112,
     28, 5, 1, "ＯＰＢＦ３位"},
    {"趙剛烈", "北京", 768,
     "ＯＰＢＦのタイトルに何回も挑戦しているが、あとちょっとのところでどうしてもなれないでいる。", 98, 101, 97, 27,
     2, 0, "ＯＰＢＦ１位"},
    {"松永俊介", "岐阜県", 800, "４年も防衛し続けている長期政権チャンピョン。オールンドなボクサータイプ。", 112, 110,
     115, 31, 3, 0, "ＯＰＢＦチャンピョン"},
    {"諸葛文元", "洛陽", 862, "中国の英雄といわれた名ボクサー。華麗なステップで相手を翻弄する。", 124, 140, 119, 48,
     7, 2, "ＷＢＣ８位"},
    {"マイク・ストーン", "ワシントンDC", 882,
     "上を目指しているが、世界ランカーの厚い層に阻まれていて思うようにいかないでいる。", 131, 134, 137, 39, 4, 2,
     "ＷＢＣ６位"},
    {"ダリル・ヘイズ", "ニューヨーク", 907, "アメリカの天才ボクサー。ヒットアンドアウェイのアウトボクサー。", 140, 157,
     141, 41, 4, 0, "ＷＢＣ４位"},
    {"陳志豪", "サンフランシスコ", 1180, "連打を武器とするチャイニーズタウン育ちの香港人ボクサー。", 162, 154, 180, 72,
     4, 0, "ＷＢＣ３位"},
    {"宮坂剣一", "京都府", 1450, "鋭いストレートは日本刀のようだと記者から騒がれている日本人ボクサー。", 192, 190,
     166, 37, 4, 0, "ＷＢＣ２位"},
    {"ハンス・ベルガー", "ドイツ", 1850, "唯一敗北した相手であるサラサールに対抗意識を燃やしているサウスポーボクサー。",
     237, 260, 215, 102, 1, 0, "ＷＢＣ１位"},
    {"ミゲル・サラサール", "メキシコ", 2000, "１０年間世界チャンピョンの座にありながら、いまだ無敗を誇る超天才ボクサー。",
     250, 245, 247, 114, 0, 0, "ＷＢＣチャンピョン"},
};

constexpr const char *Captions[CharaTable::Columns] = {
    "ボクサー名", "出身地", "体力2",    "Max体力3", "パンチ力", "瞬発力",      "根性",
    "白星7",      "黒星",   "引き分け", "肌色",     "顔ファイル", "ランキング12",
};

} // namespace

void subCharaDataLoad(CharaTable &chara)
{
    for (int column = 0; column < CharaTable::Columns; ++column)
        chara(0, column) = Cell(Captions[column]);

    int row = CharaTable::PlayerRow;
    for (const RosterRow &entry : Roster) {
        chara(row, CharaTable::Name) = Cell(entry.name);
        chara(row, CharaTable::Birthplace) = Cell(entry.birthplace);
        chara(row, CharaTable::Strength) = Cell(entry.strength);
        chara(row, CharaTable::MaxStrength) =
            entry.description ? Cell(entry.description) : Cell(PlayerMaxStrength);
        chara(row, CharaTable::Punch) = Cell(entry.punch);
        chara(row, CharaTable::Quick) = Cell(entry.quick);
        chara(row, CharaTable::Guts) = Cell(entry.guts);
        chara(row, CharaTable::Wins) = Cell(entry.wins);
        chara(row, CharaTable::Losses) = Cell(entry.losses);
        chara(row, CharaTable::Draws) = Cell(entry.draws);
        chara(row, CharaTable::SkinColour) = Cell(QString());
        chara(row, CharaTable::FaceFile) = Cell(QString());
        chara(row, CharaTable::Ranking) = Cell(entry.ranking);
        ++row;
    }
}
