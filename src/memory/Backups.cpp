#include "memory/Backups.h"
#include "memory/BackupFile.h"

#include <QCoreApplication>

#include <algorithm>

namespace cs {

namespace {

// The texts of the data backup window, translated under its context.
struct BackupText {
    Q_DECLARE_TR_FUNCTIONS(BackupWindow)
};

} // namespace

Outcome checkSaveable(const AppState& state)
{
    if (!state.HostImageLoaded || !state.ImageDataPresent)
        return Outcome::refused(stopMessage(BackupText::tr("主机数据未读取，无法保存文件！")));
    return Outcome::success();
}

Outcome saveBackup(const AppState& state, const QString& path)
{
    if (Outcome saveable = checkSaveable(state); !saveable.done())
        return saveable;
    if (!hasBackupExtension(path))
        return Outcome::refused(stopMessage(BackupText::tr("保存文件的扩展名必须为.cat！")));
    FileProblem problem;
    if (!writeBackupFile(path, state.HostImage, &problem)) {
        Outcome failed = Outcome::failed(stopMessage(BackupText::tr("文件%1保存失败！").arg(path)),
                                         Cause::File);
        failed.detail = problem.reason;
        return failed;
    }
    Outcome saved = Outcome::success(BackupText::tr("记录已保存到%1").arg(path));
    saved.detail = problem.reason; // saved, but the old file's permissions could not be kept
    return saved;
}

Outcome checkSaveName(const QString& path)
{
    if (!hasBackupExtension(path))
        return Outcome::refused(stopMessage(BackupText::tr("保存文件的扩展名必须为.cat！")));
    FileProblem problem;
    if (!checkSaveTarget(path, &problem)) {
        Outcome refused = Outcome::refused(
            stopMessage(BackupText::tr("文件%1保存失败！").arg(path)));
        refused.cause = Cause::File;
        refused.detail = problem.reason;
        return refused;
    }
    return Outcome::success();
}

Outcome loadBackup(const QString& path, Buffer& image)
{
    if (!hasBackupExtension(path))
        return Outcome::refused(stopMessage(BackupText::tr("请选择.cat文件")));
    // The whole image is read before any cell changes: a short or unreadable
    // file leaves the image as it was.
    FileProblem problem;
    const std::optional<QByteArray> bytes = readBackupFile(path, &problem);
    if (!bytes) {
        Outcome o = Outcome::refused(stopMessage(BackupText::tr("文件%1打开失败！").arg(path)));
        o.cause = Cause::File;
        o.detail = problem.reason;
        return o;
    }
    std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes->constData()), HostMemorySize,
                image.begin());
    return Outcome::success();
}

Outcome openBackup(AppState& state, const QString& path)
{
    if (Outcome loaded = loadBackup(path, state.HostImage); !loaded.done())
        return loaded;
    state.HostImageLoaded = true;
    state.ImageDataPresent = true;
    state.LastLoadFromReceiver = false;
    state.HostImageFile = path;
    state.HostReadFailed = false;
    return Outcome::success(BackupText::tr("已成功打开备份文件%1").arg(path));
}

} // namespace cs
