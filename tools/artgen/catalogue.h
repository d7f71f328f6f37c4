#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

// Every picture the program shows, by its path under assets/.
struct Artwork
{
    QString path; // "<name>@2x.png" for a picture drawn at 2x
    int scale;
    QImage image;
};

class Catalogue
{
public:
    // Draws a picture at every scale of artwork::pictureScales, from the same code.
    void add(const QString& path, const std::function<QImage(int scale)>& draw);
    // A picture of one size only: the icons, which come as a ladder of sizes.
    void addOneSize(const QString& path, const QImage& image);
    // A picture added earlier, at a scale; the generator stops when it is missing.
    const QImage& at(const QString& path, int scale = 1) const;
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
void addChips(Catalogue& catalogue);
void addPreviews(Catalogue& catalogue);
