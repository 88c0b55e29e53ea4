// The listing of the three Magi score tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "magi_test_setup.h"
#include "scoring/score_grids.h"

TEST(ScoreGrids, TitlesBlocksRowsAndCells) {
    ProgramState ps = magitest::MagiState();
    ps.scoring.MagiGridA[2][1][1] = -100.5f;
    ps.scoring.MagiGridA[2][1][2] = 123.4f;
    ps.scoring.MagiGridC[11][15][15] = -7.25f;
    ps.scoring.MagiGridB[3][1][1] = 55;  // code 3 is not listed
    const ScoringState before = ps.scoring;

    DataGrids(ps);
    const std::vector<std::string> lines = magitest::PageLines(ps);
    // Three titles, each with seven blocks of a code line, 15 rows and a
    // blank line; ShowOutput's blank line ends the page.
    ASSERT_EQ(lines.size(), 3u * (1 + 7 * 17) + 1);
    const char* titles[] = {"  ROMANCE", "  SEX", "  COMPATIBILITY"};
    const int codes[] = {2, 4, 5, 6, 7, 9, 11};
    size_t n = 0;
    for (const char* title : titles) {
        EXPECT_EQ(lines[n++], title);
        for (int code : codes) {
            EXPECT_EQ(lines[n++], "  Q = " + std::to_string(code));
            for (int row = 1; row <= 15; ++row) {
                const std::string& line = lines[n++];
                const std::string label = (row < 10 ? "   " : "  ") + std::to_string(row) + " - ";
                EXPECT_EQ(line.substr(0, 7), label);
            }
            EXPECT_EQ(lines[n++], "");
        }
    }
    std::string zeros;
    for (int k = 0; k < 15; ++k) zeros += "   0.0 ";
    EXPECT_EQ(lines[2], "   1 - -100.5  123.4 " + zeros.substr(14));
    EXPECT_EQ(lines[3], "   2 - " + zeros);
    EXPECT_EQ(lines[3].size(), 112u);
    EXPECT_EQ(lines[16], "  15 - " + zeros);
    EXPECT_EQ(lines[2 * 120 + 1 + 6 * 17 + 15], "  15 - " + zeros.substr(0, 14 * 7) + "  -7.3 ");
    for (const std::string& line : lines) {
        EXPECT_NE(line, "  Q = 3");
        EXPECT_NE(line, "  Q = 8");
        EXPECT_NE(line, "  Q = 10");
    }
    EXPECT_EQ(ps.scoring.MagiGridA, before.MagiGridA);
    EXPECT_EQ(ps.scoring.MagiGridB, before.MagiGridB);
}
