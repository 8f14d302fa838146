#include "entry/ui/topsdlg.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "app/welltops.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/ui/svedit.h"
#include "wellfile/datafile.h"
#include "wellfile/record.h"
#include "wellfile/settingsblock.h"
#include "wellfile/wellheader.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <memory>

namespace entry {

namespace {

constexpr int kMenuNameChars = 15;
constexpr int kTextChars = 29;

}  // namespace

TopsFiles TopsFilesOf(const app::LogState& log)
{
    TopsFiles files;
    files.place = app::PlaceOf(log);
    files.tops = app::TopsPlaceOf(log);
    files.copyTopsOut = log.well.file.copyOut && log.well.config.sendTopsFile != 0;
    files.sendOption = log.well.file.secondFolderOption;
    files.copyWellFileOut = log.well.file.hooks.copyWellFileOut;
    return files;
}

TopsDlg::TopsDlg(QWidget* parent, app::LogState& log, TopsDlgHost host)
    : Dialog(parent, QStringLiteral("STRATIV EDIT TOPS")), log_(log), host_(std::move(host))
{
    BeginGrid(4);
    AddStatic(platform::IDC_STATIC, QStringLiteral("No."));
    AddStatic(IDC_NUMBER, QString());
    AddStatic(platform::IDC_STATIC, QStringLiteral("Depth"));
    AddEdit(IDC_DEPTH, 10, 10);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Menu Name"));
    AddEdit(IDC_MENU_NAME, 30, 16);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Location"));
    AddEdit(IDC_LOCATION, 10, 10);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Text"));
    AddEdit(IDC_TEXT, 45, 30);
    AddStatic(platform::IDC_STATIC, QStringLiteral("TVD"));
    AddEdit(IDC_TVD, 10, 10);
    AddStatic(IDC_TARGET_LABEL, QStringLiteral("Define Target Zone Width"));
    AddEdit(IDC_TARGET_WIDTH, 10, 10);
    EndGrid();
    NewRow();
    BeginGrid(3);
    AddCheck(IDC_APPEND_SUBSEA, QStringLiteral("Append Sub Sea to Text"));
    AddCheck(IDC_DRAW_HORIZONTAL, QStringLiteral("Draw on Horizontal"));
    AddCheck(IDC_PRINTED, QStringLiteral("Print"));
    AddCheck(IDC_VERBOSE, QStringLiteral("Verbose Text"));
    AddCheck(IDC_RECTANGLE, QStringLiteral("Draw Rectangle"));
    AddCheck(IDC_PRINT_TO_FILE, QStringLiteral("Print To File"));
    EndGrid();
    NewRow();
    AddButton(IDC_SAVE, QStringLiteral("Save"));
    AddButton(IDC_PREVIOUS, QStringLiteral("Previous"));
    AddButton(IDC_NEXT, QStringLiteral("Next"));
    AddButton(IDC_NEW, QStringLiteral("New Top"));
    AddButton(IDC_DELETE, QStringLiteral("Delete"));
    NewRow();
    AddButton(IDC_IMPORT, QStringLiteral("Import"));
    AddButton(IDC_COLOR, QStringLiteral("Color"));
    AddButton(IDC_PRINT, QStringLiteral("Print"));
    AddButton(IDC_FIELD_TOPS, QStringLiteral("Use Field Tops"));
    AddStretch();
    AddButton(platform::IDOK, QStringLiteral("Close"));

    On(IDC_SAVE, platform::BN_CLICKED, [this] { CmSave(); });
    On(IDC_NEXT, platform::BN_CLICKED, [this] { CmStep(true); });
    On(IDC_PREVIOUS, platform::BN_CLICKED, [this] { CmStep(false); });
    On(IDC_NEW, platform::BN_CLICKED, [this] { CmNewTop(); });
    On(IDC_DELETE, platform::BN_CLICKED, [this] { CmDelete(); });
    On(IDC_IMPORT, platform::BN_CLICKED, [this] { CmImport(); });
    On(IDC_COLOR, platform::BN_CLICKED, [this] { CmColor(); });
    On(IDC_FIELD_TOPS, platform::BN_CLICKED, [this] { CmFieldTops(); });
    On(IDC_PRINTED, platform::BN_CLICKED, [this] { CmPrinted(); });
    On(IDC_PRINT, platform::BN_CLICKED, [this] { CmPrint(); });
    On(IDC_APPEND_SUBSEA, platform::BN_CLICKED, [this] { ComputeTVD(); });
    On(IDC_DRAW_HORIZONTAL, platform::BN_CLICKED, [this] { ComputeTVD(); });
    On(IDC_MENU_NAME, platform::EN_KILLFOCUS, [this] { CmMenuNameLeft(); });
}

void TopsDlg::SetupWindow()
{
    const wellfile::WellPlace place = app::PlaceOf(log_);
    const bool anyTopsx = !QDir(place.workingFolder).entryList({QStringLiteral("*.topx")}, QDir::Files).isEmpty();
    Enable(IDC_IMPORT, anyTopsx);
    // Only a well that may keep its tops in the field folder can switch, and only with local tops to go to.
    const QString local = place.currentFolder;
    const bool localTops = QFileInfo::exists(platform::FindFileNoCase(local, place.wellName + ".topx")) ||
                           QFileInfo::exists(platform::FindFileNoCase(local, place.wellName + ".top"));
    Show(IDC_FIELD_TOPS, log_.well.sharedFolderWell && localTops);
    SetText(IDC_FIELD_TOPS, log_.well.topsInFieldFolder ? QStringLiteral("Use Local Tops")
                                                        : QStringLiteral("Use Field Tops"));
    Enable(IDC_TVD, false);
    // A well without horizontal data offers no horizontal drawing: a save clears the mark.
    if (!log_.well.file.directional) {
        SetCheck(IDC_DRAW_HORIZONTAL, platform::BST_UNCHECKED);
        Enable(IDC_DRAW_HORIZONTAL, false);
    }

    tops_ = log_.well.tops;
    count_ = int(tops_.size());
    index_ = 0;
    if (count_ > 0) {
        SortTops(tops_);
    } else {
        tops_.assign(1, wellfile::TOPSEX{});
        SetInt(IDC_NUMBER, 1);
    }
    ShowTop();
    if (host_.writeMemoLabels)
        host_.writeMemoLabels();
}

void TopsDlg::ShowTop()
{
    const wellfile::TOPSEX& t = Top();
    SetInt(IDC_NUMBER, index_ + 1);
    SetFromField(IDC_MENU_NAME, t.menuName);
    SetInt(IDC_DEPTH, t.depth);
    SetInt(IDC_LOCATION, t.location);
    SetText(IDC_TVD, QString::fromStdString(platform::CFormat("%.2f", double(t.tvd))));
    Enable(IDC_TVD, false);
    SetInt(IDC_TARGET_WIDTH, t.targetZoneWidth);
    const std::string text = platform::FieldText(t.text);
    SetCheck(IDC_PRINTED, text.empty() || text.front() != '<' ? platform::BST_CHECKED : platform::BST_UNCHECKED);
    SetTextA(IDC_TEXT, text);
    SetCheck(IDC_APPEND_SUBSEA, t.appendSubsea ? 1 : 0);
    SetCheck(IDC_RECTANGLE, t.drawRectangle ? 1 : 0);
    if (log_.options.verboseTops)
        SetCheck(IDC_VERBOSE, t.verboseText ? 1 : 0);
    const bool horizontal = log_.well.file.directional && t.drawOnHorizontal == 1;
    SetCheck(IDC_DRAW_HORIZONTAL, horizontal ? 1 : 0);
    Enable(IDC_TARGET_WIDTH, horizontal);
    for (int id : {IDC_TARGET_WIDTH, IDC_TARGET_LABEL, IDC_VERBOSE})
        Show(id, horizontal);
}

void TopsDlg::CollectTop()
{
    wellfile::TOPSEX& t = Top();
    t.number = index_ + 1;
    if (t.colour == 0)
        t.colour = colour_;
    platform::SetFieldText(t.menuName, GetTextA(IDC_MENU_NAME).substr(0, kMenuNameChars));
    // The depth is kept as typed: Save refuses a top above the data's first depth.
    t.depth = GetInt(IDC_DEPTH);
    t.location = GetInt(IDC_LOCATION);
    t.tvd = GetText(IDC_TVD).trimmed().toFloat();
    platform::SetFieldText(t.text, GetTextA(IDC_TEXT).substr(0, kTextChars));
    t.appendSubsea = GetCheck(IDC_APPEND_SUBSEA) == platform::BST_CHECKED;
    t.drawRectangle = GetCheck(IDC_RECTANGLE) == platform::BST_CHECKED;
    if (log_.options.verboseTops)
        t.verboseText = GetCheck(IDC_VERBOSE) == platform::BST_CHECKED;
    // Marked without a TVD as well: a TVD may lie above the file's first depth (a lateral logged from
    // below it), and one still missing comes with a later survey.
    if (GetCheck(IDC_DRAW_HORIZONTAL) == platform::BST_CHECKED) {
        t.drawOnHorizontal = 1;
        t.targetZoneWidth = GetInt(IDC_TARGET_WIDTH) & 0xFFFF;
    } else {
        t.drawOnHorizontal = 0;
    }
}

void TopsDlg::ComputeTVD()
{
    const bool horizontal = GetCheck(IDC_DRAW_HORIZONTAL) == platform::BST_CHECKED;
    if (!horizontal) {
        Enable(IDC_TVD, false);
        Show(IDC_TARGET_WIDTH, false);
        Show(IDC_TARGET_LABEL, false);
    }
    wellfile::OpenWell& f = log_.well.file;
    const std::int32_t depth = GetInt(IDC_DEPTH);
    std::vector<wellfile::RECORD> window(kTvdWindowRecords + 1);
    const int read = wellfile::ReadRecords(f, window, f.dataFileName,
                                           TvdWindowIndex(depth, f.fileTopDepth, f.depthStep), kTvdWindowRecords);
    if (read <= 0)
        window.assign(1, wellfile::RECORD{});
    const TopTvd tvd = TopTvdFrom(window, depth, f.fileTopDepth, f.fileBottomDepth);
    SetText(IDC_TVD, QString::fromStdString(platform::CFormat("%.2f", double(tvd.tvd))));
    // The mark stays: the view draws the top once a survey gives it a TVD.
    if (horizontal && tvd.missing != TopTvdMissing::None)
        platform::MessageBox(MissingTvdText(tvd, depth), QStringLiteral("Draw on Horizontal"), platform::MB_OK);
    if (tvd.ownRecord) {
        Enable(IDC_TARGET_WIDTH);
        return;
    }
    Enable(IDC_TVD, false);
    if (tvd.tvd > 0 || log_.well.file.directional)
        Show(IDC_VERBOSE);
    if (horizontal) {
        Show(IDC_TARGET_WIDTH);
        Show(IDC_TARGET_LABEL);
    }
}

bool TopsDlg::SaveAll()
{
    TopsFiles files = TopsFilesOf(log_);
    std::vector<wellfile::TOPSEX> list(tops_.begin(), tops_.begin() + count_);
    int follow = index_;
    if (!entry::SaveTops(files, list, &follow))
        return false;
    log_.well.topsInFieldFolder = files.tops.topsInFieldFolder;
    saved_ = true;
    // The list is read back as written.
    if (count_ > 0) {
        if (std::optional<std::vector<wellfile::TOPSEX>> back = ReadTops(wellfile::TopsxFilePath(files.place, files.tops)))
            list = std::move(*back);
    }
    count_ = int(list.size());
    tops_ = count_ > 0 ? list : std::vector<wellfile::TOPSEX>(1);
    index_ = follow >= 0 && follow < count_ ? follow : 0;
    HandToWindow();
    return true;
}

void TopsDlg::HandToWindow()
{
    log_.well.tops.assign(tops_.begin(), tops_.begin() + count_);
    log_.well.topsChanged = true;
}

void TopsDlg::EditDepth()
{
    if (auto* edit = ControlAs<platform::SVEdit>(IDC_DEPTH))
        edit->selectAll();
    SetFocusTo(IDC_DEPTH);
}

void TopsDlg::CmSave()
{
    const bool wasEmpty = count_ == 0;
    if (wasEmpty)
        count_ = 1;  // the empty top on show becomes the first
    CollectTop();
    if (Top().depth < log_.well.file.fileTopDepth) {
        if (wasEmpty)
            count_ = 0;
        platform::MessageBeep(0);
        return;
    }
    ComputeTVD();
    CollectTop();
    if (!SaveAll())
        return;
    ShowTop();
    SetFocusTo(IDC_DEPTH);
    SendTopsCopy(TopsFilesOf(log_));
}

void TopsDlg::CmStep(bool forward)
{
    if (count_ == 0) {
        platform::MessageBeep(0);
        return;
    }
    index_ += forward ? 1 : -1;
    if (index_ >= count_ || index_ < 0) {
        index_ = index_ < 0 ? count_ - 1 : 0;
        platform::MessageBeep(0);
    }
    ShowTop();
    EditDepth();
}

void TopsDlg::CmNewTop()
{
    index_ = count_;
    ++count_;
    tops_.resize(std::size_t(count_));
    tops_[std::size_t(index_)] = wellfile::TOPSEX{};
    ShowTop();
    SetText(IDC_DEPTH, QString());
    SetFocusTo(IDC_DEPTH);
}

void TopsDlg::CmDelete()
{
    if (count_ > 1)
        tops_.erase(tops_.begin() + index_);
    count_ = std::max(count_ - 1, 0);
    if (count_ == 0)
        tops_.assign(1, wellfile::TOPSEX{});
    if (!SaveAll())
        return;
    if (index_ >= count_)
        index_ = 0;
    ShowTop();
}

void TopsDlg::CmImport()
{
    platform::Prompter* prompter = platform::services().prompter;
    if (!prompter)
        return;
    platform::FileDialogRequest request;
    request.folder = app::PlaceOf(log_).workingFolder;
    request.filter = QStringLiteral("Tops Files (*.topx)|*.topx|");
    request.defaultExt = QStringLiteral("TOPSEX");
    const std::optional<QString> chosen = prompter->OpenFileName(request);
    if (!chosen || !QFileInfo::exists(*chosen))
        return;
    TopsFiles files = TopsFilesOf(log_);
    const QString target = wellfile::TopsxFilePath(files.place, files.tops);
    // The well's tops stay until a whole copy of the chosen file takes their place.
    if (!wellfile::CopyFileReplacing(*chosen, target)) {
        platform::MessageBox(QStringLiteral("Import Failed"), target, platform::MB_OK);
        return;
    }
    std::optional<std::vector<wellfile::TOPSEX>> imported = ReadTops(target);
    if (!imported)
        return;
    for (wellfile::TOPSEX& t : *imported)
        t.tvd = 0;
    count_ = int(imported->size());
    tops_ = count_ > 0 ? *imported : std::vector<wellfile::TOPSEX>(1);
    SaveAll();
    index_ = 0;
    if (host_.rebuildMenu)
        host_.rebuildMenu();
    ShowTop();
}

void TopsDlg::CmColor()
{
    static platform::CustomColours custom{};
    platform::Prompter* prompter = platform::services().prompter;
    if (!prompter)
        return;
    if (const std::optional<platform::COLORREF> c = prompter->ChooseColor(colour_, &custom)) {
        colour_ = *c;
        Top().colour = *c;
    }
}

void TopsDlg::CmFieldTops()
{
    const bool field = !log_.well.topsInFieldFolder;
    log_.well.topsInFieldFolder = field;
    const wellfile::WellPlace place = app::PlaceOf(log_);
    auto block = std::make_unique<wellfile::SettingsBlock>();
    wellfile::LoadDbc(*block, place);
    block->fieldTopsAndPens = field ? 1 : 0;
    wellfile::SaveDbc(*block, place);
    wellfile::TopsPlace tops;
    tops.topsInFieldFolder = log_.well.sharedFolderWell && field;
    wellfile::LoadTops(place, tops, log_.well.tops);
    saved_ = true;
    if (host_.rebuildMenu)
        host_.rebuildMenu();
    if (host_.repaint)
        host_.repaint();
    EndDialog(platform::IDOK);
}

void TopsDlg::CmPrinted()
{
    const bool printed = GetCheck(IDC_PRINTED) == platform::BST_CHECKED;
    SetTextA(IDC_TEXT, PrintedMark(GetTextA(IDC_TEXT), printed));
}

void TopsDlg::CmMenuNameLeft()
{
    if (GetText(IDC_TEXT).isEmpty())
        SetTextA(IDC_TEXT, GetTextA(IDC_MENU_NAME).substr(0, kMenuNameChars));
}

void TopsDlg::CmPrint()
{
    if (GetCheck(IDC_PRINT_TO_FILE) != platform::BST_CHECKED) {
        if (host_.printTopsList)
            host_.printTopsList();
        return;
    }
    const TopsFiles files = TopsFilesOf(log_);
    const QString text = platform::JoinPath(files.place.currentFolder, files.place.wellName + "-tops.txt");
    auto header = std::make_unique<wellfile::WellHeader>();
    wellfile::ReadHeader(*header, files.place);
    if (PrintToFile(wellfile::TopsxFilePath(files.place, files.tops), text, log_.well.loggerId, *header) ==
            TopsListResult::Written &&
        host_.shellOpen)
        host_.shellOpen(text);
}

}  // namespace entry
