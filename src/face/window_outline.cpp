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

QImage coverKeyAlongOutline(const QImage& picture, int depth)
{
    QImage out = picture.convertToFormat(QImage::Format_RGB32);
    const int w = out.width();
    const int h = out.height();
    if (w == 0 || h == 0) {
        return out;
    }
    const QRgb key = out.pixel(0, 0);
    std::vector<char> covered(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            covered[std::size_t(y * w + x)] = out.pixel(x, y) != key;
        }
    }
    for (int step = 0; step < depth; ++step) {
        std::vector<char> next = covered;
        for (int y = 0; y < h; ++y) {
            auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < w; ++x) {
                if (covered[std::size_t(y * w + x)]) {
                    continue;
                }
                // The mean of the covered pixels around.
                int red = 0, green = 0, blue = 0, n = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx;
                        const int ny = y + dy;
                        if (nx >= 0 && ny >= 0 && nx < w && ny < h && covered[std::size_t(ny * w + nx)]) {
                            const QRgb c = out.pixel(nx, ny);
                            red += qRed(c);
                            green += qGreen(c);
                            blue += qBlue(c);
                            ++n;
                        }
                    }
                }
                if (n > 0) {
                    line[x] = qRgb(red / n, green / n, blue / n);
                    next[std::size_t(y * w + x)] = 1;
                }
            }
        }
        covered.swap(next);
    }
    return out;
}

QRegion outlineOf(const QImage& picture)
{
    return outlineOf(picture, picture.deviceIndependentSize().toSize());
}

QRegion outlineOf(const QImage& picture, QSize size)
{
    if (picture.isNull()) {
        return {};
    }
    const QImage shape = picture.size() == size
                             ? picture
                             : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return runsToRegion(scanPictureRuns(shape, shape.pixel(0, 0)));
}

} // namespace window_outline
