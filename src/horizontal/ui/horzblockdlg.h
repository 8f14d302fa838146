#pragma once
// HORZBLOCKDLG (dialog 63): edits the vertical-scaling sections of the horizontal set-up on the caller's
// working copy. The caller stores them only when the dialog ends with Done (IDOK).
#include "horizontal/horzsections.h"
#include "platform/ui/formdialog.h"

namespace horizontal {

class HORZBLOCKDLG final : public platform::FormDialog {
    Q_OBJECT
public:
    HORZBLOCKDLG(QWidget* parent, SectionEditor& editor, SurveyRecords records);

protected:
    void SetupWindow() override;

private:
    void ShowSection();
    // The fields but the end depth, and the section's number.
    void ShowStart(const SectionFields& f);
    SectionFields Fields() const;
    void CmNew();
    void EvSurveySelChange();
    void CmSave();
    void CmDelete();
    void CmStep(int step);

    SectionEditor& editor_;
    SurveyRecords records_;
};

}  // namespace horizontal
