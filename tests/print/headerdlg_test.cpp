// The well header dialog driven by its controls, and the header copy a drilling station sends: the
// ".hdr" on disk is compared byte for byte with its copy before. A well W1 of 1000-2600 on a 15 x 11 in
// PDF printer at 300 dpi.
#include "print/ui/headerdlg.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "app/wellsettings.h"
#include "platform/text.h"
#include "print/print_services.h"
#include "print/sendheadercopy.h"
#include "print/ui/printwindowservices.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/testmain.h"
#include "support/viewfixture.h"
#include "support/wells.h"
#include "wellfile/wellconfig.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>

using namespace print;
using namespace print::headerid;
using platform::Dialog;
using testing_support::doubles;
using testing_support::TestDir;

namespace {

// The text of the header field at `offset`, read within `width` bytes.
std::string TextAt(const QByteArray& bytes, int offset, int width)
{
    return platform::FieldText(bytes.constData() + offset, std::size_t(width));
}

class HeaderDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::PrinterDescription d = testing_support::TestPrinter("Test PDF", "FILE:", 300, {15, 11});
        d.outputFile.clear();
        doubles().printers.defaultPrinter = d;
        ASSERT_TRUE(testing_support::OpenView(s, testing_support::MakeWell(TestDir() + "wells/", "W1.svm", 1000, 2600)));
        s.well.loggerId = 12;
        WriteHeader([](wellfile::WellHeader&) {});
    }

    // A header whose bytes outside its texts are 'z', the texts filled in and then changed by `change`.
    void WriteHeader(const std::function<void(wellfile::WellHeader&)>& change)
    {
        wellfile::WellHeader h;
        std::memset(&h, 'z', sizeof h);
        auto set = [](char* field, std::size_t width, const char* text) { platform::SetFieldText(field, width, text); };
#define SET(member, text) set(h.member, sizeof h.member, text)
        SET(company, "Old Co");
        SET(well, "Old Well 1");
        SET(field, "Wildcat");
        SET(county, "Kern");
        SET(state, "CA");
        SET(location, "Sec 12");
        SET(location2, "T1N R2W");
        SET(spudDate, "3/19/2016");
        SET(loggedFrom, "3/20/2016");
        SET(loggedTo, "4/02/2016");
        SET(intervalFrom, "1000");
        SET(intervalTo, "2500");
        SET(groundLevel, "1200");
        SET(kellyBushing, "1215 ft");
        SET(apiNumber, "04-029-00001");
        SET(loggers, "A. Logger");
        SET(loggers2, "B. Logger");
        SET(unitNumber, "U7");
        SET(rig, "Rig 5");
        SET(geologist, "G. Ologist");
        SET(fileName, "old.svm");
        SET(fileNumber, "FN-1");
        SET(phoneNumbers, "555-0100");
        SET(engineer, "E. Ngineer");
        SET(elogKb, "10");
#undef SET
        h.operatorCode = 2;
        change(h);
        testing_support::WriteBytes(HeaderPath(), &h, sizeof h);
    }

    QString HeaderPath() const { return s.well.file.currentFolder + "W1.hdr"; }
    QString SentPath() const { return s.well.file.dataFolder + "sendfile/W1.hdr"; }
    QByteArray Header() const { return testing_support::ReadBytes(HeaderPath()); }

    // "&Header..." with `script`, then the button `close`.
    void RunHeader(std::function<void(Dialog&)> script, int close)
    {
        Dialog::QueueTestScript([script = std::move(script), close](Dialog& d) {
            script(d);
            d.Click(close);
        });
        services.CmHeader(s);
    }

    std::unique_ptr<app::LogState> state = std::make_unique<app::LogState>();
    app::LogState& s = *state;
    PrintWindowServices services{nullptr, DefaultPrintServices()};
};

TEST_F(HeaderDialog, SaveStoresEachFieldAtItsOffsetAndLeavesTheRestOfTheHeader)
{
    const QByteArray before = Header();
    s.well.wellTitle = "Old Well 1";
    RunHeader([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "STRATIV HEADER INFORMATION");
        EXPECT_EQ(d.GetText(Company), "Old Co");
        EXPECT_EQ(d.GetText(FileName), "W1.svm");
        d.SetText(Company, "Acme Drilling");
        d.SetText(Well, "Acme 7-12");
        d.SetText(StartDepth, "1100");
        d.SetText(StartDate, "3/01/2026");
        d.SetText(ApiNumber, "42-123-45678");
        d.SetText(KellyBushing, "1234.5 ft");
        d.SetText(ElogKb, "25");
        d.SetText(FileName, "anything.txt");
    }, Save);

    const QByteArray after = Header();
    ASSERT_EQ(after.size(), 2052);
    EXPECT_EQ(TextAt(after, 0, 80), "Acme Drilling");
    EXPECT_EQ(TextAt(after, 80, 80), "Acme 7-12");
    EXPECT_EQ(TextAt(after, 470, 20), "1100");
    EXPECT_EQ(TextAt(after, 430, 20), "3/01/2026");
    EXPECT_EQ(TextAt(after, 570, 30), "42-123-45678");
    EXPECT_EQ(TextAt(after, 540, 30), "1234.5 ft");
    EXPECT_EQ(TextAt(after, 2010, 12), "25");
    EXPECT_EQ(TextAt(after, 890, 50), "W1.svm");
    EXPECT_EQ(testing_support::At<std::int32_t>(after, 2022), 0);
    // What was not typed stays as it was, the second loggers line (not shown for profile 12) too.
    EXPECT_EQ(TextAt(after, 190, 30), "Kern");
    EXPECT_EQ(TextAt(after, 680, 80), "B. Logger");

    // Bytes of no field of the dialog are untouched: the other profiles' fields and the spare bytes.
    std::set<int> owned;
    for (const HeaderTextField& f : kHeaderTextFields)
        if (f.id != FileNumber && f.id != Engineer)
            for (std::size_t i = 0; i < f.width; ++i)
                owned.insert(int(f.headerOffset + i));
    for (int i = 2010; i < 2026; ++i)
        owned.insert(i);
    for (int i = 0; i < 2052; ++i) {
        if (!owned.count(i)) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i;
        }
    }

    EXPECT_FLOAT_EQ(s.well.kbElevation, 1234.5f);
    EXPECT_FLOAT_EQ(s.depthMatch.elogKbElevation, 25.0f);
    EXPECT_EQ(s.well.wellTitle, "Acme 7-12");
    EXPECT_EQ(s.well.wellCompany, "Acme Drilling");
    EXPECT_TRUE(s.view.redrawPending);
    EXPECT_FALSE(QFile::exists(SentPath())) << "not drilling: nothing is sent";
}

TEST_F(HeaderDialog, CloseAfterTypingLeavesTheHeaderAsItWas)
{
    const QByteArray before = Header();
    s.well.wellTitle = "Old Well 1";
    s.well.kbElevation = 7;
    RunHeader([](Dialog& d) {
        d.SetText(Company, "Typed Co");
        d.SetText(KellyBushing, "99");
    }, Close);
    EXPECT_EQ(Header(), before);
    EXPECT_EQ(s.well.wellTitle, "Old Well 1");
    EXPECT_FLOAT_EQ(s.well.kbElevation, 7.0f);
}

// Each profile loads and stores the file number, the engineer and the phone numbers only when they are
// its own; the header keeps those of other profiles through a save.
TEST_F(HeaderDialog, ProfileFieldsAreLoadedAndSavedOnlyForTheirProfiles)
{
    struct Case {
        int profile, second;
        bool fileNumber, engineer, phone;
    };
    const Case cases[] = {
        {5, 0, true, false, false},  {31, 0, true, false, false}, {68, 0, true, false, true},
        {9, 0, false, true, false},  {21, 0, false, true, false}, {86, 0, false, true, false},
        {10, 11, false, true, false}, {25, 0, false, false, true}, {26, 0, false, false, true},
        {10, 0, false, false, false},
    };
    for (const Case& c : cases) {
        WriteHeader([](wellfile::WellHeader&) {});
        s.well.loggerId = std::uint16_t(c.profile);
        s.well.secondProfile = std::uint16_t(c.second);
        RunHeader([&c](Dialog& d) {
            EXPECT_EQ(d.GetText(FileNumber), c.fileNumber ? "FN-1" : "") << c.profile;
            EXPECT_EQ(d.GetText(Engineer), c.engineer ? "E. Ngineer" : "") << c.profile;
            EXPECT_EQ(d.GetText(PhoneNumbers), c.phone ? "555-0100" : "") << c.profile;
            // Only profile 5 shows the file number; no profile shows the phone numbers.
            EXPECT_EQ(d.Control(FileNumber)->isVisible(), c.profile == 5) << c.profile;
            EXPECT_FALSE(d.Control(PhoneNumbers)->isVisible());
            d.SetText(FileNumber, "FN-2");
            d.SetText(Engineer, "New Eng");
            d.SetText(PhoneNumbers, "555-0199");
        }, Save);
        const QByteArray h = Header();
        EXPECT_EQ(TextAt(h, 940, 16), c.fileNumber ? "FN-2" : "FN-1") << c.profile;
        EXPECT_EQ(TextAt(h, 1980, 30), c.engineer ? "New Eng" : "E. Ngineer") << c.profile;
        EXPECT_EQ(TextAt(h, 1524, 128), c.phone ? "555-0199" : "555-0100") << c.profile;
    }
}

TEST_F(HeaderDialog, LoadingFollowsTheProfileAndTheHeaderLayout)
{
    // The alternate header layout shows the dates with dashes and keeps "Narrow Format:" ticked, hidden.
    s.print.profileOptions.alternateHeader = true;
    RunHeader([](Dialog& d) {
        EXPECT_EQ(d.GetText(SpudDate), "3-19-2016");
        EXPECT_EQ(d.GetText(StartDate), "3-20-2016");
        EXPECT_EQ(d.GetText(EndDate), "4-02-2016");
        EXPECT_EQ(d.GetCheck(NarrowFormat), platform::BST_CHECKED);
        EXPECT_FALSE(d.Control(NarrowFormat)->isVisible());
    }, Close);
    s.print.profileOptions.alternateHeader = false;

    // The second loggers line: profiles 2, 91 and 92 with two characters or more, and profile 9.
    struct Case {
        int profile;
        const char* loggers2;
        bool shown;
    };
    for (const Case& c : {Case{2, "AB", true}, Case{91, "AB", true}, Case{92, "A", false}, Case{9, "A", true},
                          Case{10, "AB", false}}) {
        WriteHeader([&c](wellfile::WellHeader& h) { platform::SetFieldText(h.loggers2, c.loggers2); });
        s.well.loggerId = std::uint16_t(c.profile);
        RunHeader([&c](Dialog& d) {
            EXPECT_EQ(d.GetText(Loggers2), c.shown ? c.loggers2 : "") << c.profile;
            EXPECT_EQ(d.Control(UnitNumber)->isVisible(), c.profile != 9) << c.profile;
            EXPECT_EQ(d.GetCheck(NarrowFormat), platform::BST_CHECKED);
            EXPECT_TRUE(d.Control(NarrowFormat)->isVisible());
        }, Save);
        // A line the dialog did not show survives the save.
        EXPECT_EQ(TextAt(Header(), 680, 80), c.loggers2) << c.profile;
    }

    // An edit takes its field's width less one: a 35-character field name keeps 29 characters.
    RunHeader([](Dialog& d) { d.SetText(Field, QString(35, 'F')); }, Save);
    const QByteArray h = Header();
    EXPECT_EQ(TextAt(h, 160, 30), std::string(29, 'F'));
    EXPECT_EQ(h[189], '\0');
}

TEST_F(HeaderDialog, UpdateBoxIsOfferedOnlyWhileDrilling)
{
    RunHeader([](Dialog& d) {
        EXPECT_FALSE(d.Control(UpdateHeader)->isVisible());
        EXPECT_EQ(d.GetCheck(UpdateHeader), platform::BST_UNCHECKED);
        EXPECT_FALSE(d.Control(OperatorGroup)->isVisible());
        EXPECT_FALSE(d.IsEnabled(UniqueWellId));
        EXPECT_EQ(d.GetText(UniqueWellId), "") << "no source gives the well an identifier";
    }, Close);

    s.well.file.drilling = true;
    RunHeader([](Dialog& d) {
        EXPECT_TRUE(d.Control(UpdateHeader)->isVisible());
        EXPECT_EQ(d.GetCheck(UpdateHeader), platform::BST_UNCHECKED);
        d.Click(UpdateHeader);
    }, Close);
    EXPECT_TRUE(s.print.updateHeader);
    RunHeader([](Dialog& d) { EXPECT_EQ(d.GetCheck(UpdateHeader), platform::BST_CHECKED); }, Close);
}

TEST_F(HeaderDialog, PrintPrintsTheTypedHeaderAloneAndStaysOpen)
{
    // Profile 134 prints the well fields under its logo.
    s.well.loggerId = 134;
    QImage logo(10, 4, QImage::Format_RGB32);
    logo.fill(Qt::green);
    QDir().mkpath(s.well.file.dataFolder + "bitmaps");
    ASSERT_TRUE(logo.save(s.well.file.dataFolder + "bitmaps/QKRT_logo.jpg", "JPEG"));
    const QString pdf = s.well.file.dataFolder + "StrativM.pdf";
    s.print.narrowFormat = false;

    RunHeader([&](Dialog& d) {
        d.SetText(Company, "Zephyr Energy");
        d.SetText(Well, "Bluebell 4");
        d.Click(Print);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.Result(), platform::IDCANCEL) << "still open";
    }, Close);

    ASSERT_EQ(testing_support::PdfPageCount(pdf), 1);
    const QString text = testing_support::PdfText(pdf);
    EXPECT_TRUE(text.contains("Zephyr Energy")) << text.toStdString();
    EXPECT_TRUE(text.contains("Bluebell 4"));
    EXPECT_FALSE(s.print.headerOnly);
    EXPECT_TRUE(s.print.narrowFormat);
    EXPECT_EQ(TextAt(Header(), 0, 80), "Zephyr Energy");
    EXPECT_EQ(testing_support::At<std::int32_t>(Header(), 2022), 2) << "only SAVE clears the operator code";
    EXPECT_EQ(s.well.wellTitle, "Bluebell 4");
}

TEST_F(HeaderDialog, BusyWindowOnlyBeeps)
{
    const QByteArray before = Header();
    const std::function<void(bool)> flags[] = {
        [this](bool on) { s.interaction.commandLock = on; },
        [this](bool on) { s.scroll.renderingImage = on; },
        [this](bool on) { s.view.logImageMode = on; },
    };
    for (const auto& set : flags) {
        set(true);
        const int beeps = doubles().sounder.beeps;
        Dialog::QueueTestScript([](Dialog& d) { d.SetText(Company, "X"); d.Click(Save); });
        services.CmHeader(s);
        EXPECT_EQ(doubles().sounder.beeps, beeps + 1);
        EXPECT_EQ(Dialog::PendingTestScripts(), 1) << "no dialog";
        Dialog::ClearTestScripts();
        set(false);
    }
    EXPECT_EQ(Header(), before);
}

TEST_F(HeaderDialog, HeaderThatCannotBeWrittenIsReportedAndTheWindowKeepsItsTitles)
{
    QFile::remove(HeaderPath());
    ASSERT_TRUE(QDir().mkpath(HeaderPath()));
    s.well.wellTitle = "Kept";
    s.well.kbElevation = 7;
    RunHeader([](Dialog& d) {
        d.SetText(Well, "Lost");
        d.SetText(KellyBushing, "100");
    }, Save);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(doubles().prompter.messages[0].text.contains("W1.hdr"));
    EXPECT_EQ(s.well.wellTitle, "Kept");
    EXPECT_FLOAT_EQ(s.well.kbElevation, 7.0f);
}

TEST_F(HeaderDialog, SaveWhileDrillingSendsTheHeaderAndNamesTheTransferScript)
{
    s.well.file.drilling = true;
    s.well.loggerId = 2;
    ASSERT_TRUE(app::SaveWellConfig(s, s.well.config));
    RunHeader([](Dialog& d) { d.SetText(Company, "Halliburton Co"); }, Save);
    EXPECT_EQ(testing_support::ReadBytes(SentPath()), Header());
    EXPECT_EQ(platform::FieldText(s.well.config.transferScript), "Halli.jfw");
    auto stored = std::make_unique<wellfile::WellConfig>();
    ASSERT_TRUE(wellfile::LoadConfig(*stored, app::PlaceOf(s), s.well.fieldSettings));
    EXPECT_EQ(platform::FieldText(stored->transferScript), "Halli.jfw");

    // A script once named stays.
    RunHeader([](Dialog& d) { d.SetText(Company, "Other Co"); }, Save);
    EXPECT_EQ(platform::FieldText(s.well.config.transferScript), "Halli.jfw");
    EXPECT_EQ(TextAt(testing_support::ReadBytes(SentPath()), 0, 80), "Other Co");
}

class HeaderCopy : public HeaderDialog {
protected:
    void SetUp() override
    {
        HeaderDialog::SetUp();
        doubles().clock.now = QDateTime(QDate(2026, 3, 6), QTime(14, 5));
        s.well.file.drilling = true;
        s.print.updateHeader = true;
    }
};

TEST_F(HeaderCopy, StampsTheLastDepthAndTodayAndReplacesTheSentCopy)
{
    ASSERT_EQ(s.well.file.fileBottomDepth, 2600);
    QDir().mkpath(s.well.file.dataFolder + "sendfile");
    testing_support::WriteBytes(SentPath(), QByteArray(3000, 'o'));
    SendHeaderCopy(s);
    QByteArray h = Header();
    EXPECT_EQ(TextAt(h, 490, 20), "2600");
    EXPECT_EQ(TextAt(h, 450, 20), "6/03/2026");
    EXPECT_EQ(TextAt(h, 470, 20), "1000");
    EXPECT_EQ(testing_support::ReadBytes(SentPath()), h);

    // A start depth in feet marks the end depth so too.
    WriteHeader([](wellfile::WellHeader& x) { platform::SetFieldText(x.intervalFrom, "1000'"); });
    SendHeaderCopy(s);
    h = Header();
    EXPECT_EQ(TextAt(h, 490, 20), "2600'");
    EXPECT_EQ(testing_support::ReadBytes(SentPath()), h);
}

TEST_F(HeaderCopy, NothingIsWrittenUnlessDrillingWithTheOptionOn)
{
    const QByteArray before = Header();
    s.print.updateHeader = false;
    SendHeaderCopy(s);
    s.print.updateHeader = true;
    s.well.file.drilling = false;
    SendHeaderCopy(s);
    EXPECT_EQ(Header(), before);
    EXPECT_FALSE(QFile::exists(SentPath()));

    // Without a header there is nothing to stamp: none is made.
    s.well.file.drilling = true;
    QFile::remove(HeaderPath());
    SendHeaderCopy(s);
    EXPECT_FALSE(QFile::exists(HeaderPath()));
    EXPECT_FALSE(QFile::exists(SentPath()));
}

TEST_F(HeaderCopy, TheHeaderCommandAndThePrintedHeaderSendItFirst)
{
    // The dialog opens on the stamped header.
    RunHeader([](Dialog& d) {
        EXPECT_EQ(d.GetText(EndDepth), "2600");
        EXPECT_EQ(d.GetText(EndDate), "6/03/2026");
    }, Close);
    EXPECT_EQ(testing_support::ReadBytes(SentPath()), Header());

    // The printed header stamps the day it is printed.
    QFile::remove(SentPath());
    doubles().clock.now = QDateTime(QDate(2026, 3, 7), QTime(9, 0));
    PrintHeaderOnly(services, s);
    EXPECT_EQ(TextAt(Header(), 450, 20), "7/03/2026");
    EXPECT_EQ(testing_support::ReadBytes(SentPath()), Header());
}

}  // namespace
