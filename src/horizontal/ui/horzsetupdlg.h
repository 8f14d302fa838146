#pragma once
// HorzSetupDlg (dialog 50, "Strativ Horizontal Setup"): edits the well's ".hor" record, saves and
// chooses named views, and leads to the sections, TVD data and tops lithology dialogs. Ends with CLOSE
// (1), or 2 when the field/local switch was used.
#include "horizontal/horzsetupform.h"
#include "platform/ui/formdialog.h"
#include "wellfile/record.h"

#include <functional>
#include <memory>
#include <span>

namespace app {
struct LogState;
}

namespace horizontal {

class HorzSetupDlg final : public platform::FormDialog {
    Q_OBJECT
public:
    HorzSetupDlg(QWidget* parent, app::LogState& log);
    ~HorzSetupDlg() override;

    // The TVD WELL DATA dialog in survey mode over a record buffer (Enter Data).
    std::function<void(std::span<wellfile::RECORD>)> runTvdDialog;
    // Set when a view opened the dialog: reloads and redraws it after the sections changed.
    std::function<void()> redrawView;

protected:
    void SetupWindow() override;

private:
    void ShowForm(const HorzSetupForm& f);
    HorzSetupForm FormOfControls() const;
    void FillViewList();
    void Browse(int edit, bool targetFile);
    // The record read from the file again; false (the dialog's copy kept) when it could not be.
    bool ReadAgain();
    void CmSave();
    void CmSaveViewAs();
    void CopyChosenView();
    void CmUseFieldSettings();
    void CmEnterData();
    void CmEditSections();
    void CmTvdLithology();
    void EvScaleClicked();
    // Copies a chosen gamma file into the copy-out folder of a shared well when it is not there yet.
    void CopyGammaOut(const QString& path) const;

    app::LogState& log_;
    HorzFiles files_;
    HorzSetupInputs inputs_;
    std::unique_ptr<wellfile::HorzSetupRecord> rec_;
    bool multipleShown_ = false;
    bool viewSaved_ = false;
    bool viewChosen_ = false;
};

}  // namespace horizontal
