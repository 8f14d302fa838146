// The text views of the main window: the depth records and the e-log curve rows as text tables
// (TextDlg), and the drilling object's lag tables in a list beside the log. The lines are
// shell/textlines.h's.
#include "shell/ui/logwindow.h"

#include "platform/services.h"
#include "shell/textlines.h"
#include "shell/ui/textdlg.h"
#include "wellfile/datafile.h"

#include <QGuiApplication>
#include <QListWidget>

#include <algorithm>
#include <optional>

namespace shell {

namespace {

constexpr int kTextRows = 100;

QStringList ListLines(const std::vector<std::string>& lines)
{
    QStringList list;
    list.reserve(qsizetype(lines.size()));
    for (const std::string& line : lines)
        list << QString::fromLatin1(line.data(), qsizetype(line.size()));
    return list;
}

}  // namespace

void LogWindow::CmDataAsText() { ShowDataAsText(QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier)); }

void LogWindow::ShowDataAsText(bool control)
{
    if (CommandGuardFails())
        return;
    app::LogState& s = state_;
    if ((control && s.well.file.drilling) || tools_.lagList) {
        ToggleLagList();
        return;
    }
    if (tools_.dataAsText)
        return;
    std::optional<std::vector<std::string>> lines = DataTextLines();
    if (!lines) {
        platform::MessageBeep(0);  // no records there to show
        return;
    }
    auto* dlg = new TextDlg(*this, tools_, TextDlg::kMudlog, std::move(*lines));
    dlg->setAttribute(Qt::WA_DeleteOnClose);
    tools_.dataAsText = dlg;
    dlg->Create();
}

std::optional<std::vector<std::string>> LogWindow::DataTextLines()
{
    app::LogState& s = state_;
    wellfile::OpenWell& f = s.well.file;
    std::vector<wellfile::RECORD> records(kTextRows + 1);
    const int index = f.depthStep > 0 ? (f.viewTopDepth - f.fileTopDepth) / f.depthStep : 0;
    const int read = wellfile::ReadRecords(f, records, f.dataFileName, index, kTextRows);
    if (read <= 0)
        return std::nullopt;
    tools_.textRecords = std::move(records);
    shell::MudlogTextContext in;
    in.fileTopDepth = f.fileTopDepth;
    in.fileBottomDepth = f.fileBottomDepth;
    in.ratePerHour = s.view.rateInMetresPerHour != 0;
    in.loggerId = s.well.loggerId;
    return shell::MudlogTextLines(std::span(tools_.textRecords).first(std::size_t(read)), in);
}

void LogWindow::RefillDataAsText()
{
    auto* open = qobject_cast<TextDlg*>(tools_.dataAsText.data());
    if (!open || open->Kind() != TextDlg::kMudlog || state_.well.file.dataFileName.isEmpty())
        return;
    // Records that cannot be read leave the rows it shows.
    if (std::optional<std::vector<std::string>> lines = DataTextLines())
        open->Refill(std::move(*lines), false);
}

void LogWindow::CmElogAsText()
{
    if (CommandGuardFails())
        return;
    app::LogState& s = state_;
    const elog::CurveRows curves = neighbours_.elog->CurveData(s);
    if (!s.engines.elogCurves && curves.rows.empty()) {
        platform::MessageBox(QStringLiteral("No curves"), QString(), platform::MB_OK);
        return;
    }
    // The rows from the view top, or from the curves' first depth when they start below it. A refill
    // starts at the same row: a view top above the curves has no row of its own.
    const std::int32_t d = std::max(s.well.file.viewTopDepth, curves.firstDepth);
    const std::int64_t row = std::int64_t(d) - curves.firstDepth;
    if (d > curves.lastDepth || row >= std::int64_t(curves.rows.size())) {
        platform::MessageBox(QStringLiteral("Data not available at this depth"), QStringLiteral("Error"), platform::MB_OK);
        return;
    }
    const std::size_t count = std::min<std::size_t>(kTextRows, curves.rows.size() - std::size_t(row));
    shell::ElogTextContext in;
    in.curveLastDepth = curves.lastDepth;
    in.fileBottomDepth = s.well.file.fileBottomDepth;
    std::vector<std::string> lines = shell::ElogTextLines(curves.rows.subspan(std::size_t(row), count), in);
    if (auto* open = qobject_cast<TextDlg*>(tools_.elogAsText.data())) {
        open->Refill(std::move(lines));
        return;
    }
    auto* dlg = new TextDlg(*this, tools_, TextDlg::kElog, std::move(lines));
    dlg->setAttribute(Qt::WA_DeleteOnClose);
    tools_.elogAsText = dlg;
    dlg->Create();
}

void LogWindow::ToggleLagList()
{
    if (tools_.lagList) {
        delete tools_.lagList;
        return;
    }
    const layout::LogLayout& L = state_.layout.format;
    auto* list = new QListWidget(this);
    // Beside the quick view bar's column edge, at the top of the log.
    list->setGeometry(L.lithology.left, ClientTop() + L.logAreaTop, 300, 300);
    list->setSortingEnabled(false);
    const std::vector<drilling::LagEntry> entries = neighbours_.drilling->LagEntries(state_);
    list->addItems(ListLines(shell::LagListLines(entries)));
    tools_.lagList = list;
    list->show();
}

}  // namespace shell
