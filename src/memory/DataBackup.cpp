#include "memory/DataBackup.h"
#include "link/Frame.h"
#include "memory/BackupFile.h"
#include "memory/MemoryDump.h"

#include <QCoreApplication>

#include <algorithm>

namespace cs {

namespace {

// The texts of the data backup window, translated under its context.
struct BackupText {
    Q_DECLARE_TR_FUNCTIONS(BackupWindow)
};

// Looked up at each use: the translator is installed after start-up.
QString errorTitle() { return BackupText::tr("错误"); }
QString readIdle() { return BackupText::tr("读取进度条"); }
QString downloadIdle() { return BackupText::tr("下发进度条"); }
QString noLink() { return BackupText::tr("通讯失败！请检查连线！"); }

constexpr std::uint8_t ReadHostCode = 0x0D;
constexpr std::uint8_t ReadReceiverCode = 0x0E;
constexpr std::uint8_t WriteBlockCode = 0x18;
constexpr int BlockSize = 128;
constexpr int HostBlocks = HostMemorySize / BlockSize;          // 64
constexpr int ReceiverBlocks = ReceiverMemorySize / BlockSize;  // 2

struct ReadKind {
    std::uint8_t code;
    std::uint8_t payloadLength;
    int blocks;
    QString busyCaption;
    QString done;
    QString failed;
};

ReadKind readKind(bool host, bool external)
{
    if (host)
        return {ReadHostCode, 1, HostBlocks, BackupText::tr("正在读取主机内容……"),
                BackupText::tr("读取主机内容成功！"), BackupText::tr("读取主机内容失败！")};
    if (external)
        return {ReadReceiverCode, 2, ReceiverBlocks, BackupText::tr("正在读取外置接收机内容……"),
                BackupText::tr("读取外置接收机内容成功！"),
                BackupText::tr("读取外置接收机内容失败！")};
    return {ReadReceiverCode, 1, ReceiverBlocks, BackupText::tr("正在读取内置接收机内容……"),
            BackupText::tr("读取内置接收机内容成功！"), BackupText::tr("读取内置接收机内容失败！")};
}

} // namespace

void DataBackup::load()
{
    const AppState& s = link_.state();
    view_.load(s.HostImageLoaded, s.ReceiverImageLoaded);
}

void DataBackup::label5Click()
{
    if (view_.label5Clicks >= RevealClicks)
        return;
    if (++view_.label5Clicks == RevealClicks) {
        view_.command4Visible = true;
        view_.update();
    }
}

bool DataBackup::sendtocom()
{
    return link_.SendFrame();
}

bool DataBackup::appendReplyData()
{
    AppState& s = link_.state();
    const int n = s.RxBuffer[2];
    const int at = s.ReadAreaIndex;
    if (at < 0 || at + n > BufferCells)
        return false;
    std::copy_n(s.RxBuffer.begin() + 3, n, s.ReadArea.begin() + at);
    s.ReadAreaIndex = at + n;
    return true;
}

bool DataBackup::frgmainram()
{
    return appendReplyData();
}

bool DataBackup::frgsubram()
{
    return appendReplyData();
}

void DataBackup::breakOff(const QString& message, const QString& idleCaption)
{
    link_.ui().messageBox(message, StyleStop, errorTitle());
    view_.setSize(false);
    view_.label1 = idleCaption;
    view_.update();
}

void DataBackup::fail(const QString& message)
{
    link_.ui().messageBox(message, StyleStop, errorTitle());
    view_.progressValue = 0;
    view_.setSize(false);
    view_.update();
}

void DataBackup::releasePort()
{
    if (link_.state().PortIsOpen)
        port_.toggle();
}

void DataBackup::readHost()
{
    completed_ = readMemory(Unit::Host);
}

void DataBackup::readBuiltInReceiver()
{
    completed_ = readMemory(Unit::BuiltInReceiver);
}

void DataBackup::readExternalReceiver()
{
    completed_ = readMemory(Unit::ExternalReceiver);
}

bool DataBackup::readMemory(Unit unit)
{
    AppState& s = link_.state();
    Ui& ui = link_.ui();
    const bool host = unit == Unit::Host;
    const ReadKind kind = readKind(host, unit == Unit::ExternalReceiver);

    port_.EnsurePortOpen();
    if (!s.PortIsOpen)
        return false;
    try {
        link_.discardInput();
        s.LastReadFromReceiver = !host;
        view_.label3Visible = false;
        view_.label4Visible = false;
        s.ReadAreaIndex = 0;
        s.TxBuffer[0] = RequestMarker;
        s.TxBuffer[1] = kind.code;
        s.TxBuffer[2] = kind.payloadLength;
        if (unit == Unit::ExternalReceiver)
            s.TxBuffer[4] = 0x01;
        view_.setSize(false);
        view_.update();
        ui.repaint();
        view_.progressMinimum = 0;
        view_.progressMaximum = host ? HostBlocks - 1 : ReceiverBlocks;
        view_.progressVisible = true;
        view_.label1Visible = true;
        view_.label1 = kind.busyCaption;
        view_.update();
        ui.repaint();

        for (int b = 0; b < kind.blocks; ++b) {
            s.TxBuffer[3] = std::uint8_t(b);
            if (!sendtocom()) {
                releasePort();
                fail(kind.failed);
                return false;
            }
            s.ReplyRounds = 1;
            // A receiver first fetches its memory over the air: the first block takes long.
            s.ReplyWaitSeconds = host ? 0.2 : (b == 0 ? 9.0 : 1.0);
            link_.WaitReply();
            if (!s.ReplyOk) {
                breakOff(noLink(), readIdle());
                return false;
            }
            s.ReplyOk = false;
            view_.progressValue = host ? b : b + 1;
            view_.update();
            if (s.RxBuffer[2] != BlockSize) {
                breakOff(BackupText::tr("接收数据长度错误！"), readIdle());
                return false;
            }
            if (!(host ? frgmainram() : frgsubram())) {
                fail(kind.failed);
                return false;
            }
        }

        view_.progressValue = 0;
        view_.label1 = readIdle();
        view_.update();
        s.ImageDataPresent = true;
        s.LastLoadFromReceiver = !host;
        ui.messageBox(kind.done, StyleInfo, okTitle());
        if (host) {
            s.HostImage = s.ReadArea;
            view_.label6Visible = true;
            view_.label6 = BackupText::tr("主机内容已读取");
            s.HostImageLoaded = true;
        } else {
            s.ReceiverImage = s.ReadArea;
            s.ReceiverImageLoaded = true;
            view_.label7Visible = true;
            view_.label7 = BackupText::tr("分机内容已读取");
            view_.setSize(false);
        }
        view_.progressValue = 0;
        view_.update();
        return true;
    } catch (...) {
        fail(kind.failed);
        return false;
    }
}

void DataBackup::download()
{
    completed_ = transfer();
}

bool DataBackup::transfer()
{
    AppState& s = link_.state();
    Ui& ui = link_.ui();
    // With no image read or opened there is nothing to restore: sending the
    // empty image would wipe the unit.
    if (!s.HostImageLoaded) {
        ui.messageBox(BackupText::tr("主机数据未读取，无法下发！"), StyleStop, errorTitle());
        return false;
    }
    port_.EnsurePortOpen();
    if (!s.PortIsOpen)
        return false;
    const QString failed = BackupText::tr("下发主机内容失败！");
    try {
        link_.discardInput();
        view_.setSize(false);
        view_.update();
        ui.repaint();
        view_.progressMinimum = 0;
        view_.progressMaximum = HostBlocks - 1;
        view_.progressVisible = true;
        view_.label1Visible = true;
        view_.label1 = BackupText::tr("正在下发数据到主机……");
        view_.update();
        ui.repaint();

        for (int b = 0; b < HostBlocks; ++b) {
            s.TxBuffer[0] = RequestMarker;
            s.TxBuffer[1] = WriteBlockCode;
            s.TxBuffer[2] = BlockSize + 1;
            s.TxBuffer[3] = std::uint8_t(b);
            std::copy_n(s.HostImage.begin() + BlockSize * b, BlockSize, s.TxBuffer.begin() + 4);
            if (!sendtocom()) {
                releasePort();
                fail(failed);
                return false;
            }
            s.ReplyRounds = 1;
            s.ReplyWaitSeconds = 0.3;
            link_.WaitReply();
            if (!s.ReplyOk) {
                breakOff(noLink(), downloadIdle());
                return false;
            }
            s.ReplyOk = false;
            view_.progressValue = b;
            view_.update();
            if (s.RxBuffer[2] != 0x01) {
                breakOff(BackupText::tr("返回数据长度错误！"), downloadIdle());
                return false;
            }
        }

        view_.progressValue = 0;
        view_.label1 = downloadIdle();
        view_.update();
        ui.messageBox(BackupText::tr("下发备份数据到主机成功！"), StyleInfo, okTitle());
        view_.progressValue = 0;
        view_.update();
        return true;
    } catch (...) {
        fail(failed);
        return false;
    }
}

void DataBackup::saveFile()
{
    const AppState& s = link_.state();
    Ui& ui = link_.ui();
    if (!s.HostImageLoaded || !s.ImageDataPresent) {
        ui.messageBox(BackupText::tr("主机数据未读取，无法保存文件！"), StyleStop, errorTitle());
        return;
    }
    const QString name = ui.chooseSaveFile();
    if (name.isEmpty())
        return;   // dialog cancelled
    if (!hasBackupExtension(name)) {
        ui.messageBox(BackupText::tr("保存文件的扩展名必须为.cat！"), StyleStop, errorTitle());
        return;
    }
    if (!writeBackupFile(name, s.HostImage)) {
        ui.messageBox(BackupText::tr("文件%1保存失败！").arg(name), StyleStop, errorTitle());
        return;
    }
    ui.messageBox(BackupText::tr("记录已保存到%1").arg(name), StyleInfo, okTitle());
}

void DataBackup::openFile()
{
    AppState& s = link_.state();
    Ui& ui = link_.ui();
    port_.EnsurePortOpen();
    if (!s.PortIsOpen)
        return;
    const QString name = ui.chooseOpenFile();
    if (name.isEmpty())
        return;   // dialog cancelled
    if (!hasBackupExtension(name)) {
        ui.messageBox(BackupText::tr("请选择.cat文件"), StyleStop, errorTitle());
        return;
    }
    // The whole image is read before any cell changes: a short or unreadable
    // file leaves the image and its flags as they were.
    const std::optional<QByteArray> bytes = readBackupFile(name);
    if (!bytes) {
        ui.messageBox(BackupText::tr("文件%1打开失败！").arg(name), StyleStop, errorTitle());
        return;
    }
    std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes->constData()), HostMemorySize,
                s.HostImage.begin());
    ui.messageBox(BackupText::tr("已成功打开备份文件%1").arg(name), StyleInfo, okTitle());
    s.HostImageLoaded = true;
    s.ImageDataPresent = true;
    s.LastLoadFromReceiver = false;
    view_.label6Visible = true;
    view_.label6 = BackupText::tr("主机内容已读取");
    view_.update();
}

void DataBackup::memoryDump()
{
    const AppState& s = link_.state();
    if (!s.ImageDataPresent) {
        link_.ui().messageBox(
            BackupText::tr("读取数据区为空，请先读取主机或分机内容后再点击此按钮！"), StyleInfo,
            errorTitle());
        return;
    }
    view_.label3Visible = false;
    view_.label4Visible = false;
    view_.label2Visible = true;
    view_.setSize(true);
    // After a completed receiver read its own 256 cells are shown; after a
    // host read, an opened file or a receiver read that broke off, the host image.
    view_.text1 = s.LastLoadFromReceiver ? dumpText(s.ReceiverImage, ReceiverMemorySize)
                                         : dumpText(s.HostImage, HostMemorySize);
    view_.update();
}

} // namespace cs
