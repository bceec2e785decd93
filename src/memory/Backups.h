#pragma once
// The backup file operations as both faces run them: saving the host image,
// opening a backup into it, and loading a backup's image for reports, dumps and
// comparisons. Each returns what happened with the data backup window's own
// message for it; a name given by the user goes into a message as it is.

#include "shared/AppState.h"
#include "shared/Outcome.h"

#include <QString>

namespace cs {

// Done when there is a host image to save; else Refused with
// "主机数据未读取，无法保存文件！".
Outcome checkSaveable(const AppState& state);

// Writes HostImage to `path`: Refused for no image or a name without ".cat" /
// ".CAT"; Failed when the file cannot be written (an existing file stays as it
// was); Done with "记录已保存到" and the name (and a detail when the old file's
// permissions could not be kept).
Outcome saveBackup(const AppState& state, const QString& path);

// Whether a backup can be saved under `path`, before a long read: Refused for a
// name without ".cat" / ".CAT" or a target that cannot be written (a missing or
// read-only folder, a folder, FIFO or device of that name), with the reason.
Outcome checkSaveName(const QString& path);

// Reads the image of a backup file into `image` (cells 0..8191; the rest is
// left alone). Refused for a wrong name or a file that cannot be read: nothing
// has been sent, and `image` is unchanged.
Outcome loadBackup(const QString& path, Buffer& image);

// loadBackup into HostImage, then HostImageLoaded and ImageDataPresent; Done
// with "已成功打开备份文件" and the name.
Outcome openBackup(AppState& state, const QString& path);

} // namespace cs
