#include "memory/DataBackup.h"
#include "memory/Backups.h"
#include "memory/MemoryDump.h"

#include <QCoreApplication>

namespace cs {

namespace {

// The texts of the data backup window, translated under its context.
struct BackupText {
    Q_DECLARE_TR_FUNCTIONS(BackupWindow)
};

// Looked up at each use: the translator is installed after start-up.
QString readIdle()
{
    return BackupText::tr("读取进度条");
}
QString downloadIdle()
{
    return BackupText::tr("下发进度条");
}

} // namespace

QString readingCaption(MemoryUnit unit)
{
    switch (unit) {
    case MemoryUnit::Host: return BackupText::tr("正在读取主机内容……");
    case MemoryUnit::BuiltInReceiver: return BackupText::tr("正在读取内置接收机内容……");
    case MemoryUnit::ExternalReceiver: break;
    }
    return BackupText::tr("正在读取外置接收机内容……");
}

QString downloadingCaption()
{
    return BackupText::tr("正在下发数据到主机……");
}

QString checkingCaption()
{
    return BackupText::tr("下发完成，正在读回校验……");
}

void DataBackup::load()
{
    const AppState& s = link_.state();
    view_.load(s.HostImageLoaded, s.ReceiverImageLoaded);
    if (s.HostReadFailed)
        showReadFailed();
}

void DataBackup::showReadFailed()
{
    // The window says that what it holds is not what the last read was to bring.
    view_.label6Visible = true;
    view_.label6 = BackupText::tr("主机读取失败");
    view_.label1 = link_.state().HostImageLoaded
        ? BackupText::tr("读取失败，保留的仍是之前的主机内容")
        : BackupText::tr("读取失败，没有主机内容");
    view_.progressValue = 0;
    view_.update();
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

TransferControl DataBackup::progress(const QString& busyCaption, int maximum)
{
    TransferControl control;
    control.started = [this, busyCaption, maximum] {
        view_.label3Visible = false;
        view_.label4Visible = false;
        view_.setSize(false);
        view_.update();
        ui_.repaint();
        view_.progressMinimum = 0;
        view_.progressMaximum = maximum;
        view_.progressVisible = true;
        view_.label1Visible = true;
        view_.label1 = busyCaption;
        view_.update();
        ui_.repaint();
    };
    control.progress = [this](int value) {
        view_.progressValue = value;
        view_.update();
    };
    return control;
}

void DataBackup::finish(const Outcome& outcome, const QString& idleCaption)
{
    const bool brokeOff = outcome.cause == Cause::NoReply || outcome.cause == Cause::BadReply
        || outcome.cause == Cause::Difference;
    if (outcome.done()) {
        view_.progressValue = 0;
        view_.label1 = idleCaption;
        view_.update();
    }
    present(ui_, outcome);
    if (outcome.cause == Cause::Port || outcome.ending == Ending::Refused)
        return; // nothing was sent: the window stays as it was
    if (outcome.done())
        return;
    // A block went unanswered or was refused: compact size and the idle
    // caption; any other failure: progress 0 and compact size.
    if (brokeOff)
        view_.label1 = idleCaption;
    else
        view_.progressValue = 0;
    view_.setSize(false);
    view_.update();
}

Outcome DataBackup::read(MemoryUnit unit)
{
    const bool host = unit == MemoryUnit::Host;
    const Outcome outcome = readMemory(
        link_, port_, unit, progress(readingCaption(unit), host ? HostBlocks - 1 : ReceiverBlocks));
    finish(outcome, readIdle());
    const AppState& s = link_.state();
    if (host && !outcome.done() && s.HostReadFailed)
        showReadFailed();
    if (outcome.done()) {
        showHeldImage();
        if (host) {
            view_.label6Visible = true;
            view_.label6 = BackupText::tr("主机内容已读取");
        } else {
            view_.label7Visible = true;
            view_.label7 = BackupText::tr("分机内容已读取");
            view_.setSize(false);
        }
        view_.progressValue = 0;
        view_.update();
    }
    return outcome;
}

Outcome DataBackup::readHost()
{
    if (watch && !watch->mayReplace())
        return Outcome::stopped();
    const Outcome outcome = read(MemoryUnit::Host);
    if (watch && outcome.done())
        watch->replaced(QString());
    return outcome;
}
Outcome DataBackup::readBuiltInReceiver()
{
    return read(MemoryUnit::BuiltInReceiver);
}
Outcome DataBackup::readExternalReceiver()
{
    return read(MemoryUnit::ExternalReceiver);
}

Outcome DataBackup::download()
{
    TransferControl control = progress(downloadingCaption(), HostBlocks - 1);
    bool checking = false;
    control.checking = [this, &checking] {
        checking = true;
        view_.label1 = checkingCaption();
        view_.progressValue = 0;
        view_.update();
        ui_.repaint();
    };
    const Outcome outcome = verify ? downloadAndVerify(link_, port_, control)
                                   : downloadImage(link_, port_, control);
    // The download completed and the check did not pass: the caption says so,
    // and the bar does not stand full as if it had.
    const bool unchecked = checking && !outcome.done();
    QString idle = downloadIdle();
    if (unchecked)
        idle = outcome.cause == Cause::Difference ? BackupText::tr("下发完成，读回的内容与备份不同")
                                                  : BackupText::tr("下发完成，读回校验没有做完");
    finish(outcome, idle);
    if (outcome.done() || unchecked) {
        view_.progressValue = 0;
        view_.update();
    }
    return outcome;
}

void DataBackup::saveFile()
{
    if (Outcome saveable = checkSaveable(link_.state()); !saveable.done()) {
        present(ui_, saveable);
        return;
    }
    const AppState& s = link_.state();
    if (s.HostReadFailed) {
        // What is held is not what the last read was to bring: ask before saving it.
        const QString held = s.HostImageFile.isEmpty()
            ? BackupText::tr(
                "上次读取主机失败！现有的主机内容是更早一次读取的，不是最后读取的主机的。")
            : BackupText::tr("上次读取主机失败！现有的主机内容来自文件%1，不是最后读取的主机的。")
                  .arg(s.HostImageFile);
        if (!ui_.confirm({held + QStringLiteral("\r\n") + BackupText::tr("仍要保存它吗？"),
                          Style::OkCancel, Title::Attention}))
            return;
    }
    const QString name = ui_.chooseSaveFile();
    if (name.isEmpty())
        return; // dialog cancelled
    const Outcome outcome = saveBackup(s, name);
    present(ui_, outcome);
    if (watch && outcome.done())
        watch->saved(name);
}

void DataBackup::openFile()
{
    if (watch && !watch->mayReplace())
        return;
    if (Outcome port = port_.EnsurePortOpen(); !port.done()) {
        present(ui_, port);
        return;
    }
    const QString name = ui_.chooseOpenFile();
    if (name.isEmpty())
        return; // dialog cancelled
    const Outcome outcome = openBackup(link_.state(), name);
    present(ui_, outcome);
    if (!outcome.done())
        return;
    showHeldImage();
    view_.label1 = readIdle();
    if (watch)
        watch->replaced(name);
    view_.label6Visible = true;
    view_.label6 = BackupText::tr("主机内容已读取");
    view_.update();
}

void DataBackup::showHeldImage()
{
    if (view_.text1Source)
        view_.text1 = view_.text1Source(link_.state());
}

void DataBackup::memoryDump()
{
    const AppState& s = link_.state();
    if (!s.ImageDataPresent) {
        ui_.message({BackupText::tr("读取数据区为空，请先读取主机或分机内容后再点击此按钮！"),
                     Style::Info, Title::Error});
        return;
    }
    view_.label3Visible = false;
    view_.label4Visible = false;
    view_.label2Visible = true;
    view_.setSize(true);
    view_.text1Source = [](const AppState& state) {
        // After a completed receiver read its own 256 cells are shown; after a
        // host read, an opened file or a receiver read that broke off, the host image.
        return state.LastLoadFromReceiver ? dumpText(state.ReceiverImage, ReceiverMemorySize)
                                          : dumpText(state.HostImage, HostMemorySize);
    };
    view_.text1 = view_.text1Source(s);
    view_.update();
}

} // namespace cs
