#include "entry/ui/memodlg.h"

#include "app/logstate.h"
#include "app/notes.h"
#include "entry/draw/memos.h"
#include "entry/memofiles.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/geometryof.h"
#include "logview/memoslot.h"
#include "platform/draw/dc.h"
#include "platform/services.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <array>
#include <cstring>

namespace entry {

namespace {

constexpr std::int32_t kSavedMark = 200;
constexpr std::uint32_t kNoFileBackground = 0x01000000;

bool White(std::uint32_t c)
{
    return platform::GetRValue(c) == 255 && platform::GetGValue(c) == 255 && platform::GetBValue(c) == 255;
}

}  // namespace

void WriteMemoLabels(app::LogState& log, bool erase)
{
    if (!log.view.bitmaps || log.view.bitmaps->backingStore.isNull())
        return;
    QImage& store = log.view.bitmaps->backingStore;
    const logview::ViewGeometry g = logview::GeometryOf(log);
    {
        platform::Dc dc(store);
        dc.SetViewportOrg(-g.horizontalScroll, 0);
        DrawMemoLabel(dc, g, erase);
    }
    if (log.view.updateArea)
        log.view.updateArea(0, 0, store.width(), store.height());
}

MEMODLG::MEMODLG(QWidget* parent, app::LogState& log, int index, std::function<void()> repaint)
    : NoteDialog(parent, Records::Memos), log_(log), requested_(index), repaint_(std::move(repaint))
{
    Build(QStringLiteral("MEMO DEPTH"), true,
          {{IDC_RECTANGLE, QStringLiteral("DRAW RECTANGLE")},
           {IDC_DESCRIPTION, QStringLiteral("MEMO IS A DESCRIPTION")},
           {IDC_ONE_INCH, QStringLiteral("DRAW ON ONE INCH")},
           {IDC_ONE_INCH_ONLY, QStringLiteral("ONE INCH ONLY")},
           {IDC_TRANSPARENT, QStringLiteral("DRAW TEXT TRANSPARENT")},
           {IDC_HORIZ, QStringLiteral("DRAW ON HORIZ")},
           {IDC_BOLD, QStringLiteral("BOLD")}});
    // The text box wraps its lines at the width a description has on the log: the soft line breaks it
    // stores keep a description in its column on the screen, in images and on paper.
    if (const int room = DescriptionTextRoom(logview::GeometryOf(log_)); room > 0) {
        text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        text_->setFixedWidth(room + int(2 * (text_->document()->documentMargin() + text_->frameWidth())));
    }
    NewRow();
    AddButton(IDC_IMPORT_NOTES, QStringLiteral("IMPORT NOTES"));
    AddButton(IDC_IMPORT_DESCRIPTIONS, QStringLiteral("IMPORT DESCRIPTIONS"));
    On(IDC_SAVE, platform::BN_CLICKED, [this] { CmSave(); });
    On(IDC_SET_DEFAULT, platform::BN_CLICKED, [this] { CmSetAsDefault(); });
    On(IDC_NEW, platform::BN_CLICKED, [this] { CmNew(); });
    On(IDC_DELETE, platform::BN_CLICKED, [this] { CmDelete(); });
}

void MEMODLG::SetupWindow()
{
    Show(IDC_IMPORT_NOTES, false);
    Show(IDC_IMPORT_DESCRIPTIONS, false);
    ClearSizeChoice();
    Enable(IDC_DEPTH, false);
    if (!LoadMemoBook(app::MemoPath(log_), book_)) {
        // Without the memos nothing may be written over the file: only CLOSE is left.
        EnableBrowsing(false);
        Enable(IDC_SAVE, false);
        Enable(IDC_SET_DEFAULT, false);
        return;
    }
    OpenMemoBook(book_, requested_);
    WriteMemoLabels(log_, false);
    TransferMemo(true);
}

void MEMODLG::TransferMemo(bool toControls)
{
    if (book_.count <= 0)
        return;
    wellfile::SVMEMO& m = book_.Shown();
    const wellfile::OpenWell& f = log_.well.file;
    if (!toControls) {
        m.depth = std::max(GetInt(IDC_DEPTH), f.fileTopDepth + 10);
        SetRecordText(m.text, sizeof m.text, RecordText(kMemoTextMax), kMemoTextMax);
        const std::int32_t slot = GetInt(IDC_POSITION);
        if (slot != shownSlot_)
            m.slotOffset = 0;
        m.slot = slot;
        m.field512 = kSavedMark;
        m.field516 = kSavedMark;
        m.drawRectangle = GetCheck(IDC_RECTANGLE) == platform::BST_CHECKED;
        m.description = GetCheck(IDC_DESCRIPTION) == platform::BST_CHECKED;
        m.oneInch = GetCheck(IDC_ONE_INCH) == platform::BST_CHECKED;
        m.oneInchOnly = GetCheck(IDC_ONE_INCH_ONLY) == platform::BST_CHECKED;
        m.copiedToHorz = GetCheck(IDC_HORIZ) == platform::BST_CHECKED;
        m.transparent = GetCheck(IDC_TRANSPARENT) == platform::BST_CHECKED;
        m.fontSize = SizeChoice();
        platform::LOGFONTA font = m.font;
        font.lfWeight = GetCheck(IDC_BOLD) == platform::BST_CHECKED ? platform::FW_BOLD : platform::FW_NORMAL;
        font.lfHeight = MemoFontHeight(m.fontSize);
        m.font = font;
        // A framed memo on a coloured background lets the background show through its text.
        if (m.drawRectangle && !White(m.frameColour))
            m.transparent = 1;
        SetTextFont(font);
        return;
    }
    const platform::LOGFONTA font = m.font;
    ShowRecordText(m.text, sizeof m.text, font);
    if (book_.noFile && m.depth == 0) {
        const logview::ViewGeometry g = logview::GeometryOf(log_);
        SetInt(IDC_DEPTH, g.viewTopDepth + 20);
        SetInt(IDC_POSITION, logview::ScreenMemoSlots(g).rightLeft);
        SetInt(IDC_NUMBER, m.number);
        shownSlot_ = GetInt(IDC_POSITION);
        m.frameColour = kNoFileBackground;
        SetCheck(IDC_RECTANGLE, platform::BST_CHECKED);
        SetCheck(IDC_TRANSPARENT, platform::BST_CHECKED);
        SetCheck(IDC_DESCRIPTION, platform::BST_UNCHECKED);
        SetSizeChoice(2);
    } else {
        m.depth = ShownDepth(m.depth, f.fileTopDepth, f.fileBottomDepth);
        SetInt(IDC_DEPTH, m.depth);
        SetInt(IDC_NUMBER, m.number);
        SetInt(IDC_POSITION, m.slot);
        shownSlot_ = m.slot;
        SetCheck(IDC_RECTANGLE, m.drawRectangle ? 1 : 0);
        SetCheck(IDC_DESCRIPTION, m.description ? 1 : 0);
        SetCheck(IDC_ONE_INCH, m.oneInch ? 1 : 0);
        SetCheck(IDC_ONE_INCH_ONLY, m.oneInchOnly ? 1 : 0);
        SetCheck(IDC_TRANSPARENT, m.transparent || m.drawRectangle ? 1 : 0);
        SetCheck(IDC_HORIZ, m.copiedToHorz ? 1 : 0);
        Enable(IDC_HORIZ, !m.copiedToHorz);
        SetCheck(IDC_BOLD, font.lfWeight == platform::FW_BOLD ? 1 : 0);
        SetSizeChoice(m.fontSize);
    }
    ShowColour(IDC_TEXT_COLOR_SHOWN, m.textColour);
    ShowColour(IDC_BACK_COLOR_SHOWN, m.frameColour);
}

void MEMODLG::CmSave()
{
    if (book_.count <= 0)
        return;
    const wellfile::OpenWell& f = log_.well.file;
    if (!MemoDepthAllowed(GetInt(IDC_DEPTH), f.fileTopDepth, f.fileBottomDepth)) {
        platform::MessageBox(QStringLiteral("Depth out of range"), QStringLiteral("Report ERROR"), platform::MB_OK);
        return;
    }
    const bool wasCopied = book_.Shown().copiedToHorz != 0;
    TransferMemo(false);
    Enable(IDC_DEPTH, false);
    wellfile::SVMEMO& m = book_.Shown();
    // A memo the user saved is shown: a memo left unshown is emptied by the drawing and lost.
    m.shown = 1;
    if (m.copiedToHorz) {
        const bool copied = !book_.deleted && app::CopyMemoToHorzNotes(log_, m) != NoteCopy::Failed;
        // Not copied now: the box says so, and stays open for another try.
        if (!copied && !wasCopied)
            m.copiedToHorz = 0;
    }
    const QString path = app::MemoPath(log_);
    if (SaveMemoBook(path, book_, f.fileTopDepth) != BookSave::Saved)
        return;
    const wellfile::SVMEMO saved = m;
    EnableBrowsing(true);
    book_.adding = false;
    book_.deleted = false;
    if (!LoadMemoBook(path, book_))
        return;
    // The memo saved keeps the display, wherever the sort has put it.
    book_.shown = book_.count - 1;
    for (int i = 0; i < book_.count; ++i) {
        const wellfile::SVMEMO& r = book_.memos[std::size_t(i)];
        if (r.depth == saved.depth && std::strncmp(r.text, saved.text, sizeof r.text) == 0) {
            book_.shown = i;
            break;
        }
    }
    app::LoadMemos(log_);
    if (repaint_)
        repaint_();
    TransferMemo(true);
}

void MEMODLG::CmNew()
{
    if (book_.count <= 0)
        return;
    NewMemo(book_);
    SetInt(IDC_NUMBER, book_.shown + 1);
    EnableBrowsing(false);
    Enable(IDC_HORIZ);
    SetCheck(IDC_HORIZ, platform::BST_UNCHECKED);
    EditDepth();
}

void MEMODLG::CmDelete()
{
    if (book_.count <= 0)
        return;
    const int answer = platform::MessageBox(
        QStringLiteral("Memo will be permanently deleted when you press Save.\nClick OK to continue and then press "
                       "save to delete,\nor Click CANCEL to return unchanged"),
        QStringLiteral("Delete memo"), platform::MB_OKCANCEL);
    if (answer != platform::IDOK)
        return;
    switch (const Removal removal = RemoveMemo(book_, book_.shown)) {
    case Removal::Only:
        QFile::remove(app::MemoPath(log_));
        EndDialog(platform::IDCANCEL);
        return;
    case Removal::Last:
    case Removal::Middle:
        ShowAfterRemoval(removal);
        return;
    }
}

std::uint32_t MEMODLG::RecordColour(Colour which)
{
    return which == Colour::Text ? book_.Shown().textColour : book_.Shown().frameColour;
}

void MEMODLG::SetRecordColour(Colour which, std::uint32_t colour)
{
    (which == Colour::Text ? book_.Shown().textColour : book_.Shown().frameColour) = colour;
}

void MEMODLG::CmSetAsDefault()
{
    if (book_.count <= 0)
        return;
    const wellfile::SVMEMO style = SetMemoAsDefault(book_);
    (style.description ? log_.notes.styleDescription : log_.notes.styleMemo) = style;
}

}  // namespace entry
