#pragma once
// Where the month view puts things, in logical pixels of its client area, and its colours and
// fonts. The grid has a column of week numbers at its left and a row of weekday names above.
#include <windows.h>

#include <array>

namespace month::layout {

inline constexpr int kMargin = 12;
inline constexpr int kClientWidth = 572;
inline constexpr int kClientHeight = 620;
inline constexpr int kContentWidth = kClientWidth - 2 * kMargin;

inline constexpr int kButtonTop = 10, kButtonWidth = 52, kButtonHeight = 30;
inline constexpr int kTodayLeft = kClientWidth - kMargin - kButtonWidth;
inline constexpr int kNextLeft = kTodayLeft - 6 - kButtonWidth;
inline constexpr int kHeaderLeft = kMargin + kButtonWidth + 6;
inline constexpr int kHeaderWidth = kNextLeft - 6 - kHeaderLeft;
inline constexpr int kHeaderTop = 13, kHeaderHeight = 27;

inline constexpr int kWeekdayTop = 48, kWeekdayHeight = 22;
inline constexpr int kWeekColumnWidth = 30;
inline constexpr int kGridLeft = kMargin + kWeekColumnWidth;
inline constexpr int kGridTop = kWeekdayTop + kWeekdayHeight;
inline constexpr int kCellWidth = 74, kCellHeight = 58;
static_assert(kGridLeft + 7 * kCellWidth == kClientWidth - kMargin);

inline constexpr int kDetailsTop = kGridTop + 6 * kCellHeight + 10;
inline constexpr int kDetailsHeight = 110;  // five lines, the reminders' the last
inline constexpr int kNoteTop = kDetailsTop + kDetailsHeight + 4;
inline constexpr int kNoteHeight = 70;  // three lines shown; a longer note scrolls
// The button that adds a year's schedule stands at the note's right, which gives it room.
inline constexpr int kAddWidth = 124, kAddHeight = 30;
inline constexpr int kAddLeft = kClientWidth - kMargin - kAddWidth;
inline constexpr int kNarrowNoteWidth = kAddLeft - 8 - kMargin;
static_assert(kNoteTop + kNoteHeight <= kClientHeight);

inline constexpr const char* kTextFont = "Microsoft YaHei,9";
inline constexpr std::array<const char*, 3> kHeaderFonts = {
    "Microsoft YaHei,12,1", "Microsoft YaHei,11,1", "Microsoft YaHei,10,1"};
inline constexpr const char* kDayFont = "Microsoft YaHei,14";
// A cell's line takes the largest of these it fits in: the longest festival lists need the
// smallest.
inline constexpr std::array<const char*, 3> kLineFonts = {"Microsoft YaHei,9", "Microsoft YaHei,8",
                                                          "Microsoft YaHei,7"};
inline constexpr const char* kBadgeFont = "Microsoft YaHei,8,1";
inline constexpr const char* kSmallFont = "Microsoft YaHei,8";

inline constexpr COLORREF kBackground = RGB(250, 250, 250);
inline constexpr COLORREF kGridLine = RGB(226, 226, 226);
inline constexpr COLORREF kCellFill = RGB(255, 255, 255);
inline constexpr COLORREF kWeekendFill = RGB(255, 246, 242);
inline constexpr COLORREF kDayOffFill = RGB(255, 233, 228);
inline constexpr COLORREF kSelectedFill = RGB(214, 232, 255);
inline constexpr COLORREF kAccent = RGB(0, 110, 205);
inline constexpr COLORREF kText = RGB(34, 34, 34);
inline constexpr COLORREF kWeekendText = RGB(200, 40, 40);
inline constexpr COLORREF kDimText = RGB(180, 180, 180);
inline constexpr COLORREF kWeekText = RGB(150, 150, 150);
inline constexpr COLORREF kLunarText = RGB(105, 105, 105);
inline constexpr COLORREF kMonthNameText = RGB(40, 90, 170);
inline constexpr COLORREF kTermText = RGB(0, 128, 88);
inline constexpr COLORREF kFestivalText = RGB(205, 70, 20);
inline constexpr COLORREF kDayOffBadge = RGB(222, 58, 44);
inline constexpr COLORREF kWorkBadge = RGB(84, 98, 122);
inline constexpr COLORREF kNoteText = RGB(160, 80, 20);
inline constexpr COLORREF kReminderMark = RGB(140, 70, 200);

}  // namespace month::layout
