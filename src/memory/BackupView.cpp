#include "memory/BackupView.h"

namespace cs {

void BackupView::load(bool hostImageLoaded, bool receiverImageLoaded)
{
    label6 = hostImageLoaded ? QStringLiteral("主机内容已读取") : QStringLiteral("主机未读取");
    label7 = receiverImageLoaded ? QStringLiteral("分机内容已读取") : QStringLiteral("分机未读取");
    label5Clicks = 0;
    command4Visible = false;
    label1 = QStringLiteral("读取进度条");
    progressVisible = true;
    fullSize = false;
    text1.clear();
    combo1Index = 0;
    update();
}

} // namespace cs
