// The gas of a depth step booked at the lag depth, the depth whose returns reach the surface now: the
// step's total-gas and CO2 maxima and its components by half step go into the depth record there, the
// records held in memory and the log on screen, and one gas record goes to the well's gas file.
#include "wits/wits.h"

#include "gasmon/gasfile.h"
#include "logview/logview_services.h"
#include "platform/messagewindows.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "wellfile/datafile.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>
#include <utility>

namespace wits {

namespace {

using wellfile::RECORD;

constexpr int kRecordsRead = 10;
constexpr int kLagRecordInRun = 5;     // the lag depth's record is the sixth of the ten read
constexpr int kFirstUnitsUnbooked = 20;  // the file's first units never get gas from the link
constexpr float kPpmFactor = 0.01f;    // components that arrive in ppm
constexpr int kProfilePpm = 134;
constexpr int kBookedFloats = wellfile::GAS_NINTH + 1;  // total gas, C1 to nC5 and the CO2
constexpr int kCompressedScale = 3;    // from this scale index on a row holds five records
constexpr std::size_t kMaxWaitingBookings = 10000;  // more than a day of units
constexpr int kListedBookings = 20;  // the box of bookings not written names at most these

// The record of `r`'s depth among the records held in memory gets its gas of both half steps, when it
// lies in the run of consecutive depths that starts at the first of them.
void UpdateRecordsInMemory(std::vector<RECORD>& all, const RECORD& r, int step)
{
    if (all.empty() || all[0].depth == 0 || r.depth < all[0].depth)
        return;
    std::size_t end = 1;
    while (end < all.size() && all[end].depth == all[end - 1].depth + step)
        ++end;
    const auto k = std::size_t((std::int64_t(r.depth) - all[0].depth) / step);
    if (k >= end || all[k].depth != r.depth)
        return;
    std::copy_n(r.gas, kBookedFloats, all[k].gas);
    std::copy_n(r.halfGas, kBookedFloats, all[k].halfGas);
}

}  // namespace

void Wits::TakeLagDepth(float lagDepth, int digit, int newWholeUnits, bool companionDepth)
{
    gas_.halfUnitMark = float(digit);
    std::array<float, 8>& half = digit < 5 ? gas_.firstHalf : gas_.secondHalf;
    std::copy_n(gas_.gasValues.begin(), half.size(), half.begin());
    if (newWholeUnits > 0) {
        // The units passed on the way came up in the same spell as the lag depth: each is booked.
        for (int passed = newWholeUnits - 1; passed > 0; --passed)
            StoreDepthStep(std::floor(lagDepth) - float(passed));
        StoreDepthStep(lagDepth);
        gas_.newStep = true;
        // The halves went with that step: the next one holds only what is measured for it.
        gas_.firstHalf.fill(0);
        gas_.secondHalf.fill(0);
    }
    if (companionDepth)
        gas_.newStep = false;
}

void Wits::EndBookingAttempt()
{
    app::WitsLinkState& link = host.Link();
    const int n = std::clamp(gas_.componentCount, 1, kComponentCount);
    std::fill_n(link.gasMaxima.begin(), n, 0.0f);
    gas_.co2Maximum = 0;
    link.co2Maximum = 0;
    gas_.newStep = true;
    gas_.gasSinceBooking = false;
}

void Wits::KeepOrTakeLastSample()
{
    app::WitsLinkState& link = host.Link();
    if (gas_.gasSinceBooking) {
        gas_.lastSample = BookedSample{link.gasMaxima, link.co2Maximum, gas_.firstHalf, gas_.secondHalf};
        return;
    }
    // No gas came since the last booking (the lag depth passed two units between two frames): the gas
    // in the returns is still what was last measured.
    if (!gas_.lastSample)
        return;
    link.gasMaxima = gas_.lastSample->maxima;
    link.co2Maximum = gas_.co2Maximum = gas_.lastSample->co2;
    gas_.firstHalf = gas_.lastSample->firstHalf;
    gas_.secondHalf = gas_.lastSample->secondHalf;
}

bool Wits::StoreDepthStep(float lagDepth)
{
    gas_.recordWriteFailed = false;  // a booking tries the records that wait again
    WriteWaitingBookings();
    KeepOrTakeLastSample();
    wellfile::OpenWell& well = host.Well();
    app::WitsLinkState& link = host.Link();
    const int n = std::clamp(gas_.componentCount, 0, kComponentCount);
    const int step = std::max(well.depthStep, 1);
    const float maximum = link.gasMaxima[0];
    const std::int32_t lastBooked = host.LastBookedDepth() ? *host.LastBookedDepth() : 0;

    // A lag depth that moved back (or is no number), no WITS total gas yet, or the file's first units.
    const double lag = lagDepth;
    if (!(lag >= lastBooked) || maximum < 0 || lag < double(well.fileTopDepth) + kFirstUnitsUnbooked ||
        well.dataFileName.isEmpty()) {
        EndBookingAttempt();
        return false;
    }
    // The lag depth's record stands sixth of the ten read. Where it would not (index 5 or less), the
    // record read there is another depth's: nothing is booked.
    const double lagIndex = std::trunc((lag - well.fileTopDepth) / step);
    if (!(lagIndex > kLagRecordInRun && lagIndex <= std::numeric_limits<int>::max())) {
        EndBookingAttempt();
        return false;
    }

    // With ratios on and no total gas there is nothing to share out.
    if (maximum == 0 && gasSettings_.ratiosOn) {
        gas_.gasRecord.totalGas = maximum;
        EndBookingAttempt();
        return false;
    }

    WaitingBooking b;
    b.depth = std::int32_t(std::int64_t(well.fileTopDepth) + std::int64_t(lagIndex) * step);
    b.gas[wellfile::GAS_TG] = maximum;
    b.gas[wellfile::GAS_NINTH] = link.co2Maximum;
    const float factor = gasSettings_.chromatographSwitch || host.Profile() == kProfilePpm ? kPpmFactor : 1.0f;
    const float firstHalfTotal = gas_.firstHalf[0] == 0 ? maximum : gas_.firstHalf[0];
    for (int i = 1; i <= n; ++i) {
        const auto k = std::size_t(i);
        if (gasSettings_.ratiosOn) {
            b.halfGas[k] = firstHalfTotal * gas_.gasShares[k];
            b.gas[k] = maximum * gas_.gasShares[k];
        } else {
            b.halfGas[k] = gas_.firstHalf[k] * factor;
            b.gas[k] = gas_.secondHalf[k] * factor;
        }
    }
    b.halfGas[wellfile::GAS_TG] = firstHalfTotal;
    gas_.gasRecord.totalGas = maximum;
    gas_.gasRecord.sampleTotalGas = 1.0f;
    b.line = gas_.gasRecord;
    b.line.bottomDepth = well.fileBottomDepth;
    b.line.lagDepth = platform::Whole(lag);
    b.line.errorCount = 0;

    // A record already in the file is booked only when it holds no gas from another source; one the
    // driller has not written yet (the data file could not take it) waits for it with its values.
    if (b.depth <= well.fileBottomDepth) {
        std::array<RECORD, 2 * kRecordsRead> buffer{};
        const int have = wellfile::ReadRecords(well, buffer, well.dataFileName, int(lagIndex) - kLagRecordInRun, kRecordsRead);
        const RECORD& r = buffer[kLagRecordInRun];
        if (have <= kLagRecordInRun || r.depth == 0 || (!well.allRecords.empty() && r.depth <= well.fileTopDepth + kFirstUnitsUnbooked)) {
            EndBookingAttempt();
            return false;
        }
        if (r.gas[wellfile::GAS_TG] != 0) {  // gas from another source is never overwritten
            gas_.gasRecord.totalGas = maximum;
            EndBookingAttempt();
            return false;
        }
    }
    if (gas_.waiting.size() >= kMaxWaitingBookings)
        gas_.waiting.pop_front();  // a day of units kept: the oldest goes
    gas_.waiting.push_back(b);
    if (host.LastBookedDepth())
        *host.LastBookedDepth() = b.depth;
    WriteWaitingBookings();
    const bool booked = gas_.waiting.empty() || gas_.waiting.back().depth != b.depth || gas_.waiting.back().recordDone;
    std::fill_n(gas_.gasValues.begin(), n, 0.0f);
    EndBookingAttempt();
    return booked;
}

Wits::Written Wits::WriteBookedRecord(const WaitingBooking& b)
{
    wellfile::OpenWell& well = host.Well();
    if (b.depth > well.fileBottomDepth)
        return Written::Later;
    const int step = std::max(well.depthStep, 1);
    const std::int64_t lagIndex = (std::int64_t(b.depth) - well.fileTopDepth) / step;
    if (lagIndex <= kLagRecordInRun || lagIndex > std::numeric_limits<int>::max())
        return Written::Dropped;
    const int index = int(lagIndex) - kLagRecordInRun;
    std::array<RECORD, 2 * kRecordsRead> buffer{};
    const int have = wellfile::ReadRecords(well, buffer, well.dataFileName, index, kRecordsRead);
    RECORD& r = buffer[kLagRecordInRun];
    // With the records held in memory, the file's first units are never written; gas from another
    // source is never overwritten.
    if (have <= kLagRecordInRun || r.depth != b.depth || r.gas[wellfile::GAS_TG] != 0 ||
        (!well.allRecords.empty() && r.depth <= well.fileTopDepth + kFirstUnitsUnbooked))
        return Written::Dropped;
    const int n = std::clamp(gas_.componentCount, 0, kComponentCount);
    std::copy_n(b.gas.begin(), n + 1, r.gas);
    std::copy_n(b.halfGas.begin(), n + 1, r.halfGas);
    r.gas[wellfile::GAS_NINTH] = b.gas[wellfile::GAS_NINTH];
    // The records go back in one write, before the row is drawn from the file.
    const int written =
        wellfile::SaveRecords(well, std::span<const RECORD>(buffer.data(), std::size_t(have)), well.dataFileName, index, have);
    if (written <= kLagRecordInRun) {
        gas_.recordWriteFailed = true;
        return Written::Later;
    }
    if (!host.KeepRecordsInMemory())
        UpdateRecordsInMemory(well.allRecords, r, step);
    const unsigned parts = logview::ROW_GAS | (host.CustomTracksDrawn() ? logview::ROW_CUSTOM : 0u);
    DrawBookedRow(host, float(b.depth), r.depth, parts);
    app::WitsLinkState& link = host.Link();
    link.bookingCounter = std::uint16_t(link.bookingCounter + 2);
    return Written::Done;
}

void Wits::WriteWaitingBookings()
{
    const wellfile::OpenWell& well = host.Well();
    bool recordsLater = false;
    bool linesLater = false;
    for (WaitingBooking& b : gas_.waiting) {
        // A data file whose write failed is tried again at the next booking, not at every frame.
        if (!b.recordDone && !recordsLater && !gas_.recordWriteFailed) {
            recordsLater = WriteBookedRecord(b) == Written::Later;
            b.recordDone = !recordsLater;
        }
        if (b.lineDone || linesLater)
            continue;
        // The lines go in the order they were booked: the first that cannot be written holds the rest.
        const QString path = gasmon::GasFileName(well.dataFolder, well.wellName);
        const bool existed = QFileInfo::exists(path);
        QString reason;
        b.lineDone = gasmon::AppendGasRecord(path, b.line, nullptr, &reason);
        linesLater = !b.lineDone;
        if (linesLater)
            gas_.gasFileReason = reason;
        if (linesLater && !std::exchange(gas_.gasFileFailing, true))
            platform::PostMessageBox((existed ? QStringLiteral("Gas File Open Failed\n") : QStringLiteral("Gas File Create Failed\n")) +
                                         path + u'\n' + reason +
                                         QStringLiteral("\n\nThe gas booked is kept and written when the file can be written again."),
                                     QStringLiteral("ERROR"));
        if (b.lineDone)
            gas_.gasFileFailing = false;
    }
    std::erase_if(gas_.waiting, [](const WaitingBooking& b) { return b.recordDone && b.lineDone; });
}

void Wits::WriteBookingsBeforeStop()
{
    if (gas_.waiting.empty())
        return;
    gas_.recordWriteFailed = false;
    WriteWaitingBookings();
    if (gas_.waiting.empty())
        return;
    const wellfile::OpenWell& well = host.Well();
    static constexpr std::array<const char*, kComponentCount> kNames{"C1", "C2", "C3", "iC4", "nC4", "iC5", "nC5"};
    const int n = std::clamp(gas_.componentCount, 0, kComponentCount);
    QString text = QStringLiteral("Gas Not Written\nThe gas booked at these depths could not be written before "
                                  "the link stopped, and is not kept:");
    int listed = 0;
    for (const WaitingBooking& b : gas_.waiting) {
        if (++listed > kListedBookings) {
            text += QStringLiteral("\nand %1 more").arg(gas_.waiting.size() - std::size_t(kListedBookings));
            break;
        }
        text += QStringLiteral("\n%1: total gas %2").arg(b.depth).arg(double(b.gas[0]), 0, 'f', 2);
        for (std::size_t i = 1; i <= std::size_t(n); ++i)
            text += QStringLiteral(", %1 %2").arg(QLatin1String(kNames[i - 1])).arg(double(b.gas[i]), 0, 'f', 2);
        QStringList files;
        if (!b.recordDone)
            files << (b.depth > well.fileBottomDepth ? QStringLiteral("the data file (the depth is not in it)")
                                                     : QStringLiteral("the data file"));
        if (!b.lineDone)
            files << QStringLiteral("the gas file");
        text += QStringLiteral("; not written to ") + files.join(QStringLiteral(" and "));
    }
    const auto any = [&](bool WaitingBooking::*done) {
        return std::any_of(gas_.waiting.begin(), gas_.waiting.end(), [&](const WaitingBooking& b) { return !(b.*done); });
    };
    if (any(&WaitingBooking::recordDone))
        text += QStringLiteral("\nData file: ") + well.dataFileName;
    if (any(&WaitingBooking::lineDone))
        text += QStringLiteral("\nGas file: ") + gasmon::GasFileName(well.dataFolder, well.wellName) +
                QStringLiteral(": ") + gas_.gasFileReason;
    gas_.waiting.clear();
    platform::MessageBox(text, QStringLiteral("File Error"));
}

void DrawBookedRow(const WitsHost& host, float lagDepth, std::int32_t depth, unsigned parts)
{
    const BookedRowView view = host.RowView();
    if (view.viewScale >= kCompressedScale)
        return;
    const int step = std::max(host.Well().depthStep, 1);
    const double y =
        std::trunc((double(lagDepth) - 1.0 - host.Well().viewTopDepth) / step * view.rowHeight + view.topMargin);
    if (y < view.topMargin || y >= view.logBottom)
        return;
    if (view.repaintLater || view.drawingHeld) {
        if (host.invalidate)
            host.invalidate();
        return;
    }
    host.RowBooked(depth, parts);
}

}  // namespace wits
