// The report, selection and import commands of the main window, with an e-log subsystem that answers as
// the test says.
#include "app/elogoffset.h"
#include "app/importcommands.h"
#include "app/ui/logwindow.h"
#include "app/wellservices.h"
#include "elog/elog_services.h"
#include "platform/text.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "app/opendatafile.h"
#include "wellfile/wellconfig.h"
#include "wellfile/wellheader.h"

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
    LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString path;

    ImportFixture()
    {
        qputenv("USER", "tester");
        window.SetupWindow();
        path = testing_support::MakeWell(S().well.file.dataFolder, "I.svm", 1000, 1100);
        EXPECT_EQ(window.OpenDataFile(path), 1);
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
    EXPECT_EQ(app::LasHeaderError(h), "Start Value ( -5 ) is out of range\nHave a new LAS file made to correct the error");
    h.start = 0;
    EXPECT_EQ(app::LasHeaderError(h), "Stop Value ( 0 ) is out of range\nHave a new LAS file made to correct the error");
    h.stop = 2000;
    EXPECT_EQ(app::LasHeaderError(h), "Step Value (0.0 ) is out of range\nHave a new LAS file made to correct the error");
    h.step = 0.5f;
    EXPECT_TRUE(app::LasHeaderError(h).startsWith("Unknown error"));
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

TEST(ImportElog, WithoutTheLasReaderEndsWithABeep)
{
    ImportFixture f;
    doubles().prompter.fileAnswers = {f.Data() + "run1.las"};
    f.window.EvCommand(kImportElog);
    EXPECT_GE(doubles().sounder.beeps, 1);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
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
