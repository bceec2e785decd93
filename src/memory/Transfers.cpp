#include "memory/Transfers.h"
#include "link/Frame.h"
#include "link/RequestCodes.h"

#include <QCoreApplication>

#include <algorithm>

namespace cs {

namespace {

// The texts of the data backup window, translated under its context.
struct BackupText {
    Q_DECLARE_TR_FUNCTIONS(BackupWindow)
};

struct ReadKind {
    std::uint8_t code;
    std::uint8_t payloadLength; // the block number, and 01 for the external receiver
    int blocks;
    QString done;
    QString failed;
};

ReadKind readKind(MemoryUnit unit)
{
    switch (unit) {
    case MemoryUnit::Host:
        return {ReadHostCode, 1, HostBlocks, BackupText::tr("读取主机内容成功！"),
                BackupText::tr("读取主机内容失败！")};
    case MemoryUnit::ExternalReceiver:
        return {ReadReceiverCode, 2, ReceiverBlocks, BackupText::tr("读取外置接收机内容成功！"),
                BackupText::tr("读取外置接收机内容失败！")};
    case MemoryUnit::BuiltInReceiver: break;
    }
    return {ReadReceiverCode, 1, ReceiverBlocks, BackupText::tr("读取内置接收机内容成功！"),
            BackupText::tr("读取内置接收机内容失败！")};
}

Message noLink()
{
    return stopMessage(BackupText::tr("通讯失败！请检查连线！"));
}

// An ending at block `b` of `blocks`.
Outcome at(Outcome outcome, int done, int blocks)
{
    outcome.blocksDone = done;
    outcome.blocks = blocks;
    return outcome;
}

// The write did not reach the line: release the port so that the next
// operation opens it again.
void releasePort(Link& link, PortControl& port)
{
    if (link.state().PortIsOpen)
        port.toggle();
}

// Sends TxBuffer and waits one cycle for the reply.
bool exchange(Link& link, double seconds)
{
    AppState& s = link.state();
    if (!link.SendFrame())
        return false;
    s.ReplyOk = false;
    s.ReplyRounds = 1;
    s.ReplyWaitSeconds = seconds;
    link.WaitReply();
    return true;
}

// Appends the data of the accepted block reply (RxBuffer[3 .. n+2]) to
// ReadArea at ReadAreaIndex; false, with nothing written, when it would not fit.
bool appendReplyData(AppState& s)
{
    const int n = s.RxBuffer[2];
    const int next = s.ReadAreaIndex;
    if (next < 0 || next + n > BufferCells)
        return false;
    std::copy_n(s.RxBuffer.begin() + 3, n, s.ReadArea.begin() + next);
    s.ReadAreaIndex = next + n;
    return true;
}

QString hexAddress(int address)
{
    return QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
}

Outcome difference(const QString& text, const CellDifference& d)
{
    Outcome o = Outcome::failed(
        stopMessage(text.arg(QString::number(d.count), hexAddress(d.first))), Cause::Difference);
    o.firstDifference = d.first;
    o.differences = d.count;
    return o;
}

} // namespace

CellDifference differingCells(const Buffer& a, const Buffer& b, int size)
{
    CellDifference d;
    for (int i = 0; i < size; ++i)
        if (a[size_t(i)] != b[size_t(i)]) {
            if (d.first < 0)
                d.first = i;
            ++d.count;
        }
    return d;
}

Outcome readBlocks(Link& link, PortControl& port, MemoryUnit unit, const TransferControl& control)
{
    AppState& s = link.state();
    const bool host = unit == MemoryUnit::Host;
    const ReadKind kind = readKind(unit);
    if (Outcome opened = port.EnsurePortOpen(); !opened.done())
        return opened;
    const Outcome failed = Outcome::failed(stopMessage(kind.failed), Cause::Internal);
    try {
        link.discardInput();
        s.LastReadFromReceiver = !host;
        s.ReadAreaIndex = 0;
        if (control.started)
            control.started();

        QByteArray payload(kind.payloadLength, char(0x01));
        for (int b = 0; b < kind.blocks; ++b) {
            payload[0] = char(b);
            link.setRequest(kind.code, payload);
            // A receiver first fetches its memory over the air: the first block takes long.
            if (!exchange(link, host ? 0.2 : (b == 0 ? 9.0 : 1.0))) {
                releasePort(link, port);
                Outcome o = at(failed, b, kind.blocks);
                o.cause = Cause::Write;
                return o;
            }
            if (!s.ReplyOk)
                return at(Outcome::failed(noLink(), Cause::NoReply), b, kind.blocks);
            s.ReplyOk = false;
            if (control.progress)
                control.progress(host ? b : b + 1);
            if (s.RxBuffer[2] != BlockSize)
                return at(Outcome::failed(stopMessage(BackupText::tr("接收数据长度错误！")),
                                          Cause::BadReply),
                          b, kind.blocks);
            if (!appendReplyData(s))
                return at(failed, b, kind.blocks);
            if (b + 1 < kind.blocks && control.stop && control.stop())
                return at(Outcome::stopped(), b + 1, kind.blocks);
        }
        return at(Outcome::success(kind.done), kind.blocks, kind.blocks);
    } catch (...) {
        return failed;
    }
}

namespace {

// A completed read into its image, with its flags.
void keepRead(AppState& s, MemoryUnit unit)
{
    s.ImageDataPresent = true;
    s.LastLoadFromReceiver = unit != MemoryUnit::Host;
    if (unit == MemoryUnit::Host) {
        s.HostImage = s.ReadArea;
        s.HostImageLoaded = true;
    } else {
        s.ReceiverImage = s.ReadArea;
        s.ReceiverImageLoaded = true;
    }
}

} // namespace

Outcome readMemory(Link& link, PortControl& port, MemoryUnit unit, const TransferControl& control)
{
    const Outcome outcome = readBlocks(link, port, unit, control);
    if (outcome.done())
        keepRead(link.state(), unit);
    return outcome;
}

Outcome readHostTwice(Link& link, PortControl& port, const TransferControl& control)
{
    Outcome first = readBlocks(link, port, MemoryUnit::Host, control);
    if (!first.done())
        return first;
    const Buffer once = link.state().ReadArea;
    const Outcome second = readBlocks(link, port, MemoryUnit::Host, control);
    if (!second.done())
        return second;
    const CellDifference d = differingCells(once, link.state().ReadArea);
    if (d.count > 0)
        return difference(
            BackupText::tr("两次读取的主机内容不同：共%1个字节不同，第一处在地址%2H！"), d);
    keepRead(link.state(), MemoryUnit::Host);
    return second;
}

Outcome downloadImage(Link& link, PortControl& port, const TransferControl& control)
{
    AppState& s = link.state();
    if (!s.HostImageLoaded)
        return Outcome::refused(stopMessage(BackupText::tr("主机数据未读取，无法下发！")));
    if (Outcome opened = port.EnsurePortOpen(); !opened.done())
        return opened;
    Outcome failed = Outcome::failed(stopMessage(BackupText::tr("下发主机内容失败！")),
                                     Cause::Internal);
    int b = 0;
    try {
        link.discardInput();
        if (control.started)
            control.started();
        for (; b < HostBlocks; ++b) {
            QByteArray payload(1, char(b));
            payload.append(reinterpret_cast<const char*>(s.HostImage.data()) + BlockSize * b,
                           BlockSize);
            link.setRequest(WriteBlockCode, payload);
            // From the first request on, the unit may have stored what it received.
            failed.partlyWritten = true;
            if (!exchange(link, 0.3)) {
                releasePort(link, port);
                Outcome o = at(failed, b, HostBlocks);
                o.cause = Cause::Write;
                o.partlyWritten = b > 0;
                return o;
            }
            if (!s.ReplyOk) {
                Outcome o = at(Outcome::failed(noLink(), Cause::NoReply), b, HostBlocks);
                o.partlyWritten = true;
                return o;
            }
            s.ReplyOk = false;
            if (control.progress)
                control.progress(b);
            if (s.RxBuffer[2] != 0x01) {
                Outcome o = at(Outcome::failed(stopMessage(BackupText::tr("返回数据长度错误！")),
                                               Cause::BadReply),
                               b, HostBlocks);
                o.partlyWritten = true;
                return o;
            }
            if (b + 1 < HostBlocks && control.stop && control.stop()) {
                Outcome o = at(Outcome::stopped(), b + 1, HostBlocks);
                o.partlyWritten = true;
                return o;
            }
        }
        return at(Outcome::success(BackupText::tr("下发备份数据到主机成功！")), HostBlocks,
                  HostBlocks);
    } catch (...) {
        return at(failed, b, HostBlocks);
    }
}

Outcome downloadAndVerify(Link& link, PortControl& port, const TransferControl& control)
{
    Outcome outcome = downloadImage(link, port, control);
    if (!outcome.done())
        return outcome;
    AppState& s = link.state();
    Outcome readBack = readBlocks(link, port, MemoryUnit::Host, control);
    if (!readBack.done()) {
        // The download itself completed.
        readBack.partlyWritten = false;
        return readBack;
    }
    const CellDifference d = differingCells(s.HostImage, s.ReadArea);
    if (d.count > 0)
        return difference(
            BackupText::tr("下发后读回的主机内容与备份不同：共%1个字节不同，第一处在地址%2H！"), d);
    return Outcome::success(BackupText::tr("下发备份数据到主机成功，读回的内容与备份相同！"));
}

} // namespace cs
