#pragma once
// The WITS alarm table: low and high limits, an optional time and an e-mail flag for each drilling
// value that arrives over the WITS links. The feeders (the WITS item dispatcher, the WITS timer tick,
// the custom link and the drilling object's pump code) hand each value to Feed, which keeps how long it
// has been out of range and raises the alarm when that lasts longer than the entry's time: a sound and
// the alarm pop-up, or for two logging companies the external mailer.
//
// The limits live in "wits.alm" of the data folder, shared by every well there: the 50 entries below as
// raw bytes, in channel order, 8,000 bytes, no header. Several tables exist side by side (the WITS
// engine's, the custom link's, the drilling object's), each loaded when it is made; the file is the only
// link between them.
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace wits {

#pragma pack(push, 1)
// One channel's alarm, the same in memory and in the file. Little-endian.
struct WitsAlarmEntry {
    float Value;       // last value fed
    float Low;         // low limit; a limit exists only when above 0
    float High;        // high limit; likewise
    float Delay;       // minutes out of range before the alarm, and between repeats; 0: fire once, then clear
    float MinutesOut;  // minutes the value has been out of range
    float Since;       // steady-clock ms at which the spell began or the last alarm was raised; 0 in range
    std::uint8_t reserved1[8];
    std::uint8_t Enabled;  // 1 when a limit above 0 is set; feeders skip an entry that is 0 here
    std::int32_t Notify;   // non-zero: mailed instead of sounded (two logging companies only)
    std::uint8_t reserved2[123];
};
#pragma pack(pop)
static_assert(sizeof(WitsAlarmEntry) == 160);
static_assert(offsetof(WitsAlarmEntry, Value) == 0);
static_assert(offsetof(WitsAlarmEntry, Low) == 4);
static_assert(offsetof(WitsAlarmEntry, High) == 8);
static_assert(offsetof(WitsAlarmEntry, Delay) == 12);
static_assert(offsetof(WitsAlarmEntry, MinutesOut) == 16);
static_assert(offsetof(WitsAlarmEntry, Since) == 20);
static_assert(offsetof(WitsAlarmEntry, Enabled) == 32);
static_assert(offsetof(WitsAlarmEntry, Notify) == 33);

constexpr int kWitsAlarmChannels = 50;  // room in the file
constexpr int kWitsAlarmNamed = 31;     // channels with a name and a label
using WitsAlarmBlock = std::array<WitsAlarmEntry, kWitsAlarmChannels>;
static_assert(sizeof(WitsAlarmBlock) == 8000);

// Channels whose feeders or messages differ from the rest.
constexpr int kWitsPercentChannel = 0;
constexpr int kHoleDepthChannel = 2;
constexpr int kBitDepthChannel = 3;
constexpr int kFlowChannel = 5;
constexpr int kSpm1Channel = 21;

// The table's names (the head of the default alarm message, blanks kept) and the limits dialog's labels
// of the 31 named channels.
extern const std::array<const char*, kWitsAlarmNamed> kWitsAlarmNames;
extern const std::array<const char*, kWitsAlarmNamed> kWitsAlarmLabels;

// The alarm file of a data folder (found without regard to letter case).
QString WitsAlarmFile(const QString& dataFolder);
// The sound every WITS alarm plays: the data folder's "Wits Alarm.wav".
QString WitsAlarmSound(const QString& dataFolder);

// Fills `block` from the data folder's "wits.alm": zeros first, then at most 8,000 bytes of the file.
// True when the file was read; false when it is missing or empty (the block is then all zero).
bool LoadWitsAlarmFile(const QString& dataFolder, WitsAlarmBlock& block);
// Replaces the file with the block, whole or not at all; false when it could not be written.
bool SaveWitsAlarmFile(const QString& dataFolder, const WitsAlarmBlock& block);

class WitsAlarms;

// The alarm pop-up as the table sees it; the window layer implements it. The pop-up belongs to its
// parent window: the table only keeps a pointer, which each side clears when the other goes away.
class AlarmPopup {
public:
    virtual bool IsShown() const = 0;
    virtual void ShowAgain() = 0;
    // Shows `text` when the pop-up is visible; `channel` becomes the one its "Disable" resets.
    virtual void SetAlarmText(const QString& text, int channel) = 0;
    // The table is going away: the pop-up must never call it again, and closes.
    virtual void TableGone() = 0;

protected:
    ~AlarmPopup() = default;
};

// What a table needs of its owner. Every member may be empty.
struct WitsAlarmHost {
    std::function<QString()> dataFolder;  // ends with '/'
    std::function<int()> profile;         // the logging-company profile
    // Makes and shows the pop-up for the first alarm that shows one.
    std::function<AlarmPopup*(WitsAlarms& table, int channel, const QString& text)> makePopup;
    // Has the WITS engine reload its own table from the file, when the engine exists.
    std::function<void()> reloadEngineTable;
    // Gives the depth box on the game port back to the main window after an alarm.
    std::function<void()> recaptureDepthBox;
};

// How a feeder tests a value against the limits: strictly beyond them, or a value equal to a limit
// counting as out of range too.
enum class WitsLimits { Strict, Inclusive };

class WitsAlarms {
public:
    // Loads the file; the readings of an earlier run (Value, MinutesOut, Since) are cleared.
    explicit WitsAlarms(WitsAlarmHost host);
    // Closes the pop-up first, so that it never acts on a table that is gone.
    ~WitsAlarms();
    WitsAlarms(const WitsAlarms&) = delete;
    WitsAlarms& operator=(const WitsAlarms&) = delete;

    // The steps every feeder takes for value `v` of `channel`: nothing at all for an entry that is not
    // enabled; else stores the value, starts or measures the out-of-range spell on the steady clock (a
    // value in range ends it) and checks the entry. The bit-depth channel's message carries the value.
    void Feed(int channel, float v, WitsLimits limits = WitsLimits::Strict);
    // Raises the alarm of `channel` when its value is strictly beyond a limit and has been out of range
    // for longer than its time. An empty `text` gives the channel's name + " OUT OF RANGE". A one-shot
    // entry (time 0) is cleared and saved after its alarm. Returns 1 (0 for a channel out of range).
    int Check(int channel, const QString& text = {});
    // Clears the channel's entry (its e-mail flag too), saves it and has the WITS engine reload its
    // table. Returns 1, or 0 when the file could not be written.
    int Reset(int channel);
    // The whole file into `block` (see LoadWitsAlarmFile); 1 when read, else 0.
    int Load(WitsAlarmBlock& block) const;
    // `block` as the whole file; 1 when written, 0 when not.
    int Save(const WitsAlarmBlock& block) const;
    // Loads the file into this very table (the WITS engine's reload after a change of limits): the
    // object, its pop-up and every reference to it stay valid.
    void Reload();

    const WitsAlarmEntry& Entry(int channel) const { return entries_.at(std::size_t(channel)); }
    WitsAlarmEntry& Entry(int channel) { return entries_.at(std::size_t(channel)); }
    const WitsAlarmBlock& Entries() const { return entries_; }
    std::string Name(int channel) const;  // empty past the named channels
    AlarmPopup* Display() const { return display_; }
    // Called by the pop-up as it goes away: the next alarm makes a new one.
    void PopupGone(const AlarmPopup* popup);

private:
    // Sounds or mails the alarm and shows the pop-up; called by Check only.
    void Raise(int channel, const QString& message);
    // Writes this table's entry of `channel` into the file, keeping the file's other entries: a table
    // older than the file never puts back limits changed since it was loaded.
    bool SaveEntry(int channel) const;
    QString DataFolder() const;

    WitsAlarmHost host_;
    std::array<std::array<char, 30>, kWitsAlarmChannels> names_{};
    WitsAlarmBlock entries_{};
    AlarmPopup* display_ = nullptr;
};

}  // namespace wits
