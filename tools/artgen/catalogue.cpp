#include "catalogue.h"

#include <QDebug>
#include <cstdlib>

void Catalogue::add(const QString& path, const QImage& image)
{
    items_.push_back({path, image});
}

const QImage& Catalogue::at(const QString& path) const
{
    for (const Artwork& item : items_) {
        if (item.path == path) {
            return item.image;
        }
    }
    qFatal("artgen: %s is drawn before it exists", qPrintable(path));
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
    addPreviews(catalogue); // designs with read-outs from the strips
    return catalogue;
}
