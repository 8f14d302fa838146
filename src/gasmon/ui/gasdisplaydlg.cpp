#include "gasmon/ui/gasdisplaydlg.h"

#include "platform/draw/fonts.h"
#include "platform/ui/screenplace.h"
#include "platform/ui/svedit.h"

#include <QLabel>
#include <QMainWindow>

#include <algorithm>
#include <tuple>
#include <utility>

namespace gasmon {

namespace {

constexpr int kTextLimit = 256;

class DisplayWindow final : public GasDisplay {
public:
    DisplayWindow(QWidget* parent, const QString& heading, std::function<QPoint()> home)
        : dlg_(new GasDisplayDlg(parent)), home_(std::move(home))
    {
        dlg_->setAttribute(Qt::WA_DeleteOnClose, false);
        dlg_->SetHeading(heading);
    }
    ~DisplayWindow() override { delete dlg_.data(); }

    void SetLines(const QString* l1, const QString* l2, const QString* l3, const QString* l4) override
    {
        if (dlg_)
            dlg_->SetLines(l1, l2, l3, l4);
    }
    void SetCaption(const QString& caption) override
    {
        if (dlg_)
            dlg_->setWindowTitle(caption);
    }
    void SetHeading(const QString& heading) override
    {
        if (dlg_)
            dlg_->SetHeading(heading);
    }
    void ShowAt(int left, int top) override
    {
        if (!dlg_)
            return;
        dlg_->Create();
        if (left == 0 && top == 0)
            std::tie(left, top) = FirstPlace();
        dlg_->move(platform::InsideScreen(*dlg_, left, top));
        // Placed before its frame came: once framed, the frame is pulled onto the screen too.
        platform::KeepFramedOnScreen(*dlg_);
    }
    int Left() const override { return dlg_ ? dlg_->x() : 0; }
    int Top() const override { return dlg_ ? dlg_->y() : 0; }

private:
    // A window never placed before (the settings hold 0, 0: over the menu bar) opens inside the main
    // window at its home (the log's first row, clear of the band's read-outs) with its frame below the
    // menu bar and below the tool windows that stand on the menu's line (the quick view bar): a click on a
    // menu must never land on this window's caption. A tool window it would cover (the drilling status
    // box) it stands below. Until the window manager has framed this window, its frame is taken to be
    // the main window's.
    std::pair<int, int> FirstPlace() const
    {
        const auto* main = qobject_cast<const QMainWindow*>(dlg_->parentWidget());
        if (!main)
            return {0, 0};
        const QWidget* menu = main->menuWidget();
        int below = menu && menu->isVisible() ? menu->mapToGlobal(QPoint(0, menu->height())).y() : main->geometry().top();
        const auto tools = main->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        const auto beside = [&](const QWidget* w) { return w != dlg_ && w->isWindow() && w->isVisible(); };
        for (const QWidget* w : tools)
            if (beside(w) && w->frameGeometry().top() < below)
                below = std::max(below, w->frameGeometry().bottom() + 1);
        const QPoint own = dlg_->geometry().topLeft() - dlg_->frameGeometry().topLeft();
        const QPoint frame = own.isNull() ? main->geometry().topLeft() - main->frameGeometry().topLeft() : QPoint();
        QRect place(QPoint(main->geometry().left() + kFirstMargin, below + kFirstMargin),
                    dlg_->frameGeometry().size() + QSize(2 * frame.x(), frame.x() + frame.y()));
        if (home_) {
            const QPoint home = home_();
            place.moveTo(home.x(), std::max(home.y(), place.top()));
        }
        for (bool moved = true; moved;) {
            moved = false;
            for (const QWidget* w : tools)
                if (beside(w) && w->frameGeometry().intersects(place)) {
                    place.moveTop(w->frameGeometry().bottom() + 1 + kFirstMargin);
                    moved = true;
                }
        }
        const QPoint at = place.topLeft() + frame;
        return {at.x(), at.y()};
    }
    static constexpr int kFirstMargin = 10;
    QPointer<GasDisplayDlg> dlg_;
    std::function<QPoint()> home_;
};

}  // namespace

GasDisplayDlg::GasDisplayDlg(QWidget* parent, const QString& caption) : Dialog(parent, caption)
{
    // A pop-up with a caption and only the close box (closing hides it; the monitor goes on), in the
    // platform's stand-in for "Fixedsys".
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont font(platform::SubstituteFace(QStringLiteral("Fixedsys")).family);
    font.setPixelSize(15);
    font.setStyleHint(QFont::TypeWriter);
    setFont(font);

    AddStatic(kHeading, heading_);
    for (int id : {kLine1, kLine2, kLine3, kLine4})
        AddEdit(id, kTextLimit)->setReadOnly(true);
    PlaceAt(kHeading, 2, 0, 250, 10);
    PlaceAt(kLine1, 0, 8, 250, 11);
    PlaceAt(kLine2, 0, 20, 250, 11);
    PlaceAt(kLine3, 0, 32, 250, 12);
    PlaceAt(kLine4, 0, 46, 250, 12);
    SetDialogUnitSize(273, 59);
    NeverTakeFocus();  // it only shows values: keys go on reaching the log
}

void GasDisplayDlg::SetupWindow()
{
    setUp_ = true;
    SetText(kHeading, heading_);
}

void GasDisplayDlg::SetHeading(const QString& heading)
{
    heading_ = heading;
    if (setUp_)
        SetText(kHeading, heading_);
}

void GasDisplayDlg::SetLines(const QString* line1, const QString* line2, const QString* line3, const QString* line4)
{
    if (line2)
        SetText(kLine2, *line2);
    if (line3)
        SetText(kLine3, *line3);
    if (line4)
        SetText(kLine4, *line4);
    if (line1)
        SetText(kLine1, *line1);
}

std::unique_ptr<GasDisplay> MakeGasDisplay(QWidget* parent, const QString& heading, std::function<QPoint()> home)
{
    return std::make_unique<DisplayWindow>(parent, heading, std::move(home));
}

}  // namespace gasmon
