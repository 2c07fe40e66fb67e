#include "info/about_text.h"

namespace info {

namespace {

// The contact line points at the project's tracker rather than a person or an address, so
// that it stays true whoever maintains the program.
constexpr std::string_view kAbout =
    "想在桌面上随时看到农历、节气和干支，却没找到合意的日历，\r\n"
    "于是自己动手，写了这个能报时、会提醒的桌面日历贴。\r\n"
    "\r\n"
    "编写于 2022 年 10 月至 2024 年 7 月\r\n"
    "联系：请在 Tavelon 项目的问题跟踪 (issues) 中反馈";

// The newest header starts at the margin, the older ones are indented by four blanks. Each
// colour of 2022-10-31 is given as a decimal value, its red, green and blue bytes and its
// hexadecimal form, the way the colour dialog and the settings show it.
constexpr std::string_view kChangeLog =
    "2024-07-03 【位置】更新：\r\n"
    "1、日历贴默认放在屏幕右上角。\r\n"
    " \r\n"
    "    2024-03-31 【界面】更新：\r\n"
    "1、加大窗口。\r\n"
    "2、调整各处字体。\r\n"
    " \r\n"
    "    2022-12-26 【修正】更新：\r\n"
    "1、修正每年周数的计算。\r\n"
    " \r\n"
    "    2022-11-08 【工具】更新：\r\n"
    "1、新增按干支查询年份及虚岁。\r\n"
    " \r\n"
    "    2022-11-07 【工具】更新：\r\n"
    "1、新增查询某年第几周的起止日期。\r\n"
    "2、新增查询某年各节气的日期。\r\n"
    " \r\n"
    "    2022-11-06 【功能】更新：\r\n"
    "1、新增春节倒计时。\r\n"
    "2、工具的起始日期与四柱改用新的默认值。\r\n"
    "3、农历节日与公历节日同时显示。\r\n"
    "4、前后天数一栏可用上下箭头调节。\r\n"
    " \r\n"
    "    2022-11-04 【优化】更新：\r\n"
    "1、各模块共用同一套名称表。\r\n"
    "2、四柱增加五行、方位与纳音。\r\n"
    " \r\n"
    "    2022-11-03 【功能】更新：\r\n"
    "1、日期列表显示月大小、数九、节气和节日。\r\n"
    "2、科普增加北斗七星与北极星一节。\r\n"
    "3、显示闰月。\r\n"
    "4、修正月柱与节日的计算。\r\n"
    "5、日期可用上下箭头选择，也可直接输入。\r\n"
    "6、四柱与五行放在可复制的文本框中。\r\n"
    " \r\n"
    "    2022-10-31 【功能】更新：\r\n"
    "1、新增母亲节、父亲节、感恩节、平安夜、圣诞节和程序员节。\r\n"
    "2、窗口/透明色为 8453888 (0, 255, 128, &H80FF00)，"
    "默认文字颜色为 5164338 (50, 205, 78, &H4ECD32)。\r\n"
    "3、新增“关于&日志”窗口。\r\n"
    "4、闹钟改用新的默认时间。\r\n"
    " \r\n"
    "    2022-10-04 【功能】更新：\r\n"
    "1、可自定义文字颜色。\r\n"
    "2、变脸后窗口保持原来的位置。\r\n"
    "3、工具中新增闹钟与报时设置页。";

}  // namespace

std::string_view AboutText() { return kAbout; }

std::string_view ChangeLogText() { return kChangeLog; }

}  // namespace info
