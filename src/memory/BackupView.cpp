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
    setSize(false);
    text1.clear();
    combo1Index = 0;
    update();
}

void BackupView::restoreDesign()
{
    setSize(false);
    label1 = QStringLiteral("读取进度条");
    label1Visible = true;
    label6 = QStringLiteral("主机未读取");
    label6Visible = true;
    label7 = QStringLiteral("分机未读取");
    label7Visible = false;
    label2Visible = false;
    label3Visible = false;
    label4Visible = false;
    command4Visible = false;
    progressMinimum = 0;
    progressMaximum = 63;
    progressValue = 0;
    progressVisible = true;
    text1.clear();
    combo1Index = 0;
    label5Clicks = 0;
}

} // namespace cs
