#include "widgets/scaled_picture.h"

#include "core/artwork.h"

#include <cmath>
#include <utility>

ScaledPicture::ScaledPicture(QString path)
    : path_(std::move(path)), pixmap_(artwork::resource(path_)), ratio_(1.0)
{
    size_ = pixmap_.size();
}

const QPixmap& ScaledPicture::at(qreal devicePixelRatio) const
{
    if (devicePixelRatio != ratio_) {
        const int scale = artwork::pictureScale(devicePixelRatio);
        QPixmap picture(artwork::resource(artwork::atScale(path_, scale)));
        if (devicePixelRatio != scale) {
            const QSize wanted(int(std::lround(size_.width() * devicePixelRatio)),
                               int(std::lround(size_.height() * devicePixelRatio)));
            picture = picture.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            picture.setDevicePixelRatio(devicePixelRatio);
        }
        pixmap_ = picture;
        ratio_ = devicePixelRatio;
    }
    return pixmap_;
}
