// The core's pager edit alone, for the editor's tests: kept apart because
// ImageEdits.h and the main window's headers cannot meet in one file.
#include "reports/ImageEdits.h"

namespace cs::test {

Outcome offlinePager(Buffer& image, const QString& number, const QString& address, int model,
                     int polarity, int rate, int tone)
{
    return ImageEdits(image).setPager(number, address, model, polarity, rate, tone);
}

} // namespace cs::test
