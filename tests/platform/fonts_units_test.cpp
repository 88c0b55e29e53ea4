#include <QFile>
#include <cmath>
#include <gtest/gtest.h>

#include "platform/font_registry.h"
#include "platform/text_file.h"
#include "platform/units.h"
#include "test_support.h"

namespace {

TEST(UnitsTest, TwipsPerPixel) {
    EXPECT_DOUBLE_EQ(TwipsPerPixel(96), 15);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(144), 10);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(0), 15);
    EXPECT_EQ(TwipsToPixels(1440, 15), 96);
    EXPECT_EQ(TwipsToPixels(22, 15), 1);
    EXPECT_DOUBLE_EQ(PixelsToTwips(800, 15), 12000);
    EXPECT_GT(ScreenTwipsPerPixel(), 0);
    EXPECT_GT(ScreenWidthTwips(), 0);
    EXPECT_DOUBLE_EQ(ScreenWidthTwips() / ScreenTwipsPerPixel(), std::round(ScreenWidthTwips() / ScreenTwipsPerPixel()));
}

TEST(UnitsTest, FontNamesMapToFreeFonts) {
    EXPECT_EQ(MapFontName("Courier New"), "Liberation Mono");
    EXPECT_EQ(MapFontName("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(MapFontName("Arial"), "Liberation Sans");
    EXPECT_EQ(MapFontName("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(MapFontName("courier new"), "Liberation Mono");
    EXPECT_EQ(MapFontName("Tandrell"), "Tandrell");
    EXPECT_EQ(MapFontName(""), "");
}

TEST(FontRegistryTest, AddsAndRemovesAFontFile) {
    const std::string font = "/usr/share/fonts/truetype/liberation2/LiberationMono-Regular.ttf";
    if (!QFile::exists(QString::fromStdString(font))) GTEST_SKIP() << "no font file to load";
    // A copy under another name, as the program's own file would be.
    const std::string copy = JoinPath(testsupport::MakeTempDir(), "tandrell.ttf");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(font), QString::fromStdString(copy)));

    const RegisteredFont added = AddFontFile(copy);
    ASSERT_GE(added.Id, 0);
    ASSERT_EQ(added.Families.size(), 1u);
    EXPECT_EQ(added.Families[0], "Liberation Mono");
    EXPECT_TRUE(FontFamilyAvailable("Liberation Mono"));
    EXPECT_TRUE(RemoveFontFile(added.Id));
    EXPECT_FALSE(RemoveFontFile(added.Id));
}

TEST(FontRegistryTest, MissingOrBrokenFileIsRefused) {
    const std::string dir = testsupport::MakeTempDir();
    EXPECT_EQ(AddFontFile(JoinPath(dir, "none.ttf")).Id, -1);
    testsupport::WriteBytes(JoinPath(dir, "bad.ttf"), "not a font");
    const RegisteredFont bad = AddFontFile(JoinPath(dir, "bad.ttf"));
    EXPECT_EQ(bad.Id, -1);
    EXPECT_TRUE(bad.Families.empty());
    EXPECT_FALSE(RemoveFontFile(-1));
    EXPECT_FALSE(FontFamilyAvailable("No Such Family Here"));
}

}  // namespace
