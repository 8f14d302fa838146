#include "elog/ui/importdialog.h"

#include "elog/lasread.h"
#include "elog/mudlogtargets.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/ui/controls.h"
#include "platform/ui/svedit.h"
#include "platform/winapi.h"

#include <QComboBox>
#include <QListWidget>

#include <algorithm>
#include <cstring>

namespace elog {

namespace id = importid;

const QStringList& ElogImportTargets()
{
    static const QStringList targets{
        "Gamma", "Density Porosity", "Neutron Porosity", "Cross Plot Porosity", "Sonic", "SP", "PE",
        "Resistivity 10", "Resistivity 20", "Resistivity 30", "Resistivity 60", "Resistivity 90", "Resistivity 120",
        "Caliper"};
    return targets;
}

ImportDlg::ImportDlg(QWidget* parent, const ImportDlgSetup& setup, std::span<std::int32_t> columnMap)
    : Dialog(parent, setup.mode == kImportCurves ? QStringLiteral("STRATIV ELOG IMPORT") : QStringLiteral("IMPORT LAS LOG DATA")),
      setup_(setup), map_(columnMap)
{
    AddStatic(id::Source, {});
    NewRow();
    // The import writes the well's own curve file: the box shows it and takes no other name.
    AddEdit(id::Destination, 128, 40)->setReadOnly(true);
    AddButton(id::Browse, QStringLiteral("Browse"));
    NewRow();
    BeginGrid(2);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Available Curves"));
    AddStatic(platform::IDC_STATIC, QStringLiteral("Import As.."));
    AddCombo(id::Available);
    AddCombo(id::ImportAs);
    EndGrid();
    NewRow();
    AddButton(id::Add, QStringLiteral("ADD"));
    AddButton(id::Remove, QStringLiteral("Remove"));
    NewRow();
    AddList(id::Mappings);
    NewRow();
    AddStatic(platform::IDC_STATIC, QStringLiteral("Interval:"));
    AddStatic(id::Interval, {});
    NewRow();
    BeginGrid(6);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Import From"));
    AddEdit(id::From, 10, 10);
    AddStatic(platform::IDC_STATIC, QStringLiteral("To"));
    AddEdit(id::To, 10, 10);
    AddStatic(platform::IDC_STATIC, QStringLiteral("KB"));
    AddEdit(id::Kb, 10, 10);
    EndGrid();
    NewRow();
    AddStatic(id::SwNote, QStringLiteral("Sw and BVw are calculated using density porosity if available. This can be "
                                         "changed after importing the data using the Sw setup dialog"));
    NewRow();
    AddButton(id::LoadLasD, QStringLiteral("Load LAS D"));
    AddButton(id::LoadLasA, QStringLiteral("Load LAS A"));
    NewRow();
    AddCheck(id::ReplaceGamma, QStringLiteral("Replace Current Gamma File"));
    AddCheck(id::ImportAsTvd, QStringLiteral("Import As TVD"));
    NewRow();
    AddStretch();
    AddButton(platform::IDOK, QStringLiteral("Import"), true);
    AddButton(platform::IDCANCEL, QStringLiteral("Cancel"));

    On(id::Available, platform::CBN_SELCHANGE, [this] { EvAvailableChange(); });
    On(id::ImportAs, platform::CBN_SELCHANGE, [this] { EvImportAsChange(); });
    On(id::Mappings, platform::LBN_SELCHANGE, [this] { Enable(id::Remove, GetSelIndex(id::Mappings) >= 0); });
    On(id::Add, platform::BN_CLICKED, [this] { CmAdd(); });
    On(id::Remove, platform::BN_CLICKED, [this] { CmRemove(); });
    On(id::ImportAsTvd, platform::BN_CLICKED, [this] { CmImportAsTvd(); });
    On(id::LoadLasD, platform::BN_CLICKED, [this] { LoadLasDMap(); });
    On(id::LoadLasA, platform::BN_CLICKED, [this] { LoadLasAMap(); });
}

void ImportDlg::SetupWindow()
{
    available_ = -1;
    target_ = 0;
    SetLasDepthColumn(0);
    Show(id::ReplaceGamma, false);
    const QString upper = setup_.source.toUpper();
    preset_ = setup_.presets && (upper.contains("DQ1000D") || upper.contains("DQ1000A"));
    Show(id::LoadLasD, setup_.presets);
    Show(id::LoadLasA, setup_.presets);

    LasHeader* h = setup_.header;
    const bool curves = setup_.mode == kImportCurves;
    if (!h) {
        SetText(id::Interval, QStringLiteral("NA"));
        SetText(id::Kb, QStringLiteral("NA"));
    } else {
        SetText(id::Interval, QStringLiteral("%1  to  %2").arg(h->start).arg(h->stop));
        h->gasInPpm = preset_ ? 1 : 0;  // gas in ppm
        h->rateAsSpeed = 0;                // rate as speed
        SetInt(id::From, h->start);
        SetInt(id::To, h->stop);
        SetText(id::Kb, curves ? QString::fromStdString(platform::CFormat("%5.1f", double(h->ekb))) : QString());
        Enable(id::Kb, curves);
    }
    SetText(id::Source, setup_.source);
    SetText(id::Destination, setup_.destination);
    std::fill(map_.begin(), map_.end(), 0);
    rowTarget_.clear();
    Enable(id::Add, false);
    Enable(id::Remove, false);
    Enable(id::ImportAs, false);

    for (const QString& t : setup_.targets.isEmpty() ? ElogImportTargets() : setup_.targets)
        AddString(id::ImportAs, t);
    Enable(id::Browse, false);  // no other curve file to pick
    Show(id::Browse, false);
    if (!curves) {
        Enable(id::Destination, false);
        Show(id::SwNote, false);
    }
    // Line n of the list is column n: comment and blank lines are no columns.
    tvdLine_ = 0;
    int line = 0;
    for (std::string_view l : SplitLasLines(setup_.curveList)) {
        const std::size_t first = l.find_first_not_of(" \t");
        if (first == std::string_view::npos || l[first] == '#')
            continue;
        ++line;
        const QString text = QString::fromLatin1(l.data(), qsizetype(l.size()));
        AddString(id::Available, text);
        if (text.toUpper().contains("TVD"))
            tvdLine_ = line;
    }
    // The mudlog import always reads its depths from column 1.
    Show(id::ImportAsTvd, curves && tvdLine_ > 0);
    SetSelIndex(id::Available, -1);
    SetSelIndex(id::ImportAs, -1);
}

void ImportDlg::EvAvailableChange()
{
    available_ = GetSelIndex(id::Available);
    if (available_ < 0)
        return;
    availableText_ = GetString(id::Available, available_);
    Enable(id::ImportAs, true);
    SetFocusTo(id::ImportAs);
    if (auto* combo = ControlAs<QComboBox>(id::ImportAs); combo && isVisible())
        combo->showPopup();
}

void ImportDlg::EvImportAsChange()
{
    const int index = GetSelIndex(id::ImportAs);
    if (index < 0)
        return;
    target_ = index + 1;
    targetText_ = GetString(id::ImportAs, index);
    Enable(id::Add, available_ >= 0);
    if (auto* combo = ControlAs<QComboBox>(id::ImportAs))
        combo->hidePopup();
}

void ImportDlg::CmAdd()
{
    if (available_ < 0 || target_ <= 0 || std::size_t(target_) >= map_.size())
        return;
    map_[std::size_t(target_)] = available_ + 1;
    // A target holds one column: mapped again, its row shows the new one.
    const QString row = availableText_ + QStringLiteral(" AS..") + targetText_;
    const auto mapped = std::find(rowTarget_.begin(), rowTarget_.end(), target_);
    auto* list = ControlAs<QListWidget>(id::Mappings);
    if (mapped != rowTarget_.end() && list && list->item(int(mapped - rowTarget_.begin()))) {
        list->item(int(mapped - rowTarget_.begin()))->setText(row);
    } else {
        AddString(id::Mappings, row);
        rowTarget_.push_back(target_);
    }
    const QString text = availableText_.toUpper(), target = targetText_.toUpper();
    if (LasHeader* h = setup_.header) {
        if ((text.contains("PPM") && (target.contains("C1") || target.contains("C2"))) || preset_)
            h->gasInPpm = 1;
        if (target.contains("ROP") &&
            (text.contains("M/HR") || text.contains("FPH") || text.contains("F/H") || text.contains("M/HOUR")))
            h->rateAsSpeed = 1;
    }
    Enable(id::Add, false);
    Enable(id::ImportAs, false);
    SetSelIndex(id::Available, -1);
    available_ = -1;
    platform::MessageBeep(0);
}

void ImportDlg::CmRemove()
{
    const int row = GetSelIndex(id::Mappings);
    if (row < 0 || std::size_t(row) >= rowTarget_.size())
        return;
    map_[std::size_t(rowTarget_[std::size_t(row)])] = 0;
    rowTarget_.erase(rowTarget_.begin() + row);
    if (auto* list = ControlAs<QListWidget>(id::Mappings))
        delete list->takeItem(row);
    Enable(id::Remove, false);
    platform::MessageBeep(0);
}

void ImportDlg::CmImportAsTvd()
{
    const std::int32_t stop = setup_.header ? setup_.header->stop : 0;
    SetText(id::Destination, setup_.dataFolder + setup_.wellName + QStringLiteral("@%1.svm").arg(stop));
    Enable(id::Destination, false);
    SetLasDepthColumn(tvdLine_);
}

void ImportDlg::LoadLasDMap()
{
    elog::LoadLasDMap(map_);
    ShowPreset();
}
void ImportDlg::LoadLasAMap()
{
    elog::LoadLasAMap(map_);
    ShowPreset();
}
void ImportDlg::ShowPreset()
{
    if (auto* list = ControlAs<QListWidget>(id::Mappings))
        list->clear();
    rowTarget_.clear();
    const int lines = GetCount(id::Available), targets = GetCount(id::ImportAs);
    for (std::size_t t = 1; t < map_.size(); ++t) {
        const int column = map_[t];
        if (column <= 0)
            continue;
        const QString line = column <= lines ? GetString(id::Available, column - 1) : QStringLiteral("%1").arg(column);
        const QString target = int(t) <= targets ? GetString(id::ImportAs, int(t) - 1) : QString();
        AddString(id::Mappings, line + QStringLiteral(" AS..") + target);
        rowTarget_.push_back(int(t));
    }
    if (setup_.header && preset_)
        setup_.header->gasInPpm = 1;
    Enable(id::Remove, false);
}

bool ImportDlg::CanClose()
{
    destination = GetText(id::Destination);
    if (!destination.contains('.'))
        destination += QStringLiteral(".svm");
    if (LasHeader* h = setup_.header) {
        // Held to the range of int: a depth typed past it ("9e9") stays below the other.
        const auto whole = [this](int control) {
            return platform::TruncInt(platform::LeadingDouble(GetText(control)));
        };
        if (setup_.mode == kImportCurves)
            h->ekb = platform::LeadingFloat(GetText(id::Kb));
        h->start = whole(id::From);
        h->stop = whole(id::To);
    }
    return true;
}

}  // namespace elog
