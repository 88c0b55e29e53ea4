// The input windows reach the names and cities lists and the time-zone
// picker only through their hook table: none of their files includes one of
// those windows, so the windows do not depend on one another in a circle.
#include <QDir>
#include <gtest/gtest.h>
#include <string>

#include "test_support.h"

namespace {

TEST(WindowIncludes, InputWindowsIncludeNoListWindow) {
    const QDir ui(QString::fromStdString(testsupport::SourceDir() + "/src/people/ui"));
    const QStringList inputFiles = ui.entryList({"input_*.cpp", "input_*.h"}, QDir::Files);
    ASSERT_FALSE(inputFiles.isEmpty());
    for (const QString& file : inputFiles) {
        const std::string text = testsupport::ReadBytes(ui.filePath(file).toStdString());
        for (const char* listWindow : {"names_window.h", "cities_window.h", "time_zone_window.h"})
            EXPECT_EQ(text.find(std::string("people/ui/") + listWindow), std::string::npos)
                << file.toStdString() << " includes " << listWindow;
    }
}

}  // namespace
