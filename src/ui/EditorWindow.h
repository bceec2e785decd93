#pragma once
// The editor of the host image held by the data backup window: pagers, tables
// and settings as grids on three tabs, cells edited with the lists' words; undo
// and redo; save, save as, and the download with the read-back check. A face
// over EditSession: each edit's outcome is shown through the Ui.

#include "reports/EditSession.h"
#include "shared/Ui.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;

namespace cs::ui {

class EditorModel;

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    EditorWindow(EditSession& session, Ui& ui, QWidget* parent = nullptr);
    ~EditorWindow() override;

    EditSession& session() { return session_; }

    // The grids, in the order of their tabs.
    enum Grid { Pagers, Tables, Settings };
    QTableView* grid(Grid which) const { return grids_[which]; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void mirror();
    void deleteRow();
    void download();
    void present(const Outcome& outcome);

    EditSession& session_;
    Ui& ui_;
    EditorModel* models_[3] = {};
    QTableView* grids_[3] = {};
    QTabWidget* tabs_ = nullptr;
    QLabel* source_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* redo_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* addTable_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* saveAs_ = nullptr;
    QPushButton* download_ = nullptr;
};

} // namespace cs::ui
