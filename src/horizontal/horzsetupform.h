#pragma once
// The set-up dialog's rules between the ".hor" record and its controls, as plain functions: what the
// controls show for a record, and what SAVE makes of what they hold. No widgets here.
#include "horizontal/horzsetup.h"

#include <QString>
#include <QStringList>

#include <map>

namespace horizontal {

// Control ids of the set-up dialog that the rules below name.
namespace setupid {
enum : int {
    AnchorGamma = 101, TargetGamma = 102, RegionalDip = 103, BrowseAnchor = 104, BrowseTarget = 105,
    DrawFrom = 106, EnterData = 107, DrawFrom2 = 108, GasScale = 109, GammaScale = 110, BlockedRop = 111,
    DrawRates = 112, TargetFile = 113, BrowseTargetFile = 114, AnchorKb = 115, TargetKb = 116, DrawGas = 117,
    DrawGamma = 118, GasCount = 119, DrawDescriptions = 120, DrawMemos2 = 121, GammaOnTrack = 122,
    ScaleGroup = 123, Scale1 = 124, Scale2 = 125, TopsLithology = 126, LithOverlay = 127, ImageFormat = 128,
    FillBehindGas = 129, Scale5 = 130, RateScale = 131, DrawMemos = 132, DrawShows = 133, DrawHeader = 134,
    LithOnTrack = 135, SetupColors = 136, FieldSettings = 137, EditSections = 138, LogGas = 139, LogRop = 140,
    LogGamma = 141, DrawWrtGamma = 142, FillTargetGamma = 143, LithInOrder = 144, Highlight = 145,
    CustomTracks = 146, VerticalGas = 147, MultipleGammas = 148, LithPics = 149, TextOwnTrack = 150,
    SaveViewAs = 151, ViewList = 152, Save = 153, TextBlocks = 154,
};
}

// What the open well and the window tell the dialog.
struct HorzSetupInputs {
    float kbElevation = 0;       // the well's KB; 0 = none given
    int curvesGammaScale = 0;    // the loaded curves' own gamma choice; 0 none
    int loggerProfile = 0;
    bool customTracks = false;
    bool lithPictures = false;
    bool verticalGasOption = false;
    bool drilling = false;
};

// The values the controls hold.
struct HorzSetupForm {
    QString anchorGamma, targetGamma, targetFile;
    QString regionalDip, drawFrom, anchorKb, targetKb, gasCount, highlight, textBlocks;
    int imageFormat = 0;  // list indices
    int rateIndex = 0, gasIndex = 0, gammaIndex = 0;
    int inches = 5;       // the checked scale radio: 1, 2 or 5
    std::map<int, bool> checks;  // check boxes by control id
    bool drawFromEnabled = true;
    bool kbEnabled = true;
    bool gammaOnTrackEnabled = false;
};

// The check boxes that mirror one byte of the record each.
struct ByteCheck {
    int id;
    std::uint8_t wellfile::HorzSetupRecord::*field;
};
const std::vector<ByteCheck>& ByteChecks();

// The stored path as the dialog shows it ("NOT SELECTED" for none); a path through a program or
// sharing folder is re-based onto `currentFolder`. Letter case is kept.
QString ShownPath(const char (&field)[260], const QString& currentFolder);

// A path that names a file: not empty and, upper-cased, without "NOT SELECTED".
bool PathChosen(const char (&field)[260]);

// The controls of a record as the dialog opens on it. Tidies `r` as the opening does: the counts kept in
// range, the section count found when it is 0, unused words cleared.
HorzSetupForm FormOf(wellfile::HorzSetupRecord& r, const HorzSetupInputs& in, const QString& currentFolder);

// SAVE: the controls into `r` (read again from the file first). `multipleShown` is whether the multiple
// target gamma check is offered; `viewSaved` whether a view was saved in this run.
void StoreForm(wellfile::HorzSetupRecord& r, const HorzSetupForm& f, const HorzSetupInputs& in, bool multipleShown,
               bool viewSaved);

// The view list: "default", then `names` sorted without regard to case; and the entry to select (the last
// that contains `viewName`, else 0).
QStringList ViewListOf(QStringList names);
int ViewSelection(const QStringList& list, const QString& viewName);

// A name Save View As can use: not empty, at most 29 characters, no folder separators or "..".
bool ViewNameUsable(const QString& name);

// Curve files of the well among the current folder's "*.svc" names, listed with their times: 0 below two
// files, else how many of them contain the well name and "@".
int CountTargetGammaFiles(const QStringList& listed, const QString& wellName);

}  // namespace horizontal
