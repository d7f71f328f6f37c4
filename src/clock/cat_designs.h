#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <array>

// The seven cat designs. The index is the stored DodaiPic value; each design is a
// whole clock face: analog (hands drawn over the picture) or digital (a digit panel).
namespace cat_designs {

constexpr int count = 7;

enum class Face
{
    Analog,
    Digital
};

struct Design
{
    const char* caption; // the name the chooser shows
    QSize size;
    Face face;
};

inline constexpr std::array<Design, count> designs{{
    {"Type A04", {85, 115}, Face::Analog},
    {"Type A02", {85, 105}, Face::Digital},
    {"Type A03", {85, 105}, Face::Digital},
    {"Type A01", {85, 104}, Face::Analog},
    {"Type B01", {115, 90}, Face::Analog},
    {"Type B02", {115, 100}, Face::Analog},
    {"Type B03", {115, 82}, Face::Digital},
}};

constexpr bool isDesign(int type)
{
    return type >= 0 && type < count;
}

constexpr bool isAnalog(int type)
{
    return isDesign(type) && designs[std::size_t(type)].face == Face::Analog;
}

constexpr bool isDigital(int type)
{
    return isDesign(type) && designs[std::size_t(type)].face == Face::Digital;
}

// The full-size picture of a design, from the program's embedded artwork.
QImage picture(int type);

} // namespace cat_designs
