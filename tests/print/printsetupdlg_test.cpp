// The print set-up dialog driven by its controls: the demo well (1000-2600, profile 12) and a PDF test
// printer of 15 x 11 in at 300 dpi unless a test says otherwise.
#include "print/ui/printsetupdlg.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "print/printer_commands.h"
#include "print/ui/printwindowservices.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/testmain.h"
#include "support/viewfixture.h"
#include "wellfile/reportrecords.h"
#include "wellfile/wellconfig.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

using namespace print;
using namespace print::setupid;
using platform::Dialog;
using testing_support::doubles;

namespace {

platform::PrinterDescription Printer(const QString& name, const QString& port, int dpi, QSizeF inches,
                                     int color = platform::DMCOLOR_COLOR)
{
    platform::PrinterDescription d = testing_support::TestPrinter(name, port, dpi, inches);
    d.outputFile.clear();  // the job names its file
    d.color = color;
    return d;
}

platform::PrinterDescription EpsonOnLpt1()
{
    return Printer("EPSON Stylus 1000 ESC/P 2", "LPT1", 300, {14, 11});
}

std::int32_t Int32At(const QByteArray& bytes, int offset)
{
    std::int32_t v = 0;
    std::memcpy(&v, bytes.constData() + offset, sizeof v);
    return v;
}

bool Checked(const Dialog& d, int id) { return d.GetCheck(id) == platform::BST_CHECKED; }

void SetRange(Dialog& d, const char* start, const char* end)
{
    d.SetText(StartDepth, QString::fromLatin1(start));
    d.Command(StartDepth, platform::EN_KILLFOCUS);
    d.SetText(EndDepth, QString::fromLatin1(end));
    d.Command(EndDepth, platform::EN_KILLFOCUS);
}

class PrintSetupDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        doubles().printers.defaultPrinter = Printer("Test PDF", "FILE:", 300, {15, 11});
        ASSERT_TRUE(testing_support::OpenDemoView(s));
        services.painters.logPage = [](platform::Dc&, const LogPage& p) { return p.rowsPerPage; };
        services.painters.dstPage = [this](platform::Dc&, std::span<const wellfile::DSTREPORT>, int) { ++dstPages; };
    }

    void UsePrinter(const platform::PrinterDescription& d)
    {
        doubles().printers.defaultPrinter = d;
        s.print.printer.reset();
    }

    // The set-up as the print command runs it (the printer checked, the offered range in `cfg`): `script`
    // and then the button `close`.
    int Setup(std::function<void(Dialog&)> script, int close = platform::IDCANCEL)
    {
        cfg = wellfile::PRINTCFG{};
        cfg.continuousPaper = CheckPrinter(s);
        cfg.endDepth = s.well.file.fileBottomDepth;
        Queue(std::move(script), close);
        return RunPrintSetup(s, cfg);
    }

    // "&Print..." with `script` and then "Print" in the set-up; the log PDF for `end`, empty when none.
    QString Print(std::function<void(Dialog&)> script, int end, int close = platform::IDOK)
    {
        const QString pdf = s.well.file.dataFolder + "sendfile/" + s.well.file.wellName +
                            QStringLiteral("@%1-5inch.pdf").arg(end);
        QFile::remove(pdf);
        dstPages = 0;
        Queue(std::move(script), close);
        services.CmPrint(s);
        return QFile::exists(pdf) ? pdf : QString();
    }

    static void Queue(std::function<void(Dialog&)> script, int close)
    {
        Dialog::QueueTestScript([script = std::move(script), close](Dialog& d) {
            script(d);
            d.Click(close);
        });
    }

    QString ConfigPath() const { return wellfile::OwnConfigPath(app::PlaceOf(s), s.well.fieldSettings); }
    QByteArray Pfg() const { return testing_support::ReadBytes(s.well.file.dataFolder + "strativ.pfg"); }

    std::unique_ptr<app::LogState> state = std::make_unique<app::LogState>();
    app::LogState& s = *state;
    wellfile::PRINTCFG cfg{};
    PrintWindowServices services{nullptr, DefaultPrintServices()};
    int dstPages = 0;
};

}  // namespace

// The length the log prints to: a record a row of 0.08 in (1000 rows, 80 in), five records a row on the
// ten-foot scale, and the full header's 3 in.
TEST_F(PrintSetupDialog, LengthEstimateFollowsTheRangeTheHeaderAndTheScale)
{
    Setup([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "STRATIV PRINT SETUP");
        SetRange(d, "1000", "2000");
        EXPECT_EQ(d.GetText(Length), "83 inches");
        d.Click(FullHeader);
        EXPECT_EQ(d.GetText(Length), "80 inches");
        d.Click(FullHeader);
        d.SetText(StartDepth, "1500");
        EXPECT_EQ(d.GetText(Length), "83 inches");  // only leaving the edit recomputes it
        d.Command(StartDepth, platform::EN_KILLFOCUS);
        EXPECT_EQ(d.GetText(Length), "43 inches");
    });
    s.print.scaleKind = 3;
    Setup([](Dialog& d) {
        SetRange(d, "1000", "2000");
        EXPECT_EQ(d.GetText(Length), "19 inches");
    });
}

TEST_F(PrintSetupDialog, ResolutionIsThatOfThePrinterCheckedAndSetupPrinterChecksTheNewOne)
{
    UsePrinter(Printer("Test PDF", "FILE:", 585, {15, 11}));
    Setup([](Dialog& d) { EXPECT_EQ(d.GetText(Resolution), "600 X 470"); });

    // A monochrome printer changed for the wide Epson, in colour, on the first parallel port.
    UsePrinter(Printer("Test PDF", "FILE:", 300, {15, 11}, platform::DMCOLOR_MONOCHROME));
    platform::PrinterDescription epson = EpsonOnLpt1();
    epson.dpi = 600;
    doubles().printers.printDialogAnswers = {epson};
    const int go = Setup(
        [](Dialog& d) {
            EXPECT_EQ(d.GetText(Resolution), "300 X 240");
            EXPECT_FALSE(Checked(d, Colour) || d.IsEnabled(Colour));
            d.Click(SetupPrinter);
            EXPECT_EQ(d.GetText(Resolution), "600 X 480");
            EXPECT_TRUE(d.IsEnabled(Colour) && Checked(d, Colour));
        },
        platform::IDOK);
    EXPECT_EQ(go, 1);
    EXPECT_EQ(int(cfg.continuousPaper), 1);
    EXPECT_EQ(int(cfg.colour), 1);
    EXPECT_EQ(s.print.printer->Info().deviceName, "EPSON Stylus 1000 ESC/P 2");
}

TEST_F(PrintSetupDialog, PrintWritesTheRangeAskedOnThePrinterChosen)
{
    EXPECT_FALSE(Print([](Dialog& d) { SetRange(d, "1200", "1400"); }, 1400).isEmpty());
    QByteArray pfg = Pfg();
    ASSERT_EQ(pfg.size(), 250);
    EXPECT_EQ(Int32At(pfg, 80), 1200);
    EXPECT_EQ(Int32At(pfg, 84), 1400);
    EXPECT_EQ(Int32At(pfg, 236), 24);

    // The printer chosen in the set-up replaces the one the command started with.
    const platform::PrinterDescription chosen = testing_support::TestPrinter("Other PDF", "FILE:", 600, {15, 11});
    doubles().printers.printDialogAnswers = {chosen};
    QFile::remove(chosen.outputFile);
    Print(
        [](Dialog& d) {
            d.Click(SetupPrinter);
            SetRange(d, "1200", "1400");
        },
        1400);
    EXPECT_TRUE(QFile::exists(chosen.outputFile));
    pfg = Pfg();
    ASSERT_EQ(pfg.size(), 250);
    EXPECT_EQ(Int32At(pfg, 236), 48);
}

TEST_F(PrintSetupDialog, BadRangesPrintNothing)
{
    // A start typed above the file is raised to its first depth + 2 and then found below the end.
    EXPECT_TRUE(Print([](Dialog& d) { SetRange(d, "500", "1001"); }, 1001).isEmpty());
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Start depth greater than end depth");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Input Error");
    EXPECT_FALSE(QFile::exists(s.well.file.dataFolder + "strativ.pfg"));

    // Text that is no number reads as its leading number, else 0.
    EXPECT_EQ(Setup([](Dialog& d) { SetRange(d, "abc", "1500z"); }, platform::IDOK), 1);
    EXPECT_EQ(int(cfg.startDepth), 1002);
    EXPECT_EQ(int(cfg.endDepth), 1500);
}

TEST_F(PrintSetupDialog, PrintAllIsRememberedInTheWellSettingsAndCancelChangesNothing)
{
    const QByteArray before = testing_support::ReadBytes(ConfigPath());
    ASSERT_EQ(before.size(), int(sizeof(wellfile::WellConfig)));
    ASSERT_EQ(before[3955], 0);
    EXPECT_TRUE(Print([](Dialog&) {}, 2600, platform::IDCANCEL).isEmpty());
    EXPECT_EQ(testing_support::ReadBytes(ConfigPath()), before);

    Setup([](Dialog& d) {
        d.Click(FullHeader);
        d.Click(PrintAll);
        EXPECT_EQ(d.GetText(StartDepth), "1000");
        EXPECT_EQ(d.GetText(EndDepth), "2606");
        EXPECT_TRUE(Checked(d, FullHeader));
    });
    QByteArray expected = before;
    expected[3955] = 1;
    EXPECT_EQ(testing_support::ReadBytes(ConfigPath()), expected);

    Setup([](Dialog& d) {
        EXPECT_TRUE(Checked(d, PrintAll));
        EXPECT_EQ(d.GetText(StartDepth), "1002");
        EXPECT_EQ(d.GetText(EndDepth), "2600");
        d.Click(PrintAll);
    });
    EXPECT_EQ(testing_support::ReadBytes(ConfigPath()), before);

    // A settings file that cannot be read is never written over with a blank record.
    const QByteArray broken(100, 'x');
    testing_support::WriteBytes(ConfigPath(), broken);
    Setup([](Dialog& d) { d.Click(PrintAll); });
    EXPECT_EQ(testing_support::ReadBytes(ConfigPath()), broken);
}

TEST_F(PrintSetupDialog, HeaderBoxesExcludeEachOtherAndPageClassPrintersForceTheFullHeader)
{
    s.print.largePrint = true;
    Setup([](Dialog& d) {
        EXPECT_TRUE(Checked(d, FullHeader) && !Checked(d, ShortHeader));
        d.Click(ShortHeader);
        EXPECT_TRUE(!Checked(d, FullHeader) && Checked(d, ShortHeader));
        d.Click(FullHeader);
        EXPECT_TRUE(Checked(d, FullHeader) && !Checked(d, ShortHeader));
    });
    EXPECT_FALSE(s.print.largePrint);

    UsePrinter(Printer("Test PDF", "FILE:", 96, {15, 32}));  // 3072 px
    Setup([](Dialog& d) {
        EXPECT_TRUE(Checked(d, FullHeader) && !d.IsEnabled(FullHeader));
        EXPECT_TRUE(!Checked(d, ShortHeader) && !d.IsEnabled(ShortHeader));
    });
}

TEST_F(PrintSetupDialog, DescriptionsBoxFollowsTheScaleAndTheProfile)
{
    for (int kind : {1, 2}) {
        s.print.scaleKind = kind;
        Setup([](Dialog& d) { EXPECT_FALSE(d.IsEnabled(Descriptions) || Checked(d, Descriptions)); });
        EXPECT_FALSE(s.print.printDescriptions);
    }
    s.print.scaleKind = 3;
    s.well.loggerId = 17;
    Setup([](Dialog& d) { EXPECT_TRUE(d.IsEnabled(Descriptions) && Checked(d, Descriptions)); });
    EXPECT_TRUE(s.print.printDescriptions);
    EXPECT_EQ(Setup([](Dialog& d) { d.Click(Descriptions); }, platform::IDOK), 1);
    EXPECT_FALSE(s.print.printDescriptions);
    EXPECT_EQ(int(cfg.scaleKind), 3);
}

TEST_F(PrintSetupDialog, DstBoxNeedsTheWellsDstFileAndAddsItsPages)
{
    // The demo well comes with a test of its own: without it the box has nothing to print.
    ASSERT_TRUE(QFile::remove(s.well.file.currentFolder + "elogdemo.dst"));
    Setup([](Dialog& d) {
        EXPECT_EQ(d.GetText(PrintDsts), " Print DST's at end of log");
        EXPECT_FALSE(d.IsEnabled(PrintDsts));
    });

    std::vector<wellfile::DSTREPORT> tests(3);
    for (wellfile::DSTREPORT& t : tests)
        std::strcpy(t.fromDepth, "1500");
    testing_support::WriteRecords(s.well.file.currentFolder + "elogdemo.dst", tests);
    // An earlier print's choice does not carry over: the box opens cleared and the option follows it.
    s.print.dstPages = true;
    EXPECT_FALSE(Print(
                     [](Dialog& d) {
                         EXPECT_TRUE(d.IsEnabled(PrintDsts) && !Checked(d, PrintDsts));
                         SetRange(d, "1000", "2000");
                     },
                     2000)
                     .isEmpty());
    EXPECT_EQ(dstPages, 0);
    const QString pdf = Print(
        [](Dialog& d) {
            SetRange(d, "1000", "2000");
            d.Click(PrintDsts);
        },
        2000);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(dstPages, 2);
    EXPECT_EQ(testing_support::PdfPageCount(pdf), 8 + 2);
}

TEST_F(PrintSetupDialog, NarrowFormatFollowsThePrinterAndTheProfilesHeader)
{
    s.well.loggerId = 10;
    Setup([](Dialog& d) { EXPECT_TRUE(Checked(d, NarrowFormat)); });
    UsePrinter(EpsonOnLpt1());
    EXPECT_EQ(Setup([](Dialog& d) { EXPECT_FALSE(Checked(d, NarrowFormat)); }, platform::IDOK), 1);
    EXPECT_FALSE(s.print.narrowFormat);

    // The alternate header always prints narrow; the box is kept in the settings.
    s.print.profileOptions.alternateHeader = true;
    EXPECT_EQ(Setup(
                  [](Dialog& d) {
                      EXPECT_FALSE(Checked(d, NarrowFormat));
                      d.Click(NarrowFormat);
                  },
                  platform::IDOK),
              1);
    EXPECT_EQ(int(cfg.narrowFormat), 1);
    EXPECT_TRUE(s.print.narrowFormat);
}

TEST_F(PrintSetupDialog, ChoicesReachTheSettingsAndTheWindow)
{
    s.print.scaleKind = 2;
    s.well.config.rateLineStyle = 0;
    s.well.config.gasLineStyle = 0;
    s.well.config.topsLine = 0;
    s.view.picturesPresent = true;
    s.print.narrowFormat = true;
    const int go = Setup(
        [](Dialog& d) {
            EXPECT_TRUE(Checked(d, RateBlocked) && Checked(d, GasBlocked));
            EXPECT_FALSE(d.IsEnabled(Horizontal));
            for (int id : {RatePointToPoint, GasPointToPoint, RatePerHour, TwoAndHalfInch, ShortHeader, DataAsText,
                           TopsLine, Pictures})
                EXPECT_TRUE(d.Click(id)) << id;
        },
        platform::IDOK);
    EXPECT_EQ(go, 1);
    EXPECT_EQ(int(cfg.scaleKind), 2);
    EXPECT_EQ(int(cfg.ratePointToPoint), 1);
    EXPECT_EQ(int(cfg.gasPointToPoint), 1);
    EXPECT_EQ(int(cfg.rateInMetresPerHour), 1);
    EXPECT_EQ(int(cfg.twoAndHalfInch), 1);
    EXPECT_EQ(int(cfg.fullHeader), 0);
    EXPECT_EQ(int(cfg.shortHeader), 1);
    EXPECT_EQ(int(cfg.colour), 1);
    EXPECT_EQ(int(cfg.pictures), 1);
    EXPECT_FALSE(s.print.narrowFormat);  // cleared by the two-and-a-half-inch box
    EXPECT_TRUE(s.print.dataAsText);
    EXPECT_EQ(int(s.well.config.topsLine), 1);

    // A window scale of no kind the set-up offers ticks no scale radio: the settings keep theirs.
    s.print.scaleKind = 5;
    EXPECT_EQ(Setup([](Dialog&) {}, platform::IDOK), 1);
    EXPECT_EQ(int(cfg.scaleKind), 0);
}
