// "Done" in the four entry dialogs keeps the value still in the box, typed key by key and never closed
// with Enter: it is entered as Enter would, and a value Enter would refuse keeps the dialog open.
#include "entry/ui/enterlithdlg.h"
#include "entry/ui/enterrate.h"
#include "entry/ui/entershow.h"
#include "entry/ui/loggasinput.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "support/entrywindow.h"
#include "support/testmain.h"

#include <QTest>

#include <gtest/gtest.h>

using platform::Dialog;
using testing_support::doubles;

namespace {

void Type(Dialog& d, int box, const QString& keys, bool enter = false)
{
    QTest::keyClicks(d.Control(box), keys);
    if (enter)
        QTest::keyClick(d.Control(box), Qt::Key_Return);
}

}  // namespace

TEST(DoneEntersTheLineInTheBox, LithologyIsStoredWhenItTotalsAHundredElseTheDialogStays)
{
    testing_support::EntryWindow w(QStringLiteral("donelith.svm"));
    doubles().prompter.inputAnswers = {QString("1000")};
    bool stayed = false;
    Dialog::QueueTestScript([&](Dialog& d) {
        Type(d, entry::EnterLithDlg::IDC_VALUE, "80ls,20sh", true);  // 1001
        Type(d, entry::EnterLithDlg::IDC_VALUE, "60ls,30sh");        // 1002: refused on Done
        d.Click(platform::IDOK);
        stayed = d.isVisible();
        for (int k = 0; k < 9; ++k)
            QTest::keyClick(d.Control(entry::EnterLithDlg::IDC_VALUE), Qt::Key_Backspace);
        Type(d, entry::EnterLithDlg::IDC_VALUE, "70sh,30ls");
        d.Click(platform::IDOK);
    });
    w.window.CmEnterLithology();
    EXPECT_TRUE(stayed);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "INVALID DATA");
    EXPECT_EQ(platform::FieldText(w.At(1001).lith), "80ls,20sh");
    EXPECT_EQ(platform::FieldText(w.At(1002).lith), "70sh,30ls");
    EXPECT_EQ(platform::FieldText(w.At(1002).interpretedLith), "100sh");
    EXPECT_EQ(w.S().entry.lithologyResumeDepth, 1002);
}

TEST(DoneEntersTheLineInTheBox, RateGasAndShowKeepTheirLastValue)
{
    testing_support::EntryWindow w(QStringLiteral("donevalues.svm"));
    w.S().well.config.maxGasEntries = 3;
    w.S().view.rateInMetresPerHour = 0;  // rates typed in minutes per unit
    doubles().prompter.inputAnswers = {QString("1000"), QString("1000"), QString("1000")};
    Dialog::QueueTestScript([&](Dialog& d) {
        Type(d, entry::EnterRate::IDC_VALUE, "4", true);
        Type(d, entry::EnterRate::IDC_VALUE, "6");
        d.Click(platform::IDOK);
    });
    w.window.CmEnterRates();
    Dialog::QueueTestScript([&](Dialog& d) {
        Type(d, entry::LogGasInput::IDC_VALUE, "1.5", true);
        Type(d, entry::LogGasInput::IDC_VALUE, "2000", true);
        Type(d, entry::LogGasInput::IDC_VALUE, "30");
        d.Click(platform::IDOK);
    });
    w.window.CmEnterGas();
    bool stayed = false;
    Dialog::QueueTestScript([&](Dialog& d) {
        Type(d, entry::EnterShow::IDC_VALUE, "x");  // a wrong letter keeps the dialog open
        d.Click(platform::IDOK);
        stayed = d.isVisible();
        Type(d, entry::EnterShow::IDC_VALUE, "f");
        d.Click(platform::IDOK);
    });
    w.window.CmEnterShows();
    EXPECT_TRUE(stayed);
    EXPECT_FLOAT_EQ(w.At(1001).rateOne, 6.0f);
    EXPECT_FLOAT_EQ(w.At(1001).rate2Ft, 5.0f);
    EXPECT_FLOAT_EQ(w.At(1001).halfGas[2], 0.3f);
    EXPECT_EQ(w.At(1001).porosity, 'f');
}
