#include "wheel_test_support.h"

#include <cstdio>
#include <sstream>

#include "chart/house_placement.h"

namespace wheeltest {

void ComputeWheelCouple(ProgramState& ps, const fixtures::Couple& couple) {
    fixtures::ComputeCouple(ps, couple);
    ps.chart.WheelAmPm = ps.chart.NatalAmPm;
}

std::array<double, 14> WheelCuspsFromNatural(const std::array<double, 13>& t) {
    std::array<double, 14> c{};
    for (int k = 1; k <= 9; ++k) c[k + 3] = t[k];
    for (int k = 10; k <= 12; ++k) c[k - 9] = t[k];
    return c;
}

std::array<double, 14> EqualWheelCusps(double start) {
    std::array<double, 13> t{};
    for (int h = 1; h <= 12; ++h) {
        double v = start + (h - 1) * 30;
        while (v >= 360) v -= 360;
        t[h] = v;
    }
    return WheelCuspsFromNatural(t);
}

RingChart MakeRingChart(const std::array<double, 16>& longitudes, const std::array<double, 14>& cusps) {
    RingChart rc;
    rc.longitudes = longitudes;
    rc.wheelCusps = cusps;
    rc.sizes = ComputeHouseSizes(cusps);
    AssignHouses(longitudes, cusps, rc.houseString);
    return rc;
}

std::string CallsText(const RecordingSurface& s) {
    std::ostringstream out;
    char buf[64];
    for (const RecordedCall& c : s.Calls()) {
        out << c.op << '(';
        for (std::size_t i = 0; i < c.numbers.size(); ++i) {
            double v = c.numbers[i];
            if (v > -0.005 && v < 0.005) v = 0;
            std::snprintf(buf, sizeof buf, "%.2f", v);
            out << (i ? ", " : "") << buf;
        }
        if (!c.text.empty()) {
            out << (c.numbers.empty() ? "" : ", ") << '"';
            // Glyph codes and other bytes above 126 as their numbers.
            for (unsigned char ch : c.text) {
                if (ch >= 32 && ch < 127) {
                    out << ch;
                } else {
                    out << '<' << static_cast<int>(ch) << '>';
                }
            }
            out << '"';
        }
        out << ')';
        if (c.op == "Line" || c.op == "Circle" || c.op == "Print" || c.op == "PrintText" || c.op == "PSet")
            out << " colour " << c.colour;
        out << "\r\n";
    }
    return out.str();
}

}  // namespace wheeltest
