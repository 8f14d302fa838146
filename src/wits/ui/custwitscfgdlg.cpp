#include "wits/ui/custwitscfgdlg.h"

#include "platform/numbers.h"
#include "platform/services.h"

#include <cmath>
#include <cstdlib>
#include <initializer_list>

namespace wits {

using platform::BN_CLICKED;
using platform::BST_CHECKED;
using platform::BST_UNCHECKED;
using platform::CBN_SELCHANGE;
using platform::IDCANCEL;
using platform::IDOK;

namespace {

constexpr int kNumberLimit = 10;
constexpr int kStandardNarrowerBy = 150;  // pixels
constexpr int kProfileLithology = 2;
constexpr int kProfileAlwaysServer = 23;

constexpr const char* kModes[] = {"Standard Wits Pason", "Standard Wits Other", "Wits Gas", "IBall Bloodhound Wits",
                                  "Wits Out"};
constexpr const char* kBauds[] = {"4800", "9600", "19200", "38400", "57600", "115200"};

constexpr int kServerAddress[] = {kCwAddress1, kCwAddress2, kCwAddress3, kCwAddress4};
constexpr int kLithAddress[] = {kCwLith1, kCwLith2, kCwLith3, kCwLith4};
constexpr int kBoxes[] = {kCwTrackDepth, kCwTrackGas, kCwTrackChromat, kCwSendDepth, kCwSendGas, kCwSendChromat};
constexpr int kSerialEdits[] = {kCwComPort, kCwTimeout, kCwInterval, kCwHwAttenuator, kCwChromatAttenuator};
constexpr int kSerialLabels[] = {kCwModeLabel, kCwBaudLabel, kCwComLabel, kCwTimeoutLabel,
                                 kCwIntervalLabel, kCwOptionsLabel, kCwHwLabel, kCwChromatLabel};

int Checked(bool on) { return on ? BST_CHECKED : BST_UNCHECKED; }

}  // namespace

CustWitsCfgDlg::CustWitsCfgDlg(QWidget* parent, int profile, int form, CUSTWITSCFG& record)
    : Dialog(parent, QStringLiteral("Strativ Custom Wits Connection")), record_(record), profile_(profile), form_(form)
{
    // Places in dialog units. The two forms share the upper area: each hides the other's controls.
    const auto label = [this](int id, const char* text, int x, int y, int width) {
        AddStatic(id, QString::fromLatin1(text));
        PlaceAt(id, x, y + 2, width, 8);
    };
    const auto edit = [this](int id, int x, int y, int width) {
        AddEdit(id, kNumberLimit);
        PlaceAt(id, x, y, width, 12);
    };
    const auto check = [this](int id, const char* text, int x, int y, int width) {
        AddCheck(id, QString::fromLatin1(text));
        PlaceAt(id, x, y, width, 10);
    };
    const auto combo = [this](int id, int x, int y, int width) {
        AddCombo(id);
        PlaceAt(id, x, y, width, 12);
    };

    // The custom link's settings.
    label(kCwComLabel, "Com port", 5, 5, 45);
    edit(kCwComPort, 55, 5, 30);
    label(kCwModeLabel, "Connection Mode", 95, 5, 62);
    combo(kCwMode, 160, 5, 95);
    label(kCwTimeoutLabel, "Time Out", 5, 22, 45);
    edit(kCwTimeout, 55, 22, 30);
    label(kCwBaudLabel, "Baud Rate", 95, 22, 62);
    combo(kCwBaud, 160, 22, 60);
    label(kCwIntervalLabel, "Read /Send Interval (sec)", 5, 39, 95);
    edit(kCwInterval, 105, 39, 30);
    label(kCwHwLabel, "HW Attenuator", 5, 56, 60);
    edit(kCwHwAttenuator, 70, 56, 30);
    label(kCwChromatLabel, "Chromat Attenuator", 110, 56, 75);
    edit(kCwChromatAttenuator, 190, 56, 30);
    label(kCwOptionsLabel, "Track and Send", 5, 72, 80);
    check(kCwTrackDepth, "Track Depth", 5, 84, 80);
    check(kCwTrackGas, "Track Total Gas", 90, 84, 80);
    check(kCwTrackChromat, "Track Chromat", 175, 84, 80);
    check(kCwSendDepth, "Send Depth", 5, 96, 80);
    check(kCwSendGas, "Send Total Gas", 90, 96, 80);
    check(kCwSendChromat, "Send Chromat", 175, 96, 80);
    check(kCwGasPercent, "Send Gas As %", 5, 108, 80);

    // The standard link's TCP settings.
    check(kCwOnTcp, "Wits On TCP", 5, 5, 70);
    check(kCwServer, "Strativ Is Server", 80, 5, 80);
    label(kCwPortLabel, "TCP Port", 5, 22, 45);
    edit(kCwTcpPort, 55, 22, 34);
    label(kCwAddressLabel, "IP ADDRESS", 5, 39, 48);
    for (int i = 0; i < 4; ++i)
        edit(kServerAddress[i], 55 + i * 26, 39, 24);
    check(kCwUpdate, "Update Lith Receiver", 5, 56, 100);
    label(kCwLithAddressLabel, "LITH IP ADDRESS", 5, 72, 48);
    for (int i = 0; i < 4; ++i)
        edit(kLithAddress[i], 55 + i * 26, 72, 24);
    label(kCwLithPortLabel, "LITH Port", 5, 89, 45);
    edit(kCwLithPort, 55, 89, 34);

    AddButton(IDOK, QStringLiteral("Save and Close"), true);
    PlaceAt(IDOK, 5, 124, 70, 14);
    AddButton(IDCANCEL, QStringLiteral("Cancel"));
    PlaceAt(IDCANCEL, 85, 124, 50, 14);
    SetDialogUnitSize(262, 144);
    FitPlacedTexts();

    On(kCwMode, CBN_SELCHANGE, [this] { record_.connectionMode = GetSelIndex(kCwMode); });
    On(kCwBaud, CBN_SELCHANGE, [this] { record_.baudIndex = GetSelIndex(kCwBaud); });
    On(kCwUpdate, BN_CLICKED, [this] { CmUpdateToggle(); });
}

void CustWitsCfgDlg::SetupWindow()
{
    CUSTWITSCFG& r = record_;
    SetInt(kCwComPort, r.comPort);
    SetInt(kCwTimeout, r.replyTimeoutMs);
    SetText(kCwInterval, QString::asprintf("%.1f", double(r.intervalSeconds)));
    SetText(kCwHwAttenuator, QString::asprintf("%.1f", double(r.hotWireAttenuator)));
    SetText(kCwChromatAttenuator, QString::asprintf("%.1f", double(r.chromatAttenuator)));
    for (const char* mode : kModes)
        AddString(kCwMode, QString::fromLatin1(mode));
    SetSelIndex(kCwMode, r.connectionMode);
    for (const char* baud : kBauds)
        AddString(kCwBaud, QString::fromLatin1(baud));
    SetSelIndex(kCwBaud, r.baudIndex);
    SetCheck(kCwTrackDepth, Checked(r.trackDepth != 0));
    SetCheck(kCwTrackGas, Checked(r.trackTotalGas != 0));
    SetCheck(kCwTrackChromat, Checked(r.trackChromat != 0));
    SetCheck(kCwSendDepth, Checked(r.sendDepth != 0));
    SetCheck(kCwSendGas, Checked(r.sendTotalGas != 0));
    SetCheck(kCwSendChromat, Checked(r.sendChromat != 0));

    if (form_ != kStandardLinkForm) {
        for (int id : {kCwOnTcp, kCwUpdate, kCwPortLabel, kCwTcpPort, kCwLithPortLabel, kCwLithPort,
                       kCwLithAddressLabel, kCwAddressLabel, kCwServer})
            Show(id, false);
        for (int id : kServerAddress)
            Show(id, false);
        for (int id : kLithAddress)
            Show(id, false);
    } else {
        setWindowTitle(QStringLiteral("WITS ON TCP"));
        SetCheck(kCwOnTcp, Checked(r.witsOnTcp != 0));
        if (profile_ == kProfileLithology) {
            SetCheck(kCwUpdate, Checked(r.lithologyUpdate != 0));
        } else {
            Show(kCwUpdate, false);
            r.lithologyUpdate = 0;
        }
        for (int id : {kCwMode, kCwBaud, kCwGasPercent})
            Show(id, false);
        for (int id : kSerialEdits)
            Show(id, false);
        for (int id : kBoxes)
            Show(id, false);
        for (int id : kSerialLabels)
            Show(id, false);
        SetInt(kCwTcpPort, r.tcpPort);
        SetInt(kCwLithPort, r.lithologyPort);
        for (int i = 0; i < 4; ++i) {
            SetInt(kServerAddress[i], r.serverAddress[i]);
            SetInt(kLithAddress[i], r.lithologyAddress[i]);
        }
        ShowLithology(r.lithologyUpdate != 0);
        SetCheck(kCwServer, Checked(r.tcpServer != 0 || profile_ == kProfileAlwaysServer));
        setFixedSize(width() - kStandardNarrowerBy, height());
    }
    if (profile_ == kProfileAlwaysServer || form_ == kStandardLinkForm) {
        for (int id : kBoxes)
            Enable(id, false);
        for (int id : kSerialEdits)
            Enable(id, false);
        Enable(kCwMode, false);
        Enable(kCwBaud, false);
    }
}

void CustWitsCfgDlg::ShowLithology(bool show)
{
    for (int id : kLithAddress)
        Show(id, show);
    for (int id : {kCwLithPort, kCwLithPortLabel, kCwLithAddressLabel})
        Show(id, show);
    if (!show)
        return;
    for (int i = 0; i < 4; ++i)
        SetInt(kLithAddress[i], record_.lithologyAddress[i]);
    SetInt(kCwLithPort, record_.lithologyPort);
}

void CustWitsCfgDlg::CmUpdateToggle() { ShowLithology(GetCheck(kCwUpdate) == BST_CHECKED); }

bool CustWitsCfgDlg::CheckRanges()
{
    if (form_ != kStandardLinkForm)
        return true;
    struct Field {
        int id;
        QString name;
        int low, high;
        bool checked;
    };
    const bool tcp = GetCheck(kCwOnTcp) == BST_CHECKED;
    const bool lith = profile_ == kProfileLithology && GetCheck(kCwUpdate) == BST_CHECKED;
    QList<Field> fields{{kCwTcpPort, QStringLiteral("TCP Port"), 1, 65535, tcp}};
    for (int i = 0; i < 4; ++i)
        fields.append({kServerAddress[i], QStringLiteral("IP ADDRESS number %1").arg(i + 1), 0, 255, true});
    for (int i = 0; i < 4; ++i)
        fields.append({kLithAddress[i], QStringLiteral("LITH IP ADDRESS number %1").arg(i + 1), 0, 255, lith});
    fields.append({kCwLithPort, QStringLiteral("LITH Port"), 1, 65535, lith});
    for (const Field& f : fields) {
        if (!f.checked)
            continue;
        const QString problem = CheckFieldRange(f.name, GetText(f.id), f.low, f.high);
        if (!problem.isEmpty()) {
            platform::MessageBox(problem, windowTitle());
            SetFocusTo(f.id);
            return false;
        }
    }
    return true;
}

bool CustWitsCfgDlg::CanClose()
{
    if (!CheckRanges())
        return false;
    StoreFields();
    return true;
}

void CustWitsCfgDlg::StoreFields()
{
    CUSTWITSCFG& r = record_;
    if (form_ != kStandardLinkForm) {
        r.comPort = platform::LeadingInt(GetText(kCwComPort));
        r.replyTimeoutMs = platform::Whole(platform::LeadingDouble(GetText(kCwTimeout)));
        r.intervalSeconds = float(platform::LeadingDouble(GetText(kCwInterval)));
        r.hotWireAttenuator = float(platform::LeadingDouble(GetText(kCwHwAttenuator)));
        r.chromatAttenuator = float(platform::LeadingDouble(GetText(kCwChromatAttenuator)));
        r.trackDepth = GetCheck(kCwTrackDepth) == BST_CHECKED ? 1 : 0;
        r.trackTotalGas = GetCheck(kCwTrackGas) == BST_CHECKED ? 1 : 0;
        r.trackChromat = GetCheck(kCwTrackChromat) == BST_CHECKED ? 1 : 0;
        r.sendDepth = GetCheck(kCwSendDepth) == BST_CHECKED ? 1 : 0;
        r.sendTotalGas = GetCheck(kCwSendGas) == BST_CHECKED ? 1 : 0;
        r.sendChromat = GetCheck(kCwSendChromat) == BST_CHECKED ? 1 : 0;
        return;
    }
    r.intervalSeconds = float(platform::LeadingDouble(GetText(kCwInterval)));
    r.witsOnTcp = GetCheck(kCwOnTcp) == BST_CHECKED ? 1 : 0;
    r.tcpPort = platform::LeadingInt(GetText(kCwTcpPort));
    r.lithologyPort = platform::LeadingInt(GetText(kCwLithPort));
    for (int i = 0; i < 4; ++i) {
        r.serverAddress[i] = platform::LeadingInt(GetText(kServerAddress[i]));
        r.lithologyAddress[i] = platform::LeadingInt(GetText(kLithAddress[i]));
    }
    r.tcpServer = profile_ == kProfileAlwaysServer ? 1 : GetCheck(kCwServer) == BST_CHECKED ? 1 : 0;
    r.lithologyUpdate = profile_ == kProfileLithology && GetCheck(kCwUpdate) == BST_CHECKED ? 1 : 0;
}

bool RunCustWitsCfgDlg(QWidget* parent, int profile, int form, CUSTWITSCFG& record)
{
    CustWitsCfgDlg dlg(parent, profile, form, record);
    return dlg.Execute() == IDOK;
}

}  // namespace wits
