#pragma once
// The windows of the installer's batch work, opened from the main window's
// menu: the pager import (a preview of every row of a pager file, then the
// rows set with progress), table learning in a row (which table waits for its
// caller's key, large, and the tables learned), and two backups compared. They
// mirror PagerImport, LearningRun and compareBackups and forward clicks; their
// stop buttons stay clickable while the exchanges wait.

#include "commands/LearningRun.h"
#include "commands/PagerImport.h"
#include "link/EventLoopWaiter.h"
#include "ui/FieldWindow.h"
#include "ui/WidgetUi.h"

#include <QWidget>
#include <memory>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace cs::ui {

// While it lives, input reaches `stop` during waits, and nothing else does.
class StopPassage {
public:
    explicit StopPassage(QAbstractButton* stop);

private:
    WaitPassage passage_;
};

class ImportWindow : public QWidget {
    Q_OBJECT
public:
    ImportWindow(Link& link, Commands& commands, Ui& ui, QWidget* parent = nullptr);
    PagerImport& import() { return import_; }

private:
    void write();
    void mirror();

    PagerImport import_;
    QPushButton* open_ = nullptr;
    QLabel* fileName_ = nullptr;
    QTableWidget* preview_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* write_ = nullptr;
    QPushButton* stop_ = nullptr;
};

class LearningWindow : public QWidget, public ShowsPrompts, public FieldWindow {
    Q_OBJECT
public:
    LearningWindow(Link& link, Commands& commands, Ui& ui, QWidget* parent = nullptr);
    LearningRun& run() { return run_; }

private:
    void start();
    void mirror();

    LearningRun run_;
    QLineEdit* firstTableEdit_ = nullptr;
    QLineEdit* lastTableEdit_ = nullptr;
    QLineEdit* ownKeyEdit_ = nullptr;
    QLineEdit* pagerEdits_[3] = {}; // pagers 1..3
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* waiting_ = nullptr;
    QLabel* prompt_ = nullptr;
    QTableWidget* learned_ = nullptr;
    QLabel* status_ = nullptr;
};

class CompareWindow : public QWidget {
    Q_OBJECT
public:
    explicit CompareWindow(Ui& ui, QWidget* parent = nullptr);
    void compare();

private:
    Ui& ui_;
    QLineEdit* files_[2] = {};
    QLabel* summary_ = nullptr;
    QPlainTextEdit* differences_ = nullptr;
};

} // namespace cs::ui
