#pragma once
// The graph window's own state: its copy of the graph table, the date window
// (the run of rows shown), the frame geometry, the scale of the rows shown,
// the series colours and what is on the graph, the pointer read-out and the
// line tools. Everything here is headless; the window keeps one instance
// and draws it through graph_drawing.h.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/drawing_surface.h"
#include "scans/graph_state.h"
#include "scans/graph_table_file.h"

// What the drawing reads of the rest of the program.
struct GraphContext {
    int AroundClockMode = 0;
    std::string GraphTitle;
    float TotalsMultiplier = 1, IndivMultiplier = 1;
    std::string NatalDateText, SecondDateText;
    std::array<float, 13> NatalTimeHours{}, NatalTimeMinutes{};
    std::array<float, 24> TransitTimeHours{}, TransitTimeMinutes{};
    // The diurnal window's angles choice, asked anew for every caption:
    // 1 "None", 2 "Asc only", 3 "Asc + MC".
    std::function<int()> AnglesChoice;
};

struct GraphWindowModel {
    GraphContext Context;

    // --- the table, as read from the graph file
    int RowCount = 0;
    std::vector<std::string> TableDates;
    std::vector<GraphRow> TableValues;

    // --- plot copies
    int PointCount = 0;
    std::vector<std::string> PlotDates;
    std::vector<float> ColumnValues;
    // The fractions of the y axis, in double so that a row outside the
    // date window, far off the axis, still has one (see graph_single.h).
    std::vector<double> ScaledValues;

    // --- the date window: rows FirstRow to EndRow - 1
    int FirstRow = 0, EndRow = 0;

    // --- frame geometry
    int PlotLeft = 0, FrameLeft = 0, FrameRight = 0, FrameTop = 0, FrameBottom = 0, FrameHeight = 0;
    int LineShift = 0;

    // --- scale of the rows shown
    float MaxValue = 0, MinValue = 0, GridStep = 0, RowStep = 0;
    // Single-precision values held in double: for values at the top of the
    // single range the axis spans more than single precision can hold
    // (see graph_single.h).
    double AxisTop = 0, AxisBottom = 0, AxisRange = 0, GridSpacing = 0;

    // --- series and drawing state
    int CurrentColumn = 0;
    std::array<int, 13> DrawnColumns{};
    std::array<int, 13> SeriesRed{}, SeriesGreen{}, SeriesBlue{};
    int PlotHeight = 0;
    int Subdivisions = 0;
    int MarginX = 0, MarginY = 0;
    // The Dates, Lines, ReDraw and Print menus show from the first series on.
    bool MenusVisible = false;
    std::string Caption = "Charts";

    // --- the five labels: captions, and places in graph units from the layout
    std::array<std::string, 6> LabelCaption{};
    std::array<double, 6> LabelLeft{}, LabelTop{};
    double LabelHeight = 0;  // one line of the window's font, in graph units
    Colour BackgroundColour = 0xFFFFFF;

    // --- pointer and line tools
    int MouseX = 0, MouseY = 0;
    float FirstPointX = 0, FirstPointY = 0, SecondPointX = 0, SecondPointY = 0;
    float LineSlope = 0;
    float ParallelArmed = 0;
};

// The load sequence's part before the table: LineShift, the series colours,
// no column drawn.
void InitGraphWindow(GraphWindowModel& m);
// Takes a table read from the graph file.
void TakeGraphTable(GraphWindowModel& m, GraphTable table);

// Sizes the plot copies, sets the frame, then ReadData, SelectDates, Setup1.
void Setup(GraphWindowModel& m);
void ReadData(GraphWindowModel& m);
void SelectDates(GraphWindowModel& m);
// The scale of the rows shown (those within 1..RowCount).
void Setup1(GraphWindowModel& m);

// Date-window operations; one that would leave no row of the table shown
// changes nothing. They neither rescale nor redraw.
void ContractGraph(GraphWindowModel& m);
void ExpandGraph(GraphWindowModel& m);
void MoveGraphLeft(GraphWindowModel& m);
void MoveGraphRight(GraphWindowModel& m);

// x of row r before the line shift.
int RowX(const GraphWindowModel& m, int row);
// The first and last rows of the date window that exist in the table
// (first > last when none does).
int FirstShownRow(const GraphWindowModel& m);
int LastShownRow(const GraphWindowModel& m);
