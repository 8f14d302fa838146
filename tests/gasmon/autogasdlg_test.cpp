// The "Gas Monitor Setup" command on the main window, its dialog driven by control numbers: the first
// set-up, a type chosen and closed, Save with its refusals, the running engine, and the small buttons.
#include "app/commandids.h"
#include "app/opendatafile.h"
#include "gasmon/gasmonitor.h"
#include "gasmon/gasmonsetup.h"
#include "platform/folders.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/gasengine.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/wellconfig.h"
#include "wits/wits.h"

#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using testing_support::EditReadings;

using testing_support::doubles;
using testing_support::TestDir;
using namespace gasmon;

namespace {

class GasSetupDialog : public ::testing::Test {
protected:
    GasSetupDialog()
    {
        app::LogState& s = window.State();
        EXPECT_TRUE(testing_support::PointAtNewWell(s, "ALPHA", 900, 1000));
        s.well.loggerId = 1;
        s.engineStatus.gasInstrumentType = 0;
        config = wellfile::DefaultWellConfig({});
        config.pasonFeed = 1;
        config.witsComPort = 4;
        SaveConfig();
    }
    void SaveConfig()
    {
        bool field = false;
        EXPECT_TRUE(wellfile::SaveConfig(config, app::PlaceOf(window.State()), field));
        window.State().well.config = config;
    }
    QString ConfigPath() { return wellfile::OwnConfigPath(app::PlaceOf(window.State()), false); }
    QString CfgPath() const { return TestDir() + "gasmon.cfg"; }
    wellfile::WellConfig StoredConfig()
    {
        wellfile::WellConfig c{};
        const QByteArray bytes = testing_support::ReadBytes(ConfigPath());
        EXPECT_EQ(bytes.size(), qsizetype(sizeof c));
        std::memcpy(&c, bytes.constData(), std::min<std::size_t>(sizeof c, std::size_t(bytes.size())));
        return c;
    }
    GASMONCFG StoredCfg() const
    {
        GASMONCFG c{};
        EXPECT_EQ(ReadGasmonCfg(c, {TestDir(), {}}), 1);
        return c;
    }
    void WriteCfg(const GASMONCFG& c) { ASSERT_EQ(WriteGasmonCfg(c, {TestDir(), {}}), 1); }
    // Runs the set-up command with `script` driving its dialog.
    void RunSetup(const std::function<void(platform::Dialog&)>& script)
    {
        bool ran = false;
        platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
            ran = true;
            script(d);
        });
        window.EvCommand(app::cmd::GasMonitorSetup);
        EXPECT_TRUE(ran);
    }
    static void ChooseType(platform::Dialog& d, int type)
    {
        d.SetSelIndex(kInstrumentList, type);
        d.Command(kInstrumentList, platform::CBN_SELCHANGE);
    }
    static bool Hidden(platform::Dialog& d, int id) { return d.Control(id)->isHidden(); }
    QStringList Messages() const
    {
        QStringList texts;
        for (const auto& m : doubles().prompter.messages)
            texts << m.text;
        return texts;
    }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    wellfile::WellConfig config{};
};

}  // namespace

TEST_F(GasSetupDialog, TheFirstSetupShowsTheDefaultsAndSaveWritesThemWithTheConfiguration)
{
    RunSetup([](platform::Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "STRATIV GAS MONITOR SETUP");
        EXPECT_EQ(d.GetText(kHwSpan), "200.00");
        EXPECT_EQ(d.GetText(kElutionC1), "1");
        EXPECT_EQ(d.GetText(kGasComPort), "1");
        EXPECT_EQ(d.GetSelIndex(kInstrumentList), 0);
        EXPECT_EQ(d.GetCount(kInstrumentList), 15);
        EXPECT_EQ(d.GetCheck(kPason), platform::BST_CHECKED);
        EXPECT_TRUE(Hidden(d, kSetSpan)) << "no engine to calibrate";
        // No channel gives the depth until asked: the channel choice waits, greyed, for "Depth On Acromag".
        EXPECT_EQ(d.GetCheck(kDepthOnModule), platform::BST_UNCHECKED);
        EXPECT_FALSE(d.Control(kDepthCh3)->isEnabled() || d.Control(kDepthCh4)->isEnabled());
        EXPECT_TRUE(d.Click(kDepthOnModule));
        EXPECT_TRUE(d.Control(kDepthCh3)->isEnabled() && d.GetCheck(kDepthCh3) == platform::BST_CHECKED);
        EXPECT_TRUE(d.Click(kDepthOnModule));
        d.SetText(kElutionC1, "30");
        d.SetText(kChromZero, "40");
        d.SetText(kHwAttenuator, "0");
        d.SetText(kWitsComPort, "3");
        d.Click(kRatioNone);
        EXPECT_TRUE(d.Click(kSave));
        EXPECT_TRUE(d.isVisible()) << "Save leaves the dialog open";
    });
    const GASMONCFG saved = StoredCfg();
    EXPECT_EQ(+saved.elutionTime[0], 30);
    EXPECT_EQ(+saved.chromatZero, 24) << "type 0 takes the zero from C1";
    EXPECT_FLOAT_EQ(+saved.hotWireAttenuator, 1.0f);
    EXPECT_EQ(+saved.witsComPort, 3);
    EXPECT_EQ(+saved.ratioMode, 0);
    const wellfile::WellConfig c = StoredConfig();
    EXPECT_EQ(+c.witsComPort, 3);
    EXPECT_EQ(+c.gasInstrumentType, 0);
    EXPECT_EQ(+c.pasonFeed, 1);
    EXPECT_TRUE(Messages().isEmpty()) << Messages().join("|").toStdString();
}

TEST_F(GasSetupDialog, AnotherTypeReachesTheConfigurationAtOnceAndCloseWritesNothingElse)
{
    GASMONCFG cfg{};
    ApplyFirstSetupDefaults(cfg, 0);
    cfg.witsComPort = 2;
    cfg.ipAddress[0] = 0;
    WriteCfg(cfg);
    const QByteArray before = testing_support::ReadBytes(CfgPath());

    RunSetup([](platform::Dialog& d) {
        EXPECT_TRUE(Hidden(d, kIp1));
        ChooseType(d, 7);
        EXPECT_FALSE(Hidden(d, kIp1));
        EXPECT_EQ(d.GetText(kIp1), "192");
        EXPECT_EQ(d.GetText(kIp4), "222");
        EXPECT_EQ(d.GetText(kHwSpan), "0.10");
        EXPECT_EQ(d.GetText(kChSpan), "0.10");
        EXPECT_TRUE(Hidden(d, kDepthOnModule));
        EXPECT_FALSE(Hidden(d, kStatusDepthNote)) << "the instrument's status steps the depth";
        ChooseType(d, 4);
        EXPECT_TRUE(Hidden(d, kStatusDepthNote));
        EXPECT_FALSE(Hidden(d, kPlotMethane));
        d.Click(kPlotMethane);
        EXPECT_EQ(d.GetText(kReadings), "5");
        EXPECT_EQ(d.GetText(kC1RowLabel), "SUM");
        EXPECT_EQ(d.GetText(kC5RowLabel), "METH");
        ChooseType(d, 11);
        EXPECT_EQ(d.GetText(kOther), "IBALL");
        EXPECT_FALSE(d.IsEnabled(kPason));
        EXPECT_FALSE(d.IsEnabled(kOther));
        d.Click(kClose);
    });
    const wellfile::WellConfig c = StoredConfig();
    EXPECT_EQ(+c.gasInstrumentType, 11);
    EXPECT_EQ(+c.pasonFeed, 0) << "the older Bloodhound's WITS mode";
    EXPECT_EQ(window.State().engineStatus.gasInstrumentType, 11);
    EXPECT_EQ(testing_support::ReadBytes(CfgPath()), before);
}

TEST_F(GasSetupDialog, ComPortsOutOfRangeStoreNothing)
{
    GASMONCFG cfg{};
    ApplyFirstSetupDefaults(cfg, 0);
    cfg.witsComPort = 2;
    WriteCfg(cfg);
    const QByteArray cfgBefore = testing_support::ReadBytes(CfgPath());
    const QByteArray configBefore = testing_support::ReadBytes(ConfigPath());

    RunSetup([](platform::Dialog& d) {
        d.SetText(kGasComPort, "10");
        d.Click(kSave);
        d.SetText(kGasComPort, "0");
        d.Click(kSave);
        d.SetText(kGasComPort, "2");
        d.SetText(kWitsComPort, "12");
        d.Click(kSave);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(Messages(), QStringList({"Gas com port out of range, must be less than 10",
                                       "Gas com port out of range, must be less than 10",
                                       "Wits com port out of range, must be less than 10"}));
    EXPECT_EQ(testing_support::ReadBytes(CfgPath()), cfgBefore);
    EXPECT_EQ(testing_support::ReadBytes(ConfigPath()), configBefore);
}

TEST_F(GasSetupDialog, TheRunningEngineLocksItsTypeAndTakesTheSavedRecord)
{
    app::LogState& s = window.State();
    s.engineStatus.gasInstrumentType = 9;  // the UDP interface opens no serial link
    GASMONCFG cfg{};
    ApplyFirstSetupDefaults(cfg, 9);
    cfg.witsComPort = 2;
    WriteCfg(cfg);
    window.EvCommand(app::cmd::GasMonitor);
    ASSERT_NE(s.engines.autoGas, nullptr);
    EditReadings(*s.engines.autoGas, [&](auto& v) { v.record.fractions[0] = 0.25f; });

    RunSetup([](platform::Dialog& d) {
        EXPECT_FALSE(d.IsEnabled(kInstrumentList));
        EXPECT_FALSE(d.IsEnabled(kGasComPort));
        EXPECT_EQ(d.GetText(kRatioC1), "0.25") << "the engine's ratios";
        EXPECT_FALSE(Hidden(d, kViewGas));
        // A type chosen all the same is put back, and nothing changes.
        ChooseType(d, 3);
        EXPECT_EQ(d.GetSelIndex(kInstrumentList), 9);
        d.SetText(kIp4, "77");
        d.SetText(kElutionC1, "40");
        d.Click(kRatioNone);
        d.Click(kSave);
    });
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_TRUE(Messages()[0].startsWith("You must first turn off the gas monitor"));
    EXPECT_TRUE(Messages()[1].contains("You have selected NO RATIO mode"));
    EXPECT_EQ(s.engineStatus.gasInstrumentType, 9);
    EXPECT_EQ(+StoredConfig().gasInstrumentType, 9);
    EXPECT_EQ(s.engines.autoGas->Settings().address[3], 77);
    EXPECT_EQ(s.engines.autoGas->Settings().elutionTimes[1], 40);
    EXPECT_EQ(+StoredCfg().ipAddress[3], 77);
    window.EvCommand(app::cmd::GasMonitor);
}

TEST_F(GasSetupDialog, SmallButtonsAndThePreviewOfTheZero)
{
    app::LogState& s = window.State();
    s.engineStatus.gasInstrumentType = 3;
    GASMONCFG cfg{};
    ApplyFirstSetupDefaults(cfg, 3);
    cfg.witsComPort = 2;
    cfg.baselineFid = 1;
    cfg.correctionFactors[0] = 0;
    cfg.correctionFactors[1] = 1.5f;
    cfg.ratios[0] = 3;
    cfg.ratios[5] = 4;
    WriteCfg(cfg);

    RunSetup([](platform::Dialog& d) {
        EXPECT_EQ(d.GetText(kCorrectionIds[0]), "1.00");
        EXPECT_EQ(d.GetText(kCorrectionIds[1]), "1.50");
        EXPECT_EQ(d.GetText(kRatioC1), "3.00");
        d.Click(kClearRatios);
        EXPECT_EQ(d.GetText(kRatioC1), "0.00");
        EXPECT_EQ(d.GetText(kRatioC5), "0.00");

        const int width = d.width();
        EXPECT_TRUE(d.Click(kAdvanced));
        EXPECT_EQ(d.width(), width + 100);
        EXPECT_FALSE(d.IsEnabled(kAdvanced));

        // Type 3 takes the zero from C1: moving the mouse shows it.
        d.SetText(kElutionC1, "50");
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&d, &move);
        EXPECT_EQ(d.GetText(kChromZero), "40");

        d.Click(kBaselineFid);  // off: the factors are no longer read
        d.Click(kSave);
    });
    const GASMONCFG saved = StoredCfg();
    EXPECT_FLOAT_EQ(+saved.ratios[0], 0.0f);
    EXPECT_FLOAT_EQ(+saved.ratios[5], 0.0f);
    EXPECT_EQ(+saved.baselineFid, 0);
    EXPECT_EQ(+saved.chromatZero, 40);
}

TEST_F(GasSetupDialog, TheRunningWitsLinkKeepsItsFieldsAndTakesTheSavedValues)
{
    testing_support::PtyPair line;
    ASSERT_TRUE(line.Start());
    platform::WriteSetting(QStringLiteral("Serial/COM2"), line.a);
    app::LogState& s = window.State();
    s.engineStatus.gasInstrumentType = 10;
    GASMONCFG cfg{};
    ApplyFirstSetupDefaults(cfg, 10);
    cfg.witsComPort = 2;
    WriteCfg(cfg);
    window.EvCommand(app::cmd::Wits);
    ASSERT_TRUE(s.engineStatus.witsRunning);
    ASSERT_NE(s.engines.wits, nullptr);
    doubles().prompter.messages.clear();

    RunSetup([](platform::Dialog& d) {
        EXPECT_FALSE(d.IsEnabled(kWitsComPort));
        EXPECT_FALSE(d.IsEnabled(kInstrumentList)) << "type 10 takes its gas over the link";
        EXPECT_FALSE(d.IsEnabled(kGasComPort));
        d.SetText(kSurfaceLag, "120");
        d.SetText(kHwAttenuator, "2.5");
        d.Click(kSave);
    });
    EXPECT_FLOAT_EQ(s.engines.wits->GasSettings().gasScale[0], 2.5f);
    EXPECT_FLOAT_EQ(s.engines.wits->GasSettings().holdLength, 120.0f);
    EXPECT_EQ(+StoredCfg().surfaceLagTime, 120);
    EXPECT_TRUE(Messages().isEmpty()) << Messages().join("|").toStdString();
    window.EvCommand(app::cmd::Wits);
}

TEST_F(GasSetupDialog, ASettingsFileThatCannotBeWrittenIsReported)
{
    ASSERT_TRUE(QDir().mkpath(CfgPath()));
    RunSetup([](platform::Dialog& d) { d.Click(kSave); });
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_TRUE(Messages()[0].endsWith("gasmon.cfg could not be written")) << Messages()[0].toStdString();
    EXPECT_EQ(doubles().prompter.messages[0].caption, "File Error");
}

// The shown controls never stand over each other, whatever the instrument type shows, nor over the data
// list a running engine's "View Gas Data" opens under them; widened by "Advanced", the form holds them all.
TEST_F(GasSetupDialog, ShownControlsStandApartInsideTheWindow)
{
    const auto apart = [](platform::Dialog& d, const std::string& when, bool widened) {
        QList<const QWidget*> shown;
        for (const QWidget* w : d.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!w->isHidden() && !w->isWindow())
                shown << w;
        for (qsizetype i = 0; i < shown.size(); ++i) {
            EXPECT_TRUE(!widened || d.rect().contains(shown[i]->geometry())) << when << ": " << shown[i]->property("text").toString().toStdString();
            for (qsizetype j = i + 1; j < shown.size(); ++j)
                EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                    << when << ": " << shown[i]->property("text").toString().toStdString() << " over "
                    << shown[j]->property("text").toString().toStdString();
        }
    };
    app::LogState& s = window.State();
    s.engineStatus.gasInstrumentType = 3;
    GASMONCFG cfg{};
    ApplyFirstSetupDefaults(cfg, 3);
    cfg.baselineFid = 1;
    WriteCfg(cfg);
    RunSetup([&](platform::Dialog& d) {
        d.Click(kAdvanced);
        for (int type = 0; type < d.GetCount(kInstrumentList); ++type) {
            ChooseType(d, type);
            apart(d, "type " + std::to_string(type), true);
        }
    });

    s.engineStatus.gasInstrumentType = 9;  // the UDP interface opens no serial link
    ApplyFirstSetupDefaults(cfg, 9);
    WriteCfg(cfg);
    window.EvCommand(app::cmd::GasMonitor);
    ASSERT_NE(s.engines.autoGas, nullptr);
    RunSetup([&](platform::Dialog& d) {
        ASSERT_TRUE(d.Click(kViewGas));
        apart(d, "the gas data shown", false);  // the correction factors wait beyond the edge
    });
    window.EvCommand(app::cmd::GasMonitor);
}
