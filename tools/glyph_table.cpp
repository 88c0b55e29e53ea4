// Writes a PNG table of every glyph of the glyph font "Tandrell": its code,
// the glyph drawn large and small, and what it stands for, so that a person
// can check the shapes after the font has been rebuilt.
//
//   glyph_table out.png [path/to/tandrell.ttf]
//
// Without a font path the font is looked for in the source tree above the
// build folder, then in the data folders next to the program.
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <cstdio>

#include "platform/glyph_codes.h"

namespace {

const char* GlyphLabel(int code) {
    static const char* const kBodies[] = {
        "Sun",    "Mercury", "Venus",   "Mars",       "Jupiter",
        "Saturn", "Uranus",  "Neptune", "Pluto",      "Moon",
        "North Node", "South Node", "Chiron", "Ascendant", "MC"};
    static const char* const kSigns[] = {
        "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
        "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    static const char* const kAspects[] = {
        "conjunction",   "sextile",     "square",       "trine",
        "opposition",    "parallel",    "semi-sextile", "semi-square",
        "sesquiquadrate", "quincunx",   "semi-quintile", "nonagen",
        "quintile",      "trecile",     "bi-quintile",  "septile"};
    static const char* const kDigits[] = {"digit 0", "digit 1", "digit 2",
                                          "digit 3", "digit 4", "digit 5",
                                          "digit 6", "digit 7", "digit 8",
                                          "digit 9"};
    if (code >= kFirstBodyGlyph && code <= kLastBodyGlyph)
        return kBodies[code - kFirstBodyGlyph];
    if (code >= kFirstSignGlyph && code <= kLastSignGlyph)
        return kSigns[code - kFirstSignGlyph];
    if (code >= kFirstAspectGlyph && code <= kLastAspectGlyph)
        return kAspects[code - kFirstAspectGlyph];
    if (code >= DigitGlyph(0) && code <= DigitGlyph(9))
        return kDigits[code - DigitGlyph(0)];
    if (code == kRetrogradeGlyph) return "retrograde";
    if (code == kContraparallelGlyph) return "contraparallel";
    if (code == kGridCornerGlyph) return "grid corner";
    return "?";
}

QString FindFont(const QString& given) {
    if (!given.isEmpty()) return given;
    const QString here = QCoreApplication::applicationDirPath();
    // The source tree's font first: the build folder's copy is refreshed
    // only when the program is linked again.
    for (const char* rel : {"/../../data/tandrell.ttf", "/../data/tandrell.ttf",
                            "/data/tandrell.ttf"}) {
        const QString path = QDir::cleanPath(here + rel);
        if (QFile::exists(path)) return path;
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: glyph_table out.png [tandrell.ttf]\n");
        return 2;
    }
    const QString font_path = FindFont(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    const int id = font_path.isEmpty() ? -1 : QFontDatabase::addApplicationFont(font_path);
    if (id < 0) {
        std::fprintf(stderr, "glyph_table: cannot load the font %s\n",
                     qPrintable(font_path.isEmpty() ? QStringLiteral("tandrell.ttf") : font_path));
        return 1;
    }
    const QString family = QFontDatabase::applicationFontFamilies(id).value(0);

    const int columns = 4;
    const int cell_w = 330;
    const int cell_h = 96;
    const int rows = (static_cast<int>(kGlyphFontCodes.size()) + columns - 1) / columns;
    QImage image(columns * cell_w, rows * cell_h + 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont label_font(QStringLiteral("DejaVu Sans"), 11);
    QFont big(family);
    big.setPixelSize(56);
    QFont small(family);
    small.setPixelSize(16);

    p.setFont(label_font);
    p.setPen(Qt::black);
    p.drawText(10, 26, QStringLiteral("%1 (%2): code, glyph at U+F000 + code, small size")
                           .arg(family, font_path));
    for (int i = 0; i < static_cast<int>(kGlyphFontCodes.size()); ++i) {
        const int code = kGlyphFontCodes[i];
        const int x = (i % columns) * cell_w;
        const int y = 40 + (i / columns) * cell_h;
        const QString glyph(QChar(GlyphCodePoint(code)));
        p.setPen(QColor(200, 200, 200));
        p.drawRect(x, y, cell_w - 1, cell_h - 1);
        p.setPen(Qt::black);
        p.setFont(label_font);
        p.drawText(x + 8, y + 24, QString::number(code));
        p.drawText(x + 8, y + 84, QString::fromLatin1(GlyphLabel(code)));
        p.setFont(big);
        p.drawText(QRect(x + 60, y + 4, 120, cell_h - 8), Qt::AlignCenter, glyph);
        p.setFont(small);
        p.drawText(QRect(x + 200, y + 4, 60, cell_h - 8), Qt::AlignCenter, glyph);
    }
    p.end();
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "glyph_table: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
