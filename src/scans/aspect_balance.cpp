#include "scans/aspect_balance.h"

#include <cmath>

#include "program_state.h"

void CountAspectBalance(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    int balance = 0;
    for (int i = 1; i <= 15; ++i) {
        if (i == 13) continue;
        for (int j = 1; j <= 15; ++j) {
            if (j == 13) continue;
            double d = std::fabs(cs.NatalLongitudes[i] - cs.SecondLongitudes[j]);
            if (d > 180) d = 360 - d;
            int delta = 0;  // later matches replace earlier ones
            if (d >= 54 && d <= 66) delta = 1;
            if (d >= 84 && d <= 96) delta = -1;
            if (d >= 114 && d <= 126) delta = 1;
            if (d >= 174) delta = -1;
            if (d <= 6) delta = -1;
            balance += delta;
        }
    }
    ps.scans.AspectBalance = balance;
}
