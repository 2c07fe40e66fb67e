#include "info/about_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/colour.h"
#include "calendar/date.h"
#include "calendar/text.h"
#include "tests/info/text_reading.h"

namespace {

using namespace info_test;

constexpr std::string_view kHeaderEnd = "】更新：";

struct Entry {
    std::string_view date;
    bool indented = false;
    std::vector<std::string_view> items;
};

// Entries are separated by a line holding one blank.
std::vector<Entry> Entries() {
    std::vector<Entry> entries;
    for (std::string_view block : Split(info::ChangeLogText(), "\r\n \r\n")) {
        const auto lines = Split(block, "\r\n");
        Entry entry;
        std::string_view header = lines.front();
        entry.indented = header.starts_with("    ");
        if (entry.indented) header.remove_prefix(4);
        entry.date = header.substr(0, header.find(' '));
        entry.items.assign(lines.begin() + 1, lines.end());
        entries.push_back(entry);
    }
    return entries;
}

TEST(ChangeLogText, TenDatedEntriesNewestFirst) {
    const auto entries = Entries();
    std::vector<std::string_view> dates;
    int indented = 0;
    for (const Entry& e : entries) {
        dates.push_back(e.date);
        indented += e.indented ? 1 : 0;
        const auto day = calendar::ParseDate(e.date);
        ASSERT_TRUE(day) << e.date;
        EXPECT_EQ(calendar::FormatDate(*day), e.date);
    }
    const std::vector<std::string_view> expected = {
        "2024-07-03", "2024-03-31", "2022-12-26", "2022-11-08", "2022-11-07",
        "2022-11-06", "2022-11-04", "2022-11-03", "2022-10-31", "2022-10-04"};
    EXPECT_EQ(dates, expected);
    EXPECT_GT(indented, 5) << "most headers are indented by four blanks";
}

TEST(ChangeLogText, HeadersCarryATagAndItemsAreNumberedFromOne) {
    for (std::string_view block : Split(info::ChangeLogText(), "\r\n \r\n")) {
        const auto lines = Split(block, "\r\n");
        ASSERT_GE(lines.size(), 2u) << block;
        const auto tag = Between(lines[0], " 【", kHeaderEnd);
        ASSERT_TRUE(tag) << lines[0];
        EXPECT_TRUE(lines[0].ends_with(kHeaderEnd)) << lines[0];
        EXPECT_FALSE(tag->empty());
        EXPECT_LE(calendar::CodePointCount(*tag), 4u) << *tag;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const std::string number = std::to_string(i) + "、";
            EXPECT_TRUE(lines[i].starts_with(number)) << lines[i];
            EXPECT_GT(lines[i].size(), number.size()) << lines[i];
        }
    }
    EXPECT_FALSE(info::ChangeLogText().ends_with("\r\n"));
    EXPECT_EQ(info::ChangeLogText().find("\r\n\r\n"), std::string_view::npos);
}

// "8453888 (0, 255, 128, &H80FF00)": the decimal value, its red, green and blue bytes and
// the hexadecimal form must name one colour; the two colours are a pair the way the sticker
// pairs its text and background, one the other shifted by 50.
TEST(ChangeLogText, ColourFiguresAgreeWithEachOther) {
    const std::string_view log = info::ChangeLogText();
    const std::string_view window = "8453888 (0, 255, 128, &H80FF00)";
    const std::string_view text = "5164338 (50, 205, 78, &H4ECD32)";
    ASSERT_NE(log.find(window), std::string_view::npos);
    ASSERT_NE(log.find(text), std::string_view::npos);
    for (std::string_view figure : {window, text}) {
        const auto parts = Split(*Between(figure, "", ")"), ", ");
        ASSERT_EQ(parts.size(), 4u);
        const auto first = Split(parts[0], " (");
        const std::uint32_t value = static_cast<std::uint32_t>(std::stoul(std::string(first[0])));
        const std::uint32_t rgb =
            static_cast<std::uint32_t>(std::stoul(std::string(first[1]))) |
            static_cast<std::uint32_t>(std::stoul(std::string(parts[1]))) << 8 |
            static_cast<std::uint32_t>(std::stoul(std::string(parts[2]))) << 16;
        EXPECT_EQ(value, rgb) << figure;
        EXPECT_EQ(value, std::stoul(std::string(parts[3].substr(2)), nullptr, 16)) << figure;
    }
    EXPECT_EQ(calendar::ShiftColour(8453888, 50), 5164338u);
}

TEST(AboutText, FiveLinesWithTheThirdEmpty) {
    const auto lines = Split(info::AboutText(), "\r\n");
    ASSERT_EQ(lines.size(), 5u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].empty(), i == 2) << "line " << i + 1;
    }
    // Written over the span the change log covers.
    const auto entries = Entries();
    ASSERT_FALSE(entries.empty());
    EXPECT_NE(lines[3].find(entries.back().date.substr(0, 4)), std::string_view::npos);
    EXPECT_NE(lines[3].find(entries.front().date.substr(0, 4)), std::string_view::npos);
    // The tracker, not a person or an address.
    EXPECT_NE(lines[4].find("Tavelon"), std::string_view::npos);
    EXPECT_NE(lines[4].find("issues"), std::string_view::npos);
    for (std::string_view address : {"http", "www", "@", ".com"}) {
        EXPECT_EQ(info::AboutText().find(address), std::string_view::npos) << address;
    }
}

}  // namespace
