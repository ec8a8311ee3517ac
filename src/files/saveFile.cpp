#include "files/saveFile.h"

#include "app/Game.h"
#include "files/core/SaveFile.h"
#include "files/core/SaveName.h"
#include "history/core/HistoryFile.h"
#include "hub/MainCommand.h"
#include "platform/Twips.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

saveFile::saveFile(Game &game)
    : SaveLoadDialog(game,
                     {QStringLiteral("saveFile"), QStringLiteral("データのセーブ"),
                      QStringLiteral("ボクサーデータのセーブ"),
                      QStringLiteral("保存場所を選び、　　セーブするファイル名を入力して「保存」　"
                                     "ボタンを押して下さい。"),
                      QStringLiteral("保存")},
                     {QSize(3360, 5160), QRect(240, 585, 2880, 810), QRect(120, 1500, 3120, 2910),
                      QRect(240, 1620, 2880, LineHeight), QRect(240, 2040, 2880, 1800), QRect(480, 4560, 1200, 435),
                      QRect(1800, 4560, 1320, 435)})
{
    m_name = new QLineEdit(QStringLiteral("セーブファイル名(*.sav)"), this);
    m_name->setObjectName(QStringLiteral("Text1"));
    placeTwips(m_name, 240, 3960, 2880, LineHeight);
    connect(m_name, &QLineEdit::returnPressed, this, &saveFile::openClicked);
    placeInTabOrder(m_name);
}

bool saveFile::subSaveFile()
{
    GameState &state = m_game.state();
    switch (writeSaveFile(state.varFileName, state)) {
    case SaveFileWrite::Written:
        saveHistory();
        return true;
    case SaveFileWrite::UnwritableText:
        m_game.message(QStringLiteral("セーブできませんでした。\r\n"
                                      "ボクサー名などに、セーブできない文字が使われています。"));
        return false;
    case SaveFileWrite::CannotWrite:
        m_game.message(QStringLiteral("「") + state.varFileName +
                       QStringLiteral("」にセーブできませんでした。\r\n保存場所を確かめて下さい。"));
        return false;
    }
    return false;
}

void saveFile::saveHistory()
{
    const GameState &state = m_game.state();
    const QString path = historyPathFor(state.varFileName);
    const QString shownPath = QDir::toNativeSeparators(path);
    // A history the load could not use may hold days found nowhere else: it is kept under
    // another name, never written over.
    QString keptAs;
    QString &unread = m_game.unreadHistoryFile();
    if (!unread.isEmpty() && QFileInfo(unread) == QFileInfo(path)) {
        if (QFileInfo(path).isFile()) {
            keptAs = setHistoryFileAside(path);
            if (keptAs.isEmpty()) {
                m_game.message(
                    QStringLiteral("セーブはできましたが、読み込めない成長記録「") + shownPath +
                    QStringLiteral("」の名前を変えられないため、新しい成長記録は書き込みませんでした。"));
                return;
            }
        }
        unread.clear();
    }
    // The save itself is written; only the chart's days may not be, and then the old history file stays.
    switch (writeHistoryFile(path, m_game.history(),
                             state.Chara(CharaTable::PlayerRow, CharaTable::Name).toText())) {
    case HistoryWrite::Written:
        break;
    case HistoryWrite::CannotWrite:
        m_game.message(QStringLiteral("セーブはできましたが、成長記録「") + shownPath +
                       QStringLiteral("」を書き込めませんでした。\r\n保存場所の空きを確かめて下さい。"));
        break;
    case HistoryWrite::CannotHold:
        m_game.message(QStringLiteral("セーブはできましたが、成長記録「") + shownPath +
                       QStringLiteral("」は記録できる大きさや値を超えたため、書き込めませんでした。"));
        break;
    }
    if (!keptAs.isEmpty())
        m_game.message(
            QStringLiteral("「") + shownPath +
            QStringLiteral("」はこのセーブデータの成長記録として読み込めなかったため、消さずに「") +
            QDir::toNativeSeparators(keptAs) + QStringLiteral("」として残しました。"));
}

void saveFile::openClicked()
{
    const QString name = m_name->text();
    if (!isAcceptableSaveName(name)) {
        m_game.message(QStringLiteral("このファイル名ではセーブできません。\r\n別のファイル名を入力して下さい。"));
        return;
    }
    GameState &state = m_game.state();
    // A save that failed leaves the career pointing at the file it last saved or loaded.
    const QString previous = state.varFileName;
    state.varFileName = savePath(directory(), name);
    if (!subSaveFile()) {
        state.varFileName = previous;
        return;
    }
    hide();
    m_game.hub().setEnabled(true);
}

void saveFile::cancelClicked()
{
    hide();
    m_game.hub().setEnabled(true);
}
