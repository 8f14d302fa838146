// Texts and symbols of the main log on a real X server with a window manager, each where nothing else
// is drawn: a new rate scale's labels beside the depth numbers, a survey station's note beside the gas
// track, accessory symbols at the lithology columns' edges; a show marker's letter answering a click as its
// box does. The screen is read back pixel by pixel.
#include "demo/demowell.h"
#include "logview/viewgeometry.h"
#include "platform/text.h"
#include "support/files.h"
#include "support/labelink.h"
#include "support/logshot.h"
#include "support/modbuspeer.h"
#include "support/realxscreens.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/xsession.h"
#include "wellfile/record.h"
#include "wellfile/wellconfig.h"

#include <QRect>
#include <QSettings>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

constexpr int kRow = 10;  // the log's rows are 10 pixels on every screen

class RealXLabels : public RealXScreens {
protected:
    void SetUp() override
    {
        RealXScreens::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(demo::MakeDemoWell(folder));
    }

    void EditConfig(const std::function<void(wellfile::WellConfig&)>& edit) const
    {
        ASSERT_TRUE(EditWellConfig(folder + "elogdemo.cfg", edit));
    }

    // The demo's window with the keys, and its settled screen with the pointer in the bottom left corner.
    QImage StartProgram()
    {
        EXPECT_TRUE(app.Start(program, {}, x.ProgramEnvironment(home)));
        EXPECT_FALSE(x.WaitForWindow("^StrativM ").isEmpty()) << "no main window";
        EXPECT_FALSE(x.WaitForWindow("^Quick View$").isEmpty()) << "no first paint";
        EXPECT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs));
        return Away();
    }
    QImage Away() const
    {
        x.Run("xdotool", {"mousemove", "0", QString::number(GetParam().height() - 1)});
        return x.Settled();
    }
    bool Closes(const QString& window) const
    {
        return Spin([&] { return x.WaitForWindow(window, 1).isEmpty(); }, 5000);
    }
    // Lines and Scales open with the ".5 to 2.5" rate scale chosen from 2400 on.
    void ChooseRateScaleFrom2400() const
    {
        x.Key("alt+s");
        x.Key("l");
        ASSERT_FALSE(x.WaitForWindow("^STRATIV SETUP$").isEmpty());
        // The rate scale list is the fifth stop; "." picks ".5 to 2.5", which asks for the interval.
        for (int i = 0; i < 5; ++i)
            x.Key("Tab");
        x.Run("xdotool", {"type", "."});
        ASSERT_FALSE(x.WaitForWindow("^Enter Interval$").isEmpty()) << "the rate scale list did not answer";
        x.Key("ctrl+a");
        x.Run("xdotool", {"type", "2400"});
        x.Key("Return");
        ASSERT_TRUE(Closes("^Enter Interval$"));
    }

};

bool Dark(const QImage& image, int px, int py) { return qGray(image.pixel(px, py)) < 128; }

// The runs of rows from `top` to `bottom` that hold a dark pixel of `after`, not dark in `before`,
// between columns `left` and `right`.
std::vector<std::pair<int, int>> NewInkRows(const QImage& before, const QImage& after, int left, int right, int top,
                                            int bottom)
{
    std::vector<std::pair<int, int>> runs;
    for (int py = top; py <= bottom; ++py) {
        bool ink = false;
        for (int px = left; px <= right && !ink; ++px)
            ink = Dark(after, px, py) && !Dark(before, px, py);
        if (ink && !runs.empty() && runs.back().second == py - 1)
            runs.back().second = py;
        else if (ink)
            runs.emplace_back(py, py);
    }
    return runs;
}

}  // namespace

// The demo well seen from 2360 (two pages above 2460); Lines and Scales gives the rate track the
// ".5 to 2.5" scale from 2400 on. Depth d's line is at the log's top + (d - 2360) x 10, its number on
// the 12 rows above the line, left of the track's right edge. The scale's last label, "2.5", is centred
// on that edge: its right half, the only label ink right of the track, marks the rows each line of
// labels takes across the track. No such line reaches within a pixel of the ink of "2390" or "2400",
// and the new scale's labels stand within three rows below the change.
TEST_P(RealXLabels, ANewRateScalesLabelsStandClearOfTheDepthNumbers)
{
    EditConfig([](wellfile::WellConfig& c) { c.viewTopDepth = 2460; });
    StartProgram();
    x.Key("Prior");
    x.Key("Prior");
    const QImage before = Away();

    ChooseRateScaleFrom2400();
    x.Key("Return");
    ASSERT_TRUE(Closes("^STRATIV SETUP$"));
    const QImage after = x.ChangedFrom(before, 100);

    const int top = LogTop(before), rateRight = RateLeft(before, top + 5) + 250;
    ASSERT_GT(top, 0);
    const auto line = [top](int depth) { return top + (depth - 2360) * kRow; };
    const auto labels = NewInkRows(before, after, rateRight + 2, rateRight + 12, line(2380), line(2410) - 1);
    ASSERT_FALSE(labels.empty()) << "no labels of the new scale";
    EXPECT_GT(labels.front().first, line(2400));
    EXPECT_LE(labels.front().first, line(2400) + 3 * kRow) << "the new scale's labels stand far below the change";
    for (int depth : {2390, 2400}) {
        int inkTop = -1, inkBottom = -1;  // the number's digits, inside its opaque cell
        for (int py = line(depth) - 12; py < line(depth); ++py)
            for (int px = rateRight - 36; px <= rateRight - 4; ++px)
                if (Dark(before, px, py)) {
                    inkTop = inkTop < 0 ? py : inkTop;
                    inkBottom = py;
                }
        ASSERT_GE(inkTop, 0) << "no number " << depth;
        for (const auto& [from, to] : labels)
            EXPECT_TRUE(to + 1 < inkTop || from - 1 > inkBottom)
                << "labels on rows " << from << " to " << to << " touch " << depth << " on rows " << inkTop << " to "
                << inkBottom;
    }
}

// The same choice, then Cancel: the records file and the screen are as they were.
TEST_P(RealXLabels, CancelKeepsNoRateScaleChosenInTheDialog)
{
    EditConfig([](wellfile::WellConfig& c) { c.viewTopDepth = 2460; });
    StartProgram();
    x.Key("Prior");
    x.Key("Prior");
    const QImage before = Away();
    const QByteArray records = ReadExistingBytes(folder + "elogdemo.svm");

    ChooseRateScaleFrom2400();
    x.Key("Escape");
    ASSERT_TRUE(Closes("^STRATIV SETUP$"));
    EXPECT_EQ(DifferentPixels(before, Away()), 0);
    EXPECT_TRUE(ReadExistingBytes(folder + "elogdemo.svm") == records) << "Cancel wrote the records";
}

// In drilling mode, Enter Data > Survey and/or Horizontal Data: a station typed and saved puts its note
// ("Survey@ ... MD", then inclination, azimuth and TVD on one line) in the descriptions column at its
// depth. Nothing of the note lies on or right of the gas track's left edge line.
TEST_P(RealXLabels, ASurveyStationsNoteStaysLeftOfTheGasTrack)
{
    EditConfig([](wellfile::WellConfig& c) { c.drillingAtExit = 1; });
    StartProgram();
    ASSERT_FALSE(x.WaitForWindow("^Drilling Status$").isEmpty()) << "not in drilling mode";
    ASSERT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs));
    const QImage before = Away();

    x.Key("alt+e");
    for (int i = 0; i < 6; ++i)
        x.Key("Down");
    x.Key("Return");
    ASSERT_FALSE(x.WaitForWindow("^TVD WELL DATA$").isEmpty());
    for (const char* value : {"2594", "2500.5", "35", "134.6", "345", "1.1"}) {
        x.Run("xdotool", {"type", value});
        x.Key("Tab");
    }
    x.Key("space");  // SAVE
    x.Key("Escape");
    ASSERT_TRUE(Closes("^TVD WELL DATA$"));
    const QImage after = Away();

    // The descriptions column is the widest room between two of the log's edge lines. The note: what
    // changed in the log's body right of its left edge (the header's clock changes).
    const std::vector<int> edges = TrackEdges(before);
    ASSERT_GE(edges.size(), 2u);
    std::size_t column = 1;
    for (std::size_t k = 1; k < edges.size(); ++k)
        column = edges[k] - edges[k - 1] > edges[column] - edges[column - 1] ? k : column;
    const int left = edges[column - 1], right = edges[column];
    QRect note;
    for (int py = LogTop(before); py < after.height(); ++py)
        for (int px = left + 1; px < after.width(); ++px)
            if (before.pixel(px, py) != after.pixel(px, py))
                note |= QRect(px, py, 1, 1);
    ASSERT_GT(note.width(), 100) << "no note";
    EXPECT_LT(note.right(), right) << "the note runs over the gas track's edge at " << right;
}

// Two starts of the demo seen from 2360: the plain well, then the same with the rows from 2365 to 2382
// given lithologies with accessory symbols (every rock of the demo and chert, accessories 1 to 9, on
// even and odd rows), and the interpreted lithology of the rows from 2388 to 2405 likewise. What
// changed lies inside the lithology column (ten units from its left edge line) in the first rows, and
// on the interpreted column's ten cells (the two units right of the lithology column, which the plain
// well fills with its shale) in the others.
TEST_P(RealXLabels, AccessorySymbolsStayInsideTheLithologyColumns)
{
    EditConfig([](wellfile::WellConfig& c) {
        c.viewTopDepth = 2360;
        c.plotInterpretedLith = 1;
    });
    const QImage plain = StartProgram();
    app.Kill();

    auto records = FileRecords<wellfile::RECORD>(folder + "elogdemo.svm");
    const char* rocks[] = {"SH", "SS", "LS", "DOL", "CH", "ANH", "SLT"};
    const auto text = [&](int k) { return std::to_string(101 + k % 9) + rocks[k % 7]; };
    for (wellfile::RECORD& r : records) {
        if (r.depth >= 2365 && r.depth < 2383)
            platform::SetFieldText(r.lith, text(r.depth - 2365));
        if (r.depth >= 2388 && r.depth < 2406)
            platform::SetFieldText(r.interpretedLith, text(r.depth - 2388));
    }
    WriteRecords(folder + "elogdemo.svm", records);
    const QImage marked = StartProgram();

    const int top = LogTop(plain);
    const auto line = [top](int depth) { return top + (depth - 2360) * kRow; };  // a record's row ends there
    // The lithology column: ten units from the first edge line right of the rate track.
    const std::vector<int> edges = TrackEdges(plain);
    const auto lithLeft = std::upper_bound(edges.begin(), edges.end(), RateLeft(plain, top + 5) + 250);
    ASSERT_NE(lithLeft, edges.end()) << "no lithology column";
    const int lithRight = *lithLeft + 10 * kRow;
    int interpretedEnd = lithRight + 2;  // the shale's grey ends where the ten cells do
    while (interpretedEnd < plain.width() && (plain.pixel(interpretedEnd, line(2362) + 5) & 0xFFFFFF) != 0xFFFFFF)
        ++interpretedEnd;
    ASSERT_EQ(interpretedEnd, lithRight + 2 * kRow) << "the interpreted column is not two units wide";

    QRect lith, interpreted;
    for (int py = line(2362); py < line(2410); ++py)
        for (int px = 0; px < plain.width(); ++px)
            if (plain.pixel(px, py) != marked.pixel(px, py))
                (py < line(2386) ? lith : interpreted) |= QRect(px, py, 1, 1);
    ASSERT_FALSE(lith.isEmpty() || interpreted.isEmpty()) << "the lithologies did not change";
    EXPECT_GE(lith.left(), *lithLeft);
    EXPECT_LE(lith.right(), lithRight) << "symbols past the lithology column's edge at " << lithRight;
    EXPECT_GE(interpreted.left(), lithRight);
    EXPECT_LT(interpreted.right(), interpretedEnd)
        << "symbols past the interpreted column, which ends before " << interpretedEnd;
}

// The demo seen from 2200: the show marker at 2220 is a red box with an "S" in it beside the rate track,
// left of the depth number 2220. One click on the letter's first dark pixel opens the show's report.
TEST_P(RealXLabels, OneClickOnAShowMarkersLetterOpensItsReport)
{
    EditConfig([](wellfile::WellConfig& c) { c.viewTopDepth = 2200; });
    const QImage shot = StartProgram();
    const int top = LogTop(shot), rateRight = RateLeft(shot, top + 5) + 250;
    const auto red = [&shot](int px, int py) { return (shot.pixel(px, py) & 0xFFFFFF) == 0xFF0000; };
    QPoint letter(-1, -1);  // near black, with the box's red left of it and right of it on its row
    for (int py = top; py < shot.height() && letter.x() < 0; ++py)
        for (int px = rateRight - 8 * kRow; px < rateRight - 2 && letter.x() < 0; ++px)
            if (qGray(shot.pixel(px, py)) < 50 && red(px - 1, py) && (red(px + 1, py) || red(px + 2, py) || red(px + 3, py)))
                letter = QPoint(px, py);
    ASSERT_GE(letter.x(), 0) << "no show marker on the log";
    x.Click(letter.x(), letter.y());
    EXPECT_FALSE(x.WaitForWindow("^STRATIV SHOW REPORT$", 5000).isEmpty()) << "one click opened no report";
}

// The demo seen from 2350 with the installation's flare track on: the mud weights of 2354 stand where a
// gas scale head repeats, and at 1,920 the short reports of 2404 where another does.
// - The gas legend in the title band: each curve's sample (the longest run of its colour on one pixel
//   row) starts at least two pixels right of the last pixel of that colour in the curve's name and unit
//   (seen where the samples are on the screen: at 1,024 they lie past its edge).
// - The gas track: the mud values "10.4 IN" and "10.5 OUT" and the heads' "25", "50" and "75" stand whole
//   (each pixel of their ink as the log's scale font writes it, black), together with those
//   drawn with them, and no other black pixel lies within a pixel of their ink wherever they stand.
// - No flare stands in these rows: no red line runs down the flare track.
TEST_P(RealXLabels, TheGasLegendMudWeightsAndGasScaleHeadsStandClear)
{
    QSettings(home + "/.config/StrativM/strativm.ini", QSettings::IniFormat).setValue("Options/FlareTrack", "1");
    EditConfig([](wellfile::WellConfig& c) { c.viewTopDepth = 2350; });
    const QImage shot = StartProgram();
    const int top = LogTop(shot), w = GetParam().width();
    ASSERT_GT(top, 100);

    const auto rgb = [&](int px, int py) { return shot.pixel(px, py) & 0xFFFFFF; };
    int samples = 0;
    for (int py = top - 150; py < top; ++py)
        for (int px = w / 3; px < w;) {
            const QRgb c = rgb(px, py);
            int run = 1;
            while (px + run < w && rgb(px + run, py) == c)
                ++run;
            if (c != 0 && c != 0xFFFFFF && c != 0xDCDCDC && run >= 20 && run <= 100) {
                ++samples;
                // The rightmost pixel of the colour in the entry's row, the sample's rows (a wide pen
                // draws more than one) left out from its start on.
                const auto sample = [&](int y) { return rgb(px + 5, y) == c && rgb(px + 15, y) == c; };
                int name = 0;
                for (int y = py - 12; y <= py + 2; ++y)
                    for (int x = w / 3; x < w; ++x)
                        if (rgb(x, y) == c && !(x >= px && sample(y)))
                            name = std::max(name, x);
                EXPECT_LE(name, px - 2) << "the sample of colour " << std::hex << c << std::dec << " at " << px
                                        << "," << py << " starts within its name";
            }
            px += run;
        }
    if (w > 1024)
        EXPECT_GE(samples, 6) << "no legend samples in the title band";

    // The gas track: right of the descriptions column, the widest room between the log's edge lines.
    const std::vector<int> edges = TrackEdges(shot);
    ASSERT_GE(edges.size(), 2u);
    std::size_t column = 1;
    for (std::size_t k = 1; k < edges.size(); ++k)
        column = edges[k] - edges[k - 1] > edges[column] - edges[column - 1] ? k : column;
    const int gasLeft = edges[column];
    const platform::Font scale = platform::Font::FromLogFont(logview::ViewFontsFor(kRow, kRow).scale);
    const QRect gasTrack(gasLeft, top, w - gasLeft, shot.height() - top);
    std::map<std::string, std::vector<QPoint>> whole;  // where each stands whole
    for (const char* label : {"10.4 IN", "10.5 OUT", "25", "50", "75"}) {
        const Ink ink = InkOf(label, scale);
        auto places = Places(shot, gasTrack, ink, {0xC0C0C0, 0x0000FF});
        std::erase_if(places, [&](const auto& p) { return p.second * 2 > int(ink.ring.size()); });
        EXPECT_FALSE(places.empty()) << label << " stands nowhere whole";
        for (const auto& [at, met] : places) {
            EXPECT_EQ(met, 0) << label << " at " << at.x() << "," << at.y() << " meets other ink";
            whole[label].push_back(at);
        }
    }
    // Drawn together, they stand whole together: none of them cut by what was drawn over it (left of each
    // head's "75" its "25" and "50": "125" and "150" hold a "25" and a "50" of their own).
    EXPECT_EQ(whole["10.4 IN"].size(), whole["10.5 OUT"].size()) << "a mud weight's value cut";
    for (const QPoint& at : whole["75"])
        for (const char* label : {"25", "50"})
            EXPECT_TRUE(std::any_of(whole[label].begin(), whole[label].end(),
                                    [&](const QPoint& p) { return p.y() == at.y() && p.x() < at.x(); }))
                << "the head of " << at.y() << " has its " << label << " cut";

    int longest = 0;  // red rows one under the other in one column
    for (int px = gasLeft; px < w; ++px)
        for (int py = top, run = 0; py < shot.height(); ++py) {
            run = rgb(px, py) == 0xFF0000 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    EXPECT_LT(longest, 6 * kRow) << "a red line down the flare track";
    if (HasFailure())
        shot.save(TestDir() + "gastrack.png");
}

INSTANTIATE_TEST_SUITE_P(Screens, RealXLabels, ::testing::Values(QSize(1024, 768), QSize(1920, 1080)),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });
