#pragma once
// A fresh program state and fresh input windows for each window test, with
// the default place Boston (zone 5, 71 W 04, 42 N 21) and a fixed clock;
// and the couple John Smith and Mary Ann Jones typed in as a user would.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "app/ui/ui_state.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "people/ui/input_window_hooks.h"
#include "platform/dates.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"

// Selects what the box holds and types the keys over it.
inline void Type(TextBox& box, const char* keys) {
    box.SelectAll();
    QTest::keyClicks(box.LineEdit(), keys);
}

class InputWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetUiState(&ps);
        auto& opt = ps.settings.OptionValues;
        opt[18] = 5, opt[19] = 71, opt[20] = 4, opt[21] = 0, opt[22] = 42, opt[23] = 21, opt[24] = 0;
        ps.settings.TimeFormat = 1;
        SetNow(15, 7);
        InputHooks() = {};
    }
    void TearDown() override {
        UnloadForm<InputD>();
        UnloadForm<InputD1>();
        InputHooks() = {};
        SetClock({});
    }
    void SetNow(int hour, int minute) {
        SetClock([hour, minute] { return DateTime{2024, 3, 9, hour, minute, 0}; });
    }
    InputD& Natal() { return FormOf<InputD>(); }
    InputD1& Second() { return FormOf<InputD1>(); }

    // John Smith: 14 March 1962, 9.30 P.M., zone 5, 75 W 10, 40 N 43.
    void TypeNatal() {
        InputD& w = Natal();
        Type(w.txtName, "John Smith");
        Type(w.txtMonth, "3");
        Type(w.txtDay, "14");
        Type(w.txtYear, "1962");
        w.optAM.SetValue(true);
        Type(w.txtBirthHour, "21");
        Type(w.txtBirthMinute, "30");
        w.optWest.SetValue(true);
        Type(w.txtTZ, "5");
        Type(w.txtLongDeg, "75");
        Type(w.txtLongMin, "10");
        w.optNorth.SetValue(true);
        Type(w.txtLatDeg, "40");
        Type(w.txtLatMin, "43");
    }

    // Mary Ann Jones: 2 November 1965, 6.05 A.M., 2 E 20, 48 N 52.
    void TypeSecond() {
        InputD1& d = Second();
        d.chkNatOrNow.SetValue(0);
        d.chk2ndPerson.SetValue(1);
        d.SetSecondPersonCaption("Mary Ann Jones");
        Type(d.txtDiurnalMonth, "11");
        Type(d.txtDiurnalDay, "2");
        Type(d.txtDiurnalYear, "1965");
        d.optDiurnalAM.SetValue(true);
        Type(d.txtDiurnalHour, "6");
        Type(d.txtDiurnalMinute, "05");
        Type(d.txtDiurnalTZ, "1");
        d.optDiurnalEast.SetValue(true);
        Type(d.txtDiurnalLongDeg, "2");
        Type(d.txtDiurnalLongMin, "20");
        d.optDiurnalNorth.SetValue(true);
        Type(d.txtDiurnalLatDeg, "48");
        Type(d.txtDiurnalLatMin, "52");
    }

    ProgramState ps;
};
