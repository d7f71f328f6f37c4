#include "face/scaled_artwork.h"

#include "core/artwork.h"

namespace scaled_artwork {

bool isDrawnAt(qreal scale)
{
    return scale == artwork::pictureScale(scale);
}

QImage scaled(const QImage& picture, qreal scale)
{
    if (picture.devicePixelRatio() == scale) {
        return picture;
    }
    QImage image = picture.scaled((picture.deviceIndependentSize() * scale).toSize(), Qt::IgnoreAspectRatio,
                                  Qt::SmoothTransformation);
    image.setDevicePixelRatio(scale);
    return image;
}

QImage load(const char* path, qreal scale)
{
    const int drawnAt = artwork::pictureScale(scale);
    QImage picture =
        QImage(artwork::resource(artwork::atScale(path, drawnAt))).convertToFormat(QImage::Format_RGB32);
    picture.setDevicePixelRatio(drawnAt);
    return scaled(picture, scale).convertToFormat(QImage::Format_RGB32);
}

} // namespace scaled_artwork
