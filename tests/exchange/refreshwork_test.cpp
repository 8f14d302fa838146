// The remote refresh's and the remote monitor's work on a bare well state, without a window: a file
// another station rewrote, followed by a view that showed its bottom and told in the well's time zone;
// a well outside the data folder following its bottom; the PDF hand-over.
#include "exchange/remoterefresh.h"
#include "exchange/wellexchange.h"

#include "app/environment.h"
#include "app/wellstate.h"
#include "app/windowgroups.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/datafile.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using testing_support::MakeWell;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

// The well W of 1000..`last` made in `current` and opened from there.
void Open(app::WellState& well, const QString& data, const QString& current, int last)
{
    MakeWell(current, "W.svm", 1000, last);
    wellfile::OpenWell& f = well.file;
    f.dataFolder = data;
    f.currentFolder = current;
    f.wellName = "W";
    f.dataFileName = current + "W.svm";
    f.customDataFileName = current + "W.svx";
    wellfile::ReadFileDepthRange(f, f.fileTopDepth, f.fileBottomDepth, false);
}

}  // namespace

TEST(RefreshWork, ARewrittenFileMovesAViewThatShowedItsBottomAndTellsTheTimeInTheWellsZone)
{
    const QString data = TestDir() + "data/";
    app::WellState well;
    Open(well, data, data, 1500);
    well.file.viewDepthSpan = 100;
    well.file.viewTopDepth = 1400;
    QString caption;
    well.file.hooks.setCaption = [&caption](const QString& text) { caption = text; };
    well.sharedFolderWell = true;
    well.timeZoneAdjust = 3;
    const QDateTime now(QDate(2026, 1, 15), QTime(10, 5));

    MakeWell(data, "W.svm", 1000, 1510);
    exchange::TakeRewrittenRecords(well, now, false, 1500);
    EXPECT_EQ(well.file.fileBottomDepth, 1510);
    EXPECT_EQ(well.file.viewTopDepth, 1410);
    EXPECT_TRUE(exchange::BottomMoved(well.file, 1500));
    EXPECT_EQ(well.updateText.toStdString(), " 1:05 PM,   1/15/2026  ");
    EXPECT_TRUE(caption.startsWith("StrativM    W.svm  Last Updated  ")) << caption.toStdString();
    EXPECT_EQ(caption, well.captionText);

    // An offset beyond a day is none; a view above the bottom stays; an odd bottom reads no indexes.
    well.timeZoneAdjust = 25;
    well.file.viewTopDepth = 1200;
    MakeWell(data, "W.svm", 1000, 1521);
    exchange::TakeRewrittenRecords(well, now, false, 1510);
    EXPECT_EQ(well.file.viewTopDepth, 1200);
    EXPECT_FALSE(exchange::BottomMoved(well.file, 1510));
    EXPECT_EQ(well.updateText.toStdString(), "10:05 AM,   1/15/2026  ");
}

TEST(RefreshWork, OnlyAWellOutsideTheDataFolderOrAViewedWellFollowsItsBottom)
{
    const QString data = TestDir() + "data/", shared = TestDir() + "shared/";
    app::WellState well;
    Open(well, data, shared, 1500);
    MakeWell(shared, "W.svm", 1000, 1502);
    bool moved = false;
    EXPECT_TRUE(exchange::FollowSharedBottom(well.file, moved));
    EXPECT_TRUE(moved);
    EXPECT_EQ(well.file.fileBottomDepth, 1502);

    // The data folder spelt another way is the data folder: nothing is read but for a viewed well.
    well.file.dataFolder = shared + "./";
    MakeWell(shared, "W.svm", 1000, 1504);
    EXPECT_FALSE(exchange::FollowSharedBottom(well.file, moved));
    EXPECT_FALSE(moved);
    EXPECT_FALSE(exchange::FollowOtherStation(well.file, false));
    EXPECT_EQ(well.file.fileBottomDepth, 1502);
    EXPECT_TRUE(exchange::FollowOtherStation(well.file, true));
    EXPECT_EQ(well.file.fileBottomDepth, 1504);
}

TEST(RefreshWork, APdfAskedForIsHandedOverOnceAndOneNotAskedForIsDeleted)
{
    const QString data = TestDir() + "data/";
    app::WellState well;
    Open(well, data, data, 1010);
    app::Environment env;
    env.installFolder = TestDir() + "install/";
    app::DrillingShell drilling;
    drilling.pdfHandOver = true;
    drilling.pdfTarget = TestDir() + "handed.pdf";
    drilling.secondPdfName = "Second";
    WriteBytes(data + "StrativM.pdf", "log");
    WriteBytes(data + "Second.pdf", "stale");
    exchange::RunRefreshChores({}, well, env, drilling);
    EXPECT_EQ(ReadBytes(TestDir() + "handed.pdf"), "log");
    EXPECT_FALSE(drilling.pdfHandOver);
    EXPECT_FALSE(QFile::exists(data + "StrativM.pdf"));
    EXPECT_FALSE(QFile::exists(data + "Second.pdf"));
}

// One watch of the curve file: the one beside the data file another station writes, in the open file's
// folder; a curve file of the same name in the data folder is not the well's.
TEST(RefreshWork, TheCurveFileIsWatchedBesideTheDataFile)
{
    const QString data = TestDir() + "data/", shared = TestDir() + "shared/";
    app::WellState well;
    Open(well, data, shared, 1500);
    QDir().mkpath(data);
    const auto write = [](const QString& path, int minute) {
        WriteBytes(path, "curves");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime(QDate(2026, 1, 15), QTime(10, minute)), QFileDevice::FileModificationTime);
    };
    write(shared + "W.svc", 1);
    write(data + "W.svc", 1);
    const exchange::CurveFileNews first = exchange::LookAtCurveFile(well);
    EXPECT_EQ(first.path, shared + "W.svc");
    EXPECT_TRUE(first.firstSight);
    write(data + "W.svc", 2);
    EXPECT_FALSE(exchange::CurveFileChanged(well, data + "W.svc"));
    EXPECT_FALSE(exchange::LookAtCurveFile(well).changed);
    write(shared + "W.svc", 3);
    EXPECT_TRUE(exchange::CurveFileChanged(well, shared + "W.svc"));
    write(shared + "W.svc", 4);
    const exchange::CurveFileNews later = exchange::LookAtCurveFile(well);
    EXPECT_TRUE(later.changed && !later.firstSight);
}
