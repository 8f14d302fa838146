// Manual, 2. Moving through the log: each instruction of the section done on the demo well's window as
// a user does it (keys, clicks, menu items found by their text, the quick view bar's buttons by their
// captions), and what the section says then checked on the screen and against the files read back.
#include "app/opendatafile.h"
#include "app/welltops.h"
#include "entry/ui/topsdlg.h"
#include "manual/enteringsteps.h"
#include "layout/schemes.h"
#include "logview/geometryof.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/entrywindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/record.h"
#include "wellfile/sidefiles_tops.h"
#include "wellfile/topsex.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QWheelEvent>

#include <functional>

#include <gtest/gtest.h>

using testing_support::FileRecords;

namespace {

class ManualMoving : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing_support::ShowDemoWindow(w));
        Settle();
    }

    app::LogState& S() { return w.State(); }
    std::int32_t Top() { return S().well.file.viewTopDepth; }
    std::int32_t First() { return S().well.file.fileTopDepth; }
    std::int32_t Last() { return S().well.file.fileBottomDepth; }
    const logview::ViewGeometry& G() { return e.g; }
    int ClientTop() { return w.menuWidget() && w.menuWidget()->isVisible() ? w.menuWidget()->height() : 0; }
    // The paint the last action asked for, as the event loop runs it.
    void Settle()
    {
        QCoreApplication::processEvents();
        w.PaintLog();
        QCoreApplication::processEvents();
        e.g = logview::GeometryOf(S());
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(&w, key, mods);
        Settle();
    }
    void Click(Qt::MouseButton button, int x, int y)
    {
        e.Click(button, x, y);
        Settle();
    }
    void Choose(const QString& menu, const QString& item)
    {
        EXPECT_TRUE(e.Choose(menu, item)) << item.toStdString();
        Settle();
    }
    // The middle of the row of depth `d`, as the window reads it.
    int RowY(std::int32_t d)
    {
        EXPECT_EQ(w.DepthAtRow(e.RowY(d)), d);
        return e.RowY(d);
    }
    QAbstractButton* Button(const QString& caption)
    {
        w.EnsureQuickBar();
        for (QAbstractButton* b : w.Tools().quickBar->findChildren<QAbstractButton*>())
            if (b->text() == caption && b->isVisible())
                return b;
        ADD_FAILURE() << "no button " << caption.toStdString() << " on the quick view bar";
        return nullptr;
    }
    // Presses the bar's button that reads `caption`; true when it then reads `after`.
    bool Press(const QString& caption, const QString& after)
    {
        QAbstractButton* b = Button(caption);
        if (!b)
            return false;
        QTest::mouseClick(b, Qt::LeftButton);
        Settle();
        return b->text() == after;
    }
    // The client area as the user sees it.
    QImage Screen()
    {
        Settle();
        const QImage all = w.grab().toImage();
        return all.copy(0, ClientTop(), all.width(), all.height() - ClientTop());
    }
    static int Differing(const QImage& a, const QImage& b, const QRect& in)
    {
        return testing_support::DifferingPixels(a.copy(in), b.copy(in), 0, in.height(), in.width());
    }
    static int Count(const QImage& img, QRgb rgb, QRect in)
    {
        int n = 0;
        in &= img.rect();
        for (int y = in.top(); y <= in.bottom(); ++y)
            for (int x = in.left(); x <= in.right(); ++x)
                n += (img.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
        return n;
    }
    QRect LogArea() { return QRect(0, G().topMargin, G().logWidth, S().view.logAreaBottom - G().topMargin); }
    QString TopsPath() { return wellfile::TopsFilePath(app::PlaceOf(S()), app::TopsPlaceOf(S())); }
    // The text of the read-out box after a left click at (x, y); empty when none is shown.
    QString Readout(int x, int y)
    {
        Click(Qt::LeftButton, x, y);
        const QList<QLabel*> boxes = w.findChildren<QLabel*>(QStringLiteral("1001"));
        return boxes.size() == 1 && boxes.front()->isVisible() ? boxes.front()->text() : QString();
    }
    // The caption of the dialog the menu item opens, and the texts of its buttons, labels and groups;
    // `then` goes on in the dialog.
    QString DialogOf(const QString& menu, const QString& item, QStringList* texts,
                     const std::function<void(platform::Dialog&)>& then = {})
    {
        QString caption;
        platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
            caption = d.windowTitle();
            for (QAbstractButton* b : d.findChildren<QAbstractButton*>())
                *texts << b->text();
            for (QLabel* l : d.findChildren<QLabel*>())
                *texts << l->text();
            for (QGroupBox* g : d.findChildren<QGroupBox*>())
                *texts << g->title();
            if (then)
                then(d);
        });
        Choose(menu, item);
        platform::Dialog::ClearTestScripts();
        return caption;
    }

    shell::LogWindow w{nullptr, QStringLiteral("StrativM")};
    manual::EnteringWindow e{w};
};

}  // namespace

// Manual, 2. Moving through the log: scroll bar and keys, the wheel, jumping by 500.
TEST_F(ManualMoving, TheScrollBarTheKeysTheWheelAndTheRightClicksMoveTheLog)
{
    const std::int32_t bottom = Last() - S().well.file.viewDepthSpan;
    const std::int32_t home = First() + 2;  // the log shows the well from two units below its first record
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        std::int32_t moved;
    };
    Key(Qt::Key_Home);
    ASSERT_EQ(Top(), home);
    for (const Step& s : {Step{Qt::Key_PageDown, {}, 50}, Step{Qt::Key_PageDown, Qt::ControlModifier, 100},
                          Step{Qt::Key_Down, {}, 10}, Step{Qt::Key_Down, Qt::ControlModifier, 2},
                          Step{Qt::Key_Up, {}, -10}, Step{Qt::Key_Up, Qt::ControlModifier, -2},
                          Step{Qt::Key_PageUp, {}, -50}, Step{Qt::Key_PageUp, Qt::ControlModifier, -100}}) {
        Key(Qt::Key_PageDown);  // away from the top, so that every step can go up
        const std::int32_t before = Top();
        Key(s.key, s.mods);
        EXPECT_EQ(Top() - before, s.moved) << s.key << " " << s.mods;
    }
    Key(Qt::Key_End);
    EXPECT_EQ(Top(), bottom);
    // The first row shows the view top's record.
    EXPECT_EQ(w.DepthAtRow(G().topMargin + 1), bottom);
    Key(Qt::Key_Home);
    EXPECT_EQ(Top(), home);

    // The wheel: a turn away pages up, one towards the user pages down.
    const auto wheel = [this](int delta) {
        const QPoint at(600, 400 + ClientTop());
        QWheelEvent turn(at, w.mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&w, &turn);
        Settle();
    };
    wheel(-120);
    EXPECT_EQ(Top(), home + 50);
    wheel(120);
    EXPECT_EQ(Top(), home);

    // The scroll bar: the thumb halfway down is the middle of the well; a click below the thumb pages.
    QScrollBar* bar = nullptr;
    for (QScrollBar* b : w.findChildren<QScrollBar*>())
        if (b->orientation() == Qt::Vertical && b->isVisible())
            bar = b;
    ASSERT_NE(bar, nullptr);
    EXPECT_GT(bar->x(), G().logWidth - G().horizontalScroll) << "the bar stands right of the log";
    bar->setSliderDown(true);
    bar->setSliderPosition(50);
    bar->setSliderDown(false);
    Settle();
    const std::int32_t middle = First() + (Last() - First()) / 2;
    EXPECT_EQ(Top(), middle - middle % 2);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - bar->width() - 4));
    Settle();
    EXPECT_EQ(Top(), middle - middle % 2 + 50);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->width() + 4));
    Settle();
    EXPECT_EQ(Top(), middle - middle % 2);

    // Right clicks in the title band and below the log's last row, held inside the well.
    Key(Qt::Key_Home);
    const int above = G().topMargin / 2, below = S().view.logAreaBottom + 5;
    for (const auto& [y, expected] : {std::pair{below, home + 500}, {below, home + 1000}, {above, home + 500},
                                      {above, home}, {above, home}, {below, home + 500}}) {
        Click(Qt::RightButton, 600, y);
        EXPECT_EQ(Top(), expected) << "right click at y " << y;
    }
    Key(Qt::Key_End);
    Click(Qt::RightButton, 600, below);
    EXPECT_EQ(Top(), bottom);
}

// Manual, 2. Moving through the log: the Tops menu, Tops > Edit and a top dragged on the log.
TEST_F(ManualMoving, TheTopsMenuBringsEachTopAndATopIsDraggedOnTheLog)
{
    const std::vector<wellfile::TOPSEX> tops = FileRecords<wellfile::TOPSEX>(TopsPath());
    int items = 0;
    for (const wellfile::TOPSEX& t : tops) {
        const std::int32_t depth = t.depth;
        if (depth <= First())
            continue;  // the top at the first depth is on the screen at the start
        ++items;
        Choose("Tops", QString::fromLatin1(t.menuName));
        EXPECT_EQ(Top(), depth - 10) << t.menuName;
    }
    EXPECT_GE(items, 6);

    // The tops one at a time, Next stepping to the following one and Previous back.
    QStringList texts, seen;
    const auto step = [&seen](platform::Dialog& d) {
        for (int button : {int(entry::TopsDlg::IDC_NEXT), int(entry::TopsDlg::IDC_PREVIOUS), 0}) {
            seen << d.GetText(entry::TopsDlg::IDC_MENU_NAME).trimmed() + " " + d.GetText(entry::TopsDlg::IDC_DEPTH).trimmed();
            if (button)
                d.Click(button);
        }
    };
    EXPECT_EQ(DialogOf("Tops", "Edit", &texts, step), "STRATIV EDIT TOPS");
    for (const char* field : {"Menu Name", "Depth", "Text"})
        EXPECT_TRUE(texts.contains(field)) << field;
    QStringList inFile;
    for (const wellfile::TOPSEX& t : tops)
        inFile << QString::fromLatin1(t.menuName) + " " + QString::number(std::int32_t(t.depth));
    ASSERT_EQ(seen.size(), 3);
    EXPECT_GE(inFile.indexOf(seen[0]), 0) << seen.join(" | ").toStdString();
    EXPECT_EQ(inFile.indexOf(seen[1]), inFile.indexOf(seen[0]) + 1) << seen.join(" | ").toStdString();
    EXPECT_EQ(seen[2], seen[0]);

    // The top last chosen, pressed on its line in the rate track and let go five rows lower.
    const std::int32_t moved = tops.back().depth;
    const int x = G().rate.left + 3 * G().unitWidth, y = RowY(moved);
    QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(x, y + ClientTop()));
    QTest::mouseMove(&w, QPoint(x, y + 2 * G().rowHeight + ClientTop()));
    QTest::mouseMove(&w, QPoint(x, y + 5 * G().rowHeight + ClientTop()));
    QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(x, y + 5 * G().rowHeight + ClientTop()));
    Settle();
    const std::vector<wellfile::TOPSEX> after = FileRecords<wellfile::TOPSEX>(TopsPath());
    ASSERT_EQ(after.size(), tops.size());
    const std::int32_t now = after.back().depth;
    EXPECT_EQ(now, moved + 5 * S().well.file.depthStep);
}

// Manual, 2. Moving through the log: read-outs of the rates, the gas, the lithology, the show and the
// custom tracks, each against the record in the data file.
TEST_F(ManualMoving, ASingleClickReadsOutTheValuesOfItsDepth)
{
    // The demo well's upper sand has a show: a depth with fluorescence, on the screen.
    Choose("Tops", "Upper Sand");
    std::int32_t show = 0;
    for (std::int32_t d = Top() + 5; d < Top() + S().layout.format.visibleRows - 5 && !show; ++d)
        if (e.At(d).fluorPercent > 0)
            show = d;
    ASSERT_GT(show, 0);
    ASSERT_LT(RowY(show), S().view.logAreaBottom);
    const wellfile::RECORD r = e.At(show);
    const logview::ViewGeometry g = G();
    const int y = RowY(show), U = g.unitWidth;

    const QString rates = Readout(g.rate.left + 5 * U, y);
    EXPECT_TRUE(rates.contains(QString("%1 to %2").arg(show - 2).arg(show))) << rates.toStdString();
    EXPECT_TRUE(rates.contains(QString::asprintf("%3.2f", double(r.rateOdd)))) << rates.toStdString();
    // Without the wireline curves (a new well has none) the box still holds its last line, "Gamma".
    S().view.elogShown = false;
    Readout(g.rate.left + 5 * U, y);
    const QLabel* box = w.findChild<QLabel*>(QStringLiteral("1001"));
    const QRect lines = box->fontMetrics().boundingRect(QRect(0, 0, 4000, 4000), 0, box->text());
    EXPECT_GE(box->contentsRect().height(), lines.height()) << "the last line is cut";
    S().view.elogShown = true;

    const QString gas = Readout(g.gas.left + 5 * U, y);
    EXPECT_TRUE(gas.contains(QString("C1=%1\n").arg(int(r.gas[wellfile::GAS_C1])))) << gas.toStdString();
    EXPECT_TRUE(gas.contains(QString("C3=%1\n").arg(int(r.gas[wellfile::GAS_C3])))) << gas.toStdString();
    EXPECT_TRUE(gas.endsWith(QString(" at %1").arg(show))) << gas.toStdString();

    // The lithology is that of the row below the click: each part's tens and its rock.
    const QString lith = Readout(g.lithology.left + 3, y);
    const QMap<QString, QString> rocks{{"SS", "sandstone"}, {"SH", "shale"}, {"LS", "limestone"},
                                       {"DOL", "dolomite"}, {"SLT", "silt"}, {"ANH", "anhydrite"}};
    const QString below = QString::fromLatin1(e.At(show + 1).lith);
    for (const QString& part : below.split(',', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = QRegularExpression("^(\\d+)([A-Z]+)").match(part);
        ASSERT_TRUE(m.hasMatch() && rocks.contains(m.captured(2))) << below.toStdString();
        const int tens = m.captured(1).toInt() / 10 * 10;
        EXPECT_TRUE(lith.contains(QString("%1% %2").arg(tens).arg(rocks.value(m.captured(2)))))
            << below.toStdString() << " read out as " << lith.toStdString();
    }

    const QString shows = Readout(g.lithology.left + 10 * g.lithology.cell + 2, y);
    EXPECT_TRUE(shows.contains(QString("%1% ").arg(r.fluorPercent))) << shows.toStdString();
    EXPECT_TRUE(shows.contains("fluor") && shows.contains("cut") && shows.contains("por")) << shows.toStdString();

    // The custom tracks, shown by their button: the values of the curves under the click and the depth.
    ASSERT_TRUE(Press("Show C/T", "Hide C/T"));
    const QString custom = Readout(G().customLeft + 2 * U, RowY(show));
    EXPECT_TRUE(custom.contains(QRegularExpression(" =-?\\d+\\.\\d\\d"))) << custom.toStdString();
    EXPECT_TRUE(custom.contains(QString("At %1 meters").arg(show))) << custom.toStdString();
}

// Manual, 2. Moving through the log: the quick view bar's buttons and the view scale they keep.
TEST_F(ManualMoving, TheQuickViewBarsButtonsSwitchTheViewAndBack)
{
    // One depth step a row, whatever the buttons show.
    const auto oneStepARow = [this] {
        return S().view.viewScale == 1 && w.DepthAtRow(G().topMargin + 1 + 7 * G().rowHeight) == Top() + 7 * S().well.file.depthStep;
    };
    ASSERT_TRUE(oneStepARow());

    ASSERT_TRUE(Press("View Horz", "Hide Horz"));
    ASSERT_TRUE(w.Tools().horzView);
    EXPECT_TRUE(w.Tools().horzView->isVisible());
    ASSERT_TRUE(Press("Hide Horz", "View Horz"));
    EXPECT_FALSE(w.Tools().horzView);

    // Surveys are written in the demo well's build section as text where only marks stood.
    Choose("Tops", "Main Sand");
    const QImage marks = Screen();
    ASSERT_TRUE(Press("View Svy", "Hide Svy"));
    const QImage surveys = Screen();
    EXPECT_GT(Differing(marks, surveys, LogArea()), 100) << "no survey written on the log";
    // What changed lies within a few rows of the stations the data file holds (the first row gets the
    // survey's heading).
    QSet<std::int32_t> stations, written;
    for (int y = G().topMargin + 1; y < S().view.logAreaBottom; ++y)
        for (int x = 0; x < G().logWidth; ++x)
            if (marks.pixel(x, y) != surveys.pixel(x, y)) {
                written << w.DepthAtRow(y);
                break;
            }
    for (std::int32_t d = Top() + 5; d < Top() + S().layout.format.visibleRows; ++d)
        if (e.At(d).tvd > 0)
            stations << d;
    ASSERT_GE(stations.size(), 2);
    const auto near = [](const QSet<std::int32_t>& depths, std::int32_t d) {
        for (std::int32_t k = -4; k <= 4; ++k)
            if (depths.contains(d + k))
                return true;
        return false;
    };
    for (std::int32_t d : written)
        EXPECT_TRUE(d < Top() + 5 || near(stations, d)) << "written at " << d << ", no station near";
    for (std::int32_t d : stations)
        EXPECT_TRUE(near(written, d)) << "no survey written at " << d;
    EXPECT_TRUE(oneStepARow());
    ASSERT_TRUE(Press("Hide Svy", "View Svy"));
    EXPECT_EQ(Differing(marks, Screen(), LogArea()), 0);

    // Zoom: the whole well in the strip right of the scroll bar, its background light blue.
    const QRgb strip = qRgb(223, 239, 255);
    const QRect right(G().logWidth + S().view.scrollBarWidth, 0, 1920, S().view.logAreaBottom);
    EXPECT_EQ(Count(Screen(), strip, right), 0);
    ASSERT_TRUE(Press("Zoom On", "Zoom Off"));
    const logview::LogImageStrip s = S().view.imageStrip;
    EXPECT_GE(s.left, G().logWidth + S().view.scrollBarWidth);
    EXPECT_GT(Count(Screen(), strip, QRect(s.left, s.top, s.width, s.bottom - s.top)), s.width * s.bottom / 20);
    EXPECT_TRUE(oneStepARow());
    EXPECT_EQ(G().unitWidth, 10) << "a wide screen keeps the tracks' width";
    // A click in the strip, a quarter down, takes the log to a quarter of the well; the dashed blue lines
    // stand three quarters of a row above and below that place.
    Click(Qt::LeftButton, s.left + s.width / 2, s.bottom / 4);
    EXPECT_EQ(Top(), First() + std::int32_t(double(s.bottom / 4) / s.bottom * (Last() - First())));
    const QImage zoomed = Screen();
    const int mark = S().view.imageY;
    EXPECT_NEAR(mark, s.bottom / 4, 1);
    for (int y : {int(mark - 0.75 * G().rowHeight), int(mark + 0.75 * G().rowHeight)})
        EXPECT_GT(Count(zoomed, qRgb(0, 0, 255), QRect(s.left, y, s.width, 1)), s.width / 3) << "no line at " << y;
    ASSERT_TRUE(Press("Zoom Off", "Zoom On"));
    EXPECT_EQ(Count(Screen(), strip, right), 0);
    // A screen of 1280 pixels: the tracks narrow while the strip is shown.
    S().env.screenWidth = S().env.desktopWidth = 1280;
    const int gasRight = G().gasRight;
    ASSERT_TRUE(Press("Zoom On", "Zoom Off"));
    EXPECT_EQ(G().unitWidth, 9);
    EXPECT_LT(G().gasRight, gasRight);
    ASSERT_TRUE(Press("Zoom Off", "Zoom On"));
    EXPECT_EQ(G().unitWidth, 10);
    S().env.screenWidth = S().env.desktopWidth = 1920;

    // The custom tracks right of the gas track.
    const int logWidth = G().logWidth;
    const QImage plain = Screen();
    ASSERT_TRUE(Press("Show C/T", "Hide C/T"));
    EXPECT_GT(G().logWidth, logWidth + 100);
    const QRect custom(G().customLeft, G().topMargin, G().logWidth - G().customLeft, S().view.logAreaBottom - G().topMargin);
    EXPECT_GT(Differing(plain, Screen(), custom), custom.width() * custom.height() / 50);
    EXPECT_TRUE(oneStepARow());
    ASSERT_TRUE(Press("Hide C/T", "Show C/T"));
    EXPECT_EQ(G().logWidth, logWidth);

    // The pictures, marked at the reef limestone's show, drawn on the log.
    Choose("Tops", "Reef Lime");
    const QImage unpictured = Screen();
    ASSERT_TRUE(Press("Pics On", "Pics Off"));
    EXPECT_GT(Differing(unpictured, Screen(), LogArea()), 2000) << "no picture drawn";
    EXPECT_TRUE(oneStepARow());
    ASSERT_TRUE(Press("Pics Off", "Pics On"));
    EXPECT_EQ(Differing(unpictured, Screen(), LogArea()), 0);
}

// Manual, 2. Moving through the log: schemes, the two set-up dialogs and the lithology legend.
TEST_F(ManualMoving, SchemesSetUpDialogsAndTheLegend)
{
    const std::vector<layout::LOGSCHEME> schemes =
        FileRecords<layout::LOGSCHEME>(S().well.file.currentFolder + S().well.file.wellName + ".sch");
    ASSERT_EQ(schemes.size(), std::size_t(layout::kSchemeCount));
    const QString first = QString::fromLatin1(schemes[0].name), second = QString::fromLatin1(schemes[1].name);
    QAction* one = e.Item("Schemes", first);
    QAction* two = e.Item("Schemes", second);
    ASSERT_TRUE(one && two);
    for (QAction* a : qobject_cast<QMenu*>(one->associatedObjects().value(0))->actions())
        EXPECT_NE(a->text(), QString::fromLatin1(schemes[2].name)) << "only two are listed";
    EXPECT_TRUE(one->isChecked());
    EXPECT_FALSE(two->isChecked());
    const QImage start = Screen();
    Choose("Schemes", second);
    EXPECT_TRUE(e.Item("Schemes", second)->isChecked());
    EXPECT_FALSE(e.Item("Schemes", first)->isChecked());
    EXPECT_GT(Differing(start, Screen(), LogArea()), 1000) << "the log was not drawn with the second scheme";
    Choose("Schemes", first);
    EXPECT_TRUE(e.Item("Schemes", first)->isChecked());
    EXPECT_EQ(Differing(start, Screen(), LogArea()), 0);

    // Lines and Scales offers no compressed scale: its scale choices other than one unit a row are off.
    QStringList setup, colours, scales;
    const auto scaleChoices = [&scales](platform::Dialog& d) {
        for (QAbstractButton* b : d.findChildren<QAbstractButton*>())
            if (b->text().contains("Foot"))
                scales << b->text() + (b->isEnabled() ? " on" : " off");
    };
    EXPECT_EQ(DialogOf("Setup", "Lines and Scales...", &setup, scaleChoices), "STRATIV SETUP");
    EXPECT_EQ(scales.filter(" on").join(" | ").toStdString(), "");
    EXPECT_GE(scales.size(), 3);
    for (const char* text : {"Rate Scales", "Gas Scales", "Rate Line Style", "Gas Line Style", "Logarithmic Gas Scales",
                             "Linear Gas Scales", "Gas Mode", "Draw Tops Line"})
        EXPECT_TRUE(setup.contains(text)) << text;
    // The pens of the log are listed, the nine lithology shades (pens 44 to 52) last, with their own
    // options.
    int pens = 0;
    const auto list = [&pens](platform::Dialog& d) {
        for (QListWidget* l : d.findChildren<QListWidget*>())
            pens += l->count();
    };
    EXPECT_EQ(DialogOf("Setup", "Log Colors...", &colours, list), "Pen Colors");
    EXPECT_GE(pens, 53);
    for (const char* text : {"Solid", "Dashed", "Thin Line", "Medium Line", "Heavy Line", "Lith is Custom", "Lith Label"})
        EXPECT_TRUE(colours.contains(text)) << text;

    // The legend's first row in the title band above the descriptions column: Sand's box yellow,
    // Dolo's cyan, Lime's blue, each a row high from two rows down.
    const logview::ViewGeometry g = G();
    const int X = g.description.left - g.horizontalScroll, Y = 2 * g.rowHeight + g.rowHeight / 2, U = g.unitWidth;
    const auto boxes = [&](const QImage& img) {
        return QList<QRgb>{img.pixel(X + 2, Y) & 0xFFFFFF, img.pixel(X + 5 * U + 2, Y) & 0xFFFFFF,
                           img.pixel(X + 10 * U + 2, Y) & 0xFFFFFF};
    };
    const QList<QRgb> legend{0xFFFF00, 0x00FFFF, 0x0080FF};
    EXPECT_NE(boxes(Screen()), legend);
    Choose("View", "Lith Legend");
    EXPECT_TRUE(e.Item("View", "Lith Legend")->isChecked());
    EXPECT_EQ(boxes(Screen()), legend);
    Choose("View", "Lith Legend");
    EXPECT_FALSE(e.Item("View", "Lith Legend")->isChecked());
    EXPECT_NE(boxes(Screen()), legend);
}
