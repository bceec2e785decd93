#include "memory/BackupView.h"

namespace cs {

namespace {

// The window's texts, under its translation context.
struct ViewText {
    Q_DECLARE_TR_FUNCTIONS(BackupWindow)
};

} // namespace

void BackupView::load(bool hostImageLoaded, bool receiverImageLoaded)
{
    label6 = hostImageLoaded ? ViewText::tr("主机内容已读取") : ViewText::tr("主机未读取");
    label7 = receiverImageLoaded ? ViewText::tr("分机内容已读取") : ViewText::tr("分机未读取");
    label5Clicks = 0;
    command4Visible = false;
    label1 = ViewText::tr("读取进度条");
    progressVisible = true;
    setSize(false);
    text1.clear();
    text1Source = nullptr;
    combo1Index = 0;
    update();
}

void BackupView::restoreDesign()
{
    setSize(false);
    label1 = ViewText::tr("读取进度条");
    label1Visible = true;
    label6 = ViewText::tr("主机未读取");
    label6Visible = true;
    label7 = ViewText::tr("分机未读取");
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
    text1Source = nullptr;
    combo1Index = 0;
    label5Clicks = 0;
}

} // namespace cs
