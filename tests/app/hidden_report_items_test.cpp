// The four Data items the menus keep hidden: their handlers are wired to
// the Magi Society couple and natal reports, the score grids and the
// organizational fit page, and each produces its page after a chart run.
#include <QDir>
#include <algorithm>
#include <string>
#include <vector>

#include "app/output_buffer.h"
#include "app/ui/report_printing.h"
#include "main_window_fixture.h"
#include "people/ui/input_diurnal_window.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"

namespace {

std::vector<std::string> PageLines(const OutputState& out) {
    return std::vector<std::string>(out.OutputPage.begin(), out.OutputPage.begin() + out.PageLineCount);
}

bool Holds(const std::vector<std::string>& page, const std::string& line) {
    return std::find(page.begin(), page.end(), line) != page.end();
}

TEST_F(MainWindowTest, HiddenReportItemsProduceTheirPages) {
    SetOption(40, "0");
    TANDRELL& w = Start();
    FormOf<InputD1>().chk2ndPerson.SetValue(1);
    w.mnuHousePlacidus.PerformClick();  // a chart run from the input windows
    ASSERT_TRUE(w.mnuData.Visible());
    const std::string a = ps->people.NatalNameText;
    const std::string b = ps->people.SecondPersonCaption;

    w.mnuDataMagiCouple_Click();
    std::vector<std::string> page = PageLines(ps->output);
    EXPECT_TRUE(Holds(page, "  Magi Society Aspects for " + a + " and " + b));
    EXPECT_TRUE(Holds(page, "  Crucial Compatibility Clashes"));

    w.mnuDataMagiNatal_Click();
    page = PageLines(ps->output);
    EXPECT_TRUE(Holds(page, "  Magi Society Aspects for " + a));
    EXPECT_FALSE(Holds(page, "  TOTALS"));

    w.mnuGrids_Click();
    page = PageLines(ps->output);
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(page[0], "  ROMANCE");
    EXPECT_TRUE(Holds(page, "  Q = 11"));

    // The fit page goes to the report print target, here its PDF file.
    const PrinterOutput::Target previous = ReportPrintTarget();
    ReportPrintTarget() = PrinterOutput::Target::PdfFile;
    responder->Answer(MsgResult::OK);  // no printer is set up
    const int pageLines = ps->output.PageLineCount;
    w.mnuDataNatal7Steps_Click();
    ReportPrintTarget() = previous;
    const QStringList pdfs = QDir(QString::fromStdString(JoinPath(folder, "REPORTS"))).entryList({"*.pdf"});
    EXPECT_EQ(pdfs.size(), 1);
    EXPECT_EQ(ps->output.PageLineCount, pageLines);  // nothing on the report page
}

}  // namespace
