// Backup document benchmark: a full document (254 pagers, 82 tables and every
// setting, each one different from the base) read, applied onto a backup's
// image and the image saved, as `callsetup-cli --backup FILE.cat apply DOC.json`
// does it.
//
//   bench_document [runs]    (default 200)

#include "BenchSupport.h"
#include "memory/Backups.h"
#include "reports/BackupDocument.h"
#include "reports/ImageEdits.h"
#include "reports/ReportFormats.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QTemporaryDir>

namespace {

// Every pager and 82 tables; a voice info unit.
cs::Buffer fullImage(int variant)
{
    cs::Buffer image{};
    image.fill(0xFF);
    cs::ImageEdits edits(image);
    edits.setInfoUnitType(1);
    for (int n = 1; n <= 254; ++n)
        edits.setPager(QString::number(n), QString::number(1000000 + 37 * n + variant),
                       (n + variant) % 4, (n + variant) % 2, (n + variant) % 3, (n + variant) % 4);
    for (int k = 0; k < 82; ++k) {
        const std::uint8_t record[9] = {
            0x0A, std::uint8_t(k), 0x01, 0x00, std::uint8_t(k + 1), 1, 2, 3, 4};
        std::copy(record, record + 9, image.begin() + 1280 + 9 * k);
    }
    image[8190] = 0, image[8191] = 82;
    for (int k = 0; k < 82; ++k)
        edits.editTableAt(k,
                          {{{QString::number(k + variant + 1), QString(), QString::number(200)}},
                           QString::number((k + variant) % 100)});
    edits.setWorkMode(variant % 3);
    edits.setTransmitterFrequency(variant ? QStringLiteral("450.0125") : QStringLiteral("430.225"));
    for (int s = 0; s < 7; ++s)
        edits.setVoiceSetting(cs::VoiceSetting(s), (s + variant) % 2);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    const cs::Buffer base = fullImage(0);
    const QByteArray document =
        QJsonDocument(cs::backupJson(cs::HostMemory(fullImage(1)))).toJson();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.cat"));

    std::vector<double> ms, applyMs;
    bool ok = true;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t;
        t.start();
        const cs::AppliedDocument applied = cs::applyDocument(document, base);
        applyMs.push_back(double(t.nsecsElapsed()) / 1e6);
        cs::AppState state;
        state.HostImage = applied.image;
        state.HostImageLoaded = state.ImageDataPresent = true;
        ok = applied.outcome.done() && cs::saveBackup(state, path).done() && ok;
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        ok = ok && applied.image == fullImage(1);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(applyMs.begin(), applyMs.end());
    std::printf("full document (%lld bytes) applied and saved, %d runs: median %.2f ms, "
                "max %.2f ms (goal <= 10 ms)\n",
                static_cast<long long>(document.size()), runs, ms[ms.size() / 2], ms.back());
    std::printf("of which read and applied: median %.2f ms\n", applyMs[applyMs.size() / 2]);
    std::printf("peak memory: %.1f MB\n", cs::bench::peakMegabytes());
    return ok ? 0 : 1;
}
