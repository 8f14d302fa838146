#pragma once
// Alarm entries and "wits.alm" files of the test's folder.
#include "support/files.h"
#include "support/testmain.h"
#include "wits/witsalarms.h"

namespace wits_testing {

inline wits::WitsAlarmEntry Limits(float low, float high, float delay, std::int32_t notify = 0)
{
    wits::WitsAlarmEntry e{};
    e.Low = low;
    e.High = high;
    e.Delay = delay;
    e.Enabled = (low > 0 || high > 0) ? 1 : 0;
    e.Notify = notify;
    return e;
}

inline QString AlarmFile() { return testing_support::TestDir() + "wits.alm"; }

inline void WriteAlarmFile(const wits::WitsAlarmBlock& block)
{
    testing_support::WriteBytes(AlarmFile(), block.data(), sizeof block);
}

inline QByteArray BytesOf(const wits::WitsAlarmEntry& e) { return QByteArray(reinterpret_cast<const char*>(&e), sizeof e); }
inline QByteArray BytesOf(const wits::WitsAlarmBlock& b) { return QByteArray(reinterpret_cast<const char*>(b.data()), sizeof b); }
inline QByteArray FileEntry(int channel) { return testing_support::ReadExistingBytes(AlarmFile()).mid(channel * 160, 160); }
inline bool AllZero(const QByteArray& bytes) { return bytes.count('\0') == bytes.size(); }

}  // namespace wits_testing
