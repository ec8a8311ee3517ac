#include "options/SettingsDialog.h"

#include "app/Game.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStandardItemModel>
#include <algorithm>
#include <iterator>

namespace {
constexpr int ClientWidth = 5640;
constexpr int ClientHeight = 3480;
constexpr int CaptionLeft = 240;
constexpr int CaptionWidth = 1560;
constexpr int ChoiceLeft = 1920;
constexpr int ChoiceWidth = 3480;
constexpr int VolumeWidth = 2880;
constexpr int RowHeight = 330;

// The scales in the order of the scale list.
constexpr GameOptions::Scale Scales[] = {GameOptions::Scale::Auto, GameOptions::Scale::Percent100,
                                         GameOptions::Scale::Percent150, GameOptions::Scale::Percent200,
                                         GameOptions::Scale::Percent300};

QStringList scaleNames()
{
    return {QStringLiteral("自動 (デスクトップに合わせる)"), QStringLiteral("100%"), QStringLiteral("150%"),
            QStringLiteral("200%"), QStringLiteral("300%")};
}

QLabel *addCaption(QWidget *parent, const QString &name, const QString &text, int top)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(gothicFont(9, false));
    placeTwips(label, CaptionLeft, top, CaptionWidth, RowHeight);
    return label;
}

template <typename Control> Control *addChoice(QWidget *parent, const QString &name, int top, int width = ChoiceWidth)
{
    auto *control = new Control(parent);
    control->setObjectName(name);
    control->setFont(gothicFont(9, false));
    placeTwips(control, ChoiceLeft, top, width, RowHeight);
    return control;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, int left, int width)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(gothicFont(9, false));
    placeTwips(button, left, 2820, width, 405);
    return button;
}
} // namespace

SettingsDialog::SettingsDialog(Game &game, QWidget &owner) : QDialog(&owner), m_game(game)
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("設定"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Modal for the whole game, but shown without a nested event loop, so that the script
    // driver can go on; the clock is held instead.
    setWindowModality(Qt::ApplicationModal);
    setClientSizeTwips(this, ClientWidth, ClientHeight);

    addCaption(this, QStringLiteral("lblScale"), QStringLiteral("画面の大きさ"), 240);
    m_scale = addChoice<QComboBox>(this, QStringLiteral("cboScale"), 240);
    m_scale->addItems(scaleNames());

    addCaption(this, QStringLiteral("lblVolume"), QStringLiteral("音量"), 720);
    m_volume = addChoice<QSlider>(this, QStringLiteral("sldVolume"), 720, VolumeWidth);
    m_volume->setOrientation(Qt::Horizontal);
    m_volume->setRange(0, 100);
    m_volume->setPageStep(10);
    m_volumeText = new QLabel(this);
    m_volumeText->setObjectName(QStringLiteral("lblVolumeValue"));
    m_volumeText->setFont(gothicFont(9, false));
    m_volumeText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeTwips(m_volumeText, ChoiceLeft + VolumeWidth, 720, ChoiceWidth - VolumeWidth, RowHeight);
    m_mute = addChoice<QCheckBox>(this, QStringLiteral("chkMute"), 1140);
    m_mute->setText(QStringLiteral("音を消す"));

    addCaption(this, QStringLiteral("lblRiseAssist"), QStringLiteral("起き上がり"), 1680);
    m_riseAssist = addChoice<QCheckBox>(this, QStringLiteral("chkRiseAssist"), 1680);
    m_riseAssist->setText(QStringLiteral("立て！は押し続けるだけでよい"));

    addCaption(this, QStringLiteral("lblGuardCue"), QStringLiteral("ガードの表示"), 2160);
    m_guardCue = addChoice<QComboBox>(this, QStringLiteral("cboGuardCue"), 2160);
    m_guardCue->addItems({QStringLiteral("色"), QStringLiteral("色と太い輪郭")});

    QPushButton *defaults = addButton(this, QStringLiteral("cmdDefault"), QStringLiteral("既定に戻す"), 240, 1500);
    QPushButton *close = addButton(this, QStringLiteral("cmdClose"), QStringLiteral("閉じる"), 4140, 1260);
    close->setDefault(true);

    showOptions();
    connect(m_scale, &QComboBox::currentIndexChanged, this, &SettingsDialog::choose);
    connect(m_volume, &QSlider::valueChanged, this, &SettingsDialog::choose);
    connect(m_mute, &QCheckBox::toggled, this, &SettingsDialog::choose);
    connect(m_riseAssist, &QCheckBox::toggled, this, &SettingsDialog::choose);
    connect(m_guardCue, &QComboBox::currentIndexChanged, this, &SettingsDialog::choose);
    connect(defaults, &QPushButton::clicked, this, &SettingsDialog::restoreDefaults);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    // A `setting` line of a script changes the options while the dialog may be open.
    connect(&m_game, &Game::optionsChanged, this, &SettingsDialog::showOptions);
}

void SettingsDialog::keyPressEvent(QKeyEvent *event)
{
    auto *close = findChild<QPushButton *>(QStringLiteral("cmdClose"));
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && close) {
        close->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

SettingsDialog::~SettingsDialog()
{
    holdClock(false);
}

void SettingsDialog::showEvent(QShowEvent *event)
{
    holdClock(true);
    QDialog::showEvent(event);
}

void SettingsDialog::hideEvent(QHideEvent *event)
{
    holdClock(false);
    QDialog::hideEvent(event);
}

void SettingsDialog::holdClock(bool hold)
{
    if (hold == m_clockHeld)
        return;
    m_clockHeld = hold;
    if (hold)
        m_game.scheduler().pause();
    else
        m_game.scheduler().resume();
}

void SettingsDialog::showOptions()
{
    const GameOptions &options = m_game.options();
    const QSignalBlocker blockScale(m_scale);
    const QSignalBlocker blockVolume(m_volume);
    const QSignalBlocker blockMute(m_mute);
    const QSignalBlocker blockRise(m_riseAssist);
    const QSignalBlocker blockGuard(m_guardCue);
    // A scale at which some window would not fit the screen cannot be chosen, and says so.
    const QStringList names = scaleNames();
    auto *scales = qobject_cast<QStandardItemModel *>(m_scale->model());
    for (int i = 0; i < int(std::size(Scales)); ++i) {
        const bool fits = m_game.scaleFits(Scales[i]);
        m_scale->setItemText(i, fits ? names[i] : QStringLiteral("%1 (画面に収まりません)").arg(names[i]));
        scales->item(i)->setEnabled(fits);
        if (Scales[i] == options.scale)
            m_scale->setCurrentIndex(i);
    }
    m_volume->setValue(options.volume);
    m_volumeText->setText(QString::number(options.volume));
    m_mute->setChecked(options.mute);
    m_riseAssist->setChecked(options.riseAssist == GameOptions::RiseAssist::Hold);
    m_guardCue->setCurrentIndex(options.guardCue == GameOptions::GuardCue::Outline ? 1 : 0);
}

void SettingsDialog::choose()
{
    GameOptions options = m_game.options();
    options.scale = Scales[std::max(0, m_scale->currentIndex())];
    options.volume = m_volume->value();
    options.mute = m_mute->isChecked();
    options.riseAssist = m_riseAssist->isChecked() ? GameOptions::RiseAssist::Hold : GameOptions::RiseAssist::Off;
    options.guardCue = m_guardCue->currentIndex() == 1 ? GameOptions::GuardCue::Outline : GameOptions::GuardCue::Colour;
    m_volumeText->setText(QString::number(options.volume));
    m_game.setOptions(options);
}

void SettingsDialog::restoreDefaults()
{
    m_game.setOptions(GameOptions());
    showOptions();
}
