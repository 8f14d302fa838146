// The integrator modes: the daily name of the result file, the SRI and BASELINE results, the text logs
// and the files that are not read.
#include "enginefixture.h"

#include "drilling/logtime.h"
#include "gasmon/outsidefiles.h"
#include "gasmon/parsecolumn.h"
#include "platform/text.h"
#include "support/doubles.h"
#include "support/drillerstate.h"
#include "support/files.h"
#include "support/gasengine.h"
#include "support/testmain.h"
#include "wellfile/deletefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace testing_support;

namespace {

const QDate kToday(2026, 1, 15);

void Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(TextColumns, FieldsAreSeparatedByBlanksTabsAndCommasAndHeldToTheirRange)
{
    EXPECT_FLOAT_EQ(gasmon::ParseColumn("C1, 12 34.5", 3, 1e6f, 0), 34.5f);
    EXPECT_FLOAT_EQ(gasmon::ParseColumn(" \t,C1,,\t12  34.5x", 3, 1e6f, 0), 34.5f) << "leading part of the field";
    EXPECT_EQ(gasmon::ParseColumn("C1 12 1000001", 3, 1e6f, 0), 0.0f);
    EXPECT_EQ(gasmon::ParseColumn("C1 12 -3", 3, 1e6f, 0), 0.0f);
    EXPECT_EQ(gasmon::ParseColumn("C1 12", 3, 1e6f, 0), 0.0f) << "too few fields";
    EXPECT_EQ(gasmon::ParseColumn("C1 12 nan", 3, 1e6f, -1e6f), 0.0f);
    EXPECT_EQ(gasmon::ParseColumn("C1 12 abc", 3, 1e6f, 0), 0.0f);
    EXPECT_FLOAT_EQ(gasmon::ParseColumn("a " + std::string(300, '7') + " 5", 3, 1e6f, 0), 5.0f) << "a long field";

    EXPECT_FLOAT_EQ(gasmon::ReadScaledDigits("CHM12345"), 1.2345f);
    EXPECT_FLOAT_EQ(gasmon::ReadScaledDigits("1.5"), 0.0001f);
    EXPECT_EQ(gasmon::ReadScaledDigits("--"), 0.0f);
    EXPECT_EQ(gasmon::ReadScaledDigits(std::string(400, '9')), 0.0f) << "no float holds it";
}

TEST(OutsideFileNames, TheBaseNameKeepsItsFirstPartAndTakesTodaysDate)
{
    EXPECT_EQ(gasmon::ExportFileName("/r/x/RESULT_20240101.res", "/inst/", kToday), "/r/x/RESULT_20260115.txt");
    EXPECT_EQ(gasmon::ExportFileName("", "/inst/", kToday), "/inst/SKYCHROMEXPORT_20260115.txt");
    EXPECT_EQ(gasmon::ExportFileName("/r/SKYCHROMEXPORT_20260115.txt", "/inst/", kToday.addDays(1)),
              "/r/SKYCHROMEXPORT_20260116.txt");
    EXPECT_EQ(gasmon::ExportFileName("/r/__.res", "/inst/", kToday), "/r/___20260115.txt") << "only underscores";
    EXPECT_EQ(gasmon::ExportFileName("C:\\SRI\\_RUN_5", "/inst/", kToday), "C:\\SRI\\RUN_20260115.txt");
}

TEST(OutsideFiles, AFileIsTakenOnceAndOneTooLargeIsMovedAsideUnread)
{
    const QString path = TestDir() + "result.txt";
    EXPECT_EQ(gasmon::TakeOutsideFile(path, 10).state, gasmon::OutsideFileState::Missing);

    Write(path, "0123456789");
    gasmon::OutsideFile f = gasmon::TakeOutsideFile(path, 10);
    EXPECT_EQ(f.state, gasmon::OutsideFileState::Read);
    EXPECT_EQ(f.text, "0123456789");
    EXPECT_FALSE(QFileInfo::exists(path));

    Write(path + ".rej", "old");
    Write(path, "0123456789A");
    f = gasmon::TakeOutsideFile(path, 10);
    EXPECT_EQ(f.state, gasmon::OutsideFileState::Oversized);
    EXPECT_TRUE(f.text.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(ReadBytes(path + ".rej"), "0123456789A") << "kept, replacing the older one";

    Write(path, "");
    EXPECT_EQ(gasmon::TakeOutsideFile(path, 10).state, gasmon::OutsideFileState::Empty);
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(OutsideFiles, DeletionTakesReadOnlyFilesAndRefusesToEmptyAFolder)
{
    const QString dir = TestDir();
    Write(dir + "a.sv8", "x");
    Write(dir + "B.SV8", "x");
    Write(dir + "keep.svm", "x");
    QFile::setPermissions(dir + "a.sv8", QFile::ReadOwner);
    EXPECT_EQ(wellfile::DeleteFiles(dir, "*"), 0);
    EXPECT_EQ(wellfile::DeleteFiles(dir, ".*"), 0);
    EXPECT_EQ(wellfile::DeleteFiles(dir, "*.sv8"), 1);
    EXPECT_EQ(QDir(dir).entryList({"*.sv8", "*.svm"}, QDir::Files), QStringList{"keep.svm"});
    EXPECT_EQ(wellfile::DeleteFiles(dir, "*.sv8"), 0) << "nothing matches";
    EXPECT_EQ(wellfile::DeleteFiles(dir + "missing.txt"), 1);
}

TEST(OutsideFiles, SriAndBaselineTextsGiveTheirComponents)
{
    gasmon::IntegratorValues kept;
    kept.peaks[8] = 9;
    kept.peaks[3] = 4;
    gasmon::SriResult sri = gasmon::ReadSriText("RUN\r\nC1 x 0\r\nc2 x 5\r\nNC5 x 6\r\n", kept);
    EXPECT_TRUE(sri.hasRun);
    EXPECT_EQ(sri.values.peaks[2], 0) << "no C1: C2 to C6 are 0";
    EXPECT_EQ(sri.values.peaks[3], 0);
    EXPECT_EQ(sri.values.peaks[7], 6) << "NC5 is kept";
    EXPECT_EQ(sri.values.extra, 0);
    EXPECT_EQ(sri.values.peaks[8], 9) << "no line for the extra channel";
    EXPECT_EQ(sri.text, "C1 =0       C2 =5       NC5 =6       ") << "as read";

    sri = gasmon::ReadSriText("C1 x 3\r\n", kept);
    EXPECT_FALSE(sri.hasRun);
    EXPECT_EQ(sri.values.peaks[3], 0) << "cleared all the same";

    gasmon::BaselineResult b = gasmon::ReadBaselineText("\n\nxCHM 12345%200%0%1%2%3%40000%5%6\r\nCHM9", kept, 2);
    ASSERT_TRUE(b.hasLine);
    EXPECT_FLOAT_EQ(b.values.peaks[1], 2.469f) << "scaled by the factor";
    EXPECT_FLOAT_EQ(b.values.peaks[2], 0.04f);
    EXPECT_EQ(b.values.peaks[3], 0);
    EXPECT_FLOAT_EQ(b.values.peaks[7], 4.0f) << "NC5 is not scaled";
    EXPECT_FLOAT_EQ(b.values.peaks[8], 0.0005f);
    EXPECT_FLOAT_EQ(b.values.extra, 0.0012f) << "a ninth field replaces NC5's copy, and is scaled";

    EXPECT_FALSE(gasmon::ReadBaselineText("\n\n\n", kept, 1).hasLine);
    b = gasmon::ReadBaselineText(QByteArray(68, ' ') + "\r\n", kept, 1);
    EXPECT_TRUE(b.hasLine);
    EXPECT_EQ(b.values.peaks[1], 0) << "a short line has no values";
    b = gasmon::ReadBaselineText(QByteArray(68, 'x') + "7%8", kept, 1);
    EXPECT_FLOAT_EQ(b.values.peaks[1], 0.0007f) << "the values start at the 69th character";
}

class Integrator : public gasmon_testing::EngineTest {
protected:
    Integrator()
    {
        s.env.installFolder = TestDir() + "inst/";
        QDir().mkpath(s.env.installFolder);
        well.fileBottomDepth = 1234;
    }
    gasmon::AutoGas& StartIntegrator(const QString& file)
    {
        platform::SetFieldText(cfg.integratorFile, file.toStdString());
        WriteCfg();
        return StartOffline(3);
    }
    QString SriLog() const { return TestDir() + "ALPHA-sri.txt"; }
    QString BaselineLog() const { return TestDir() + "ALPHA-BL.txt"; }
};

TEST_F(Integrator, TheNameIsTodaysFromTheStartAndAgainOnANewDay)
{
    cfg.baselineIntegrator = 1;
    gasmon::AutoGas& e = StartIntegrator("");
    const QString name = s.env.installFolder + "SKYCHROMEXPORT_20260115.txt";
    EXPECT_EQ(e.Settings().integratorFile, name);
    EXPECT_EQ(platform::FieldString(SavedCfg().integratorFile), name) << "written to the settings";

    doubles().clock.Advance(24 * 3600 * 1000);
    e.Poll();
    EXPECT_EQ(e.Settings().integratorFile, s.env.installFolder + "SKYCHROMEXPORT_20260116.txt");
}

TEST_F(Integrator, AnSriResultEndsTheCycleAndIsLogged)
{
    WithDriller();
    driller->SetTime(std::make_unique<drilling::LogTime>(*driller, 30.0f));
    driller->SetConnectionMarker(2);
    testing_support::EditBottom(*driller, [](drilling::DrillerBottom& v) { v.connectionMarkerLimit = 5; });
    cfg.sriIntegrator = 1;
    gasmon::AutoGas& e = StartIntegrator(TestDir() + "RESULT_20240101.res");
    const QString file = TestDir() + "RESULT_20260115.txt";
    Write(file, "RUN 12\r\nC1, 12 34.5\r\nIC4 x 7.25\r\nNC4 x 3\r\nAIR 1 3.5\r\n");
    e.Poll();
    EXPECT_EQ(e.Settings().integratorFile, file);
    EXPECT_FALSE(QFileInfo::exists(file)) << "consumed";
    EXPECT_FLOAT_EQ(e.Readings().values[1], 34.5f);
    EXPECT_FLOAT_EQ(e.Readings().values[4], 7.25f);
    EXPECT_FLOAT_EQ(e.Readings().values[5], 3.0f);
    EXPECT_FLOAT_EQ(e.Readings().values[8], 3.5f);
    EXPECT_TRUE(e.Cycle().cycleEnded);
    EXPECT_FLOAT_EQ(e.Readings().record.components[0], 34.5f);
    EXPECT_EQ(ReadBytes(SriLog()), "C1 =34      IC4 =7       NC4 =3        =4       @1-15-26_08:30:00\r\n\r");
    EXPECT_EQ(driller->Bottom().connectionMarker, 1);

    // Off bottom without circulation the marker waits; a file without "RUN" clears the values only.
    driller->Time()->offBottom = 1;
    EditCycle(e, [&](auto& v) { v.cycleEnded = false; });
    Write(file, "C1 x 5\r\n");
    doubles().clock.Advance(2000);
    e.Poll();
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_EQ(e.Readings().values[1], 0);
    EXPECT_EQ(e.Readings().values[8], 3.5f);
    EXPECT_FALSE(e.Cycle().cycleEnded);
    EXPECT_EQ(ReadBytes(SriLog()).count('@'), 1);
    EXPECT_EQ(driller->Bottom().connectionMarker, 1);

    // A file over 1,024 bytes is set aside unread: the values stay.
    EditReadings(e, [&](auto& v) { v.values[1] = 8; });
    Write(file, "RUN\r\nC1 x 1\r\n" + QByteArray(1024, ' '));
    doubles().clock.Advance(2000);
    e.Poll();
    EXPECT_EQ(e.Readings().values[1], 8);
    EXPECT_TRUE(QFileInfo::exists(file + ".rej"));
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(Integrator, ABaselineResultIsUsedWhenBothModesAreOn)
{
    WithDriller();
    driller->SetLagDepth(1200.7f);
    cfg.sriIntegrator = 1;
    cfg.baselineIntegrator = 1;
    gasmon::AutoGas& e = StartIntegrator(TestDir() + "BL");
    const QString file = TestDir() + "BL_20260115.txt";
    Write(file, "12:00 CHM12345%200%0\r\n");
    e.Poll();
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_FLOAT_EQ(e.Readings().values[1], 1.2345f);
    EXPECT_FLOAT_EQ(e.Readings().values[2], 0.02f);
    EXPECT_EQ(e.Readings().values[3], 0);
    EXPECT_TRUE(e.Cycle().cycleEnded);
    EXPECT_EQ(ReadBytes(BaselineLog()), "12:00 CHM12345%200%0\rSHW=0 at 1200 1234 ");
    EXPECT_FALSE(QFileInfo::exists(SriLog()));

    Write(file, QByteArray(201, '1'));
    doubles().clock.Advance(4000);  // every second second while the SRI mode is on too
    e.Poll();
    EXPECT_TRUE(QFileInfo::exists(file + ".rej")) << "over 200 bytes";
    EXPECT_FLOAT_EQ(e.Readings().values[1], 1.2345f);
}

}  // namespace
