#include "chart/composite_chart.h"

#include <cmath>

#include "chart/angle_helpers.h"
#include "chart/chart_state.h"
#include "chart/house_placement.h"

void ComputeCompositeChart(ChartState& cs) {
    cs.RetrogradeFlags = std::string(15, ' ');
    for (int i = 1; i <= 15; ++i) {
        const double a = cs.NatalLongitudes[i], b = cs.SecondLongitudes[i];
        double d = std::fabs(a - b);
        double m = (a + b) / 2.0;
        // The far midpoint gives way to the near one.
        if (d >= 180.0 && std::fabs(m - a) > 90.0 && std::fabs(m - b) > 90.0) m += 180.0;
        if (d > 180.0) d = std::fabs(360.0 - d);
        if (d > 150.0) cs.RetrogradeFlags[i - 1] = 'A';
        cs.WorkLongitudes[i] = Normalize360(m);
        cs.WorkDeclinations[i] = (cs.SecondDeclinations[i] + cs.NatalDeclinations[i]) / 2.0;
    }
    cs.CompositeLatText = "99";
    ComputeCompositeHouses(cs);
}

void ComputeCompositeHouses(ChartState& cs) {
    for (int k = 1; k <= 12; ++k) {
        const double a = cs.NatalCusps[k], b = cs.SecondCusps[k];
        double w = (a + b) / 2.0;
        if (std::fabs(w - a) > 90.0 || std::fabs(w - b) > 90.0) w += 180.0;
        if (w >= 360.0) w -= 360.0;
        // Keep the cusps in sequence: a cusp that lands on the far side of
        // the one before is turned; a step across 0 Aries is left alone.
        if (k >= 2) {
            const double e = std::fabs(w - cs.WorkCusps[k - 1]);
            if (e > 90.0 && e < 270.0) w = Normalize360(w + 180.0);
        }
        cs.WorkCusps[k] = w;
    }
    AssignHouses(cs);
    cs.CompositeHouseString = cs.HouseString;
    cs.WheelHouseString = cs.HouseString;
}
