// Manual, 6. LAS files, e-log curves and the TVD log: each instruction done on the first start's window
// through its menus, file boxes and mouse, and checked in the files written and the log drawn.
#include "elog/curves.h"
#include "elog/ui/importdialog.h"
#include "elog/ui/swdialogs.h"
#include "elog/ui/tvddialog.h"
#include "layout/pentable.h"
#include "logview/geometryof.h"
#include "logview/ui/titlerowpaint.h"
#include "manual/lasfilessteps.h"
#include "platform/draw/raster.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "shell/ui/textdlg.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/record.h"

#include <QCoreApplication>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

#include <gtest/gtest.h>

using manual::Choose;
using platform::Dialog;
using testing_support::doubles;

namespace {

// The first start's window on its demo well.
struct DemoWindow {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString folder;
    DemoWindow()
    {
        EXPECT_TRUE(testing_support::ShowDemoWindow(window));
        folder = S().well.file.dataFolder;
    }
    app::LogState& S() { return window.State(); }
};

// The same with the well "L12" (depths 1000 to 1400 of known values) opened.
struct LasWindow : DemoWindow {
    QString path = folder + "L12.svm";
    LasWindow()
    {
        testing_support::WriteRecords(path, manual::KnownRecords(1000, 1400));
        EXPECT_EQ(window.OpenDataFile(path), 1);
        doubles().prompter.messages.clear();
    }
};

}  // namespace

// "LAS out": Options > Create Las File... writes the mud log into the well's "mudloglas" folder.
TEST(ManualLasFiles, CreateLasFileWritesTheMudLogIntoTheMudloglasFolder)
{
    LasWindow w;
    Dialog::QueueTestScript([](Dialog& d) { d.Click(platform::IDOK); });  // the range as proposed
    ASSERT_TRUE(Choose(w.window, {"Options", "Create Las File..."}));
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);

    const QString las = w.folder + "mudloglas/L12.las";
    const QString text = QString::fromLatin1(testing_support::ReadBytes(las));
    EXPECT_TRUE(text.contains("CWLS LOG ASCII STANDARD - VERSION 2.0"));
    const int data = text.indexOf("\n~A");
    ASSERT_GT(data, 0);
    const QStringList lines = text.mid(data + 3).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size() - 1, 2 * (1400 - 1020) + 1);  // a row a half step, the last depth's whole step only
    int rows = 0;
    for (const QString& line : lines.mid(1)) {
        const QStringList f = line.split(' ', Qt::SkipEmptyParts);
        ASSERT_GE(f.size(), 78) << line.toStdString();
        const double md = f[0].toDouble();
        if (md != std::floor(md))
            continue;  // the half-step rows
        const int d = int(md);
        EXPECT_NEAR(f[5].toDouble(), manual::KnownRate(d), 0.01) << d;  // minutes a unit
        EXPECT_NEAR(f[39].toDouble(), manual::KnownC1(d), 0.05) << d;   // C1
        ++rows;
    }
    EXPECT_EQ(rows, 1400 - 1020 + 1);  // from 20 below the first depth to the last
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_TRUE(doubles().prompter.messages.back().text.startsWith("Created " + las));
}

namespace {

constexpr float kLow = 40, kHigh = 140;  // the gamma outside and inside the hot shale
bool Hot(int depth) { return depth >= 1150 && depth <= 1160; }

// A wireline LAS file of the well's depths, in metres, by half metres: GR, DPHI and ILD.
QByteArray WirelineLas()
{
    QByteArray las = "~Version\nVERS. 2.0 :\nWRAP. NO :\n~Well\nSTRT.M 1000 :\nSTOP.M 1400 :\nSTEP.M 0.5 :\n"
                     "NULL. -999.25 :\n~Curve\nDEPT.M :\nGR.GAPI : gamma\nDPHI.V/V : density porosity\n"
                     "ILD.OHMM : deep resistivity\n~A\n";
    for (int k = 0; k <= 800; ++k) {
        const double d = 1000 + k * 0.5;
        las += QByteArray::number(d, 'f', 1) + ' ' + QByteArray::number(Hot(int(d)) ? kHigh : kLow) + " 0.2 10\n";
    }
    return las;
}

// The import dialog as the user fills it: each curve picked under "Available Curves", what it is under
// "Import As..", ADD; then Import.
void MapAndImport(Dialog& d)
{
    namespace id = elog::importid;
    EXPECT_EQ(d.windowTitle(), "STRATIV ELOG IMPORT");
    for (const auto& [line, target] : {std::pair{1, 1}, {2, 2}, {3, 13}}) {  // Gamma, Density Porosity, Res 120
        d.SetSelIndex(id::Available, line);
        d.Command(id::Available, platform::CBN_SELCHANGE);
        d.SetSelIndex(id::ImportAs, target - 1);
        d.Command(id::ImportAs, platform::CBN_SELCHANGE);
        EXPECT_TRUE(d.Click(id::Add));
    }
    d.Click(platform::IDOK);
}

// The demo well, whose first display scheme shows its e-log curves.
struct ElogOnWindow : DemoWindow {
    QString path = S().well.file.dataFileName;
    QString svc = S().well.file.currentFolder + S().well.file.wellName + ".svc";
    elog::Curves& C() { return *S().engines.elogCurves; }
    logview::ViewGeometry G() { return logview::GeometryOf(S()); }
    // The image x of a gamma value where the curve is drawn through the rate track.
    int GammaX(float gamma) { return C().gammaScale.origin + int(gamma * C().gammaScale.factor) - G().horizontalScroll; }
    // Whether the pixels around (x, the row of `depth`) differ between the two screens.
    bool Drawn(const QImage& before, const QImage& after, int x, int depth)
    {
        const int y = manual::RowY(window, depth);
        for (int dy = -G().rowHeight / 2; dy < G().rowHeight / 2; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (before.pixel(x + dx, y + dy) != after.pixel(x + dx, y + dy))
                    return true;
        return false;
    }
    void ShowFrom(int top)
    {
        S().well.file.viewTopDepth = top;
        window.PaintLog();
        QCoreApplication::processEvents();
    }
};

}  // namespace

// "LAS in, e-log curves", "Depth match", "Water saturation" and Adjust File Depth, in the order a
// geologist meets them with a new wireline log.
TEST(ManualLasFiles, AWirelineLogIsImportedListedMatchedAndKeptWithTheWell)
{
    ElogOnWindow w;
    w.ShowFrom(1130);
    testing_support::WriteBytes(w.folder + "wireline.las", WirelineLas());
    doubles().prompter.fileAnswers = {w.folder + "wireline.las"};
    Dialog::QueueTestScript(MapAndImport);
    ASSERT_TRUE(Choose(w.window, {"Import", "Import Elog data.."}));
    ASSERT_EQ(Dialog::PendingTestScripts(), 0);
    ASSERT_EQ(doubles().prompter.fileRequests.size(), 1);
    EXPECT_TRUE(doubles().prompter.fileRequests[0].filter.startsWith("LAS Files"));

    // Kept with the well: its curve file holds the values at their depths.
    const auto svc = testing_support::FileRecords<elog::CurveRecord>(w.svc);
    ASSERT_GT(svc.size(), 2000u);
    for (int d : {1100, 1155, 1300}) {
        EXPECT_EQ(svc[std::size_t(d)].values[elog::SLOT_DEPTH], float(d));
        EXPECT_EQ(svc[std::size_t(d)].values[elog::SLOT_GAMMA], Hot(d) ? kHigh : kLow) << d;
        EXPECT_FLOAT_EQ(svc[std::size_t(d)].values[elog::SLOT_RES120], 10) << d;
    }
    // The title band names the curve file.
    const logview::TitleRow title = logview::TitleRowOf(w.S(), w.window.width());
    ASSERT_TRUE(title.curves.has_value());
    EXPECT_EQ(title.curves->path, w.svc);

    // View > Elog Data As Text lists the values by depth.
    ASSERT_TRUE(Choose(w.window, {"View", "Elog Data As Text"}));
    auto* text = qobject_cast<shell::TextDlg*>(w.window.Tools().elogAsText.data());
    ASSERT_NE(text, nullptr);
    auto* list = text->ControlAs<QListWidget>(shell::TextDlg::ID_LIST);
    QStringList rows;
    for (int i = 1; i < list->count(); ++i)
        rows << list->item(i)->text().simplified();
    EXPECT_TRUE(rows.filter(QRegularExpression("^1155 ")).size() == 1);  // the view's depths, the shale among them
    for (const QString& row : rows) {
        const QStringList f = row.split(' ');  // Depth Rw SwA SwM Sw Gam ...
        ASSERT_GE(f.size(), 6);
        EXPECT_EQ(f[5].toFloat(), Hot(f[0].toInt()) ? kHigh : kLow) << row.toStdString();
    }
    text->Click(shell::TextDlg::ID_CLOSE);

    // Setup > Sw...: Rw for an interval, saved into the curve file.
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Archie Water Saturation Setup");
        d.SetText(elog::swid::Rw, "0.05");
        d.SetText(elog::swid::From, "1150");
        d.SetText(elog::swid::To, "1160");
        d.Click(elog::swid::Save);
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(Choose(w.window, {"Setup", "Sw..."}));
    const auto saved = testing_support::FileRecords<elog::CurveRecord>(w.svc);
    EXPECT_FLOAT_EQ(saved[1155].values[elog::SLOT_RW], 0.05f);
    EXPECT_FLOAT_EQ(saved[1140].values[elog::SLOT_RW], 0.04f);
    // Sw = sqrt(a Rw / (phi^m Rt)) = sqrt(0.05 / (0.04 x 10))
    EXPECT_NEAR(saved[1155].values[elog::SLOT_SW], std::sqrt(0.05 / 0.4), 1e-4);

    // A right click on the gas track: the saturation table of that depth and the one above it.
    w.ShowFrom(1130);
    QTest::mouseClick(&w.window, Qt::RightButton, Qt::NoModifier,
                      manual::At(w.window, w.G().gas.left + 20, manual::RowY(w.window, 1155)));
    auto* table = dynamic_cast<elog::SWDlg2*>(w.window.Tools().elogReadout.data());
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->isVisible());
    const QStringList first = table->GetText(elog::swid::FirstRow).simplified().split(' ');
    const QStringList second = table->GetText(elog::swid::SecondRow).simplified().split(' ');
    ASSERT_EQ(first.size(), 5);
    ASSERT_EQ(second.size(), 5);
    EXPECT_EQ(first[0], "1154");
    EXPECT_EQ(second[0], "1155");
    EXPECT_NEAR(first[1].toDouble(), std::sqrt(0.05 / 0.4), 0.01);
    table->Click(platform::IDOK);

    // The depth match: pressed on the gamma the scheme draws in the rate track (the mudlog's, in the
    // gamma pen's colour), dragged up five rows. While the button is down the wireline gamma is outlined
    // dotted; the shift stays with the well.
    const QImage painted = manual::Screen(w.window);
    const int R = w.G().rowHeight, y = manual::RowY(w.window, 1140), scroll = w.G().horizontalScroll;
    const QRgb gammaPen = platform::raster::ToPixel(w.G().pens.table[layout::PEN_GAMMA].colour) & 0xFFFFFF;
    int x = w.G().rate.left + 2 * w.G().rate.cell + 1 - scroll;
    while (x < w.G().rate.Right() - scroll && (painted.pixel(x, y) & 0xFFFFFF) != gammaPen)
        ++x;
    ASSERT_LT(x, w.G().rate.Right() - scroll) << "no gamma drawn on the row";
    QTest::mousePress(&w.window, Qt::LeftButton, Qt::NoModifier, manual::At(w.window, x + scroll, y));
    QTest::mouseMove(&w.window, manual::At(w.window, x + scroll, y - 5 * R));
    const QImage dragged = w.window.BackingStore().copy();
    EXPECT_TRUE(w.Drawn(painted, dragged, w.GammaX(kLow), 1138));
    EXPECT_TRUE(w.Drawn(painted, dragged, w.GammaX(kHigh), 1150));  // the hot shale five rows up
    QTest::mouseRelease(&w.window, Qt::LeftButton, Qt::NoModifier, manual::At(w.window, x + scroll, y - 5 * R));
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.Drawn(painted, w.window.BackingStore(), w.GammaX(kHigh), 1150));  // gone with the button
    EXPECT_EQ(w.S().well.elogDepthOffset, 5);
    ASSERT_EQ(w.window.OpenDataFile(w.path), 1);
    EXPECT_EQ(w.S().well.elogDepthOffset, 5);

    // Options > Other Options... > Adjust File Depth...: every depth of the well 10 deeper, the curves
    // following.
    const auto before = testing_support::FileRecords<wellfile::RECORD>(w.path);
    doubles().prompter.inputAnswers = {QStringLiteral("10")};
    ASSERT_TRUE(Choose(w.window, {"Options", "Other Options...", "Adjust File Depth..."}));
    EXPECT_EQ(doubles().prompter.inputCaptions.value(0), "Adjust File Depth");
    const auto records = testing_support::FileRecords<wellfile::RECORD>(w.path);
    ASSERT_EQ(records.size(), before.size());
    for (std::size_t i = 0; i < records.size(); i += 100) {
        EXPECT_EQ(records[i].depth, before[i].depth + 10) << i;
        EXPECT_EQ(records[i].rateOne, before[i].rateOne) << i;  // the values stay with their rows
    }
    EXPECT_EQ(w.S().well.file.fileTopDepth, before.front().depth + 10);
    EXPECT_EQ(w.S().well.elogDepthOffset, 15);

    // Import > Select > Elog... opens another curve file over the log, unshifted.
    ASSERT_TRUE(QFile::copy(w.svc, w.folder + "other.svc"));
    doubles().prompter.fileAnswers = {w.folder + "other.svc"};
    ASSERT_TRUE(Choose(w.window, {"Import", "Select", "Elog..."}));
    EXPECT_EQ(logview::TitleRowOf(w.S(), w.window.width()).curves->path, w.folder + "other.svc");
    EXPECT_EQ(w.S().well.elogDepthOffset, 0);

    // Import > Select > ROP... picks an offset well whose rate Options > Offset ROP draws in the rate track.
    testing_support::WriteRecords(w.folder + "O.svm", manual::KnownRecords(1000, 2700));
    w.ShowFrom(1130);
    const QImage plain = manual::Screen(w.window);
    doubles().prompter.fileAnswers = {w.folder + "O.svm"};
    ASSERT_TRUE(Choose(w.window, {"Import", "Select", "ROP..."}));
    ASSERT_TRUE(Choose(w.window, {"Options", "Offset ROP"}));
    EXPECT_TRUE(w.S().options.offsetRop);
    const QImage offset = manual::Screen(w.window);
    int changed = 0;
    for (int y = manual::RowY(w.window, 1140); y < manual::RowY(w.window, 1160); ++y)
        for (int x = w.G().rate.left; x < w.G().rate.Right(); ++x)
            changed += plain.pixel(x - w.G().horizontalScroll, y) != offset.pixel(x - w.G().horizontalScroll, y);
    EXPECT_GT(changed, 20 * w.G().rowHeight);
}

namespace {

void Station(Dialog& d, const char* md, const char* tvd, const char* incl, const char* azm)
{
    namespace id = elog::tvdid;
    d.SetText(id::Md, md);
    d.SetText(id::Tvd, tvd);
    d.SetText(id::Incl, incl);
    d.SetText(id::Azm, azm);
    d.Click(id::Save);
}

int SurveyNotesAt(shell::LogWindow& w, int depth)
{
    int n = 0;
    for (int i = 0; i < w.State().notes.memoCount; ++i) {
        const auto& m = w.State().notes.memos[std::size_t(i)];
        n += m.depth == depth && QString(m.text).startsWith("Survey@");
    }
    return n;
}

}  // namespace

// "Surveys and TVD": Enter Data (shown with Options > Drilling) takes the stations; View > TVD Log
// builds the log by true vertical depth as the "~" well and opens it.
TEST(ManualLasFiles, SurveysAreEnteredAndTheTvdLogIsBuiltAsAWellOfItsOwn)
{
    LasWindow w;
    EXPECT_EQ(manual::MenuItem(w.window, {"Enter Data"}), nullptr);
    ASSERT_TRUE(Choose(w.window, {"Options", "Drilling"}));
    ASSERT_TRUE(w.S().well.file.drilling);
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "TVD WELL DATA");
        Station(d, "1200", "1195", "12", "45");
        Station(d, "1300", "1285", "20", "46");
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(Choose(w.window, {"Enter Data", "Survey and/or Horizontal Data..."}));
    ASSERT_EQ(Dialog::PendingTestScripts(), 0);
    auto records = testing_support::FileRecords<wellfile::RECORD>(w.path);
    EXPECT_FLOAT_EQ(records[200].tvd, 1195);
    EXPECT_FLOAT_EQ(records[200].inclination, 12);
    EXPECT_FLOAT_EQ(records[300].azimuth, 46);
    EXPECT_EQ(SurveyNotesAt(w.window, 1300), 1);

    // TVD File Data notes a station on the log and leaves the depth records as they are.
    Dialog::QueueTestScript([](Dialog& d) {
        Station(d, "1350", "1330", "22", "46");
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(Choose(w.window, {"Enter Data", "TVD File Data"}));
    records = testing_support::FileRecords<wellfile::RECORD>(w.path);
    EXPECT_EQ(records[350].tvd, 0.0f);
    EXPECT_EQ(SurveyNotesAt(w.window, 1350), 1);
    ASSERT_TRUE(Choose(w.window, {"Options", "Drilling"}));
    ASSERT_FALSE(w.S().well.file.drilling);

    // View > TVD Log: built, named with "~" for the well's first letter, opened in a second copy of the
    // program.
    const QString tvd = w.folder + "~12.svm";
    QFile::remove(tvd);
    doubles().prompter.messages.clear();
    ASSERT_TRUE(Choose(w.window, {"View", "TVD Log"}));
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(doubles().prompter.messages.back().text, tvd);
    ASSERT_FALSE(doubles().shell.started.isEmpty());
    EXPECT_EQ(doubles().shell.started.back().program, QCoreApplication::applicationFilePath());
    EXPECT_EQ(doubles().shell.started.back().args, QStringList{tvd});
    const auto built = testing_support::FileRecords<wellfile::RECORD>(tvd);
    ASSERT_EQ(built.size(), std::size_t(1285 - 1000 + 1));  // one record a unit of true vertical depth
    EXPECT_EQ(built.back().depth, 1285);
    // Opened as a well of its own, its depths marked TVD.
    doubles().prompter.fileAnswers = {tvd};
    ASSERT_TRUE(Choose(w.window, {"File", "Open..."}));
    EXPECT_EQ(w.S().well.file.wellName, "~12");
    EXPECT_TRUE(logview::TitleRowOf(w.S(), w.window.width()).tvdFile);
}
