#include "files/SaveLoadDialog.h"

#include "app/Game.h"
#include "platform/CloseKeys.h"
#include "platform/GameLabel.h"
#include "platform/ScreenScale.h"
#include "platform/ShapeWidget.h"
#include "platform/Twips.h"
#include "platform/core/FolderConfinement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>

namespace {
GameLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QFont &font)
{
    auto *label = new GameLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    return label;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, const QRect &place)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(gothicFont(9));
    placeTwips(button, place.left(), place.top(), place.width(), place.height());
    return button;
}

void place(QWidget *widget, const QRect &twips)
{
    placeTwips(widget, twips.left(), twips.top(), twips.width(), twips.height());
}
} // namespace

SaveLoadDialog::SaveLoadDialog(Game &game, const Texts &texts, const Places &places)
    : m_game(game), m_directory(QDir::currentPath())
{
    setObjectName(texts.name);
    setWindowTitle(texts.caption);
    setClientSizeTwips(this, places.client.width(), places.client.height());

    auto *frame = new ShapeWidget(ShapeWidget::Kind::Rectangle, this, QStringLiteral("Shape1"));
    frame->setFill(Qt::white);
    place(frame, places.frame);

    const int textWidth = places.client.width() - 2 * Margin;
    placeTwips(addLabel(this, QStringLiteral("Label1"), texts.heading, gothicFont(12)), Margin, 120, textWidth, 405);
    m_instruction = addLabel(this, QStringLiteral("Label2"), texts.instruction, gothicFont(9, false));
    m_instruction->setWordWrap(true);
    place(m_instruction, places.instruction);

    m_drives = new QComboBox(this);
    m_drives->setObjectName(QStringLiteral("Drive1"));
    place(m_drives, places.drives);
    connect(m_drives, &QComboBox::currentIndexChanged, this, &SaveLoadDialog::driveChosen);

    m_directories = new QTreeWidget(this);
    m_directories->setObjectName(QStringLiteral("Dir1"));
    m_directories->setHeaderHidden(true);
    m_directories->setRootIsDecorated(false);
    m_directories->setItemsExpandable(false);
    // Every level stays open, so the branch arrows would promise a folding that never comes.
    m_directories->setStyleSheet(QStringLiteral("QTreeView::branch { image: none; border-image: none; }"));
    // A list with a style sheet keeps the font it was polished with when the application's
    // changes, so it has one of its own that the window scale sizes.
    m_directories->setFont(gothicFont(9, false));
    place(m_directories, places.directories);
    connect(m_directories, &QTreeWidget::itemActivated, this, &SaveLoadDialog::directoryActivated);
    followScale();
    connect(&ScreenScale::instance(), &ScreenScale::changed, this, &SaveLoadDialog::followScale);

    m_open = addButton(this, QStringLiteral("Open"), texts.openCaption, places.open);
    connect(m_open, &QPushButton::clicked, this, &SaveLoadDialog::openClicked);
    QPushButton *cancel =
        addButton(this, QStringLiteral("Cancel"), QStringLiteral("キャンセル"), places.cancel);
    connect(cancel, &QPushButton::clicked, this, &SaveLoadDialog::cancelClicked);
    new CloseKeys(*this, *cancel);

    fillDrives();
    fillDirectories();
}

bool SaveLoadDialog::changeDirectory(const QString &path)
{
    const QString target = QDir::cleanPath(QDir(m_directory).absoluteFilePath(path));
    const QFileInfo info(target);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable())
        return false;
    if (!m_confinement.isEmpty() && !liesWithinFolder(target, m_confinement))
        return false;
    m_directory = target;
    fillDirectories();
    selectDriveOf(m_directory);
    directoryChanged();
    emit directoryChosen(m_directory);
    return true;
}

void SaveLoadDialog::refreshListing()
{
    fillDirectories();
    directoryChanged();
}

void SaveLoadDialog::tellCannotOpen(const QString &path)
{
    m_game.message(QStringLiteral("「") + QDir::toNativeSeparators(path) + QStringLiteral("」を開けませんでした。"));
}

void SaveLoadDialog::placeInTabOrder(QWidget *field)
{
    setTabOrder(m_directories, field);
    setTabOrder(field, m_open);
}

void SaveLoadDialog::followScale()
{
    // The spaces in the instruction mark where its lines break; a line too long for the box
    // in the Gothic faces found here is set a little smaller rather than split, afresh at
    // each scale since a font three times the size is not exactly three times as wide.
    m_instruction->setFont(gothicFont(9, false));
    m_instruction->shrinkToFit();
    m_directories->setIndentation(twipsToPixels(180));
}

void SaveLoadDialog::fillDrives()
{
    const QSignalBlocker quiet(m_drives);
    m_drives->clear();
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    std::sort(volumes.begin(), volumes.end(),
              [](const QStorageInfo &a, const QStorageInfo &b) { return a.rootPath() < b.rootPath(); });
    for (const QStorageInfo &volume : volumes)
        if (QFileInfo(volume.rootPath()).isDir())
            m_drives->addItem(QDir::toNativeSeparators(volume.rootPath()), volume.rootPath());
    selectDriveOf(m_directory);
}

void SaveLoadDialog::selectDriveOf(const QString &directory)
{
    const QString root = QStorageInfo(directory).rootPath();
    int index = m_drives->findData(root);
    const QSignalBlocker quiet(m_drives);
    if (index < 0) {
        m_drives->addItem(QDir::toNativeSeparators(root), root);
        index = m_drives->count() - 1;
    }
    m_drives->setCurrentIndex(index);
}

void SaveLoadDialog::fillDirectories()
{
    m_directories->clear();
    QStringList chain;
    for (QDir up(m_directory);;) {
        chain.prepend(up.absolutePath());
        if (up.isRoot() || !up.cdUp())
            break;
    }
    const QIcon openFolder = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedFolder = style()->standardIcon(QStyle::SP_DirIcon);
    QTreeWidgetItem *parent = nullptr;
    for (const QString &path : std::as_const(chain)) {
        const QString name = QDir(path).isRoot() ? QDir::toNativeSeparators(path) : QFileInfo(path).fileName();
        auto *item = parent ? new QTreeWidgetItem(parent, {name}) : new QTreeWidgetItem(m_directories, {name});
        item->setIcon(0, openFolder);
        item->setData(0, Qt::UserRole, path);
        item->setExpanded(true);
        parent = item;
    }
    const QFileInfoList subdirectories =
        QDir(m_directory).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &subdirectory : subdirectories) {
        auto *item = new QTreeWidgetItem(parent, {subdirectory.fileName()});
        item->setIcon(0, closedFolder);
        item->setData(0, Qt::UserRole, subdirectory.absoluteFilePath());
    }
    m_directories->setCurrentItem(parent);
    m_directories->scrollToItem(parent);
}

void SaveLoadDialog::driveChosen(int index)
{
    if (index < 0)
        return;
    if (changeDirectory(m_drives->itemData(index).toString()))
        return;
    // The change of drive is given up: the lists stay where they were.
    m_game.message(QStringLiteral("フロッピーディスクをセットして下さい。"));
    selectDriveOf(m_directory);
}

void SaveLoadDialog::directoryActivated(QTreeWidgetItem *item)
{
    const QString path = item->data(0, Qt::UserRole).toString();
    if (path != m_directory && !changeDirectory(path))
        tellCannotOpen(path);
}

void SaveLoadDialog::showEvent(QShowEvent *event)
{
    // The disk may have changed while the dialog was hidden; the place chosen stays if it still exists.
    while (!QFileInfo(m_directory).isDir() && !QDir(m_directory).isRoot())
        m_directory = QFileInfo(m_directory).absolutePath();
    fillDrives();
    fillDirectories();
    directoryChanged();
    QWidget::showEvent(event);
}

void SaveLoadDialog::closeEvent(QCloseEvent *event)
{
    event->ignore();
    cancelClicked();
}
