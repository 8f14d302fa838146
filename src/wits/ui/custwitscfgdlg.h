#pragma once
// CustWitsCfgDlg (dialog 67, "Strativ Custom Wits Connection"): the settings of both WITS links in one
// dialog with two forms. The custom-link form edits the custom link's serial settings and options; the
// standard-link form ("WITS ON TCP", 150 pixels narrower) edits the standard link's TCP settings: TCP on
// or off, server or client, the server's address and port and, for profile 2, the lithology receiver.
// The caller's record is edited in place: the two lists store their choice at once, the rest on "Save
// and Close", which refuses an address number or a port out of range with a message naming the field.
#include "platform/ui/dialog.h"
#include "wits/custwitscfg.h"

namespace wits {

enum CustWitsControl : int {
    kCwLith1 = 101, kCwTrackDepth = 102, kCwTrackGas = 103, kCwSendDepth = 104, kCwSendGas = 105,
    kCwMode = 106, kCwBaud = 107, kCwComPort = 108, kCwTimeout = 109, kCwInterval = 110,
    kCwHwLabel = 111, kCwChromatLabel = 112, kCwLith2 = 113, kCwHwAttenuator = 114,
    kCwChromatAttenuator = 115, kCwLith3 = 116, kCwTrackChromat = 117, kCwSendChromat = 118,
    kCwOnTcp = 119, kCwTcpPort = 120, kCwAddress1 = 121, kCwAddress2 = 122, kCwAddress3 = 123,
    kCwAddress4 = 124, kCwAddressLabel = 125, kCwPortLabel = 126, kCwServer = 127, kCwComLabel = 128,
    kCwBaudLabel = 129, kCwTimeoutLabel = 130, kCwOptionsLabel = 131, kCwIntervalLabel = 132,
    kCwModeLabel = 133, kCwUpdate = 134, kCwLith4 = 135, kCwLithPort = 136, kCwLithPortLabel = 137,
    kCwLithAddressLabel = 138, kCwGasPercent = 139,
};

class CustWitsCfgDlg final : public platform::Dialog {
    Q_OBJECT
public:
    // `form` is kStandardLinkForm or kCustomLinkForm; `profile` the open file's logging-company profile.
    CustWitsCfgDlg(QWidget* parent, int profile, int form, CUSTWITSCFG& record);

protected:
    void SetupWindow() override;
    // Checks the TCP numbers and stores the fields ("Save and Close").
    bool CanClose() override;

private:
    void CmUpdateToggle();
    void ShowLithology(bool show);
    bool CheckRanges();
    void StoreFields();

    CUSTWITSCFG& record_;
    int profile_;
    int form_;
};

// Runs the dialog modally; true when closed with "Save and Close" (the record then holds the fields).
bool RunCustWitsCfgDlg(QWidget* parent, int profile, int form, CUSTWITSCFG& record);

}  // namespace wits
