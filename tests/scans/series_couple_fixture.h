#pragma once
// The northern couple charted, with both persons' data sets as the input
// windows hold them and angles left out, for the tests of the runs that
// write the graph table file.
#include <gtest/gtest.h>

#include <string>

#include "couple_fixtures.h"
#include "program_state.h"
#include "scans/graph_table_file.h"
#include "series_fields.h"
#include "test_support.h"

class SeriesCoupleTest : public ::testing::Test {
protected:
    void SetUp() override {
        couple = fixtures::NorthCouple();
        fixtures::ComputeCouple(ps, couple);
        natal = FieldsOf(couple.a);
        diurnal = FieldsOf(couple.b);
        ps.chart.AnglesSetting = 0;
    }
    // The graph table file as the run left it.
    std::string File() { return testsupport::ReadBytes(GraphFilePath(ps.settings.AppPath)); }

    ProgramState ps;
    fixtures::Couple couple;
    DataSetFields natal, diurnal;
};
