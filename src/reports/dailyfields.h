#pragma once
// The edit fields of the daily report dialog as one buffer of fixed-width texts: each field's control
// id and width, the texts a report fills them with, and the report read back from them.
#include "wellfile/reportrecords.h"

#include <QDate>

#include <array>
#include <cstdint>
#include <string>

namespace reports {

// How a field is read and shown.
enum class DailyFieldKind { Text, Int, U16, Float, WholeFloat, Lag, Check, SpudDate, StartDate };

struct DailyField {
    int id;
    int width;  // bytes of the field, its NUL included; a check box holds 4
    DailyFieldKind kind;
    int offset;           // where the value lies in REPORTEX; -1 for the header dates
    int size;             // its bytes there
    const char* format;   // how a number is written
    int maxChars;         // a text's limit in the record
};

constexpr int kDailyFieldCount = 98;
// The gels field: the dialog gives it this id, as its resource gives 164 to "Save Short Report" too.
constexpr int kGelsFieldId = 1164;
// The fields in buffer order.
const std::array<DailyField, kDailyFieldCount>& DailyFields();
// Ids of the fields the dialog handles apart.
enum : int {
    IDC_RPT_NUMBER = 106, IDC_RPT_DEPTH = 1408, IDC_RPT_FOOTAGE = 110, IDC_RPT_ROP = 111, IDC_RPT_LAG = 112,
    IDC_RPT_HOURS = 189,
};

// The texts of every field, in buffer order (a check box "0" or "1").
using DailyTexts = std::array<std::string, kDailyFieldCount>;

// The dialog's copy of the header dates, shown and edited with the report but never stored in it.
struct HeaderDates {
    std::string spud;
    std::string startLogging;
};

// The fields of report `r`: its values as the dialog writes them, the day number and days of logging
// counted from the header dates (`today` stands for an undated report), the average rate from footage
// and hours, and the lag as minutes and strokes.
DailyTexts FillDailyFields(const wellfile::REPORTEX& r, const HeaderDates& dates, const QDate& today);
// The report the fields hold: the record cleared and every field read back (numbers as their leading
// number, texts cut to the field and to their limit); the dates go into `dates`.
wellfile::REPORTEX ReadDailyFields(const DailyTexts& texts, HeaderDates& dates);

}  // namespace reports
