#pragma once
// Answers the modal windows of the running program as a user would: every
// message box is read and its OK button clicked; a file dialog gets the file
// name queued for it, typed into its name field, and its accept button clicked.
// Polls from a timer, so it also runs inside the boxes' own event loops and
// inside the waits of an exchange. Notes the named windows it saw on screen.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QTimer>

namespace cs::test {

struct BoxSeen {
    QString title;
    QString text;
    int icon = 0;   // QMessageBox::Icon
    bool operator==(const BoxSeen&) const = default;
};

struct DialogSeen {
    bool save = false;   // a save dialog, else an open dialog
    QString fileName;    // what was typed
    bool operator==(const DialogSeen&) const = default;
};

class ModalAnswerer : public QObject {
    Q_OBJECT
public:
    explicit ModalAnswerer(int intervalMs = 40);

    // The file name typed into the next file dialog. A dialog with nothing
    // queued is cancelled, and so is any other unexpected modal window.
    void queueFileName(const QString& path) { fileNames_ << path; }

    // The boxes answered since the last take, in order.
    QList<BoxSeen> takeBoxes();
    QList<DialogSeen> takeDialogs();
    // Modal windows that were neither: their class names.
    QStringList unexpected() const { return unexpected_; }
    // Whether a top-level window of this object name was seen visible, since the last forget.
    bool seen(const QString& name) const { return seenVisible_.contains(name); }
    void forget(const QString& name) { seenVisible_.remove(name); }

private:
    static constexpr int RetryMs = 1000;
    void tick();
    QTimer timer_;
    QPointer<QWidget> answered_;   // clicked, waiting to go
    QPointer<QAbstractButton> answerButton_;   // the button that answered it
    QElapsedTimer answeredAt_;
    QStringList fileNames_;
    QList<BoxSeen> boxes_;
    QList<DialogSeen> dialogs_;
    QStringList unexpected_;
    QSet<QString> seenVisible_;
};

} // namespace cs::test
