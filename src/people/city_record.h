#pragma once
// Cities files: five comma-separated fields per place (city, region,
// longitude such as 084W23 or 84W23, latitude such as 33N45, zone in hours
// West positive), and the input-window values a place gives.
#include <string>
#include <vector>

struct CityRecord {
    std::string City;
    std::string Region;
    std::string Longitude;
    std::string Latitude;
    std::string TimeZone;
};

// The text the cities list shows and finds a place by: city, comma, region.
std::string CityListText(const CityRecord& record);

// Records read five fields at a time across line ends, empty lines passed
// over; a record whose city is empty or only blanks is passed over too, and
// reading goes on. Incomplete is set when the file ends in the middle of a
// record; the records before it are kept.
struct CitiesReadResult {
    std::vector<CityRecord> Records;
    bool Incomplete = false;
};
CitiesReadResult ReadCitiesRecords(const std::vector<std::string>& lines);

// The lines of the cities file (the default "GA_MA.LL" in the program folder
// when currentCitiesFile is empty); a "File Not Found" message and no lines
// when it cannot be opened.
std::vector<std::string> OpenCitiesFile(const std::string& currentCitiesFile, const std::string& appPath);

// The values a click on a place writes into an input window.
struct CityPlaceValues {
    double LongDeg = 0.0;
    double LongMin = 0.0;
    bool East = false;   // the longitude letter is exactly "E"
    double Zone = 0.0;   // leading number of the zone field
    double LatDeg = 0.0;
    double LatMin = 0.0;
    bool South = false;  // the latitude letter is exactly "S"
};
CityPlaceValues CityValues(const CityRecord& record);
// False when a number is too large for its box (a zone such as 1e99).
bool CityValuesFit(const CityPlaceValues& values);

// A number as the input boxes take it: plain decimal text, no leading blank
// (7 for 07, -5.5 for -5.5).
std::string PlainNumberText(double value);
