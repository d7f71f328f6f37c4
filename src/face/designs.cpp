#include "face/designs.h"

#include "core/artwork.h"

#include <array>

namespace designs {

namespace {

using enum face_layout::Text;
using face_layout::TextColour;

constexpr HandGeometry smallHands{{42, 64}, 14, 22, 20, 3, 2, 1};
constexpr HandGeometry largeHands{{45, 45}, 22, 32, 30, 4, 3, 2};

constexpr std::array<Design, count> table{{
    {"Type A04",
     {85, 115},
     smallHands,
     Readout::None,
     {TextColour::Light, DateWithWeekday, {4, 105}, AmPm, {2, 95}, QPoint(15, 96), {}, {}}},
    {"Type A02",
     {85, 105},
     std::nullopt,
     Readout::Small,
     {TextColour::Unchanged, None, {}, None, {}, std::nullopt, QRect(23, 61, 41, 12), QRect(39, 51, 7, 7)}},
    {"Type A03",
     {85, 105},
     std::nullopt,
     Readout::Small,
     {TextColour::DigitalColour,
      MonthDay,
      {24, 71},
      Weekday,
      {54, 71},
      std::nullopt,
      QRect(23, 58, 41, 12),
      QRect(40, 81, 7, 7)}},
    {"Type A01",
     {85, 104},
     smallHands,
     Readout::None,
     {TextColour::Unchanged, None, {}, None, {}, QPoint(9, 92), {}, {}}},
    {"Type B01",
     {115, 90},
     largeHands,
     Readout::None,
     {TextColour::Light, None, {}, None, {}, QPoint(10, 79), {}, {}}},
    {"Type B02",
     {115, 100},
     largeHands,
     Readout::None,
     {TextColour::Light, DateWithWeekday, {34, 89}, AmPm, {6, 89}, QPoint(21, 90), {}, {}}},
    {"Type B03",
     {115, 82},
     std::nullopt,
     Readout::Large,
     {TextColour::DigitalColour,
      Date,
      {12, 52},
      Weekday,
      {73, 51},
      std::nullopt,
      QRect(5, 24, 76, 23),
      QRect(3, 53, 7, 7)}},
}};

} // namespace

const Design* find(DesignIndex index)
{
    return index.number >= 0 && index.number < count ? &table[std::size_t(index.number)] : nullptr;
}

bool isAnalog(DesignIndex index)
{
    const Design* design = find(index);
    return design && design->hands;
}

bool isDigital(DesignIndex index)
{
    const Design* design = find(index);
    return design && design->readout != Readout::None;
}

QImage picture(DesignIndex index, int scale)
{
    return QImage(artwork::resource(artwork::atScale(artwork::designPicture(index.number), scale)))
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace designs
