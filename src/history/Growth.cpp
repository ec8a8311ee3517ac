#include "history/Growth.h"

#include "app/Game.h"
#include "ending/Ending.h"
#include "history/GrowthChart.h"
#include "hub/MainCommand.h"
#include "platform/CloseKeys.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
#include "platform/core/SafeFileWrite.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int ClientWidth = 10800;
constexpr int ClientHeight = 6960;
} // namespace

Growth::Growth(Game &game) : m_game(game)
{
    setObjectName(QStringLiteral("Growth"));
    setWindowTitle(QStringLiteral("成長記録"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setClientSizeTwips(this, ClientWidth, ClientHeight);

    auto *title = new QLabel(QStringLiteral("成長記録"), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(gothicFont(20.25));
    title->setAlignment(Qt::AlignCenter);
    placeTwips(title, 3600, 120, 3600, 420);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblNote"));
    m_note->setFont(gothicFont(9, false));
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    placeTwips(m_note, 120, 600, 10560, 255);

    m_chart = new GrowthChart(this);
    m_chart->setFont(gothicFont(8.25, false));
    placeTwips(m_chart, 120, 900, 10560, 5280);

    auto *save = new QPushButton(QStringLiteral("画像として保存"), this);
    save->setObjectName(QStringLiteral("cmdSavePicture"));
    save->setFont(gothicFont(9));
    placeTwips(save, 120, 6360, 2040, 435);
    connect(save, &QPushButton::clicked, this, &Growth::savePicture);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setFont(gothicFont(12));
    placeTwips(m_ok, 4852, 6300, 1095, 495);
    connect(m_ok, &QPushButton::clicked, this, &Growth::okClicked);
    new CloseKeys(*this, *m_ok);
}

void Growth::subOriginal()
{
    const CareerHistory &history = m_game.history();
    m_chart->setHistory(history, m_game.state().Chara(CharaTable::PlayerRow, CharaTable::Name).toText());
    if (history.startDay() > 1) {
        m_note->setText(QStringLiteral("このセーブデータには%1日目より前の記録がないため、%1日目からの記録です。")
                            .arg(history.startDay()));
        m_note->show();
    } else {
        m_note->clear();
        m_note->hide();
    }
}

void Growth::showOver(QWidget &opener)
{
    opener.setEnabled(false);
    subOriginal();
    // An Enter at once closes the screen, never opens the file box.
    m_ok->setFocus(Qt::OtherFocusReason);
    showCentredOver(*this, &opener);
}

void Growth::savePicture()
{
    const QString boxer = m_game.state().Chara(CharaTable::PlayerRow, CharaTable::Name).toText();
    const QString suggested = QDir::current().filePath(boxer + QStringLiteral("_成長記録.png"));
    const QString path = m_game.prompter().saveFileName(QStringLiteral("画像として保存"), suggested,
                                                        QStringLiteral("PNG 画像 (*.png)"));
    if (path.isEmpty())
        return;
    // Made in memory and written as a save is, whole or not at all: a full disk leaves any old
    // picture as it was.
    QByteArray picture;
    QBuffer buffer(&picture);
    if (!buffer.open(QIODevice::WriteOnly) || !m_chart->grab().save(&buffer, "PNG") ||
        !writeFileSafely(path, picture)) {
        m_game.message(QStringLiteral("「") + QDir::toNativeSeparators(path) +
                       QStringLiteral("」に画像を保存できませんでした。"));
    }
}

QWidget &Growth::opener()
{
    if (m_game.state().varEndFlag == 1)
        return m_game.ending();
    return m_game.hub();
}

void Growth::okClicked()
{
    hide();
    opener().setEnabled(true);
}

void Growth::closeEvent(QCloseEvent *event)
{
    event->accept();
    opener().setEnabled(true);
}
