// The window's side of the log paint: one coalesced paint into the backing store, the messages said
// after it, the first paint's placement and the thumb read-out.
#include "app/scrolling.h"
#include "shell/firstpaint.h"
#include "shell/ui/logwindow.h"
#include "support/testmain.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using testing_support::doubles;

namespace {

// Counts the paints and fails like a paint without a data file.
class PaintCounter final : public logview::LogViewServices {
public:
    int paints = 0;
    int messagesDuringPaint = 0;
    QString failure;
    void Paint(app::LogState& log, platform::Dc&) override
    {
        ++paints;
        messagesDuringPaint += int(doubles().prompter.messages.size());
        log.view.paintFailure = failure;
    }
};

}  // namespace

TEST(WindowPaint, ChangesOfTheLogMakeOnePaintAndNoneWhileHeld)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    PaintCounter counter;
    window.Neighbours().logview = &counter;
    window.State().view.firstPaint = false;
    window.resize(800, 600);
    QCoreApplication::processEvents();
    counter.paints = 0;

    window.InvalidateLog();
    window.State().view.invalidate();
    window.EvVScroll(app::SB_LINEDOWN, 0);
    EXPECT_TRUE(window.LogPaintPosted());
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
    EXPECT_FALSE(window.LogPaintPosted());

    window.State().view.holdRepaint = true;
    window.InvalidateLog();
    EXPECT_FALSE(window.LogPaintPosted());
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
    // The store follows the client area.
    EXPECT_EQ(window.BackingStore().width(), 800);
}

TEST(WindowPaint, AFailedPaintIsReportedOnceAfterIt)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    PaintCounter counter;
    counter.failure = QStringLiteral("NO Data File");
    window.Neighbours().logview = &counter;
    window.PaintLog();
    EXPECT_EQ(counter.messagesDuringPaint, 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, QStringLiteral("NO Data File"));
    EXPECT_EQ(doubles().prompter.messages[0].caption, QStringLiteral("ERROR"));
    EXPECT_TRUE(window.State().view.paintFailure.isEmpty());
}

TEST(WindowPaint, TheFirstPaintPlacesTheWindowOnlyForACommandLineFileOrTheImageView)
{
    shell::FirstPaintInputs in;
    in.logWidth = 1064;
    in.unitWidth = 10;
    in.topMargin = 160;
    in.screenWidth = 1920;
    in.screenHeight = 1080;
    EXPECT_FALSE(shell::FirstPaintPlace(in));
    in.commandLine = true;
    EXPECT_EQ(shell::FirstPaintPlace(in), (shell::WindowPlace{10, 20, 1114, 1030}));
    in.tvdFile = true;
    in.screenWidth = 1024;  // the log is wider than the screen
    EXPECT_EQ(shell::FirstPaintPlace(in), (shell::WindowPlace{50, 160, 1014, 1080 - 160 - 30}));  // ends on the screen
    in.commandLine = false;
    in.imageView = true;
    EXPECT_TRUE(shell::FirstPaintPlace(in));
}

TEST(WindowPaint, DraggingTheThumbShowsTheNewTopAndTheViewFollowsOnRelease)
{
    qputenv("USER", "tester");
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    window.SetupWindow();  // the demo well, 1000 to 2600
    window.resize(1400, 900);
    QCoreApplication::processEvents();
    window.PaintLog();
    app::LogState& s = window.State();
    const std::int32_t before = s.well.file.viewTopDepth;

    window.EvVScroll(app::SB_THUMBTRACK, 41);
    EXPECT_FALSE(window.LogPaintPosted());
    // The box beside the log's right end, at half the screen's height.
    const int U = s.layout.format.trackUnit, x = s.layout.format.logRight - 2 * U, m = s.env.screenHeight / 2;
    EXPECT_EQ(window.BackingStore().pixel(x - 6 * U, m + 3), qRgb(0, 0, 0));
    EXPECT_EQ(window.BackingStore().pixel(x - 6 * U + 2, m + 1), qRgb(255, 255, 255));
    EXPECT_NE(s.well.file.viewTopDepth, before);

    window.EvVScroll(app::SB_THUMBPOSITION, 41);
    EXPECT_TRUE(window.LogPaintPosted());
    QCoreApplication::processEvents();
    EXPECT_EQ(s.well.file.viewTopDepth, 1656);
}

TEST(WindowPaint, TheCompressedLogAsksForAFileAfterThePaintAndImageFailuresHaveNoCaption)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    PaintCounter counter;
    counter.failure = QStringLiteral("Zoom Image Failed ");
    struct AskOpen final : logview::LogViewServices {
        PaintCounter& inner;
        explicit AskOpen(PaintCounter& c) : inner(c) {}
        void Paint(app::LogState& log, platform::Dc& dc) override
        {
            inner.Paint(log, dc);
            log.view.paintFailureUncaptioned = true;
            log.view.openPending = true;
        }
    } asking(counter);
    window.Neighbours().logview = &asking;
    window.PaintLog();
    EXPECT_EQ(counter.messagesDuringPaint, 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].caption, QString());
    EXPECT_FALSE(window.State().view.paintFailureUncaptioned);
    // The Open command waits in the queue until the paint is over; then it asks for a file.
    EXPECT_TRUE(doubles().prompter.fileRequests.isEmpty());
    EXPECT_FALSE(window.State().view.openPending);
    EXPECT_EQ(doubles().queue.DeliverAll(), 1);
    EXPECT_EQ(doubles().prompter.fileRequests.size(), 1);
}
