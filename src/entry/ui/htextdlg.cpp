#include "entry/ui/htextdlg.h"

#include "app/logstate.h"
#include "app/notes.h"
#include "entry/memobook.h"
#include "entry/memofiles.h"
#include "platform/services.h"

#include <algorithm>
#include <cstring>

namespace entry {

namespace {

constexpr int kNoteTextMax = 499;

}  // namespace

HTEXTDLG::HTEXTDLG(QWidget* parent, app::LogState& log, std::vector<wellfile::HTEXTEX>& notes, int index, int* count)
    : NoteDialog(parent, Records::Notes), log_(log), notes_(notes), viewCount_(count), count_(count ? *count : 0), index_(index)
{
    Build(QStringLiteral("NOTE DEPTH"), false,
          {{IDC_RECTANGLE, QStringLiteral("DRAW RECTANGLE")},
           {IDC_ONE_INCH, QStringLiteral("DRAW ON ONE INCH")},
           {IDC_TRANSPARENT, QStringLiteral("DRAW TEXT TRANSPARENT")},
           {IDC_BOLD, QStringLiteral("BOLD")},
           {IDC_DESCRIPTION, QStringLiteral("Draw On Text Track")},
           {IDC_ONE_INCH_ONLY, QStringLiteral("ONE INCH ONLY")},
           {IDC_ALL_CAPS, QStringLiteral("ALL CAPS")}});
    On(IDC_SAVE, platform::BN_CLICKED, [this] { CmSave(); });
    On(IDC_SET_DEFAULT, platform::BN_CLICKED, [this] { CmSetAsDefault(); });
    On(IDC_NEW, platform::BN_CLICKED, [this] { CmNew(); });
    On(IDC_DELETE, platform::BN_CLICKED, [this] { CmDelete(); });
}

wellfile::HTEXTEX* HTEXTDLG::Note()
{
    if (index_ < 0 || index_ >= count_ || std::size_t(index_) >= notes_.size())
        return nullptr;
    return &notes_[std::size_t(index_)];
}

void HTEXTDLG::SetCount(int count)
{
    count_ = count;
    if (viewCount_)
        *viewCount_ = count;
}

void HTEXTDLG::SetupWindow()
{
    adding_ = false;
    ClearSizeChoice();
    Enable(IDC_DEPTH, false);
    Show(IDC_DESCRIPTION, false);
    Show(IDC_ONE_INCH_ONLY, false);
    Show(IDC_ALL_CAPS, false);
    SetCount(std::clamp(count_, 0, int(notes_.size())));
    if (count_ > 2)
        SortHText(notes_, count_);
    index_ = std::clamp(index_, 0, std::max(count_ - 1, 0));
    TransferNote(true);
}

void HTEXTDLG::TransferNote(bool toControls)
{
    wellfile::HTEXTEX* h = Note();
    if (!h)
        return;
    const wellfile::OpenWell& f = log_.well.file;
    if (toControls) {
        h->depth = ShownDepth(h->depth, f.fileTopDepth, f.fileBottomDepth);
        SetInt(IDC_DEPTH, h->depth);
        SetInt(IDC_NUMBER, h->number);
        ShowRecordText(h->text, sizeof h->text, log_.layout.format.logFont);
        SetCheck(IDC_RECTANGLE, h->drawRectangle ? 1 : 0);
        SetCheck(IDC_ONE_INCH, h->oneInch ? 1 : 0);
        SetCheck(IDC_TRANSPARENT, h->transparent ? 1 : 0);
        SetCheck(IDC_BOLD, h->bold ? 1 : 0);
        SetCheck(IDC_DESCRIPTION, h->onTextTrack ? 1 : 0);
        SetSizeChoice(h->fontSize);
        ShowColour(IDC_TEXT_COLOR_SHOWN, h->textColour);
        ShowColour(IDC_BACK_COLOR_SHOWN, h->background);
        return;
    }
    // The depth is kept as typed: the save's check has let through at most first + 9.
    h->depth = GetInt(IDC_DEPTH);
    SetRecordText(h->text, sizeof h->text, RecordText(kNoteTextMax), kNoteTextMax);
    h->number = GetInt(IDC_NUMBER);
    h->drawRectangle = GetCheck(IDC_RECTANGLE) == platform::BST_CHECKED;
    h->oneInch = GetCheck(IDC_ONE_INCH) == platform::BST_CHECKED;
    h->transparent = GetCheck(IDC_TRANSPARENT) == platform::BST_CHECKED;
    h->bold = GetCheck(IDC_BOLD) == platform::BST_CHECKED;
    h->onTextTrack = GetCheck(IDC_DESCRIPTION) == platform::BST_CHECKED;
    h->fontSize = SizeChoice();
}

bool HTEXTDLG::SaveNotes()
{
    if (!entry::SaveNotes(app::HTextPath(log_), notes_, count_))
        return false;
    const wellfile::OpenWell& f = log_.well.file;
    if (f.copyOut && f.hooks.copyWellFileOut)
        f.hooks.copyWellFileOut(QStringLiteral(".hxt"));
    return true;
}

void HTEXTDLG::CmSave()
{
    wellfile::HTEXTEX* h = Note();
    if (!h)
        return;
    const wellfile::OpenWell& f = log_.well.file;
    if (!NoteDepthAllowed(GetInt(IDC_DEPTH), f.fileTopDepth, f.fileBottomDepth)) {
        platform::MessageBox(QStringLiteral("Depth out of range"), QStringLiteral("Report ERROR"), platform::MB_OK);
        return;
    }
    TransferNote(false);
    if (count_ > 2) {
        // The note edited goes to its place by depth, and the display follows it there.
        const wellfile::HTEXTEX edited = *h;
        SortHText(notes_, count_);
        const auto at = std::find_if(notes_.begin(), notes_.begin() + count_, [&](const wellfile::HTEXTEX& n) {
            return n.depth == edited.depth && std::strncmp(n.text, edited.text, sizeof n.text) == 0;
        });
        index_ = int(at - notes_.begin());
        if (index_ >= count_)
            index_ = count_ - 1;
        SetInt(IDC_NUMBER, notes_[std::size_t(index_)].number);
    }
    if (!SaveNotes())
        return;
    EnableBrowsing(true);
    Enable(IDC_DEPTH, false);
    adding_ = false;
}

void HTEXTDLG::CmNew()
{
    if (!Note())
        return;
    adding_ = true;
    int count = count_;
    index_ = NewNote(notes_, count, index_);
    SetCount(count);
    SetInt(IDC_NUMBER, index_ + 1);
    EditDepth();
    EnableBrowsing(false);
}

void HTEXTDLG::CmDelete()
{
    if (!Note())
        return;
    int count = count_;
    const Removal r = RemoveNote(notes_, count, index_);
    SetCount(count);
    SaveNotes();
    switch (r) {
    case Removal::Only:
        // Nothing is left to show: the dialog ends as CLOSE, and the view reads the file again.
        EndDialog(platform::IDOK);
        return;
    case Removal::Last:
    case Removal::Middle:
        ShowAfterRemoval(r);
        return;
    }
}

std::uint32_t HTEXTDLG::RecordColour(Colour which)
{
    return which == Colour::Text ? Note()->textColour : Note()->background;
}

void HTEXTDLG::SetRecordColour(Colour which, std::uint32_t colour)
{
    (which == Colour::Text ? Note()->textColour : Note()->background) = colour;
}

void HTEXTDLG::CmSetAsDefault()
{
    if (Note())
        log_.notes.styleNote = SetNoteAsDefault(notes_, count_, index_);
}

}  // namespace entry
