#include "shell/drillingfiles.h"

#include "app/logstate.h"
#include "app/notes.h"

namespace shell {

void DrillingFiles::CopyWellFileOut(const QString& extension)
{
    if (log_.well.file.hooks.copyWellFileOut)
        log_.well.file.hooks.copyWellFileOut(extension);
}

void DrillingFiles::BuildUpdatePackage() { neighbours_.exchange->BuildUpdatePackage(log_, 1); }

bool DrillingFiles::BackupData() { return wellServices_.exchange->BackupData(log_, 1) != 0; }

void DrillingFiles::ExportCustomLas(std::int32_t first, std::int32_t last)
{
    neighbours_.elog->ExportCustomLas(log_, first, last, false, true);
}

void DrillingFiles::AddMemo(const QString& text, int x, std::int32_t depth)
{
    app::NoteState& n = log_.notes;
    const std::int32_t edited = n.currentMemo;
    const std::string typed = n.noteBuffer;
    const bool firstColumn = n.firstColumnNote;
    n.currentMemo = -1;  // a new memo, not the text of the one being edited
    app::AddMemo(log_, text.toLatin1(), x, 0, depth, false);
    n.currentMemo = edited;
    n.noteBuffer = typed;
    n.firstColumnNote = firstColumn;
}

}  // namespace shell
