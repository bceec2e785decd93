#include "ui/WidgetUi.h"
#include "ui/FieldWindow.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QWidget>

namespace cs::ui {

namespace {

// A window of the program's own: not a box, a dialog or a prompt window.
bool isOwner(const QWidget* window)
{
    return window && window->isWindow() && !qobject_cast<const QDialog*>(window)
        && !qobject_cast<const PromptWindow*>(window);
}

QString backupFilter()
{
    return QCoreApplication::translate("BackupWindow", "备份文件 (*.cat *.CAT)");
}

QWidget* fieldIn(QWidget* window, Field field)
{
    const auto* fields = dynamic_cast<const FieldWindow*>(window);
    return fields ? fields->fieldWidget(field) : nullptr;
}

} // namespace

WidgetUi::WidgetUi()
{
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        focusWatch_ = QObject::connect(app, &QApplication::focusChanged, app,
                                       [this](QWidget*, QWidget* now) {
                                           if (now && isOwner(now->window()))
                                               lastOwner_ = now->window();
                                       });
}

WidgetUi::~WidgetUi()
{
    QObject::disconnect(focusWatch_);
}

QWidget* WidgetUi::ownerWindow() const
{
    QWidget* active = QApplication::activeWindow();
    if (isOwner(active))
        return active;
    if (lastOwner_ && lastOwner_->isVisible())
        return lastOwner_;
    return nullptr;
}

std::unique_ptr<QMessageBox> WidgetUi::makeMessageBox(const Message& message, QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(titleText(message.title));
    box->setText(message.text);
    box->setTextFormat(Qt::PlainText);
    switch (message.style) {
    case Style::Stop:
        box->setIcon(QMessageBox::Critical);
        box->setStandardButtons(QMessageBox::Ok);
        break;
    case Style::OkCancel:
        box->setIcon(QMessageBox::Critical);
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    case Style::Info:
        box->setIcon(QMessageBox::NoIcon);
        box->setStandardButtons(QMessageBox::Ok);
        break;
    }
    return box;
}

bool WidgetUi::exec(const Message& message)
{
    auto box = makeMessageBox(message, ownerWindow());
    box->exec();
    // A box closed with the window's close button counts as its escape button.
    return box->standardButton(box->clickedButton()) != QMessageBox::Cancel;
}

void WidgetUi::message(const Message& message)
{
    exec(message);
}

bool WidgetUi::confirm(const Message& question)
{
    return exec(question);
}

void WidgetUi::tip(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, ownerWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// The field in the window the operation ran from, else in another window
// that has it (visible ones first).
void WidgetUi::setFocus(Field field)
{
    QWidget* w = fieldIn(ownerWindow(), field);
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const bool visible : {true, false})
        for (QWidget* window : windows)
            if (!w && window->isVisible() == visible)
                w = fieldIn(window, field);
    if (w)
        w->setFocus(Qt::OtherFocusReason);
}

PromptWindow* WidgetUi::prompt(Prompt which)
{
    auto it = prompts_.find(which);
    if (it != prompts_.end())
        return it->second.get();
    PromptWindow* created = which == Prompt::CallerKey ? PromptWindow::createForm2()
                                                       : PromptWindow::createForm4();
    prompts_.emplace(which, std::unique_ptr<PromptWindow>(created));
    return created;
}

void WidgetUi::showPrompt(Prompt which)
{
    QWidget* owner = ownerWindow();
    if (dynamic_cast<ShowsPrompts*>(owner))
        return;
    prompt(which)->showNow(owner);
}

void WidgetUi::hidePrompt(Prompt which)
{
    auto it = prompts_.find(which);
    if (it != prompts_.end())
        it->second->hide();
}

void WidgetUi::repaint()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        if (window->isVisible())
            window->repaint();
}

QString WidgetUi::chooseFile(bool save, const QString& filter, const QString& suffix)
{
    QFileDialog dialog(ownerWindow());
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

QString WidgetUi::chooseSaveFile()
{
    return chooseFile(true, backupFilter(), QString());
}
QString WidgetUi::chooseOpenFile()
{
    return chooseFile(false, backupFilter(), QString());
}

// A pager list saved without an extension gets ".csv".
QString WidgetUi::choosePagerFile(bool save)
{
    return chooseFile(save, QCoreApplication::translate("ImportWindow", "传呼机列表 (*.csv *.CSV)"),
                      QStringLiteral("csv"));
}

} // namespace cs::ui
