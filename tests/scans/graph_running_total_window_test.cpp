// "G" and "T" of the names window: the scan, then its running totals shown
// in the window Graph and saved as pictures named after the person.
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QLineSeries>
#include <QChart>
#include <QChartView>
#include <cstdlib>

#include "people/ui/names_window.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "scan_window_fixture.h"
#include "scans/running_total_chart.h"
#include "scans/ui/graph_chart_window.h"

namespace {

int ChartRows() {
    const auto series = FormOf<Graph>().MSChart1->chart()->series();
    if (series.isEmpty()) return 0;
    return static_cast<int>(static_cast<QLineSeries*>(series[0])->count());
}

TEST_F(ScanWindowTest, GAndTChartTheirScans) {
    FillCouple(fixtures::NorthCouple());
    // "T" cancelled at its years: no chart, no picture.
    dialogs->AnswerText("2026").AnswerText(std::nullopt);
    NamesRuns().Command5_Click();
    const std::string name = SafeChartFileName(ps.chart.ChartName);
    EXPECT_FALSE(FileExists(JoinPath(ps.settings.AppPath, name + "2.bmp")));

    // One year: 365 lines chart 364 rows.
    dialogs->AnswerText("2026").AnswerText("1");
    NamesRuns().Command5_Click();
    ASSERT_TRUE(FormLoaded<Graph>());
    EXPECT_EQ(ChartRows(), 364);
    EXPECT_EQ(FormOf<Graph>().MSChart1->chart()->title().toStdString(),
              "Power*Harmony for " + ps.chart.ChartName + "     ");
    EXPECT_FALSE(QImage(QString::fromStdString(JoinPath(ps.settings.AppPath, name + "2.bmp"))).isNull());

    dialogs->AnswerText("2026").AnswerText("0.25");
    NamesRuns().Command4_Click();
    EXPECT_EQ(ChartRows(), 90);
    if (const char* dir = std::getenv("TANDRELL_SNAPSHOT_DIR"))
        QImage(QString::fromStdString(JoinPath(ps.settings.AppPath, name + "0.bmp")))
            .save(QString::fromStdString(JoinPath(dir, "g_chart.png")));
    for (const char* ending : {"0.bmp", "1.bmp"})
        EXPECT_FALSE(QImage(QString::fromStdString(JoinPath(ps.settings.AppPath, name + ending))).isNull()) << ending;
    UnloadForm<Graph>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
