// The "Lines and Scales" command on an open well, driven through dialog scripts: the scale lists it
// offers, what "Save and Close" leaves in the settings files and the window, what Cancel leaves alone,
// and the scale changes over depth intervals, written only when the dialog is saved.
#include "app/opendatafile.h"
#include "app/wellsettings.h"
#include "layout/linesandscales.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "platform/ui/updown.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/settingsblock.h"
#include "wellfile/wellheader.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using platform::Dialog;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::WriteBytes;
namespace id = layout::setupid;

namespace {

constexpr int kCancel = 2;

// What the Lines and Scales command asks of the drilling object.
class DrillerDouble final : public drilling::DrillingServices {
public:
    layout::DrillerSettings settings;
    std::vector<std::int32_t> delays;
    std::vector<int> onBottomModes;
    std::vector<std::pair<int, std::uint16_t>> workingScales;
    int applied = 0;
    void CmDrilling(app::LogState&) override {}
    void CmLagTime(app::LogState&) override {}
    void CmBackupReminder(app::LogState&) override {}
    void EvTimer(app::LogState&, int) override {}
    void EvJoyButton(app::LogState&, unsigned) override {}
    layout::DrillerSettings Settings(app::LogState&) override { return settings; }
    void ApplySettings(app::LogState&, const layout::DrillerSettings& s) override
    {
        settings = s;
        ++applied;
    }
    void SetDelay(app::LogState&, std::int32_t delay) override { delays.push_back(delay); }
    void SetOnBottomMode(app::LogState&, int mode) override { onBottomModes.push_back(mode); }
    void ShowStatusBox(app::LogState&, bool) override {}
    void SetWorkingRecordsScale(app::LogState&, int byte, std::uint16_t code) override
    {
        workingScales.emplace_back(byte, code);
    }
};

// The window with a well of depths 1000..1100 of profile `profile` open; its last record has code 3 at
// byte 258 and code 5 at byte 322, and every record temperature code 3.
struct SetupFixture {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString path;
    alignas(8) char drillerObject[8] = {};

    explicit SetupFixture(int profile)
    {
        path = testing_support::OpenNewWell(window, [&](const QString& data) {
            const QString made = testing_support::MakeWell(data, "LS.svm", 1000, 1100);
            auto rows = testing_support::FileRecords<wellfile::RECORD>(made);
            platform::SetFieldText(rows.front().interpretedLith, "PRF" + std::to_string(profile));
            for (wellfile::RECORD& r : rows)
                r.temperatureScale = 3;
            rows.back().rateScale = 3;
            rows.back().minutesScale = 5;
            testing_support::WriteRecords(made, rows);
            return made;
        });
        EXPECT_EQ(S().well.loggerId, profile);
        doubles().prompter.messages.clear();
    }
    app::LogState& S() { return window.State(); }
    QString CfgPath() { return wellfile::ConfigReadPath(app::PlaceOf(S()), S().well.fieldSettings); }
    QString DbcPath() { return wellfile::DbcFilePath(app::PlaceOf(S())); }
    wellfile::WellConfig StoredConfig()
    {
        wellfile::WellConfig c{};
        EXPECT_EQ(wellfile::LoadConfig(c, app::PlaceOf(S()), S().well.fieldSettings), 1);
        return c;
    }
    void StartDrilling(DrillerDouble& d)
    {
        S().engines.driller = reinterpret_cast<drilling::Driller*>(drillerObject);
        window.Neighbours().drilling = &d;
    }
    ~SetupFixture() { S().engines.driller = nullptr; }
    void Run(std::function<void(Dialog&)> script)
    {
        Dialog::QueueTestScript(std::move(script));
        window.EvCommand(51683);
    }
};

// A selection as the user makes it: the list notifies its handler.
void Choose(Dialog& d, int list, int index)
{
    auto* c = d.ControlAs<QComboBox>(list);
    c->setCurrentIndex(index);
    emit c->activated(index);
}

// The interval dialog's answer.
void QueueInterval(const char* from, const char* to)
{
    Dialog::QueueTestScript([from, to](Dialog& r) {
        r.SetText(101, from);
        r.SetText(102, to);
        r.Click(platform::IDOK);
    });
}

std::uint16_t Code(const QByteArray& file, int depth, int byte)
{
    std::uint16_t v = 0;
    std::memcpy(&v, file.constData() + qsizetype(depth - 1000) * wellfile::kRecordSize + byte, sizeof v);
    return v;
}

std::vector<qsizetype> ChangedBytes(const QByteArray& a, const QByteArray& b)
{
    std::vector<qsizetype> out;
    for (qsizetype k = 0; k < std::min(a.size(), b.size()); ++k)
        if (a[k] != b[k])
            out.push_back(k);
    return out;
}

}  // namespace

TEST(LinesAndScales, TheListsShowTheScalesOfTheLastRecord)
{
    SetupFixture f(12);
    f.S().view.rateInMetresPerHour = 1;
    f.Run([](Dialog& d) {
        EXPECT_EQ(d.GetCount(id::RateScales), 7);
        EXPECT_EQ(d.GetSelIndex(id::RateScales), 2);
        EXPECT_EQ(d.GetString(id::RateScales, 2), "50 to 450");
        EXPECT_EQ(d.GetCheck(id::MetresPerHour), 1);
        EXPECT_EQ(d.GetCount(id::GasScales), 8);
        EXPECT_EQ(d.GetSelIndex(id::GasScales), 0);
        // Not a percent-gas profile: the gas-percent list stays empty and disabled; with neither the
        // temperature nor the CO2 track the temperature list is hidden.
        EXPECT_EQ(d.GetCount(id::GasPercentScale), 0);
        EXPECT_FALSE(d.IsEnabled(id::GasPercentScale));
        EXPECT_TRUE(d.Control(id::TemperatureScale)->isHidden());
        EXPECT_TRUE(d.Control(id::Highlight)->isHidden());
    });
    f.S().view.rateInMetresPerHour = 0;
    f.Run([](Dialog& d) {
        EXPECT_EQ(d.GetCount(id::RateScales), 8);
        EXPECT_EQ(d.GetSelIndex(id::RateScales), 4);
        EXPECT_EQ(d.GetString(id::RateScales, 4), "1 to 50");
    });
    // A data file without a last record selects the first entry everywhere.
    ASSERT_TRUE(QFile::remove(f.path));
    f.Run([](Dialog& d) {
        EXPECT_EQ(d.GetSelIndex(id::RateScales), 0);
        EXPECT_EQ(d.GetSelIndex(id::GasScales), 0);
    });
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);
}

TEST(LinesAndScales, PercentGasProfilesGetTheGasPercentAndTemperatureLists)
{
    SetupFixture f(17);
    f.Run([](Dialog& d) {
        EXPECT_EQ(d.GetCount(id::GasScales), 7);
        EXPECT_EQ(d.GetString(id::GasScales, 6), "1000 to 4000");
        EXPECT_EQ(d.GetCount(id::GasPercentScale), 4);
        EXPECT_TRUE(d.IsEnabled(id::GasPercentScale));
        EXPECT_EQ(d.GetCount(id::TemperatureScale), 5);
        EXPECT_EQ(d.GetCheck(id::Percent), 1);
        EXPECT_FALSE(d.IsEnabled(id::Percent));
    });
}

TEST(LinesAndScales, Profile134KeepsPercentGasOnLogarithmicScalesAndNeverStoresTheSurveyBox)
{
    SetupFixture f(134);
    f.Run([](Dialog& d) {
        EXPECT_EQ(d.GetCheck(id::LogGas), 1);
        EXPECT_FALSE(d.IsEnabled(id::LogGas));
        EXPECT_EQ(d.GetCheck(id::AlternateFormat), 1);
        EXPECT_FALSE(d.IsEnabled(id::AlternateFormat));
        EXPECT_TRUE(d.Control(id::AlternateFormat)->isHidden());
        d.SetCheck(id::SurveyData, 1);
        d.Click(platform::IDOK);
        EXPECT_FALSE(d.isVisible());
    });
    const wellfile::WellConfig cfg = f.StoredConfig();
    EXPECT_EQ(+cfg.alternateFormat, 1);
    EXPECT_EQ(+cfg.logGasScale, 1);
    EXPECT_EQ(+cfg.gasPercentMode, 1);
    EXPECT_EQ(+cfg.showSurveyData, 0);
    EXPECT_EQ(+cfg.linesAndScalesSet, 1);
    EXPECT_EQ(std::memcmp(&cfg, &f.S().well.config, sizeof cfg), 0) << "the saved record is the window's";
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(LinesAndScales, AlternateFormatSwitchesPercentGasForProfile17)
{
    SetupFixture f(17);
    for (int on : {1, 0}) {
        f.Run([on](Dialog& d) {
            if (d.GetCheck(id::AlternateFormat) != on)
                d.Click(id::AlternateFormat);
            EXPECT_EQ(d.GetCheck(id::LogGas), on);
            EXPECT_EQ(d.GetCheck(id::Percent), 1);
            d.Click(platform::IDOK);
        });
        const wellfile::WellConfig cfg = f.StoredConfig();
        EXPECT_EQ(+cfg.alternateFormat, on);
        EXPECT_EQ(+cfg.logGasScale, on);
        EXPECT_EQ(+cfg.gasPercentMode, on);
        EXPECT_EQ(+f.S().well.config.alternateFormat, on);
    }
}

TEST(LinesAndScales, IntervalsRewriteTheirRecordsOnlyAndOnlyWhenTheDialogIsSaved)
{
    SetupFixture f(12);
    app::LogState& s = f.S();
    s.view.rateInMetresPerHour = 0;
    s.well.config.logRateScale = 1;
    const QByteArray cfg = ReadBytes(f.CfgPath());
    const QByteArray dbc = ReadBytes(f.DbcPath());
    const QByteArray original = ReadBytes(f.path);

    // Cancel leaves the well as it was.
    const auto chooseAndEnd = [&f](int button) {
        f.Run([button](Dialog& d) {
            QueueInterval("1050", "1050");
            Choose(d, id::RateScales, 1);
            d.Click(button);
        });
    };
    chooseAndEnd(kCancel);
    EXPECT_EQ(ReadBytes(f.path), original);
    EXPECT_EQ(ReadBytes(f.CfgPath()), cfg);
    EXPECT_EQ(ReadBytes(f.DbcPath()), dbc);
    EXPECT_EQ(+s.well.config.logRateScale, 1);

    // From = To, saved: byte 322 of record 50 and nothing else.
    chooseAndEnd(platform::IDOK);
    QByteArray now = ReadBytes(f.path);
    ASSERT_EQ(ChangedBytes(original, now), std::vector<qsizetype>{50 * wellfile::kRecordSize + 322});
    EXPECT_EQ(Code(now, 1050, 322), 2);
    EXPECT_EQ(+s.well.config.logRateScale, 0) << "a rate choice clears the logarithmic rate scale";

    // To above From's reach: From to the last depth. A rate per hour goes to byte 258.
    s.view.rateInMetresPerHour = 1;
    f.Run([](Dialog& d) {
        QueueInterval("1050", "1040");
        Choose(d, id::RateScales, 6);
        d.Click(platform::IDOK);
    });
    now = ReadBytes(f.path);
    EXPECT_EQ(Code(now, 1049, 258), 1);
    EXPECT_EQ(Code(now, 1050, 258), 7);
    EXPECT_EQ(Code(now, 1100, 258), 7);
    EXPECT_EQ(Code(now, 1051, 322), 1);
    EXPECT_EQ(Code(now, 1100, 322), 5);

    // A cancelled interval changes no record but, saved, still clears the logarithmic rate scale.
    s.well.config.logRateScale = 1;
    const QByteArray before = ReadBytes(f.path);
    f.Run([](Dialog& d) {
        Dialog::QueueTestScript([](Dialog& r) { r.Click(kCancel); });
        Choose(d, id::RateScales, 3);
        EXPECT_TRUE(d.isVisible());
        d.Click(platform::IDOK);
    });
    EXPECT_EQ(ReadBytes(f.path), before);
    EXPECT_EQ(+s.well.config.logRateScale, 0);

    // Choosing the entry the list already shows applies it to a new interval.
    int shown = -1;
    f.Run([&shown](Dialog& d) {
        QueueInterval("1040", "1041");
        shown = d.GetSelIndex(id::RateScales);
        Choose(d, id::RateScales, shown);
        d.Click(platform::IDOK);
    });
    now = ReadBytes(f.path);
    ASSERT_EQ(shown + 1, 7) << "the code at the view's top";
    EXPECT_EQ(Code(now, 1040, 258), 7);
    EXPECT_EQ(Code(now, 1041, 258), 7);
    EXPECT_EQ(Code(now, 1042, 258), 1);
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);
}

TEST(LinesAndScales, TemperatureEntriesGoToTheRecordsAndCo2EntriesToTheWholeLog)
{
    SetupFixture f(12);
    app::LogState& s = f.S();
    s.layout.schemes.trackFlags[28] = 1;
    f.Run([](Dialog& d) {
        QueueInterval("1060", "1061");
        EXPECT_EQ(d.GetString(id::TemperatureScale, 4), "140 to 220");
        Choose(d, id::TemperatureScale, 4);  // the fifth entry is drawn as the default
        d.Click(platform::IDOK);
    });
    QByteArray now = ReadBytes(f.path);
    EXPECT_EQ(Code(now, 1059, 260), 3);
    EXPECT_EQ(Code(now, 1060, 260), 1);
    EXPECT_EQ(Code(now, 1061, 260), 1);
    EXPECT_EQ(Code(now, 1062, 260), 3);

    // With the CO2 track shown the list holds the CO2 scales; a choice changes no record.
    s.layout.schemes.trackFlags[28] = 0;
    s.layout.schemes.trackFlags[31] = 1;
    s.well.config.co2ScaleCode = 2;
    const QByteArray before = ReadBytes(f.path);
    f.Run([](Dialog& d) {
        EXPECT_EQ(d.GetText(id::TemperatureLabel), "CO2 Scale");
        EXPECT_EQ(d.GetSelIndex(id::TemperatureScale), 1);
        Choose(d, id::TemperatureScale, 3);
        d.Click(kCancel);
    });
    EXPECT_EQ(+s.well.config.co2ScaleCode, 2) << "kept at Cancel";
    f.Run([](Dialog& d) {
        Choose(d, id::TemperatureScale, 3);
        d.Click(platform::IDOK);
    });
    EXPECT_EQ(ReadBytes(f.path), before);
    EXPECT_EQ(+s.well.config.co2ScaleCode, 4);
    EXPECT_EQ(Dialog::PendingTestScripts(), 0);
}

TEST(LinesAndScales, PercentGasProfilesCountCo2CodesFromTheFirstCo2Entry)
{
    SetupFixture f(4);
    app::LogState& s = f.S();
    s.layout.schemes.trackFlags[31] = 1;
    s.well.config.co2ScaleCode = 1;
    f.Run([](Dialog& d) {
        ASSERT_EQ(d.GetCount(id::TemperatureScale), 10);
        EXPECT_EQ(d.GetString(id::TemperatureScale, d.GetSelIndex(id::TemperatureScale)), "0 to 3.5 %");
        Choose(d, id::TemperatureScale, 8);  // "0 to 35 %"
        d.Click(platform::IDOK);
    });
    EXPECT_EQ(+s.well.config.co2ScaleCode, 4);
}

TEST(LinesAndScales, UseFieldSettingsFlipsTheFlagReloadsAndStoresNothingElse)
{
    SetupFixture f(12);
    app::LogState& s = f.S();
    ASSERT_FALSE(s.well.fieldSettings);
    const QByteArray cfg = ReadBytes(f.CfgPath());
    f.Run([](Dialog& d) {
        EXPECT_EQ(d.GetText(id::FieldSettings), "Use Local Settings");
        d.Click(id::TopsLine);
        d.Click(id::FieldSettings);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.Result(), kCancel);
    });
    EXPECT_TRUE(s.well.fieldSettings);
    EXPECT_EQ(ReadBytes(f.CfgPath()), cfg);
    wellfile::SettingsBlock block;
    ASSERT_EQ(wellfile::LoadDbc(block, app::PlaceOf(s)), 1);
    EXPECT_EQ(block.fieldSettings, 1);

    f.Run([](Dialog& d) {
        EXPECT_EQ(d.GetText(id::FieldSettings), "Use Field Settings");
        d.Click(id::FieldSettings);
    });
    ASSERT_EQ(wellfile::LoadDbc(block, app::PlaceOf(s)), 1);
    EXPECT_EQ(block.fieldSettings, 0);
    EXPECT_FALSE(s.well.fieldSettings);
}

TEST(LinesAndScales, ATimeZoneBeyondTenHoursBecomesTheRegionOfTheWellsState)
{
    SetupFixture f(12);
    app::LogState& s = f.S();
    wellfile::WellHeader header{};
    platform::SetFieldText(header.state, "Colorado");
    ASSERT_EQ(wellfile::SaveHeader(header, app::PlaceOf(s)), 1);
    f.Run([](Dialog& d) {
        d.SetText(id::TimeZone, "15");
        d.Click(platform::IDOK);
    });
    wellfile::SettingsBlock block;
    ASSERT_EQ(wellfile::LoadDbc(block, app::PlaceOf(s)), 1);
    EXPECT_EQ(block.timeZoneAdjust, 0);
    EXPECT_EQ(block.fieldSettings, 1);
    EXPECT_EQ(s.well.timeZoneAdjust, 0);
    EXPECT_TRUE(s.well.fieldSettings);
}

TEST(LinesAndScales, SpinsWrapTheHighlightAndWhileDrillingSetTheDelayAtOnce)
{
    SetupFixture f(12);
    app::LogState& s = f.S();
    s.view.rateInMetresPerHour = 0;
    s.well.config.highlightRatesBelow = 0;
    ASSERT_TRUE(app::UpdateWellConfig(s, [](wellfile::WellConfig& c) {
        c.highlightRatesBelow = 0;
        c.minSecondsPerUnit = 5;
        return true;
    }));
    s.well.config.minSecondsPerUnit = 5;
    f.Run([](Dialog& d) {
        EXPECT_EQ(d.GetText(id::Highlight), "0.0");
        auto* spin = d.ControlAs<platform::UpDown>(id::HighlightSpin);
        ASSERT_NE(spin, nullptr);
        spin->PressDown();
        EXPECT_EQ(d.GetText(id::Highlight), "10.0");
        spin->PressUp();
        spin->PressUp();
        EXPECT_EQ(d.GetText(id::Highlight), "0.1");
        // The delay is shown only while drilling.
        EXPECT_TRUE(d.Control(id::Delay)->isHidden());
    });

    DrillerDouble driller;
    driller.settings.onBottomMode = 1;
    f.StartDrilling(driller);
    f.Run([](Dialog& d) {
        EXPECT_EQ(d.GetText(id::Delay), "5");
        EXPECT_EQ(d.GetCheck(id::ClosedOnBottom), 1);
        d.ControlAs<platform::UpDown>(id::DelaySpin)->PressUp();
        EXPECT_EQ(d.GetText(id::Delay), "6");
        d.Click(id::OnBottomDisabled);
        d.Click(kCancel);
    });
    // Cancelled, but the delay and the on-bottom mode were taken at once.
    EXPECT_EQ(driller.delays, std::vector<std::int32_t>{6});
    EXPECT_EQ(driller.onBottomModes, std::vector<int>{2});
    EXPECT_EQ(+s.well.config.minSecondsPerUnit, 6);
    EXPECT_EQ(+f.StoredConfig().minSecondsPerUnit, 5);

    f.Run([](Dialog& d) {
        EXPECT_EQ(d.GetText(id::Delay), "6");
        d.SetText(id::Delay, "1");
        d.Click(platform::IDOK);
    });
    EXPECT_EQ(+f.StoredConfig().minSecondsPerUnit, 2);
    EXPECT_EQ(driller.settings.delay, 2);
    EXPECT_EQ(driller.applied, 1);

    // An interval reaching the bottom goes into the records still to be drilled.
    f.Run([](Dialog& d) {
        QueueInterval("1090", "1100");
        Choose(d, id::GasScales, 2);
        d.Click(platform::IDOK);
    });
    ASSERT_EQ(driller.workingScales.size(), 1u);
    EXPECT_EQ(driller.workingScales[0], std::make_pair(100, std::uint16_t(3)));
}

TEST(LinesAndScales, TheBlockedStylesUnitsAndAutoDrillRateAreStoredAndTheScreenShown)
{
    SetupFixture f(12);
    DrillerDouble driller;
    f.StartDrilling(driller);
    f.S().env.screenWidth = 1280;
    f.S().env.screenHeight = 1024;
    f.S().env.monitorCount = 2;
    f.Run([](Dialog& d) {
        d.Click(id::RatePointToPoint);
        d.Click(id::GasPointToPoint);
        d.Click(id::Percent);
        d.Click(platform::IDOK);
    });
    EXPECT_EQ(+f.StoredConfig().rateLineStyle, 1);
    EXPECT_EQ(+f.StoredConfig().gasLineStyle, 1);
    EXPECT_EQ(+f.StoredConfig().gasPercentMode, 1);

    f.Run([](Dialog& d) {
        for (auto [screen, shown] : {std::pair{id::ScreenWidth, "1280"}, {id::ScreenHeight, "1024"}, {id::Monitors, "2"}}) {
            EXPECT_EQ(d.GetText(screen), shown);
            EXPECT_FALSE(d.IsEnabled(screen));
        }
        d.Click(id::RateBlocked);
        d.Click(id::GasBlocked);
        d.Click(id::Units);
        d.Click(id::AutoDrill);
        d.SetText(id::AutoDrillRate, "3.50");
        d.Click(platform::IDOK);
    });
    const wellfile::WellConfig stored = f.StoredConfig();
    EXPECT_EQ(+stored.rateLineStyle, 0);
    EXPECT_EQ(+stored.gasLineStyle, 0);
    EXPECT_EQ(+stored.gasPercentMode, 0);
    EXPECT_TRUE(driller.settings.autoDrill);
    EXPECT_FLOAT_EQ(driller.settings.autoDrillRate, 3.5f);
}

TEST(LinesAndScales, BadNumbersAndUnwritableFilesKeepTheDialogOpenWithNothingWritten)
{
    SetupFixture f(12);
    app::LogState& s = f.S();
    const QByteArray cfg = ReadBytes(f.CfgPath());
    for (int field : {id::Highlight, id::RtResLag, id::TimeZone}) {
        f.Run([field](Dialog& d) {
            d.SetText(field, field == id::TimeZone ? "" : "1.x");
            d.Click(platform::IDOK);
            EXPECT_TRUE(d.isVisible());
        });
        ASSERT_FALSE(doubles().prompter.messages.isEmpty());
        EXPECT_EQ(doubles().prompter.messages.back().caption, "Input Error");
        EXPECT_EQ(ReadBytes(f.CfgPath()), cfg);
        EXPECT_FALSE(QFile::exists(f.DbcPath()));
    }
    EXPECT_TRUE(doubles().prompter.messages.back().text.contains("Time Zone Adjust"));

    // A ".dbc" of another size is never written over; the record is saved all the same.
    WriteBytes(f.DbcPath(), QByteArray(100, 'x'));
    f.Run([](Dialog& d) {
        d.Click(id::TopsLine);
        d.Click(platform::IDOK);
    });
    EXPECT_EQ(ReadBytes(f.DbcPath()), QByteArray(100, 'x'));
    EXPECT_NE(ReadBytes(f.CfgPath()), cfg);
    EXPECT_EQ(doubles().prompter.messages.back().caption, "File Error");

    // A ".cfg" that cannot be written: the dialog stays open and the window's record is unchanged.
    const wellfile::WellConfig windowBefore = s.well.config;
    const QString cfgPath = f.CfgPath();
    ASSERT_TRUE(QFile::remove(cfgPath));
    ASSERT_TRUE(QDir().mkdir(cfgPath));
    doubles().prompter.messages.clear();
    f.Run([](Dialog& d) {
        d.Click(id::TopsLine);
        d.Click(platform::IDOK);
        EXPECT_TRUE(d.isVisible());
    });
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "The settings of the well could not be saved");
    EXPECT_EQ(std::memcmp(&windowBefore, &s.well.config, sizeof windowBefore), 0);
}

TEST(LinesAndScales, ASharedFolderWellsDbcThatCannotBeReadIsLeftAndTheSaveGoesOn)
{
    SetupFixture f(12);
    app::LogState& s = f.S();
    const QString folder = s.well.file.dataFolder + "DROPBOX/";
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString shared = testing_support::MakeWell(folder, "SH.svm", 1000, 1100);
    ASSERT_EQ(f.window.OpenDataFile(shared), 1);
    ASSERT_TRUE(s.well.sharedFolderWell);
    WriteBytes(f.DbcPath(), QByteArray(100, 'x'));
    doubles().prompter.messages.clear();
    const QString cfg = s.well.file.dataFolder + "SH.cfg";
    const QByteArray cfgBefore = ReadBytes(cfg);

    f.Run([](Dialog& d) {
        d.Click(id::TopsLine);
        d.Click(platform::IDOK);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(ReadBytes(f.DbcPath()), QByteArray(100, 'x'));
    // The record goes to the data folder, as every save of a shared well's settings does.
    EXPECT_EQ(QFileInfo(cfg).size(), qint64(sizeof(wellfile::WellConfig)));
    EXPECT_NE(ReadBytes(cfg), cfgBefore);
    // The dialog's own ".dbc" fields meet the same rule and say so; the save itself is not refused.
    for (const auto& m : doubles().prompter.messages)
        EXPECT_EQ(m.text, f.DbcPath() + " cannot be read and was left as it is");
    EXPECT_TRUE(s.well.fieldSettings);
    const QByteArray activity = ReadBytes(s.well.file.dataFolder + "svdata-M.txt");
    EXPECT_TRUE(activity.contains("SH.dbc cannot be read and was left as it is"));
}
