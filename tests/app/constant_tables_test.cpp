#include <gtest/gtest.h>

#include "app/constant_tables.h"
#include "program_state.h"

TEST(ConstantTables, NameTablesSliceByPosition) {
    ProgramState ps;
    ps.settings.AppPath = "/prog";
    FillConstantTables(ps);
    const Settings& s = ps.settings;
    EXPECT_EQ(s.BodyNames.size(), 150u);
    EXPECT_EQ(TableField(s.BodyNames, 10, 1), "SUN       ");
    EXPECT_EQ(TableField(s.BodyNames, 10, 12), "S. NODE   ");
    EXPECT_EQ(TableField(s.BodyNames, 10, 15), "MC        ");
    EXPECT_EQ(TableField(s.SignAbbrevs, 3, 12), "PIS");
    EXPECT_EQ(ps.chart.HouseOrdinals.size(), 52u);
    EXPECT_EQ(TableField(ps.chart.HouseOrdinals, 4, 1), "10TH");
    EXPECT_EQ(TableField(ps.chart.HouseOrdinals, 4, 4), " 1ST");
    EXPECT_EQ(TableField(ps.chart.HouseOrdinals, 4, 13), "    ");
    EXPECT_EQ(s.AspectNames.size(), 192u);
    EXPECT_EQ(TableField(s.AspectNames, 12, 1), std::string(12, ' '));
    EXPECT_EQ(TableField(s.AspectNames, 12, 7), "PARALLEL    ");
    EXPECT_EQ(TableField(s.AspectNames, 12, 16), "bi-quintile ");
    EXPECT_EQ(s.RelBodyNames.size(), 77u);
    EXPECT_EQ(TableField(s.RelBodyNames, 7, 0 + 1), "ASC    ");
    EXPECT_EQ(TableField(s.RelBodyNames, 7, 10 + 1), "PLUTO  ");
    EXPECT_EQ(s.RelAspectNames.size(), 126u);
    EXPECT_EQ(TableField(s.RelAspectNames, 14, 6 + 1), "sesquiquadrate");
    EXPECT_EQ(TableField(s.RelAspectNames, 14, 8 + 1), "opposite      ");
    EXPECT_EQ(s.PlanetNames[15], "MC ");
    EXPECT_EQ(s.AspectAngles[7], 0);
    EXPECT_EQ(s.AspectAngles[11], 150);
    EXPECT_EQ(s.AspectAngles[16], 144);
    EXPECT_FLOAT_EQ(s.HouseBase[8], 10.9f);
    EXPECT_FLOAT_EQ(s.HouseStep[11], 1.0f);
    EXPECT_EQ(s.RingTable1[7], 4);
    EXPECT_EQ(s.RingTable4[12], 139);
    EXPECT_EQ(s.CurrentOrbFile, "/prog/NATAL.ORB");
}

TEST(ConstantTables, ScreenSizeRows) {
    Settings s;
    ChooseScreenSize(s, 1280 * 15, 15);
    EXPECT_EQ(s.ScreenPixelWidth, 1280);
    EXPECT_EQ(s.ScreenWidthPx, 1024);
    EXPECT_EQ(s.WheelWindowWidth, 14050);
    EXPECT_EQ(s.WheelWindowHeight, 11505);
    EXPECT_EQ(s.ScreenFactor, 1.5);
    ChooseScreenSize(s, 1280 * 12, 12);
    EXPECT_EQ(s.WheelWindowWidth, 10970);
    EXPECT_EQ(s.WheelWindowHeight, 9204);
    EXPECT_EQ(s.ScreenFactor, 1.2);
    ChooseScreenSize(s, 800 * 15, 15);
    EXPECT_EQ(s.ScreenHeightPx, 600);
    EXPECT_EQ(s.WheelWindowWidth, 10725);
    EXPECT_EQ(s.ScreenFactor, 1.5);
    ChooseScreenSize(s, 800 * 12, 12);
    EXPECT_EQ(s.WheelWindowWidth, 8400);
    ChooseScreenSize(s, 640 * 15, 15);
    EXPECT_EQ(s.WheelWindowWidth, 8490);
}
