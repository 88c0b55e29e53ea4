#include "reports/aspect_cells.h"

#include "app/settings.h"
#include "platform/numbers.h"

std::string RowLabel(const Settings& s, int body) {
    switch (body) {
        case 11: return "  N.N  ";
        case 12: return "  S.N  ";
        case 13: return "  Chi  ";
        default: {
            std::string name = s.PlanetNames[body].substr(0, 3);
            name.resize(3, ' ');
            return "  " + name + "  ";
        }
    }
}

std::string AngleCell(const Settings& s, int code) {
    if (code == 1) return "---  ";
    const int angle = s.AspectAngles[code];
    if (angle >= 100) return Format(angle, "000") + "  ";
    if (angle >= 10) return " " + Format(angle, "00") + "  ";
    return "  " + Format(angle, "0") + "  ";
}
