#include <array>

#include "calendar/lunar.h"

namespace calendar {
namespace {

// One code per lunar year 1901..2099. Six hex digits make 24 bits, read from the most
// significant: 4 bits leap month (0 = none), 13 month-length flags in order of occurrence
// (1 = 30 days), 2 bits Gregorian month and 5 bits day of the Spring Festival.
// Each year's months add up to the days before the next Spring Festival. The month flags of
// 1989, 2025, 2089 and 2099 are easy to get wrong: 1989 七月 begins on 08-02, 2025 三月 has
// 30 days, 2089 八月 begins on 09-04 and 2099 十月 has 30 days.
constexpr std::array<std::string_view, 199> kLunarYearCodes = {
    "04AE53", "0A5748", "5526BD", "0D2650", "0D9544",
    "46AAB9", "056A4D", "09AD42", "24AEB6", "04AE4A",  // 1901
    "6A4DBE", "0A4D52", "0D2546", "5D52BA", "0B544E",
    "0D6A43", "296D37", "095B4B", "749BC1", "049754",  // 1911
    "0A4B48", "5B25BC", "06A550", "06D445", "4ADAB8",
    "02B64D", "095742", "2497B7", "04974A", "664B3E",  // 1921
    "0D4A51", "0EA546", "56D4BA", "05AD4E", "02B644",
    "393738", "092E4B", "7C96BF", "0C9553", "0D4A48",  // 1931
    "6DA53B", "0B554F", "056A45", "4AADB9", "025D4D",
    "092D42", "2C95B6", "0A954A", "7B4ABD", "06CA51",  // 1941
    "0B5546", "555ABB", "04DA4E", "0A5B43", "352BB8",
    "052B4C", "8A953F", "0E9552", "06AA48", "6AD53C",  // 1951
    "0AB54F", "04B645", "4A5739", "0A574D", "052642",
    "3E9335", "0D9549", "75AABE", "056A51", "096D46",  // 1961
    "54AEBB", "04AD4F", "0A4D43", "4D26B7", "0D254B",
    "8D52BF", "0B5452", "0B6A47", "696D3C", "095B50",  // 1971
    "049B45", "4A4BB9", "0A4B4D", "AB25C2", "06A554",
    "06D449", "6ADA3D", "0AB651", "095746", "5497BB",  // 1981
    "04974F", "064B44", "36A537", "0EA54A", "86B2BF",
    "05AC53", "0AB647", "5936BC", "092E50", "0C9645",  // 1991
    "4D4AB8", "0D4A4C", "0DA541", "25AAB6", "056A49",
    "7AADBD", "025D52", "092D47", "5C95BA", "0A954E",  // 2001
    "0B4A43", "4B5537", "0AD54A", "955ABF", "04BA53",
    "0A5B48", "652BBC", "052B50", "0A9345", "474AB9",  // 2011
    "06AA4C", "0AD541", "24DAB6", "04B64A", "6A573D",
    "0A4E51", "0D2646", "5E933A", "0D534D", "05AA43",  // 2021
    "36B537", "096D4B", "B4AEBF", "04AD53", "0A4D48",
    "6D25BC", "0D254F", "0D5244", "5DAA38", "0B5A4C",  // 2031
    "056D41", "24ADB6", "049B4A", "7A4BBE", "0A4B51",
    "0AA546", "5B52BA", "06D24E", "0ADA42", "355B37",  // 2041
    "09374B", "8497C1", "049753", "064B48", "66A53C",
    "0EA54F", "06B244", "4AB638", "0AAE4C", "092E42",  // 2051
    "3C9735", "0C9649", "7D4ABD", "0D4A51", "0DA545",
    "55AABA", "056A4E", "0A6D43", "452EB7", "052D4B",  // 2061
    "8A95BF", "0A9553", "0B4A47", "6B553B", "0AD54F",
    "055A45", "4A5D38", "0A5B4C", "052B42", "3A93B6",  // 2071
    "069349", "7729BD", "06AA51", "0AD546", "54DABA",
    "04B64E", "0A5743", "452738", "0D164A", "8E933E",  // 2081
    "0D5252", "0DAA47", "66B53B", "056D4F", "04AE45",
    "4A4EB9", "0A4D4C", "0D1541", "2D92B5",  // 2091
};

}  // namespace

std::string_view LunarYearCode(int year) {
    const int clamped = year < 1901 ? 1901 : (year > 2099 ? 2099 : year);
    return kLunarYearCodes[static_cast<std::size_t>(clamped - 1901)];
}

}  // namespace calendar
