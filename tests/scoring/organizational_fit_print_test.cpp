// Printing the organizational fit page: one job on the report print target
// (here its PDF file), the orbs read before the job starts, and no page at
// all when "NATAL.ORB" is missing. With TANDRELL_FIT_PDF naming a file, the
// printed page is also copied there, to be looked at.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <string>

#include "app/ui/report_printing.h"
#include "couple_fixtures.h"
#include "dialog_responder.h"
#include "platform/text_file.h"
#include "scoring/ui/organizational_fit_print.h"
#include "test_support.h"

namespace {

// Sends print jobs to a PDF file for the test's duration.
class PdfTarget {
public:
    PdfTarget() : previous_(ReportPrintTarget()) { ReportPrintTarget() = PrinterOutput::Target::PdfFile; }
    ~PdfTarget() { ReportPrintTarget() = previous_; }

private:
    PrinterOutput::Target previous_;
};

QStringList PdfFiles(const ProgramState& ps) {
    return QDir(QString::fromStdString(JoinPath(ps.settings.AppPath, "REPORTS"))).entryList({"*.pdf"}, QDir::Files);
}

}  // namespace

TEST(OrganizationalFitPrint, OnePageToThePdfFile) {
    ProgramState ps;
    fixtures::ComputeCouple(ps, fixtures::NorthCouple());
    ps.chart.NatalEastWest = "WEST";
    const std::string orbFile = JoinPath(ps.settings.AppPath, "NATAL.ORB");
    testsupport::WriteBytes(orbFile, testsupport::ReadBytes(JoinPath(testsupport::ShippedDataDir(), "NATAL.ORB")));
    for (int k = 1; k <= 17; ++k) ps.settings.OrbValues[k] = 3;
    const auto orbsBefore = ps.settings.OrbValues;

    PdfTarget pdf;
    DialogResponder responder;
    responder.Answer(MsgResult::OK);
    EXPECT_TRUE(PrintOrganizationalFit(ps));
    ASSERT_EQ(responder.Prompts().size(), 1u);
    EXPECT_EQ(responder.Prompts()[0].title, "Information");
    EXPECT_NE(responder.Prompts()[0].text.find("No printer is set up."), std::string::npos);
    const QStringList files = PdfFiles(ps);
    ASSERT_EQ(files.size(), 1);
    const std::string path = JoinPath(JoinPath(ps.settings.AppPath, "REPORTS"), files[0].toStdString());
    const std::string bytes = testsupport::ReadBytes(path);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_EQ(ps.settings.OrbValues, orbsBefore);

    const QByteArray keep = qgetenv("TANDRELL_FIT_PDF");
    if (!keep.isEmpty()) testsupport::WriteBytes(keep.toStdString(), bytes);
}

TEST(OrganizationalFitPrint, MissingOrbFileGivesNoPage) {
    ProgramState ps;
    fixtures::ComputeCouple(ps, fixtures::NorthCouple());
    PdfTarget pdf;
    DialogResponder responder;
    responder.Answer(MsgResult::OK);
    EXPECT_FALSE(PrintOrganizationalFit(ps));
    ASSERT_EQ(responder.Prompts().size(), 1u);
    EXPECT_EQ(responder.Prompts()[0].title, "File Not Found");
    EXPECT_TRUE(PdfFiles(ps).isEmpty());
}
