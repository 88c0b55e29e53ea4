#pragma once
// A fresh program state and fresh input windows for each window test, with
// the default place Boston (zone 5, 71 W 04, 42 N 21) and a fixed clock.
#include <gtest/gtest.h>

#include "app/ui/ui_state.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "people/ui/input_window_hooks.h"
#include "platform/dates.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"

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

    ProgramState ps;
};
