// The well title, company and KB elevation read from the header files as they come from the field.
#include "drilling/welltitle.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace drilling;

namespace {

class WellTitleTest : public ::testing::Test {
protected:
    wellfile::WellPlace Place() const
    {
        wellfile::WellPlace place;
        place.dataFolder = place.currentFolder = testing_support::TestDir();
        place.wellName = "BRAVO";
        return place;
    }
    void WriteHeader(QByteArray bytes) { testing_support::WriteBytes(Place().currentFolder + "BRAVO.hdr", bytes); }
    static void Put(QByteArray& bytes, int at, const QByteArray& text) { bytes.replace(at, text.size(), text); }
};

TEST_F(WellTitleTest, TitleCompanyAndKbComeFromTheirFields)
{
    QByteArray h(2052, '\0');
    Put(h, 0, "Acme Customer One Drilling");
    Put(h, 80, "Bravo #1");
    Put(h, 540, "KB 820.5 ft");
    WriteHeader(h);
    const WellTitle t = ReadWellTitle(Place(), 12);
    EXPECT_EQ(t.title, "Bravo #1");
    EXPECT_EQ(t.company, "Acme Customer One Drilling");
    EXPECT_TRUE(t.companyFlag);  // the flagged name in any letter case
    EXPECT_FLOAT_EQ(t.kb, 820.5f);

    // A title filling its field without a NUL is read within the field; a KB text without digits is 0.
    h.fill('\0');
    Put(h, 80, QByteArray(80, 'W'));
    Put(h, 160, "FIELD");
    Put(h, 540, "none");
    Put(h, 0, "Other Co");
    WriteHeader(h);
    const WellTitle full = ReadWellTitle(Place(), 12);
    EXPECT_EQ(full.title, std::string(80, 'W'));
    EXPECT_FALSE(full.companyFlag);
    EXPECT_EQ(full.kb, 0.0f);
}

TEST_F(WellTitleTest, OlderFormatsReadTheOlderHeaderAndNoHeaderSaysSo)
{
    QByteArray old(1450, '\0');
    Put(old, 0, "Old Co");
    Put(old, 80, "Old Well");
    Put(old, 530, "1234.5");
    Put(old, 540, "999");  // today's KB place holds something else in the older header
    WriteHeader(old);
    for (const int format : {3, 7}) {
        const WellTitle t = ReadWellTitle(Place(), format);
        EXPECT_EQ(t.title, "Old Well");
        EXPECT_FLOAT_EQ(t.kb, 1234.5f) << format;
    }

    QFile::remove(Place().currentFolder + "BRAVO.hdr");
    const WellTitle none = ReadWellTitle(Place(), 12);
    EXPECT_EQ(none.title, "No Header File");
    EXPECT_EQ(none.company, "No Header File");
    EXPECT_FALSE(none.companyFlag);
    EXPECT_EQ(none.kb, 0.0f);
}

TEST(BackupReminderText, ShortTextsAsGivenElseTheLastFullBackupDepth)
{
    EXPECT_EQ(BackupReminderText(2500, {}), "Last Full Back Up = 2500");
    EXPECT_EQ(BackupReminderText(2500, "Backup failed"), "Backup failed");
    EXPECT_EQ(BackupReminderText(2500, QString(40, u'x')), "Last Full Back Up = 2500");
}

}  // namespace
