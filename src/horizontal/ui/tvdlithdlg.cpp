#include "horizontal/ui/tvdlithdlg.h"

#include "horizontal/horzsections.h"
#include "platform/services.h"

namespace horizontal {
namespace {

enum : int { kSave = 101, kLithology = 102, kTops = 104 };

}  // namespace

TVDLITHDLG::TVDLITHDLG(QWidget* parent, std::vector<wellfile::TOPSEX>& tops, std::function<int()> saveTops)
    : FormDialog(parent, QStringLiteral("TVD Lithology")), tops_(tops), saveTops_(std::move(saveTops))
{
    AddStatic(platform::IDC_STATIC,
              QStringLiteral("To assign a specific lithology to a top, select the top from the tops list, then select "
                             "the desired litholgy from th lithology list, select an accessory if any from the "
                             "accessory list. Click save, and then select another top if desired, and repeat. When "
                             "tops have a lithology assigned, and Draw OverLay Lithology is checked in the horizontal "
                             "the lithology will be drawn on the horizintal view. "))
        ->setWordWrap(true);
    NewRow();
    BeginGrid(2);
    AddCaptionedCombos({{"Top", kTops}, {"Lithology", kLithology}});
    EndGrid();
    NewRow();
    AddButton(kSave, QStringLiteral("SAVE"));
    AddButton(platform::IDOK, QStringLiteral("CLOSE"), true);
    On(kTops, platform::CBN_SELCHANGE, [this] { EvTopSelChange(); });
    On(kSave, platform::BN_CLICKED, [this] { CmSave(); });
}

void TVDLITHDLG::SetupWindow()
{
    for (const wellfile::TOPSEX& top : tops_)
        AddString(kTops, TopLabel(top));
    current_ = FirstSelectedTop(tops_);
    SetSelIndex(kTops, current_);
    for (const char* name : kTopLithologies)
        AddString(kLithology, QString::fromLatin1(name));
    ShowLithology();
}

void TVDLITHDLG::ShowLithology()
{
    if (current_ >= int(tops_.size()))
        return;
    const std::int32_t lith = tops_[std::size_t(current_)].lithology;
    SetSelIndex(kLithology, lith >= 1 && lith <= 8 ? lith : 0);
}

void TVDLITHDLG::EvTopSelChange()
{
    const int sel = GetSelIndex(kTops);
    if (sel < 0 || sel >= int(tops_.size()))
        return;
    current_ = sel;
    ShowLithology();
}

void TVDLITHDLG::CmSave()
{
    if (current_ >= int(tops_.size()))
        return;
    tops_[std::size_t(current_)].lithology = std::max(GetSelIndex(kLithology), 0);
    if (saveTops_ && !saveTops_())
        platform::MessageBox(QStringLiteral("Could not save the formation tops"), QStringLiteral("TVD Lithology"),
                             platform::MB_OK);
}

}  // namespace horizontal
