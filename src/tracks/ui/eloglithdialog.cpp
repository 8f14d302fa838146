#include "tracks/ui/eloglithdialog.h"

#include "platform/services.h"
#include "platform/text.h"

#include <cmath>
#include <cstddef>
#include <cstring>

namespace tracks {

using namespace platform;

namespace {
constexpr const char* kRocks[6] = {"LIME", "DOLOMITE", "SAND", "SHALE", "ANHYDRITE", "CHERT"};
constexpr const char* kColumns[6] = {"MIN PE", "MAX PE", "MIN GAM", "MAX GAM", "MIN SEP", "MAX SEP"};
constexpr std::size_t kSavedMark = 49;  // int32 1 once the table was saved from the dialog

std::size_t TableIndex(int row, int column) { return std::size_t(1 + 8 * row + column); }
}  // namespace

void SetElogLithThresholds(wellfile::WellConfig& config, const ElogLithThresholds& table)
{
    static_assert(sizeof(table) == sizeof(config.elogLithThresholds));
    std::memcpy(reinterpret_cast<unsigned char*>(&config) + offsetof(wellfile::WellConfig, elogLithThresholds),
                table.data(), sizeof(table));
}

ELOGLITHDLG::ELOGLITHDLG(QWidget* parent, const wellfile::WellConfig& config,
                         std::function<bool(const ElogLithThresholds&)> save)
    : Dialog(parent, QStringLiteral("STRATIV ELOG LITHOLOGY SETUP")),
      table_(ElogLithThresholdsOf(config)),
      save_(std::move(save))
{
    BeginGrid(7);
    SkipCell();
    for (const char* column : kColumns)
        AddStatic(IDC_STATIC, QLatin1String(column));
    for (int r = 0; r < 6; ++r) {
        AddStatic(IDC_STATIC, QLatin1String(kRocks[r]));
        for (int c = 0; c < 6; ++c)
            AddEdit(elogid::kEdits[r][c], 10);
    }
    EndGrid();
    NewRow();
    AddButton(elogid::Save, QStringLiteral("SAVE"));
    AddStretch();
    AddButton(elogid::Done, QStringLiteral("DONE"), true);
    On(elogid::Save, BN_CLICKED, [this] { CmSave(); });
}

void ELOGLITHDLG::SetupWindow()
{
    const float limePe = table_[TableIndex(0, 0)], shalePe = table_[TableIndex(3, 0)];
    if (!(limePe > 0 && shalePe > 0)) {
        MessageBox(QStringLiteral("defaults"), QStringLiteral("StrativM"), MB_OK);
        const ElogLithThresholds defaults = DefaultElogLithThresholds();
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 6; ++c)
                table_[TableIndex(r, c)] = defaults[TableIndex(r, c)];
    }
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c)
            SetText(elogid::kEdits[r][c], QString::fromStdString(CFormat("%.2f", double(table_[TableIndex(r, c)]))));
}

void ELOGLITHDLG::CmSave()
{
    ElogLithThresholds table = table_;
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c) {
            bool ok = false;
            const float v = GetText(elogid::kEdits[r][c]).trimmed().toFloat(&ok);
            if (!ok || !std::isfinite(v)) {
                MessageBox(QStringLiteral("Enter a number for %1 %2").arg(QLatin1String(kRocks[r]), QLatin1String(kColumns[c])),
                           QStringLiteral("Input Error"), MB_OK);
                return;
            }
            table[TableIndex(r, c)] = v;
        }
    const std::int32_t saved = 1;
    std::memcpy(&table[kSavedMark], &saved, sizeof saved);
    if (save_ && !save_(table))
        return;
    table_ = table;
}

}  // namespace tracks
