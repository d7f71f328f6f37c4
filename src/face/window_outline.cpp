#include "face/window_outline.h"

namespace window_outline {

std::vector<Run> scanPictureRuns(const QImage& picture, QRgb keyColour)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = keyColour | 0xFF000000u;
    std::vector<Run> runs;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        bool open = false;
        for (int x = 0; x < image.width(); ++x) {
            const bool opaque = (row[x] | 0xFF000000u) != key;
            if (opaque && !open) {
                runs.push_back(Run{x, y, image.width()});
                open = true;
            } else if (!opaque && open) {
                runs.back().x2 = x;
                open = false;
            }
        }
    }
    return runs;
}

QRegion runsToRegion(const std::vector<Run>& runs)
{
    QRegion region;
    for (const Run& run : runs) {
        region += QRect(run.x1, run.y, run.x2 - run.x1, 1);
    }
    return region;
}

QRegion outlineOf(const QImage& picture)
{
    if (picture.isNull()) {
        return {};
    }
    return runsToRegion(scanPictureRuns(picture, picture.pixel(0, 0)));
}

} // namespace window_outline
