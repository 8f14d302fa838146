#include "entry/ui/notedialog.h"

#include "app/ui/vertnoteedit.h"
#include "entry/memobook.h"
#include "platform/draw/fonts.h"
#include "platform/draw/gdiobjects.h"
#include "platform/ui/svedit.h"

#include <QGuiApplication>
#include <QPlainTextEdit>

#include <array>
#include <cstring>

namespace entry {

namespace {
constexpr int kEditLimit = 10;
}  // namespace

// The resources have no caption: the window says which notes it edits.
NoteDialog::NoteDialog(QWidget* parent, Records records)
    : Dialog(parent, records == Records::Memos ? QStringLiteral("Note") : QStringLiteral("Horizontal View Note")),
      records_(records)
{
}

bool NoteDialog::CtrlHeld() { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier); }

void NoteDialog::Build(const QString& depthCaption, bool withPosition,
                       const std::vector<std::pair<int, QString>>& checks)
{
    text_ = AddMultiLineEdit(IDC_TEXT, false);
    text_->setMinimumSize(text_->fontMetrics().averageCharWidth() * 60, text_->fontMetrics().height() * 8);
    NewRow();
    BeginGrid(4);
    AddStatic(platform::IDC_STATIC, depthCaption);
    AddEdit(IDC_DEPTH, kEditLimit, 10);
    AddStatic(platform::IDC_STATIC, QStringLiteral("No."));
    AddEdit(IDC_NUMBER, kEditLimit, 6)->setReadOnly(true);
    if (withPosition) {
        AddStatic(platform::IDC_STATIC, QStringLiteral("Text Position"));
        AddEdit(IDC_POSITION, kEditLimit, 6);
        SkipCell();
        SkipCell();
    }
    AddButton(IDC_TEXT_COLOR, QStringLiteral("Text Color"));
    // The colour texts are longer than what could be typed there: no limit that would cut them.
    AddEdit(IDC_TEXT_COLOR_SHOWN, 0, 18);
    AddButton(IDC_BACK_COLOR, QStringLiteral("BACKGROUND COLOR"));
    AddEdit(IDC_BACK_COLOR_SHOWN, 0, 18);
    EndGrid();
    NewRow();
    BeginGrid(3);
    for (const auto& [id, caption] : checks)
        AddCheck(id, caption);
    EndGrid();
    NewRow();
    BeginGroup(IDC_SIZE_GROUP, QStringLiteral("FONT SIZE"));
    AddRadio(IDC_SMALL, QStringLiteral("SMALL"), true);
    AddRadio(IDC_MEDIUM, QStringLiteral("MEDIUM "));
    AddRadio(IDC_MEDIUM_LARGE, QStringLiteral("MEDIUM LARGE"));
    AddRadio(IDC_LARGE, QStringLiteral("LARGE"));
    EndGroup();
    NewRow();
    AddButton(IDC_SAVE, QStringLiteral("SAVE"));
    AddButton(IDC_PREVIOUS, QStringLiteral("PREVIOUS"));
    AddButton(IDC_NEXT, QStringLiteral("NEXT"));
    AddButton(IDC_NEW, QStringLiteral("NEW"));
    AddButton(IDC_DELETE, QStringLiteral("DELETE"));
    AddButton(IDC_SET_DEFAULT, QStringLiteral("SET AS DEFAULT"));
    AddStretch();
    AddButton(platform::IDOK, QStringLiteral("CLOSE"));
    On(IDC_PREVIOUS, platform::BN_CLICKED, [this] { CmPrevious(CtrlHeld()); });
    On(IDC_NEXT, platform::BN_CLICKED, [this] { CmNext(CtrlHeld()); });
    On(IDC_TEXT_COLOR, platform::BN_CLICKED, [this] { CmColour(Colour::Text); });
    On(IDC_BACK_COLOR, platform::BN_CLICKED, [this] { CmColour(Colour::Background); });
}

QByteArray NoteDialog::RecordText(int limit) const { return app::WrappedEditText(*text_, limit); }

void NoteDialog::ShowRecordText(const char* text, std::size_t size, const platform::LOGFONTA& font)
{
    SetTextFont(font);
    text_->setPlainText(app::VertNoteEdit::DisplayText(QByteArray(text, int(strnlen(text, size)))));
}

void NoteDialog::SetTextFont(const platform::LOGFONTA& font)
{
    text_->setFont(platform::MakeQFont(platform::Font::FromLogFont(font), 96));
}

std::int32_t NoteDialog::SizeChoice() const
{
    if (GetCheck(IDC_SMALL) == platform::BST_CHECKED)
        return 1;
    if (GetCheck(IDC_MEDIUM) == platform::BST_CHECKED)
        return 2;
    if (GetCheck(IDC_MEDIUM_LARGE) == platform::BST_CHECKED)
        return 3;
    return 4;
}

void NoteDialog::SetSizeChoice(std::int32_t choice)
{
    ClearSizeChoice();
    const int id = choice >= 1 && choice <= 4 ? IDC_SMALL + choice - 1 : IDC_MEDIUM;
    SetCheck(id, platform::BST_CHECKED);
}

void NoteDialog::ClearSizeChoice()
{
    for (int id = IDC_SMALL; id <= IDC_LARGE; ++id)
        SetCheck(id, platform::BST_UNCHECKED);
}

void NoteDialog::CmColour(Colour which)
{
    if (!HasRecord())
        return;
    static std::array<platform::CustomColours, 4> tables{};
    platform::CustomColours& table = tables[std::size_t(int(records_) * 2 + int(which))];
    platform::Prompter* prompter = platform::services().prompter;
    if (!prompter)
        return;
    // A system-colour reference opens the chooser on its colour bits.
    if (const std::optional<platform::COLORREF> chosen =
            prompter->ChooseColor(RecordColour(which) & 0x00FFFFFFu, &table)) {
        SetRecordColour(which, *chosen);
        ShowColour(which == Colour::Text ? IDC_TEXT_COLOR_SHOWN : IDC_BACK_COLOR_SHOWN, *chosen);
    }
}

void NoteDialog::ShowColour(int shownId, std::uint32_t colour) { SetText(shownId, ColourText(colour)); }

bool NoteDialog::HasRecord()
{
    const int shown = ShownRecord();
    return shown >= 0 && shown < RecordCount();
}

void NoteDialog::CmPrevious(bool ctrl) { Browse(false, ctrl); }

void NoteDialog::CmNext(bool ctrl) { Browse(true, ctrl); }

void NoteDialog::Browse(bool forward, bool ctrl)
{
    const std::optional<int> to = BrowseStep(ShownRecord(), RecordCount(), forward, ctrl);
    if (!to) {
        platform::MessageBeep(0xFFFFFFFFu);
        return;
    }
    ShownRecord() = *to;
    Transfer(true);
}

void NoteDialog::ShowAfterRemoval(Removal removal)
{
    Transfer(true);
    if (removal == Removal::Middle)
        Enable(IDC_DELETE, false);
}

void NoteDialog::EnableBrowsing(bool enable)
{
    for (int id : {IDC_NEW, IDC_PREVIOUS, IDC_NEXT, IDC_DELETE})
        Enable(id, enable);
}

void NoteDialog::EditDepth()
{
    Enable(IDC_DEPTH);
    if (auto* edit = ControlAs<platform::SVEdit>(IDC_DEPTH))
        edit->selectAll();
    SetFocusTo(IDC_DEPTH);
}

}  // namespace entry
