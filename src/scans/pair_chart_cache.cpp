#include "scans/pair_chart_cache.h"

#include "chart/chart_driver.h"
#include "people/input_readers.h"
#include "scoring/chart_run_scores.h"
#include "program_state.h"

// Chart A of a person: what computing chart A writes that chart B leaves;
// chart B: the whole chart state after it, with the wheels' copy of B.
struct PairChartCache::Entry {
    std::unique_ptr<ChartState> values;
    std::array<double, 16> wheelSecondLongitudes{};
    std::string wheelSecondFlags;
};

namespace {

// What reading the natal data set and computing chart A leave that chart B
// does not write.
struct NatalPart {
    int NatalDay, NatalMonth, NatalYear, DiurnalDayOffset;
    std::string NatalDateText, NatalAmPm, WheelAmPm, WorkEastWest, NatalEastWest, NatalNorthSouth, ChartName;
    float NatalTime, NatalZone, NatalLongitude, NatalLatitude;
    double NatalJulianDate;
    double TrueNorthNode, Vertex, EquatorialAsc, CoAscendant, PolarAsc, TrueNodeDeclination, NatalSvp,
        NatalAyanamsa;
    std::string NatalSiderealText, HouseStringA, WheelHouseString, NatalRetroFlags;
    std::array<double, 14> NatalCusps;
    std::array<double, 16> NatalLongitudes, NatalDeclinations, NatalLatitudes;
};

NatalPart TakeNatalPart(const ChartState& c) {
    return {c.NatalDay, c.NatalMonth, c.NatalYear, c.DiurnalDayOffset, c.NatalDateText, c.NatalAmPm, c.WheelAmPm,
            c.WorkEastWest, c.NatalEastWest, c.NatalNorthSouth, c.ChartName, c.NatalTime, c.NatalZone,
            c.NatalLongitude, c.NatalLatitude, c.NatalJulianDate, c.TrueNorthNode, c.Vertex, c.EquatorialAsc,
            c.CoAscendant, c.PolarAsc, c.TrueNodeDeclination, c.NatalSvp, c.NatalAyanamsa, c.NatalSiderealText,
            c.HouseStringA, c.WheelHouseString, c.NatalRetroFlags, c.NatalCusps, c.NatalLongitudes,
            c.NatalDeclinations, c.NatalLatitudes};
}

void PutNatalPart(ChartState& c, const NatalPart& p) {
    c.NatalDay = p.NatalDay, c.NatalMonth = p.NatalMonth, c.NatalYear = p.NatalYear;
    c.DiurnalDayOffset = p.DiurnalDayOffset;
    c.NatalDateText = p.NatalDateText, c.NatalAmPm = p.NatalAmPm, c.WheelAmPm = p.WheelAmPm;
    c.WorkEastWest = p.WorkEastWest, c.NatalEastWest = p.NatalEastWest, c.NatalNorthSouth = p.NatalNorthSouth;
    c.ChartName = p.ChartName;
    c.NatalTime = p.NatalTime, c.NatalZone = p.NatalZone;
    c.NatalLongitude = p.NatalLongitude, c.NatalLatitude = p.NatalLatitude;
    c.NatalJulianDate = p.NatalJulianDate;
    c.TrueNorthNode = p.TrueNorthNode, c.Vertex = p.Vertex, c.EquatorialAsc = p.EquatorialAsc;
    c.CoAscendant = p.CoAscendant, c.PolarAsc = p.PolarAsc, c.TrueNodeDeclination = p.TrueNodeDeclination;
    c.NatalSvp = p.NatalSvp, c.NatalAyanamsa = p.NatalAyanamsa;
    c.NatalSiderealText = p.NatalSiderealText, c.HouseStringA = p.HouseStringA;
    c.WheelHouseString = p.WheelHouseString, c.NatalRetroFlags = p.NatalRetroFlags;
    c.NatalCusps = p.NatalCusps;
    c.NatalLongitudes = p.NatalLongitudes, c.NatalDeclinations = p.NatalDeclinations;
    c.NatalLatitudes = p.NatalLatitudes;
}

// Without Chiron a quiet chart leaves slot 13's declination as the chart
// computed before it left it: a cached chart takes the value standing now.
bool ChironKept(const ChartState& c) { return c.QuietMode == 1 && !c.UseChiron; }

}  // namespace

void CopyChartValues(ChartState& to, const ChartState& from) {
    // The source's tables are lent out for the copy and given back.
    ChartState& source = const_cast<ChartState&>(from);
    std::vector<float> longitudes = std::move(to.ChironLongitudeTable);
    std::vector<float> declinations = std::move(to.ChironDeclinationTable);
    std::vector<float> lentL = std::move(source.ChironLongitudeTable);
    std::vector<float> lentD = std::move(source.ChironDeclinationTable);
    to = source;
    source.ChironLongitudeTable = std::move(lentL);
    source.ChironDeclinationTable = std::move(lentD);
    to.ChironLongitudeTable = std::move(longitudes);
    to.ChironDeclinationTable = std::move(declinations);
}

namespace {

// A copy of the chart state's values, made without its data tables.
std::unique_ptr<ChartState> ChartValuesOf(ChartState& cs) {
    std::vector<float> lentL = std::move(cs.ChironLongitudeTable);
    std::vector<float> lentD = std::move(cs.ChironDeclinationTable);
    auto copy = std::make_unique<ChartState>(cs);
    cs.ChironLongitudeTable = std::move(lentL);
    cs.ChironDeclinationTable = std::move(lentD);
    return copy;
}

}  // namespace

PairChartCache::PairChartCache(int people) : asNatal_(people), asSecond_(people) {}
PairChartCache::~PairChartCache() = default;

void PairChartCache::ComputePair(ProgramState& ps, int i, int j, const DataSetFields& natal,
                                 const DataSetFields& diurnal) {
    ChartState& cs = ps.chart;
    const double slot13 = cs.WorkDeclinations[13];
    ReadNatalInput(cs, natal, ps.settings.DateOrder);
    ReadDiurnalInput(cs, diurnal, ps.settings.DateOrder);
    ComputeJulianDates(ps);
    cs.NatalEastWest = cs.WorkEastWest;
    cs.NatalNorthSouth = cs.WorkNorthSouth;

    if (!asNatal_[i]) {
        ComputeChartA(ps);
        asNatal_[i] = std::make_unique<Entry>();
        asNatal_[i]->values = ChartValuesOf(cs);
    } else {
        NatalPart part = TakeNatalPart(*asNatal_[i]->values);
        const NatalPart now = TakeNatalPart(cs);
        // The input read and the Julian dates are this pair's own.
        part.NatalDay = now.NatalDay, part.NatalMonth = now.NatalMonth, part.NatalYear = now.NatalYear;
        part.DiurnalDayOffset = now.DiurnalDayOffset, part.NatalDateText = now.NatalDateText;
        part.ChartName = now.ChartName, part.NatalJulianDate = now.NatalJulianDate;
        PutNatalPart(cs, part);
    }
    if (ChironKept(cs)) cs.NatalDeclinations[13] = slot13;

    if (!asSecond_[j]) {
        ComputeChartB(ps);
        asSecond_[j] = std::make_unique<Entry>();
        asSecond_[j]->values = ChartValuesOf(cs);
        asSecond_[j]->wheelSecondLongitudes = ps.wheels.WheelSecondLongitudes;
        asSecond_[j]->wheelSecondFlags = ps.wheels.WheelSecondFlags;
    } else {
        const NatalPart keep = TakeNatalPart(cs);
        const std::string dateText = cs.DateText;
        CopyChartValues(cs, *asSecond_[j]->values);
        PutNatalPart(cs, keep);
        cs.DateText = dateText;
        ps.wheels.WheelSecondLongitudes = asSecond_[j]->wheelSecondLongitudes;
        ps.wheels.WheelSecondFlags = asSecond_[j]->wheelSecondFlags;
    }
    if (ChironKept(cs)) {
        cs.SecondDeclinations[13] = slot13;
        cs.WorkDeclinations[13] = slot13;
    }
    if (cs.AroundClockMode == 1) return;
    ComputeRelationshipData(ps);
    ComputeRelationshipScores(ps);
}
