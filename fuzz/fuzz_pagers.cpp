// The pager file reader over arbitrary bytes. Every row it gives can be sent
// (the set pager command's own checks pass, list choices name an item), names
// a pager no other row names, and points at a line of the file; rows and
// problems come in file order, and the same bytes always read the same.

#include "commands/CommandInputs.h"
#include "commands/PagerBatch.h"

#include <QSet>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray contents(reinterpret_cast<const char*>(data), qsizetype(size));
    const cs::PagerFile file = cs::readPagerCsv(contents);
    const int lines = int(contents.count('\n') + contents.count('\r')) + 1;

    QSet<int> pagers;
    int previous = 0;
    for (const cs::PagerRow& row : file.rows) {
        require(row.line > previous && row.line <= lines);
        previous = row.line;
        require(cs::checkPager(row.number, row.address, row.model, row.polarity, row.rate, row.tone)
                    .ok());
        require(row.model >= 0 && row.model < cs::pagerModels().size());
        require(row.polarity >= 0 && row.polarity < cs::pagerPolarities().size());
        require(row.rate >= 0 && row.rate < cs::pagerRates().size());
        require(row.tone >= 0 && row.tone < cs::pagerTones().size());
        const int pager = row.number.trimmed().toInt();
        require(!pagers.contains(pager));
        pagers.insert(pager);
    }
    previous = 0;
    for (const cs::RowProblem& problem : file.problems) {
        require(!problem.message.isEmpty() && problem.line >= 0 && problem.line <= lines);
        // Problems of the whole file (line 0) may follow those of its rows.
        require(problem.line == 0 || problem.line > previous);
        previous = std::max(previous, problem.line);
    }

    const cs::PagerFile again = cs::readPagerCsv(contents);
    require(again.rows.size() == file.rows.size() && again.problems.size() == file.problems.size());
    for (qsizetype i = 0; i < file.rows.size(); ++i) {
        const cs::PagerRow &a = file.rows[i], &b = again.rows[i];
        require(a.line == b.line && a.number == b.number && a.address == b.address
                && a.model == b.model && a.polarity == b.polarity && a.rate == b.rate
                && a.tone == b.tone);
    }
    return 0;
}
