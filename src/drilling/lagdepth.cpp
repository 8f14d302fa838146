// The lag depth: the walk back through the rings, its hand-over to the links, the lag alarm, the lag
// text of the status row, the correction of the lag depth and a new lag time.
#include "drilling/driller.h"

#include "drilling/logtime.h"
#include "drilling/strokes.h"
#include "platform/services.h"
#include "wellfile/datafile.h"
#include "wits/tenthsdigit.h"

#include <algorithm>

namespace drilling {

namespace {

// A correction pass that cannot end by itself (no step is ever passed) stops here.
constexpr int kMaxCorrectionPasses = 100000;
constexpr int kCorrectionSeconds = 10;   // a pass of the correction by time
constexpr float kCorrectionVolume = 0.2f;  // a pass of the correction by strokes, barrels

}  // namespace

STROKES* Driller::Strokes() const { return time_ ? time_->strokes.get() : nullptr; }

std::optional<float> Driller::LagStrokes() const
{
    if (const STROKES* strokes = Strokes())
        return strokes->lagStrokes;
    return std::nullopt;
}

std::optional<float> Driller::LagMinutes() const
{
    if (time_)
        return time_->lagTime;
    return std::nullopt;
}

void Driller::LagAtBottom()
{
    // Units kept while the file cannot be written are the bottom the returns have come up from.
    lagDepth = float(DeepestDrilled());
    keptLagDepth_ = booked_.empty() ? 0.0f : lagDepth;
    ClearStepTables();
}

void Driller::WalkLag(const std::function<bool(std::size_t slot)>& notUpYet)
{
    const bool wraps = RingsCameRound();
    int slot = LastStepSlot();
    for (int n = 0; n < kStepSlots; ++n) {
        const auto i = std::size_t(slot);
        if (!notUpYet(i)) {
            // The returns have come up from the lag depth already: rings rebuilt from the file's rates
            // (which hold no circulation time) may find a shallower step, and that leaves it.
            if (tables.depth[i] > lagDepth)
                lagDepth = tables.depth[i];
            return;
        }
        if (--slot < 0) {
            if (!wraps)
                return;
            slot = kStepSlots - 1;
        }
    }
}

void Driller::WalkKeptUnits(float lagMinutes)
{
    const std::int32_t bottom = Well().fileBottomDepth;
    const std::int64_t now = platform::SteadyMs();
    for (std::size_t k = 0; k < booked_.size(); ++k)
        if (double(now - booked_[k].endMs) >= double(lagMinutes) * 60000.0)
            keptLagDepth_ = std::max(keptLagDepth_, float(bottom + 1 + std::int32_t(k)));
    if (lagDepth < keptLagDepth_)
        lagDepth = keptLagDepth_;
    else
        keptLagDepth_ = 0;
}

std::int32_t Driller::DeepestDrilled() const { return Well().fileBottomDepth + std::int32_t(booked_.size()); }

void Driller::HandLagDepthToLinks(int digit, std::int32_t& lastHanded)
{
    const DrillingWindow w = Window();
    if (w.witsLinkOn) {
        // Every whole depth the lag depth passed since the last hand-over is a unit whose returns came up.
        const int whole = int(lagDepth);
        const int units = whole == lastHanded ? 0 : lastHanded > 0 && whole > lastHanded ? whole - lastHanded : 1;
        host_.Handover().WitsLagDepth(lagDepth, digit, units, depthFromWitsCompanion && digit > 0);
        if (units > 0)
            lastHanded = whole;
    }
    if (w.customLinkOn)
        host_.Handover().CustomLinkLagDepth(lagDepth, digit, Well().fileBottomDepth);
}

void Driller::SoundLagAlarm(bool byStrokes)
{
    std::uint8_t& armed = byStrokes ? strokesLagAlarmArmed : lagAlarmArmed;
    const int n = lagAlarmInterval;
    if (n <= 0) {
        armed = 0;
        return;
    }
    if (int(lagDepth) % n != 0) {
        armed = 1;
        return;
    }
    if (!armed)
        return;
    armed = 0;
    if (platform::Sounder* sounder = platform::services().sounder)
        sounder->PlaySound(Well().dataFolder + QStringLiteral("Lag Alarm.wav"));
}

int Driller::ShowLagStatus()
{
    const DrillingWindow w = Window();
    int x = w.gasLeftX + 28 * w.charWidth;
    if (w.gasLeftX < w.gasSplitX)
        x = (w.gasSplitX + w.gasRightX) / 2;
    if (!w.customDataInUse) {
        if (CompactStatusProfile(w.profile))
            x = w.descriptionX - 5 * w.rowHeight;
    } else if (w.profile == 17 || w.profile == 88 || w.profile == 11) {
        x = (w.gasSplitX + w.logWidth) / 2;
    } else {
        x = (w.gasLeftX + w.logWidth) / 2;
    }
    lagTextX = x;
    if (STROKES* strokes = Strokes()) {
        strokes->DrawLagLine();
        return 1;
    }
    const float lagTime = time_ ? time_->lagTime : 0.0f;
    const QString text = w.lagDepthFromWits ? QString::asprintf("Lagdepth: %5d  From Wits", int(lagDepth))
                                            : QString::asprintf("Lagdepth: %7.1f    Lagtime: %2.2f  %d", double(lagDepth),
                                                                double(lagTime), wits::TenthsDigit(lagDepth));
    Canvas().Text(x, 3 * w.rowHeight, text, TextAlign::BottomLeft, FontRole::Status, kBlack, kWhite);
    return 1;
}

void Driller::CorrectLagDepth(bool ask)
{
    const DrillingWindow w = Window();
    if ((w.lagDepthFromWits && w.witsLinkOn) || !time_)
        return;
    if (lagDepth == 0) {
        ClearStepTables();
        return;
    }
    wellfile::OpenWell& well = Well();
    const std::int32_t bottom = well.fileBottomDepth;
    std::int32_t& kept = host_.KeptCorrectLagDepth();
    std::int32_t target = kept;
    while (ask) {
        const std::optional<QString> answer = platform::services().prompter->InputBox(
            QStringLiteral("Enter Correct Lag Depth"), QStringLiteral("Lag Depth"), QString::number(target), 6);
        if (!answer)
            return;
        bool number = false;
        target = answer->trimmed().toInt(&number);
        if (!number || target < well.fileTopDepth + 20 || target > bottom)
            platform::MessageBox(QStringLiteral("Depth Out Of Range"), QStringLiteral("ERROR"));
        else if (float(target) < lagDepth)
            platform::MessageBox(QStringLiteral("New Lag Depth must be deeper than current Lag Depth"), QStringLiteral("ERROR"));
        else
            break;
    }
    if (ask)
        kept = target;

    LogTime& t = *time_;
    if (target == bottom) {
        lagDepth = float(bottom);
        ClearStepTables();
        t.ClearCirculating();
        t.lagCorrectionSeconds = 0;
        ShowLagStatus();
        return;
    }
    const auto shortOfTarget = [&] { return lagDepth < float(target) && lagDepth < float(bottom); };
    if (STROKES* strokes = Strokes()) {
        // Pumped volume beyond every step's volume to the surface brings up no further step.
        float reach = 0;
        for (std::size_t i = 0; i < std::size_t(kStepSlots); ++i)
            reach = std::max(reach, tables.clock[i] + tables.volume[i]);
        for (int pass = 0; pass < kMaxCorrectionPasses && shortOfTarget() && strokes->pumpedVolume <= reach; ++pass) {
            strokes->pumpedVolume += kCorrectionVolume;
            strokes->CheckLagAlarm(false);
        }
        return;
    }
    // Circulation time brings the returns up, until its minutes reach the lag time.
    for (int pass = 0; pass < kMaxCorrectionPasses && shortOfTarget(); ++pass) {
        if (float(t.lagCorrectionSeconds) / 60.0f >= t.lagTime)
            break;
        t.lagCorrectionSeconds += kCorrectionSeconds;
        t.UpdateLagDepth(false);
    }
    t.UpdateLagDepth(false);
}

void Driller::ChangeLagTime(float minutes)
{
    if (!time_)
        return;
    const float before = time_->lagTime;
    time_->lagTime = minutes;
    ShowLagStatus();
    wellfile::OpenWell& well = Well();
    if (std::unique_ptr<wellfile::RECORD> last = wellfile::ReadLastRecord(well, well.dataFileName)) {
        last->lagTime = minutes;
        wellfile::WriteLastRecord(*last, well.dataFileName);
    }
    if (before == 0)
        LoadLagRecords(0);
}

}  // namespace drilling
