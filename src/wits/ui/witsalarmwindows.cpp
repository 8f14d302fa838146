#include "wits/ui/witsalarmwindows.h"

#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"

#include <QPointer>

#include <climits>
#include <cstdlib>
#include <utility>

namespace wits {

namespace {

constexpr int kEditChars = 10;

void ReportNotSaved()
{
    platform::MessageBox(QStringLiteral("\"wits.alm\" could not be saved: the alarm limits are not set."),
                         QStringLiteral("File Error"), platform::MB_OK | platform::MB_ICONERROR);
}

}  // namespace

// ---- the pop-up ---------------------------------------------------------------------------------------

WitsAlarmDisplay::WitsAlarmDisplay(QWidget* owner, WitsAlarms* table, int channel, const QString& text)
    : AlarmStatusDialog(owner, true), table_(table), channel_(channel), text_(text.left(259))
{
    On(102, platform::BN_CLICKED, [this] { hide(); });
    On(127, platform::BN_CLICKED, [this] { Disable(); });
}

WitsAlarmDisplay::~WitsAlarmDisplay()
{
    if (WitsAlarms* table = std::exchange(table_, nullptr))
        table->PopupGone(this);
}

void WitsAlarmDisplay::SetupWindow() { SetText(105, text_); }

bool WitsAlarmDisplay::IsShown() const { return isVisible(); }

void WitsAlarmDisplay::ShowAgain() { show(); }

void WitsAlarmDisplay::SetAlarmText(const QString& text, int channel)
{
    if (isVisible())
        SetText(105, text);
    channel_ = channel;
}

void WitsAlarmDisplay::TableGone()
{
    table_ = nullptr;
    hide();
    // Later, not now: the table may go while one of this window's own handlers runs.
    deleteLater();
}

void WitsAlarmDisplay::Disable()
{
    if (!table_)
        return;
    // The reset may reload the table or, with it, close this window: nothing of either is used after it.
    if (table_->Reset(channel_) == 0)
        ReportNotSaved();
}

WitsAlarmDisplay* ShowWitsAlarmDisplay(QWidget* owner, WitsAlarms& table, int channel, const QString& text)
{
    auto* popup = new WitsAlarmDisplay(owner, &table, channel, text);
    popup->Create();
    return popup;
}

// ---- the limits dialog --------------------------------------------------------------------------------

WitsAlarmsDlg::WitsAlarmsDlg(QWidget* parent, WitsAlarmHost host)
    : Dialog(parent, QStringLiteral("Wits Alarms")), host_(std::move(host))
{
    AddStatic(platform::IDC_STATIC, QStringLiteral("Wits Alarm Items"));
    NewRow();
    AddCombo(101);
    NewRow();
    BeginGrid(2);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Low Value"));
    AddEdit(102, kEditChars);
    AddStatic(platform::IDC_STATIC, QStringLiteral("High value"));
    AddEdit(103, kEditChars);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Time (optional)"));
    AddEdit(104, kEditChars);
    EndGrid();
    NewRow();
    AddCheck(106, QStringLiteral("Notify By Email"));
    NewRow();
    AddButton(105, QStringLiteral("SAVE"));
    AddStretch();
    AddButton(platform::IDOK, QStringLiteral("Done"), true);
    On(101, platform::CBN_SELCHANGE, [this] { SelectionChanged(); });
    On(105, platform::BN_CLICKED, [this] { SaveEntry(); });
}

int WitsAlarmsDlg::Profile() const { return host_.profile ? host_.profile() : 0; }

QString WitsAlarmsDlg::DataFolder() const { return host_.dataFolder ? host_.dataFolder() : QString(); }

void WitsAlarmsDlg::SetupWindow()
{
    if (Profile() != 12)
        Show(106, false);
    for (const char* label : kWitsAlarmLabels)
        AddString(101, QString::fromLatin1(label));
    SetSelIndex(101, selection_);
    if (!LoadWitsAlarmFile(DataFolder(), block_))
        return;  // no limits yet: the edits stay empty
    ShowEntry("%.0f ");
}

void WitsAlarmsDlg::ShowEntry(const char* format)
{
    const WitsAlarmEntry& e = block_[std::size_t(selection_)];
    SetText(102, QString::fromStdString(platform::CFormat(format, double(e.Low))));
    SetText(103, QString::fromStdString(platform::CFormat(format, double(e.High))));
    SetText(104, QString::fromStdString(platform::CFormat(format, double(e.Delay))));
    SetCheck(106, e.Notify != 0 ? platform::BST_CHECKED : platform::BST_UNCHECKED);
}

void WitsAlarmsDlg::SelectionChanged()
{
    const int index = GetSelIndex(101);
    if (index < 0 || index >= kWitsAlarmChannels)
        return;
    selection_ = index;
    ShowEntry("%.1f ");
}

void WitsAlarmsDlg::SaveEntry()
{
    const int index = GetSelIndex(101);
    if (index < 0 || index >= kWitsAlarmChannels)
        return;
    selection_ = index;
    WitsAlarmEntry& e = block_[std::size_t(selection_)];
    e.Low = platform::LeadingFloat(GetText(102));
    e.High = platform::LeadingFloat(GetText(103));
    e.Delay = float(platform::LeadingInt(GetText(104)));  // whole minutes: "2.5" is 2
    e.Enabled = (e.High > 0 || e.Low > 0) ? 1 : 0;
    e.Notify = Profile() == 12 ? GetCheck(106) : 0;
    if (!SaveWitsAlarmFile(DataFolder(), block_)) {
        ReportNotSaved();
        return;
    }
    if (host_.reloadEngineTable)
        host_.reloadEngineTable();
}

}  // namespace wits
