#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <utility>

namespace cs::test {

ModalAnswerer::ModalAnswerer(int intervalMs)
{
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::tick);
    timer_.start(intervalMs);
}

QList<BoxSeen> ModalAnswerer::takeBoxes()
{
    return std::exchange(boxes_, {});
}

QList<DialogSeen> ModalAnswerer::takeDialogs()
{
    return std::exchange(dialogs_, {});
}

void ModalAnswerer::tick()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* w : windows)
        if (w->isVisible() && !w->objectName().isEmpty())
            seenVisible_.insert(w->objectName());

    QWidget* modal = QApplication::activeModalWidget();
    // Only a window the user can see takes clicks; one already answered is closing.
    if (!modal || !modal->isVisible() || !modal->windowHandle() || !modal->windowHandle()->isExposed())
        return;
    if (modal == answered_) {
        // A synthesized click can be lost while the window system is busy: press
        // the same button again instead of leaving the program waiting.
        if (answeredAt_.elapsed() >= RetryMs && answerButton_) {
            answerButton_->click();
            answeredAt_.restart();
        }
        return;
    }
    answered_ = modal;
    answerButton_ = nullptr;
    answeredAt_.restart();

    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxes_ << BoxSeen{box->windowTitle(), box->text(), int(box->icon())};
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            answerButton_ = ok;
            QTest::mouseClick(ok, Qt::LeftButton);
            return;
        }
        unexpected_ << QStringLiteral("QMessageBox without OK: ") + box->text();
        box->reject();
        return;
    }

    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
        const bool save = dialog->acceptMode() == QFileDialog::AcceptSave;
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        QPushButton* accept = buttons ? buttons->button(save ? QDialogButtonBox::Save : QDialogButtonBox::Open) : nullptr;
        if (fileNames_.isEmpty() || !name || !accept) {
            unexpected_ << QStringLiteral("file dialog left unanswered");
            dialog->reject();
            return;
        }
        const QString path = fileNames_.takeFirst();
        dialogs_ << DialogSeen{save, path};
        QTest::mouseClick(name, Qt::LeftButton);
        name->selectAll();
        QTest::keyClicks(name, path);
        answerButton_ = accept;
        QTest::mouseClick(accept, Qt::LeftButton);
        return;
    }

    unexpected_ << QString::fromLatin1(modal->metaObject()->className());
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

} // namespace cs::test
