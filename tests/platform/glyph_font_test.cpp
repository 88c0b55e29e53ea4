#include "platform/glyph_codes.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QString>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "test_support.h"

namespace {

QString FontPath() {
    return QString::fromStdString(testsupport::SourceDir() + "/data/tandrell.ttf");
}

// The family under which the shipped font registers, empty when it fails.
QString RegisterFont() {
    static const int id = QFontDatabase::addApplicationFont(FontPath());
    return id < 0 ? QString() : QFontDatabase::applicationFontFamilies(id).value(0);
}

QString Glyph(int code) { return QString(QChar(GlyphCodePoint(code))); }

QImage Render(const QFont& font, const QString& text) {
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

int DarkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++n;
    return n;
}

quint32 GlyphIndex(const QRawFont& raw, const QString& text) {
    const QList<quint32> indexes = raw.glyphIndexesForString(text);
    return indexes.isEmpty() ? 0 : indexes.front();
}

}  // namespace

TEST(GlyphFont, CodeFamiliesMapToPrivateUseCodePoints) {
    EXPECT_EQ(GlyphCodePoint(BodyGlyph(1)), 0xF0E0);       // Sun
    EXPECT_EQ(GlyphCodePoint(BodyGlyph(15)), 0xF0EE);      // MC
    EXPECT_EQ(SignGlyph(1), 192);
    EXPECT_EQ(SignGlyph(12), 203);
    EXPECT_EQ(AspectGlyph(2), 161);
    EXPECT_EQ(AspectGlyph(7), kParallelGlyph);
    EXPECT_EQ(AspectGlyph(16), kGridCellGlyph);
    EXPECT_EQ(AspectGlyph(17), 176);
    EXPECT_EQ(BodyGlyph(13), 236);                         // the metric glyph
    const std::set<int> unique(kGlyphFontCodes.begin(), kGlyphFontCodes.end());
    EXPECT_EQ(unique.size(), kGlyphFontCodes.size());
}

TEST(GlyphFont, ShippedFontHoldsEveryGlyphCodeAndOrdinaryText) {
    ASSERT_EQ(RegisterFont(), QStringLiteral("Tandrell")) << FontPath().toStdString();
    QRawFont raw(FontPath(), 48);
    ASSERT_TRUE(raw.isValid());
    EXPECT_EQ(raw.familyName(), QStringLiteral("Tandrell"));
    for (int code : kGlyphFontCodes)
        EXPECT_TRUE(raw.supportsCharacter(QChar(GlyphCodePoint(code)))) << "code " << code;

    // Legends and names are ordinary text in the same font.
    for (QChar c : QStringLiteral("Az09 .,:-()éßàÿŠŒ€–’"))
        EXPECT_TRUE(raw.supportsCharacter(c)) << "U+" << std::hex << int(c.unicode());

    // The wheel's digits are the font's own digits ...
    for (int d = 0; d <= 9; ++d)
        EXPECT_EQ(GlyphIndex(raw, Glyph(DigitGlyph(d))),
                  GlyphIndex(raw, QString(QChar(u'0' + d))));
    // ... while a Latin-1 letter sharing a glyph code is not a glyph.
    for (int code : {kGridCornerGlyph, BodyGlyph(1), SignGlyph(1), AspectGlyph(2)})
        EXPECT_NE(GlyphIndex(raw, Glyph(code)), GlyphIndex(raw, QString(QChar(code))))
            << "code " << code;
}

TEST(GlyphFont, EveryGlyphDrawsItsOwnPicture) {
    ASSERT_EQ(RegisterFont(), QStringLiteral("Tandrell"));
    QFont font(QStringLiteral("Tandrell"));
    font.setPixelSize(40);
    ASSERT_EQ(QFontInfo(font).family(), QStringLiteral("Tandrell"));

    std::vector<std::pair<int, QImage>> pictures;
    for (int code : kGlyphFontCodes) {
        const QImage image = Render(font, Glyph(code));
        EXPECT_GT(DarkPixels(image), 20) << "code " << code << " draws nothing";
        for (const auto& [other, seen] : pictures)
            EXPECT_NE(image, seen) << "codes " << other << " and " << code << " look the same";
        pictures.emplace_back(code, image);
    }
}
