#pragma once
// "STRATIV ELOG LITHOLOGY SETUP" (resource 58): the table of PE, gamma and porosity-separation ranges
// per rock type from which the e-log lithology track classifies each depth. The dialog shows the table
// of the well's settings record (the defaults when it holds none) and SAVE stores it through the
// caller, leaving the dialog open; DONE closes it.
#include "platform/ui/dialog.h"
#include "tracks/autolith.h"
#include "wellfile/wellconfig.h"

#include <functional>

namespace tracks {

namespace elogid {
constexpr int Save = 104, Done = 1;
// The edits by rock row (LIME, DOLOMITE, SAND, SHALE, ANHYDRITE, CHERT) and column (MIN PE, MAX PE,
// MIN GAM, MAX GAM, MIN SEP, MAX SEP).
constexpr int kEdits[6][6] = {
    {102, 103, 101, 107, 108, 129}, {109, 110, 111, 112, 113, 130}, {114, 115, 116, 117, 118, 131},
    {119, 120, 121, 122, 123, 132}, {124, 125, 126, 127, 128, 133}, {134, 135, 136, 137, 138, 139},
};
}  // namespace elogid

class ELOGLITHDLG : public platform::Dialog {
public:
    // `config` is the well's settings record as stored; `save` stores a table (marked as saved from the
    // dialog) and gives false when it could not (the user has been told).
    ELOGLITHDLG(QWidget* parent, const wellfile::WellConfig& config,
                std::function<bool(const ElogLithThresholds&)> save);

    const ElogLithThresholds& Table() const { return table_; }

protected:
    void SetupWindow() override;

private:
    void CmSave();

    ElogLithThresholds table_;
    std::function<bool(const ElogLithThresholds&)> save_;
};

// The table into the well's settings record (bytes 4781..5000).
void SetElogLithThresholds(wellfile::WellConfig& config, const ElogLithThresholds& table);

}  // namespace tracks
