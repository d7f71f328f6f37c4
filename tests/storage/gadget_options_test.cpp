#include "storage/gadget_options.h"
#include "support/temp_program_folder.h"

#include <QSettings>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using gadget_options::GadgetOptions;

GadgetOptions readFrom(const TempProgramFolder& folder)
{
    QSettings settings(folder.filePath(u"options.ini"_s), QSettings::IniFormat);
    return gadget_options::read(settings);
}

// Each option goes to its key and comes back as written; what was never touched writes no
// key of its own, so that the section reads as the clock always had it.
TEST(GadgetOptions, ComeBackAsWritten)
{
    const struct
    {
        const char* name;
        GadgetOptions options;
        QStringList keys;
    } cases[] = {
        {"AsDesigned", {}, {u"size"_s}},
        {"Faintest", {.opacity = *ClockOpacity::ofPercent(30)}, {u"opacity"_s, u"size"_s}},
        {"OpaqueUnderPointer",
         {.size = *ClockSize::ofPercent(200),
          .opacity = *ClockOpacity::ofPercent(70),
          .opaqueUnderPointer = true},
         {u"opacity"_s, u"opaqueUnderPointer"_s, u"size"_s}},
        {"ClickThrough", {.clickThrough = true}, {u"clickThrough"_s, u"size"_s}},
        {"Everything",
         {.size = *ClockSize::ofPercent(125),
          .screen = QRect(1920, 0, 1280, 1024),
          .opacity = *ClockOpacity::ofPercent(90),
          .opaqueUnderPointer = true,
          .clickThrough = true},
         {u"clickThrough"_s, u"opacity"_s, u"opaqueUnderPointer"_s, u"screen"_s, u"size"_s}},
    };
    for (const auto& c : cases) {
        TempProgramFolder folder;
        {
            QSettings settings(folder.filePath(u"options.ini"_s), QSettings::IniFormat);
            gadget_options::write(settings, c.options);
        }
        EXPECT_EQ(readFrom(folder), c.options) << c.name;
        QSettings settings(folder.filePath(u"options.ini"_s), QSettings::IniFormat);
        settings.beginGroup(gadget_options::section);
        EXPECT_EQ(settings.childKeys(), c.keys) << c.name;
    }
}

// A value a hand or another copy left that is no step of the opacity, or not the word for
// on, reads as the clock always was.
TEST(GadgetOptions, WhatCannotBeReadIsAsAlways)
{
    const struct
    {
        QByteArray file;
        int opacity;
        bool opaqueUnderPointer;
        bool clickThrough;
    } cases[] = {
        {"opacity=40\nopaqueUnderPointer=true\nclickThrough=true\n", 40, true, true},
        {"opacity=20\n", 100, false, false},
        {"opacity=110\n", 100, false, false},
        {"opacity=75\n", 100, false, false},
        {"opacity=half\n", 100, false, false},
        {"opacity=\n", 100, false, false},
        {"opaqueUnderPointer=yes\nclickThrough=1\n", 100, false, false},
        {"clickThrough=false\n", 100, false, false},
    };
    for (const auto& c : cases) {
        TempProgramFolder folder;
        folder.write(u"options.ini"_s, "[gadget]\n" + c.file);
        const GadgetOptions read = readFrom(folder);
        EXPECT_EQ(read.opacity.percent, c.opacity) << c.file.constData();
        EXPECT_EQ(read.opaqueUnderPointer, c.opaqueUnderPointer) << c.file.constData();
        EXPECT_EQ(read.clickThrough, c.clickThrough) << c.file.constData();
    }
}

} // namespace
