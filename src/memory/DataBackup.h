#pragma once
// The operations of the data backup window form3: memory reads from the host
// unit (and, from hidden buttons, from a receiver), the ".cat" backup file, the
// download into the host unit, the memory dump and the window's load state.
// They work on the program-wide state and show their results in a BackupView.

#include "link/Link.h"
#include "link/PortControl.h"
#include "memory/BackupView.h"

#include <QString>

namespace cs {

class DataBackup {
public:
    DataBackup(Link& link, PortControl& port, BackupView& view)
        : link_(link), port_(port), view_(view) {}

    // Clicks on Label5 that reveal Command4.
    static constexpr int RevealClicks = 5;

    void load();                  // window load
    void readHost();              // Command1 "读取主机"
    void readBuiltInReceiver();   // Command2 "读取内置接收机" (hidden)
    void readExternalReceiver();  // Command3 "读取外置接收机" (hidden)
    void memoryDump();            // Command4 "内存排列"
    void saveFile();              // Command6 "保存文件"
    void openFile();              // Command7 "打开文件"
    void download();              // Command8 "下发主机"
    // True when the last read or download ran to its end.
    bool completed() const { return completed_; }
    void label5Click();

    // Writes the request in TxBuffer (same frame as SendFrame); false when the
    // port did not take it.
    bool sendtocom();
    // Append the data of the accepted block reply (RxBuffer[3 .. n+2]) to
    // ReadArea at ReadAreaIndex; false, with nothing written, when it would not
    // fit. frgmainram places host blocks, frgsubram receiver blocks.
    bool frgmainram();
    bool frgsubram();

private:
    enum class Unit { Host, BuiltInReceiver, ExternalReceiver };
    bool readMemory(Unit unit);
    bool transfer();
    bool appendReplyData();
    // A block went unanswered or was refused: the message, compact size and
    // the idle caption of Label1.
    void breakOff(const QString& message, const QString& idleCaption);
    // Any other failure: the operation's own text, progress 0, compact size.
    void fail(const QString& message);
    // The write did not reach the line: release the port so that the next
    // operation opens it again.
    void releasePort();

    Link& link_;
    PortControl& port_;
    BackupView& view_;
    bool completed_ = false;
};

} // namespace cs
