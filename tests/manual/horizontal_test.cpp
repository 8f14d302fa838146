// Manual, 9. The horizontal view: opened from the View menu on the wells it draws, set up, given a target
// from a text file, and showing the notes written with a leading "~" on the log.
#include "app/ui/vertnoteedit.h"
#include "horizontal/horzsetupform.h"
#include "horizontal/ui/horzdlg.h"
#include "logview/geometryof.h"
#include "manual/lasfilessteps.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/deviatedwell.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

using manual::Choose;
using platform::Dialog;
using testing_support::doubles;

namespace {

constexpr const char* kRefused = "No Horizontal data available.Must have 4 or more surveys,\nwith INCL GREATER THAN 10 deg";

struct HorizontalWindow {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString folder;
    HorizontalWindow()
    {
        EXPECT_TRUE(testing_support::ShowDemoWindow(window));
        folder = S().well.file.dataFolder;
    }
    app::LogState& S() { return window.State(); }
    horizontal::HorzDlg* View() { return qobject_cast<horizontal::HorzDlg*>(window.Tools().horzView.data()); }
    // Opens the well `name` of records 1000 to 1400 with survey stations of `inclination` at `stations`.
    void OpenWell(const QString& name, std::initializer_list<int> stations, float inclination)
    {
        std::vector<wellfile::RECORD> rows = manual::KnownRecords(1000, 1400);
        for (int d : stations) {
            wellfile::RECORD& r = rows[std::size_t(d - 1000)];
            r.inclination = inclination;
            r.azimuth = 45;
            r.tvd = float(d - 20);
            r.verticalSection = float(d - 1050);
        }
        testing_support::WriteRecords(folder + name, rows);
        ASSERT_EQ(window.OpenDataFile(folder + name), 1);
    }
    // View > Horizontal: whether the view opened; a view that opened is closed again by the same item.
    bool Opens()
    {
        doubles().prompter.messages.clear();
        EXPECT_TRUE(Choose(window, {"View", "Horizontal"}));
        if (!View()) {
            EXPECT_EQ(doubles().prompter.messages.value(0).text, kRefused);
            return false;
        }
        EXPECT_TRUE(View()->isVisible());
        EXPECT_TRUE(Choose(window, {"View", "Horizontal"}));
        EXPECT_EQ(View(), nullptr);
        return true;
    }
};

}  // namespace

// "It needs four or more surveys with more than 10 degrees of inclination", or one of 30 degrees.
TEST(ManualHorizontal, TheViewOpensOnFourSurveysOver10DegreesOrOneOf30)
{
    HorizontalWindow w;
    w.OpenWell("A12.svm", {1100, 1150, 1200}, 20);
    EXPECT_FALSE(w.Opens());
    w.OpenWell("B12.svm", {1100, 1150, 1200, 1250}, 20);
    EXPECT_TRUE(w.Opens());
    w.OpenWell("C12.svm", {1100, 1150, 1200, 1250}, 10);
    EXPECT_FALSE(w.Opens());
    w.OpenWell("D12.svm", {1200}, 30);
    EXPECT_TRUE(w.Opens());
}

// The demo well's horizontal part with a "~" note of the log, the target imported from a text file, and
// the options set from the Setup menu.
TEST(ManualHorizontal, TheViewShowsTheTargetAndTheTildeNotesAndTakesItsOptions)
{
    HorizontalWindow w;
    const QString well = w.S().well.file.wellName;

    // A note on the log whose text begins with "~": a frame dragged with Ctrl, the text, Ctrl+Enter.
    w.S().well.file.viewTopDepth = 2480;
    manual::Screen(w.window);
    const logview::ViewGeometry g = logview::GeometryOf(w.S());
    const int x = g.gas.left + 100, y = manual::RowY(w.window, 2500);
    QTest::mousePress(&w.window, Qt::LeftButton, Qt::ControlModifier, manual::At(w.window, x, y));
    QTest::mouseMove(&w.window, manual::At(w.window, x + 100, y + 30));
    QTest::mouseMove(&w.window, manual::At(w.window, x + 150, y + 60));
    QTest::mouseRelease(&w.window, Qt::LeftButton, Qt::ControlModifier, manual::At(w.window, x + 150, y + 60));
    QCoreApplication::processEvents();
    const auto edits = w.window.findChildren<app::VertNoteEdit*>();
    ASSERT_EQ(edits.size(), 1);
    QTest::keyClicks(edits[0], "~sand top");
    QTest::keyClick(edits[0], Qt::Key_Return, Qt::ControlModifier);

    // Import > Import Horizontal Target Data.. from the directional company's text file.
    testing_support::WriteBytes(w.folder + "plan.txt", "Planned well path\n~Target\nMD\nTVD\nVS\n#\nft ft ft\n"
                                                      "2200 2150 100\n2300 2190 200\n2400 2200 300\n");
    doubles().prompter.fileAnswers = {w.folder + "plan.txt"};
    doubles().prompter.messages.clear();
    ASSERT_TRUE(Choose(w.window, {"Import", "Import Horizontal Target Data.."}));
    EXPECT_EQ(doubles().prompter.messages.value(0).text, "Import Done");
    const auto target = testing_support::FileRecords<float>(w.S().well.file.currentFolder + well + ".trg");
    ASSERT_EQ(target.size(), 18u);
    EXPECT_EQ(target[6], 2300.0f);   // MD
    EXPECT_EQ(target[7], 2190.0f);   // TVD
    EXPECT_EQ(target[10], 200.0f);   // VS

    // The view as it first draws, with the gas.
    ASSERT_TRUE(Choose(w.window, {"View", "Horizontal"}));
    ASSERT_NE(w.View(), nullptr);
    EXPECT_TRUE(w.View()->Settings().drawGas);
    const QImage withGas = w.View()->Image().copy();
    ASSERT_TRUE(Choose(w.window, {"View", "Horizontal"}));

    // Setup > Horizontal Options...: the target file is named, the gas taken off, the gamma scale changed.
    namespace id = horizontal::setupid;
    Dialog::QueueTestScript([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Strativ Horizontal Setup");
        EXPECT_TRUE(d.GetText(id::TargetFile).endsWith(well + ".trg"));
        d.SetCheck(id::DrawGas, 0);
        d.SetSelIndex(id::GammaScale, 2);
        d.Click(id::Save);
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(Choose(w.window, {"Setup", "Horizontal Options..."}));
    ASSERT_EQ(Dialog::PendingTestScripts(), 0);

    ASSERT_TRUE(Choose(w.window, {"View", "Horizontal"}));
    horizontal::HorzDlg* view = w.View();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->Plot().targetLoaded);
    EXPECT_FALSE(view->Settings().drawGas);
    EXPECT_NE(view->Image(), withGas);
    EXPECT_EQ(view->Settings().gammaScale, 3);
    bool noted = false;
    for (int i = 0; i < view->Notes().count; ++i) {
        const wellfile::HTEXTEX& n = view->Notes().notes[std::size_t(i)];
        if (QString(n.text) == "sand top" && n.depth == 2500) {
            noted = true;
            EXPECT_GT(int(n.box[2]), int(n.box[0]));  // drawn on the plot
        }
    }
    EXPECT_TRUE(noted);
    // While the view is open its options wait for it to close.
    doubles().prompter.messages.clear();
    ASSERT_TRUE(Choose(w.window, {"Setup", "Horizontal Options..."}));
    EXPECT_EQ(doubles().prompter.messages.value(0).text, "You must close the horizontal view to access this dialog");
}
