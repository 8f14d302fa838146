#include "wits/witsalarms.h"

#include "platform/folders.h"
#include "platform/mailer.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/profile.h"
#include "wellfile/wholefile.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace wits {

const std::array<const char*, kWitsAlarmNamed> kWitsAlarmNames = {
    "WITS PERCENT", "TOTAL GAS", "HOLE DEPTH", "BIT DEPTH", "CASING PRESSURE", "FLOW", "TOTAL MUD FROM PVT",
    " GAIN OR LOSS ", "TOTAL MUD VOLUME", "TRIP TANK VOLUME", " H2S", "CO2", "CO", "---", "WOB", "RPM", "PP",
    "TORQUE", "DOWN HOLE PRESSURE", "DOWN HOLE TEMPERATURE", "MWD GAMMA", "SPM1", "SPM2", "SPM3",
    "TOTAL STROKES", "TOTAL STROKES PUMP 1", "TOTAL STROKES PUMP 2", "TOTAL STROKES PUMP 3", "HOOK LOAD",
    "BLOCK HEIGHT", "DXC"};

const std::array<const char*, kWitsAlarmNamed> kWitsAlarmLabels = {
    "Wits Percent", "Wits Total Gas", "Hole Depth", "Bit Depth", "Casing Pressure", "Flow", "Total Mud From PVT",
    "Gain or Loss", "Total Mud Volume", "Trip Tank Volume", "H2S", "CO2", "CO", "---", "WOB", "RPM", "PP",
    "Torque", "Down Hole Pressure", "Down Hole temperature", "MWD Gamma", "SPM 1", "SPM 2", "SPM 3",
    "Tot Strokes", "Tot Strokes Pump 1", "Tot Strokes Pump 2", "Tot Strokes Pump 3", "Hookload",
    "Block Height", "DXC"};

namespace {

constexpr int kMessageMax = 127;

bool ValidChannel(int channel) { return channel >= 0 && channel < kWitsAlarmChannels; }

bool BeyondLimits(const WitsAlarmEntry& e, float v, WitsLimits limits)
{
    if (limits == WitsLimits::Inclusive)
        return (e.Low > 0 && v <= e.Low) || (e.High > 0 && v >= e.High);
    return (e.Low > 0 && v < e.Low) || (e.High > 0 && v > e.High);
}

// The steady clock as the entries keep it. `Since` 0 means "in range", so a spell that starts in the
// clock's very first millisecond is stored as 1.
float ClockNow() { return float(std::max<std::int64_t>(platform::SteadyMs(), 1)); }

// Everything but the e-mail flag back to zero.
void ClearLimits(WitsAlarmEntry& e)
{
    e.Value = e.Low = e.High = e.Delay = e.MinutesOut = e.Since = 0;
    e.Enabled = 0;
}

}  // namespace

QString WitsAlarmFile(const QString& dataFolder)
{
    return platform::FindFileNoCase(dataFolder, QStringLiteral("wits.alm"));
}

QString WitsAlarmSound(const QString& dataFolder)
{
    return platform::FindFileNoCase(dataFolder, QStringLiteral("Wits Alarm.wav"));
}

bool LoadWitsAlarmFile(const QString& dataFolder, WitsAlarmBlock& block)
{
    std::memset(static_cast<void*>(block.data()), 0, sizeof block);
    const long long n = wellfile::ReadFilePrefix(WitsAlarmFile(dataFolder), block.data(), sizeof block);
    if (n <= 0) {
        std::memset(static_cast<void*>(block.data()), 0, sizeof block);
        return false;
    }
    return true;
}

bool SaveWitsAlarmFile(const QString& dataFolder, const WitsAlarmBlock& block)
{
    return wellfile::WriteWholeFile(WitsAlarmFile(dataFolder), block.data(), sizeof block);
}

WitsAlarms::WitsAlarms(WitsAlarmHost host) : host_(std::move(host))
{
    Reload();
    for (int i = 0; i < kWitsAlarmNamed; ++i)
        platform::SetFieldText(names_[std::size_t(i)].data(), names_[std::size_t(i)].size(), kWitsAlarmNames[std::size_t(i)]);
}

WitsAlarms::~WitsAlarms()
{
    if (AlarmPopup* popup = std::exchange(display_, nullptr))
        popup->TableGone();
}

QString WitsAlarms::DataFolder() const { return host_.dataFolder ? host_.dataFolder() : QString(); }

int WitsAlarms::Load(WitsAlarmBlock& block) const { return LoadWitsAlarmFile(DataFolder(), block) ? 1 : 0; }

int WitsAlarms::Save(const WitsAlarmBlock& block) const { return SaveWitsAlarmFile(DataFolder(), block) ? 1 : 0; }

void WitsAlarms::Reload()
{
    Load(entries_);
    // Readings of the steady clock are this run's: one kept from an earlier run would silence or
    // hasten an alarm.
    for (WitsAlarmEntry& e : entries_)
        e.Value = e.MinutesOut = e.Since = 0;
}

std::string WitsAlarms::Name(int channel) const
{
    if (!ValidChannel(channel))
        return {};
    const auto& name = names_[std::size_t(channel)];
    return platform::FieldText(name.data(), name.size());
}

void WitsAlarms::PopupGone(const AlarmPopup* popup)
{
    if (display_ == popup)
        display_ = nullptr;
}

void WitsAlarms::Feed(int channel, float v, WitsLimits limits)
{
    if (!ValidChannel(channel))
        return;
    WitsAlarmEntry& e = entries_[std::size_t(channel)];
    if (e.Enabled == 0)
        return;
    e.Value = v;
    if (BeyondLimits(e, v, limits)) {
        const float now = ClockNow();
        if (e.Since == 0)
            e.Since = now;
        else
            e.MinutesOut = float((double(now) - double(e.Since)) * 0.001 / 60.0);
    } else {
        // A new spell waits the whole time again.
        e.Since = 0;
        e.MinutesOut = 0;
    }
    if (channel == kBitDepthChannel)
        Check(channel, QString::fromStdString(platform::CFormat("Bit depth= %.2f ", double(v))));
    else
        Check(channel);
}

int WitsAlarms::Check(int channel, const QString& text)
{
    if (!ValidChannel(channel))
        return 0;
    WitsAlarmEntry& e = entries_[std::size_t(channel)];
    const bool oneShot = e.Delay == 0;
    if (BeyondLimits(e, e.Value, WitsLimits::Strict) && e.MinutesOut > e.Delay) {
        const std::string name = Name(channel);
        QString message = text.isEmpty() ? platform::FromCp1252(name.data(), name.size()) + QStringLiteral(" OUT OF RANGE") : text;
        message.truncate(kMessageMax);
        Raise(channel, message);
        // Repeats are measured from this alarm.
        e.Since = ClockNow();
        if (oneShot) {
            const bool stillSet = e.Enabled != 0;  // the mailer's reset may have cleared and saved it
            ClearLimits(e);
            if (stillSet)
                SaveEntry(channel);
        }
    } else if (e.Low < e.Value && e.Value < e.High) {
        e.Since = 0;
        e.MinutesOut = 0;
    }
    return 1;
}

void WitsAlarms::Raise(int channel, const QString& message)
{
    const WitsAlarmEntry& e = entries_[std::size_t(channel)];
    const int profile = host_.profile ? host_.profile() : 0;
    if (wellfile::MailAlarmProfile(profile) && e.Notify != 0) {
        const std::string name = Name(channel);
        platform::StartAlarmMailer(DataFolder(), platform::FromCp1252(name.data(), name.size()));
        if (e.Delay == 0)
            Reset(channel);
        return;
    }
    if (platform::Sounder* sounder = platform::services().sounder)
        sounder->PlaySound(WitsAlarmSound(DataFolder()));
    if (!display_) {
        if (host_.makePopup)
            display_ = host_.makePopup(*this, channel, message);
    } else if (!display_->IsShown()) {
        display_->ShowAgain();
    }
    if (display_ && !message.isEmpty())
        display_->SetAlarmText(message, channel);
    if (host_.recaptureDepthBox)
        host_.recaptureDepthBox();
}

bool WitsAlarms::SaveEntry(int channel) const
{
    WitsAlarmBlock onDisk;
    Load(onDisk);
    onDisk[std::size_t(channel)] = entries_[std::size_t(channel)];
    return Save(onDisk) != 0;
}

int WitsAlarms::Reset(int channel)
{
    if (!ValidChannel(channel))
        return 0;
    WitsAlarmEntry& e = entries_[std::size_t(channel)];
    ClearLimits(e);
    e.Notify = 0;
    const bool saved = SaveEntry(channel);
    // The engine may reload this very table: nothing of it is touched afterwards.
    if (host_.reloadEngineTable)
        host_.reloadEngineTable();
    return saved ? 1 : 0;
}

}  // namespace wits
