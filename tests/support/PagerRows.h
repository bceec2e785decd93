#pragma once
// The rows of a pager file as one line, for comparing what a file was read as:
// "line:number/address/model polarity rate tone" per row.

#include "commands/PagerBatch.h"

#include <QStringList>

namespace cs::test {

inline QString pagerRows(const PagerFile& f)
{
    QStringList out;
    for (const PagerRow& r : f.rows)
        out << QStringLiteral("%1:%2/%3/%4%5%6%7")
                   .arg(r.line)
                   .arg(r.number, r.address)
                   .arg(r.model)
                   .arg(r.polarity)
                   .arg(r.rate)
                   .arg(r.tone);
    return out.join(' ');
}

} // namespace cs::test
