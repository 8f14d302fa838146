#include "drilling/alarmform.h"

#include "platform/numbers.h"
#include "platform/text.h"

#include <climits>
#include <cstdlib>

namespace drilling {

namespace {

using namespace alarmid;

QString Format(const char* format, double v) { return QString::fromStdString(platform::CFormat(format, v)); }
// The record's whole-number fields edited as such (the gas limits apart), by edit id. The record is
// packed: its fields are read and written by value only.
void PutWholeFields(const AlarmSettings& s, std::map<int, QString>& e)
{
    e[WitsPercent] = QString::number(s.witsPercentLimit);
    e[WitsPercentMinutes] = QString::number(s.witsPercentMinutes);
    e[FlowMinimum] = QString::number(s.flowMinimum);
    e[FlowMaximum] = QString::number(s.flowMaximum);
    e[FlowMinutes] = QString::number(s.flowMinutes);
    e[PitMinimum] = QString::number(s.pitVolumeMinimum);
    e[PitMaximum] = QString::number(s.pitVolumeMaximum);
    e[PitMinutes] = QString::number(s.pitVolumeMinutes);
    e[CasingLimit] = QString::number(s.casingLimit);
    e[CasingMinutes] = QString::number(s.casingMinutes);
}

QString EditText(const AlarmForm& form, int id)
{
    const auto it = form.edits.find(id);
    return it == form.edits.end() ? QString() : it->second;
}

}  // namespace

void HourToForm(std::int32_t hour, QString& text, bool& pm)
{
    pm = hour >= 12;
    const std::int32_t shown = hour == 0 ? 12 : hour > 12 ? hour - 12 : hour;
    text = QString::fromStdString(platform::CFormat("%2d", int(shown)));
}

std::int32_t HourFromForm(const QString& text, bool pm)
{
    const QByteArray bytes = text.toLatin1();
    char* end = nullptr;
    const long n = std::strtol(bytes.constData(), &end, 10);
    if (end == bytes.constData())
        return -1;  // nothing typed, or no number: no time alarm
    std::int32_t hour = n < INT_MIN ? INT_MIN : n > INT_MAX ? INT_MAX : std::int32_t(n);
    if (hour == 12 && !pm)
        hour = 0;
    else if (pm && hour >= 0 && hour <= 11)
        hour += 12;
    return hour;
}

int SpinTop(int spinId) { return spinId == LongUnitSpin ? 1000 : 100; }

QString SpinText(int spinId, int next)
{
    const int top = SpinTop(spinId);
    const int shown = next > top ? 0 : next < 0 ? top : next;
    if (spinId == BreakCountSpin)
        return QString::number(shown);
    return Format("%3.1f", shown * 0.1);
}

AlarmForm SettingsToForm(const AlarmSettings& s, std::int32_t lagAlarmInterval, const AlarmSetupView& view)
{
    AlarmForm f;
    const float threshold = s.breakMinutes;
    f.edits[BreakMinutes] = Format("%3.1f", view.ratesPerHour && threshold > 0 ? 60.0 / double(threshold) : double(threshold));
    f.edits[BreakCount] = QString::number(s.breakCount);
    f.edits[Depth] = QString::number(s.alarmDepth);
    f.edits[HighGas] = QString::number(s.highGasUnits);
    f.edits[LowGas] = QString::number(s.lowGasUnits);
    f.edits[LowGasMinutes] = QString::number(s.lowGasMinutes);
    PutWholeFields(s, f.edits);
    const std::int32_t hour = s.alarmHour;
    HourToForm(hour, f.edits[Hour], f.pm);
    f.edits[Minute] = QString::fromStdString(platform::CFormat("%02d", hour < 0 ? 0 : int(s.alarmMinute)));
    f.edits[LongUnit] = Format("%3.1f", double(s.longUnitMinutes));
    f.edits[LagInterval] = QString::number(lagAlarmInterval);
    f.notify = MailsAlarms(view.profile) && s.notifyByMail != 0;
    return f;
}

QString FormToSettings(const AlarmForm& form, const AlarmSetupView& view, AlarmSettings& s, std::int32_t& lagAlarmInterval)
{
    const std::int32_t hour = HourFromForm(EditText(form, Hour), form.pm);
    if (hour != -1 && (hour < 0 || hour > 23))
        return QStringLiteral("Hr: the alarm hour must be 1 to 12 (0 to 23 without PM), or empty for no time alarm.");
    const std::int32_t minute = hour < 0 ? 0 : platform::LeadingInt(EditText(form, Minute));
    if (minute < 0 || minute > 59)
        return QStringLiteral("Min: the alarm minute must be 0 to 59.");

    const auto Read = [&form](int id) { return platform::LeadingInt(EditText(form, id)); };
    AlarmSettings t = s;
    const float typed = platform::LeadingFloat(EditText(form, BreakMinutes));
    t.breakMinutes = view.ratesPerHour && typed > 0 ? 60.0f / typed : typed;
    t.breakCount = Read(BreakCount);
    t.alarmDepth = Read(Depth);
    t.alarmHour = hour;
    t.alarmMinute = minute;
    t.longUnitMinutes = platform::LeadingFloat(EditText(form, LongUnit));
    if (view.gasMonitor) {
        t.highGasUnits = Read(HighGas);
        t.lowGasUnits = Read(LowGas);
        t.lowGasMinutes = Read(LowGasMinutes);
    }
    t.witsPercentLimit = Read(WitsPercent);
    t.witsPercentMinutes = Read(WitsPercentMinutes);
    t.flowMinimum = Read(FlowMinimum);
    t.flowMaximum = Read(FlowMaximum);
    t.flowMinutes = Read(FlowMinutes);
    t.pitVolumeMinimum = Read(PitMinimum);
    t.pitVolumeMaximum = Read(PitMaximum);
    t.pitVolumeMinutes = Read(PitMinutes);
    t.casingLimit = Read(CasingLimit);
    t.casingMinutes = Read(CasingMinutes);
    if (MailsAlarms(view.profile))
        t.notifyByMail = form.notify ? 1 : 0;
    s = t;
    lagAlarmInterval = Read(LagInterval);
    return {};
}

}  // namespace drilling
