#include "wits/ui/witsdisplaydlg.h"

#include "platform/numbers.h"
#include "platform/ui/screenplace.h"
#include "platform/ui/svedit.h"
#include "wits/itemtable.h"
#include "wits/ui/percentbox.h"

#include <QCloseEvent>
#include <QLabel>

namespace wits {

namespace {

constexpr int kTextLimit = 28;
constexpr int kPercentLine = 7;
constexpr int kLabelHeight = 8, kFieldHeight = 11, kRowStep = 22;
constexpr int kLabelIdBase = 2000;
constexpr const char* kMwdCaptionText = " RTG        AT";

// A value field of the window: the display text it shows, its label and its place (dialog units; row 0
// or 1, each a label over its field).
struct Field {
    int id;
    int line;
    const char* label;
    int labelId;
    int row;
    int x;
    int width;
};

constexpr Field kFields[] = {
    {101, 0, "WOB", platform::IDC_STATIC, 0, 2, 34},
    {102, 1, "RPM", platform::IDC_STATIC, 0, 36, 34},
    {103, 2, "PP", platform::IDC_STATIC, 0, 70, 34},
    {104, 3, "SPM", platform::IDC_STATIC, 0, 104, 34},
    {107, 4, "TORQUE", platform::IDC_STATIC, 0, 138, 34},
    {106, 5, "DEPTH", platform::IDC_STATIC, 0, 172, 34},
    {109, 10, "BIT DEPTH", platform::IDC_STATIC, 0, 206, 34},
    {116, 11, "PIT VOL", platform::IDC_STATIC, 0, 240, 34},
    {105, 12, "GAIN / LOSS", platform::IDC_STATIC, 0, 274, 34},
    {111, 6, "SPM2", platform::IDC_STATIC, 1, 2, 34},
    {114, 9, "SPM 3", 120, 1, 36, 34},
    {112, 8, "FLOW", platform::IDC_STATIC, 1, 70, 34},
    {119, 15, "BYTES IN", 123, 1, 210, 48},
    {121, 16, "BYTES OUT", 122, 1, 260, 48},
};

QString Text(const std::string& s) { return QString::fromLatin1(s.data(), qsizetype(s.size())); }

}  // namespace

QColor PercentColour(int percent, int lastPercent)
{
    if (percent > 70)
        return QColor(0, 255, 0);
    if (percent > 50 || percent > lastPercent)
        return QColor(255, 255, 0);
    return QColor(255, 0, 0);
}

int PercentOf(const std::string& text)
{
    // Held to the range of int, so that a far value still compares with the last one.
    return platform::TruncInt(platform::LeadingFloat(text));
}

WitsDisplayDlg::WitsDisplayDlg(QWidget* parent, int linkKind, const CUSTWITSCFG& settings,
                               std::function<bool()> mwdShown)
    : Dialog(parent, QStringLiteral("Strativ Wits Feed Data")),
      linkKind_(linkKind),
      onTcp_(settings.witsOnTcp != 0),
      witsOut_(settings.connectionMode == 4),
      mwdShown_(std::move(mwdShown))
{
    // A tool window with a caption and only the close box: closing it hides it, the link goes on.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    const auto place = [this](int id, int labelId, const char* label, int row, int x, int width) {
        if (label) {
            // Labels the window never addresses still need a number of their own to be placed.
            const int numbered = labelId == platform::IDC_STATIC ? kLabelIdBase + id : labelId;
            AddStatic(numbered, QString::fromLatin1(label));
            PlaceAt(numbered, x, 1 + row * kRowStep, width, kLabelHeight);
        }
        AddEdit(id, kTextLimit)->setReadOnly(true);
        PlaceAt(id, x, 10 + row * kRowStep, width, kFieldHeight);
    };
    for (const Field& f : kFields)
        place(f.id, f.labelId, f.label, f.row, f.x, f.width);
    place(kPercent, platform::IDC_STATIC, "PERCENT", 1, 104, 34);
    // The MWD fields, under a caption field of their own.
    platform::SVEdit* caption = AddEdit(kMwdCaption, kTextLimit);
    caption->setReadOnly(true);
    caption->setFrame(false);
    caption->setText(QString::fromLatin1(kMwdCaptionText));
    PlaceAt(kMwdCaption, 138, 1 + kRowStep, 68, kLabelHeight);
    place(kMwdA, 0, nullptr, 1, 138, 34);
    place(kMwdB, 0, nullptr, 1, 172, 34);
    SetDialogUnitSize(310, 45);
    FitPlacedTexts();

    box_ = new PercentBox(this);
    NeverTakeFocus();  // it only shows values: keys go on reaching the log
}

void WitsDisplayDlg::SetupWindow()
{
    // The box covers the PERCENT field and the line left of and above it.
    if (const QWidget* field = Control(kPercent)) {
        const QRect r = field->geometry();
        box_->setGeometry(r.x() - 1, r.y() - 1, r.width() + 1, r.height() + 1);
    }
    if (linkKind_ == 0 && witsOut_)
        setWindowTitle(QStringLiteral("StrativM Custom Wits Out"));
    else if (linkKind_ == 0)
        setWindowTitle(QStringLiteral("StrativM Custom Wits "));
    else if (onTcp_)
        setWindowTitle(QStringLiteral("StrativM Wits On TCP"));
    else
        setWindowTitle(QStringLiteral("StrativM Wits Feed"));
    if (QWidget* main = parentWidget())
        main->activateWindow();
}

void WitsDisplayDlg::closeEvent(QCloseEvent* e) { e->accept(); }

void WitsDisplayDlg::UpdateValues(const DisplayLines& lines, bool paintPercent)
{
    for (const Field& f : kFields)
        SetText(f.id, Text(lines[std::size_t(f.line)]));
    const bool mwd = mwdShown_ && mwdShown_();
    if (mwd) {
        SetText(kMwdA, Text(lines[13]));
        SetText(kMwdB, Text(lines[14]));
        SetText(kMwdCaption, QString::fromLatin1(kMwdCaptionText));
    }
    for (const int id : {kMwdA, kMwdCaption, kMwdB})
        Show(id, mwd);

    const std::string& percentText = lines[kPercentLine];
    const int percent = PercentOf(percentText);
    const QColor colour = PercentColour(percent, lastPercent_);
    lastPercent_ = percent;
    if (paintPercent)
        box_->Paint(colour, Text(percentText));
}

namespace {

class DataWindow final : public WitsDisplay {
public:
    DataWindow(QWidget* parent, int linkKind, const CUSTWITSCFG& settings, std::function<bool()> mwdShown)
        : dlg_(new WitsDisplayDlg(parent, linkKind, settings, std::move(mwdShown)))
    {
        dlg_->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    ~DataWindow() override { delete dlg_.data(); }

    void UpdateValues(const DisplayLines& lines, bool paintPercent) override
    {
        if (dlg_)
            dlg_->UpdateValues(lines, paintPercent);
    }
    void ShowAt(int left, int top) override
    {
        if (!dlg_)
            return;
        dlg_->hide();
        dlg_->Create();
        dlg_->move(platform::InsideScreen(*dlg_, left, top));
    }
    int Left() const override { return dlg_ ? dlg_->x() : 0; }
    int Top() const override { return dlg_ ? dlg_->y() : 0; }

private:
    QPointer<WitsDisplayDlg> dlg_;
};

}  // namespace

std::unique_ptr<WitsDisplay> MakeWitsDisplay(QWidget* parent, int linkKind, const CUSTWITSCFG& settings,
                                             std::function<bool()> mwdShown)
{
    return std::make_unique<DataWindow>(parent, linkKind, settings, std::move(mwdShown));
}

}  // namespace wits
