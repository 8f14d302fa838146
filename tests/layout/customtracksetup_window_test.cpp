// The custom-track setup from the main window: the FIT options a well opens with, the e-log lithology
// table saved into the well's settings, and the settings button on a ".dbc" that cannot be read.
#include "app/opendatafile.h"
#include "layout/ui/custcfgdialog.h"
#include "platform/folders.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "tracks/ui/eloglithdialog.h"
#include "wellfile/settingsblock.h"
#include "wellfile/wellconfig.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using platform::Dialog;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::WriteBytes;
namespace id = layout::custid;

namespace {

struct Window {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};

    Window()
    {
        testing_support::OpenNewWell(window, "CT.svm", 1000, 1050);
        window.LoadCustomTracks(false);
        S().customTracks.data->LoadTrackConfig();  // writes the first layout
        doubles().prompter.messages.clear();
    }
    app::LogState& S() { return window.State(); }
    // Runs the setup on the window's layout as the right mouse button on the tracks does.
    // `inner` answers a dialog the setup opens.
    bool Edit(std::function<void(Dialog&)> script, std::function<void(Dialog&)> inner = {})
    {
        Dialog::QueueTestScript(std::move(script));
        if (inner)
            Dialog::QueueTestScript(std::move(inner));
        auto config = std::make_unique<layout::CUSTCHARTCFGEX>();
        S().customTracks.data->LoadConfig(*config);
        return S().customTracks.host.custCfgDlg(*config, 1000, 0);
    }
};

}  // namespace

TEST(CustomTrackSetupWindow, FitOptionsComeFromTheSettingsStore)
{
    {
        Window w;
        EXPECT_FALSE(w.S().well.fit.dataEnabled);
        EXPECT_TRUE(w.S().well.fit.extRecordOption);
        w.Edit([](Dialog& d) {
            EXPECT_EQ(d.GetCount(id::Data), 82);
            EXPECT_EQ(d.GetCount(id::Predefined), 16);
        });
    }
    platform::WriteSetting(QStringLiteral("FIT/DATA"), QStringLiteral("1"));
    platform::WriteSetting(QStringLiteral("FIT/EXTRECORDS"), QStringLiteral("0"));
    Window w;
    EXPECT_TRUE(w.S().well.fit.dataEnabled);
    EXPECT_FALSE(w.S().well.fit.extRecordOption);
    w.Edit([](Dialog& d) {
        EXPECT_EQ(d.GetCount(id::Data), 204);
        EXPECT_TRUE(d.Control(id::Predefined)->isHidden());
    });
}

TEST(CustomTrackSetupWindow, TheLithologyTableIsSavedIntoTheWellsSettingsAndTheWindow)
{
    Window w;
    // Closed without SAVE: nothing written.
    const QString cfg = wellfile::ConfigReadPath(app::PlaceOf(w.S()), w.S().well.fieldSettings);
    const QByteArray before = ReadBytes(cfg);
    EXPECT_FALSE(w.Edit([](Dialog& d) { d.Command(id::Advanced); }, [](Dialog& lith) { lith.Click(1); }));
    EXPECT_EQ(ReadBytes(cfg), before);

    EXPECT_TRUE(w.Edit(
        [](Dialog& d) {
            d.Command(id::Advanced);
            d.Click(id::Done);
        },
        [](Dialog& lith) {
            lith.SetText(102, "4.75");  // LIME MIN PE
            lith.SetText(139, "2.5");   // CHERT MAX SEP
            lith.Click(tracks::elogid::Save);
            EXPECT_TRUE(lith.isVisible());
            lith.Click(1);
        }));
    const QByteArray now = ReadBytes(cfg);
    ASSERT_EQ(now.size(), qsizetype(sizeof(wellfile::WellConfig)));
    float lime = 0, chert = 0;
    std::int32_t mark = 0;
    std::memcpy(&lime, now.constData() + 4781 + 4, sizeof lime);
    std::memcpy(&chert, now.constData() + 4781 + 4 * 46, sizeof chert);
    std::memcpy(&mark, now.constData() + 4781 + 196, sizeof mark);
    EXPECT_FLOAT_EQ(lime, 4.75f);
    EXPECT_FLOAT_EQ(chert, 2.5f);
    EXPECT_EQ(mark, 1);
    EXPECT_FLOAT_EQ(w.S().well.config.elogLithThresholds[1], 4.75f);  // what the painters read
}

TEST(CustomTrackSetupWindow, TheSettingsButtonLeavesADbcItCannotReadAlone)
{
    Window w;
    const QString dbc = wellfile::DbcFilePath(app::PlaceOf(w.S()));
    WriteBytes(dbc, QByteArray(100, '\7'));  // not a settings block
    const QByteArray layout = ReadBytes(w.S().customTracks.data->ConfigPath());
    ASSERT_FALSE(layout.isEmpty());
    EXPECT_TRUE(w.Edit([](Dialog& d) {
        ASSERT_FALSE(d.Control(id::SettingsSource)->isHidden());
        d.Click(id::SettingsSource);
        EXPECT_TRUE(d.isVisible());
        d.Click(id::Done);
    }));
    EXPECT_EQ(ReadBytes(dbc), QByteArray(100, '\7'));
    EXPECT_EQ(w.S().customTracks.host.customTrackSource, 0);
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_TRUE(doubles().prompter.messages[0].text.endsWith("cannot be read and was left as it is"));
}

TEST(CustomTrackSetupWindow, TheTracksBoxesAreStoredInTheLayoutAndShownAgain)
{
    Window w;
    // As the right mouse button on the tracks opens the setup: DONE writes the layout file.
    Dialog::QueueTestScript([](Dialog& d) {
        for (int box : {id::MudWeight, id::VerticalLabel, id::AllowOnHorz, id::HideDescriptions})
            EXPECT_EQ(d.GetCheck(box), 0) << box;
        EXPECT_TRUE(d.Click(id::MudWeight));
        EXPECT_TRUE(d.Click(id::AllowOnHorz));
        d.Click(id::Save);
        d.Click(id::Done);
    });
    layout::EditCustomTracks(w.S().customTracks.host, w.S().customTracks.data, -1, 0);
    layout::CUSTCHARTCFGEX saved;
    ASSERT_TRUE(layout::ReadCustChartFile(w.S().customTracks.data->ConfigPath(), saved));
    const layout::CustomTrackEntry& t = saved.track[0];
    EXPECT_EQ(t.mudWeight, 1);
    EXPECT_EQ(t.onHorizontalView, 1);
    EXPECT_EQ(t.verticalLabel, 0);
    EXPECT_EQ(t.hideDescriptions, 0);
    EXPECT_EQ(t.ppm, 0);  // hidden on this well: kept as it was

    // The second opening shows what was stored; unchecked again, it is stored as 0.
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.GetCheck(id::MudWeight), 1);
        EXPECT_EQ(d.GetCheck(id::VerticalLabel), 0);
        d.Click(id::MudWeight);
        d.Click(id::VerticalLabel);
        d.Click(id::Save);
        d.Click(id::Done);
    });
    layout::EditCustomTracks(w.S().customTracks.host, w.S().customTracks.data, -1, 0);
    ASSERT_TRUE(layout::ReadCustChartFile(w.S().customTracks.data->ConfigPath(), saved));
    EXPECT_EQ(t.mudWeight, 0);
    EXPECT_EQ(t.verticalLabel, 1);
    EXPECT_EQ(t.onHorizontalView, 1);
}
