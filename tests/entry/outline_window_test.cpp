// "&Out Line..." on the main window: the codes "Save" and "Delete" write into the data file, the
// intervals and texts refused or cut, the fixed position, and the log drawn again with the outline.
#include "entry/ui/outlinedlg.h"
#include "logview/geometryof.h"
#include "platform/ui/dialog.h"
#include "platform/winapi.h"
#include "support/entrywindow.h"
#include "support/files.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using entry::OutLineDlg;
using platform::Dialog;
using testing_support::doubles;
using testing_support::ReadBytes;

namespace {

constexpr int kFirst = 900, kLast = 2000;

struct OutlineWindow : testing_support::EntryWindow {
    OutlineWindow()
        : EntryWindow(QStringLiteral("outline.svm"), kFirst, kLast)
    {
    }
    std::vector<wellfile::RECORD> Records() const { return testing_support::FileRecords<wellfile::RECORD>(path); }
    std::uint16_t Narrow(int depth) const { return At(depth).outlineNarrow; }
    std::uint16_t Wide(int depth) const { return At(depth).outlineWide; }
};

void Fill(Dialog& d, const QString& top, const QString& bottom, const QString& text)
{
    d.SetText(OutLineDlg::IDC_TOP, top);
    d.SetText(OutLineDlg::IDC_BOTTOM, bottom);
    d.SetText(OutLineDlg::IDC_TEXT, text);
}

QStringList Boxes(Dialog& d)
{
    return { d.GetText(OutLineDlg::IDC_TOP), d.GetText(OutLineDlg::IDC_BOTTOM), d.GetText(OutLineDlg::IDC_TEXT) };
}

// The codes of the narrow (or wide) position for depths from..to.
std::vector<std::uint16_t> Codes(const std::vector<wellfile::RECORD>& rows, int from, int to, bool wide = false)
{
    std::vector<std::uint16_t> codes;
    for (int depth = from; depth <= to; ++depth)
        codes.push_back(wide ? rows.at(std::size_t(depth - kFirst)).outlineWide
                             : rows.at(std::size_t(depth - kFirst)).outlineNarrow);
    return codes;
}

std::vector<std::uint16_t> Repeat(int n, std::uint16_t code)
{
    return std::vector<std::uint16_t>(std::size_t(n), code);
}

std::vector<std::uint16_t> Text(const std::string& text)
{
    return std::vector<std::uint16_t>(text.begin(), text.end());
}

std::vector<std::uint16_t> Join(std::initializer_list<std::vector<std::uint16_t>> parts)
{
    std::vector<std::uint16_t> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

} // namespace

TEST(OutlineWindow, SaveWritesTheBracketAndTheCentredTextAndTheLogShowsIt)
{
    OutlineWindow w;
    w.S().well.file.viewTopDepth = 990;
    w.window.PaintLog();
    const logview::ViewGeometry g = logview::GeometryOf(w.S());
    const int R = g.rowHeight;
    // The narrow bracket's side stands trunc(0.9 R) right of the curve track, down the row of 1001.
    const int sideX = g.rate.Right() + int(R * 0.9), rowY = g.topMargin + 10 * R + R / 2;
    const QRgb before = w.window.BackingStore().pixel(sideX, rowY);
    QStringList afterSave;
    Dialog::QueueTestScript([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Interval Outline");
        EXPECT_EQ(d.GetCheck(OutLineDlg::IDC_NARROW), platform::BST_CHECKED);
        Fill(d, "1000", "1020", "SAND");
        d.Click(OutLineDlg::IDC_SAVE);
        afterSave = Boxes(d);
        EXPECT_EQ(d.FocusedId(), OutLineDlg::IDC_TOP);
        d.Click(OutLineDlg::IDC_WIDE);
        Fill(d, "1100", "1120", "SAND");
        d.Click(OutLineDlg::IDC_SAVE);
        d.Click(platform::IDOK);
    });
    w.window.CmOutLine();
    EXPECT_EQ(afterSave, (QStringList { "", "", "" }));

    const std::vector<wellfile::RECORD> rows = w.Records();
    const std::vector<std::uint16_t> sand = Join({ { 2 }, Repeat(7, 1), Text("SAND"), Repeat(7, 1), { 3 } });
    EXPECT_EQ(Codes(rows, 1001, 1020), sand);
    EXPECT_EQ(Codes(rows, 1000, 1000), Repeat(1, 0));
    EXPECT_EQ(Codes(rows, 1021, 1021), Repeat(1, 0));
    EXPECT_EQ(Codes(rows, 1001, 1020, true), Repeat(20, 0)); // the wide codes untouched
    EXPECT_EQ(Codes(rows, 1101, 1120, true), sand);
    EXPECT_EQ(Codes(rows, 1101, 1120), Repeat(20, 0));

    EXPECT_EQ(QColor(before), QColor(Qt::white));
    EXPECT_EQ(QColor(w.window.BackingStore().pixel(sideX, rowY)), QColor(Qt::black));
}

TEST(OutlineWindow, IntervalsOutOfTheFileOrTooShortAreRefusedAndWriteNothing)
{
    OutlineWindow w;
    w.S().view.viewScale = 5;
    const QByteArray before = ReadBytes(w.path);
    QStringList boxes;
    int scale = -1;
    Dialog::QueueTestScript([&](Dialog& d) {
        scale = w.S().view.viewScale;
        Fill(d, "1000", "1005", "SH");
        d.Click(OutLineDlg::IDC_SAVE);
        boxes << Boxes(d);
        Fill(d, "1995", "2000", "SH");
        d.Click(OutLineDlg::IDC_SAVE);
        boxes << Boxes(d);
        EXPECT_EQ(d.FocusedId(), OutLineDlg::IDC_TOP);
        Fill(d, "899", "950", "SH"); // above the file
        d.Click(OutLineDlg::IDC_DELETE);
        Fill(d, "1500", "1400", "SH"); // bottom above top
        d.Click(OutLineDlg::IDC_SAVE);
        Fill(d, "1900", "2001", "SH"); // past the end
        d.Click(OutLineDlg::IDC_SAVE);
        d.Click(platform::IDOK);
    });
    w.window.CmOutLine();
    EXPECT_EQ(scale, 2); // one record a row while the dialog runs
    EXPECT_EQ(w.S().view.viewScale, 5);
    EXPECT_EQ(boxes, (QStringList { "", "", "", "", "", "" }));
    const QList<testing_support::AskedMessage>& m = doubles().prompter.messages;
    ASSERT_EQ(m.size(), 5);
    EXPECT_EQ(m[0].text, "Minimum outline is 6 M");
    EXPECT_EQ(m[1].text, "Top=1995  Bottom=2000");
    EXPECT_EQ(m[1].caption, "Depth out of range");
    EXPECT_EQ(m[2].text, "Top=899  Bottom=950");
    EXPECT_EQ(m[3].text, "Top=1500  Bottom=1400");
    EXPECT_EQ(m[4].text, "Top=1900  Bottom=2001");
    EXPECT_EQ(ReadBytes(w.path), before);
}

TEST(OutlineWindow, ATextTooLongIsCutOnlyWhenTheUserAgreesAndAlwaysFitsBetweenTheEnds)
{
    OutlineWindow w;
    const QString thirty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcd";
    const QByteArray before = ReadBytes(w.path);
    QStringList cancelled;
    doubles().prompter.answers = { platform::IDCANCEL, platform::IDOK };
    Dialog::QueueTestScript([&](Dialog& d) {
        Fill(d, "1000", "1020", thirty);
        d.Click(OutLineDlg::IDC_SAVE); // Cancel
        cancelled = Boxes(d);
        EXPECT_EQ(ReadBytes(w.path), before);
        d.Click(OutLineDlg::IDC_SAVE); // OK
        Fill(d, "1200", "1240", thirty);
        d.Click(OutLineDlg::IDC_SAVE); // fits: no question
        Fill(d, "1300", "1306", "ERASE");
        d.Click(OutLineDlg::IDC_SAVE); // four of the five fit between the ends
        d.Click(platform::IDOK);
    });
    w.window.CmOutLine();
    EXPECT_EQ(cancelled, (QStringList { "1000", "1020", thirty }));
    const QList<testing_support::AskedMessage>& m = doubles().prompter.messages;
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(m[0].text,
        "Text is to long to fit in outline interval\ntext will be truncated.\nOK to continue,"
        "cancel to return ");
    EXPECT_EQ(m[0].caption, "ERROR");
    EXPECT_EQ(m[0].flags & 0xF, unsigned(platform::MB_OKCANCEL));

    const std::vector<wellfile::RECORD> rows = w.Records();
    // Twenty records: the start, 18 characters, the end.
    EXPECT_EQ(Codes(rows, 1001, 1020), Join({ { 2 }, Text(thirty.left(18).toStdString()), { 3 } }));
    EXPECT_EQ(Codes(rows, 1021, 1021), Repeat(1, 0));
    // Forty records: 30 characters from the fifth.
    EXPECT_EQ(Codes(rows, 1201, 1240), Join({ { 2 }, Repeat(4, 1), Text(thirty.toStdString()), Repeat(4, 1), { 3 } }));
    EXPECT_EQ(Codes(rows, 1301, 1306), Join({ { 2 }, Text("ERAS"), { 3 } }));
}

TEST(OutlineWindow, DeleteClearsTheIntervalAndTheFixedPositionKeepsToTheNarrowCodes)
{
    OutlineWindow w;
    w.S().interaction.fixedOutlinePosition = true;
    bool narrowEnabled = true, wideEnabled = true;
    std::vector<std::uint16_t> written;
    Dialog::QueueTestScript([&](Dialog& d) {
        narrowEnabled = d.IsEnabled(OutLineDlg::IDC_NARROW);
        wideEnabled = d.IsEnabled(OutLineDlg::IDC_WIDE);
        d.SetCheck(OutLineDlg::IDC_WIDE, platform::BST_CHECKED);
        Fill(d, "1000", "1020", QString::fromUtf8("Caf\u00e9"));
        d.Click(OutLineDlg::IDC_SAVE);
        written = Codes(w.Records(), 1001, 1020);
        Fill(d, "1000", "1020", "far too long a text for this interval");
        d.Click(OutLineDlg::IDC_DELETE); // the text is not asked about
        d.Click(platform::IDOK);
    });
    w.window.CmOutLine();
    EXPECT_FALSE(narrowEnabled);
    EXPECT_FALSE(wideEnabled);
    EXPECT_EQ(written, Join({ { 2 }, Repeat(7, 1), { 'C', 'a', 'f', 0xFFE9 }, Repeat(7, 1), { 3 } }));
    EXPECT_TRUE(doubles().prompter.messages.empty());
    const std::vector<wellfile::RECORD> rows = w.Records();
    EXPECT_EQ(Codes(rows, 1001, 1020), Repeat(20, 0));
    EXPECT_EQ(Codes(rows, 1001, 1020, true), Repeat(20, 0));
}
