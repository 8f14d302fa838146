#include "wellfile/ui/newfiledlg.h"

#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/profile.h"
#include "wellfile/wellnames.h"

#include <QFileInfo>

namespace wellfile {

namespace {

using namespace platform;

constexpr int kName = 101, kDepth = 102, kKeepCopy = 103, kLatOrSt = 104, kRateScale = 105, kGasScale = 106,
              kRules = 107, kDepthLabel = 108, kLateral = 109, kOldFiles = 110, kSidetrack = 111,
              kSandShale = 140;

const char* const kRulesText =
    "Do not use spaces or # sign in file names as this can cause problems with emails\n"
    "with some email clients. Do not use periods ( . ) except before the extension  ( .svm)\n"
    "StrativM will replace any spaces with an underscore, ( _ ) and will replace the # sign\n"
    "with a dash ( - ). Maximum length is 40 characters\n"
    "File will start 20 to 29 meters above the depth you enter, on a multiple of 10 meters.\n"
    "IF USING WITS STROKES, BE SURE TO UPDATE THE LAG CALCULATOR INFORMATION";

const char* const kPlugBackRules =
    "Enter the plug back depth for the horizontal section or sidetrack. A new file will be\n"
    "created and the depth will be adjusted to the depth you enter. All reports, header,tops\n"
    "etc will be copied to the new name, and adjusted appropriatly. Your original file\n"
    "will remain unchanged. The new file name will have a '-H'added to the original name,\n"
    "YOU SHOULD EDIT THE NAME NOW if necessary,using -ST or -ST2 etc if sidetracking well \n"
    "or -H2 or -H3 if this is a second or third lateral\n"
    "IF USING WITS STROKES, BE SURE TO UPDATE THE LAG CALCULATOR INFORMATION";

}  // namespace

NewFileDlg::NewFileDlg(QWidget* parent, const OpenWell& well, std::uint16_t loggerId, const WellConfig& config,
                       bool plugBack, HandOff handOff)
    : Dialog(parent, QStringLiteral("STRATIV..New Well File")),
      well_(well),
      loggerId_(loggerId),
      config_(config),
      plugBack_(plugBack),
      handOff_(std::move(handOff))
{
    AddStatic(kRules, QString());
    NewRow();
    BeginGrid(2);
    AddStatic(IDC_STATIC, QStringLiteral("File Name"));
    AddEdit(kName, 40, 40);
    AddStatic(kDepthLabel, QStringLiteral("Start Depth"));
    AddEdit(kDepth, 10, 10);
    AddStatic(IDC_STATIC, QStringLiteral("Rate Scale"));
    AddCombo(kRateScale);
    AddStatic(IDC_STATIC, QStringLiteral("Gas Scale"));
    AddCombo(kGasScale);
    EndGrid();
    NewRow();
    AddCheck(kKeepCopy, QStringLiteral("Check to keep a copy  in Strativ Folder after archiving"));
    NewRow();
    AddCheck(kSandShale, QStringLiteral("Sand  and Shale Only"));
    NewRow();
    AddStatic(kOldFiles, QStringLiteral("Old files copied to:"));
    NewRow();
    AddCheck(kLatOrSt, QStringLiteral("LAT or ST"));
    AddCheck(kLateral, QStringLiteral("Lateral"));
    AddCheck(kSidetrack, QStringLiteral("Sidetrack"));
    NewRow();
    AddStretch();
    AddButton(IDOK, QStringLiteral("Create"), true);
    AddButton(IDCANCEL, QStringLiteral("Cancel"));
}

void NewFileDlg::SetupWindow()
{
    const int p = loggerId_;
    const OpenWell& f = well_;
    SetText(kRules, QString::fromLatin1(kRulesText));
    if (FeetFormatProfile(p)) {
        Enable(kKeepCopy, false);
        Show(kKeepCopy, false);
    }
    if (plugBack_) {
        setWindowTitle(QStringLiteral("StrativM...Create New Horizontal File"));
        SetText(kRules, QString::fromLatin1(kPlugBackRules));
        SetText(kDepth, QString::number(f.fileBottomDepth - f.fileBottomDepth % 2));
        SetText(kDepthLabel, QStringLiteral("Kick Off Point"));
        SetText(kName, f.wellName + QStringLiteral("-H.svm"));
        Enable(kRateScale, false);
        Enable(kGasScale, false);
        Enable(kKeepCopy, false);
        Show(kKeepCopy, false);
    }
    FillRateScales();
    FillGasScales();
    if (p == 37)
        SetCheck(kKeepCopy, BST_CHECKED);
    SetFocusTo(kName);
}

void NewFileDlg::FillRateScales()
{
    const int p = loggerId_;
    const bool metric = wellfile::MetricProfile(p, config_.rateUnitPerHour);
    const QStringList entries =
        metric ? QStringList{"25 to 100", "25 to 150", "50 to 150", "50 to 200", "10 to 80"}
               : QStringList{"1-5", "1-7.5", "1-15", "1-25", "1-50", "1-10", ".5-2.5", ".25-1.25"};
    for (const QString& e : entries)
        AddString(kRateScale, e);
    SetSelIndex(kRateScale, p == 37 && entries.size() > 6 ? 6 : 0);
}

void NewFileDlg::FillGasScales()
{
    const int p = loggerId_;
    QStringList entries;
    int selected = 0;
    if (DiagonalAnhydriteProfile(p)) {
        entries = {"25-175", "50-350", "100-700", "250-1750", "500-3500", "1000-7000", "1000-7000", "1500-10500",
                   "2000-14000"};
        selected = 1;
    } else if (NumericShowProfile(p)) {
        entries = {"50 to 400", "100 to 800", "200 to 1600", "500 to 4000", "100 to 2000", "250 to 5000",
                   "500 to 10000", "50 to 10000"};
    } else if (SandShaleProfile(p)) {
        entries = {"50 to 400", "100 to 400", "100 to 800"};
    } else {
        entries = {"25-175", "25-250", "25-500", "50-1000", "100-2000", "250-5000", "500-10000", "50-10000"};
        selected = 2;
    }
    for (const QString& e : entries)
        AddString(kGasScale, e);
    SetSelIndex(kGasScale, selected);
}

int NewFileDlg::CheckAndCreate()
{
    const OpenWell& f = well_;
    const QString path = NewWellFileName(f.dataFolder, GetText(kName).trimmed());
    if (path.isEmpty()) {
        MessageBox(QStringLiteral("Enter a name for the new file"), QStringLiteral("ERROR"));
        SetFocusTo(kName);
        return 0;
    }
    // Any file of that well's set (a memo or tops list left by an earlier well) makes it an existing well.
    if (!ExistingWellFile(path).isEmpty()) {
        MessageBox(QStringLiteral("File already exists, select another name"), QStringLiteral("ERROR"));
        return 0;
    }
    bool ok = false;
    const int typed = GetInt(kDepth, &ok);
    if (!ok) {
        MessageBox(QStringLiteral("The start depth must be a whole number"), QStringLiteral("Invalid Entry"));
        SetFocusTo(kDepth);
        return 0;
    }
    NewFileInfo info;
    info.path = path;
    info.startDepth = std::max(typed, 60);
    info.rateScale = GetSelIndex(kRateScale) + 1;
    info.gasScale = GetSelIndex(kGasScale) + 1;
    info.keepCopy = GetCheck(kKeepCopy) == BST_CHECKED;
    if (plugBack_ && info.startDepth < f.fileTopDepth) {
        MessageBox(QString::fromStdString(CFormat("Plug back depth ( %d )  must be greater than start depth of file ( %d )",
                                                  info.startDepth, int(f.fileTopDepth))),
                   QStringLiteral("Depth out of range"));
        return 0;
    }
    info_ = info;
    return handOff_ && handOff_(info_) == 1 ? 1 : 0;
}

}  // namespace wellfile
