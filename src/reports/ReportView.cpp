#include "reports/ReportView.h"

#include <QCoreApplication>

namespace cs {

namespace {

// The messages of the reports, translated under the context "Reports".
struct ViewText {
    Q_DECLARE_TR_FUNCTIONS(Reports)
};

Message noImage()
{
    return stopMessage(ViewText::tr("读取数据区为空，请先读取主机或分机内容后再点击此按钮！"));
}

} // namespace

Report buildReport(const ReportKindInfo& kind, const HostMemory& host)
{
    Report report;
    if (!kind.text)
        return report;
    report.heading = kind.heading;
    if (const auto text = kind.text(host))
        report.text = *text;
    else {
        report.nothingToList = true;
        report.outcome.message = stopMessage(ViewText::tr("没有餐桌号！"), Title::Attention);
    }
    return report;
}

void showReport(BackupView& view, const AppState& state, Ui& ui, const ReportKindInfo* kind)
{
    if (!state.ImageDataPresent) {
        ui.message(noImage());
        return;
    }
    view.label2Visible = false;
    view.label3Visible = false;
    view.label4Visible = false;
    view.text1.clear();
    view.text1Source = nullptr;
    view.setSize(true);
    view.update();
    if (!kind)
        return;

    if (!state.HostImageLoaded) {
        // A receiver's memory holds none of the reports.
        ui.message(stopMessage(ViewText::tr("还没有读取主机内容，操作无效！")));
        return;
    }
    const Report report = buildReport(*kind, HostMemory(state.HostImage));
    view.label3Visible = report.heading == Heading::Pagers;
    view.label4Visible = report.heading == Heading::Tables;
    // The finished report text is set in one go, and made again from the image
    // a later read or open brings.
    view.text1 = report.text;
    view.text1Source = [kind](const AppState& s) {
        return s.HostImageLoaded ? buildReport(*kind, HostMemory(s.HostImage)).text : QString();
    };
    view.update();
    present(ui, report.outcome);
}

} // namespace cs
