#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <streambuf>

#include "calendar/date.h"
#include "cli/json_text.h"
#include "cli/sweep.h"
#include "tests/cli/run_cli.h"

namespace {

using namespace std::chrono_literals;
using std::chrono::sys_days;

// The Spring Festival of 2024, a 甲辰 day in the 丙寅 month: every field worked out by hand.
constexpr std::string_view kSpringFestival2024 =
    R"j({"date":"2024-02-10","lunar":"2024-01-01","term":"","festivals":"春节",)j"
    R"j("year":["甲jiǎ辰chén","栋梁木土","东(东南)","覆灯火"],"zodiac":"龙",)j"
    R"j("month":["丙bǐng寅yín月","太阳火木月","南(东北)月","炉中火月"],)j"
    R"j("day":["甲jiǎ辰chén日","栋梁木土日","东(东南)日","覆灯火日"],"hours":[)j"
    R"j(["甲jiǎ子zǐ时 子夜/夜半 三更","栋梁木水时","东北时","海中金时"],)j"
    R"j(["乙yǐ丑chǒu时 鸡鸣/狗盗 四更","花果木土时","东(东北)时","海中金时"],)j"
    R"j(["丙bǐng寅yín时 早晨/黎明 五更","太阳火木时","南(东北)时","炉中火时"],)j"
    R"j(["丁dīng卯mǎo时 日出","哗灯火木时","南东时","炉中火时"],)j"
    R"j(["戊wù辰chén时 朝食","城墙土土时","中(东南)时","大林木时"],)j"
    R"j(["己jǐ巳sì时 隅中","田园土火时","中(东南)时","大林木时"],)j"
    R"j(["庚gēng午wǔ时 日中","斧钺金火时","西南时","路旁土时"],)j"
    R"j(["辛xīn未wèi时 日跌","首饰金土时","西(西南)时","路旁土时"],)j"
    R"j(["壬rén申shēn时 哺bū时","江河水金时","北(西南)时","剑锋金时"],)j"
    R"j(["癸guǐ酉yǒu时 日落/傍晚","雨露水金时","北西时","剑锋金时"],)j"
    R"j(["甲jiǎ戌xū时 黄昏/日暮 一更","栋梁木土时","东(西北)时","山头火时"],)j"
    R"j(["乙yǐ亥hài时 人定/人静 二更","花果木水时","东(西北)时","山头火时"]]})j"
    "\n";

TEST(SweepLine, GoldenDay) {
    std::string line;
    cli::AppendSweepLine(line, sys_days{2024y / 2 / 10});
    EXPECT_EQ(line, kSpringFestival2024);
}

TEST(SweepLine, TermDayNamesItsTerm) {
    std::string line;
    cli::AppendSweepLine(line, sys_days{2024y / 2 / 4});
    EXPECT_EQ(
        line.rfind(R"j({"date":"2024-02-04","lunar":"2023-12-25","term":"立春","festivals":"",)j",
                   0),
        0u)
        << line;
}

TEST(SweepCommand, OneLinePerDayInOrderIncludingBothEnds) {
    const CliRun run = RunCli({"sweep", "2024-02-09", "2024-2-11"});
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_EQ(run.err, "");
    std::istringstream lines(run.out);
    std::string line;
    std::vector<std::string> dates;
    while (std::getline(lines, line)) dates.push_back(line.substr(9, 10));
    EXPECT_EQ(dates, (std::vector<std::string>{"2024-02-09", "2024-02-10", "2024-02-11"}));
    EXPECT_NE(run.out.find(kSpringFestival2024), std::string::npos);
}

// Three years come to well over one write chunk: no line may be lost or cut at a seam.
TEST(SweepCommand, LongRangeKeepsEveryLineWhole) {
    const CliRun run = RunCli({"sweep", "2023-01-01", "2025-12-31"});
    ASSERT_EQ(run.status, cli::kExitOk);
    ASSERT_GT(run.out.size(), std::size_t{1} << 20);
    std::istringstream lines(run.out);
    std::string line;
    sys_days expected = sys_days{2023y / 1 / 1};
    int count = 0;
    while (std::getline(lines, line)) {
        ASSERT_EQ(line.substr(0, 20), R"j({"date":")j" + calendar::FormatDate(expected) + "\"");
        ASSERT_EQ(line.back(), '}') << calendar::FormatDate(expected);
        expected += std::chrono::days{1};
        ++count;
    }
    EXPECT_EQ(count, 1096);
}

TEST(SweepCommand, SingleDay) {
    const CliRun run = RunCli({"sweep", "2100-02-08", "2100-02-08"});
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_EQ(run.out.rfind(R"j({"date":"2100-02-08","lunar":"2099-12-30",)j", 0), 0u);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
}

// A stream that takes nothing, as a full disk does.
class RefusingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(SweepCommand, OutputThatCannotBeWrittenIsAFailure) {
    RefusingBuffer refusing;
    std::ostream out(&refusing);
    std::ostringstream err;
    EXPECT_EQ(cli::RunTavelonCal({"sweep", "2024-01-01", "2024-12-31"}, out, err),
              cli::kExitFailure);
    EXPECT_EQ(err.str(), "tavelon-cal sweep: could not write the output\n");
}

TEST(AppendJsonString, EscapesOnlyWhatJsonRequires) {
    std::string json;
    cli::AppendJsonString(json, "甲jiǎ \"q\" back\\slash\n\t\r\b\f\x01\x1f\x7f/");
    EXPECT_EQ(json, R"("甲jiǎ \"q\" back\\slash\n\t\r\b\f\u0001\u001f)"
                    "\x7f"
                    R"(/")");
    json.clear();
    cli::AppendJsonString(json, "");
    EXPECT_EQ(json, "\"\"");
}

// Long texts are scanned eight bytes at a time: a character to escape must be found at
// every place in a block, and its neighbours in the byte order must never be taken for one.
TEST(AppendJsonString, FindsEachCharacterAtEveryPlaceOfALongText) {
    const std::pair<char, std::string> escaped[] = {
        {'"', "\\\""}, {'\\', "\\\\"}, {'\0', "\\u0000"}, {'\x1f', "\\u001f"}, {'\n', "\\n"}};
    const char plain[] = {' ', '!', '#', '[', ']', '\x7f', '\x80', '\xff'};
    for (std::size_t place = 0; place < 17; ++place) {
        const std::string before(place, 'a');
        const std::string after(17 - place, 'b');
        for (const auto& [c, escape] : escaped) {
            std::string json;
            cli::AppendJsonString(json, before + c + after);
            EXPECT_EQ(json, "\"" + before + escape + after + "\"") << place << " " << int(c);
        }
        for (const char c : plain) {
            std::string json;
            cli::AppendJsonString(json, before + c + after);
            EXPECT_EQ(json, "\"" + before + c + after + "\"") << place << " " << int(c);
        }
    }
}

}  // namespace
