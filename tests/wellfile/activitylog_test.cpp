#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/activitylog.h"
#include "wellfile/checkheader.h"
#include "wellfile/wellheader.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstring>

using namespace wellfile;
using testing_support::TestDir;

namespace {

QByteArray LogBytes()
{
    return testing_support::ReadBytes(TestDir() + "svdata-M.txt");
}

ActivityLogContext Context(bool drilling)
{
    ActivityLogContext c;
    c.dataFolder = TestDir();
    c.viewScale = 1;
    if (drilling)
        c.drilling = DrillingFigures{12, 90, 1234};
    return c;
}

}  // namespace

TEST(ActivityLog, EntriesAreAppendedWithLabelAndLineEnd)
{
    std::string text;
    EXPECT_FALSE(WriteActivityLog(text, Context(false)));
    EXPECT_FALSE(QFile::exists(TestDir() + "svdata-M.txt"));

    text = "Opened by Ann 1500 Well1";
    EXPECT_TRUE(WriteActivityLog(text, Context(false)));
    EXPECT_TRUE(text.empty());
    text = std::string(1800, 'a');
    ActivityLogContext tenFoot = Context(false);
    tenFoot.viewScale = 3;
    EXPECT_TRUE(WriteActivityLog(text, tenFoot));
    text = std::string(1801, 'a');
    EXPECT_TRUE(WriteActivityLog(text, Context(false)));
    EXPECT_TRUE(text.empty());

    EXPECT_EQ(LogBytes(), QByteArray("Opened by Ann 1500 Well1 1 Ft\n\r") + QByteArray(1800, 'a') +
                              " 10 Ft\n\rInvalid data. text string to long 1 Ft\n\r");
}

TEST(ActivityLog, DrillingEntriesCarryTheDrillingFigures)
{
    std::string text = "Well opened by Ann";
    EXPECT_TRUE(WriteActivityLog(text, Context(true)));
    text = "Auto Start";
    ActivityLogContext noLabel = Context(true);
    noLabel.viewScale = 7;  // no label rather than a read past the table
    EXPECT_TRUE(WriteActivityLog(text, noLabel));
    text = std::string(1801, 'b');
    EXPECT_TRUE(WriteActivityLog(text, Context(true)));

    EXPECT_EQ(LogBytes(), QByteArray("WELL OPENED BY ANN\n12 FPH  1.50 MGD=1234 1 Ft\n\r"
                                     "AUTO START 12 FPH  1.50 MGD=1234\n\r"
                                     "INVALID DATA. TEXT STRING TO LONG 12 FPH  1.50 MGD=1234 1 Ft\n\r"));
}

TEST(ActivityLog, UnwritableLogStillEmptiesTheText)
{
    ActivityLogContext c = Context(false);
    c.dataFolder = TestDir() + "nowhere/";
    std::string text = "Exit";
    EXPECT_FALSE(WriteActivityLog(text, c));
    EXPECT_TRUE(text.empty());
}

TEST(CheckHeader, RegionOfTheStateText)
{
    EXPECT_EQ(RegionOfState("Colorado"), 0);
    EXPECT_EQ(RegionOfState("Texas"), -1);
    EXPECT_EQ(RegionOfState("Mexico City"), -2);
    // Written out, New Mexico matches "MEXICO" before its abbreviation's rule is reached.
    EXPECT_EQ(RegionOfState("New Mexico"), -2);
    EXPECT_EQ(RegionOfState("NM"), 0);
    EXPECT_EQ(RegionOfState("Alberta"), -1);
}

TEST(CheckHeader, ReadsTheWellsHeader)
{
    WellPlace place;
    place.dataFolder = TestDir();
    place.currentFolder = TestDir() + "local/";
    place.wellName = "Well1";
    QDir().mkpath(place.currentFolder);
    EXPECT_EQ(CheckHeader(place), -1);  // no header

    QByteArray header(2052, '\0');
    std::memcpy(header.data() + 220, "Pennsylvania", 12);
    testing_support::WriteBytes(place.currentFolder + "Well1.hdr", header);
    EXPECT_EQ(CheckHeader(place), 0);
}
