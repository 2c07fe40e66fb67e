#include <array>

#include "calendar/name_tables.h"

namespace calendar {
namespace {

struct FestivalRow {
    int month;
    int day;
    std::string_view name;
};

constexpr std::array<FestivalRow, 12> kLunarFestivals = {{
    {1, 15, "上元"},
    {2, 2, "龙头"},
    {3, 3, "上巳"},
    {5, 5, "端午"},
    {7, 7, "七夕"},
    {7, 15, "中元"},
    {8, 15, "中秋"},
    {9, 9, "重阳"},
    {10, 1, "寒衣"},
    {10, 15, "下元"},
    {12, 8, "腊八"},
    {12, 23, "小年"},
}};

constexpr std::array<FestivalRow, 21> kGregorianFestivals = {{
    {1, 1, "元旦"},     {2, 14, "情人"},        {3, 8, "妇女"},   {3, 12, "植树"},
    {4, 1, "愚人"},     {4, 13, "泼水"},        {5, 1, "劳动"},   {5, 4, "青年"},
    {5, 8, "红十字"},   {5, 12, "护士"},        {6, 1, "儿童"},   {7, 1, "建党/港归"},
    {7, 7, "抗日战争"}, {8, 1, "建军"},         {9, 10, "教师"},  {10, 1, "国庆"},
    {10, 24, "程序员"}, {12, 13, "南京大屠杀"}, {12, 20, "澳归"}, {12, 24, "平安夜"},
    {12, 25, "圣诞"},
}};

template <class Table>
std::string_view Find(const Table& table, int month, int day) {
    for (const FestivalRow& row : table) {
        if (row.month == month && row.day == day) return row.name;
    }
    return {};
}

}  // namespace

std::string_view LunarFestivalName(int month, int day) { return Find(kLunarFestivals, month, day); }
std::string_view GregorianFestivalName(int month, int day) {
    return Find(kGregorianFestivals, month, day);
}

}  // namespace calendar
