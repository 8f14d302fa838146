// The start depth a log print offers and the last printed depth it leaves in the well's ".cfg".
#include "print/printrunfiles.h"

#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/wellconfig.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstring>

using namespace print;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

TEST(PrintRunFiles, StartDepthOffered)
{
    EXPECT_EQ(DefaultPrintStart(1800, 1500, 1000, 2600), 1500);
    EXPECT_EQ(DefaultPrintStart(1800, 2100, 1000, 2600), 1700);  // within 500 of the last depth
    EXPECT_EQ(DefaultPrintStart(1800, 1000, 1000, 2600), 1700);  // not below the first
    EXPECT_EQ(DefaultPrintStart(1800, 0, 1000, 2600), 1700);
}

TEST(PrintRunFiles, LastPrintedDepthChangesOnlyItsFourBytes)
{
    wellfile::WellPlace place = testing_support::MakePlace("W1");
    place.workingFolder = place.dataFolder;
    wellfile::WellConfig own = wellfile::DefaultWellConfig({});
    own.viewTopDepth = 1234;
    own.lastPrintedDepth = 900;
    const QString path = place.currentFolder + "W1.cfg";
    WriteBytes(path, &own, sizeof own);
    const QByteArray before = ReadBytes(path);
    // Another well's defaults in the working folder must not end up in this well's settings.
    wellfile::WellConfig other = wellfile::DefaultWellConfig({});
    other.viewTopDepth = 5555;
    WriteBytes(place.dataFolder + "default.cfg", &other, sizeof other);

    bool fieldSettings = false;
    ASSERT_TRUE(SaveLastPrintedDepth(place, fieldSettings, 2000));
    const QByteArray after = ReadBytes(path);
    ASSERT_EQ(after.size(), before.size());
    for (int i = 0; i < after.size(); ++i) {
        if (i < 3378 || i > 3381) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i;
        }
    }
    std::int32_t depth = 0;
    std::memcpy(&depth, after.constData() + 3378, 4);
    EXPECT_EQ(depth, 2000);

    // Settings that cannot be read whole are left alone.
    WriteBytes(path, QByteArray(100, 'x'));
    EXPECT_FALSE(SaveLastPrintedDepth(place, fieldSettings, 2400));
    EXPECT_EQ(ReadBytes(path), QByteArray(100, 'x'));
}
