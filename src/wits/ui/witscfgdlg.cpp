#include "wits/ui/witscfgdlg.h"

#include "platform/numbers.h"
#include "platform/text.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace wits {

using platform::BN_CLICKED;
using platform::BST_CHECKED;
using platform::BST_UNCHECKED;
using platform::CBN_SELCHANGE;
using platform::IDC_STATIC;
using platform::IDOK;

namespace {

using platform::Whole;

}  // namespace

WitsCfgDlg::WitsCfgDlg(QWidget* parent, ChartBlocks& blocks, int chart)
    : Dialog(parent, QStringLiteral("Strativ Wits Chart Configuration")), blocks_(blocks),
      chart_(std::clamp(chart, 0, kChartCount - 1))
{
    BeginGrid(2);
    AddStatic(IDC_STATIC, QStringLiteral("Chart Number"));
    AddCombo(kCfgChartList);
    AddStatic(IDC_STATIC, QStringLiteral("Data"));
    AddCombo(kCfgDataList);
    EndGrid();
    BeginGroup(kCfgCurveGroup, QStringLiteral("Curve #"));
    AddRadio(kCfgCurve1, QStringLiteral("Curve 1"), true);
    AddRadio(kCfgCurve2, QStringLiteral("Curve 2"));
    EndGroup();
    NewRow();
    BeginGrid(2);
    AddStatic(IDC_STATIC, QStringLiteral("Minimum Value"));
    AddEdit(kCfgMinimum, 10);
    AddStatic(IDC_STATIC, QStringLiteral("Maximum Value"));
    AddEdit(kCfgMaximum, 10);
    AddStatic(IDC_STATIC, QStringLiteral("Number of Blocks"));
    AddEdit(kCfgBlockCount, 10);
    AddStatic(IDC_STATIC, QStringLiteral("Width of Blocks (In Pixels)"));
    AddEdit(kCfgBlockWidth, 10);
    AddStatic(IDC_STATIC, QStringLiteral("Label"));
    AddEdit(kCfgLabel, 20);
    EndGrid();
    AddCheck(kCfgReverse, QStringLiteral("Reverse Curve"));
    NewRow();
    AddButton(kCfgSave, QStringLiteral("SAVE"));
    AddButton(IDOK, QStringLiteral("DONE"), true);

    On(kCfgCurve1, BN_CLICKED, [this] { EvSelect(); });
    On(kCfgCurve2, BN_CLICKED, [this] { EvSelect(); });
    On(kCfgChartList, CBN_SELCHANGE, [this] { EvSelect(); });
    On(kCfgSave, BN_CLICKED, [this] { CmSave(); });
}

void WitsCfgDlg::SetupWindow()
{
    curve_ = 0;
    dataIndex_ = blocks_[chart_].dataIndex[0];
    for (int k = 1; k <= kChartCount; ++k)
        AddString(kCfgChartList, QStringLiteral("CHART %1").arg(k));
    SetSelIndex(kCfgChartList, chart_);
    for (const char* name : kChartDataNames)
        AddString(kCfgDataList, QString::fromLatin1(name));
    ShowCurve();
}

void WitsCfgDlg::ShowCurve()
{
    const WitsChartBlock& b = blocks_[chart_];
    const int c = curve_;
    SetSelIndex(kCfgDataList, b.dataIndex[c] < kChartDataCount ? b.dataIndex[c] : -1);
    SetInt(kCfgMinimum, Whole(b.minimum[c]));
    SetInt(kCfgMaximum, Whole(b.maximum[c]));
    SetInt(kCfgBlockCount, b.blockCount);
    SetInt(kCfgBlockWidth, Whole(b.blockWidth));
    const QString label = CurveLabel(b, c);
    SetText(kCfgLabel, label.isEmpty() ? QStringLiteral("NO LABEL") : label);
    SetCheck(kCfgCurve1, c == 0 ? BST_CHECKED : BST_UNCHECKED);
    SetCheck(kCfgCurve2, c == 1 ? BST_CHECKED : BST_UNCHECKED);
    SetCheck(kCfgReverse, b.direction[c] != 1 ? BST_CHECKED : BST_UNCHECKED);
}

void WitsCfgDlg::EvSelect()
{
    chart_ = std::clamp(GetSelIndex(kCfgChartList), 0, kChartCount - 1);
    curve_ = GetCheck(kCfgCurve2) == BST_CHECKED ? 1 : 0;
    ShowCurve();
}

void WitsCfgDlg::CmSave()
{
    chart_ = std::clamp(GetSelIndex(kCfgChartList), 0, kChartCount - 1);
    dataIndex_ = GetSelIndex(kCfgDataList);
    curve_ = GetCheck(kCfgCurve2) == BST_CHECKED ? 1 : 0;
    WitsChartBlock& b = blocks_[chart_];
    const int c = curve_;
    if (dataIndex_ >= 0)
        b.dataIndex[c] = std::uint16_t(dataIndex_);
    b.minimum[c] = platform::LeadingFloat(GetText(kCfgMinimum));
    b.maximum[c] = platform::LeadingFloat(GetText(kCfgMaximum));
    b.blockCount = platform::LeadingInt(GetText(kCfgBlockCount));
    b.blockWidth = platform::LeadingFloat(GetText(kCfgBlockWidth));
    GetField(kCfgLabel, b.label[c]);
    b.direction[c] = GetCheck(kCfgReverse) == BST_CHECKED ? 0 : 1;
}

}  // namespace wits
