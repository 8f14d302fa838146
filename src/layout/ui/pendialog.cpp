#include "layout/ui/pendialog.h"

#include "platform/draw/syscolors.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/openwell.h"

#include <cstring>

namespace layout {

using namespace platform;

namespace {
enum : int {
    IDC_LIST = 101, IDC_CHOOSE = 102, IDC_SOLID = 105, IDC_DASHED = 106, IDC_THIN = 107, IDC_MEDIUM = 108,
    IDC_HEAVY = 109, IDC_RGB = 110, IDC_DEFAULT = 111, IDC_BOX = 112, IDC_TRANSPARENT = 113, IDC_CUSTOM = 114,
    IDC_WASH = 115, IDC_LABEL_EDIT = 116, IDC_LABEL = 117,
};

bool IsCustomShade(int i) { return i >= PEN_FIRST_CUSTOM_SHADE && i <= PEN_LAST_SHADE; }
}  // namespace

PenColorDlg::PenColorDlg(QWidget* parent, PenTable& table, const PenOptions& options, const LfgBlock& shades)
    : Dialog(parent, QStringLiteral("Pen Colors")), table_(table), work_(table), options_(options), shades_(shades)
{
    AddStatic(IDC_STATIC, QStringLiteral("Select Line"));
    NewRow();
    AddList(IDC_LIST);
    BeginGroup(IDC_STATIC, QString());
    AddButton(IDC_CHOOSE, QStringLiteral("Choose Color"));
    AddStatic(IDC_RGB, QString());
    NewRow();
    AddRadio(IDC_SOLID, QStringLiteral("Solid"), true);
    AddRadio(IDC_DASHED, QStringLiteral("Dashed"));
    NewRow();
    AddRadio(IDC_THIN, QStringLiteral("Thin Line"), true);
    AddRadio(IDC_MEDIUM, QStringLiteral("Medium Line"));
    AddRadio(IDC_HEAVY, QStringLiteral("Heavy Line"));
    NewRow();
    AddCheck(IDC_BOX, QStringLiteral("Draw Rectangle Around Text"));
    NewRow();
    AddCheck(IDC_TRANSPARENT, QStringLiteral("Draw Text Transparent"));
    NewRow();
    AddCheck(IDC_CUSTOM, QStringLiteral("Lith is Custom"));
    AddCheck(IDC_WASH, QStringLiteral("Lith is Wash"));
    NewRow();
    AddStatic(IDC_LABEL, QStringLiteral("Lith Label"));
    AddEdit(IDC_LABEL_EDIT, int(sizeof(PenEntry{}.lithLabel)));
    NewRow();
    AddButton(IDC_DEFAULT, QStringLiteral("Set To Default"));
    EndGroup();
    NewRow();
    AddStretch();
    AddButton(IDOK, QStringLiteral("Save"), true);
    AddButton(IDCANCEL, QStringLiteral("Cancel"));

    On(IDC_LIST, LBN_SELCHANGE, [this] { ShowEntry(Selected()); });
    On(IDC_CHOOSE, BN_CLICKED, [this] { ChooseColour(); });
    auto setStyle = [this](int style) {
        if (const int i = Selected(); i >= 0)
            work_.entry[i].style = style;
    };
    auto setWidth = [this](int width) {
        if (const int i = Selected(); i >= 0)
            work_.entry[i].width = width;
    };
    On(IDC_SOLID, BN_CLICKED, [=] { setStyle(PS_SOLID); });
    On(IDC_DASHED, BN_CLICKED, [=] { setStyle(PS_DASH); });
    On(IDC_THIN, BN_CLICKED, [=] { setWidth(1); });
    On(IDC_MEDIUM, BN_CLICKED, [=] { setWidth(2); });
    On(IDC_HEAVY, BN_CLICKED, [=] { setWidth(3); });
    for (int id : {int(IDC_BOX), int(IDC_TRANSPARENT), int(IDC_CUSTOM), int(IDC_WASH)})
        On(id, BN_CLICKED, [this] { StoreChecks(); });
    On(IDC_LABEL_EDIT, EN_KILLFOCUS, [this] { StoreLabel(); });
    On(IDC_DEFAULT, BN_CLICKED, [this] { SetDefaults(); });
}

void PenColorDlg::SetupWindow()
{
    for (const QString& name : PenDialogNames(work_))
        AddString(IDC_LIST, name);
    for (int id : {int(IDC_CUSTOM), int(IDC_WASH), int(IDC_LABEL), int(IDC_LABEL_EDIT)})
        Show(id, false);
    SetSelIndex(IDC_LIST, 0);
    ShowEntry(0);
}

int PenColorDlg::Selected() const
{
    const int i = GetSelIndex(IDC_LIST);
    return i >= 0 && i < kPenCount ? i : -1;
}

void PenColorDlg::ShowEntry(int i)
{
    if (i < 0)
        return;
    PenEntry& e = work_.entry[i];
    const COLORREF c = ResolveColor(e.colour);
    SetText(IDC_RGB, QString::fromStdString(CFormat("RD=%d  GN=%d BL=%d", GetRValue(c), GetGValue(c), GetBValue(c))));
    SetCheck(IDC_SOLID, e.style == PS_SOLID ? BST_CHECKED : BST_UNCHECKED);
    SetCheck(IDC_DASHED, e.style != PS_SOLID ? BST_CHECKED : BST_UNCHECKED);
    SetCheck(IDC_THIN, e.width == 1 ? BST_CHECKED : BST_UNCHECKED);
    SetCheck(IDC_MEDIUM, e.width == 2 ? BST_CHECKED : BST_UNCHECKED);
    SetCheck(IDC_HEAVY, e.width != 1 && e.width != 2 ? BST_CHECKED : BST_UNCHECKED);
    for (int id = IDC_SOLID; id <= IDC_HEAVY; ++id)
        Enable(id);

    const bool custom = IsCustomShade(i);
    SetText(IDC_TRANSPARENT, custom ? QStringLiteral("Draw As Clay") : QStringLiteral("Draw Text Transparent"));
    Show(IDC_CUSTOM, custom);
    Show(IDC_WASH, custom);
    bool labelShown = false;
    if (i == PEN_HEADER_TEXT) {
        Enable(IDC_BOX, false);
        Enable(IDC_TRANSPARENT);
        SetCheck(IDC_TRANSPARENT, e.transparent ? BST_CHECKED : BST_UNCHECKED);
    } else if (i == PEN_NOTES || i == PEN_SURVEY) {
        Enable(IDC_BOX);
        Enable(IDC_TRANSPARENT);
        SetCheck(IDC_BOX, e.boxText ? BST_CHECKED : BST_UNCHECKED);
        SetCheck(IDC_TRANSPARENT, e.transparent ? BST_CHECKED : BST_UNCHECKED);
    } else if (custom) {
        Enable(IDC_BOX, false);
        Enable(IDC_TRANSPARENT);
        SetCheck(IDC_TRANSPARENT, e.transparent ? BST_CHECKED : BST_UNCHECKED);
        SetCheck(IDC_CUSTOM, e.lithCustom ? BST_CHECKED : BST_UNCHECKED);
        SetCheck(IDC_WASH, e.lithWash ? BST_CHECKED : BST_UNCHECKED);
        if (e.transparent) {  // clay has no custom pattern
            Enable(IDC_CUSTOM, false);
            Enable(IDC_WASH, false);
            labelShown = true;
        } else if (!e.lithCustom) {
            Enable(IDC_CUSTOM);
            SetCheck(IDC_WASH, BST_UNCHECKED);
            Enable(IDC_WASH, false);
        } else {
            Enable(IDC_CUSTOM);
            Enable(IDC_WASH);
            labelShown = true;
        }
    } else {
        Enable(IDC_CUSTOM, false);
        Enable(IDC_WASH, false);
        SetCheck(IDC_BOX, BST_UNCHECKED);
        Enable(IDC_BOX, false);
        e.boxText = 1;
        SetCheck(IDC_TRANSPARENT, BST_UNCHECKED);
        Enable(IDC_TRANSPARENT, false);
        e.transparent = 0;
    }
    Show(IDC_LABEL, labelShown);
    Show(IDC_LABEL_EDIT, labelShown);
    if (labelShown)
        SetFromField(IDC_LABEL_EDIT, e.lithLabel);
}

void PenColorDlg::StoreChecks()
{
    const int i = Selected();
    if (i < 0)
        return;
    PenEntry& e = work_.entry[i];
    // Only the boxes the entry offers carry its values; a disabled one may show another entry's state.
    if (IsEnabled(IDC_BOX))
        e.boxText = std::uint8_t(GetCheck(IDC_BOX) == BST_CHECKED);
    if (IsEnabled(IDC_TRANSPARENT))
        e.transparent = std::uint8_t(GetCheck(IDC_TRANSPARENT) == BST_CHECKED);
    if (IsCustomShade(i)) {
        if (IsEnabled(IDC_CUSTOM))
            e.lithCustom = std::uint8_t(GetCheck(IDC_CUSTOM) == BST_CHECKED);
        if (IsEnabled(IDC_WASH))
            e.lithWash = std::uint8_t(GetCheck(IDC_WASH) == BST_CHECKED);
        StoreLabel();
    }
    ShowEntry(i);
}

void PenColorDlg::StoreLabel()
{
    const int i = Selected();
    if (i >= 0 && IsCustomShade(i) && Control(IDC_LABEL_EDIT) && !Control(IDC_LABEL_EDIT)->isHidden())
        GetField(IDC_LABEL_EDIT, work_.entry[i].lithLabel);
}

void PenColorDlg::ChooseColour()
{
    const int i = Selected();
    Prompter* prompter = services().prompter;
    if (i < 0 || !prompter)
        return;
    if (const auto chosen = prompter->ChooseColor(ResolveColor(work_.entry[i].colour), nullptr)) {
        work_.entry[i].colour = *chosen;
        ShowEntry(i);
    }
}

void PenColorDlg::SetDefaults()
{
    work_ = DefaultPenTable(options_, shades_);
    ShowEntry(Selected());
}

void PenColorDlg::TransferOut()
{
    StoreLabel();
    table_ = work_;
}

bool EditLogColours(QWidget* parent, LogPens& pens, const wellfile::OpenWell& well, const PenOptions& options,
                    bool* gridChanged)
{
    if (gridChanged)
        *gridChanged = false;
    const PenEntry grid = pens.table.entry[PEN_GRID];
    const PenEntry heavyGrid = pens.table.entry[PEN_HEAVY_GRID];
    LfgBlock block;
    LoadLfg(well, block);

    PenTable edited = pens.table;
    {
        PenColorDlg dlg(parent, edited, options, block);
        if (dlg.Execute() != IDOK)
            return false;
    }
    CopyShadesToLfg(edited, block);
    const bool savedLfg = SaveLfg(well, block);
    const bool savedColours = SaveColours(well, edited);
    if (!savedLfg || !savedColours) {
        MessageBox(QStringLiteral("The colours could not be saved."), QStringLiteral("File Error"), MB_OK | MB_ICONERROR);
        return false;
    }
    pens.table = edited;
    SetPens(pens, well, options, false);
    if (gridChanged) {
        const PenEntry& g = pens.table.entry[PEN_GRID];
        const PenEntry& h = pens.table.entry[PEN_HEAVY_GRID];
        *gridChanged = g.colour != grid.colour || h.colour != heavyGrid.colour || h.width != heavyGrid.width;
    }
    return true;
}

}  // namespace layout
