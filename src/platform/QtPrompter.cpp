#include "platform/QtPrompter.h"

#include "platform/ScreenScale.h"
#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace {
// The file box's room at the game's own size: wide enough for a folder's path and a list of names.
constexpr QSize FileDialogSize(640, 440);

// A box sizes itself to its text only as it shows; it is centred over the window it belongs
// to then, before it appears, rather than where Qt would guess.
template <typename Box> class CentredBox : public Box
{
public:
    using Box::Box;

protected:
    void showEvent(QShowEvent *event) override
    {
        Box::showEvent(event);
        centreOver(*this, this->parentWidget());
        // Without a window manager nothing else gives the box the keyboard.
        this->setAttribute(Qt::WA_KeyboardFocusChange);
        this->activateWindow();
    }
};

QMessageBox::Icon toQtIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Warning:
        return QMessageBox::Warning;
    case Prompter::Icon::Critical:
        return QMessageBox::Critical;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

std::unique_ptr<QMessageBox> QtPrompter::messageBox(const QString &text, Buttons buttons, Icon icon,
                                                   const QString &caption)
{
    auto box = std::make_unique<CentredBox<QMessageBox>>(toQtIcon(icon), caption, text, QMessageBox::NoButton,
                                                         QApplication::activeWindow());
    if (buttons == Buttons::YesNo) {
        QPushButton *yes = box->addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        box->addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        box->setDefaultButton(yes);
    } else {
        box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    }
    return box;
}

std::unique_ptr<QInputDialog> QtPrompter::inputBox(const QString &prompt, const QString &caption,
                                                   const QString &defaultText)
{
    auto dialog = std::make_unique<CentredBox<QInputDialog>>(QApplication::activeWindow());
    dialog->setWindowTitle(caption);
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultText);
    dialog->setOkButtonText(QStringLiteral("OK"));
    dialog->setCancelButtonText(QStringLiteral("キャンセル"));
    return dialog;
}

Prompter::Answer QtPrompter::showMessage(const QString &text, Buttons buttons, Icon icon, const QString &caption)
{
    const std::unique_ptr<QMessageBox> box = messageBox(text, buttons, icon, caption);
    box->exec();
    if (buttons == Buttons::YesNo)
        return box->buttonRole(box->clickedButton()) == QMessageBox::YesRole ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

QString QtPrompter::showInput(const QString &prompt, const QString &caption, const QString &defaultText)
{
    const std::unique_ptr<QInputDialog> dialog = inputBox(prompt, caption, defaultText);
    if (dialog->exec() != QDialog::Accepted)
        return {};
    // Confirmed empty, the answer is an empty text, never the null text of a Cancel.
    const QString text = dialog->textValue();
    return text.isNull() ? QStringLiteral("") : text;
}

QString QtPrompter::showSaveFileName(const QString &caption, const QString &suggested, const QString &filter)
{
    CentredBox<QFileDialog> dialog(QApplication::activeWindow(), caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(suggested);
    // Its texts grow with the window scale, so its room must too, within the screen it is on.
    const QSize roomy = (QSizeF(FileDialogSize) * ScreenScale::factor()).toSize();
    const QScreen *screen = dialog.screen();
    dialog.resize(screen ? roomy.boundedTo(screen->availableGeometry().size() * 9 / 10) : roomy);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
