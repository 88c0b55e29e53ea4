// Stand-in atlas program. Lists the places of the time-zone database and of
// the current cities file, lets the user search them by name and, on OK,
// writes PCATPATH.TXT (its own folder) and TSRTEMP.TXT (place name,
// latitude such as 33N45, longitude such as 84W23, region, zone in hours
// West positive) in its own folder, then ends.
#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimeZone>
#include <QVBoxLayout>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <vector>

#include "app/settings.h"
#include "app/settings_file.h"
#include "people/city_record.h"
#include "platform/app_path.h"
#include "platform/text_file.h"

namespace {

struct Place {
    std::string Name;
    std::string Region;
    std::string Latitude;   // "33N45"
    std::string Longitude;  // "084W23"
    std::string Zone;       // hours, West positive
};

// "+4043" / "-0740023": sign, degrees, minutes, optional seconds; whole minutes.
bool ParseTabCoordinate(const std::string& text, int degreeDigits, int& sign, int& deg, int& min) {
    if (text.size() < static_cast<size_t>(1 + degreeDigits + 2)) return false;
    sign = text[0] == '-' ? -1 : 1;
    const std::string body = text.substr(1);
    const int d = std::atoi(body.substr(0, degreeDigits).c_str());
    const int m = std::atoi(body.substr(degreeDigits, 2).c_str());
    const int s = body.size() > static_cast<size_t>(degreeDigits + 2)
                      ? std::atoi(body.substr(degreeDigits + 2).c_str()) : 0;
    const int total = static_cast<int>(std::floor(d * 60 + m + s / 60.0 + 0.5));
    deg = total / 60;
    min = total % 60;
    return true;
}

std::string ZoneHours(const QByteArray& zoneId) {
    const QTimeZone tz(zoneId);
    if (!tz.isValid()) return "0";
    const int year = QDate::currentDate().year();
    const int jan = tz.offsetFromUtc(QDateTime(QDate(year, 1, 15), QTime(12, 0), Qt::UTC));
    const int jul = tz.offsetFromUtc(QDateTime(QDate(year, 7, 15), QTime(12, 0), Qt::UTC));
    const double hours = -std::min(jan, jul) / 3600.0;
    return PlainNumberText(hours);
}

std::vector<Place> ZoneDatabasePlaces() {
    std::map<std::string, std::string> countries;
    if (auto lines = ReadTextLines("/usr/share/zoneinfo/iso3166.tab"))
        for (const auto& l : *lines) {
            if (l.empty() || l[0] == '#') continue;
            const auto tab = l.find('\t');
            if (tab != std::string::npos) countries[l.substr(0, tab)] = l.substr(tab + 1);
        }
    auto lines = ReadTextLines("/usr/share/zoneinfo/zone1970.tab");
    if (!lines) lines = ReadTextLines("/usr/share/zoneinfo/zone.tab");
    std::vector<Place> places;
    if (!lines) return places;
    for (const auto& l : *lines) {
        if (l.empty() || l[0] == '#') continue;
        const QStringList f = QString::fromUtf8(l.c_str()).split('\t');
        if (f.size() < 3) continue;
        const std::string coords = f[1].toStdString();
        const auto cut = coords.find_last_of("+-");
        int latSign, latDeg, latMin, lonSign, lonDeg, lonMin;
        if (cut == std::string::npos || cut == 0 ||
            !ParseTabCoordinate(coords.substr(0, cut), 2, latSign, latDeg, latMin) ||
            !ParseTabCoordinate(coords.substr(cut), 3, lonSign, lonDeg, lonMin))
            continue;
        Place p;
        p.Name = ToCp1252(f[2].section('/', -1).replace('_', ' '));
        const std::string code = f[0].section(',', 0, 0).toStdString();
        p.Region = countries.count(code) ? ToCp1252(QString::fromUtf8(countries[code].c_str()).remove(',')) : code;
        char buf[16];
        std::snprintf(buf, sizeof buf, "%02d%c%02d", latDeg, latSign < 0 ? 'S' : 'N', latMin);
        p.Latitude = buf;
        std::snprintf(buf, sizeof buf, "%03d%c%02d", lonDeg, lonSign < 0 ? 'W' : 'E', lonMin);
        p.Longitude = buf;
        p.Zone = ZoneHours(f[2].toUtf8());
        places.push_back(p);
    }
    return places;
}

// The places of the user's current cities file (as the settings file of the
// program folder names it), else of the cities file shipped beside this program.
std::vector<Place> CitiesFilePlaces(const QString& ownFolder) {
    Settings settings;
    settings.AppPath = StandardProgramFolder();
    LoadSettings(settings);
    const QString current = QString::fromStdString(settings.CurrentCitiesFile);
    for (const QString& path : {current, ownFolder + "/GA_MA.LL", ownFolder + "/data/GA_MA.LL"}) {
        const auto lines = ReadTextLines(path.toStdString());
        if (!lines) continue;
        std::vector<Place> places;
        for (const auto& r : ReadCitiesRecords(*lines).Records)
            places.push_back({r.City, r.Region, r.Latitude, r.Longitude, r.TimeZone});
        return places;
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString ownFolder = QCoreApplication::applicationDirPath();
    const std::string pathFile = (ownFolder + "/PCATPATH.TXT").toStdString();
    const std::string resultFile = (ownFolder + "/TSRTEMP.TXT").toStdString();
    // No answer from an earlier run may be taken for this one's.
    QFile::remove(QString::fromStdString(pathFile));
    QFile::remove(QString::fromStdString(resultFile));

    // The shipped cities file is made from the same zone database: each
    // place is listed once, the cities file's line first.
    std::vector<Place> places = CitiesFilePlaces(ownFolder);
    std::set<std::string> listed;
    for (const Place& p : places) listed.insert(p.Name + "," + p.Region);
    for (auto& p : ZoneDatabasePlaces())
        if (listed.insert(p.Name + "," + p.Region).second) places.push_back(std::move(p));

    QDialog dialog;
    dialog.setWindowTitle("Atlas");
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel("Search a place by name:"));
    auto* search = new QLineEdit;
    layout->addWidget(search);
    auto* list = new QListWidget;
    list->setMinimumSize(460, 360);
    layout->addWidget(list);
    for (size_t i = 0; i < places.size(); ++i) {
        const Place& p = places[i];
        auto* item = new QListWidgetItem(FromCp1252(p.Name + ", " + p.Region + "   " + p.Latitude + " " +
                                                    p.Longitude + "   " + p.Zone));
        item->setData(Qt::UserRole, static_cast<int>(i));
        list->addItem(item);
    }
    list->sortItems();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    QObject::connect(search, &QLineEdit::textChanged, [list](const QString& text) {
        QListWidgetItem* first = nullptr;
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem* item = list->item(i);
            const bool match = item->text().contains(text, Qt::CaseInsensitive);
            item->setHidden(!match);
            if (match && !first) first = item;
        }
        if (first) list->setCurrentItem(first);
    });

    if (dialog.exec() != QDialog::Accepted || !list->currentItem() || list->currentItem()->isHidden()) return 1;
    const Place& p = places[static_cast<size_t>(list->currentItem()->data(Qt::UserRole).toInt())];
    if (!WriteTextLines(resultFile, {p.Name, p.Latitude, p.Longitude, p.Region, p.Zone})) return 2;
    // The folder is written as text in the file's code page.
    if (!WriteTextLines(pathFile, {PathToText(ownFolder.toStdString() + "/")})) return 2;
    return 0;
}
