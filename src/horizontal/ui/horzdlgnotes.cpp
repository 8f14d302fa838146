// The horizontal view's depth notes: the table read and written through the well's ".hxt", the
// in-place editor opened, stored and cancelled, and the notes drawn again on the note-free copy.
#include "app/logstate.h"
#include "app/notes.h"
#include "horizontal/ui/horzdlg.h"
#include "horizontal/ui/horznoteedit.h"
#include "platform/draw/dc.h"
#include "platform/services.h"

#include <cstring>

namespace horizontal {

NoteFile HorzDlg::NoteFileOf() const
{
    NoteFile f;
    f.path = app::HTextPath(log_);
    const wellfile::OpenWell& well = log_.well.file;
    if (well.copyOut && well.hooks.copyWellFileOut) {
        auto copy = well.hooks.copyWellFileOut;
        f.copyOut = [copy] { copy(QStringLiteral(".hxt")); };
    }
    return f;
}

NoteStyles HorzDlg::NoteStylesOf()
{
    return {&log_.notes.styleNote, &log_.notes.styleDescriptionNote};
}

NoteView HorzDlg::NoteViewNow() const
{
    return NoteViewOf(plot_, scroll_, log_.layout.format.trackUnit);
}

HorzNoteEdit* HorzDlg::NoteEditor() const
{
    return static_cast<HorzNoteEdit*>(noteEdit_.data());
}

bool HorzDlg::LoadNotes()
{
    std::optional<NoteTable> t = horizontal::LoadNotes(NoteFileOf(), NoteStylesOf());
    if (!t) {
        notes_ = {};
        setFocus();
        return false;
    }
    notes_ = std::move(*t);
    return true;
}

bool HorzDlg::SaveNotes()
{
    if (horizontal::SaveNotes(NoteFileOf(), notes_.notes, notes_.count))
        return true;
    setFocus();
    return false;
}

bool HorzDlg::DrawNotes(int lastIndex, bool blit)
{
    if (plot_.image.Empty())
        return false;
    PlotDc dc(plot_, plot_.image.image);
    const bool drew = horizontal::DrawNotes(dc, notes_.notes, notes_.count, lastIndex, NoteViewNow(), noteDrawing_);
    if (drew && blit)
        BlitView(0);
    return drew;
}

void HorzDlg::CloseNoteEditor()
{
    if (QWidget* edit = noteEdit_.data()) {
        edit->hide();
        edit->deleteLater();
    }
    noteEdit_ = nullptr;
}

void HorzDlg::OpenNoteEditor(const platform::RECT& rect, const QByteArray& text, bool keepUnchanged)
{
    CloseNoteEditor();
    const int profile = log_.well.loggerId;
    if (profile == 84 || profile == 62)
        if (platform::Clipboard* clipboard = platform::services().clipboard)
            clipboard->Clear();
    editRect_ = rect;
    auto* edit = new HorzNoteEdit(*this, text, QRect(rect.left, rect.top, std::max(rect.Width(), 1), std::max(rect.Height(), 1)),
                                  profile == 21, kNoteEditRead, keepUnchanged);
    noteEdit_ = edit;
    edit->show();
    edit->setFocus();
}

void HorzDlg::StoreNote(const QByteArray& text, int x, int y)
{
    if (editNote_ >= 0 && editNote_ < notes_.count) {
        // A note left as it was (before a resize took its breaks) is not written again.
        const wellfile::HTEXTEX& h = notes_.notes[std::size_t(editNote_)];
        const QByteArray before =
            savedNoteText_ ? *savedNoteText_ : QByteArray(h.text, int(strnlen(h.text, sizeof h.text)));
        if (text == before) {
            CancelNoteEdit();
            return;
        }
    }
    const NoteStore kind = PlaceNote(notes_, editNote_, newNote_, text, x, y, NoteViewNow(), NoteStylesOf());
    editNote_ = -1;
    savedNoteText_.reset();
    CloseNoteEditor();
    if (kind != NoteStore::Nothing) {
        // Written, then read back as a fresh table (sorted, cleaned); a failed write keeps the table.
        if (SaveNotes())
            LoadNotes();
        RedrawNotes();
        if (kind == NoteStore::Stored)
            if (platform::Clipboard* clipboard = platform::services().clipboard)
                clipboard->Clear();
    }
    newNote_ = false;
    setFocus();
}

void HorzDlg::CancelNoteEdit()
{
    if (savedNoteText_ && editNote_ >= 0 && editNote_ < notes_.count) {
        char* field = notes_.notes[std::size_t(editNote_)].text;
        std::memset(field, 0, sizeof notes_.notes[0].text);
        std::memcpy(field, savedNoteText_->constData(),
                    std::min<std::size_t>(std::size_t(savedNoteText_->size()), sizeof notes_.notes[0].text - 1));
    }
    const bool restored = savedNoteText_.has_value();
    savedNoteText_.reset();
    editNote_ = -1;
    newNote_ = false;  // an editor given up leaves no new note pending for the next one
    CloseNoteEditor();
    if (restored)
        RedrawNotes();
    setFocus();
}

bool HorzDlg::EditNoteAt(int x, int y)
{
    const NoteView v = NoteViewNow();
    const int shift = v.scrollPos - v.plotLeft;  // window x to image x
    const int imageX = x + shift;
    if (imageX > v.plotLeft) {
        for (int i = 0; i < notes_.count; ++i) {
            const wellfile::HTEXTEX& h = notes_.notes[std::size_t(i)];
            platform::RECT box{h.box[0], h.box[1], h.box[2], h.box[3]};
            if (v.textInOwnTrack && IsDescription(h)) {
                box.top = v.notesBandTop + 2;
                box.bottom = v.notesBandBottom;
            }
            if (h.depth <= 0 || !box.Contains(imageX, y))
                continue;
            editNote_ = i;
            newNote_ = false;
            const int left = box.left - shift;
            OpenNoteEditor({left, box.top, left + box.Width(), box.bottom - 2},
                           QByteArray(h.text, int(strnlen(h.text, sizeof h.text))), true);
            return true;
        }
    }
    if (y > 15 && x > v.plotLeft + 2) {
        editNote_ = -1;
        newNote_ = true;
        OpenNoteEditor({x, y, x + 200, y + 125});
        return true;
    }
    return false;
}

void HorzDlg::ResizeNote(int index, const platform::RECT& rect)
{
    if (index < 0 || index >= notes_.count)
        return;
    wellfile::HTEXTEX& h = notes_.notes[std::size_t(index)];
    const QByteArray text(h.text, int(strnlen(h.text, sizeof h.text)));
    editNote_ = index;
    savedNoteText_ = text;
    // Without its soft breaks, so that the editor wraps it to the new box; a hard break parts two words.
    QByteArray joined = text;
    joined.replace("\r\r\n", "").replace("\r\n", " ").replace('\r', ' ').replace('\n', ' ');
    std::memset(h.text, 0, sizeof h.text);
    std::memcpy(h.text, joined.constData(), std::size_t(joined.size()));
    OpenNoteEditor(rect, joined);
}

}  // namespace horizontal
