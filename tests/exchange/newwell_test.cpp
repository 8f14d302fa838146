// New after an archive and Plug Back through the window's commands, on a well OLD (2,000 to 2,400):
// what is archived, cleared, moved, cut and left alone; and the blank data file.
#include "exchange/backups.h"
#include "exchange/newwell.h"
#include "exchange/plugback.h"

#include "app/commandids.h"
#include "app/opendatafile.h"
#include "gasmon/gasmoncfg.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "shell/ui/statusdlg.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/ziptools.h"
#include "wellfile/newfile.h"
#include "wellfile/reportrecords.h"
#include "wellfile/wellconfig.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstring>

#include <gtest/gtest.h>

using testing_support::doubles;
using testing_support::FileRecords;
using testing_support::ReadBytes;
using testing_support::WriteBytes;
using testing_support::WriteRecords;

namespace {

struct Fixture {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString data;

    Fixture()
    {
        doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(10, 5));
        testing_support::OpenNewWell(window, "OLD.svm", 2000, 2400);
        data = window.State().well.file.dataFolder;
        doubles().prompter.messages.clear();
    }
    ~Fixture()
    {
        if (window.State().well.file.drilling)
            window.EvCommand(app::cmd::Drilling);
    }
    QStringList Messages() const
    {
        QStringList out;
        for (const auto& m : doubles().prompter.messages)
            out << m.text + " / " + m.caption;
        return out;
    }
    void Create(int command, const QString& name, const QString& depth, bool box = false)
    {
        platform::Dialog::QueueTestScript([=](platform::Dialog& d) {
            if (!name.isNull())
                d.SetText(101, name);
            d.SetText(102, depth);
            if (box)
                d.SetCheck(103, platform::BST_CHECKED);
            d.Click(platform::IDOK);
        });
        window.EvCommand(command);
    }
};

QByteArray Pattern(int size)
{
    QByteArray bytes(size, 0);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(1 + i % 97);
    return bytes;
}

}  // namespace

TEST(NewWell, ArchivesTheOldWellClearsTheFoldersAndMovesItsSetAway)
{
    Fixture f;
    const QString& d = f.data;
    for (const char* name :
         {"witsData-IN@1-15-26.txt", "ERROR.TXT", "download.txt", "sendfile/OLD.svm", "remote/OLD.rpt"}) {
        QDir().mkpath(QFileInfo(d + name).path());
        WriteBytes(d + name, name);
    }
    QByteArray gas = Pattern(sizeof(gasmon::GASMONCFG));
    std::memset(gas.data() + 164, 0, 12);  // sound com ports: the reader rewrites nothing of its own
    gas[164] = 1;
    gas[172] = 2;
    WriteBytes(d + "gasmon.cfg", gas);
    // The settings the dialog hands on: the well's own, with every byte of the reset fields and of the
    // record's tail set, so each reset shows and the rest is seen to be kept.
    QByteArray handed = ReadBytes(d + "OLD.cfg");
    handed.resize(sizeof(wellfile::WellConfig), 0);
    const QByteArray marks = Pattern(handed.size());
    for (auto [from, to] : {std::pair{20, 64}, {86, 90}, {120, 3342}, {3378, 3386}, {3671, 3927}, {5007, 5268}})
        std::memcpy(handed.data() + from, marks.constData() + from, std::size_t(to - from));
    for (int flag : {4568, 4618, 4681})
        handed[flag] = 0;
    WriteBytes(d + "OLD.cfg", handed);

    f.Create(app::cmd::New, "NEW", "137", true);
    EXPECT_EQ(f.window.State().well.file.dataFileName, d + "NEW.svm");
    const auto rows = FileRecords<wellfile::RECORD>(d + "NEW.svm");
    ASSERT_EQ(rows.size(), 28u);
    EXPECT_EQ(rows.front().depth, 110);
    EXPECT_EQ(rows.back().depth, 137);
    EXPECT_TRUE(testing_support::ZipTestsSound(d + "archives/OLD/OLD.zip"));
    EXPECT_FALSE(QFileInfo::exists(d + "OLD.svm"));
    EXPECT_TRUE(QFileInfo(d + "archives/OLD/OLD.svm").isFile());
    EXPECT_FALSE(QFileInfo::exists(d + "witsData-IN@1-15-26.txt"));
    EXPECT_FALSE(QFileInfo::exists(d + "ERROR.TXT"));
    EXPECT_FALSE(QFileInfo::exists(d + "sendfile/OLD.svm"));
    EXPECT_FALSE(QFileInfo::exists(d + "remote/OLD.rpt"));
    EXPECT_TRUE(QFileInfo(d + "download.txt").isFile());
    EXPECT_TRUE(QFileInfo(d + "NEW.svx").isFile());
    const shell::STATUSDLG* status = f.window.findChild<shell::STATUSDLG*>();
    ASSERT_TRUE(status);  // closed a second later, without holding the window
    EXPECT_EQ(status->GetText(shell::STATUSDLG::ID_LINE1), "DONE");

    QByteArray expected = handed;
    for (auto [from, to] : {std::pair{20, 28}, {40, 48}, {52, 56}, {120, 3342}, {3378, 3382}, {3671, 3927}})
        std::memset(expected.data() + from, 0, std::size_t(to - from));
    for (int flag : {60, 4568, 4618, 4681})
        expected[flag] = 1;
    expected[61] = 1;  // the new well is drilling, and its settings say so at once
    expected[86] = 2;
    expected[87] = 0;
    const std::int32_t four = 4;
    std::memcpy(expected.data() + 3382, &four, 4);
    const QByteArray cfg = ReadBytes(d + "NEW.cfg");
    ASSERT_EQ(cfg.size(), 5268);
    std::memcpy(expected.data() + 66, cfg.constData() + 66, 4);  // drilling mode keeps its backup depth there
    for (int i = 0; i < cfg.size(); ++i)
        ASSERT_EQ(cfg[i], expected[i]) << "byte " << i;

    QByteArray reset = gas;
    const float one = 1.0f;
    std::memcpy(reset.data() + 56, &one, 4);
    std::memset(reset.data() + 60, 0, 28);
    EXPECT_EQ(ReadBytes(d + "gasmon.cfg"), reset);
    EXPECT_EQ(f.Messages(), QStringList{"Custom data file created for the depths 110 to 136:\n" + d + "NEW.svx / Custom Data"});  // the custom-data file says it is made
}

TEST(NewWell, WithoutTheBoxTheOldSetStaysAndAGasmonOfAnotherLengthIsLeftAlone)
{
    Fixture f;
    WriteBytes(f.data + "gasmon.cfg", Pattern(1000));
    f.Create(app::cmd::New, "NEW", "137");
    EXPECT_EQ(f.window.State().well.file.dataFileName, f.data + "NEW.svm");
    EXPECT_EQ(ReadBytes(f.data + "OLD.svm"), ReadBytes(f.data + "archives/OLD/OLD.svm"));
    EXPECT_EQ(ReadBytes(f.data + "gasmon.cfg"), Pattern(1000));
}

TEST(NewWell, SharedFolderProfilesDeleteTheOldSetInsteadOfArchivingIt)
{
    Fixture f;
    f.window.State().well.loggerId = 21;
    f.window.State().env.sharedFolder = f.data + "Dropbox/X1/";
    for (const char* name : {"OLD.top", "OLD.hdr", "b.tpl", "a.tpl"})
        WriteBytes(f.data + name, name);
    QByteArray schemes = ReadBytes(f.data + "OLD.sch");
    schemes.resize(1932, 0);
    std::memcpy(schemes.data() + 5 * 322 + 160, "COPIED", 7);  // the last scheme's name
    WriteBytes(f.data + "OLD.sch", schemes);
    f.Create(app::cmd::New, "NEW", "137");
    EXPECT_EQ(f.window.State().well.file.dataFileName, f.data + "NEW.svm");
    EXPECT_FALSE(QFileInfo::exists(f.data + "archives/OLD/OLD.zip"));
    for (const char* name : {"OLD.svm", "OLD.top", "OLD.sch", "OLD.hdr"})
        EXPECT_FALSE(QFileInfo::exists(f.data + name)) << name;
    EXPECT_EQ(ReadBytes(f.data + "NEW.sch"), schemes);
    EXPECT_EQ(QDir(f.data + "Dropbox/X1").entryList({"*.tpl"}), QStringList{"a.tpl"});
}

TEST(NewWell, ANewFileThatCannotBeWrittenArchivesAndClearsNothing)
{
    Fixture f;
    WriteBytes(f.data + "ERROR.TXT", "error");
    QDir().mkpath(f.data + "NEW.svm");  // a folder where the new file belongs
    const wellfile::NewFileInfo info{f.data + "NEW.svm", 137};
    app::LogState& s = f.window.State();
    EXPECT_EQ(f.window.Neighbours().exchange->ArchiveFiles(s, f.window.WellServices(), info, s.well.config), 0);
    EXPECT_EQ(f.Messages(), QStringList{f.data + "NEW.svm\nThe new file could not be written / File error"});
    EXPECT_EQ(s.well.file.wellName, "OLD");
    EXPECT_FALSE(QFileInfo::exists(f.data + "archives/OLD"));
    EXPECT_EQ(ReadBytes(f.data + "ERROR.TXT"), "error");
    EXPECT_EQ(QDir(f.data).entryList({"NEW*"}, QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"NEW.svm"});
}

TEST(NewWell, AnArchiveThatFailsStopsNewBeforeAnythingIsCleared)
{
    Fixture f;
    app::LogState& s = f.window.State();
    ASSERT_EQ(exchange::BackupData(s.well, s.interaction, s.engines.driller, 0), 1);
    const QStringList backups = QDir(f.data + "backup").entryList(QDir::Files);
    QDir().mkpath(f.data + "archives/OLD/OLD.zip");  // a folder where the zip goes
    f.Create(app::cmd::New, "NEW", "137");
    EXPECT_EQ(f.window.State().well.file.wellName, "OLD");
    EXPECT_EQ(f.Messages().filter(QRegularExpression(" / Zip failed in archive$|^OLD could not be archived.\nNo new "
                                                     "file was made and nothing was cleared. / Archive$")).size(), 2);
    EXPECT_EQ(QDir(f.data + "backup").entryList(QDir::Files), backups);
    EXPECT_TRUE(QDir(f.data).entryList({"NEW*"}, QDir::AllEntries).isEmpty());
}

TEST(NewWell, ABlankDataFileHoldsEveryOtherDepthToTheBottom)
{
    const QString path = testing_support::TestDir() + "BLANK.svm";
    ASSERT_EQ(exchange::CreateBlankDataFile(path, 1000, "PRF12"), 1);
    const auto rows = FileRecords<wellfile::RECORD>(path);
    ASSERT_EQ(rows.size(), 500u);
    EXPECT_EQ(QFileInfo(path).size(), 308000);
    EXPECT_EQ(rows.front().depth, 2);
    EXPECT_EQ(rows.back().depth, 1000);
    EXPECT_FLOAT_EQ(rows[7].rateOne, 0.1f);
    EXPECT_STREQ(rows[0].interpretedLith, "PRF12");
    EXPECT_STREQ(rows[1].interpretedLith, "100BL");
    EXPECT_EQ(rows[1].gasScale, 1);
    EXPECT_EQ(exchange::CreateBlankDataFile(path, 1, "PRF12"), 0);
    EXPECT_EQ(QFileInfo(path).size(), 308000);
}

TEST(PlugBack, CutsPicturesReportsShowsAndCurvesAtTheKickOffDepth)
{
    Fixture f;
    const QString& d = f.data;
    for (const char* name : {"OLD@2100-1.jpg", "OLD@2300-2.jpg", "OLD@x.jpg", "OLD.jpg"}) {
        QDir().mkpath(d + "Bitmaps/OLD");
        WriteBytes(d + "Bitmaps/OLD/" + name, name);
    }
    std::vector<wellfile::SHOWREPORT> shows(2);
    platform::SetFieldText(shows[0].interval, " 2000 to 2010");
    platform::SetFieldText(shows[1].interval, " 2200 to 2210");
    WriteRecords(d + "OLD.sho", shows);
    std::vector<wellfile::REPORTEX> reports(4);
    const float depths[] = {1900, 2100, 2300, 2400};
    for (int i = 0; i < 4; ++i) {
        reports[std::size_t(i)].number = i + 1;
        reports[std::size_t(i)].depth = depths[i];
    }
    WriteRecords(d + "OLD.rpt", reports);
    WriteBytes(d + "OLD.svc", Pattern(96 * 2400));
    WriteBytes(d + "OLD.topx", Pattern(253 * 3));
    QStringList originals;
    for (const char* name : {"OLD.svm", "OLD.sho", "OLD.rpt", "OLD.svc"})
        originals << QString::fromLatin1(ReadBytes(d + name).toBase64());

    f.Create(app::cmd::PlugBack, QString(), "2150");
    EXPECT_EQ(f.window.State().well.file.wellName, "OLD-H");
    EXPECT_EQ(QDir(d + "Bitmaps/OLD-H").entryList(QDir::Files), QStringList{"OLD-H@2100-1.jpg"});
    EXPECT_EQ(ReadBytes(d + "Bitmaps/OLD-H/OLD-H@2100-1.jpg"), "OLD@2100-1.jpg");
    const auto keptShows = FileRecords<wellfile::SHOWREPORT>(d + "OLD-H.sho");
    ASSERT_EQ(keptShows.size(), 1u);
    EXPECT_STREQ(keptShows[0].interval, " 2000 to 2010");
    const auto keptReports = FileRecords<wellfile::REPORTEX>(d + "OLD-H.rpt");
    ASSERT_EQ(keptReports.size(), 3u);
    EXPECT_EQ(float(keptReports[2].depth), 2150.0f);
    EXPECT_EQ(+keptReports[2].number, 3);
    EXPECT_EQ(ReadBytes(d + "OLD-H.svc"), Pattern(96 * 2400).left(96 * 2150));
    EXPECT_EQ(ReadBytes(d + "OLD-H.topx"), Pattern(253 * 3));  // the tops list comes along
    for (const char* name : {"OLD.svm", "OLD.sho", "OLD.rpt", "OLD.svc"})
        EXPECT_EQ(QString::fromLatin1(ReadBytes(d + name).toBase64()), originals.takeFirst()) << name;
    EXPECT_TRUE(testing_support::ZipTestsSound(d + "archives/OLD/OLD.zip"));
}

// With copy-out on (a second data folder and the well's flag) the reports and shows the plug back cut
// go out as cut.
TEST(PlugBack, CopyOutSendsTheCutReportsAndShows)
{
    const QString second = testing_support::TestDir() + "second/";
    QDir().mkpath(second);
    platform::WriteSetting("SecondDataFolder", second);
    Fixture f;
    const QString& d = f.data;
    wellfile::WellConfig config = f.window.State().well.config;
    config.copyOptions.copyOut = 1;
    bool field = false;
    ASSERT_EQ(wellfile::SaveConfig(config, app::PlaceOf(f.window.State()), field), 1);
    ASSERT_EQ(f.window.OpenDataFile(d + "OLD.svm"), 1);
    ASSERT_TRUE(f.window.State().well.file.copyOut);
    std::vector<wellfile::SHOWREPORT> shows(2);
    platform::SetFieldText(shows[0].interval, " 2000 to 2010");
    platform::SetFieldText(shows[1].interval, " 2200 to 2210");
    WriteRecords(d + "OLD.sho", shows);
    std::vector<wellfile::REPORTEX> reports(3);
    for (int i = 0; i < 3; ++i)
        reports[std::size_t(i)].depth = float(2050 + 100 * i);
    WriteRecords(d + "OLD.rpt", reports);

    f.Create(app::cmd::PlugBack, QString(), "2150");
    ASSERT_EQ(f.window.State().well.file.wellName, "OLD-H");
    ASSERT_EQ(FileRecords<wellfile::SHOWREPORT>(d + "OLD-H.sho").size(), 1u);
    ASSERT_EQ(float(FileRecords<wellfile::REPORTEX>(d + "OLD-H.rpt").back().depth), 2150.0f);
    EXPECT_EQ(ReadBytes(second + "OLD-H.sho"), ReadBytes(d + "OLD-H.sho"));
    EXPECT_EQ(ReadBytes(second + "OLD-H.rpt"), ReadBytes(d + "OLD-H.rpt"));
    platform::WriteSetting("SecondDataFolder", QString());
}

TEST(PlugBack, AReportOrShowFileThatCannotBeRewrittenStaysAsItWas)
{
    const wellfile::WellPlace place = testing_support::MakePlace(QString(250, u'W'));
    const QString base = place.currentFolder + place.wellName;
    std::vector<wellfile::REPORTEX> reports(2);
    reports[0].depth = 100;
    reports[1].depth = 300;
    WriteRecords(base + ".rpt", reports);
    std::vector<wellfile::SHOWREPORT> shows(2);
    platform::SetFieldText(shows[0].interval, " 100 to 110");
    platform::SetFieldText(shows[1].interval, " 300 to 310");
    WriteRecords(base + ".sho", shows);
    const QByteArray rpt = ReadBytes(base + ".rpt"), sho = ReadBytes(base + ".sho");
    EXPECT_EQ(exchange::CutReportsAtDepth(place, 200), 0);
    EXPECT_EQ(exchange::CutShowsAtDepth(place, 200), 0);
    EXPECT_EQ(ReadBytes(base + ".rpt"), rpt);
    EXPECT_EQ(ReadBytes(base + ".sho"), sho);
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Report File Error");
    EXPECT_EQ(doubles().prompter.messages[1].text, " Show Report File Error");
    EXPECT_EQ(doubles().prompter.messages[1].caption, "Report");
}
