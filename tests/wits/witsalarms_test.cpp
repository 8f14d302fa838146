// The WITS alarm table: its file, the feeders' steps on the steady clock, the alarm it raises (sound,
// pop-up or mailer) and the resets that clear an entry.
#include "alarmfiles.h"
#include "platform/folders.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

using namespace wits;
using namespace wits_testing;
using testing_support::doubles;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

constexpr std::int64_t kMinute = 60'000;

// The pop-up as the table sees it, recording what it was asked.
class RecordingPopup final : public AlarmPopup {
public:
    bool shown = true;
    int showAgain = 0;
    QStringList texts;
    QList<int> channels;
    bool IsShown() const override { return shown; }
    void ShowAgain() override { shown = true, ++showAgain; }
    void SetAlarmText(const QString& text, int channel) override
    {
        if (shown)
            texts << text;
        channels << channel;
    }
    void TableGone() override {}
};

// The owner's side of a table: a profile, recording pop-ups and hooks.
struct Owner {
    int profile = 0;
    int reloads = 0;
    int recaptures = 0;
    std::vector<std::unique_ptr<RecordingPopup>> popups;
    WitsAlarms table{Host()};  // after the pop-ups, so that it goes before them

    WitsAlarmHost Host()
    {
        WitsAlarmHost h;
        h.dataFolder = [] { return TestDir(); };
        h.profile = [this] { return profile; };
        h.makePopup = [this](WitsAlarms&, int channel, const QString& text) {
            popups.push_back(std::make_unique<RecordingPopup>());
            popups.back()->SetAlarmText(text, channel);
            return popups.back().get();
        };
        h.reloadEngineTable = [this] { ++reloads; };
        h.recaptureDepthBox = [this] { ++recaptures; };
        return h;
    }
    // Feeds `v` at `minutes` on the test clock; returns the sounds played so far.
    qsizetype FeedAt(double minutes, int channel, float v, WitsLimits limits = WitsLimits::Strict)
    {
        doubles().clock.ms = std::int64_t(minutes * kMinute);
        table.Feed(channel, v, limits);
        return doubles().sounder.played.size();
    }
};

}  // namespace

TEST(WitsAlarmFile, EntriesAreByteImagesAndAFileOfAnyLengthFillsTheBlockFromItsStart)
{
    WitsAlarmBlock block{};
    block[0] = Limits(80.0f, 0, 0, 0x11223344);
    ASSERT_TRUE(SaveWitsAlarmFile(TestDir(), block));
    const QByteArray file = testing_support::ReadExistingBytes(AlarmFile());
    ASSERT_EQ(file.size(), 8000);
    EXPECT_EQ(file.mid(4, 4), QByteArray::fromHex("0000a042"));
    EXPECT_EQ(file.mid(32, 5), QByteArray::fromHex("0144332211"));  // Notify unaligned, just after Enabled

    WitsAlarmBlock read;
    std::memset(static_cast<void*>(read.data()), 0x5a, sizeof read);
    WriteBytes(AlarmFile(), file.left(320));
    EXPECT_TRUE(LoadWitsAlarmFile(TestDir(), read));
    EXPECT_EQ(BytesOf(read[0]), file.left(160));
    EXPECT_TRUE(AllZero(BytesOf(read).mid(160)));

    const QByteArray longer = QByteArray(8000, '\x07') + QByteArray(1000, '\x09');
    WriteBytes(AlarmFile(), longer);
    EXPECT_TRUE(LoadWitsAlarmFile(TestDir(), read));
    EXPECT_EQ(BytesOf(read), longer.left(8000));

    WriteBytes(AlarmFile(), QByteArray());
    EXPECT_FALSE(LoadWitsAlarmFile(TestDir(), read));
    EXPECT_TRUE(AllZero(BytesOf(read)));
}

TEST(WitsAlarms, OnlyEnabledLimitsAreFedAndReadingsOfAnEarlierRunAreDropped)
{
    {
        Owner none;  // no file
        for (int ch = 0; ch < kWitsAlarmChannels; ++ch)
            none.FeedAt(0, ch, -1e9f), none.FeedAt(5, ch, 1e9f), none.FeedAt(10, ch, 1e9f);
        EXPECT_TRUE(doubles().sounder.played.isEmpty());
        EXPECT_TRUE(AllZero(BytesOf(none.table.Entries())));
        EXPECT_FALSE(QFile::exists(AlarmFile()));
    }
    WitsAlarmBlock block{};
    block[1] = Limits(100, 0, 0);
    block[1].Enabled = 0;  // both limits saved as 0 look so, and a file made elsewhere may
    block[kFlowChannel] = Limits(100, 0, 2);
    block[kFlowChannel].MinutesOut = 9;  // would fire at once
    block[kFlowChannel].Since = 123456;
    WriteAlarmFile(block);
    Owner owner;
    EXPECT_EQ(float(owner.table.Entry(kFlowChannel).Since), 0.0f);
    EXPECT_EQ(float(owner.table.Entry(kFlowChannel).Low), 100.0f);
    owner.FeedAt(1, 1, 50), owner.FeedAt(5, 1, 50);
    EXPECT_EQ(float(owner.table.Entry(1).Value), 0.0f) << "nothing is stored";
    EXPECT_EQ(owner.FeedAt(10, kFlowChannel, 50), 0) << "the spell starts now, not in the earlier run";
}

TEST(WitsAlarms, AValueOnTheLimitStartsAnInclusiveSpellButOnlyAValueBeyondItFires)
{
    WitsAlarmBlock block{};
    block[kBitDepthChannel] = Limits(0, 1000, 1);
    WriteAlarmFile(block);
    Owner owner;
    for (double t : {0.0, 1.0, 3.0, 6.0})
        EXPECT_EQ(owner.FeedAt(t, kBitDepthChannel, 1000.0f, WitsLimits::Inclusive), 0);
    EXPECT_GT(float(owner.table.Entry(kBitDepthChannel).MinutesOut), 1.0f) << "the spell is running";
    EXPECT_EQ(owner.FeedAt(6.1, kBitDepthChannel, 1000.5f, WitsLimits::Inclusive), 1);
    ASSERT_EQ(owner.popups.size(), 1u);
    EXPECT_EQ(owner.popups[0]->texts.last(), "Bit depth= 1000.50 ");
}

TEST(WitsAlarms, AOneShotEntryFiresOnTheSecondValueAndIsThenClearedInTableAndFile)
{
    WitsAlarmBlock block{};
    block[kFlowChannel] = Limits(100, 0, 0, 1);
    block[1] = Limits(0.5f, 0, 3);
    WriteAlarmFile(block);
    Owner owner;
    EXPECT_EQ(owner.FeedAt(0, kFlowChannel, 50), 0);  // the clock's first millisecond starts a spell too
    ASSERT_EQ(owner.FeedAt(1, kFlowChannel, 50), 1);
    EXPECT_EQ(doubles().sounder.played[0], TestDir() + "Wits Alarm.wav");
    ASSERT_EQ(owner.popups.size(), 1u);
    EXPECT_EQ(owner.popups[0]->texts.last(), "FLOW OUT OF RANGE");
    EXPECT_EQ(owner.recaptures, 1);
    EXPECT_EQ(owner.reloads, 0) << "a one-shot clear does not reload the engine's table";

    WitsAlarmEntry cleared{};
    cleared.Notify = 1;
    EXPECT_EQ(BytesOf(owner.table.Entry(kFlowChannel)), BytesOf(cleared));
    EXPECT_EQ(FileEntry(kFlowChannel), BytesOf(cleared));
    EXPECT_EQ(FileEntry(1), BytesOf(block[1]));
    EXPECT_EQ(owner.FeedAt(5, kFlowChannel, 50), 1);
}

TEST(WitsAlarms, TheTimeIsWaitedBeforeTheAlarmAndBetweenRepeatsAndAgainAfterAReturnToRange)
{
    WitsAlarmBlock block{};
    block[kFlowChannel] = Limits(100, 0, 2);
    WriteAlarmFile(block);
    Owner owner;
    const int ch = kFlowChannel;
    EXPECT_EQ(owner.FeedAt(1, ch, 50), 0);
    EXPECT_EQ(owner.FeedAt(2, ch, 50), 0);
    EXPECT_EQ(owner.FeedAt(3, ch, 50), 0) << "out of range for exactly the time: not yet";
    EXPECT_EQ(owner.FeedAt(3.5, ch, 50), 1);
    EXPECT_EQ(owner.popups[0]->texts.last(), "FLOW OUT OF RANGE");
    EXPECT_EQ(owner.FeedAt(5.5, ch, 50), 1);
    EXPECT_EQ(owner.FeedAt(5.6, ch, 40), 2) << "the next alarm two minutes after the last";
    EXPECT_EQ(owner.popups.size(), 1u);

    // Back in range (a limit itself is, for a strict feeder), then out again: the new spell waits the
    // whole time, however long the last one ran.
    EXPECT_EQ(owner.FeedAt(6, ch, 100), 2);
    EXPECT_EQ(owner.FeedAt(7, ch, 50), 2);
    EXPECT_EQ(owner.FeedAt(9, ch, 50), 2);
    EXPECT_EQ(owner.FeedAt(9.1, ch, 50), 3);
}

TEST(WitsAlarms, TheDefaultMessageIsTheNameWithItsBlanksAndEveryChannelOfATableSharesOnePopup)
{
    WitsAlarmBlock block{};
    block[10] = block[7] = block[12] = Limits(0, 20, 0);
    WriteAlarmFile(block);
    Owner owner;
    for (int ch : {10, 7})
        owner.FeedAt(0, ch, 30), owner.FeedAt(1, ch, 30);
    ASSERT_EQ(owner.popups.size(), 1u);
    RecordingPopup& popup = *owner.popups[0];
    EXPECT_EQ(popup.texts, (QStringList{" H2S OUT OF RANGE", " H2S OUT OF RANGE", " GAIN OR LOSS  OUT OF RANGE"}));

    // Hidden by its "Close", the pop-up is shown again by the next alarm of any channel.
    popup.shown = false;
    owner.FeedAt(0, 12, 30), owner.FeedAt(1, 12, 30);
    EXPECT_EQ(popup.showAgain, 1);
    EXPECT_EQ(popup.texts.last(), "CO OUT OF RANGE");
    EXPECT_EQ(popup.channels.last(), 12);
    EXPECT_EQ(owner.popups.size(), 1u);
}

TEST(WitsAlarms, ForTheMailingCompaniesANotifyingEntryStartsTheMailerInsteadOfSoundingAndShowing)
{
    WitsAlarmBlock block{};
    block[kFlowChannel] = Limits(100, 0, 0, 1);
    block[kSpm1Channel] = Limits(0, 120, 1, 1);
    WriteAlarmFile(block);
    Owner owner;
    owner.profile = 12;
    owner.FeedAt(0, kFlowChannel, 50), owner.FeedAt(1, kFlowChannel, 50);
    ASSERT_EQ(doubles().shell.started.size(), 1);
    EXPECT_EQ(doubles().shell.started[0].program, TestDir() + "SVSmtp.exe");
    EXPECT_EQ(doubles().shell.started[0].args, (QStringList{"/ALARM", "FLOW"}));
    EXPECT_TRUE(doubles().sounder.played.isEmpty());
    EXPECT_TRUE(owner.popups.empty());
    // The one-shot entry is reset, its e-mail flag too.
    EXPECT_TRUE(AllZero(BytesOf(owner.table.Entry(kFlowChannel))));
    EXPECT_TRUE(AllZero(FileEntry(kFlowChannel)));
    EXPECT_EQ(owner.reloads, 1);

    // The mailer named in the settings store; an entry with a time stays; profile 2 mails too.
    platform::WriteSetting(QStringLiteral("ALARMS/MAILER"), QStringLiteral("/usr/local/bin/alarm-mail"));
    owner.profile = 2;
    owner.FeedAt(10, kSpm1Channel, 130), owner.FeedAt(11.1, kSpm1Channel, 130);
    ASSERT_EQ(doubles().shell.started.size(), 2);
    EXPECT_EQ(doubles().shell.started[1].program, "/usr/local/bin/alarm-mail");
    EXPECT_EQ(doubles().shell.started[1].args, (QStringList{"/ALARM", "SPM1"}));
    EXPECT_EQ(std::int32_t(owner.table.Entry(kSpm1Channel).Notify), 1);

    // Any other company sounds the alarm whatever the entry's flag.
    owner.profile = 4;
    EXPECT_EQ(owner.FeedAt(13, kSpm1Channel, 130), 1);
    EXPECT_EQ(doubles().shell.started.size(), 2);
}

TEST(WitsAlarms, ClearingAnEntryKeepsLimitsSetInTheFileSinceTheTableWasLoaded)
{
    WitsAlarmBlock block{};
    block[kFlowChannel] = Limits(100, 0, 0, 1);
    block[11] = Limits(0, 5, 2, 1);
    WriteAlarmFile(block);
    Owner owner;  // as the custom link's table, never reloaded
    block[1] = Limits(2, 10, 4);  // set in the dialog afterwards
    WriteAlarmFile(block);

    owner.FeedAt(0, kFlowChannel, 50), owner.FeedAt(1, kFlowChannel, 50);
    EXPECT_EQ(owner.table.Reset(11), 1);
    EXPECT_EQ(owner.reloads, 1);
    EXPECT_EQ(FileEntry(1), BytesOf(block[1]));
    EXPECT_TRUE(AllZero(FileEntry(11)));
    EXPECT_TRUE(AllZero(FileEntry(kFlowChannel).left(33)));

    // A file that cannot be written is said so.
    QFile::remove(AlarmFile());
    ASSERT_TRUE(QDir().mkdir(AlarmFile()));
    EXPECT_EQ(owner.table.Reset(11), 0);
    EXPECT_EQ(owner.table.Save(owner.table.Entries()), 0);
}
