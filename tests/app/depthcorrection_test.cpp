// Correct File Depth and Adjust File Depth on an open well, driven through the input and message boxes,
// and the offset entries of the settings record.
#include "app/depthcorrection.h"
#include "app/elogoffset.h"
#include "app/opendatafile.h"
#include "app/shellcommands.h"
#include "app/wellservices.h"
#include "app/wellsettings.h"
#include "drilling/drilling_services.h"
#include "elog/curves.h"
#include "platform/text.h"
#include "reports/showreport.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/customdata.h"
#include "wellfile/memorecords.h"
#include "wellfile/reportconversion.h"
#include "wellfile/reportrecords.h"
#include "wellfile/sidefiles_reports.h"
#include "wellfile/wellconfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <vector>

using testing_support::doubles;
using testing_support::FileRecords;
using testing_support::ReadBytes;
using testing_support::WriteRecords;

namespace {

constexpr int kCorrect = 51697;
constexpr int kAdjust = 51702;

// Records what the depth changes ask of drilling and of the backups, in order.
struct Calls {
    std::vector<QString> log;
};

class DrillerDouble final : public drilling::DrillingServices {
public:
    explicit DrillerDouble(Calls& c) : calls(c) {}
    Calls& calls;
    void CmDrilling(app::LogState&) override {}
    void CmLagTime(app::LogState&) override {}
    void CmBackupReminder(app::LogState&) override {}
    void EvTimer(app::LogState&, int) override {}
    void EvJoyButton(app::LogState&, unsigned) override {}
    void PendOneUnitStep(app::LogState&) override { calls.log.push_back("pend"); }
    void FileDepthChanged(app::LogState&, bool appended) override
    {
        calls.log.push_back(appended ? "appended" : "cut");
    }
};

class ExchangeDouble final : public app::ExchangeWellServices {
public:
    explicit ExchangeDouble(Calls& c) : calls(c) {}
    Calls& calls;
    int BackupData(app::LogState&, int) override
    {
        calls.log.push_back("backup after " + QString::number(doubles().prompter.messages.size()) + " messages");
        return 1;
    }
};

struct DepthFixture {
    Calls calls;  // the doubles outlive the window that calls them
    DrillerDouble driller{calls};
    ExchangeDouble exchange{calls};
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString path;

    DepthFixture(int first, int last, int profile = 12)
    {
        path = testing_support::OpenNewWell(window, [&](const QString& data) {
            const QString made = testing_support::MakeWell(data, "D.svm", first, last);
            auto rows = FileRecords<wellfile::RECORD>(made);
            platform::SetFieldText(rows.front().interpretedLith, "PRF" + std::to_string(profile));
            WriteRecords(made, rows);
            return made;
        });
        window.WellServices().drilling = &driller;
        window.WellServices().exchange = &exchange;
        doubles().prompter.messages.clear();
    }
    app::LogState& S() { return window.State(); }
    int LastDepth() { return FileRecords<wellfile::RECORD>(path).back().depth; }
    QStringList Texts()
    {
        QStringList t;
        for (const auto& m : doubles().prompter.messages)
            t << m.text;
        return t;
    }
    void Inputs(std::initializer_list<const char*> texts)
    {
        for (const char* t : texts)
            doubles().prompter.inputAnswers.push_back(t ? std::optional<QString>(t) : std::nullopt);
    }
};

TEST(CorrectFileDepth, OfficeAppendsWithinTheLimitsAfterAskingAgain)
{
    DepthFixture f(1000, 1200);
    f.Inputs({"1199", "1401", "1400"});
    doubles().prompter.answers = {platform::IDOK, platform::IDOK, platform::IDOK};
    f.window.EvCommand(kCorrect);

    EXPECT_EQ(f.Texts(), QStringList({"Correction must be deeper\n than current depth", "Maximum Correction is 200 M",
                                      "Changing depth from 1200.0 to 1400.0\n Correction= 200.0 meters"}));
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Invalid Entry");
    EXPECT_EQ(doubles().prompter.messages[2].caption, "File depth change");
    EXPECT_EQ(doubles().prompter.inputCaptions.front(), "Correct File Depth");
    EXPECT_EQ(f.LastDepth(), 1400);
    EXPECT_EQ(FileRecords<wellfile::RECORD>(f.path).size(), 401u);
    EXPECT_EQ(f.S().well.file.fileBottomDepth, 1400);
}

TEST(CorrectFileDepth, ProfileTwoMayAppendFurther)
{
    DepthFixture f(1000, 1200, 2);
    f.Inputs({"1500"});
    doubles().prompter.answers = {platform::IDOK};
    f.window.EvCommand(kCorrect);
    EXPECT_EQ(f.LastDepth(), 1500);
}

TEST(CorrectFileDepth, TheWitsCallerIsHeldToFiftyAndSmallStepsAppendWholeRecords)
{
    DepthFixture f(1000, 1200);
    app::WellServices& sv = f.window.WellServices();
    EXPECT_EQ(app::CorrectFileDepth(f.S(), sv, 1450, 1), 1);
    EXPECT_EQ(f.LastDepth(), 1250);
    EXPECT_EQ(app::CorrectFileDepth(f.S(), sv, 1252.5f, 0), 1);
    EXPECT_EQ(f.LastDepth(), 1252);
    // One unit writes its record: the file's last depth and the window's agree.
    EXPECT_EQ(app::CorrectFileDepth(f.S(), sv, 1253, 0), 1);
    EXPECT_EQ(f.LastDepth(), 1253);
    EXPECT_EQ(f.S().well.file.fileBottomDepth, 1253);
    EXPECT_EQ(app::CorrectFileDepth(f.S(), sv, 1010, 0), 0);  // above first + 20
    EXPECT_TRUE(f.Texts().isEmpty());
}

TEST(CorrectFileDepth, DrillingCutsAfterTheBackupAndBothConfirmations)
{
    DepthFixture f(1000, 1200);
    f.S().well.file.drilling = true;
    // The custom data run to the same last depth.
    std::vector<wellfile::CUSTDATAREC> custom(201);
    for (std::size_t i = 0; i < custom.size(); ++i)
        custom[i].depth = float(1000 + i);
    WriteRecords(f.S().well.file.customDataFileName, custom);

    f.Inputs({"1000", "1100"});
    doubles().prompter.answers = {platform::IDOK, platform::IDOK, platform::IDOK};
    f.window.EvCommand(kCorrect);

    EXPECT_EQ(f.Texts(), QStringList({"Maximum Negitive Correction is\n 100 meters",
                                      "Changing depth from 1200.0 to 1100.0\n Correction= -100.0 meters",
                                      "You will permenantly lose the data below 1100\n Press cancel to return "
                                      "unchanged, ok to continue"}));
    EXPECT_EQ(f.calls.log, std::vector<QString>({"backup after 2 messages", "cut"}));
    EXPECT_EQ(f.LastDepth(), 1100);
    EXPECT_EQ(float(FileRecords<wellfile::CUSTDATAREC>(f.S().well.file.customDataFileName).back().depth), 1100.0f);
    f.S().well.file.drilling = false;
}

TEST(CorrectFileDepth, OneUnitWhileDrillingIsLeftToTheNextTick)
{
    DepthFixture f(1000, 1200);
    f.S().well.file.drilling = true;
    EXPECT_EQ(app::CorrectFileDepth(f.S(), f.window.WellServices(), 1201, 1), 1);
    EXPECT_EQ(f.calls.log, std::vector<QString>({"pend"}));
    EXPECT_EQ(f.LastDepth(), 1200);
    f.S().well.file.drilling = false;
}

TEST(CorrectFileDepth, CancelAnywhereLeavesTheFilesAsTheyWere)
{
    DepthFixture f(1000, 1200);
    f.S().well.file.drilling = true;
    const QByteArray before = ReadBytes(f.path);
    f.Inputs({nullptr});
    f.window.EvCommand(kCorrect);  // the input box
    f.Inputs({"1150"});
    doubles().prompter.answers = {platform::IDCANCEL};
    f.window.EvCommand(kCorrect);  // the confirmation
    f.Inputs({"1150"});
    doubles().prompter.answers = {platform::IDOK, platform::IDCANCEL};
    f.window.EvCommand(kCorrect);  // the cut warning
    EXPECT_EQ(ReadBytes(f.path), before);
    EXPECT_EQ(f.S().well.file.fileBottomDepth, 1200);
    f.S().well.file.drilling = false;
}

TEST(CorrectFileDepth, BeepsWhileDataEntryRuns)
{
    DepthFixture f(1000, 1200);
    f.S().interaction.dataEntryActive = 1;
    EXPECT_EQ(app::CorrectFileDepth(f.S(), f.window.WellServices(), 1250, 1), 0);
    EXPECT_EQ(doubles().sounder.beeps, 1);
    EXPECT_EQ(f.LastDepth(), 1200);
    f.S().interaction.dataEntryActive = 0;
}

template <class R>
void WriteDepths(const QString& path, std::initializer_list<int> depths)
{
    std::vector<R> rows;
    for (int d : depths) {
        R r;
        r.depth = decltype(r.depth)(d);
        rows.push_back(r);
    }
    WriteRecords(path, rows);
}

TEST(AdjustFileDepth, ShiftsTheWellAndEveryFileThatHoldsItsDepths)
{
    DepthFixture f(1000, 1100);
    app::LogState& s = f.S();
    const QString base = s.well.file.currentFolder + "D";
    WriteDepths<wellfile::CUSTDATAREC>(s.well.file.customDataFileName, {1000, 1001, 1002});
    WriteDepths<wellfile::EXTRECORD>(s.well.fit.path = base + ".fit", {1000, 1050});
    WriteDepths<wellfile::SVMEMO>(base + ".mem", {1020, 1080, 0});  // the last slot unused
    WriteDepths<wellfile::HTEXTEX>(base + ".hxt", {1030});
    WriteDepths<wellfile::QREPORT>(base + ".qpt", {1070});
    std::vector<wellfile::SHOWREPORT> shows(1);
    reports::StartShow(shows[0], 1050, 1060, nullptr, nullptr, nullptr);
    ASSERT_EQ(wellfile::SaveShows(app::PlaceOf(s), shows), 1);
    s.well.tops.resize(2);
    s.well.tops[0].depth = 1050;
    s.well.tops[1].depth = 0;

    f.Inputs({"+10"});
    f.window.EvCommand(kAdjust);

    EXPECT_TRUE(f.Texts().isEmpty()) << f.Texts().join('|').toStdString();
    const auto rows = FileRecords<wellfile::RECORD>(f.path);
    EXPECT_EQ(rows.front().depth, 1010);
    EXPECT_EQ(rows.back().depth, 1110);
    EXPECT_EQ(s.well.file.fileTopDepth, 1010);
    EXPECT_EQ(s.well.file.fileBottomDepth, 1110);
    EXPECT_EQ(float(FileRecords<wellfile::CUSTDATAREC>(s.well.file.customDataFileName).back().depth), 1012.0f);
    EXPECT_EQ(float(FileRecords<wellfile::EXTRECORD>(base + ".fit").back().depth), 1060.0f);
    const auto memos = FileRecords<wellfile::SVMEMO>(base + ".mem");
    EXPECT_EQ(int(memos[0].depth), 1030);
    EXPECT_EQ(int(memos[1].depth), 1090);
    EXPECT_EQ(int(memos[2].depth), 0);
    EXPECT_EQ(int(FileRecords<wellfile::HTEXTEX>(base + ".hxt")[0].depth), 1040);
    const auto stored = wellfile::LoadShows(app::PlaceOf(s), wellfile::ConvertShows);
    ASSERT_TRUE(stored);
    EXPECT_EQ(platform::FieldText(stored->records[0].interval), "  1060 to  1070");
    EXPECT_EQ(ReadBytes(base + ".sho").size(), 1320);
    EXPECT_EQ(s.well.showDepthIndex[0], 1060);
    EXPECT_EQ(+s.shortReports.reports.at(0).depth, 1080);
    EXPECT_EQ(int(s.well.tops[0].depth), 1060);
    EXPECT_EQ(int(s.well.tops[1].depth), 0);
    EXPECT_TRUE(QDir(s.well.file.currentFolder).entryList({"*~"}, QDir::Files).isEmpty());
}

// The downtime markers are notes named for their depths: they move with the records, the one moved onto
// another's old name included, and their lines name the new depths; another well's note stays.
TEST(AdjustFileDepth, TheDowntimeMarkersMoveWithTheRecords)
{
    DepthFixture f(1000, 1100);
    app::LogState& s = f.S();
    const QString folder = s.well.file.currentFolder;
    const QDateTime when(QDate(2026, 1, 16), QTime(14, 5));
    ASSERT_TRUE(app::WriteDowntimeNote(folder, "D", 1020, when));
    ASSERT_TRUE(app::WriteDowntimeNote(folder, "D", 1030, when));
    testing_support::WriteBytes(folder + "OTHER-DT@1020.txt", "another well's");

    f.Inputs({"+10"});
    f.window.EvCommand(kAdjust);

    EXPECT_TRUE(f.Texts().isEmpty()) << f.Texts().join('|').toStdString();
    EXPECT_EQ(ReadBytes(folder + "D-DT@1030.txt"), "DOWNTIME REPORT at 1030 1/16/2026  2:05 PM\n");
    EXPECT_EQ(ReadBytes(folder + "D-DT@1040.txt"), "DOWNTIME REPORT at 1040 1/16/2026  2:05 PM\n");
    EXPECT_FALSE(QFile::exists(folder + "D-DT@1020.txt"));
    EXPECT_EQ(ReadBytes(folder + "OTHER-DT@1020.txt"), "another well's");
    EXPECT_EQ(s.well.downtimeDepthIndex[0], 1030);
    EXPECT_EQ(s.well.downtimeDepthIndex[1], 1040);
    EXPECT_EQ(s.well.downtimeDepthIndex[2], 0);
    EXPECT_TRUE(QDir(folder).entryList({"*~"}, QDir::Files).isEmpty());
}

TEST(AdjustFileDepth, ASideFileThatCannotBeReadStopsItBeforeAnyFileChanges)
{
    DepthFixture f(1000, 1100);
    app::LogState& s = f.S();
    const QString base = s.well.file.currentFolder + "D";
    WriteDepths<wellfile::SVMEMO>(base + ".mem", {1020});
    const QByteArray svm = testing_support::ReadBytes(f.path), mem = testing_support::ReadBytes(base + ".mem");
    // A ".svx" that is there but gives an error on reading.
    QFile::remove(s.well.file.customDataFileName);
    ASSERT_TRUE(QFile::link("/proc/self/mem", s.well.file.customDataFileName));
    s.well.tops.assign(1, wellfile::TOPSEX{});
    s.well.tops[0].depth = 1050;

    f.Inputs({"+10"});
    f.window.EvCommand(kAdjust);
    EXPECT_EQ(f.Texts(), QStringList{s.well.file.customDataFileName +
                                     " cannot be read\nThe depths could not be adjusted; no file was changed"});
    EXPECT_EQ(testing_support::ReadBytes(f.path), svm);
    EXPECT_EQ(testing_support::ReadBytes(base + ".mem"), mem);
    EXPECT_EQ(s.well.file.fileTopDepth, 1000);
    EXPECT_EQ(int(s.well.tops[0].depth), 1050);
}

TEST(AdjustFileDepth, AsksAgainUntilTheShiftIsWithinTheLimits)
{
    {
        DepthFixture f(25, 100);
        f.Inputs({"abc", "-501", "-30", "-5"});
        f.window.EvCommand(kAdjust);
        const QStringList texts = f.Texts();
        ASSERT_EQ(texts.size(), 3);
        EXPECT_EQ(texts[1], "Correction max is -500 to +500 m");
        EXPECT_EQ(texts[2], "Can not adust file  to less than 20 m");
        EXPECT_EQ(FileRecords<wellfile::RECORD>(f.path).front().depth, 20);
    }
    DepthFixture f(1000, 1100);
    f.Inputs({"-500"});
    f.window.EvCommand(kAdjust);
    EXPECT_TRUE(f.Texts().isEmpty());
    EXPECT_EQ(FileRecords<wellfile::RECORD>(f.path).front().depth, 500);
}

TEST(AdjustFileDepth, RefusedWhileDrillingAndUnchangedOnCancel)
{
    DepthFixture f(1000, 1100);
    const QByteArray before = ReadBytes(f.path);
    f.Inputs({nullptr});
    f.window.EvCommand(kAdjust);
    f.S().well.file.drilling = true;
    f.window.EvCommand(kAdjust);
    f.S().well.file.drilling = false;
    EXPECT_EQ(f.Texts(), QStringList({"Please exit drilling mode to use this function"}));
    EXPECT_EQ(ReadBytes(f.path), before);
}

wellfile::WellConfig Stored(app::LogState& s)
{
    wellfile::WellConfig c{};
    EXPECT_EQ(wellfile::LoadConfig(c, app::PlaceOf(s), s.well.fieldSettings), 1);
    return c;
}

TEST(SaveOffsetEntry, MarksTheEntryOfTheSameWellWhateverItsLetterCase)
{
    DepthFixture f(1000, 1100);
    app::LogState& s = f.S();
    app::UpdateWellConfig(s, [](wellfile::WellConfig& c) {
        for (int i = 0; i < 6; ++i) {
            platform::SetFieldText(c.offsetWells[i].fileName, "C:\\Wells\\Offset" + std::to_string(i) + ".SVM");
            c.offsetWells[i].active = 1;
        }
        return true;
    });
    s.well.offset.file = "/wells/seventh.svm";
    s.well.offset.shift = 7;
    app::SaveOffsetEntry(s);
    for (const auto& e : Stored(s).offsetWells)
        EXPECT_EQ(int(e.active), 0);

    s.well.offset.file = "/data/offset3.svm";
    app::SaveOffsetEntry(s);
    const wellfile::WellConfig c = Stored(s);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(int(c.offsetWells[i].active), i == 3 ? 1 : 0);
    EXPECT_EQ(int(c.offsetWells[3].depthShift), 7);
}

TEST(SaveElogOffset, RefusesANameTheRecordCannotHold)
{
    DepthFixture f(1000, 1100);
    app::LogState& s = f.S();
    s.engines.elogCurves = std::make_unique<elog::Curves>(elog::CurveOwner{});
    s.well.elogDepthOffset = 12;
    app::SaveElogOffset(s, "/data/" + QString(300, 'x') + ".svc");
    EXPECT_EQ(f.Texts().size(), 1);
    EXPECT_EQ(platform::FieldText(Stored(s).elogOffsets[0].fileName), "");

    app::SaveElogOffset(s, "/data/D.svc");
    s.well.elogDepthOffset = 0;
    EXPECT_EQ(app::LoadElogOffset(s, "C:\\data\\d.SVC"), 1);
    EXPECT_EQ(s.well.elogDepthOffset, 12);
    s.engines.elogCurves.reset();
}

}  // namespace

TEST(AdjustFileDepth, ADataFileReadOnlyInPartIsNotWrittenBackCutShort)
{
    // Two records' worth come back from a file that says it holds more.
    const QString shortFile = testing_support::FileReadShortOfItsSize(2 * qint64(sizeof(wellfile::RECORD)));
    if (shortFile.isEmpty())
        GTEST_SKIP() << "this machine has no system file that reads short of its size";
    DepthFixture f(1000, 1100);
    QFile::remove(f.path);
    ASSERT_TRUE(QFile::link(shortFile, f.path));

    f.Inputs({"+10"});
    f.window.EvCommand(kAdjust);
    EXPECT_EQ(f.Texts(), QStringList{f.path});
    EXPECT_EQ(QFileInfo(f.path).symLinkTarget(), shortFile);
    EXPECT_EQ(f.S().well.file.fileTopDepth, 1000);
}
