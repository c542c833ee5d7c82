#include "common/holidays.h"

#include <limits>

namespace common {
namespace {

constexpr int kAlways = std::numeric_limits<int>::min();

// A remainder that stays non-negative for years before 0.
int mod(int a, int n) {
    return ((a % n) + n) % n;
}

}  // namespace

MovableHolidays easterDates(int year) {
    const int a = mod(year, 19);
    const int b = (19 * a + 24) % 30;
    const int d = (2 * mod(year, 4) + 4 * mod(year, 7) + 6 * b + 5) % 7;
    // Easter Sunday is day c counted from 1 March.
    int c = 22 + b + d;
    if (d == 6 && (b == 29 || b == 28))
        c -= 7;

    MovableHolidays result{};
    result.easterMonday = c + 1 >= 32 ? MonthDay{4, c - 30} : MonthDay{3, c + 1};
    result.corpusChristi = c - 1 >= 32 ? MonthDay{6, c - 32} : MonthDay{5, c - 1};
    return result;
}

bool isHoliday(int year, int month, int day) {
    struct Fixed {
        int month;
        int day;
        int fromYear;
    };
    static constexpr Fixed kFixed[] = {
        {1, 1, kAlways},  {1, 6, 2011},      {5, 1, kAlways}, {5, 3, kAlways},   {8, 15, kAlways},
        {11, 1, kAlways}, {11, 11, kAlways}, {12, 24, 2025},  {12, 25, kAlways}, {12, 26, kAlways},
    };
    for (const Fixed& f : kFixed)
        if (f.month == month && f.day == day && year >= f.fromYear)
            return true;

    const MovableHolidays movable = easterDates(year);
    return (movable.easterMonday.month == month && movable.easterMonday.day == day) ||
           (movable.corpusChristi.month == month && movable.corpusChristi.day == day);
}

}  // namespace common
