#pragma once

#include <QImage>
#include <QString>
#include <vector>

// Every picture the program shows, by its path under assets/.
struct Artwork
{
    QString path;
    QImage image;
};

class Catalogue
{
public:
    void add(const QString& path, const QImage& image);
    // A picture added earlier; the generator stops when it is missing.
    const QImage& at(const QString& path) const;
    const std::vector<Artwork>& items() const { return items_; }

private:
    std::vector<Artwork> items_;
};

// Draws the whole catalogue, in the order the kinds depend on each other.
Catalogue renderCatalogue();

// The kinds of pictures, one file each.
void addDesigns(Catalogue& catalogue);
void addIcons(Catalogue& catalogue);
void addStrips(Catalogue& catalogue);
void addBackgrounds(Catalogue& catalogue);
void addButtons(Catalogue& catalogue);
void addCaptions(Catalogue& catalogue);
void addPreviews(Catalogue& catalogue);
