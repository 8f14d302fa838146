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
using Codes = std::vector<std::uint16_t>;

namespace {

struct OutlineWindow : testing_support::EntryWindow {
    OutlineWindow() : EntryWindow(QStringLiteral("outline.svm"), 900, 2000) {}
    // The narrow (or wide) codes of depths from..to as they are on disk.
    Codes Stored(int from, int to, bool wide = false) const
    {
        const std::vector<wellfile::RECORD> rows = testing_support::FileRecords<wellfile::RECORD>(path);
        Codes codes;
        for (int depth = from; depth <= to; ++depth)
            codes.push_back(wide ? rows.at(std::size_t(depth - 900)).outlineWide
                                 : rows.at(std::size_t(depth - 900)).outlineNarrow);
        return codes;
    }
};

// Codes written as text: '<' the start, '|' a side, '>' the end, '.' none, any other a character.
Codes Outline(const std::string& spec)
{
    Codes codes;
    for (char c : spec)
        codes.push_back(c == '<' ? 2 : c == '|' ? 1 : c == '>' ? 3 : c == '.' ? 0 : std::uint16_t(c));
    return codes;
}

void Fill(Dialog& d, const QString& top, const QString& bottom, const QString& text)
{
    d.SetText(OutLineDlg::IDC_TOP, top);
    d.SetText(OutLineDlg::IDC_BOTTOM, bottom);
    d.SetText(OutLineDlg::IDC_TEXT, text);
}

QStringList Boxes(Dialog& d)
{
    return {d.GetText(OutLineDlg::IDC_TOP), d.GetText(OutLineDlg::IDC_BOTTOM), d.GetText(OutLineDlg::IDC_TEXT)};
}

}  // namespace

TEST(OutlineWindow, SaveWritesTheBracketAndTheCentredTextAndTheLogShowsIt)
{
    OutlineWindow w;
    w.S().well.file.viewTopDepth = 990;
    w.window.PaintLog();
    const logview::ViewGeometry g = logview::GeometryOf(w.S());
    // The narrow bracket's side stands trunc(0.9 R) right of the curve track, down the row of 1001.
    const int sideX = g.rate.Right() + int(g.rowHeight * 0.9), rowY = g.topMargin + 10 * g.rowHeight + g.rowHeight / 2;
    EXPECT_EQ(QColor(w.window.BackingStore().pixel(sideX, rowY)), QColor(Qt::white));
    QStringList afterSave;
    Dialog::QueueTestScript([&](Dialog& d) {
        Fill(d, "1000", "1020", "SAND");
        d.Click(OutLineDlg::IDC_SAVE);
        afterSave = Boxes(d);
        d.Click(OutLineDlg::IDC_WIDE);
        Fill(d, "1100", "1120", "SAND");
        d.Click(OutLineDlg::IDC_SAVE);
        d.Click(platform::IDOK);
    });
    w.window.CmOutLine();
    EXPECT_EQ(afterSave, (QStringList{"", "", ""}));
    EXPECT_EQ(w.Stored(1000, 1021), Outline(".<|||||||SAND|||||||>."));
    EXPECT_EQ(w.Stored(1101, 1120, true), Outline("<|||||||SAND|||||||>"));
    EXPECT_EQ(w.Stored(1001, 1020, true), Codes(20, 0));  // each position keeps to its own codes
    EXPECT_EQ(w.Stored(1101, 1120), Codes(20, 0));
    EXPECT_EQ(QColor(w.window.BackingStore().pixel(sideX, rowY)), QColor(Qt::black));
}

TEST(OutlineWindow, RefusedIntervalsWriteNothingAndALongTextIsCutOnlyWhenTheUserAgrees)
{
    OutlineWindow w;
    w.S().view.viewScale = 5;
    const QString thirty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcd";
    const QByteArray before = ReadBytes(w.path);
    QStringList boxes;
    int scale = -1;
    doubles().prompter.answers = {platform::IDOK,     platform::IDOK, platform::IDOK,
                                  platform::IDCANCEL, platform::IDOK, platform::IDCANCEL};
    Dialog::QueueTestScript([&](Dialog& d) {
        scale = w.S().view.viewScale;
        Fill(d, "1000", "1005", "SH");
        d.Click(OutLineDlg::IDC_SAVE);
        Fill(d, "1995", "2000", "SH");
        d.Click(OutLineDlg::IDC_DELETE);
        boxes << Boxes(d);
        Fill(d, "1500", "1400", "SH");
        d.Click(OutLineDlg::IDC_SAVE);
        Fill(d, "1000", "1020", thirty);
        d.Click(OutLineDlg::IDC_SAVE);  // Cancel: the boxes as typed
        boxes << Boxes(d);
        EXPECT_EQ(ReadBytes(w.path), before);
        d.Click(OutLineDlg::IDC_SAVE);  // OK
        Fill(d, "1200", "1240", thirty);
        d.Click(OutLineDlg::IDC_SAVE);  // fits: no question
        Fill(d, "1300", "1309", "SAND BODY");
        d.Click(OutLineDlg::IDC_SAVE);  // nine records hold seven characters: asked, Cancel
        d.Click(platform::IDOK);
    });
    w.window.CmOutLine();
    EXPECT_EQ(scale, 2);  // one record a row while the dialog runs
    EXPECT_EQ(w.S().view.viewScale, 5);
    // A refused interval keeps what was typed, to be mended.
    EXPECT_EQ(boxes, (QStringList{"1995", "2000", "SH", "1000", "1020", thirty}));
    const QList<testing_support::AskedMessage>& m = doubles().prompter.messages;
    ASSERT_EQ(m.size(), 6);
    EXPECT_EQ(m[5].text, m[3].text);
    EXPECT_EQ(w.Stored(1301, 1309), Codes(9, 0));
    EXPECT_EQ(m[0].text, "Minimum outline is 6 M");
    EXPECT_EQ(m[1].text, "Top=1995  Bottom=2000");
    EXPECT_EQ(m[1].caption, "Depth out of range");
    EXPECT_EQ(m[2].text, "Top=1500  Bottom=1400");
    EXPECT_EQ(m[3].text,
              "Text is to long to fit in outline interval\ntext will be truncated.\nOK to continue,cancel to return ");
    EXPECT_EQ(m[3].caption, "ERROR");
    EXPECT_EQ(m[3].flags & 0xF, unsigned(platform::MB_OKCANCEL));
    // Twenty records take the start, 18 characters and the end; forty take all thirty.
    EXPECT_EQ(w.Stored(1001, 1021), Outline("<ABCDEFGHIJKLMNOPQR>."));
    EXPECT_EQ(w.Stored(1201, 1240), Outline("<||||ABCDEFGHIJKLMNOPQRSTUVWXYZabcd||||>"));
}

TEST(OutlineWindow, DeleteClearsTheIntervalAndTheFixedPositionKeepsToTheNarrowCodes)
{
    OutlineWindow w;
    w.S().interaction.fixedOutlinePosition = true;
    bool radiosEnabled = true;
    Codes written;
    Dialog::QueueTestScript([&](Dialog& d) {
        radiosEnabled = d.IsEnabled(OutLineDlg::IDC_NARROW) || d.IsEnabled(OutLineDlg::IDC_WIDE);
        d.SetCheck(OutLineDlg::IDC_WIDE, platform::BST_CHECKED);
        Fill(d, "1000", "1020", QString::fromUtf8("Caf\u00e9"));
        d.Click(OutLineDlg::IDC_SAVE);
        written = w.Stored(1001, 1020);
        Fill(d, "1000", "1020", "far too long a text for this interval");
        d.Click(OutLineDlg::IDC_DELETE);  // the text is not asked about
        d.Click(platform::IDOK);
    });
    w.window.CmOutLine();
    EXPECT_FALSE(radiosEnabled);
    Codes cafe = Outline("<|||||||Caf?|||||||>");
    cafe[11] = 0xFFE9;  // sign-extended
    EXPECT_EQ(written, cafe);
    EXPECT_TRUE(doubles().prompter.messages.empty());
    EXPECT_EQ(w.Stored(1001, 1020), Codes(20, 0));
    EXPECT_EQ(w.Stored(1001, 1020, true), Codes(20, 0));
}
