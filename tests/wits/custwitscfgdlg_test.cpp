// The link settings dialog in both forms: what each form and profile shows, what "Save and Close"
// stores, the lists that store at once, and the TCP numbers refused out of range.
#include "support/doubles.h"
#include "support/testmain.h"
#include "wits/ui/custwitscfgdlg.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

using namespace wits;
using platform::BST_CHECKED;
using platform::BST_UNCHECKED;
using platform::Dialog;
using testing_support::doubles;

namespace {

bool Shown(const Dialog& d, int id) { return d.Control(id) && d.Control(id)->isVisibleTo(&d); }

QList<int> ShownOf(const Dialog& d, std::initializer_list<int> ids)
{
    QList<int> shown;
    for (int id : ids)
        if (Shown(d, id))
            shown << id;
    return shown;
}

const std::initializer_list<int> kInputs = {101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 113, 114, 115, 116,
                                            117, 118, 119, 120, 121, 122, 123, 124, 127, 134, 135, 136, 139};

class CustWitsDialog : public ::testing::Test {
protected:
    CustWitsDialog()
    {
        DefaultCustWitsConfig(record);
        record.tcpPort = 5000;
        record.serverAddress[0] = 10;
        record.serverAddress[3] = 7;
        record.lithologyUpdate = 1;
        record.lithologyAddress[0] = 192;
        record.lithologyAddress[1] = 0;
        record.lithologyAddress[2] = 2;
        record.lithologyAddress[3] = 9;
        record.lithologyPort = 6001;
    }
    // Runs the dialog with `script`; true when it was saved.
    bool Run(int profile, int form, std::function<void(Dialog&)> script)
    {
        Dialog::QueueTestScript(std::move(script));
        return RunCustWitsCfgDlg(&main, profile, form, record);
    }

    QWidget main;
    CUSTWITSCFG record{};
};

TEST_F(CustWitsDialog, TheStandardFormShowsOnlyTheTcpSettingsAndStoresThemByProfile)
{
    int customWidth = 0;
    Run(7, kCustomLinkForm, [&](Dialog& d) { customWidth = d.width(); });
    const bool saved = Run(7, kStandardLinkForm, [&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "WITS ON TCP");
        EXPECT_EQ(d.width(), customWidth - 150);
        EXPECT_EQ(ShownOf(d, kInputs), QList<int>({119, 120, 121, 122, 123, 124, 127}));
        EXPECT_EQ(d.GetText(120) + " " + d.GetText(121) + "." + d.GetText(124), "5000 10.7");
        d.SetCheck(119, BST_CHECKED);
        d.SetCheck(127, BST_CHECKED);
        d.SetText(122, "168");
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(saved);
    EXPECT_EQ(+record.witsOnTcp, 1);
    EXPECT_EQ(+record.tcpServer, 1);
    EXPECT_EQ(+record.serverAddress[1], 168);
    EXPECT_EQ(+record.lithologyUpdate, 0) << "only profile 2 sends to a lithology receiver";
    EXPECT_EQ(+record.lithologyPort, 6001) << "hidden fields keep their values";
    EXPECT_EQ(+record.lithologyAddress[0], 192);

    // Profile 23 is always the server, whatever the box shows.
    ASSERT_TRUE(Run(23, kStandardLinkForm, [](Dialog& d) {
        EXPECT_EQ(d.GetCheck(127), BST_CHECKED);
        d.SetCheck(127, BST_UNCHECKED);
        d.Click(platform::IDOK);
    }));
    EXPECT_EQ(+record.tcpServer, 1);

    // Profile 2: the lithology receiver's fields follow the "Update To" box, filled from the record.
    record.lithologyUpdate = 0;
    ASSERT_TRUE(Run(2, kStandardLinkForm, [](Dialog& d) {
        EXPECT_TRUE(Shown(d, 134));
        EXPECT_EQ(ShownOf(d, {101, 113, 116, 135, 136, 137, 138}), QList<int>());
        d.Click(134);
        EXPECT_EQ(ShownOf(d, {101, 113, 116, 135, 136, 137, 138}), QList<int>({101, 113, 116, 135, 136, 137, 138}));
        EXPECT_EQ(d.GetText(101) + "." + d.GetText(113) + "." + d.GetText(116) + "." + d.GetText(135) + ":" +
                      d.GetText(136),
                  "192.0.2.9:6001");
        d.SetText(136, "6002");
        d.Click(platform::IDOK);
    }));
    EXPECT_EQ(+record.lithologyUpdate, 1);
    EXPECT_EQ(+record.lithologyPort, 6002);
}

TEST_F(CustWitsDialog, AnAddressNumberOrAPortOutOfRangeIsRefusedWithTheFieldNamed)
{
    const CUSTWITSCFG before = record;
    const auto refused = [&](int profile, int id, const char* text, const QString& field) {
        doubles().prompter.messages.clear();
        const bool saved = Run(profile, kStandardLinkForm, [&](Dialog& d) {
            d.SetCheck(119, BST_CHECKED);
            if (profile == 2 && d.GetCheck(134) != BST_CHECKED)
                d.Click(134);
            d.SetText(id, QString::fromLatin1(text));
            d.Click(platform::IDOK);
            EXPECT_TRUE(d.isVisible()) << text;  // still open
            EXPECT_EQ(d.FocusedId(), id);
        });
        EXPECT_FALSE(saved) << text;
        ASSERT_EQ(doubles().prompter.messages.size(), 1) << text;
        EXPECT_TRUE(doubles().prompter.messages[0].text.startsWith(field)) << doubles().prompter.messages[0].text.toStdString();
    };
    refused(7, 121, "256", "IP ADDRESS number 1 ");
    refused(7, 124, "-1", "IP ADDRESS number 4 ");
    refused(7, 123, "x", "IP ADDRESS number 3 ");
    refused(7, 120, "0", "TCP Port ");
    refused(7, 120, "65536", "TCP Port ");
    refused(2, 136, "70000", "LITH Port ");
    refused(2, 135, "300", "LITH IP ADDRESS number 4 ");
    // A refused save changes nothing.
    EXPECT_EQ(+record.tcpPort, +before.tcpPort);
    EXPECT_EQ(+record.lithologyPort, +before.lithologyPort);
    EXPECT_EQ(std::memcmp(record.serverAddress, before.serverAddress, sizeof record.serverAddress), 0);
    EXPECT_EQ(std::memcmp(record.lithologyAddress, before.lithologyAddress, sizeof record.lithologyAddress), 0);

    // The edges themselves are taken.
    ASSERT_TRUE(Run(7, kStandardLinkForm, [](Dialog& d) {
        d.SetCheck(119, BST_CHECKED);
        d.SetText(120, "65535");
        d.SetText(121, "255");
        d.SetText(122, "0");
        d.Click(platform::IDOK);
    }));
    EXPECT_EQ(+record.tcpPort, 65535);
    EXPECT_EQ(+record.serverAddress[0], 255);
}

TEST_F(CustWitsDialog, TheCustomFormStoresItsListsAtOnceAndItsNumbersAsTyped)
{
    const bool saved = Run(7, kCustomLinkForm, [&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Strativ Custom Wits Connection");
        EXPECT_EQ(ShownOf(d, {119, 120, 121, 122, 123, 124, 127, 134, 136, 101, 113, 116, 135}), QList<int>());
        EXPECT_EQ(d.GetText(109) + " " + d.GetText(110) + " " + d.GetText(114), "2500 4.0 1.0");
        EXPECT_EQ(d.GetCount(106), 5);
        EXPECT_EQ(d.GetString(107, d.GetSelIndex(107)), "19200");
        d.SetSelIndex(107, 3);
        d.Command(107, platform::CBN_SELCHANGE);
        EXPECT_EQ(+record.baudIndex, 3);  // at once
        d.SetSelIndex(106, 4);
        d.Command(106, platform::CBN_SELCHANGE);
        EXPECT_EQ(+record.connectionMode, 4);
        d.SetText(108, "3");
        d.SetText(109, "2500.7");
        d.SetText(110, "2.5");
        d.SetText(115, "junk");
        d.SetCheck(103, BST_CHECKED);
        d.SetCheck(102, BST_UNCHECKED);
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(saved);
    EXPECT_EQ(+record.comPort, 3);
    EXPECT_EQ(+record.replyTimeoutMs, 2500);
    EXPECT_FLOAT_EQ(+record.intervalSeconds, 2.5f);
    EXPECT_FLOAT_EQ(+record.chromatAttenuator, 0.0f);
    EXPECT_EQ(+record.trackTotalGas, 1);
    EXPECT_EQ(+record.trackDepth, 0);
    EXPECT_EQ(+record.tcpPort, 5000) << "the TCP settings are not this form's";

    // Profile 23 may look but not change the custom settings.
    Run(23, kCustomLinkForm, [](Dialog& d) {
        EXPECT_FALSE(d.IsEnabled(107));
        EXPECT_FALSE(d.IsEnabled(108));
        EXPECT_FALSE(d.IsEnabled(102));
    });
}

}  // namespace
