#include "scans/ui/cosmodyne_graphs_window.h"

#include <QPalette>

#include "app/ui/report_printing.h"
#include "app/ui/ui_state.h"
#include "app/ui/wait_cursor.h"
#include "people/ui/input_diurnal_window.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "scans/graph_drawing.h"
#include "scans/graph_line_tools.h"
#include "scans/graph_pointer.h"

namespace {

const char* const kHouseCaptions[13] = {"",      "Sun",   "Mercury", "Venus", "Mars",      "Jupiter",
                                        "Saturn", "Uranus", "Neptune", "Pluto", "Moon", "P*H total",
                                        "Individual planet's P*H total summed"};
const char* const kHouseShortcuts[13] = {"",        "Ctrl+F1", "Ctrl+F2", "Ctrl+F3", "Ctrl+F4",  "Ctrl+F5", "Ctrl+F6",
                                         "Ctrl+F7", "Ctrl+F8", "Ctrl+F9", "Shift+F9", "Ctrl+F11", "Ctrl+F12"};

QFrame* Hair(QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setAutoFillBackground(true);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, QColor(128, 128, 128));
    f->setPalette(p);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    f->hide();
    return f;
}

}  // namespace

std::optional<GraphTable>& Cosmodyne_graphs::PendingTable() {
    static std::optional<GraphTable> table;
    return table;
}

Cosmodyne_graphs::Cosmodyne_graphs()
    : Label1(Container()),
      Label2(Container()),
      Label3(Container()),
      Label4(Container()),
      Label5(Container()),
      HLine1(Hair(Container())),
      VLine1(Hair(Container())),
      mnuFile(menuBar(), "&File"),
      mnuExit(mnuFile, "E&xit", "F12"),
      mnuDates(menuBar(), "&Dates"),
      mnuDatesLeft(mnuDates, "&Left", "F4"),
      mnuDatesRight(mnuDates, "&Right", "F5"),
      mnuDatesContract(mnuDates, "&Contract dates", "F6"),
      mnuDatesExpand(mnuDates, "&Expand dates", "F7"),
      mnuDatesNumber(mnuDates, "Num&ber of", "Ctrl+N"),
      mnuLines(menuBar(), "&Lines"),
      mnuLinesHL(mnuLines, "&Horizontal Line", "Ctrl+H"),
      mnuLinesVL(mnuLines, "&Vertical Line", "Ctrl+V"),
      mnuLinesCL(mnuLines, "&Connect 2 points", "Ctrl+T"),
      mnuLinesEL(mnuLines, "&Extended Line", "Ctrl+E"),
      mnuLinesPL(mnuLines, "&Parallel Lines", "Ctrl+P"),
      mnuHouseX(menuBar(), "&Planets"),
      mnuSplit321(mnuHouseX, "-"),
      mnuSplit421(mnuHouseX, "-"),
      mnuSplit521(mnuHouseX, "-"),
      mnuSplit621(mnuHouseX, "-"),
      mnuHouseCadent(mnuHouseX, "Both totals together", "Shift+F3"),
      mnuSplit721(mnuHouseX, "-"),
      mnuHouseFirst6(mnuHouseX, "First 6 Planets", "Shift+F6"),
      mnuHouseLast6(mnuHouseX, "Last 6 Planets", "Shift+F7"),
      mnuReDraw(menuBar(), "&ReDraw"),
      mnuRedrawReDraw(mnuReDraw, "&ReDraw", "Ctrl+A"),
      mnuReDrawColorR(mnuReDraw, "Toggle Background &Color", "Ctrl+B"),
      mnuPrintGraph(menuBar(), "Pri&nt", MenuKind::Item) {
    SetCaption("Charts");
    Move(600, 600, 15600, 10800);
    // The Planets items stand in groups of three, each group ended by a
    // separator: the separators were made first, so the items go before them.
    QMenu* planets = mnuHouseX.Menu();
    MenuItem* splits[4] = {&mnuSplit321, &mnuSplit421, &mnuSplit521, &mnuSplit621};
    for (int k = 1; k <= 12; ++k) {
        mnuHouse[k] = std::make_unique<MenuItem>(mnuHouseX, kHouseCaptions[k], kHouseShortcuts[k]);
        planets->removeAction(mnuHouse[k]->Action());
        planets->insertAction(splits[(k - 1) / 3]->Action(), mnuHouse[k]->Action());
        mnuHouse[k]->Click = [this, k] { mnuHouse_Click(k); };
    }
    for (MenuItem* hidden : {&mnuDates, &mnuLines, &mnuReDraw, &mnuPrintGraph}) hidden->SetVisible(false);

    mnuExit.Click = [this] { Unload(); };
    mnuDatesLeft.Click = [this] { DateCommand(MoveGraphLeft); };
    mnuDatesRight.Click = [this] { DateCommand(MoveGraphRight); };
    mnuDatesContract.Click = [this] { DateCommand(ContractGraph); };
    mnuDatesExpand.Click = [this] { DateCommand(ExpandGraph); };
    mnuDatesNumber.Click = [this] { mnuDatesNumber_Click(); };
    mnuLinesHL.Click = [this] { DrawHorizontalLine(m_, Surface()); };
    mnuLinesVL.Click = [this] { DrawVerticalLine(m_, Surface()); };
    mnuLinesCL.Click = [this] { DrawConnectingLine(m_, Surface()); };
    mnuLinesEL.Click = [this] { DrawExtendedLine(m_, Surface()); };
    mnuLinesPL.Click = [this] { ArmParallelLines(m_); };
    mnuHouseCadent.Click = [this] { mnuHouseCadent_Click(); };
    mnuHouseFirst6.Click = [this] {
        for (int k = 1; k <= 6; ++k) mnuHouse_Click(k);
    };
    mnuHouseLast6.Click = [this] {
        for (int k = 7; k <= 12; ++k) mnuHouse_Click(k);
    };
    mnuRedrawReDraw.Click = [this] { mnuRedrawReDraw_Click(); };
    mnuReDrawColorR.Click = [this] { mnuReDrawColorR_Click(); };
    mnuPrintGraph.Click = [this] { mnuPrintGraph_Click(); };

    for (Label* l : {&Label1, &Label2, &Label3, &Label4, &Label5}) {
        l->Widget()->setAutoFillBackground(true);
        l->SetFont("Arial", 8.25);
    }

    OnLoad = [this] { Form_Load(); };
    OnMouseDown = [this](int b, int sh, double x, double y) { Form_MouseMove(b, sh, x, y); };
    OnMouseMove = [this](int b, int sh, double x, double y) { Form_MouseMove(b, sh, x, y); };
    OnMouseUp = [this](int, int, double, double) { Form_MouseUp(); };
    OnKeyPress = [this](int& key) { Form_KeyPress(key); };
    OnResize = [this] { Form_Resize(); };
}

void Cosmodyne_graphs::Form_Load() {
    WaitCursor wait;
    ProgramState& ps = UiState();
    const GraphState& g = ps.scans.Graph;
    GraphContext& c = m_.Context;
    c.AroundClockMode = ps.chart.AroundClockMode;
    c.GraphTitle = g.GraphTitle;
    c.TotalsMultiplier = g.TotalsMultiplier;
    c.IndivMultiplier = g.IndivMultiplier;
    c.NatalDateText = ps.chart.NatalDateText;
    c.SecondDateText = ps.chart.SecondDateText;
    c.NatalTimeHours = g.NatalTimeHours;
    c.NatalTimeMinutes = g.NatalTimeMinutes;
    c.TransitTimeHours = g.TransitTimeHours;
    c.TransitTimeMinutes = g.TransitTimeMinutes;
    c.AnglesChoice = [] {
        if (!FormLoaded<InputD1>()) return 1;
        InputD1& d = FormOf<InputD1>();
        return d.Option1.Value() ? 1 : d.Option2.Value() ? 2 : 3;
    };
    Surface().SetFontName("Arial");
    Surface().SetFontSize(8.25);
    InitGraphWindow(m_);
    if (c.AroundClockMode == 1) {
        for (int k = 1; k <= 12; ++k) mnuHouse[k]->SetCaption(NatalTimeText(c, k));
        mnuHouseCadent.SetCaption(NatalTimeText(c, 11) + " and " + NatalTimeText(c, 12));
        mnuHouseFirst6.SetCaption("first 6 intervals");
        mnuHouseLast6.SetCaption("last 6 intervals");
    }
    GraphTable table;
    if (PendingTable()) table = std::move(*PendingTable());
    PendingTable().reset();
    TakeGraphTable(m_, std::move(table));
    Setup(m_);
    ResizeEvent(m_, Surface());
    ApplyBackground();
    for (int k = 1; k <= 12; ++k) {
        m_.CurrentColumn = k;
        DrawHouse(m_, Surface(), k);
    }
    ShowModel();
}

void Cosmodyne_graphs::Form_Resize() {
    if (m_.FrameHeight == 0) return;  // not set up yet
    ResizeEvent(m_, Surface());
    ApplyBackground();
    ShowModel();
}

void Cosmodyne_graphs::Redraw() {
    Surface().Cls();
    DrawX(m_, Surface());
    ShowModel();
}

void Cosmodyne_graphs::DateCommand(void (*operation)(GraphWindowModel&)) {
    operation(m_);
    Setup1(m_);
    Redraw();
}

void Cosmodyne_graphs::mnuDatesNumber_Click() {
    MsgBox("Number of dates = " + std::to_string(m_.PointCount), MsgButtons::OK, "NUMBER OF DATES",
           MsgIcon::Information);
}

void Cosmodyne_graphs::mnuHouse_Click(int k) {
    m_.CurrentColumn = k;
    DrawHouse(m_, Surface(), m_.CurrentColumn);
    ShowModel();
}

void Cosmodyne_graphs::mnuHouseCadent_Click() {
    Surface().Cls();
    m_.DrawnColumns.fill(0);
    mnuHouse_Click(11);
    mnuHouse_Click(12);
    DrawX(m_, Surface());
    ShowModel();
}

void Cosmodyne_graphs::mnuRedrawReDraw_Click() {
    m_.DrawnColumns.fill(0);
    Redraw();
}

void Cosmodyne_graphs::mnuReDrawColorR_Click() {
    m_.BackgroundColour = m_.BackgroundColour != QBColor(15) ? QBColor(15) : QBColor(7);
    Surface().SetBackColor(m_.BackgroundColour);
    ApplyBackground();
    Redraw();
}

void Cosmodyne_graphs::mnuPrintGraph_Click() {
    WaitCursor wait;
    const QImage picture = Container()->grab().toImage();
    PrinterOutput job(JoinPath(UiState().settings.AppPath, "REPORTS"), ReportPrintTarget(), "Cosmodyne graph");
    if (!job.IsOpen()) return;
    job.PrintImage(picture);
    job.EndDoc();
}

void Cosmodyne_graphs::Form_MouseMove(int button, int, double x, double y) {
    const Crosshair hair = GraphMouseMove(m_, Surface(), button, x, y);
    Label1.SetCaption(m_.LabelCaption[1]);
    Label2.SetCaption(m_.LabelCaption[2]);
    Label3.SetCaption(m_.LabelCaption[3]);
    if (hair.change == Crosshair::Change::Hide) {
        HLine1->hide();
        VLine1->hide();
    } else if (hair.change == Crosshair::Change::Show) {
        // The hairs' fixed ends stay at the window's left and top edges.
        const DrawingSurface& s = Surface();
        const int px = static_cast<int>(s.ToDeviceX(hair.X));
        const int py = static_cast<int>(s.ToDeviceY(hair.Y));
        const int right = static_cast<int>(s.ToDeviceX(m_.FrameRight - m_.LineShift));
        const int bottom = static_cast<int>(s.ToDeviceY(m_.FrameBottom));
        HLine1->setGeometry(0, py, std::max(1, right), 1);
        VLine1->setGeometry(px, 0, 1, std::max(1, bottom));
        HLine1->show();
        VLine1->show();
        HLine1->raise();
        VLine1->raise();
    }
}

void Cosmodyne_graphs::Form_MouseUp() {
    HLine1->hide();
    VLine1->hide();
    DisplayCaption(m_);
    SetCaption(m_.Caption);
}

void Cosmodyne_graphs::Form_KeyPress(int& keyAscii) {
    TypeNoteCharacter(m_, Surface(), keyAscii);
}

void Cosmodyne_graphs::PlaceLabel(Label& label, int k, double widthUnits) {
    const DrawingSurface& s = Surface();
    const double left = s.ToDeviceX(m_.LabelLeft[k]) * TwipsPerPixelX();
    const double top = s.ToDeviceY(m_.LabelTop[k]) * TwipsPerPixelY();
    const double width = widthUnits * s.PixelsPerUnitX() * TwipsPerPixelX();
    const double height = m_.LabelHeight * s.PixelsPerUnitY() * TwipsPerPixelY();
    label.Move(left, top, std::max(15.0, width), std::max(15.0, height));
}

void Cosmodyne_graphs::ApplyBackground() {
    const Colour c = m_.BackgroundColour;
    for (Label* l : {&Label1, &Label2, &Label3, &Label4, &Label5}) {
        QPalette p = l->Widget()->palette();
        p.setColor(QPalette::Window, QColor(RedOf(c), GreenOf(c), BlueOf(c)));
        l->Widget()->setPalette(p);
    }
}

void Cosmodyne_graphs::ShowModel() {
    SetCaption(m_.Caption);
    for (MenuItem* item : {&mnuDates, &mnuLines, &mnuReDraw, &mnuPrintGraph})
        if (m_.MenusVisible) item->SetVisible(true);
    // The read-out labels stand side by side along the bottom edge.
    m_.LabelLeft[1] = -15;
    m_.LabelLeft[2] = 225;
    m_.LabelLeft[3] = 465;
    PlaceLabel(Label1, 1, 230);
    PlaceLabel(Label2, 2, 230);
    PlaceLabel(Label3, 3, 120);
    Label4.SetCaption(m_.LabelCaption[4]);
    Label5.SetCaption(m_.LabelCaption[5]);
    DrawingSurface& s = Surface();
    PlaceLabel(Label4, 4, s.TextWidth(m_.LabelCaption[4]) + 4);
    PlaceLabel(Label5, 5, s.TextWidth(m_.LabelCaption[5]) + 4);
}

bool OpenCosmodyneGraphs(ProgramState& ps) {
    UnloadForm<Cosmodyne_graphs>();
    std::optional<GraphTable> table = ReadGraphFile(ps.settings.AppPath);
    if (!table) return false;
    Cosmodyne_graphs::PendingTable() = std::move(table);
    FormOf<Cosmodyne_graphs>().Show(false);
    return true;
}
