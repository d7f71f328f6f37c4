#include "catalogue.h"

#include "core/artwork.h"

#include <QDebug>
#include <cstdlib>

void Catalogue::add(const QString& path, const std::function<QImage(int scale)>& draw)
{
    for (const int scale : artwork::pictureScales) {
        items_.push_back({artwork::atScale(path, scale), scale, draw(scale)});
    }
}

void Catalogue::addOneSize(const QString& path, const QImage& image)
{
    items_.push_back({path, 1, image});
}

const QImage& Catalogue::at(const QString& path, int scale) const
{
    const QString file = artwork::atScale(path, scale);
    for (const Artwork& item : items_) {
        if (item.path == file) {
            return item.image;
        }
    }
    qFatal("artgen: %s is drawn before it exists", qPrintable(file));
}

Catalogue renderCatalogue()
{
    Catalogue catalogue;
    addDesigns(catalogue);
    addIcons(catalogue);
    addStrips(catalogue);
    addBackgrounds(catalogue);
    addButtons(catalogue);
    addCaptions(catalogue);
    addChips(catalogue);
    addPreviews(catalogue); // designs with read-outs from the strips
    return catalogue;
}
