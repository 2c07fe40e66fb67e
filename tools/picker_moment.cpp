#include "tools/picker_moment.h"

#include <cmath>

namespace tools {

namespace {

constexpr double kSecondsPerDay = 86400.0;

}  // namespace

std::optional<PickerMoment> MomentOfSerial(double serial) {
    const double first = calendar::DateSerialOf(kFirstPickerDay);
    const double pastLast = calendar::DateSerialOf(kLastPickerDay) + 1.0;
    // Written so that NaN fails too; the bounds keep every later conversion to an integer
    // far inside its type.
    if (!(serial >= first - 1.0 && serial <= pastLast + 1.0)) return std::nullopt;
    const auto totalSeconds = static_cast<long long>(std::llround(serial * kSecondsPerDay));
    long long days = totalSeconds / 86400;
    long long rest = totalSeconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    const calendar::sys_days day = calendar::DayOfSerial(static_cast<int>(days));
    if (day < kFirstPickerDay || day > kLastPickerDay) return std::nullopt;
    return PickerMoment{day, std::chrono::seconds{rest}};
}

double SerialOf(const PickerMoment& moment) {
    return calendar::DateSerialOf(moment.day) +
           static_cast<double>(moment.timeOfDay.count()) / kSecondsPerDay;
}

std::optional<PickerMoment> MomentAfter(const PickerMoment& from, double days) {
    return MomentOfSerial(SerialOf(from) + days);
}

}  // namespace tools
