#include "people/ui/input_window_data.h"

#include "people/input_checks.h"
#include "people/input_readers.h"
#include "people/relationship_chart.h"
#include "people/second_set_values.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "platform/dates.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"

namespace {

// Every date, time and place box holds a number as a whole.
bool AllNumbers(const DataSetFields& f) {
    double v = 0.0;
    for (const std::string* box :
         {&f.Month, &f.Day, &f.Year, &f.Hour, &f.Minute, &f.Zone, &f.LongDeg, &f.LongMin, &f.LatDeg, &f.LatMin})
        if (!StrictNumber(*box, v)) return false;
    return true;
}

}  // namespace

void ReadNatalInput(ProgramState& ps) {
    ReadNatalInput(ps.chart, FormOf<InputD>().Fields(), ps.settings.DateOrder);
}

void ReadDiurnalInput(ProgramState& ps) {
    ReadDiurnalInput(ps.chart, FormOf<InputD1>().Fields(), ps.settings.DateOrder);
}

void CopyNatalToDiurnal(ProgramState&) {
    InputD& n = FormOf<InputD>();
    InputD1& d = FormOf<InputD1>();
    d.txtDiurnalHour.SetText(n.txtBirthHour.Text());
    d.txtDiurnalMinute.SetText(n.txtBirthMinute.Text());
    d.txtDiurnalTZ.SetText(n.txtTZ.Text());
    d.txtDiurnalLongDeg.SetText(n.txtLongDeg.Text());
    d.txtDiurnalLongMin.SetText(n.txtLongMin.Text());
    d.txtDiurnalLatDeg.SetText(n.txtLatDeg.Text());
    d.txtDiurnalLatMin.SetText(n.txtLatMin.Text());
    // Each pair in the order A.M., P.M.: the one that is set wins.
    d.optDiurnalAM.SetValue(n.optAM.Value());
    d.optDiurnalPM.SetValue(n.optPM.Value());
    d.optDiurnalEast.SetValue(n.optEast.Value());
    d.optDiurnalWest.SetValue(n.optWest.Value());
    d.optDiurnalNorth.SetValue(n.optNorth.Value());
    d.optDiurnalSouth.SetValue(n.optSouth.Value());
}

void SetDiurnalToNow(ProgramState& ps) {
    const MomentFill now = MomentAtDefaultPlace(ps.settings, Now());
    InputD1& d = FormOf<InputD1>();
    d.optDiurnalAM.SetValue(true);
    if (now.PM) d.optDiurnalPM.SetValue(true);
    d.txtDiurnalMonth.SetText(now.Month);
    d.txtDiurnalDay.SetText(now.Day);
    d.txtDiurnalYear.SetText(now.Year);
    d.txtDiurnalHour.SetText(now.Hour);
    d.txtDiurnalMinute.SetText(now.Minute);
    d.txtDiurnalTZ.SetText(now.Zone);
    d.txtDiurnalLongDeg.SetText(now.LongDeg);
    d.txtDiurnalLongMin.SetText(now.LongMin);
    d.txtDiurnalLatDeg.SetText(now.LatDeg);
    d.txtDiurnalLatMin.SetText(now.LatMin);
    if (now.East) d.optDiurnalEast.SetValue(true);
    else d.optDiurnalWest.SetValue(true);
    if (now.South) d.optDiurnalSouth.SetValue(true);
    else d.optDiurnalNorth.SetValue(true);
}

void CalcRelationshipChartData(ProgramState& ps) {
    InputD& n = FormOf<InputD>();
    InputD1& d = FormOf<InputD1>();
    if (d.chkRelationship.Value() != 1) return;
    // The means need both persons' full data; anything else would write
    // a meaningless chart into the natal window.
    if (!AllNumbers(n.Fields()) || !AllNumbers(d.Fields())) return;
    ReadNatalInput(ps);
    ReadDiurnalInput(ps);
    const RelationshipFill r =
        CalcRelationshipValues(ps.chart, n.txtName.Text(), ps.people.RunPersonName, ps.settings.DateOrder);
    n.txtName.SetText(r.Name);
    n.txtMonth.SetText(r.Month);
    n.txtDay.SetText(r.Day);
    n.txtYear.SetText(r.Year);
    n.txtBirthHour.SetText(r.Hour);
    n.txtBirthMinute.SetText(r.Minute);
    if (r.AM) n.optAM.SetValue(true);
    else n.optPM.SetValue(true);
    n.txtLongDeg.SetText(r.LongDeg);
    if (r.East) n.optEast.SetValue(true);
    else n.optWest.SetValue(true);
    n.txtTZ.SetText(r.Zone);
    n.txtLongMin.SetText(r.LongMin);
    n.txtLatDeg.SetText(r.LatDeg);
    if (r.South) n.optSouth.SetValue(true);
    else n.optNorth.SetValue(true);
    n.txtLatMin.SetText(r.LatMin);
    d.chk2ndPerson.SetValue(0);
    d.chkNatOrNow.SetValue(0);
    SetDiurnalToNow(ps);
}
