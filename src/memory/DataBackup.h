#pragma once
// The data backup window form3 as the windows run it: its buttons call the
// memory transfers and backup file operations of the core, mirror their
// progress in the window's state (BackupView) and show their outcomes as the
// window's message boxes.

#include "link/Link.h"
#include "link/PortControl.h"
#include "memory/BackupView.h"
#include "memory/Transfers.h"
#include "shared/Ui.h"

namespace cs {

// What the progress caption says while a transfer runs, in the data backup
// window's words ("正在读取主机内容……"); the command line shows it above its bar.
QString readingCaption(MemoryUnit unit);
QString downloadingCaption();
// The checked download after its last block, while it reads the unit back.
QString checkingCaption();

// Told of the host image's life in the data backup window, for an editor of it.
class ImageWatch {
public:
    virtual ~ImageWatch() = default;
    // Before a read or an opened file replaces the host image; false keeps it.
    virtual bool mayReplace() = 0;
    // A read (no file name) or an opened file replaced it.
    virtual void replaced(const QString& fileName) = 0;
    // It was saved to a file.
    virtual void saved(const QString& fileName) = 0;
};

class DataBackup {
public:
    DataBackup(Link& link, PortControl& port, BackupView& view, Ui& ui)
        : link_(link)
        , port_(port)
        , view_(view)
        , ui_(ui)
    {
    }

    // Clicks on Label5 that reveal Command4.
    static constexpr int RevealClicks = 5;

    void load();                    // window load
    Outcome readHost();             // Command1 "读取主机"
    Outcome readBuiltInReceiver();  // Command2 "读取内置接收机" (hidden)
    Outcome readExternalReceiver(); // Command3 "读取外置接收机" (hidden)
    void memoryDump();              // Command4 "内存排列"
    void saveFile();                // Command6 "保存文件"
    void openFile();                // Command7 "打开文件"
    Outcome download();             // Command8 "下发主机"; read back and compared when `verify`
    void label5Click();

    // The download reads the unit back and compares it with the backup.
    bool verify = false;
    // Told of reads, opened files and saves of the host image; may be none.
    ImageWatch* watch = nullptr;

private:
    Outcome read(MemoryUnit unit);
    // The dump or report in Text1 made again from the images held now.
    void showHeldImage();
    // Label6 and Label1 after a host read that broke off.
    void showReadFailed();
    // Shows a transfer's outcome in the window: its message box, then the
    // window's size and captions as the transfer ended.
    void finish(const Outcome& outcome, const QString& idleCaption);
    TransferControl progress(const QString& busyCaption, int maximum);

    Link& link_;
    PortControl& port_;
    BackupView& view_;
    Ui& ui_;
};

} // namespace cs
