#include "drilling/drillinghost.h"

#include "app/nowindow.h"
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

void LagHandover::WitsLagDepth(float, int, int, bool) { app::NoWindow("wits", "the lag depth hand-over"); }
void LagHandover::CustomLinkLagDepth(float, int, std::int32_t) { app::NoWindow("wits", "the custom link's lag steps"); }
void LagHandover::ClearWitsNewData() { app::NoWindow("wits", "the new-data flag"); }

void WellFileWork::CopyWellFileOut(const QString&) { app::NoWindow("exchange", "CopyWellFileOut while drilling"); }
void WellFileWork::BuildUpdatePackage() {}
bool WellFileWork::BackupData() { return false; }
void WellFileWork::ExportCustomLas(std::int32_t, std::int32_t) {}
void WellFileWork::AddMemo(const QString&, int, std::int32_t) { app::NoWindow("entry", "AddMemo"); }

void DrillingStatusBox::MakeStatusBox() { app::NoWindow("drilling", "the status box"); }
void DrillingStatusBox::DestroyStatusBox() {}
bool DrillingStatusBox::StatusBoxExists() const { return false; }
void DrillingStatusBox::ShowStatus(bool, bool, int) { app::NoWindow("drilling", "TOOLBAR::ShowStatus"); }
void DrillingStatusBox::GiveFocusBack() {}

void StatusNotes::ShowBackupReminder(std::int32_t, const QString&) { app::NoWindow("drilling", "ShowBackupReminder"); }
void StatusNotes::HideBackupReminder() { app::NoWindow("drilling", "HideBackupReminder"); }
void StatusNotes::SetStatusText(const QString& text)
{
    if (!text.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace drilling
