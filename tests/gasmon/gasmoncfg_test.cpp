// The gas monitor settings record: which files are read, what a repair keeps, where the fields land in
// the file and where the backup copy goes.
#include "app/logstate.h"
#include "gasmon/gasmoncfg.h"
#include "gasmon/gasmoncfg_window.h"
#include "platform/text.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstring>

using namespace gasmon;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

QString WellFolder()
{
    const QString folder = TestDir() + QStringLiteral("well/");
    QDir().mkpath(folder);
    return folder;
}

QString CfgFile() { return WellFolder() + QStringLiteral("gasmon.cfg"); }

GasmonCfgPlace Place(const QString& backupDrive = QStringLiteral("C:\\")) { return {WellFolder(), backupDrive}; }

using testing_support::At;

template <typename T>
void Put(QByteArray& bytes, int offset, T v)
{
    std::memcpy(bytes.data() + offset, &v, sizeof v);
}

QByteArray BytesOf(const GASMONCFG& cfg) { return QByteArray(reinterpret_cast<const char*>(&cfg), sizeof cfg); }

// A record as a calibrated instrument leaves it: every byte set, valid ports.
QByteArray CalibratedFile(std::int32_t gasPort, std::int32_t witsPort)
{
    QByteArray bytes(1668, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7 + 1);
    Put<float>(bytes, 0, 250.0f);
    Put<std::int32_t>(bytes, 28, 41);
    Put<std::int32_t>(bytes, 164, gasPort);
    Put<std::int32_t>(bytes, 172, witsPort);
    return bytes;
}

}  // namespace

TEST(GasmonCfg, ReadsOnlyFilesThatFitTheRecordAndRewritesNoneOfThem)
{
    GASMONCFG cfg;
    std::memset(&cfg, 0x5A, sizeof cfg);
    EXPECT_EQ(ReadGasmonCfg(cfg, Place()), 0) << "missing";
    EXPECT_EQ(BytesOf(cfg), QByteArray(1668, '\0'));
    EXPECT_FALSE(QFileInfo::exists(CfgFile())) << "a missing file is not made by reading";

    const QByteArray exact = CalibratedFile(3, 0);
    WriteBytes(CfgFile(), exact);
    EXPECT_EQ(ReadGasmonCfg(cfg, Place()), 1);
    EXPECT_EQ(BytesOf(cfg), exact);
    EXPECT_EQ(cfg.gasComPort, 3);
    EXPECT_EQ(cfg.witsComPort, 0);
    EXPECT_EQ(ReadBytes(CfgFile()), exact);

    const QByteArray longer = CalibratedFile(3, 0) + QByteArray(1, 'x');
    WriteBytes(CfgFile(), longer);
    std::memset(&cfg, 0x5A, sizeof cfg);
    EXPECT_EQ(ReadGasmonCfg(cfg, Place()), 0) << "1,669 bytes";
    EXPECT_EQ(BytesOf(cfg), QByteArray(1668, '\0'));
    EXPECT_EQ(ReadBytes(CfgFile()), longer) << "a longer file stays as it was";

    WriteBytes(CfgFile(), QByteArray());
    EXPECT_EQ(ReadGasmonCfg(cfg, Place()), 0) << "an empty file holds nothing to keep";
    EXPECT_EQ(ReadBytes(CfgFile()).size(), 0);

    // Spelt otherwise by a Windows station: the same file.
    QFile::remove(CfgFile());
    WriteBytes(WellFolder() + QStringLiteral("GASMON.CFG"), exact);
    EXPECT_EQ(ReadGasmonCfg(cfg, Place()), 1);
    EXPECT_EQ(BytesOf(cfg), exact);
}

TEST(GasmonCfg, BadComPortsAreRepairedAloneAndTheCalibrationKept)
{
    // A short file with no gas port: its bytes are kept, the port becomes 1, WITS port 0 stays.
    QByteArray shortFile(100, '\0');
    for (int i = 0; i < shortFile.size(); ++i)
        shortFile[i] = char(0x40 + i % 50);
    WriteBytes(CfgFile(), shortFile);
    GASMONCFG cfg;
    EXPECT_EQ(ReadGasmonCfg(cfg, Place()), 1);
    QByteArray onDisk = ReadBytes(CfgFile());
    ASSERT_EQ(onDisk.size(), 1668);
    EXPECT_EQ(onDisk.left(100), shortFile);
    EXPECT_EQ(At<std::int32_t>(onDisk, 164), 1);
    EXPECT_EQ(At<std::int32_t>(onDisk, 172), 0);
    EXPECT_EQ(onDisk.mid(100), QByteArray(1568, '\0').replace(64, 4, onDisk.mid(164, 4))) << "nothing else set";
    EXPECT_EQ(BytesOf(cfg), onDisk);

    // A bad WITS port on a calibrated record: only that field changes.
    const QByteArray calibrated = CalibratedFile(4, 17);
    WriteBytes(CfgFile(), calibrated);
    EXPECT_EQ(ReadGasmonCfg(cfg, Place()), 1);
    onDisk = ReadBytes(CfgFile());
    QByteArray expected = calibrated;
    Put<std::int32_t>(expected, 172, 2);
    EXPECT_EQ(onDisk, expected);
    EXPECT_EQ(cfg.hotWireSpan, 250.0f);
    EXPECT_EQ(cfg.elutionTime[0], 41);
    EXPECT_EQ(cfg.gasComPort, 4);

    // Both bad.
    WriteBytes(CfgFile(), CalibratedFile(10, -1));
    EXPECT_EQ(ReadGasmonCfg(cfg, Place()), 1);
    EXPECT_EQ(cfg.gasComPort, 1);
    EXPECT_EQ(cfg.witsComPort, 2);
    EXPECT_EQ(cfg.hotWireSpan, 250.0f);
}

TEST(GasmonCfg, FieldsLandAtTheirByteOffsets)
{
    GASMONCFG cfg{};
    cfg.gasComPort = 5;
    cfg.channel3Zero = 1.25f;
    cfg.channel4Zero = -2.5f;
    cfg.voltageThreshold = 3.75f;
    cfg.witsTimeout = 2500;
    cfg.gasWindowLeft = 359;
    cfg.autoIsoInterval = 731;
    cfg.surfaceLagTime = 120;
    platform::SetFieldText(cfg.integratorFile, "/data/sri/result.txt");
    ASSERT_EQ(WriteGasmonCfg(cfg, Place()), 1);

    const QByteArray b = ReadBytes(CfgFile());
    ASSERT_EQ(b.size(), 1668);
    EXPECT_EQ(At<float>(b, 310), 1.25f);
    EXPECT_EQ(At<float>(b, 314), -2.5f);
    EXPECT_EQ(At<float>(b, 329), 3.75f);
    EXPECT_EQ(At<std::int32_t>(b, 338), 2500);
    EXPECT_EQ(At<std::int32_t>(b, 359), 359);
    EXPECT_EQ(At<std::int32_t>(b, 731), 731);
    EXPECT_EQ(At<std::int32_t>(b, 736), 120);
    EXPECT_EQ(b.mid(384, 21), QByteArray("/data/sri/result.txt", 21));
}

TEST(GasmonCfg, WritesOverAReadOnlyFileAndReportsAFailedWrite)
{
    WriteBytes(CfgFile(), CalibratedFile(3, 0));
    QFile::setPermissions(CfgFile(), QFile::ReadOwner | QFile::ReadGroup);
    GASMONCFG cfg{};
    cfg.gasComPort = 7;
    EXPECT_EQ(WriteGasmonCfg(cfg, Place()), 1);
    EXPECT_EQ(ReadBytes(CfgFile()), BytesOf(cfg));
    EXPECT_TRUE(QFileInfo(CfgFile()).permissions() & QFile::WriteOwner) << "attributes made normal";

    // The file's place is taken by a folder: the write fails and says so; no backup is made of it.
    const QString backup = TestDir() + QStringLiteral("usb/");
    QDir().mkpath(backup);
    QFile::remove(CfgFile());
    QDir().mkpath(CfgFile());
    EXPECT_EQ(WriteGasmonCfg(cfg, Place(backup)), 0);
    EXPECT_FALSE(QFileInfo::exists(backup + QStringLiteral("gasmon.cfg")));
}

TEST(GasmonCfg, TheBackupDriveGetsTheWrittenRecordWheneverItDiffers)
{
    const QString usb = TestDir() + QStringLiteral("usb/");
    QDir().mkpath(usb);
    const QString copy = usb + QStringLiteral("gasmon.cfg");
    GASMONCFG cfg{};
    cfg.gasComPort = 2;
    ASSERT_EQ(WriteGasmonCfg(cfg, Place(usb)), 1);
    EXPECT_EQ(ReadBytes(copy), BytesOf(cfg)) << "missing backup made";

    // A backup of the same size but other content, and a larger one, are both replaced.
    cfg.hotWireSpan = 150.0f;
    ASSERT_EQ(WriteGasmonCfg(cfg, Place(usb)), 1);
    EXPECT_EQ(ReadBytes(copy), BytesOf(cfg)) << "same size, other content";
    WriteBytes(copy, QByteArray(4000, 'z'));
    ASSERT_EQ(WriteGasmonCfg(cfg, Place(usb)), 1);
    EXPECT_EQ(ReadBytes(copy), BytesOf(cfg)) << "larger";
}

TEST(GasmonCfg, TheWindowKeepsTheRecordInTheOpenWellsFolder)
{
    app::LogState log;
    log.well.file.currentFolder = WellFolder();
    log.well.file.dataFolder = TestDir() + QStringLiteral("data/");
    QDir().mkpath(log.well.file.dataFolder);
    platform::SetFieldText(log.well.config.backupDrive, "C:\\");

    GASMONCFG cfg{};
    cfg.gasComPort = 9;
    cfg.witsComPort = 9;
    cfg.hotWireSpan = 175.0f;
    ASSERT_EQ(gasmon::WriteGasmonCfg(log, cfg), 1);
    EXPECT_EQ(ReadBytes(CfgFile()), BytesOf(cfg));
    EXPECT_TRUE(QDir(log.well.file.dataFolder).isEmpty()) << "\"C:\\\" is no backup drive";

    GASMONCFG back;
    EXPECT_EQ(gasmon::ReadGasmonCfg(log, back), 1);
    EXPECT_EQ(BytesOf(back), BytesOf(cfg));
}

TEST(GasmonCfg, FirstSetupDefaultsAndTheNewWellReset)
{
    GASMONCFG cfg;
    std::memset(&cfg, 0, sizeof cfg);
    cfg.witsComPort = 6;
    cfg.block232[0] = 11;
    cfg.block232[7] = 12;
    cfg.block264[1] = 13;
    ApplyFirstSetupDefaults(cfg, 0);
    const QByteArray b = BytesOf(cfg);
    EXPECT_EQ(cfg.gasComPort, 1);
    EXPECT_EQ(cfg.witsComPort, 6) << "kept as read";
    EXPECT_EQ(cfg.hotWireSpan, 200.0f);
    EXPECT_EQ(cfg.readingsPerCycle, 4);
    for (int offset = 28; offset <= 52; offset += 4)
        EXPECT_EQ(At<std::int32_t>(b, offset), 1) << offset;
    EXPECT_EQ(cfg.block232[0], 11) << "element 0 is not among those cleared";
    EXPECT_EQ(cfg.block232[7], 0);
    EXPECT_EQ(cfg.block264[1], 0);
    EXPECT_EQ(b.mid(176, 8), QByteArray("\xC0\x00\xA8\x00\x01\x00\xDE\x00", 8));
    ApplyFirstSetupDefaults(cfg, 7);
    EXPECT_EQ(cfg.chromatSpan, 0.1f);
    ApplyFirstSetupDefaults(cfg, 4);
    EXPECT_EQ(cfg.readingsPerCycle, 5);

    for (int i = 0; i < 7; ++i)
        cfg.ratios[i] = 3.5f;
    cfg.ratioSlot0 = 9.0f;
    cfg.drift[0] = 4.0f;
    ResetRatios(cfg);
    const QByteArray reset = BytesOf(cfg);
    EXPECT_EQ(At<float>(reset, 56), 1.0f);
    EXPECT_EQ(reset.mid(60, 28), QByteArray(28, '\0'));
    EXPECT_EQ(cfg.drift[0], 4.0f);
}
