#include "platform/units.h"

#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <cmath>

namespace {

// No screen without a GUI application (a headless tool run).
QScreen* PrimaryScreen() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return nullptr;
    return QGuiApplication::primaryScreen();
}

}  // namespace

double TwipsPerPixel(double logicalDpi) { return logicalDpi > 0 ? kTwipsPerInch / logicalDpi : 15.0; }

double ScreenTwipsPerPixel() {
    QScreen* screen = PrimaryScreen();
    return screen ? TwipsPerPixel(screen->logicalDotsPerInch()) : 15.0;
}

double ScreenWidthTwips() {
    QScreen* screen = PrimaryScreen();
    return screen ? screen->geometry().width() * ScreenTwipsPerPixel() : 0.0;
}

double ScreenHeightTwips() {
    QScreen* screen = PrimaryScreen();
    return screen ? screen->geometry().height() * ScreenTwipsPerPixel() : 0.0;
}

int TwipsToPixels(double twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

double PixelsToTwips(double pixels, double twipsPerPixel) { return pixels * twipsPerPixel; }

std::string MapFontName(std::string_view name) {
    const QString n = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).trimmed();
    auto is = [&](const char* other) { return n.compare(QLatin1String(other), Qt::CaseInsensitive) == 0; };
    if (is("Courier New") || is("Courier")) return "Liberation Mono";
    if (is("Times New Roman")) return "Liberation Serif";
    if (is("Arial") || is("MS Sans Serif")) return "Liberation Sans";
    return n.toStdString();
}
