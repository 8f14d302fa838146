#pragma once
// TVDLITHDLG (dialog 56, "TVD Lithology"): gives each formation top one of nine lithologies for the
// horizontal view's overlay. Each SAVE writes all tops through `saveTops`.
#include "platform/ui/formdialog.h"
#include "wellfile/topsex.h"

#include <functional>
#include <vector>

namespace horizontal {

class TVDLITHDLG final : public platform::FormDialog {
    Q_OBJECT
public:
    // `saveTops` writes the tops file; 0 when it could not.
    TVDLITHDLG(QWidget* parent, std::vector<wellfile::TOPSEX>& tops, std::function<int()> saveTops);

protected:
    void SetupWindow() override;

private:
    void ShowLithology();
    void EvTopSelChange();
    void CmSave();

    std::vector<wellfile::TOPSEX>& tops_;
    std::function<int()> saveTops_;
    int current_ = 0;
};

}  // namespace horizontal
