#include "reports/ReportView.h"
#include "reports/Reports.h"

#include <QCoreApplication>

namespace cs {

namespace {

// The messages of the reports, translated under the context "Reports".
struct ViewText {
    Q_DECLARE_TR_FUNCTIONS(Reports)
};

void refuse(Ui& ui, const QString& text, const QString& title = ViewText::tr("错误"))
{
    ui.messageBox(text, StyleStop, title);
}

bool needHost(const AppState& state, Ui& ui)
{
    if (state.HostImageLoaded)
        return true;
    refuse(ui, ViewText::tr("还没有读取主机内容，操作无效！"));
    return false;
}

// Sets the finished report text in one go and shows it.
void show(BackupView& view, const QString& text)
{
    view.text1 = text;
    view.update();
}

} // namespace

void showReport(BackupView& view, const AppState& state, Ui& ui, int kind)
{
    if (!state.ImageDataPresent) {
        refuse(ui, ViewText::tr("读取数据区为空，请先读取主机或分机内容后再点击此按钮！"));
        return;
    }
    view.label2Visible = false;
    view.label3Visible = false;
    view.label4Visible = false;
    view.text1.clear();
    view.setSize(true);
    view.update();

    const HostMemory host(state.HostImage);
    switch (kind) {
    case ReportPagers:
        if (!needHost(state, ui))
            return;
        view.label3Visible = true;
        show(view, pagerReport(host));
        return;
    case ReportTables: {
        if (!needHost(state, ui))
            return;
        view.label4Visible = true;
        const auto text = tableReport(host);
        if (!text) {
            view.update();
            refuse(ui, ViewText::tr("没有餐桌号！"), ViewText::tr("注意"));
            return;
        }
        show(view, *text);
        return;
    }
    case ReportWorkMode:
        if (needHost(state, ui))
            show(view, workModeReport(host));
        return;
    case ReportTransmitterFrequency:
        if (needHost(state, ui))
            show(view, transmitterFrequencyReport(host));
        return;
    case ReportReceiverFrequency:
        if (!state.ReceiverImageLoaded) {
            refuse(ui, ViewText::tr("还没有读取分机内容，操作无效！"));
            return;
        }
        show(view, receiverFrequencyReport(ReceiverMemory(state.ReceiverImage)));
        return;
    case ReportInfoUnitType:
        if (needHost(state, ui))
            show(view, infoUnitTypeReport(host));
        return;
    case ReportNumberPronunciation:
        if (needHost(state, ui))
            show(view, numberPronunciationReport(host));
        return;
    case ReportCallOriginator:
        if (needHost(state, ui))
            show(view, callOriginatorReport(host));
        return;
    case ReportKeyPrompts:
        if (needHost(state, ui))
            show(view, keyPromptsReport(host));
        return;
    case ReportHandheldPrompts:
        if (needHost(state, ui))
            show(view, handheldPromptsReport(host));
        return;
    default:   // no item selected
        return;
    }
}

} // namespace cs
