#include "calendar/name_tables.h"

#include <array>
#include <cstddef>

namespace calendar {
namespace {

using Name = std::string_view;

constexpr std::array<Name, 10> kStemNames = {"甲jiǎ", "乙yǐ",   "丙bǐng", "丁dīng", "戊wù",
                                             "己jǐ",  "庚gēng", "辛xīn",  "壬rén",  "癸guǐ"};
constexpr std::array<Name, 10> kStemElements = {"栋梁木", "花果木", "太阳火", "哗灯火", "城墙土",
                                                "田园土", "斧钺金", "首饰金", "江河水", "雨露水"};
constexpr std::array<Name, 10> kStemDirections = {"东", "东", "南", "南", "中",
                                                  "中", "西", "西", "北", "北"};

constexpr std::array<Name, 12> kBranchNames = {"子zǐ",   "丑chǒu", "寅yín", "卯mǎo",
                                               "辰chén", "巳sì",   "午wǔ",  "未wèi",
                                               "申shēn", "酉yǒu",  "戌xū",  "亥hài"};
constexpr std::array<Name, 12> kBranchElements = {"水", "土", "木", "木", "土", "火",
                                                  "火", "土", "金", "金", "土", "水"};
constexpr std::array<Name, 12> kBranchDirections = {"北",     "(东北)", "(东北)", "东",
                                                    "(东南)", "(东南)", "南",     "(西南)",
                                                    "(西南)", "西",     "(西北)", "(西北)"};

// The same branches in month order: the first month is the 寅 month.
constexpr std::array<Name, 12> kMonthBranchNames = {"寅yín", "卯mǎo", "辰chén", "巳sì",
                                                    "午wǔ",  "未wèi", "申shēn", "酉yǒu",
                                                    "戌xū",  "亥hài", "子zǐ",   "丑chǒu"};
constexpr std::array<Name, 12> kMonthBranchElements = {"木", "木", "土", "火", "火", "土",
                                                       "金", "金", "土", "水", "水", "土"};
constexpr std::array<Name, 12> kMonthBranchDirections = {"(东北)", "东",     "(东南)", "(东南)",
                                                         "南",     "(西南)", "(西南)", "西",
                                                         "(西北)", "(西北)", "北",     "(东北)"};

constexpr std::array<Name, 12> kZodiacNames = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                               "马", "羊", "猴", "鸡", "狗", "猪"};

// Stored rather than computed: lookups compare whole texts against it.
constexpr std::array<Name, 60> kJiaziNames = {
    "甲jiǎ子zǐ",  "乙yǐ丑chǒu",   "丙bǐng寅yín",  "丁dīng卯mǎo", "戊wù辰chén",   "己jǐ巳sì",
    "庚gēng午wǔ", "辛xīn未wèi",   "壬rén申shēn",  "癸guǐ酉yǒu",  "甲jiǎ戌xū",    "乙yǐ亥hài",
    "丙bǐng子zǐ", "丁dīng丑chǒu", "戊wù寅yín",    "己jǐ卯mǎo",   "庚gēng辰chén", "辛xīn巳sì",
    "壬rén午wǔ",  "癸guǐ未wèi",   "甲jiǎ申shēn",  "乙yǐ酉yǒu",   "丙bǐng戌xū",   "丁dīng亥hài",
    "戊wù子zǐ",   "己jǐ丑chǒu",   "庚gēng寅yín",  "辛xīn卯mǎo",  "壬rén辰chén",  "癸guǐ巳sì",
    "甲jiǎ午wǔ",  "乙yǐ未wèi",    "丙bǐng申shēn", "丁dīng酉yǒu", "戊wù戌xū",     "己jǐ亥hài",
    "庚gēng子zǐ", "辛xīn丑chǒu",  "壬rén寅yín",   "癸guǐ卯mǎo",  "甲jiǎ辰chén",  "乙yǐ巳sì",
    "丙bǐng午wǔ", "丁dīng未wèi",  "戊wù申shēn",   "己jǐ酉yǒu",   "庚gēng戌xū",   "辛xīn亥hài",
    "壬rén子zǐ",  "癸guǐ丑chǒu",  "甲jiǎ寅yín",   "乙yǐ卯mǎo",   "丙bǐng辰chén", "丁dīng巳sì",
    "戊wù午wǔ",   "己jǐ未wèi",    "庚gēng申shēn", "辛xīn酉yǒu",  "壬rén戌xū",    "癸guǐ亥hài"};

// Two consecutive positions share one sound-element.
constexpr std::array<Name, 60> kNayinNames = {
    "海中金", "海中金", "炉中火", "炉中火", "大林木", "大林木", "路旁土", "路旁土", "剑锋金",
    "剑锋金", "山头火", "山头火", "漳下水", "漳下水", "城头土", "城头土", "白腊金", "白腊金",
    "杨柳木", "杨柳木", "泉中水", "泉中水", "屋上土", "屋上土", "霹雳火", "霹雳火", "松柏木",
    "松柏木", "长流水", "长流水", "砂石金", "砂石金", "山下火", "山下火", "平地木", "平地木",
    "壁上土", "壁上土", "金箔金", "金箔金", "覆灯火", "覆灯火", "天河水", "天河水", "大驿土",
    "大驿土", "钗钏金", "钗钏金", "桑柘木", "桑柘木", "太溪水", "太溪水", "沙中土", "沙中土",
    "天上火", "天上火", "石榴木", "石榴木", "大海水", "大海水"};

// The 子 period ends at "24:59" because the hour search counts hour 0 as 24.
constexpr std::array<Name, 12> kHourStartTimes = {"23:00", "01:00", "03:00", "05:00",
                                                  "07:00", "09:00", "11:00", "13:00",
                                                  "15:00", "17:00", "19:00", "21:00"};
constexpr std::array<Name, 12> kHourEndTimes = {"24:59", "02:59", "04:59", "06:59",
                                                "08:59", "10:59", "12:59", "14:59",
                                                "16:59", "18:59", "20:59", "22:59"};
constexpr std::array<Name, 12> kHourDescriptions = {"子zǐ时 子夜/夜半 三更",
                                                    "丑chǒu时 鸡鸣/狗盗 四更",
                                                    "寅yín时 早晨/黎明 五更",
                                                    "卯mǎo时 日出",
                                                    "辰chén时 朝食",
                                                    "巳sì时 隅中",
                                                    "午wǔ时 日中",
                                                    "未wèi时 日跌",
                                                    "申shēn时 哺bū时",
                                                    "酉yǒu时 日落/傍晚",
                                                    "戌xū时 黄昏/日暮 一更",
                                                    "亥hài时 人定/人静 二更"};

// The traditional quarters: the first runs to 15:59 and the second starts at 16:00, so they
// last 16 and 14 minutes.
constexpr std::array<Name, 4> kQuarterStartTimes = {"00:00", "16:00", "30:00", "45:00"};
constexpr std::array<Name, 4> kQuarterEndTimes = {"15:59", "29:59", "44:59", "59:59"};
constexpr std::array<Name, 4> kQuarterNames = {"初刻", "一刻", "二刻", "三刻"};

constexpr std::array<Name, 10> kChineseDigits = {"〇", "一", "二", "三", "四",
                                                 "五", "六", "七", "八", "九"};

constexpr std::array<Name, 24> kSolarTermNames = {
    "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至", "小暑", "大暑",
    "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒"};

constexpr std::array<Name, 12> kLunarMonthNames = {
    "(孟春)正月", "(花朝)二月", "(阳春)三月", "(清和)四月", "(仲夏)五月", "(荷月)六月",
    "(上秋)七月", "(清秋)八月", "(桑落)九月", "(霜华)十月", "(隆冬)冬月", "(暮岁)腊月"};

constexpr std::array<Name, 30> kLunarDayNames = {
    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

constexpr std::array<Name, 16> kNibbleBits = {"0000", "0001", "0010", "0011", "0100", "0101",
                                              "0110", "0111", "1000", "1001", "1010", "1011",
                                              "1100", "1101", "1110", "1111"};

// Positions count from `first`; anything outside the table is the empty text.
template <std::size_t N>
constexpr Name At(const std::array<Name, N>& table, int position, int first = 1) {
    const int i = position - first;
    return i >= 0 && i < static_cast<int>(N) ? table[static_cast<std::size_t>(i)] : Name{};
}

}  // namespace

std::string_view StemName(int stem) { return At(kStemNames, stem); }
std::string_view StemElement(int stem) { return At(kStemElements, stem); }
std::string_view StemDirection(int stem) { return At(kStemDirections, stem); }
std::string_view BranchName(int branch) { return At(kBranchNames, branch); }
std::string_view BranchElement(int branch) { return At(kBranchElements, branch); }
std::string_view BranchDirection(int branch) { return At(kBranchDirections, branch); }
std::string_view MonthBranchName(int month) { return At(kMonthBranchNames, month); }
std::string_view MonthBranchElement(int month) { return At(kMonthBranchElements, month); }
std::string_view MonthBranchDirection(int month) { return At(kMonthBranchDirections, month); }
std::string_view ZodiacName(int branch) { return At(kZodiacNames, branch); }
std::string_view JiaziName(int position) { return At(kJiaziNames, position); }
std::string_view NayinName(int position) { return At(kNayinNames, position); }
std::string_view HourStartTime(int period) { return At(kHourStartTimes, period); }
std::string_view HourEndTime(int period) { return At(kHourEndTimes, period); }
std::string_view HourDescription(int period) { return At(kHourDescriptions, period); }
std::string_view QuarterStartTime(int quarter) { return At(kQuarterStartTimes, quarter); }
std::string_view QuarterEndTime(int quarter) { return At(kQuarterEndTimes, quarter); }
std::string_view QuarterName(int quarter) { return At(kQuarterNames, quarter); }
std::string_view ChineseDigit(int digit) { return At(kChineseDigits, digit, 0); }
std::string_view SolarTermName(int index) { return At(kSolarTermNames, index); }
std::string_view LunarMonthName(int month) { return At(kLunarMonthNames, month); }
std::string_view LunarMonthPlainName(int month) {
    const Name full = At(kLunarMonthNames, month);
    return full.substr(full.find(')') + 1);
}
std::string_view LunarDayName(int day) { return At(kLunarDayNames, day); }
std::string_view NibbleBits(int position) { return At(kNibbleBits, position); }

int JiaziPosition(std::string_view name) {
    for (std::size_t i = 0; i < kJiaziNames.size(); ++i) {
        if (kJiaziNames[i] == name) return static_cast<int>(i) + 1;
    }
    return 0;
}

}  // namespace calendar
