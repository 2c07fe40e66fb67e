#include <gtest/gtest.h>

#include "calendar/user_text.h"

namespace calendar {
namespace {

struct TextRow {
    const char* label;
    std::string bytes;
    std::vector<std::string> lines;
    std::string_view lineEnd;
};

void PrintTo(const TextRow& row, std::ostream* os) { *os << row.label; }

class SplitUserTextTable : public ::testing::TestWithParam<TextRow> {};

TEST_P(SplitUserTextTable, GivesTheLinesAnEditorShows) {
    const UserText text = SplitUserText(GetParam().bytes);
    EXPECT_EQ(text.lines, GetParam().lines);
    EXPECT_EQ(text.lineEnd, GetParam().lineEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SplitUserTextTable,
    ::testing::Values(
        TextRow{"lf", "a\nb", {"a", "b"}, "\n"},
        TextRow{"cr_lf_with_mark", std::string("\xEF\xBB\xBF") + "a\r\nb\r\n", {"a", "b"}, "\r\n"},
        TextRow{"cr_only", "a\rb\r", {"a", "b"}, "\r\n"},
        TextRow{"cr_cr_lf_is_one_end", "a\r\r\nb\r\r\n", {"a", "b"}, "\r\n"},
        TextRow{"blank_lines_kept", "a\n\n\nb", {"a", "", "", "b"}, "\n"},
        TextRow{"no_end", "a", {"a"}, ""},
        TextRow{"utf16_le_with_mark",
                std::string("\xFF\xFE\x2D\x4E\x0D\x00\x0A\x00\x3D\xD8\x00\xDE", 12),
                {"中", "\xF0\x9F\x98\x80"},
                "\r\n"},
        TextRow{"utf16_be_with_mark", std::string("\xFE\xFF\0a\0\n\0b", 8), {"a", "b"}, "\n"},
        TextRow{"utf16_le_without_mark",
                std::string("a\x00\n\x00\x00\xD8", 6),
                {"a", "\xEF\xBF\xBD"},
                "\n"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ShowableLine, KeepsTextTurnsControlsIntoBlanksAndDropsDirectionMarks) {
    EXPECT_EQ(ShowableLine("春节\t休"), "春节\t休");
    EXPECT_EQ(ShowableLine(std::string("a\x1B[2Jb\x7F") + "c\xC2\x9B" + "d"), "a [2Jb c d");
    EXPECT_EQ(ShowableLine(std::string("\xE2\x80\xAE") + "abc\xE2\x81\xA6" + "d\xE2\x80\x8F"),
              "abcd");
    EXPECT_EQ(ShowableLine("\xE6\x98"), std::nullopt);
    EXPECT_EQ(ShowableLine("\xED\xA0\x80"), std::nullopt);  // a surrogate
    EXPECT_EQ(ShowableLine("\xE0\x80\xAF"), std::nullopt);  // overlong
}

TEST(TakeField, SplitsOnBlanksTabsAndIdeographicSpaces) {
    std::string_view line = "　2027-02-06　 休\t国庆节 中秋节　";
    EXPECT_EQ(TakeField(line), "2027-02-06");
    EXPECT_EQ(TakeField(line), "休");
    EXPECT_EQ(TrimBlanks(line), "国庆节 中秋节");
    EXPECT_EQ(TakeField(line), "国庆节");
    EXPECT_EQ(TakeField(line), "中秋节");
    EXPECT_EQ(TakeField(line), "");
}

}  // namespace
}  // namespace calendar
