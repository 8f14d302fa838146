// Manual, 1. The first start and the demo well: a fresh home's first start, the Help items, a new well
// through File > New, File > Open through the file dialog, the recent wells of the File menu and the
// restart that opens the last well, all through the window's menu bar.
#include "logview/ui/titlerowpaint.h"
#include "manual/lasfilessteps.h"
#include "manual/menuitems.h"
#include "platform/draw/dc.h"
#include "platform/folders.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/files.h"
#include "support/recordingpainters.h"
#include "support/testmain.h"
#include "support/textrecord.h"
#include "support/wells.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>

using manual::Choose;
using platform::Dialog;
using testing_support::doubles;

namespace {

const QString kBuiltManual = QStringLiteral(STRATIVM_MANUAL_PDF);

// The program as started from its folder, with the manual the build put beside it.
std::unique_ptr<shell::LogWindow> Start()
{
    qputenv("USER", "tester");
    auto w = std::make_unique<shell::LogWindow>(nullptr, QStringLiteral("StrativM"));
    w->State().env.programFolder = QFileInfo(kBuiltManual).absolutePath() + u'/';
    w->SetupWindow();
    return w;
}

// The texts of the title band as the window draws it, with the x each stands at.
std::map<QString, int> TitleBand(shell::LogWindow& w)
{
    QImage image(1920, 400, QImage::Format_RGB32);
    platform::Dc dc(image);
    dc.RecordText(true);
    testing_support::RecordingPainters painters;
    logview::PaintTrackTitles(w.State(), dc, 1920, painters);
    std::map<QString, int> texts;
    for (const auto& [text, record] : testing_support::TextsByContent(dc))
        texts[text] = record->at.x;
    return texts;
}

// The texts of the visible line edits and labels of a dialog.
QStringList Fields(const Dialog& d, bool labels)
{
    QStringList out;
    if (labels) {
        for (const QLabel* l : d.findChildren<QLabel*>())
            if (l->isVisibleTo(&d))
                out << l->text();
    } else {
        for (const QLineEdit* e : d.findChildren<QLineEdit*>())
            if (e->isVisibleTo(&d) && !e->isReadOnly())
                out << e->objectName();
    }
    return out;
}

TEST(ManualFirstStart, DemoWellHelpNewOpenRecentWellsAndTheRestart)
{
    const QString install = platform::WithSlash(platform::CurrentFolderRoots().home) + "StrativM/";
    ASSERT_FALSE(QFileInfo::exists(install));
    auto w = Start();
    app::LogState* s = &w->State();

    // The first start made the install folder in the home folder with the demo well, the manual and the
    // page of new features, and opened the demo well from 1000 to 2600.
    EXPECT_TRUE(platform::SameFolder(s->env.installFolder, install));
    for (const char* name : {"elogdemo.svm", "SV-Manual.pdf", "features.txt"})
        EXPECT_TRUE(QFileInfo(install + name).isFile()) << name;
    EXPECT_EQ(QFileInfo(install + "SV-Manual.pdf").size(), QFileInfo(kBuiltManual).size());
    EXPECT_EQ(QFileInfo(s->well.file.dataFileName), QFileInfo(install + "elogdemo.svm"));
    EXPECT_EQ(s->well.file.fileTopDepth, 1000);
    EXPECT_EQ(s->well.file.fileBottomDepth, 2600);
    // Data in every track: rate, porosity, lithology and its interpretation, hardness, fluorescence and
    // cut, total gas and C1 to nC5, the mud weights, connections or trips, surveys; beside them the
    // descriptions, the tops, the shows and the reports.
    const auto demo = testing_support::FileRecords<wellfile::RECORD>(install + "elogdemo.svm");
    ASSERT_EQ(demo.size(), 1601u);
    const auto some = [&demo](const std::function<bool(const wellfile::RECORD&)>& has) {
        return std::any_of(demo.begin() + 1, demo.end(), has);
    };
    EXPECT_TRUE(some([](const wellfile::RECORD& r) { return r.rateOne > 0.5f; }));
    EXPECT_TRUE(some([](const wellfile::RECORD& r) { return r.porosity != 0 && r.hardness != 0; }));
    EXPECT_TRUE(some([](const wellfile::RECORD& r) {
        return platform::FieldText(r.lith) != "100BL" && r.interpretedLith[0];
    }));
    EXPECT_TRUE(some([](const wellfile::RECORD& r) { return r.fluorPercent != 0 && r.cutRating != 0; }));
    for (int g = 0; g < 8; ++g)
        EXPECT_TRUE(some([g](const wellfile::RECORD& r) { return r.gas[g] > 0; })) << "gas " << g;
    EXPECT_TRUE(some([](const wellfile::RECORD& r) { return r.mudWeightIn > 0 && r.mudWeightOut > 0; }));
    EXPECT_TRUE(some([](const wellfile::RECORD& r) { return r.tripCode >= 2 && r.tripCode <= 5; }));
    EXPECT_TRUE(some([](const wellfile::RECORD& r) { return r.tvd > 0; }));
    EXPECT_GT(s->notes.memoCount, 0);
    EXPECT_FALSE(s->well.tops.empty());
    EXPECT_GT(s->well.showDepthIndex[0], 0);
    EXPECT_GT(s->well.reportDepthIndex[0], 0);
    // The title band: the file, its depth range and the wireline curve file; below it the columns from
    // left to right: rate, porosity, lithology, HD, fluorescence and cut, descriptions, gas.
    std::map<QString, int> band = TitleBand(*w);
    QStringList texts;
    for (const auto& [text, x] : band)
        texts << text;
    EXPECT_TRUE(band.count(" FILE: ELOGDEMO.SVM  ")) << texts.join('|').toStdString();
    EXPECT_FALSE(texts.filter(QRegularExpression("^ FROM 1000  TO 2600 ")).isEmpty()) << texts.join('|').toStdString();
    EXPECT_TRUE(band.count(" CURVE FILE: ELOGDEMO.SVC ")) << texts.join('|').toStdString();
    const std::vector<int> columns = {band[" ROP MIN/M "], band[" POR "], band[" LITHOLOGY "], band[" HD "],
                                      band[" FLU "],       band[" CUT "], band[" GAS UNITS "]};
    EXPECT_TRUE(std::is_sorted(columns.begin(), columns.end()) && columns.front() > 0) << texts.join('|').toStdString();
    EXPECT_GT(s->layout.format.description.left, band[" CUT "]);
    EXPECT_LE(s->layout.format.description.Right(), band[" GAS UNITS "]);
    for (const char* component :
         {" C1  ppm ", " C2  ppm ", " C3  ppm ", " IC4   ppm ", " NC4  ppm ", " IC5   ppm ", " NC5  ppm "})
        EXPECT_TRUE(band.count(component)) << component;

    // Help: the manual and the new features open from the install folder; About shows the version.
    ASSERT_TRUE(Choose(*w, {"Help", "Strativ Manual"}));
    ASSERT_TRUE(Choose(*w, {"Help", "New Features"}));
    ASSERT_EQ(doubles().shell.opened.size(), 2);
    EXPECT_EQ(QFileInfo(doubles().shell.opened[0].program), QFileInfo(install + "SV-Manual.pdf"));
    EXPECT_EQ(QFileInfo(doubles().shell.opened[1].program), QFileInfo(install + "features.txt"));
    ASSERT_TRUE(Choose(*w, {"Help", "About"}));
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(doubles().prompter.messages[0].text.startsWith("Strativ Ver 26.5.31"));
    doubles().prompter.messages.clear();

    // File > New: the name and the start depth, the only two fields to type; no depth step is asked.
    QStringList edits, labels;
    Dialog::QueueTestScript([&](Dialog& d) {
        edits = Fields(d, false);
        labels = Fields(d, true);
        QTest::keyClicks(d.Control(101), "Reef Test 1");
        QTest::keyClicks(d.Control(102), "2005");
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(Choose(*w, {"File", "New..."}));
    EXPECT_EQ(edits.size(), 2);
    EXPECT_TRUE(labels.contains("File Name") && labels.contains("Start Depth")) << labels.join('|').toStdString();
    EXPECT_TRUE(labels.filter("step", Qt::CaseInsensitive).isEmpty()) << labels.join('|').toStdString();
    // The new well is open in drilling mode, made in the data folder with its side files. It begins 20
    // units above the start depth at the whole ten above it, and those first units hold no data.
    const QString made = s->well.file.dataFolder + "REEF_TEST_1.svm";
    EXPECT_EQ(QFileInfo(s->well.file.dataFileName), QFileInfo(made));
    EXPECT_TRUE(s->well.file.drilling);
    EXPECT_NE(manual::BarMenu(*w, "Enter Data"), nullptr);
    EXPECT_TRUE(QFileInfo(s->well.file.dataFolder + "REEF_TEST_1.cfg").isFile());
    EXPECT_EQ(s->well.file.fileTopDepth, 1980);
    EXPECT_EQ(s->well.file.fileBottomDepth, 2005);
    const auto rows = testing_support::FileRecords<wellfile::RECORD>(made);
    ASSERT_EQ(rows.size(), 26u);
    for (const wellfile::RECORD& r : rows) {
        EXPECT_EQ(r.gas[0], 0.0f) << r.depth;
        EXPECT_EQ(platform::FieldText(r.lith), "100BL") << r.depth;
    }
    // A LAS file of it starts 20 units below the file's top: a start above that is refused.
    QString offered, refusal;
    Dialog::QueueTestScript([&](Dialog& d) {
        offered = d.GetText(101);
        d.SetText(101, "1990");
        d.Click(platform::IDOK);
        if (!doubles().prompter.messages.isEmpty())
            refusal = doubles().prompter.messages.back().text;
        d.Click(platform::IDCANCEL);
    });
    ASSERT_TRUE(Choose(*w, {"Options", "Create  Las File..."}));
    EXPECT_EQ(offered, "2000");
    EXPECT_EQ(refusal, "Start Value out of Range");

    // File > Open: the file dialog asks for a ".svm" file and starts in the data folder; the well chosen
    // opens, wherever it is.
    const QString other = testing_support::MakeWell(testing_support::TestDir() + "elsewhere", "NORTH.svm", 500, 900);
    doubles().prompter.fileAnswers.push_back(other);
    ASSERT_TRUE(Choose(*w, {"File", "Open..."}));
    ASSERT_FALSE(doubles().prompter.fileRequests.isEmpty());
    EXPECT_TRUE(doubles().prompter.fileRequests.back().filter.contains("*.svm", Qt::CaseInsensitive));
    EXPECT_TRUE(platform::SameFolder(doubles().prompter.fileRequests.back().folder, s->well.file.dataFolder));
    EXPECT_EQ(QFileInfo(s->well.file.dataFileName), QFileInfo(other));
    EXPECT_EQ(s->well.file.fileBottomDepth, 900);

    // The wells opened stand at the end of the File menu; choosing one opens it again.
    const QStringList file = manual::ItemsOf(manual::BarMenu(*w, "File"));
    const qsizetype exit = file.indexOf("Exit");
    ASSERT_GE(exit, 0);
    const QStringList recent = file.mid(exit + 1);
    EXPECT_GE(recent.size(), 2) << file.join('|').toStdString();
    QString newWellItem;
    for (const QString& item : recent)
        if (QFileInfo(item) == QFileInfo(made))
            newWellItem = item;
    ASSERT_FALSE(newWellItem.isEmpty()) << recent.join('|').toStdString();
    ASSERT_TRUE(Choose(*w, {"File", newWellItem}));
    EXPECT_EQ(QFileInfo(s->well.file.dataFileName), QFileInfo(made));

    // File > Exit, and the next start opens the well worked on last.
    ASSERT_TRUE(Choose(*w, {"File", "Exit"}));
    w.reset();
    w = Start();
    s = &w->State();
    EXPECT_EQ(QFileInfo(s->well.file.dataFileName), QFileInfo(made));
    EXPECT_EQ(s->well.file.fileTopDepth, 1980);
}

}  // namespace
