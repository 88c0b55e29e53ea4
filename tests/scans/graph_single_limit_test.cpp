// Graph tables with numbers at the top of single precision, of both signs,
// read from "out_1.csv", then drawn, rescaled, pointed at and lined over as
// the graph window does: no scale value, plotted value, coordinate, drawn
// text or read-out is infinite or not a number.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>

#include "dialog_responder.h"
#include "platform/recording_surface.h"
#include "scans/graph_drawing.h"
#include "scans/graph_line_tools.h"
#include "scans/graph_pointer.h"
#include "test_support.h"

namespace {

bool ShowsANumber(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text.find("inf") == std::string::npos && text.find("nan") == std::string::npos;
}

}  // namespace

TEST(GraphSingleLimit, ScaleSeriesTextsAndReadoutStayFinite) {
    const std::string max = "340282346638528859811704183484516925440";  // the largest single
    const std::string rest = ",1,-2,0,40,5,6,7,8,9,10\r\n";
    const std::string cases[] = {
        "3\r\n,33E37",
        "2\r\n,2E38,-2E38",
        " 4 \r\n\"a\",3.3E38,-3.3E38" + rest + "\"b\",-3.3E38,2E38" + rest + "\"c\"," + max + ",-" + max + rest +
            "\"d\",1,2" + rest,
        " 3 \r\n\"a\",-" + max + ",-3.3E38" + rest + "\"b\",-1,0" + rest + "\"c\",-2E38,0" + rest,
        " 2 \r\n\"a\"," + max + "," + max + rest + "\"b\"," + max + ",0" + rest,
    };
    const std::string dir = testsupport::MakeTempDir();
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes);
        testsupport::WriteBytes(GraphFilePath(dir), bytes);
        DialogRecorder told;
        std::optional<GraphTable> table = ReadGraphFile(dir);
        ASSERT_TRUE(table);
        EXPECT_TRUE(told.Prompts().empty());  // every number is one to use
        GraphWindowModel m;
        InitGraphWindow(m);
        TakeGraphTable(m, *table);
        ::Setup(m);
        RecordingSurface s(1024, 768);
        std::vector<double> values;
        // The load sequence, then each date item with its rescaling and redrawing.
        ResizeEvent(m, s);
        for (int k = 1; k <= 12; ++k) m.CurrentColumn = k, DrawHouse(m, s, k);
        for (void (*operation)(GraphWindowModel&) : {ContractGraph, MoveGraphLeft, ExpandGraph, MoveGraphRight}) {
            operation(m), Setup1(m), s.Cls(), DrawX(m, s);
            values.insert(values.end(), {m.AxisTop, m.AxisBottom, m.AxisRange, m.GridSpacing});
            values.insert(values.end(), m.ScaledValues.begin(), m.ScaledValues.end());
        }
        // Presses above, within and below the frame and far outside the
        // window, with the line tools through the points they set.
        for (double y : {-25.0, 3.0, 203.5, 403.0, 470.0, -40000.0, 40000.0}) {
            GraphMouseMove(m, s, 1, 300, y), GraphMouseMove(m, s, 2, 450, 406 - y);
            for (int k = 1; k <= 3; ++k) EXPECT_TRUE(ShowsANumber(m.LabelCaption[k])) << m.LabelCaption[k];
            DrawHorizontalLine(m, s), DrawVerticalLine(m, s), DrawConnectingLine(m, s), DrawExtendedLine(m, s);
            ArmParallelLines(m), GraphMouseMove(m, s, 2, 200, y);
        }
        for (double v : values) EXPECT_TRUE(std::isfinite(v)) << v;
        for (const RecordedCall& c : s.Calls()) {
            EXPECT_TRUE(ShowsANumber(c.text)) << c.op << " " << c.text;
            for (double n : c.numbers) EXPECT_TRUE(std::isfinite(n)) << c.op;
        }
    }
}
