#pragma once
// The printed header's test fixture: the well W1 (1000-1300) opened with a well header, printed through
// the print command on a 15 x 11 in page at 300 dpi with no margins (row height 24, column unit 22 once
// the run has narrowed it), or the header drawn straight onto a page image with those units.
#include "print/draw/printheader.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "print/printsetup.h"
#include "print/ui/printheaderof.h"
#include "print/ui/printwindowservices.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/recordingpainters.h"
#include "support/testmain.h"
#include "support/viewfixture.h"
#include "support/wells.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace print_header_test {

using namespace print;
using testing_support::doubles;
using testing_support::TestDir;

constexpr platform::COLORREF kBlack = platform::RGB(0, 0, 0);
constexpr platform::COLORREF kWhite = platform::RGB(255, 255, 255);

// A word of the page in pixels at 300 dpi.
struct Word {
    QString text;
    double x = 0, y = 0;
    double right = 0;
};

class PrintHeader : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::PrinterDescription d = testing_support::TestPrinter("Test PDF", "FILE:", 300, {15, 11});
        d.outputFile.clear();
        doubles().printers.defaultPrinter = d;
    }

    // Opens the well W1 (1000-1300) of profile `profile` with a well header whose fields `edit` fills.
    bool Open(int profile = 12, const std::function<void(wellfile::WellHeader&)>& edit = {})
    {
        std::vector<wellfile::RECORD> rows;
        for (int d = 900; d <= 1300; ++d)
            rows.push_back(testing_support::ValidRecord(d, 2.0f, "100SH"));
        platform::SetFieldText(rows.front().interpretedLith, "PRF" + std::to_string(profile));
        const QString path = TestDir() + "wells/W1.svm";
        QDir().mkpath(TestDir() + "wells");
        testing_support::WriteRecords(path, rows);
        if (!testing_support::OpenView(s, path))
            return false;
        s.well.loggerId = std::uint16_t(profile);
        s.view.rateInMetresPerHour = 0;  // the headers below name rates in minutes a unit
        s.view.painters = &painters;
        s.print.rowStep = false;
        wellfile::WellHeader header{};
        platform::SetFieldText(header.company, "Acme Oil");
        platform::SetFieldText(header.well, "Test 1");
        platform::SetFieldText(header.fileName, "W1.SVM");
        if (edit)
            edit(header);
        return wellfile::SaveHeader(header, app::PlaceOf(s)) == 1;
    }

    // Prints 1000-1200 at scale kind `kind` with the full header, in colour or not.
    QString Print(int kind = 1, bool colour = true, bool shortHeader = false)
    {
        s.print.scaleKind = kind;
        services.runPrintSetup = [=](app::LogState& log, wellfile::PRINTCFG& cfg) {
            const int go = testing_support::PressPrintInSetup(log, cfg);
            cfg.startDepth = 1000;
            cfg.endDepth = 1200;
            cfg.fullHeader = !shortHeader;
            cfg.shortHeader = shortHeader;
            cfg.colour = colour;
            return go;
        };
        const QString pdf = s.well.file.dataFolder + "sendfile/W1@1200" + (kind == 3 ? "-1inch" : "-5inch") + ".pdf";
        QFile::remove(pdf);
        painters.calls.clear();
        services.CmPrint(s);
        return pdf;
    }

    // The y of the first printed row and the rows of the first page.
    std::pair<int, int> FirstPageRows() const
    {
        int first = -1, count = 0, last = -1;
        for (const testing_support::PainterCall& c : painters.Named("DrawLithology")) {
            if (c.args[4] != 0)
                continue;
            const int y = int(c.args[1]);
            if (last >= 0 && y < last)
                break;
            if (first < 0)
                first = y;
            last = y;
            ++count;
        }
        return {first, count};
    }

    static std::vector<Word> Words(const QString& pdf, int page = 1)
    {
        std::vector<Word> words;
        for (const testing_support::PdfWord& w : testing_support::PdfWords(pdf))
            if (w.page == page)
                words.push_back({w.text, w.xMin * 300 / 72, w.yMin * 300 / 72, w.xMax * 300 / 72});
        return words;
    }

    // Draws the header straight onto a white page image, with the print's row height 24 and column
    // unit 22 and the window's state as `in` changes it, recording its texts.
    int Draw(const std::function<void(PrintHeaderInput&)>& edit = {}, wellfile::PRINTCFG* settings = nullptr)
    {
        s.print.rowHeight = 24;
        s.print.columnUnit = 22;
        PrintHeaderInput in = PrintHeaderInputOf(s);
        if (edit)
            edit(in);
        page.fill(Qt::white);
        dc.RecordText(true);
        return DrawPrintHeader(dc, in, settings, s.print.clientTitle);
    }
    // The first recorded text equal to `text`; null when none.
    const platform::DcText* Recorded(const QString& text) const
    {
        for (const platform::DcText& t : dc.TextRecord())
            if (t.text == text)
                return &t;
        return nullptr;
    }
    bool Drawn(const QString& text) const
    {
        for (const platform::DcText& t : dc.TextRecord())
            if (t.text == text)
                return true;
        return false;
    }

    std::unique_ptr<app::LogState> state = std::make_unique<app::LogState>();
    app::LogState& s = *state;
    testing_support::RecordingPainters painters;
    PrintWindowServices services{nullptr, DefaultPrintServices()};
    QImage page{3400, 1600, QImage::Format_RGB32};
    platform::Dc dc{page};
};

// The words of `words` equal to `text` near (x, y).
inline bool WordNear(const std::vector<Word>& words, const QString& text, double x, double y, double dx = 3, double dy = 6)
{
    for (const Word& w : words)
        if (w.text == text && std::abs(w.x - x) <= dx && std::abs(w.y - y) <= dy)
            return true;
    return false;
}

inline bool HasWord(const std::vector<Word>& words, const QString& text)
{
    for (const Word& w : words)
        if (w.text == text)
            return true;
    return false;
}

inline int Channel(platform::COLORREF c, int shift) { return int((c >> shift) & 0xFF); }

inline bool Near(platform::COLORREF a, platform::COLORREF b, int tolerance)
{
    for (int shift : {0, 8, 16})
        if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance)
            return false;
    return true;
}

}  // namespace print_header_test
