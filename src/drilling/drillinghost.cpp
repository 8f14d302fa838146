#include "drilling/drillinghost.h"

#include "app/notbuilt.h"
#include "reports/pumpoutput.h"
#include "wellfile/profile.h"

#include <cstdio>

namespace drilling {

namespace {

class Nothing final : public StatusCanvas {
public:
    void Text(int, int, const QString&, TextAlign, FontRole, platform::COLORREF, std::optional<platform::COLORREF>) override {}
    void Fill(int, int, int, int, std::optional<platform::COLORREF>) override {}
};

}  // namespace

bool CompactStatusProfile(int p) { return wellfile::ChromatographProfile(p); }

StatusCanvas& NullCanvas()
{
    static Nothing canvas;
    return canvas;
}

void DrillingLinks::CopyWellFileOut(const QString&) { app::NotBuilt("exchange", "CopyWellFileOut while drilling"); }
void DrillingLinks::BuildUpdatePackage() {}
void DrillingLinks::SetStatusText(const QString& text)
{
    if (!text.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(text));
}
bool DrillingLinks::BackupData() { return false; }
void DrillingLinks::ExportCustomLas(std::int32_t, std::int32_t) {}
float DrillingLinks::ComputePumpOutput(const wellfile::LagRecord& lag, const wits::WITSRECORD& live)
{
    return reports::ComputePumpOutput(nullptr, &lag, &live, 0);
}
void DrillingLinks::AddMemo(const QString&, int, std::int32_t) { app::NotBuilt("entry", "AddMemo"); }
void DrillingLinks::WitsLagDepth(float, int, bool, bool) { app::NotBuilt("wits", "the lag depth hand-over"); }
void DrillingLinks::CustomLinkLagDepth(float, int, std::int32_t) { app::NotBuilt("wits", "the custom link's lag steps"); }
void DrillingLinks::ClearWitsNewData() { app::NotBuilt("wits", "the new-data flag"); }
void DrillingLinks::DrawNewLine(const wellfile::RECORD&, const wellfile::RECORD&, int, bool)
{
    app::NotBuilt("drilling", "the new depth line");
}
void DrillingLinks::ShowBackupReminder(std::int32_t, const QString&) { app::NotBuilt("drilling", "ShowBackupReminder"); }
void DrillingLinks::HideBackupReminder() { app::NotBuilt("drilling", "HideBackupReminder"); }
void DrillingLinks::MakeStatusBox() { app::NotBuilt("drilling", "the status box"); }
void DrillingLinks::DestroyStatusBox() {}
bool DrillingLinks::StatusBoxExists() const { return false; }
void DrillingLinks::ShowStatus(bool, bool, int) { app::NotBuilt("drilling", "TOOLBAR::ShowStatus"); }
void DrillingLinks::GiveFocusBack() {}

}  // namespace drilling
