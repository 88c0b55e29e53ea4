#pragma once
// The graph window: the twelve columns of the graph table drawn as series
// over the rows of a date window, with the Dates, Lines, Planets, ReDraw and
// Print menus, the pointer read-out and crosshair, notes typed on the graph
// and the background toggle. Each opening reads "out_1.csv" afresh.
#include <QFrame>
#include <array>
#include <memory>
#include <optional>

#include "platform/ui/form.h"
#include "platform/ui/menu_item.h"
#include "platform/ui/simple_controls.h"
#include "scans/graph_window_model.h"

struct ProgramState;

class Cosmodyne_graphs : public Form {
public:
    Cosmodyne_graphs();

    Label Label1, Label2, Label3, Label4, Label5;
    QFrame* HLine1;
    QFrame* VLine1;

    MenuItem mnuFile, mnuExit;
    MenuItem mnuDates, mnuDatesLeft, mnuDatesRight, mnuDatesContract, mnuDatesExpand, mnuDatesNumber;
    MenuItem mnuLines, mnuLinesHL, mnuLinesVL, mnuLinesCL, mnuLinesEL, mnuLinesPL;
    MenuItem mnuHouseX;
    std::array<std::unique_ptr<MenuItem>, 13> mnuHouse;  // 1..12
    MenuItem mnuSplit321, mnuSplit421, mnuSplit521, mnuSplit621;
    MenuItem mnuHouseCadent, mnuSplit721, mnuHouseFirst6, mnuHouseLast6;
    MenuItem mnuReDraw, mnuRedrawReDraw, mnuReDrawColorR;
    MenuItem mnuPrintGraph;

    GraphWindowModel& Model() { return m_; }

    void Form_Load();
    void Form_MouseMove(int button, int shift, double x, double y);
    void Form_MouseUp();
    void Form_KeyPress(int& keyAscii);
    void Form_Resize();
    void mnuHouse_Click(int k);
    void mnuHouseCadent_Click();
    void mnuRedrawReDraw_Click();
    void mnuReDrawColorR_Click();
    void mnuPrintGraph_Click();
    void mnuDatesNumber_Click();
    // Runs a date-window operation, rescales and redraws.
    void DateCommand(void (*operation)(GraphWindowModel&));

    // The table the next opening takes (read by the opener).
    static std::optional<GraphTable>& PendingTable();

private:
    void Redraw();        // clear, then the frame and every marked series
    void ShowModel();     // caption, menus and labels as the model holds them
    void PlaceLabel(Label& label, int k, double widthUnits);
    void ApplyBackground();
    GraphWindowModel m_;
};

// Unloads an open graph window, reads "out_1.csv" and opens a new window on
// it, not modal. When the file is missing or holds no table the user is told
// and no window opens; false then.
bool OpenCosmodyneGraphs(ProgramState& ps);
