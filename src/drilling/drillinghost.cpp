#include "drilling/drillinghost.h"

#include "app/notbuilt.h"
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

void LagHandover::WitsLagDepth(float, int, bool, bool) { app::NotBuilt("wits", "the lag depth hand-over"); }
void LagHandover::CustomLinkLagDepth(float, int, std::int32_t) { app::NotBuilt("wits", "the custom link's lag steps"); }
void LagHandover::ClearWitsNewData() { app::NotBuilt("wits", "the new-data flag"); }

void WellFileWork::CopyWellFileOut(const QString&) { app::NotBuilt("exchange", "CopyWellFileOut while drilling"); }
void WellFileWork::BuildUpdatePackage() {}
bool WellFileWork::BackupData() { return false; }
void WellFileWork::ExportCustomLas(std::int32_t, std::int32_t) {}
void WellFileWork::AddMemo(const QString&, int, std::int32_t) { app::NotBuilt("entry", "AddMemo"); }

void DrillingStatusBox::MakeStatusBox() { app::NotBuilt("drilling", "the status box"); }
void DrillingStatusBox::DestroyStatusBox() {}
bool DrillingStatusBox::StatusBoxExists() const { return false; }
void DrillingStatusBox::ShowStatus(bool, bool, int) { app::NotBuilt("drilling", "TOOLBAR::ShowStatus"); }
void DrillingStatusBox::GiveFocusBack() {}

void StatusNotes::ShowBackupReminder(std::int32_t, const QString&) { app::NotBuilt("drilling", "ShowBackupReminder"); }
void StatusNotes::HideBackupReminder() { app::NotBuilt("drilling", "HideBackupReminder"); }
void StatusNotes::SetStatusText(const QString& text)
{
    if (!text.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace drilling
