#pragma once
// Window form3 "读取", the data backup window: mirrors the BackupView kept by
// the core and forwards clicks to the data backup operations.

#include "link/Link.h"
#include "link/PortControl.h"
#include "memory/BackupView.h"
#include "memory/DataBackup.h"
#include "shared/Ui.h"

#include <QPushButton>
#include <QSize>
#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;

namespace cs::ui {

// A button whose caption wraps (between words, or between Chinese characters)
// when the button is narrower than its text: the memory dump button.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    // Where the caption is drawn, and how.
    QRect captionRect() const { return rect().adjusted(2, 2, -2, -2); }
    static constexpr int CaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

protected:
    void paintEvent(QPaintEvent*) override;
};

class BackupWindow : public QWidget {
    Q_OBJECT
public:
    BackupWindow(Link& link, PortControl& port, Ui& ui, QWidget* parent = nullptr);

    // Outer window size as designed: compact 5985 x 2750 twips, full 5985 x 6800.
    static QSize outerSize(bool full);
    // Client area inside that outer size, for the frame the design was drawn
    // with (4 px borders, 23 px caption), whatever the window system's frame is:
    // the compact size then ends above the headings at 2400 twips.
    QSize clientSize(bool full) const;

    BackupView& view() { return view_; }
    DataBackup& backup() { return backup_; }

protected:
    // Every non-spontaneous show is a new opening of the window: load it.
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void build();
    void applyView();
    void applySize();
    void layoutReportArea();
    void showReportByType();

    Link& link_;
    PortControl& port_;
    Ui& ui_;
    BackupView view_;
    DataBackup backup_;
    QString shownText_;
    int appliedSizeSettings_ = -1; // view_.sizeSettings when the size was last set

    // Command1 .. Command8, Label1 .. Label7, Combo1, Check1, ProgressBar1 and
    // Text1, in that order.
    QPushButton* readHostButton_ = nullptr;
    QPushButton* readBuiltInButton_ = nullptr;
    QPushButton* readExternalButton_ = nullptr;
    QPushButton* dumpButton_ = nullptr;
    QPushButton* showReportButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QPushButton* downloadButton_ = nullptr;
    QLabel* progressCaption_ = nullptr;
    QLabel* dumpHeading_ = nullptr;
    QLabel* pagerHeading_ = nullptr;
    QLabel* tableHeading_ = nullptr;
    QLabel* reportCaption_ = nullptr;
    QLabel* hostStatus_ = nullptr;
    QLabel* receiverStatus_ = nullptr;
    QComboBox* reportKindList_ = nullptr;
    QCheckBox* verifyCheck_ = nullptr; // the download reads the unit back and compares
    QProgressBar* progressBar_ = nullptr;
    QPlainTextEdit* reportText_ = nullptr; // the dump or the report
};

} // namespace cs::ui
