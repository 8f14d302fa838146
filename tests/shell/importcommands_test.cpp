// The report, selection and import commands of the main window, with an e-log subsystem that answers as
// the test says.
#include "app/elogoffset.h"
#include "shell/importcommands.h"
#include "app/opendatafile.h"
#include "app/wellservices.h"
#include "elog/elog_services.h"
#include "elog/ui/importdialog.h"
#include "platform/text.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/wellconfig.h"
#include "wellfile/wellheader.h"

#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using testing_support::doubles;

namespace {

constexpr int kMorningReport = 51687;
constexpr int kShortReport = 51937;
constexpr int kSelectRop = 51806;
constexpr int kImportElog = 51709;

// The LAS reader and import dialog: answers the header the test sets and records what it was given.
class ElogDouble final : public elog::ElogServices {
public:
    int headerAnswer = elog::kLasRead;
    elog::LasHeader header;
    int dialogAnswer = platform::IDOK;
    float importedEkb = -1;
    QString importedTo;
    QStringList calls;
    void CmSaveAsImage(app::LogState&) override {}
    void CreateLasFile(app::LogState&) override {}
    void EnsureCurves(app::LogState&) override { calls << "ensure"; }
    void DeleteCurves(app::LogState&) override { calls << "delete"; }
    int ReadLasHeader(app::LogState&, const QString&, elog::LasHeader& h, float&) override
    {
        h = header;
        return headerAnswer;
    }
    int ReadLasData(app::LogState&, const QString&) override { return 1; }
    int RunImportDialog(app::LogState&, const QString&, const QString&, elog::LasHeader&, std::span<std::byte>,
                        int) override
    {
        return dialogAnswer;
    }
    void ImportLas(app::LogState&, const QString&, const QString& to, const elog::LasHeader& h,
                   std::span<const std::byte>, float) override
    {
        importedEkb = h.ekb;
        importedTo = to;
    }
};

class ViewDouble final : public app::ViewServices {
public:
    QStringList loaded;
    int LoadElog(app::LogState&, const QString& file) override
    {
        loaded << file;
        return 1;
    }
};

struct ImportFixture {
    ElogDouble elog;  // outlive the window that calls them
    ViewDouble view;
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString path;

    ImportFixture()
    {
        path = testing_support::OpenNewWell(window, "I.svm", 1000, 1100);
        doubles().prompter.messages.clear();
    }
    app::LogState& S() { return window.State(); }
    void UseDoubles()
    {
        window.Neighbours().elog = &elog;
        window.WellServices().view = &view;
    }
    QString Data() { return S().well.file.dataFolder; }
};

TEST(LasHeaderError, NamesTheFirstItemOutOfRange)
{
    elog::LasHeader h;
    h.start = -5;
    h.stop = 0;
    EXPECT_EQ(
        shell::LasHeaderError(h), "Start Value ( -5 ) is out of range\nHave a new LAS file made to correct the error");
    h.start = 0;
    EXPECT_EQ(
        shell::LasHeaderError(h), "Stop Value ( 0 ) is out of range\nHave a new LAS file made to correct the error");
    h.stop = 2000;
    EXPECT_EQ(
        shell::LasHeaderError(h), "Step Value (0.0 ) is out of range\nHave a new LAS file made to correct the error");
    h.step = 0.5f;
    EXPECT_TRUE(shell::LasHeaderError(h).startsWith("Unknown error"));
}

TEST(ImportElog, ImportsWithTheWellsKbWhenTheLasHasNone)
{
    ImportFixture f;
    f.UseDoubles();
    f.S().well.kbElevation = 850.0f;
    f.elog.header.ekb = 0;
    doubles().prompter.fileAnswers = {f.Data() + "run1.las"};
    f.window.EvCommand(kImportElog);

    ASSERT_EQ(doubles().prompter.fileRequests.size(), 1);
    EXPECT_EQ(doubles().prompter.fileRequests[0].folder, f.Data());
    EXPECT_EQ(doubles().prompter.fileRequests[0].filter, "LAS Files (*.las)|*.las|");
    EXPECT_EQ(f.elog.importedEkb, 850.0f);
    EXPECT_EQ(f.elog.importedTo, f.Data() + "I.svc");
    EXPECT_EQ(f.view.loaded, QStringList({f.Data() + "I.svc"}));
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(ImportElog, CancelOrARefusedHeaderPutsThePreviousCurvesBack)
{
    ImportFixture f;
    f.UseDoubles();
    const QString previous = f.Data() + "older.svc";
    f.S().well.elogFileName = previous;

    f.elog.dialogAnswer = platform::IDCANCEL;
    doubles().prompter.fileAnswers = {f.Data() + "run1.las"};
    f.window.EvCommand(kImportElog);
    EXPECT_EQ(f.S().well.elogFileName, previous);
    EXPECT_EQ(f.view.loaded, QStringList({previous}));

    f.elog.header.start = -5;
    f.elog.headerAnswer = elog::kLasRefused;
    doubles().prompter.fileAnswers = {f.Data() + "run2.las"};
    f.window.EvCommand(kImportElog);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Import Error");
    EXPECT_TRUE(doubles().prompter.messages[0].text.startsWith("Start Value ( -5 )"));
    EXPECT_EQ(f.S().well.elogFileName, previous);
    EXPECT_EQ(f.elog.importedTo, "");
}

TEST(ImportElog, ALasFileMappedInTheDialogBecomesTheWellsCurveFile)
{
    ImportFixture f;
    std::string las = "~Version\nVERS. 2.0 :\nWRAP. NO :\n~Well\nSTRT.M 100 :\nSTOP.M 105 :\nSTEP.M 0.5 :\n"
                      "NULL. -999.25 :\nEKB.M 250.0 :\n~Curve\nDEPT.M :\nGR.GAPI : gamma\nDPHI.V/V :\nILD.OHMM :\n"
                      "~Parameter\nBS.MM 222.0 :\n~A\n";
    for (int k = 0; k <= 10; ++k)
        las += std::to_string(100 + k / 2) + (k % 2 ? ".5" : ".0") + " 7" + std::to_string(k) + " 0.2 10\n";
    testing_support::WriteBytes(f.Data() + "A.las", QByteArray::fromStdString(las));
    using platform::Dialog;
    namespace id = elog::importid;
    Dialog::QueueTestScript([svc = f.Data() + "I.svc"](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "STRATIV ELOG IMPORT");
        EXPECT_EQ(d.GetText(id::Interval), "100  to  105");
        EXPECT_EQ(d.GetText(id::From), "100");
        EXPECT_EQ(d.GetText(id::To), "105");
        EXPECT_EQ(d.GetText(id::Kb), "250.0");
        EXPECT_EQ(d.GetCount(id::ImportAs), 14);
        // The data go into the well's own curve file: no other name can be typed or picked.
        EXPECT_EQ(d.GetText(id::Destination), svc);
        EXPECT_TRUE(static_cast<QLineEdit*>(d.Control(id::Destination))->isReadOnly());
        EXPECT_TRUE(d.Control(id::Browse)->isHidden());
        const auto map = [&d](int line, int target) {
            d.SetSelIndex(id::Available, line);
            d.Command(id::Available, platform::CBN_SELCHANGE);
            d.SetSelIndex(id::ImportAs, target - 1);
            d.Command(id::ImportAs, platform::CBN_SELCHANGE);
            EXPECT_TRUE(d.Click(id::Add));
        };
        map(1, 1);
        map(3, 13);
        map(2, 9);  // mapped and removed again
        d.SetSelIndex(id::Mappings, 2);
        d.Command(id::Mappings, platform::LBN_SELCHANGE);
        EXPECT_TRUE(d.Click(id::Remove));
        ASSERT_EQ(d.GetCount(id::Mappings), 2);
        EXPECT_EQ(d.GetString(id::Mappings, 0), "GR.GAPI : gamma AS..Gamma");
        d.Click(platform::IDOK);
    });
    // Metres are every well's depths, whatever unit its profile logs in (the test well's: feet): no question.
    doubles().prompter.fileAnswers = {f.Data() + "A.las"};
    f.window.EvCommand(kImportElog);
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    const QByteArray svc = testing_support::ReadBytes(f.Data() + "I.svc");
    ASSERT_EQ(svc.size(), 10176);
    EXPECT_EQ(testing_support::At<float>(svc, 9604), 70.0f);
    EXPECT_EQ(testing_support::At<float>(svc, 101 * 96 + 4), 72.0f);
    EXPECT_EQ(testing_support::At<float>(svc, 101 * 96 + 36), 0.0f);  // the removed mapping
    EXPECT_EQ(testing_support::At<float>(svc, 9668), 222.0f);
    EXPECT_EQ(testing_support::At<std::int32_t>(svc, 9692), 13);
    EXPECT_EQ(testing_support::At<float>(svc, 28), 250.0f);
    EXPECT_EQ(f.S().well.elogFileName, f.Data() + "I.svc");

    // A second import merges: GAMMA from the new file down to the even STOP less 2, the rest kept.
    std::string merged = las;
    for (std::size_t at = merged.find(" 7", merged.find("~A")); at != std::string::npos; at = merged.find(" 7", at + 2))
        merged[at + 1] = '9';
    testing_support::WriteBytes(f.Data() + "B.las", QByteArray::fromStdString(merged));
    Dialog::QueueTestScript([](Dialog& d) {
        d.SetSelIndex(id::Available, 1);
        d.Command(id::Available, platform::CBN_SELCHANGE);
        d.SetSelIndex(id::ImportAs, 0);
        d.Command(id::ImportAs, platform::CBN_SELCHANGE);
        d.Click(id::Add);
        d.Click(platform::IDOK);
    });
    doubles().prompter.fileAnswers = {f.Data() + "B.las"};
    f.window.EvCommand(kImportElog);
    const QByteArray after = testing_support::ReadBytes(f.Data() + "I.svc");
    ASSERT_EQ(after.size(), 10176);
    EXPECT_EQ(testing_support::At<float>(after, 102 * 96 + 4), 94.0f);
    EXPECT_EQ(testing_support::At<float>(after, 103 * 96 + 4), 76.0f);
    EXPECT_EQ(after.mid(103 * 96), svc.mid(103 * 96));

    // A wrapped file is refused with its own message and leaves the curve file as it was.
    const QByteArray svcMerged = after;
    las.replace(las.find("WRAP. NO"), 8, "WRAP. YES");
    testing_support::WriteBytes(f.Data() + "W.las", QByteArray::fromStdString(las));
    doubles().prompter.fileAnswers = {f.Data() + "W.las"};
    doubles().prompter.messages.clear();
    f.window.EvCommand(kImportElog);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Can not import wrapped file");
    EXPECT_EQ(testing_support::ReadBytes(f.Data() + "I.svc"), svcMerged);
    // Feet are imported only when the user says so; declined: no dialog, nothing written.
    std::string feet = merged;
    feet.replace(feet.find("STRT.M"), 6, "STRT.FT");
    testing_support::WriteBytes(f.Data() + "F.las", QByteArray::fromStdString(feet));
    doubles().prompter.fileAnswers = {f.Data() + "F.las"};
    doubles().prompter.answers = {platform::IDNO};
    f.window.EvCommand(kImportElog);
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[1].text, "The LAS depths are in FT, the well's depths in M.\nImport anyway?");
    EXPECT_EQ(testing_support::ReadBytes(f.Data() + "I.svc"), svcMerged);
}

TEST(ReportCommands, RefuseWhatCannotBeShown)
{
    ImportFixture f;
    f.window.EvCommand(kMorningReport);
    const QString rpt = f.S().well.file.currentFolder + "I.rpt";
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "No report file available");
    EXPECT_EQ(doubles().prompter.messages[0].caption, rpt);

    auto horz = std::make_unique<QWidget>();
    f.window.Tools().horzView = horz.get();
    f.window.EvCommand(kShortReport);
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[1].text, "You must close the horizontal window to view short reports");
}

TEST(SelectRop, TakesTheOffsetWellsRangeKbAndRecords)
{
    ImportFixture f;
    const wellfile::WellPlace place = app::PlaceOf(f.S());
    const QString offset = testing_support::MakeWell(f.Data(), "Offset.svm", 900, 1050);
    wellfile::WellHeader h{};
    platform::SetFieldText(h.kellyBushing, "KB 912.5");
    testing_support::WriteBytes(wellfile::HeaderFilePath(place, offset, true), &h, sizeof h);
    doubles().prompter.fileAnswers = {offset};
    f.window.EvCommand(kSelectRop);

    const app::OffsetWell& o = f.S().well.offset;
    EXPECT_EQ(o.file, offset);
    EXPECT_EQ(f.S().well.file.offsetTopDepth, 900);
    EXPECT_EQ(f.S().well.file.offsetBottomDepth, 1050);
    EXPECT_FLOAT_EQ(o.kbElevation, 912.5f);
    ASSERT_EQ(o.records.size(), 161u);
    EXPECT_EQ(o.records[150].depth, 1050);
    EXPECT_EQ(o.records[151].depth, 0);
    wellfile::WellConfig c{};
    ASSERT_EQ(wellfile::LoadConfig(c, place, f.S().well.fieldSettings), 1);
    EXPECT_EQ(int(c.offsetWells[0].active), 1);
    EXPECT_EQ(platform::FieldString(c.offsetWells[0].fileName), offset);
}

}  // namespace
