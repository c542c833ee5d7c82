#pragma once
// Polish public holidays, as the calendar marks them.

namespace common {

struct MonthDay {
    int month;
    int day;
};

struct MovableHolidays {
    MonthDay easterMonday;
    MonthDay corpusChristi;
};

// Easter Monday and Corpus Christi of a year (the Gregorian Easter rule as it holds from 1900
// to 2099).
MovableHolidays easterDates(int year);

// Public holidays on working days: the fixed ones (6 January from 2011, 24 December from 2025),
// Easter Monday and Corpus Christi. Sundays are not included.
bool isHoliday(int year, int month, int day);

}  // namespace common
