#pragma once
// NewFileDlg (dialog 29): the name, start depth and first scales of a new well, or the name and
// kick-off depth of a plug back. "Create" cleans and checks the name and depth and hands the job on;
// the dialog stays open while the entry is refused.
#include "platform/ui/dialog.h"
#include "wellfile/newfile.h"

#include "wellfile/openwell.h"

#include <cstdint>
#include <functional>

namespace wellfile {

class NewFileDlg : public platform::Dialog {
public:
    // Makes the new well (or the plug-back well) of the checked entry; 1 when it was made.
    using HandOff = std::function<int(const NewFileInfo&)>;

    // `well` and `config` are the open well and its settings record (its names, depths and rate unit);
    // `loggerId` the logging-company profile; `plugBack` 0 or 1.
    NewFileDlg(QWidget* parent, const OpenWell& well, std::uint16_t loggerId, const WellConfig& config, bool plugBack,
               HandOff handOff);

    // Reads and checks the entry and hands it on: 1 when the file was made, 0 to stay open.
    int CheckAndCreate();
    const NewFileInfo& Info() const { return info_; }

protected:
    void SetupWindow() override;
    bool CanClose() override { return CheckAndCreate() == 1; }

private:
    void FillRateScales();
    void FillGasScales();

    const OpenWell& well_;
    std::uint16_t loggerId_;
    const WellConfig& config_;
    bool plugBack_;
    HandOff handOff_;
    NewFileInfo info_;
};

}  // namespace wellfile
