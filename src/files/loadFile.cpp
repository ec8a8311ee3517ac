#include "files/loadFile.h"

#include "app/Game.h"
#include "files/core/SaveFile.h"
#include "history/core/HistoryFile.h"
#include "hub/MainCommand.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>

loadFile::loadFile(Game &game)
    : SaveLoadDialog(game,
                     {QStringLiteral("loadFile"), QStringLiteral("データのロード"),
                      QStringLiteral("ボクサーデータのロード"),
                      QStringLiteral("保存した場所を選び、ロードするファイルを選択して「ボクサーデータを開く」"
                                     "ボタンを押して下さい。"),
                      QStringLiteral("ボクサーデータを開く")},
                     {QSize(6480, 4680), QRect(240, 585, 6000, 525), QRect(120, 1200, 6240, 2760),
                      QRect(240, 1320, 2880, LineHeight), QRect(240, 1740, 2880, 2100), QRect(2280, 4080, 2520, 435),
                      QRect(4920, 4080, 1320, 435)})
{
    m_files = new QListWidget(this);
    m_files->setObjectName(QStringLiteral("File1"));
    placeTwips(m_files, 3360, 1320, 2880, 2520);
    placeInTabOrder(m_files);
    // Tabbing into the list makes its first file the current one without choosing it, and the
    // arrow keys cannot move past a single file: the file a keyboard points at is the one chosen.
    connect(m_files, &QListWidget::currentItemChanged, this, [](QListWidgetItem *current) {
        if (current && !current->isSelected())
            current->setSelected(true);
    });
    // Enter on a file opens it, as Enter on a folder of the directory list enters it.
    connect(m_files, &QListWidget::itemActivated, this, [this] { openButton()->click(); });
    directoryChanged();
}

void loadFile::directoryChanged()
{
    // The choice survives a refresh of the same directory as long as the file is still there.
    const QList<QListWidgetItem *> chosen = m_files->selectedItems();
    const QString previous = chosen.isEmpty() ? QString() : chosen.first()->text();
    const bool sameDirectory = m_listedDirectory == directory();
    m_files->clear();
    m_files->addItems(
        QDir(directory()).entryList({QStringLiteral("*.sav")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    m_listedDirectory = directory();
    if (!sameDirectory || previous.isEmpty())
        return;
    const QList<QListWidgetItem *> again = m_files->findItems(previous, Qt::MatchExactly);
    if (!again.isEmpty())
        m_files->setCurrentItem(again.first());
}

void loadFile::openClicked()
{
    const QList<QListWidgetItem *> chosen = m_files->selectedItems();
    if (chosen.isEmpty()) {
        m_game.message(QStringLiteral("ファイルが選択されていません。\r\nロードするファイルを選択して下さい。"));
        return;
    }
    const QString path = QDir::toNativeSeparators(QDir(directory()).filePath(chosen.first()->text()));
    GameState &state = m_game.state();
    const bool fromTitle = state.varTitleLoad == 1;
    switch (loadSaveFile(path, state)) {
    case SaveFileLoad::CannotOpen:
        tellCannotOpen(path);
        directoryChanged();
        return;
    case SaveFileLoad::Rejected:
        m_game.message(QStringLiteral("このセーブデータは「Ring Glory」のセーブデータではありません。\r\n"
                                      "「Ring Glory」で作成したセーブデータをご使用下さい。"));
        // From the title there is no career to go back to.
        if (fromTitle) {
            m_game.end();
            return;
        }
        returnToHub();
        return;
    case SaveFileLoad::Loaded:
        state.varFileName = path;
        loadHistory(path);
        if (fromTitle) {
            state.varTitleLoad = 0;
            showCentredOver(m_game.hub(), this);
        }
        returnToHub();
        return;
    }
}

void loadFile::loadHistory(const QString &savePath)
{
    const QString path = historyPathFor(savePath);
    HistoryLoad how = HistoryLoad::Loaded;
    m_game.history() = readHistoryFile(path, m_game.state(), &how);
    const bool unread = how == HistoryLoad::Broken || how == HistoryLoad::Foreign;
    m_game.unreadHistoryFile() = unread ? path : QString();
}

void loadFile::cancelClicked()
{
    GameState &state = m_game.state();
    if (state.varTitleLoad == 1) {
        m_game.openTitle(this);
        state.varTitleLoad = 0;
    } else {
        m_game.hub().subMainHyoji();
        m_game.hub().setEnabled(true);
    }
    hide();
}

void loadFile::returnToHub()
{
    MainCommand &hub = m_game.hub();
    hub.refreshCareer();
    hub.setEnabled(true);
    hide();
}
