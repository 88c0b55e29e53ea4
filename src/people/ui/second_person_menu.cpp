#include "people/ui/second_person_menu.h"

#include <QAction>
#include <QMenu>

#include "platform/ui/menu_item.h"

namespace {

void Caption(MenuItem* item, const char* ticked, const char* unticked, bool secondPerson) {
    if (item) item->SetCaption(secondPerson ? ticked : unticked);
}

void Enable(MenuItem* item, bool enabled) {
    if (item) item->SetEnabled(enabled);
}

}  // namespace

void SetSecondPersonMenus(const SecondPersonMenu& m, bool on) {
    Caption(m.mnuDataTransits, "2nd &Person", "&Transits", on);
    Caption(m.mnuDataTransitData, "&Natal Data", "&Data", on);
    Caption(m.mnuDataTransitsAspectstoNatal, "&Interchart Aspects", "&Aspects to Natal", on);
    Caption(m.mnuDataTransitAspectsToTransits, "Natal &Aspects", "Aspects to &Transits", on);
    Caption(m.mnuWheelsSingleTransits, "2nd &Person", "&Transits", on);
    Caption(m.mnuWheelsDualNatTran, "2nd &Person Natal vs Natal", "&Transits vs Natal", on);
    Caption(m.mnuWheelsDualNatTranMagi, "2nd &Person Natal vs Natal (Magi)", "&Transits vs Natal (Magi)", on);
    Caption(m.mnuWheelsDualNatTran_Venus, "2nd &Person Natal (VZ) vs Natal", "&Transits (VZ) vs Natal", on);
    Enable(m.mnuWheelsSingleComposite, on);
    Enable(m.mnuDataComposite, on);
    Enable(m.mnuDataCompositeDC, on);
}
