#pragma once

#include "platform/Help.h"

class Game;
class QWidget;

// Opens the game's manual at the topic over the screen that asked; a manual that cannot be
// opened is explained in a message box and the game goes on.
void openHelp(Game &game, Help::Topic topic, const QWidget &screen);

// Opens the folder of recorded sessions in the desktop's file manager; a folder that cannot be
// opened is explained, with its place, in a message box and the game goes on.
void openRecordFolder(Game &game, const QWidget &screen);

// Connects a screen's help menu, the same on the title and on the hub: 目次 opens the
// manual's contents, ﾄﾋﾟｯｸの検索 its keyword index, プレイ記録のフォルダを開く the folder of
// recorded sessions, ﾊﾞｰｼﾞｮﾝ情報 the About box owned by the screen.
void connectHelpMenu(Game &game, QWidget &screen);
