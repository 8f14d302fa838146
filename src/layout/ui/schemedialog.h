#pragma once
// "Edit Log Schemes" (resource 13): the six display schemes one at a time, with "Previous"/"Next",
// "Save" into the shown scheme and "Close". The dialog edits the schemes buffer it is given; what
// "Save" takes for the window (hardness label, interpreted lithology, gamma lag) waits in the dialog
// until the caller commits it after "Close", so leaving with Escape changes nothing.
#include "layout/schemes.h"
#include "platform/ui/dialog.h"

namespace layout {

// Control ids of resource 13 besides the flag check boxes (kFlagBoxIds).
enum SchemeDlgId : int {
    IDC_SCHEME_NAME = 120,
    IDC_SCHEME_NUMBER = 2122,
    IDC_LINEAR_RES = 130,
    IDC_SW_THRESHOLD = 137,
    IDC_GAMMA_LAG = 147,
    IDC_PREVIOUS = 121,
    IDC_NEXT = 122,
    IDC_SAVE_SCHEME = 123,
    IDC_FIELD_SETTINGS = 1370,  // closes the dialog with this id
};

// What the dialog shows besides the schemes.
struct SchemeDlgContext {
    int loggerId = 0;
    bool alternateFormat = false;
    bool notesLoaded = false;
    bool showFieldButton = false;  // the current folder holds the ".sch" and sends from its own folder
    bool fieldSchemes = false;
    bool hardnessLabel = false;
    bool plotInterpretedLith = false;
    float gammaLag = 0;
};

class SchemeDlg : public platform::Dialog {
public:
    SchemeDlg(QWidget* parent, SchemeSet& schemes, const SchemeDlgContext& context);

    int scheme = 0;  // the scheme shown
    // Taken by "Save"; `saved` tells whether it was ever pressed.
    bool saved = false;
    bool hardnessLabel = false;
    bool plotInterpretedLith = false;
    float gammaLag = 0;

protected:
    void SetupWindow() override;

private:
    void ShowCurrent();
    void ApplyBoxRules();
    bool NumbersValid();
    void Save();

    SchemeSet& schemes_;
    SchemeDlgContext context_;
    SchemeTransfer transfer_{};
};

// What the edit command needs of the window besides the scheme host.
struct EditSchemesContext {
    bool alternateFormat = false;
    bool notesLoaded = false;
};

// The "&Edit Schemes..." command: runs the dialog on the well's schemes. After "Close" the schemes are
// saved, the options committed to the window and the well's configuration, the current scheme applied
// and the layout rebuilt; after the field-settings button the schemes' folder is switched; after
// Escape nothing changes.
void CmEditSchemes(SchemeState& state, SchemeHost& host, const EditSchemesContext& context, QWidget* parent);

}  // namespace layout
