// The readers of the names, cities and time-zone lists pass over empty and
// blank lines and records without a name, and read on with every later
// record in step.
#include <gtest/gtest.h>

#include <functional>

#include "people/city_record.h"
#include "people/names_file.h"
#include "people/time_zone_list.h"
#include "platform/text_file.h"
#include "test_support.h"

namespace {

// What a reader gives: each record's name and last field, and whether the
// file ended in the middle of a record.
struct ReadList {
    std::vector<std::pair<std::string, std::string>> Records;
    bool Cut = false;
};

struct ListReader {
    const char* File;
    // A line of one record: its name, the fields between, its last field.
    std::function<std::string(const std::string& name, const std::string& last)> Line;
    std::function<ReadList(const std::vector<std::string>&)> Read;
};

const ListReader kReaders[] = {
    {"NAMES.FIL",
     [](const std::string& name, const std::string& last) {
         return name + ",05 Mar 1960,5.30,P,5,075.30,40.45," + last;
     },
     [](const std::vector<std::string>& lines) {
         const auto r = ReadNamesRecords(lines);
         ReadList out{{}, r.Incomplete};
         for (const auto& rec : r.Records) out.Records.emplace_back(rec.Name, rec.Email);
         return out;
     }},
    {"GA_MA.LL",
     [](const std::string& name, const std::string& last) { return name + ",GA,84W23,33N45," + last; },
     [](const std::vector<std::string>& lines) {
         const auto r = ReadCitiesRecords(lines);
         ReadList out{{}, r.Incomplete};
         for (const auto& rec : r.Records) out.Records.emplace_back(rec.City, rec.TimeZone);
         return out;
     }},
    {"TZ.DAT",
     [](const std::string& name, const std::string& last) { return name + ",ABC," + last; },
     [](const std::vector<std::string>& lines) {
         const auto r = ReadTimeZoneRecords(lines);
         ReadList out{{}, r.Corrupt};
         for (const auto& rec : r.Records) out.Records.emplace_back(rec.Name, rec.Hours);
         return out;
     }},
};

// A file by its lines: "A" to "C" a record of that name (last field "1" to
// "3"), "-" a record whose name is empty, "_" one whose name is blanks,
// "cut" a record without its last field, "B/" record B cut into two lines
// after its second field with an empty line between; anything else stands
// as written.
std::vector<std::string> Lines(const ListReader& reader, const std::vector<std::string>& shape) {
    std::vector<std::string> lines;
    for (const std::string& s : shape) {
        if (s.size() == 1 && s[0] >= 'A' && s[0] <= 'C')
            lines.push_back(reader.Line(s, std::string(1, static_cast<char>('1' + (s[0] - 'A')))));
        else if (s == "-")
            lines.push_back(reader.Line("", "9"));
        else if (s == "_")
            lines.push_back(reader.Line(" \t ", "9"));
        else if (s == "B/") {
            const std::string whole = reader.Line("B", "2");
            const size_t second = whole.find(',', whole.find(',') + 1);
            lines.push_back(whole.substr(0, second));
            lines.push_back("");
            lines.push_back(whole.substr(second + 1));
        } else if (s == "cut")
            lines.push_back(reader.Line("Z", "").substr(0, reader.Line("Z", "").rfind(',')));
        else
            lines.push_back(s);
    }
    return lines;
}

}  // namespace

TEST(ListReaders, EmptyLinesAndNamelessRecordsArePassedOver) {
    const struct {
        const char* what;
        std::vector<std::string> shape;
        std::string names;  // the names read, in file order
        bool cut;
    } cases[] = {
        {"empty line in the middle", {"A", "", "B", "C"}, "ABC", false},
        {"line of blanks and a tab", {"A", "  \t ", "B"}, "AB", false},
        {"empty lines first and last", {"", "", "A", "B", "", ""}, "AB", false},
        {"record with an empty name", {"A", "-", "B"}, "AB", false},
        {"record whose name is blanks", {"A", "_", "B"}, "AB", false},
        {"several in a row", {"", "_", "", "-", " ", "A"}, "A", false},
        {"nothing but gaps", {"", " ", "-"}, "", false},
        {"cut record after a gap", {"A", "", "B", "cut"}, "AB", true},
        {"record split by an empty line", {"A", "B/", "C"}, "ABC", false},
    };
    for (const ListReader& reader : kReaders) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(reader.File) + ": " + c.what);
            const ReadList r = reader.Read(Lines(reader, c.shape));
            std::string names;
            for (const auto& [name, last] : r.Records) {
                names += name;
                // The last field is the record's own: nothing shifted.
                EXPECT_EQ(last, std::string(1, static_cast<char>('1' + (name[0] - 'A'))));
            }
            EXPECT_EQ(names, c.names);
            EXPECT_EQ(r.Cut, c.cut);
        }
    }
}

TEST(ListReaders, ShippedFilesWithAnEmptyLineReadWhole) {
    // An empty line left after the second line of a shipped file hides no one.
    for (const ListReader& reader : kReaders) {
        SCOPED_TRACE(reader.File);
        auto lines = ReadTextLines(testsupport::ShippedDataDir() + "/" + reader.File);
        ASSERT_TRUE(lines);
        ASSERT_GT(lines->size(), 3u);
        const ReadList whole = reader.Read(*lines);
        lines->insert(lines->begin() + 2, "");
        const ReadList gapped = reader.Read(*lines);
        EXPECT_EQ(gapped.Records.size(), lines->size() - 1);
        EXPECT_EQ(gapped.Records, whole.Records);
        EXPECT_FALSE(gapped.Cut);
    }
}
