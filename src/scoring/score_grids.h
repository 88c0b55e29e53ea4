#pragma once
// The listing of the three Magi score tables (romance, sex, compatibility):
// for each aspect code the couple report uses, a grid of the 15 bodies of
// chart A (rows) by the 15 bodies of chart B (columns). Needs no chart.
struct ProgramState;

// The whole listing page, as the hidden Data menu item shows it; the tables
// are not changed.
void DataGrids(ProgramState& ps);
