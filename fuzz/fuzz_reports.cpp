// Decoding, every report kind and the dump over arbitrary images. Each must
// finish without reading outside the image, and the report text must be set
// whole into the view.

#include "FuzzSupport.h"
#include "memory/MemoryDump.h"
#include "reports/ReportView.h"
#include "reports/Reports.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    cs::fuzz::Input in(data, size);
    const std::uint8_t flags = in.byte();
    cs::AppState state;
    state.ImageDataPresent = flags & 1;
    state.HostImageLoaded = flags & 2;
    state.ReceiverImageLoaded = flags & 4;
    // The image: the input repeated over all cells, so short inputs still reach
    // the settings and the table count at the top of memory.
    const QByteArray pattern = in.rest();
    if (!pattern.isEmpty()) {
        for (int a = 0; a < cs::BufferCells; ++a) {
            state.HostImage[size_t(a)] = std::uint8_t(pattern[a % pattern.size()]);
            state.ReceiverImage[size_t(a)] = std::uint8_t(pattern[(a * 7) % pattern.size()]);
        }
    }

    cs::WindowlessUi ui;
    for (int kind = -1; kind < cs::ReportKindCount + 1; ++kind) {
        cs::BackupView view;
        cs::showReport(view, state, ui, kind);
        if (!state.ImageDataPresent && !view.text1.isEmpty())
            std::abort();
    }
    const QString dump = cs::dumpText(state.HostImage, cs::HostMemorySize);
    if (!dump.startsWith(QStringLiteral("000H -- ")) || !dump.endsWith(QStringLiteral("2000H -- ")))
        std::abort();
    return 0;
}
