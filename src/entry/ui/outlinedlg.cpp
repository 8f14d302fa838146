#include "entry/ui/outlinedlg.h"

#include "app/logstate.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "platform/services.h"
#include "platform/winapi.h"

#include <algorithm>

namespace entry {

namespace {

constexpr int kDepthChars = 10;
constexpr int kTextChars = 100;

bool IsEraseWord(const std::string& text)
{
    return QString::fromLatin1(text).compare("ERASE", Qt::CaseInsensitive) == 0;
}

}  // namespace

OutLineDlg::OutLineDlg(QWidget* parent, app::LogState& log, std::function<void()> repaint)
    : Dialog(parent, QStringLiteral("Interval Outline")), log_(log), repaint_(std::move(repaint))
{
    BeginGrid(2);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Top of Interval"));
    AddEdit(IDC_TOP, kDepthChars, 10);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Bottom of Interval"));
    AddEdit(IDC_BOTTOM, kDepthChars, 10);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Text"));
    AddEdit(IDC_TEXT, kTextChars, 30);
    EndGrid();
    NewRow();
    BeginGroup(IDC_POSITION, QStringLiteral("Position"));
    AddRadio(IDC_NARROW, QStringLiteral("Narrow Position"), true);
    AddRadio(IDC_WIDE, QStringLiteral("Wide Position"));
    EndGroup();
    NewRow();
    AddStretch();
    AddButton(IDC_SAVE, QStringLiteral("Save"));
    AddButton(IDC_DELETE, QStringLiteral("Delete"));
    AddButton(platform::IDOK, QStringLiteral("Done"));
    On(IDC_SAVE, platform::BN_CLICKED, [this] { CmSave(); });
    On(IDC_DELETE, platform::BN_CLICKED, [this] { CmDelete(); });
}

void OutLineDlg::SetupWindow()
{
    SetCheck(IDC_NARROW, platform::BST_CHECKED);
    if (log_.interaction.fixedOutlinePosition) {
        Enable(IDC_NARROW, false);
        Enable(IDC_WIDE, false);
    }
}

void OutLineDlg::ClearBoxes()
{
    SetText(IDC_TOP, QString());
    SetText(IDC_BOTTOM, QString());
    SetText(IDC_TEXT, QString());
}

void OutLineDlg::Store(bool erase)
{
    const std::int32_t top = platform::LeadingInt(GetTextA(IDC_TOP));
    const std::int32_t bottom = platform::LeadingInt(GetTextA(IDC_BOTTOM));
    switch (CheckOutlineInterval(log_.well.file, top, bottom)) {
    case OutlineRefusal::OutOfRange:
        // The boxes keep what was typed, for the user to mend.
        platform::MessageBox(
            QString::asprintf("Top=%d  Bottom=%d", top, bottom), QStringLiteral("Depth out of range"), platform::MB_OK);
        SetFocusTo(IDC_TOP);
        return;
    case OutlineRefusal::TooShort:
        platform::MessageBox(QStringLiteral("Minimum outline is 6 M"), QString(), platform::MB_OK);
        SetFocusTo(IDC_BOTTOM);
        return;
    case OutlineRefusal::None:
        break;
    }

    std::string text = GetTextA(IDC_TEXT).substr(0, kOutlineTextMax);
    // The bracket's start and end take the interval's first and last records.
    const std::int32_t records = (bottom - top) / std::max(log_.well.file.depthStep, 1);
    const std::size_t room = std::size_t(std::max(records - 2, 0));
    if (!erase && text.size() > room && !IsEraseWord(text)) {
        const int answer = platform::MessageBox(
            QStringLiteral("Text is to long to fit in outline interval\ntext will be truncated.\nOK to continue,cancel "
                           "to return "),
            QStringLiteral("ERROR"), platform::MB_OKCANCEL);
        if (answer == platform::IDCANCEL)
            return;
        text.resize(room);
    }
    const bool wide = !log_.interaction.fixedOutlinePosition && GetCheck(IDC_NARROW) != platform::BST_CHECKED;
    if (WriteOutline(top, bottom, wide ? OutlinePosition::Wide : OutlinePosition::Narrow, text, erase) <= 0) {
        platform::MessageBeep(0);  // nothing could be read: the boxes stay for another try
        return;
    }
    ClearBoxes();
    SetFocusTo(IDC_TOP);
    if (repaint_)
        repaint_();
}

int OutLineDlg::WriteOutline(
    std::int32_t top, std::int32_t bottom, OutlinePosition position, const std::string& text, bool erase)
{
    wellfile::OpenWell& well = log_.well.file;
    return entry::WriteOutline(well, well.dataFileName, top, bottom, position, text, erase);
}

}  // namespace entry
