// What the driller tells the user when the log falls behind the rig: a data or custom-data file that
// cannot be written (on the status line at every failed step, in a box once per spell, and again when
// writing works), and a rig whose hole is deeper than the file's bottom.
#include "drilling/driller.h"

#include "drilling/logtime.h"
#include "platform/messagewindows.h"
#include "platform/services.h"

#include <algorithm>
#include <cmath>

namespace drilling {

namespace {

const QString kFileError = QStringLiteral("File Error");

QString Depths(std::int32_t first, std::int32_t last)
{
    return first == last ? QStringLiteral("Depth %1").arg(first) : QStringLiteral("Depths %1 to %2").arg(first).arg(last);
}

}  // namespace

std::int32_t Driller::UnitsWaiting() const { return stepPending ? std::max(riseUnits, std::int32_t{1}) : 0; }

void Driller::BookWaitingUnits(const LogTime& t)
{
    const int waiting = UnitsWaiting();
    const int fresh = waiting - int(booked_.size());
    if (fresh <= 0)
        return;
    // The on-bottom seconds since the unit before them ended, shared evenly.
    const std::int64_t now = platform::SteadyMs();
    const std::int64_t ms = booked_.empty() ? now - t.unitClock - std::int64_t(t.downSeconds) * 1000
                                            : now - booked_.back().endMs;
    const std::int32_t seconds = std::max(std::int32_t(ms / 1000 / fresh), std::int32_t{1});
    for (int unit = 0; unit < fresh; ++unit)
        booked_.push_back({live_, seconds, now});
}

void Driller::WriteKeptUnitsBeforeStop()
{
    while (!booked_.empty() && time_) {
        const std::size_t before = booked_.size();
        stepPending = 1;
        Update();
        if (booked_.size() >= before)
            break;
    }
    if (booked_.empty())
        return;
    const wellfile::OpenWell& well = Well();
    const auto kept = std::int32_t(booked_.size());
    booked_.clear();
    stepPending = 0;
    riseUnits = 0;
    platform::MessageBox(Depths(well.fileBottomDepth + 1, well.fileBottomDepth + kept) +
                             QStringLiteral(" drilled could not be written to ") + well.dataFileName +
                             QStringLiteral(": ") + writeReason_ +
                             QStringLiteral("\nDrilling stopped: they are not kept. The file ends at depth %1.")
                                 .arg(well.fileBottomDepth),
                         kFileError);
}

void Driller::SayWriteFailed(const QString& reason)
{
    writeReason_ = reason;
    // The step waits with the units drilled behind it; the file's bottom is where it was.
    const wellfile::OpenWell& well = Well();
    const std::int32_t first = well.fileBottomDepth + 1;
    const std::int32_t last = well.fileBottomDepth + std::max(riseUnits, std::int32_t{1});
    statusSaid_ = Depths(first, last) + QStringLiteral(" not written yet to ") + well.dataFileName +
                  QStringLiteral(": ") + reason;
    host_.Notes().SetStatusText(statusSaid_);
    if (writeFailing_)
        return;
    writeFailing_ = true;
    // The box's words, then what failed and the system's reason.
    boxes_.emplace_back(QStringLiteral("Unable to open file\n") + well.dataFileName +
                            QStringLiteral("\nThe write of the record of depth %1 failed: ").arg(first) + reason +
                            QStringLiteral("\n\nThe depths drilled are kept and written when the file can be "
                                           "written again."),
                        kFileError);
}

void Driller::SayWrittenAgain()
{
    writeFailing_ = false;
    const wellfile::OpenWell& well = Well();
    statusSaid_ = QStringLiteral("The data file ") + well.dataFileName +
                  QStringLiteral(" is written again from depth %1").arg(well.fileBottomDepth);
    host_.Notes().SetStatusText(statusSaid_);
    boxes_.emplace_back(statusSaid_ + QStringLiteral(": the depths drilled meanwhile follow."), QStringLiteral("Data File"));
}

void Driller::SayCustomWriteFailed(std::int32_t depth, const QString& reason)
{
    const wellfile::OpenWell& well = Well();
    statusSaid_ = QStringLiteral("Extended data of depth %1 not written to ").arg(depth) + well.customDataFileName +
                  QStringLiteral(": ") + reason;
    host_.Notes().SetStatusText(statusSaid_);
    customSaid_ = statusSaid_;
    if (!customFailing_)
        boxes_.emplace_back(QStringLiteral("Save Extended Data Failed\n") + well.customDataFileName + u'\n' + reason, kFileError);
    customFailing_ = true;
}

void Driller::SayFileDepthCorrected(std::int32_t from, std::int32_t to, std::int32_t rig)
{
    const QString found =
        QStringLiteral("The rig's hole depth %1 was past the data file's bottom depth %2").arg(rig).arg(from);
    QString said;
    if (to == from)
        said = found +
               QStringLiteral(" and the file depth could not be corrected: choose Options > Correct File Depth");
    else
        said = found + QStringLiteral(": the file depth was corrected to %1, ").arg(to) +
               Depths(from + 1, to).toLower() + QStringLiteral(" not logged");
    statusSaid_ = said;
    host_.Notes().SetStatusText(said);
    platform::PostMessageBox(said + u'.', QStringLiteral("File Depth"));
}

void Driller::SayCustomWrittenAgain()
{
    // Another message said since (the data file, the rig's depth) stays on the line.
    if (customFailing_ && statusSaid_ == customSaid_) {
        statusSaid_.clear();
        host_.Notes().SetStatusText(QString());
    }
    customFailing_ = false;
    customSaid_.clear();
}

void Driller::CompareRigDepth(float holeDepth)
{
    // The units that wait for the next tick are no gap; a file that cannot be written is said as such.
    if (Window().unmanned || writeFailing_ || !(holeDepth > 0))
        return;
    const wellfile::OpenWell& well = Well();
    const std::int32_t waiting = UnitsWaiting();
    const double hole = std::trunc(double(holeDepth));
    if (!(hole > double(well.fileBottomDepth) + waiting)) {
        if (rigGapSaid_) {
            rigGapSaid_ = false;
            statusSaid_.clear();
            host_.Notes().SetStatusText(QString());
        }
        return;
    }
    const QString depths = QStringLiteral("The rig's hole depth %1 is past the data file's bottom depth %2")
                               .arg(double(holeDepth), 0, 'f', 2)
                               .arg(well.fileBottomDepth);
    const QString status = depths + QStringLiteral(": choose Options > Correct File Depth");
    rigHoleSaid_ = holeDepth;
    if (status != statusSaid_) {
        statusSaid_ = status;
        host_.Notes().SetStatusText(status);
    }
    if (rigGapSaid_)
        return;
    rigGapSaid_ = true;
    platform::PostMessageBox(depths + QStringLiteral(
                                           ".\nThe units between were not logged, and each new record takes the "
                                           "rig's values at the wrong depth.\nSet the file to the rig's depth with "
                                           "Options > Correct File Depth."),
                              QStringLiteral("File Depth"));
}

}  // namespace drilling
