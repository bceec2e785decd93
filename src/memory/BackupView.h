#pragma once
// What the data backup window form3 shows, kept by the core: the operations of
// the window change it, the widget only mirrors it. Its texts are translated
// under the window's context "BackupWindow".

#include "shared/AppState.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <functional>

namespace cs {

class BackupView : public QObject {
    Q_OBJECT
public:
    // Window load: status labels from the flags, Command4 hidden, compact size,
    // Text1 empty, Combo1 at its first item.
    void load(bool hostImageLoaded, bool receiverImageLoaded);
    // Every control back to the window's design, as when the window is created
    // (a reused window opened again starts from here, then loads).
    void restoreDesign();

    bool fullSize = false; // compact 5985 x 2750 twips, full 5985 x 6800
    // Counts the operations that gave the window a size (load, reads, download,
    // dump, reports): the window takes fullSize only when this changed, so
    // progress steps and status changes keep a size the user chose.
    int sizeSettings = 0;
    void setSize(bool full)
    {
        fullSize = full;
        ++sizeSettings;
    }
    QString label1 = QCoreApplication::translate("BackupWindow", "读取进度条");
    bool label1Visible = true;
    QString label6 = QCoreApplication::translate("BackupWindow", "主机未读取");
    bool label6Visible = true;
    QString label7 = QCoreApplication::translate("BackupWindow", "分机未读取");
    bool label7Visible = false;
    bool label2Visible = false;   // dump heading
    bool label3Visible = false;   // pager list heading
    bool label4Visible = false;   // table list heading
    bool command4Visible = false; // memory dump button
    int progressMinimum = 0;
    int progressMaximum = 63;
    int progressValue = 0;
    bool progressVisible = true;
    QString text1;
    // What made text1 (the dump, a report), to make it again from the images
    // when a read or an open changes them; empty when text1 shows nothing.
    std::function<QString(const AppState&)> text1Source;
    int combo1Index = 0; // report kind
    int label5Clicks = 0;

    // Tells the widget to mirror the fields above now.
    void update() { emit changed(); }

signals:
    void changed();
};

} // namespace cs
