// The entry buffer: the window of records read for an entry and the merge that puts back only what the
// dialog changed, so bookings made under the dialog survive "Done".
#include "entry/entrybuffer.h"
#include "entry/flareentry.h"
#include "entry/gasentry.h"
#include "entry/rates.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/datafile.h"

#include <QFile>

#include <gtest/gtest.h>

#include <vector>

using testing_support::doubles;
using wellfile::RECORD;

namespace {

struct Well {
    wellfile::OpenWell well;
    QString path;
    explicit Well(int first = 990, int last = 1500)
    {
        path = testing_support::MakeWell(testing_support::TestDir() + "w/", "w.svm", first, last);
        well.dataFileName = path;
        well.fileTopDepth = first;
        well.fileBottomDepth = last;
        well.depthStep = 1;
    }
    RECORD At(int depth) const
    {
        const auto rows = testing_support::FileRecords<RECORD>(path);
        return rows.at(std::size_t(depth - well.fileTopDepth));
    }
    void Put(const RECORD& r) { ASSERT_TRUE(wellfile::WriteRecordAt(path, r.depth - well.fileTopDepth, &r, sizeof r)); }
};

}  // namespace

TEST(EntryBuffer, IsReadFromTenStepsAboveTheStartAndIsEmptyWhenTheFileCannotBeRead)
{
    Well w;
    EXPECT_EQ(entry::EntryRecordIndex(1250, 990, 1), 250);
    EXPECT_EQ(entry::EntryRecordIndex(1250, 990, 2), 125);
    std::vector<RECORD> buffer(3, testing_support::ValidRecord(5, 1, "100SH"));
    w.well.dataFileName = w.path + ".missing";
    EXPECT_EQ(entry::ReadEntryRecords(w.well, buffer, entry::kLithologyBufferRecords, 0, 200), 0);
    EXPECT_EQ(buffer.size(), 210u);
    EXPECT_EQ(buffer[0].depth, 0);
}

TEST(EntryBuffer, DonePutsBackOnlyTheTypedFieldsAndKeepsWhatOthersWroteMeanwhile)
{
    Well w;
    std::vector<RECORD> typed;
    const int count = entry::ReadEntryRecords(w.well, typed, entry::kEntryBufferRecords, 0, entry::kEntryReadRecords);
    const std::vector<RECORD> asRead = typed;
    const QByteArray before = testing_support::ReadBytes(w.path);

    // The dialog types rates into 1001 and 1005.
    typed[11].rateOdd = 4;
    typed[11].rateOne = 6;
    typed[11].rate2Ft = 5;
    typed[15].rateOdd = 9;
    // Meanwhile the gas monitor books total gas into 1005, and another writer a rate into 1002, which the
    // dialog did not touch, and one into 1001's second half, which it did.
    RECORD r1005 = w.At(1005);
    r1005.gas[wellfile::GAS_TG] = 120;
    w.Put(r1005);
    RECORD r1002 = w.At(1002);
    r1002.rateOne = 33;
    w.Put(r1002);
    RECORD r1001 = w.At(1001);
    r1001.rateOne = 44;
    w.Put(r1001);

    EXPECT_EQ(entry::WriteBackEntry(w.well, w.path, 0, count, asRead, typed, entry::FieldsOf(entry::EntryKind::Rates)), 100);
    EXPECT_FLOAT_EQ(w.At(1001).rateOdd, 4);
    EXPECT_FLOAT_EQ(w.At(1001).rateOne, 6);  // typed wins over the other writer
    EXPECT_FLOAT_EQ(w.At(1001).rate2Ft, 5);
    EXPECT_FLOAT_EQ(w.At(1005).gas[wellfile::GAS_TG], 120);
    EXPECT_FLOAT_EQ(w.At(1005).rateOdd, 9);
    EXPECT_FLOAT_EQ(w.At(1005).rateOne, 2);
    EXPECT_FLOAT_EQ(w.At(1002).rateOne, 33);
    // Only the window read was written: the rest of the file is as it was.
    const QByteArray after = testing_support::ReadBytes(w.path);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.mid(100 * wellfile::kRecordSize), before.mid(100 * wellfile::kRecordSize));
}

TEST(EntryBuffer, NothingIsWrittenIntoARecordThatMovedOrIntoAFileThatIsGone)
{
    Well w;
    std::vector<RECORD> typed;
    const int count = entry::ReadEntryRecords(w.well, typed, entry::kEntryBufferRecords, 0, 100);
    const std::vector<RECORD> asRead = typed;
    typed[3].rateOdd = 7;
    typed[4].rateOdd = 8;
    const auto fields = entry::FieldsOf(entry::EntryKind::Rates);

    // Record 993 now holds another depth (the file was adjusted under the dialog): it is left as it is.
    RECORD moved = w.At(993);
    moved.depth = 7777;
    ASSERT_TRUE(wellfile::WriteRecordAt(w.path, 3, &moved, sizeof moved));
    EXPECT_EQ(entry::WriteBackEntry(w.well, w.path, 0, count, asRead, typed, fields), 100);
    const auto rows = testing_support::FileRecords<RECORD>(w.path);
    EXPECT_EQ(rows[3].depth, 7777);
    EXPECT_FLOAT_EQ(rows[3].rateOdd, 2);
    EXPECT_FLOAT_EQ(rows[4].rateOdd, 8);
    // The value typed into it is not lost without a word.
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text,
              "1 values were not saved: their depths changed while the entry was open.");

    const QString gone = w.path + ".gone";
    EXPECT_EQ(entry::WriteBackEntry(w.well, gone, 0, count, asRead, typed, fields), 0);
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(doubles().prompter.messages.last().text, "File Open Failed In Save Records");
    EXPECT_FALSE(QFile::exists(gone));
}

// A buffer the file could not fill may hold no record at all: every entry then reads the end there,
// types into nothing and leaves no value behind for the next entry to read.
TEST(EntryBuffer, EntriesOnABufferWithoutRecordsTypeNothingAndReadTheEnd)
{
    std::vector<RECORD> none;
    EXPECT_EQ(entry::BufferRecord(none, 0), nullptr);
    std::int32_t rows = 0;
    entry::RateEntry rates(none, false, 1500, 1, 260, 10, rows);
    EXPECT_EQ(rates.Enter("5").outcome, entry::RateOutcome::Refused);
    EXPECT_EQ(rates.Enter("").outcome, entry::RateOutcome::Refused);

    float mudOut = 9.0f;
    std::int32_t mudOutDepth = 1000;
    entry::GasEntry gas(none, entry::GasEntryOptions{}, rows, mudOut, mudOutDepth);
    EXPECT_TRUE(gas.Enter("250").refused);
    EXPECT_TRUE(gas.Enter("").refused);
    EXPECT_EQ(gas.Current().depth, 0);

    entry::FlareEntry flare(none, 1500, 260, 10, rows);
    EXPECT_EQ(flare.Enter(QStringLiteral("30"), QStringLiteral("flare")).outcome, entry::FlareOutcome::Refused);

    // Past the ends of a real buffer the blank record stays blank whatever was typed before.
    std::vector<RECORD> one(1);
    one[0].depth = 1000;
    one[0].rateOdd = 4.0f;
    EXPECT_EQ(entry::RecordAt(one, 1).depth, 0);
    EXPECT_EQ(entry::RecordAt(one, -1).rateOdd, 0.0f);
    EXPECT_EQ(entry::RecordAt(one, 0).rateOdd, 4.0f);
    EXPECT_EQ(rows, 0);
}
