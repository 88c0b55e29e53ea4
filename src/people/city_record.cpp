#include "people/city_record.h"

#include <charconv>
#include <cmath>

#include "people/comma_fields.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/text_file.h"

namespace {

std::string Mid(const std::string& s, size_t pos, size_t len) { return pos < s.size() ? s.substr(pos, len) : ""; }

std::string Right(const std::string& s, size_t len) { return s.size() <= len ? s : s.substr(s.size() - len); }

}  // namespace

std::string CityListText(const CityRecord& r) { return r.City + "," + r.Region; }

CitiesReadResult ReadCitiesRecords(const std::vector<std::string>& lines) {
    CitiesReadResult result;
    CommaFieldStream in(lines);
    while (!in.AtEnd()) {
        CityRecord r;
        in.Next(r.City);
        for (std::string* field : {&r.Region, &r.Longitude, &r.Latitude, &r.TimeZone}) {
            if (!in.Next(*field)) {
                result.Incomplete = true;
                return result;
            }
        }
        if (!r.City.empty()) result.Records.push_back(std::move(r));
    }
    return result;
}

std::vector<std::string> OpenCitiesFile(const std::string& currentCitiesFile, const std::string& appPath) {
    const std::string path = currentCitiesFile.empty() ? JoinPath(appPath, "GA_MA.LL") : currentCitiesFile;
    if (auto lines = ReadTextLines(path)) return *lines;
    MsgBox("The cities file " + PathToText(path) + " cannot be opened.", MsgButtons::OK, "File Not Found",
           MsgIcon::Critical);
    return {};
}

CityPlaceValues CityValues(const CityRecord& r) {
    CityPlaceValues v;
    const std::string& lon = r.Longitude;
    if (lon.size() == 5) {
        v.LongDeg = Val(lon.substr(0, 2));
        v.East = Mid(lon, 2, 1) == "E";
    } else {
        v.LongDeg = Val(lon.substr(0, 3));
        v.East = Mid(lon, 3, 1) == "E";
    }
    v.LongMin = Val(Right(lon, 2));
    v.Zone = Val(r.TimeZone);
    const std::string& lat = r.Latitude;
    v.LatDeg = Val(lat.substr(0, 2));
    v.South = Mid(lat, 2, 1) == "S";
    v.LatMin = Val(Right(lat, 2));
    return v;
}

bool CityValuesFit(const CityPlaceValues& v) {
    for (double x : {v.LongDeg, v.LongMin, v.Zone, v.LatDeg, v.LatMin})
        if (!(std::fabs(x) < 1e9)) return false;
    return true;
}

std::string PlainNumberText(double value) {
    if (value == 0) return "0";
    // Not printf, whose decimal point follows the user's locale.
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 7).ptr;
    return std::string(buf, end);
}
