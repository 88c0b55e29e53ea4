#include "scans/ui/graph_chart_window.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QFont>
#include <QLineSeries>
#include <QValueAxis>

#include "app/ui/ui_state.h"
#include "platform/dialogs.h"
#include "platform/painter_surface.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"

namespace {

QFont ChartFont(double points, bool bold = false) {
    QFont f(MappedFontFamily("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

}  // namespace

Graph::Graph() : MSChart1(new QChartView(Container())) {
    SetCaption("Graph");
    Move(1200, 1200, 9600, 6600);
    MSChart1->setRenderHint(QPainter::Antialiasing);
    MSChart1->chart()->setTitle("Power*Harmony");
    MSChart1->chart()->setTitleFont(ChartFont(12, true));
    MSChart1->chart()->legend()->setFont(ChartFont(8.25));
    OnResize = [this] { MSChart1->setGeometry(0, 0, Container()->width(), Container()->height()); };
    OnLoad = [this] { Show(false); };
}

void Graph::ShowChart(const RunningTotalChart& data) {
    // Each filling starts on a fresh chart with the stored appearance.
    QChart* old = MSChart1->chart();
    auto* chart = new QChart();
    chart->setTitleFont(ChartFont(12, true));
    chart->legend()->setFont(ChartFont(8.25));
    MSChart1->setChart(chart);
    if (old) old->deleteLater();
    auto* series = new QLineSeries();
    series->setName("P*H");
    QStringList labels;
    double lo = 0, hi = 0;
    for (std::size_t r = 0; r < data.Values.size(); ++r) {
        series->append(static_cast<double>(r), data.Values[r]);
        labels << FromCp1252(data.Labels[r]);
        lo = r == 0 ? data.Values[r] : std::min(lo, data.Values[r]);
        hi = r == 0 ? data.Values[r] : std::max(hi, data.Values[r]);
    }
    chart->addSeries(series);
    // The dates stand at their rows; on a long chart every k-th row is
    // labelled, so the labels stay readable.
    auto* x = new QCategoryAxis();
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int every = std::max<qsizetype>(1, (labels.size() + 14) / 15);
    for (qsizetype r = 0; r < labels.size(); r += every) x->append(labels[r], static_cast<double>(r));
    x->setRange(0, std::max<double>(1, static_cast<double>(labels.size() - 1)));
    x->setTitleText("Dates");
    x->setTitleFont(ChartFont(8.25, true));
    x->setLabelsFont(ChartFont(7));
    x->setLabelsAngle(-90);
    auto* y = new QValueAxis();
    y->setTitleText("Power*Harmony");
    y->setTitleFont(ChartFont(8.25, true));
    y->setLabelsFont(ChartFont(8.25));
    if (hi == lo) hi = lo + 1;
    y->setRange(lo, hi);
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    chart->setTitle(FromCp1252(data.Title));
    MSChart1->setGeometry(0, 0, Container()->width(), Container()->height());
}

bool Graph::SavePicture(const std::string& path) {
    // The chart lays itself out through posted events: let them run (no
    // user input is delivered) so the picture shows the chart just filled.
    QCoreApplication::sendPostedEvents();
    const QPixmap picture = MSChart1->grab();
    if (picture.save(QString::fromStdString(path), "BMP")) return true;
    MsgBox("The chart picture " + PathToText(path) + " could not be written.", MsgButtons::OK, "Graph",
           MsgIcon::Exclamation);
    return false;
}

bool ChartAndSaveRunningTotal(ProgramState& ps, RunningTotalKind kind, int dayCount) {
    const ScanState& scans = ps.scans;
    const RunningTotalChart chart = BuildRunningTotalChart(scans.BatchLines, scans.BatchLineCount,
                                                           dayCount, kind, ps.chart.ChartName,
                                                           ps.settings.DateOrder);
    if (chart.Values.empty()) return false;
    Graph& g = FormOf<Graph>();
    g.Show(false);
    g.ShowChart(chart);
    g.SavePicture(JoinPath(ps.settings.AppPath, SafeChartFileName(ps.chart.ChartName) + RunningTotalFileEnding(kind)));
    return true;
}

void PowerHarmonyGraphFiles(ProgramState& ps, int dayCount) {
    if (ChartAndSaveRunningTotal(ps, RunningTotalKind::PowerTimesHarmony, dayCount))
        ChartAndSaveRunningTotal(ps, RunningTotalKind::PowerByHarmony, dayCount);
}

void PowerHarmonyGraphFile2(ProgramState& ps, int dayCount) {
    ChartAndSaveRunningTotal(ps, RunningTotalKind::AspectBalance, dayCount);
}
