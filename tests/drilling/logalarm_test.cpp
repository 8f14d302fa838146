// The alarm settings file as drilling mode loads it.
#include "drilling/logalarm.h"

#include "support/files.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace drilling;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

TEST(LogAlarm, LoadTakesTheFileAsFarAsTheRecordGoes)
{
    LogAlarm alarm(TestDir());
    AlarmSettings s;
    s.alarmDepth = 77;
    EXPECT_EQ(alarm.Load(s), 0);  // missing: no midnight alarm nobody set
    EXPECT_EQ(s.alarmHour, -1);
    EXPECT_EQ(s.alarmDepth, 0);

    QByteArray bytes(100, '\0');
    const std::int32_t depth = 1230;
    std::memcpy(bytes.data() + 16, &depth, 4);
    WriteBytes(AlarmFilePath(TestDir()), bytes);
    s.lowGasUnits = 5;
    EXPECT_EQ(alarm.Load(s), 1);
    EXPECT_EQ(s.alarmDepth, 1230);
    EXPECT_EQ(s.alarmHour, 0);  // held by the file
    EXPECT_EQ(s.lowGasUnits, 0);

    QByteArray longer(3000, 'A');
    WriteBytes(AlarmFilePath(TestDir()), longer);
    EXPECT_EQ(alarm.Load(s), 1);
    EXPECT_EQ(std::strlen(s.soundFile), std::size_t(kAlarmSoundNameSize - 1));
}

}  // namespace
