#include "drilling/ui/alarmwindows.h"

#include "drilling/drillingcommands.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/ui/updown.h"

#include <QDir>
#include <QPointer>

#include <cstring>
#include <utility>

namespace drilling {

using namespace alarmid;

// ---- the status window --------------------------------------------------------------------------------

AlarmDisplay::AlarmDisplay(QWidget* owner, LogAlarm* alarms, const QString& firstText)
    : AlarmStatusDialog(owner, false), alarms_(alarms), firstText_(firstText)
{
    On(102, platform::BN_CLICKED, [this] { CmClose(); });
    On(127, platform::BN_CLICKED, [this] { CmClose(); });
}

AlarmDisplay::~AlarmDisplay()
{
    if (LogAlarm* alarms = std::exchange(alarms_, nullptr))
        alarms->StatusWindowGone(this);
}

void AlarmDisplay::SetupWindow()
{
    SetText(105, firstText_);
    Show(127, false);
}

bool AlarmDisplay::IsShown() const { return isVisible(); }

void AlarmDisplay::ShowAgain() { show(); }

void AlarmDisplay::SetAlarmText(const QString& text)
{
    if (isVisible())
        SetText(105, text);
}

void AlarmDisplay::AlarmsGone()
{
    alarms_ = nullptr;
    hide();
    // Later, not now: the alarms may go while one of this window's own handlers runs.
    deleteLater();
}

void AlarmDisplay::CmClose()
{
    if (alarms_)
        alarms_->Acknowledge(alarms_->currentKind);
    hide();
}

AlarmDisplay* ShowAlarmDisplay(QWidget* owner, LogAlarm& alarms, const QString& firstText)
{
    auto* display = new AlarmDisplay(owner, &alarms, firstText);
    display->Create();
    return display;
}

// ---- the setup dialog ---------------------------------------------------------------------------------

namespace {

constexpr int kEditLimit = 21;  // 20 characters

}  // namespace

AlarmSetupDlg::AlarmSetupDlg(QWidget* parent, AlarmSetupView view, AlarmSettings& settings, std::int32_t& lagAlarmInterval)
    : Dialog(parent, QStringLiteral("Alarm Setup")), view_(std::move(view)), settings_(settings),
      lagAlarmInterval_(lagAlarmInterval), edited_(settings)
{
    BeginGrid(4);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Drilling Break"));
    AddEdit(BreakMinutes, kEditLimit);
    AddUpDown(BreakSpin);
    AddStatic(UnitLabel, QStringLiteral("MIN/M"));
    AddStatic(platform::IDC_STATIC, QStringLiteral("No of meters"));
    AddEdit(BreakCount, kEditLimit);
    AddUpDown(BreakCountSpin);
    SkipCell();
    AddStatic(platform::IDC_STATIC, QStringLiteral("Depth"));
    AddEdit(Depth, kEditLimit);
    SkipCell();
    SkipCell();
    AddStatic(platform::IDC_STATIC, QStringLiteral("Long Meter"));
    AddEdit(LongUnit, kEditLimit);
    AddUpDown(LongUnitSpin);
    SkipCell();
    EndGrid();
    NewRow();
    AddStatic(platform::IDC_STATIC, QStringLiteral("Time"));
    AddStatic(platform::IDC_STATIC, QStringLiteral("Hr"));
    AddEdit(Hour, kEditLimit, 4);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Min"));
    AddEdit(Minute, kEditLimit, 4);
    AddCheck(Pm, QStringLiteral("PM"));
    NewRow();
    BeginGrid(2);
    AddStatic(platform::IDC_STATIC, QStringLiteral("High Gas"));
    AddEdit(HighGas, kEditLimit);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Low Gas Units"));
    AddEdit(LowGas, kEditLimit);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Number of Minutes"));
    AddEdit(LowGasMinutes, kEditLimit);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Sounds"));
    AddCombo(Sounds);
    EndGrid();
    AddButton(Test, QStringLiteral("Test"));
    NewRow();
    BeginGroup(platform::IDC_STATIC, QStringLiteral("WITS ALARMS"));
    BeginGrid(4);
    SkipCell();
    AddStatic(platform::IDC_STATIC, QStringLiteral("Minimum"));
    AddStatic(platform::IDC_STATIC, QStringLiteral("Maximum"));
    AddStatic(platform::IDC_STATIC, QStringLiteral("Time  (minutes)"));
    AddStatic(platform::IDC_STATIC, QStringLiteral("Wits Percent"));
    AddEdit(WitsPercent, kEditLimit);
    SkipCell();
    AddEdit(WitsPercentMinutes, kEditLimit);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Flow"));
    AddEdit(FlowMinimum, kEditLimit);
    AddEdit(FlowMaximum, kEditLimit);
    AddEdit(FlowMinutes, kEditLimit);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Pit Volume"));
    AddEdit(PitMinimum, kEditLimit);
    AddEdit(PitMaximum, kEditLimit);
    AddEdit(PitMinutes, kEditLimit);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Casing Pressure"));
    SkipCell();
    AddEdit(CasingLimit, kEditLimit);
    AddEdit(CasingMinutes, kEditLimit);
    EndGrid();
    EndGroup();
    NewRow();
    AddCheck(MailCheck, QStringLiteral("Notify By Email"));
    NewRow();
    AddStatic(platform::IDC_STATIC, QStringLiteral("Lag Alarm Interval (0 to Turn off)"));
    AddEdit(LagInterval, kEditLimit);
    NewRow();
    AddStretch();
    AddButton(platform::IDOK, QStringLiteral("SAVE"), true);
    AddButton(platform::IDCANCEL, QStringLiteral("Cancel"));

    On(BreakSpin, platform::UDN_DELTAPOS, [this] { Spin(BreakSpin, BreakMinutes); });
    On(BreakCountSpin, platform::UDN_DELTAPOS, [this] { Spin(BreakCountSpin, BreakCount); });
    On(LongUnitSpin, platform::UDN_DELTAPOS, [this] { Spin(LongUnitSpin, LongUnit); });
    On(Sounds, platform::CBN_SELCHANGE, [this] { SoundChanged(); });
    On(Test, platform::BN_CLICKED, [this] { CmTest(); });
}

QStringList AlarmSetupDlg::SoundFiles(const QString& dataFolder)
{
    QStringList sounds;
    if (dataFolder.isEmpty())
        return sounds;
    const QStringList names = QDir(dataFolder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        // The record keeps the name in the file's code page, zero-terminated: a name it cannot hold
        // whole would name another file.
        const QByteArray stored = platform::ToCp1252(name);
        if (name.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive) && stored.size() < kAlarmSoundNameSize &&
            platform::FromCp1252(stored) == name)
            sounds << name;
    }
    return sounds;
}

void AlarmSetupDlg::SetupWindow()
{
    Show(MailCheck, MailsAlarms(view_.profile));
    if (view_.ratesPerHour)
        SetText(UnitLabel, QStringLiteral("M/HR"));
    // Without a gas monitor its limits are shown as stored and kept.
    for (int id : {HighGas, LowGas, LowGasMinutes})
        Enable(id, view_.gasMonitor);

    const QString stored = platform::FieldString(edited_.soundFile);
    const QStringList sounds = SoundFiles(view_.dataFolder);
    int selected = sounds.isEmpty() ? -1 : 0;
    for (int i = 0; i < sounds.size(); ++i) {
        AddString(Sounds, sounds[i]);
        if (selected == 0 && sounds[i].compare(stored, Qt::CaseInsensitive) == 0)
            selected = i;
    }
    SetSelIndex(Sounds, selected);

    SetUpDownRange(BreakSpin, 0, SpinTop(BreakSpin));
    SetUpDownPos(BreakSpin, int(float(edited_.breakMinutes) * 10));
    SetUpDownRange(BreakCountSpin, 0, SpinTop(BreakCountSpin));
    SetUpDownPos(BreakCountSpin, edited_.breakCount);
    SetUpDownRange(LongUnitSpin, 0, SpinTop(LongUnitSpin));
    SetUpDownPos(LongUnitSpin, int(float(edited_.longUnitMinutes) * 10));

    edited_.breakRun = 0;
    const AlarmForm form = SettingsToForm(edited_, lagAlarmInterval_, view_);
    for (const auto& [id, text] : form.edits)
        SetText(id, text);
    SetCheck(Pm, form.pm ? platform::BST_CHECKED : platform::BST_UNCHECKED);
    SetCheck(MailCheck, form.notify ? platform::BST_CHECKED : platform::BST_UNCHECKED);
    SetFocusTo(BreakMinutes);
}

void AlarmSetupDlg::Spin(int spinId, int editId)
{
    SetText(editId, SpinText(spinId, GetUpDownPos(spinId) + UpDownDelta()));
}

void AlarmSetupDlg::SoundChanged()
{
    platform::SetFieldText(edited_.soundFile, platform::ToCp1252(GetString(Sounds, GetSelIndex(Sounds))).toStdString());
}

void AlarmSetupDlg::CmTest()
{
    const int index = GetSelIndex(Sounds);
    if (index < 0)
        return;
    if (platform::Sounder* sounder = platform::services().sounder)
        sounder->PlaySound(view_.dataFolder + GetString(Sounds, index));
}

bool AlarmSetupDlg::CanClose()
{
    AlarmForm form;
    for (int id : {BreakMinutes, BreakCount, Depth, Hour, Minute, LongUnit, HighGas, LowGas, LowGasMinutes,
                   WitsPercent, WitsPercentMinutes, FlowMinimum, FlowMaximum, FlowMinutes, PitMinimum, PitMaximum,
                   PitMinutes, CasingLimit, CasingMinutes, LagInterval})
        form.edits[id] = GetText(id);
    form.pm = GetCheck(Pm) == platform::BST_CHECKED;
    form.notify = GetCheck(MailCheck) == platform::BST_CHECKED;
    AlarmSettings taken = edited_;
    std::int32_t interval = lagAlarmInterval_;
    const QString refused = FormToSettings(form, view_, taken, interval);
    if (!refused.isEmpty()) {
        platform::MessageBox(refused, QStringLiteral("ERROR"), platform::MB_OK | platform::MB_ICONERROR);
        return false;
    }
    SoundChanged();
    std::memcpy(taken.soundFile, edited_.soundFile, sizeof taken.soundFile);
    settings_ = taken;
    lagAlarmInterval_ = interval;
    return true;
}

// ---- the drilling services' side ----------------------------------------------------------------------

void InstallAlarmWindows(DrillingCommands& commands, QWidget* window)
{
    QPointer<QWidget> parent(window);
    commands.makeAlarmWindow = [parent](LogAlarm& alarms, const QString& firstText) -> AlarmStatusWindow* {
        return ShowAlarmDisplay(parent, alarms, firstText);
    };
    commands.runAlarmDialog = [parent](const AlarmSetupView& view, AlarmSettings& settings, std::int32_t& interval) {
        AlarmSetupDlg dlg(parent, view, settings, interval);
        return dlg.Execute() == platform::IDOK;
    };
}

}  // namespace drilling
