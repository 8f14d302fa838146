#include "horizontal/ui/horzblockdlg.h"

#include "platform/numbers.h"
#include "platform/services.h"

namespace horizontal {
namespace {

enum : int {
    kStartMd = 101, kEndMd = 102, kStartTvd = 103, kEndTvd = 104, kDip = 105, kMinTvd = 106, kMaxTvd = 107,
    kSave = 108, kNew = 109, kDelete = 110, kNext = 111, kPrevious = 112, kIndex = 113, kSurveys = 114,
};

}  // namespace

HORZBLOCKDLG::HORZBLOCKDLG(QWidget* parent, SectionEditor& editor, SurveyRecords records)
    : FormDialog(parent, QStringLiteral("Strativ Horizontal Section Setup")), editor_(editor), records_(records)
{
    BeginGrid(2);
    AddCaptionedEdits({{"Start Horizontal Depth", kStartMd, 12},
                       {"End Horizintal Depth", kEndMd, 12},
                       {"Start Vertical Depth", kStartTvd, 12},
                       {"End Vertical Depth", kEndTvd, 12},
                       {"Dip ", kDip, 12}});
    AddCaptionedTexts(
        {{"Min TVD thru Interval", kMinTvd}, {"Max TVD Thru Interval", kMaxTvd}, {"Section Index", kIndex}});
    EndGrid();
    AddList(kSurveys);
    NewRow();
    AddButton(kSave, QStringLiteral("Save"));
    AddButton(kNew, QStringLiteral("New"));
    AddButton(kDelete, QStringLiteral("Delete"));
    AddButton(kNext, QStringLiteral("Next"));
    AddButton(kPrevious, QStringLiteral("Previous"));
    NewRow();
    AddButton(platform::IDOK, QStringLiteral("Done"), true);
    AddButton(platform::IDCANCEL, QStringLiteral("Cancel"));

    On(kSave, platform::BN_CLICKED, [this] { CmSave(); });
    On(kNew, platform::BN_CLICKED, [this] { CmNew(); });
    On(kDelete, platform::BN_CLICKED, [this] { CmDelete(); });
    On(kNext, platform::BN_CLICKED, [this] { CmStep(1); });
    On(kPrevious, platform::BN_CLICKED, [this] { CmStep(-1); });
    On(kSurveys, platform::LBN_SELCHANGE, [this] { EvSurveySelChange(); });
}

void HORZBLOCKDLG::SetupWindow()
{
    Enable(kSurveys, false);
    SnapFirstStart(editor_.sections[0], records_);
    for (const QString& line : SurveyLines(records_, &editor_.lastDepth))
        AddString(kSurveys, line);
    editor_.current = editor_.count > 0 ? editor_.count - 1 : 0;
    Enable(kNew, editor_.count < kMaxSections);
    ShowSection();
}

void HORZBLOCKDLG::ShowSection()
{
    const SectionFields f = FieldsOf(editor_.sections[editor_.current]);
    SetText(kEndMd, f.endMd);
    ShowStart(f);
    Enable(kStartMd, editor_.current == editor_.count - 1);  // only the last section's start is typed
    Enable(kEndMd, false);
    Enable(kDelete, editor_.current > 0);
}

void HORZBLOCKDLG::ShowStart(const SectionFields& f)
{
    SetText(kStartMd, f.startMd);
    SetText(kStartTvd, f.startTvd);
    SetText(kEndTvd, f.endTvd);
    SetText(kDip, f.dip);
    SetInt(kIndex, editor_.current + 1);
}

SectionFields HORZBLOCKDLG::Fields() const
{
    return {GetText(kStartMd), GetText(kEndMd), GetText(kStartTvd), GetText(kEndTvd), GetText(kDip)};
}

void HORZBLOCKDLG::CmNew()
{
    platform::MessageBox(QStringLiteral("Select the measured depth from the list\nto define the start of the block"),
                         QStringLiteral("INFO"), platform::MB_OK);
    Enable(kSurveys, true);
}

void HORZBLOCKDLG::EvSurveySelChange()
{
    const int sel = GetSelIndex(kSurveys);
    if (!IsEnabled(kSurveys) || sel < 0)
        return;
    SectionFields f = Fields();
    if (!StartNewSection(editor_, GetString(kSurveys, sel), f))
        return;
    Enable(kSurveys, false);
    ShowStart(f);
    Enable(kStartMd, true);
    // The new section is not kept until Save: no moving away from it before.
    Enable(kNext, false);
    Enable(kPrevious, false);
    Enable(kDelete, false);
    const SurveyTvdRange range = TvdRangeFrom(records_, platform::LeadingInt(f.startMd));
    SetText(kMinTvd, QString::asprintf("%.2f", double(range.least)));
    SetText(kMaxTvd, QString::asprintf("%.2f", double(range.greatest)));
}

void HORZBLOCKDLG::CmSave()
{
    if (!SaveSection(editor_, Fields()))
        return;
    Enable(kNext, true);
    Enable(kPrevious, true);
    Enable(kDelete, editor_.current > 0);
    Enable(kNew, editor_.count < kMaxSections);
}

void HORZBLOCKDLG::CmDelete()
{
    if (!DeleteSection(editor_))
        return;
    Enable(kNew, editor_.count < kMaxSections);
    ShowSection();
}

void HORZBLOCKDLG::CmStep(int step)
{
    if (StepSection(editor_, step))
        platform::MessageBeep(0);
    ShowSection();
}

}  // namespace horizontal
