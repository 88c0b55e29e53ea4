#include "people/ui/input_window_link.h"

#include "app/output_buffer.h"
#include "app/ui/ui_state.h"
#include "people/ui/compute_charts.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "people/ui/input_window_data.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"

InputBoxes NatalInputBoxes() {
    InputD& w = FormOf<InputD>();
    InputBoxes b;
    b.Name = &w.txtName;
    b.Month = &w.txtMonth;
    b.Day = &w.txtDay;
    b.Year = &w.txtYear;
    b.Hour = &w.txtBirthHour;
    b.Minute = &w.txtBirthMinute;
    b.AM = &w.optAM;
    b.PM = &w.optPM;
    b.Zone = &w.txtTZ;
    b.LongDeg = &w.txtLongDeg;
    b.LongMin = &w.txtLongMin;
    b.East = &w.optEast;
    b.West = &w.optWest;
    b.LatDeg = &w.txtLatDeg;
    b.LatMin = &w.txtLatMin;
    b.North = &w.optNorth;
    b.South = &w.optSouth;
    b.Email = &w.txtEmail;
    return b;
}

InputBoxes DiurnalInputBoxes() {
    InputD1& w = FormOf<InputD1>();
    InputBoxes b;
    b.Month = &w.txtDiurnalMonth;
    b.Day = &w.txtDiurnalDay;
    b.Year = &w.txtDiurnalYear;
    b.Hour = &w.txtDiurnalHour;
    b.Minute = &w.txtDiurnalMinute;
    b.AM = &w.optDiurnalAM;
    b.PM = &w.optDiurnalPM;
    b.Zone = &w.txtDiurnalTZ;
    b.LongDeg = &w.txtDiurnalLongDeg;
    b.LongMin = &w.txtDiurnalLongMin;
    b.East = &w.optDiurnalEast;
    b.West = &w.optDiurnalWest;
    b.LatDeg = &w.txtDiurnalLatDeg;
    b.LatMin = &w.txtDiurnalLatMin;
    b.North = &w.optDiurnalNorth;
    b.South = &w.optDiurnalSouth;
    b.Email = &w.txtDiurnalEmail;
    return b;
}

bool SecondPersonIsSet() { return FormOf<InputD1>().chk2ndPerson.Value() == 1; }

void SetSecondPersonName(const std::string& name) { FormOf<InputD1>().SetSecondPersonCaption(name); }

void FollowNatalData(ProgramState& ps) {
    if (FormOf<InputD1>().chkNatOrNow.Value() == 1)
        CopyNatalToDiurnal(ps);
    else
        SetDiurnalToNow(ps);
}

void ComputeChartsFromList(ProgramState& ps) {
    FormOf<InputD>().txtName.SetFocus();
    EmptyOutput(ps.output);
    ComputeCharts(ps);
}
