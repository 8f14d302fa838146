#pragma once
// Wits: the engine of the standard WITS link, one object while the link is on. It takes every item the
// frame reader cuts out of the received text (DispatchItem): the value goes into the current sample,
// the drilling object's live record and the alarm table, and some items act on drilling: the hole depth
// marks new depth steps, the bit depth half steps, the pump rates set the stroke threads' intervals,
// item 0139 the lag depth; the gas items feed the gas monitor or the engine's own gas values, which the
// booking puts into the depth records at the lag depth.
//
// Everything runs on the GUI thread. What the engine works on is handed to it in a WitsHost; its own
// state is kept in value groups (wits/witsstate.h) that the calls below hand out.
#include "wellfile/witsrecord.h"
#include "wits/framereader.h"
#include "wits/itemtable.h"
#include "wits/linkcommon.h"
#include "wits/samplebuffer.h"
#include "wits/witsalarms.h"
#include "wits/witsdisplay.h"
#include "wits/witshost.h"
#include "wits/witsstate.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QTcpSocket;

namespace gasmon {
class GasDisplay;
}
namespace drilling {
class Driller;
}

namespace wits {

class WitsServer;
struct GasSetupValues;

constexpr float kSlotFraction = 0.2f;  // the float after the five sub-step slots
constexpr int kBlockSize = 5;          // closed samples per write of the daily file
constexpr int kByteCountWrap = 50000;  // the byte counts start again at 0 above this

class Wits final : public FrameSink {
public:
    // `host` belongs to the caller and outlives the engine; `alarmHost` serves the engine's alarm table.
    // Every pump stands and no stroke is waiting; the gas tables are empty, the window's total-gas
    // maximum reads -1 (no WITS value yet) and the first share is 1.
    Wits(WitsHost& host, WitsAlarmHost alarmHost);
    ~Wits() override;
    Wits(const Wits&) = delete;
    Wits& operator=(const Wits&) = delete;

    // Applies one item: the four-digit code text, the value text and the reader's 1984 mark.
    void DispatchItem(std::string_view code, std::string_view value, bool marked);
    // The share of each component in the sum of the components (after each frame).
    void ComputeGasShares();
    // The lag depth moved (the drilling object's hand-over): `digit`, its tenths digit, becomes the
    // half-unit mark; the gas values become the first-half values while the digit is below 5, else the
    // second-half values; `newWholeUnits` new whole depths book a step each (StoreDepthStep), the
    // units passed on the way to the lag depth with the same gas as it, and empty both halves. The
    // new-step flag is set, or cleared with `companionDepth`.
    void TakeLagDepth(float lagDepth, int digit, int newWholeUnits, bool companionDepth);
    // Books the gas of the step into the depth record of `lagDepth`: the total-gas and CO2 maxima, the
    // components by half step (or as shares of the total gas with ratios on). The ten records around it
    // are written back in one write, the records in memory brought up to date, the row drawn and one gas
    // record appended to the gas file. A depth that moved back, lies in the file's first 20 units or past
    // the records read, or a record that holds a total gas already, books nothing. Every attempt clears
    // the maxima and sets the new-step flag. True when the step was booked.
    bool StoreDepthStep(float lagDepth);
    // The MWD values by sub-step into the record of `mwdDepth`: slots A at bytes 212 to 235, slots B at
    // 284 to 307. A depth outside the file writes nothing. False when nothing was written.
    bool WriteMwdSlots(std::int32_t mwdDepth);

    // The link stops: the bookings waiting are written now as far as they can be; those that still
    // cannot be are said in one box with their depths, values, files and reasons, then let go (nothing
    // keeps them after the link).
    void WriteBookingsBeforeStop();

    // ---- The link ----
    // Text is waiting (WM_USER+3): reads at most the maximum characters, counts them, hands them to the
    // reader (items to DispatchItem, each frame end to FinishFrame), refreshes the data window and lets
    // the next tick send.
    void ReadInput(std::uintptr_t wParam, std::intptr_t lParam);
    // What follows the items of one frame: the live gas, shares, component sum, the gas window's lines,
    // the MWD slots, the drilling status from the sample's depths and the pumps switched on when asked.
    // The sample stays open for the slot's later frames.
    void FinishFrame();
    // Closes the open sample (SampleBuffer): its stamps, percent, rate and lag depth; every fifth closed
    // sample the block goes to the daily file (and to the monitoring station).
    void CloseSample();
    // The link stops: the open sample is closed and the unfinished block written.
    void FlushSamples();
    // Closed samples not yet written, and the sample closed last.
    int SamplesWaiting() const { return samples_.Waiting(); }
    const wellfile::WITSRECORD& LastClosed() const { return samples_.LastClosed(); }
    // The text that follows comes from a new sender (a reopened port): an unended item is dropped.
    void NewSender() { reader_.Reset(); }
    // Timer 4: takes a chromatograph's result files in file-input mode, then sends the outgoing frame
    // on the serial link, runs one exchange of the TCP client, or parses what the TCP server received.
    // After a send the ticks wait for the reply, but never longer than the reply time-out: a silent
    // rig then counts a frame without a good one, so its percentage falls and its alarm can fire.
    void EvTimer();
    // The WITS percentage of the counted ticks: the live record, the "WITS PERCENT" alarm, the drilling
    // alarm's WITS-low flag and data window line 7. Nothing before the first counted tick.
    void KeepWitsPercent();
    // One more counted tick, in windows of 50: the 50th starts the counts again at 1 and 0.
    void CountFrame();
    // The frame to send: the idle frame, or the lag depth and total gas (and for one profile the bit
    // depth and the components); also to the traffic log when that is on.
    std::string BuildOutputFrame();
    // File-input mode: the result file's total gas, then the chromatograph file.
    void ReadTgaResultFile();
    // The chromatograph file's components; a new value is logged in the lag log.
    void ReadChromatographFile();
    // Appends the total gas, `text`, the time and the lag depth to the well's "-sri.txt".
    void AppendLagLog(std::string_view text);
    // The remote transfer file: the block with single gaps filled; false when it could not be written.
    bool WriteRemoteBlock(const wellfile::WITSRECORD* block, int count);
    // A closed block: the daily file, then the remote transfer file and its copy.
    void WriteBlock(const wellfile::WITSRECORD* block, int count);
    // Deletes every "*.wit" in "remote" below the well's folder.
    void CleanRemoteWitsFiles();
    // The read buffer for `maxChars` characters (made again when the maximum changes).
    void SetMaxChars(int maxChars);

    // ---- What drilling mode and the gas monitor hand over ----
    // A sample brought data since the last depth step took it (the step's slide marking reads it).
    bool NewData() const { return newData_; }
    void ClearNewData() { newData_ = false; }
    // The gas monitor's saved set-up: the values given replace the link's.
    void TakeGasSetup(const GasSetupValues& values);
    // The gas monitor's live value of component `index` (1 = C1 .. 7 = nC5), sent by the output frame.
    void SetLiveGas(int index, float value)
    {
        if (index >= 1 && index <= kComponentCount)
            gas_.componentsToSend[std::size_t(index - 1)] = value;
    }

    // ---- The link over TCP (wits_tcp.cpp), all on the GUI thread ----
    // Connects the client socket to the WITS server; 1 when connected, else 0 after the message.
    int ConnectTcpClient();
    // Connects the second client, to the lithology receiver (nothing is ever sent on it); 1 when
    // connected, else 0; both shown in a message.
    int ConnectLithClient();
    // Closes both client sockets. Returns 1.
    int CloseTcpClient();
    // Sends `text` on the client socket: the bytes taken, -1 on a failure, 0 without a client socket.
    std::int64_t SendTcp(std::string_view text);
    // One client exchange per tick: the frame (or the start token) is sent and the percentage kept;
    // the reply is parsed whenever it comes, so a server that never answers stops nothing.
    void PollTcpClient();
    // Listens for one client at the server port (the settings store's "Wits/ServerAddress", any IPv4
    // address when it is empty); 1 when listening, else 0.
    int StartWitsServer();
    // Closes the server's client and its listening socket. Returns 1.
    int StopWitsServer();
    bool TcpClientOpen() const { return tcpClient_ != nullptr; }
    bool LithClientOpen() const { return lithClient_ != nullptr; }
    // 0 or 1 while serving; 0 otherwise.
    int ServerClientCount() const;
    WitsServer* Server() const { return server_.get(); }

    // The sample the items arriving now fill (one per 6-second slot).
    wellfile::WITSRECORD& Sample();
    WitsAlarms& Alarms() { return *alarms_; }
    // Loads the alarm table anew in place (after the limits changed): its pop-up stays valid.
    void NewAlarms();

    // ---- The link's handle, read buffer and windows (the commands open and close them) ----
    std::uint32_t Handle() const { return handle_; }
    void SetHandle(std::uint32_t handle) { handle_ = handle; }
    int MaxChars() const { return maxChars_; }
    WitsDisplay* DataWindow() const { return dataWindow_.get(); }
    void SetDataWindow(std::unique_ptr<WitsDisplay> window) { dataWindow_ = std::move(window); }
    gasmon::GasDisplay* GasWindow() const { return gasWindow_.get(); }
    void SetGasWindow(std::unique_ptr<gasmon::GasDisplay> window);
    // The open windows' places become the connection's window positions.
    void KeepWindowPlaces();
    // The data window's texts.
    const DisplayLines& Lines() const { return lines_; }
    void SetLines(const DisplayLines& lines) { lines_ = lines; }
    // The link goes off: its gas values and shares are cleared (the first share 1) and the gas scale
    // factors are 1 again.
    void ClearGas();

    // ---- The state, by groups (tests set up a case with the setters) ----
    const WitsConnection& Connection() const { return connection_; }
    void SetConnection(const WitsConnection& c) { connection_ = c; }
    const WitsFrames& Frames() const { return frames_; }
    void SetFrames(const WitsFrames& f) { frames_ = f; }
    const WitsDepth& Depth() const { return depth_; }
    void SetDepth(const WitsDepth& d) { depth_ = d; }
    const WitsGasSettings& GasSettings() const { return gasSettings_; }
    void SetGasSettings(const WitsGasSettings& g) { gasSettings_ = g; }
    const WitsGas& Gas() const { return gas_; }
    void SetGas(const WitsGas& g) { gas_ = g; }
    const WitsHold& Hold() const { return hold_; }
    void SetHold(const WitsHold& h) { hold_ = h; }
    const WitsMwd& Mwd() const { return mwd_; }
    void SetMwd(const WitsMwd& m) { mwd_ = m; }

private:
    void Item(const WitsItem& item) override;
    void FrameEnd() override;
    void FinishSample(wellfile::WITSRECORD& s);

    WitsHost& host;
    WitsConnection connection_;
    WitsFrames frames_;
    WitsDepth depth_;
    WitsGasSettings gasSettings_;
    WitsGas gas_;
    WitsHold hold_;
    WitsMwd mwd_;
    std::uint32_t handle_ = 0;  // the serial link, 0 while closed
    int maxChars_ = 500;
    std::unique_ptr<WitsDisplay> dataWindow_;
    std::unique_ptr<gasmon::GasDisplay> gasWindow_;
    DisplayLines lines_;

    FrameReader reader_{*this};
    bool newData_ = false;
    std::vector<char> input_;
    SampleBuffer samples_{kBlockSize};
    ReplyWait reply_;
    bool itemsSinceFrameEnd_ = false;  // an empty frame ("!!" and nothing before it) closes nothing
    std::int64_t lastTextMs_ = -1;     // steady clock of the last text read

    // Feeds text read from the link to the reader; `allTaken`: nothing more is waiting, so a peer
    // that never ends its frames has its frame closed here. `arrivedNow`: the text came just now, so
    // the time since the last text is a silence of the peer (not so for text the server kept).
    void ParseText(std::string_view text, bool allTaken, bool arrivedNow = true);
    void SendSerialFrame(std::int64_t now);
    void TcpReplyArrived();
    void ServeTick();
    void SetLine(int line, std::string text);

    // Stage 1: the effects of the rows beyond storing, the shared ones and this link's own.
    void ApplyEffect(const ItemRow& row, double value, const ItemTargets& targets);
    void MarkHalfStep(float bitDepth);
    void TrackDepth(float holeDepth);
    void SetPumpRate(int pump, double rate);
    void SetLagDepth(double value);
    void SetMwdValue(bool slotsA, double value);

    // Stage 2: the gas items.
    void FeedGasMonitor(int item, float value, bool marked);
    void TakeLinkGas(int item, std::string_view text, bool marked);
    float HoldTotalGas(float value);
    void SetTotalGasMaximum(float totalGas, bool always);
    void EndBookingAttempt();
    // At a booking: the gas that came since the last is kept as its sample, else that sample is taken.
    void KeepOrTakeLastSample();
    // The bookings waiting go in as far as they can: each record once the data file holds its depth and
    // takes the write, each gas file line in the order booked (its failure said once a spell).
    void WriteWaitingBookings();
    enum class Written { Done, Later, Dropped };
    Written WriteBookedRecord(const WaitingBooking& booking);

    std::unique_ptr<WitsAlarms> alarms_;

    QTcpSocket* tcpClient_ = nullptr;
    QTcpSocket* lithClient_ = nullptr;
    std::unique_ptr<WitsServer> server_;
};

}  // namespace wits
