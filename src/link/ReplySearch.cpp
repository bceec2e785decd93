#include "link/ReplySearch.h"
#include "link/Frame.h"

namespace cs {

bool ReplySearch::feed(const QByteArray& bytes, Buffer& rx,
                       const std::function<void()>& onChecksumError)
{
    searched_ = kept_ + bytes;
    const QList<qsizetype> judged = rejected_;
    kept_.clear();
    rejected_.clear();
    const auto* s = reinterpret_cast<const std::uint8_t*>(searched_.constData());
    const qsizetype size = searched_.size();
    const std::uint8_t header[3] = {SyncByte2, ReplyMarker, code_};
    qsizetype keepFrom = -1; // first reply start that has not fully arrived
    QList<qsizetype> refused;

    for (qsizetype j = 0; j < size; ++j) {
        if (s[j] != SyncByte)
            continue;
        const qsizetype r = size - j - 1; // bytes after this 55
        // Bytes 1..3 after the 55 must be AA 02 code, as far as they have arrived.
        bool headerMatches = true;
        for (qsizetype k = 0; k < 3 && k < r; ++k)
            headerMatches = headerMatches && s[j + 1 + k] == header[k];
        if (!headerMatches)
            continue;
        if (r < 4 || r < s[j + 4] + 5) { // header, data or checksum still arriving
            if (keepFrom < 0)
                keepFrom = j;
            continue; // a complete reply may still follow inside it
        }
        const int n = s[j + 4];
        for (int k = 0; k < n + 4; ++k)
            rx[size_t(k)] = s[j + 2 + k];
        if (frameChecksum(rx.data(), n + 3) == rx[size_t(n + 3)])
            return true;
        refused.append(j);
        if (!judged.contains(j) && onChecksumError)
            onChecksumError();
    }
    if (keepFrom >= 0) {
        kept_ = searched_.mid(keepFrom);
        for (qsizetype j : refused)
            if (j >= keepFrom)
                rejected_.append(j - keepFrom);
    }
    return false;
}

} // namespace cs
