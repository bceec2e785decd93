// Times the two largest reports of the data backup window: the table list of
// 512 records and the pager list of 255 pagers, each built and shown whole.
// Goal: at most 20 ms each. Prints the median of many runs.

#include "BenchSupport.h"
#include "memory/BackupView.h"
#include "reports/ReportView.h"
#include "reports/Reports.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double medianMs(cs::BackupView& view, const cs::AppState& state, cs::Ui& ui, cs::ReportKind kind,
                int runs)
{
    std::vector<double> ms;
    ms.reserve(size_t(runs));
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        cs::showReport(view, state, ui, cs::reportKindOf(kind));
        const auto end = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::nth_element(ms.begin(), ms.begin() + runs / 2, ms.end());
    return ms[size_t(runs / 2)];
}

} // namespace

int main()
{
    cs::AppState state;
    state.HostImage.fill(0xFF);
    state.HostImageLoaded = true;
    state.ImageDataPresent = true;
    // 255 pagers with a known type and tone.
    for (int n = 1; n <= 255; ++n) {
        const int at = 5 * (n - 1);
        state.HostImage[size_t(at)] = (n % 2) ? 'b' : 'K';
        for (int i = 1; i <= 4; ++i)
            state.HostImage[size_t(at + i)] = std::uint8_t(0x12 * i + n);
        state.HostImage[size_t(at + 4)] = std::uint8_t((n & 0xF0) | (n % 4));
    }
    // 512 tables (the later ones overlap the settings cells, as the unit lays them out).
    state.HostImage[8190] = 0x02;
    state.HostImage[8191] = 0x00;
    for (int k = 0; k < 512; ++k) {
        const int at = 1280 + 9 * k;
        const int table = k + 1;
        const std::uint8_t bytes[9] = {0x0A,
                                       std::uint8_t(k),
                                       0xFF,
                                       std::uint8_t(table >> 8),
                                       std::uint8_t(table),
                                       std::uint8_t(k % 256),
                                       255,
                                       std::uint8_t(k % 7),
                                       255};
        for (int i = 0; i < 9; ++i)
            state.HostImage[size_t(at + i)] = bytes[i];
    }

    cs::BackupView view;
    cs::bench::PrintUi ui;
    const int runs = 201;
    const double tables = medianMs(view, state, ui, cs::ReportTables, runs);
    const int tableLines = int(view.text1.count(QStringLiteral("\r\n")));
    const double pagers = medianMs(view, state, ui, cs::ReportPagers, runs);
    const int pagerLines = int(view.text1.count(QStringLiteral("\r\n")));

    std::printf("table report, 512 records (%d lines): median %.3f ms (goal <= 20 ms)\n",
                tableLines, tables);
    std::printf("pager report, 255 pagers (%d lines):  median %.3f ms (goal <= 20 ms)\n",
                pagerLines, pagers);
    const bool ok = tables <= 20.0 && pagers <= 20.0 && ui.boxes == 0 && tableLines == 513
        && pagerLines == 255;
    return ok ? 0 : 1;
}
