// Decoding, every report kind and the dump over arbitrary images. Each must
// finish without reading outside the image.

#include "FuzzSupport.h"
#include "commands/PagerBatch.h"
#include "memory/MemoryDump.h"
#include "reports/ReportFormats.h"
#include "reports/ReportView.h"
#include "reports/Reports.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    cs::fuzz::Input in(data, size);
    cs::Buffer image{};
    // The image: the input repeated over all cells, so short inputs still reach
    // the settings and the table count at the top of memory.
    const QByteArray pattern = in.rest();
    if (!pattern.isEmpty())
        for (int a = 0; a < cs::BufferCells; ++a)
            image[size_t(a)] = std::uint8_t(pattern[a % pattern.size()]);
    const cs::HostMemory host(image);

    // A host image holds every kind: none is refused.
    for (const cs::ReportKindInfo& kind : cs::reportKinds())
        if (cs::buildReport(kind, host).outcome.ending != cs::Ending::Done)
            std::abort();
    // The pager export of any image loads back as the same pagers, or is refused
    // row by row where the image names no model, rate or tone; never changed.
    const cs::PagerFile back = cs::readPagerCsv(cs::pagerCsv(host));
    for (const cs::PagerRow& row : back.rows) {
        const auto pager = host.pager(row.number.toInt());
        if (!pager || !pager->type || !pager->tone || int(pager->type->model) != row.model
            || int(pager->type->rate) != row.rate || *pager->tone != row.tone
            || int(pager->polarity) != row.polarity)
            std::abort();
    }
    (void)cs::allReportKinds().jsonDocument(host);
    const QString dump = cs::dumpText(image, cs::HostMemorySize);
    if (!dump.startsWith(QStringLiteral("000H -- ")) || !dump.endsWith(QStringLiteral("2000H -- ")))
        std::abort();
    return 0;
}
