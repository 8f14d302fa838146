#pragma once
// ImportDlg (resource 11, "STRATIV ELOG IMPORT", in mudlog mode "IMPORT LAS LOG DATA"): maps the lines of a LAS file's ~Curve list onto the
// import's targets. Line n of the list (comment lines left out) is data column n; ADD writes that
// column into the column map at the chosen target, Remove clears it again. The fields of the interval
// and the KB go back into the header on Import.
#include "elog/elog_services.h"
#include "platform/ui/dialog.h"

#include <QStringList>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace elog {

namespace importid {
constexpr int Source = 2012, Destination = 106, Browse = 107, Available = 102, ImportAs = 101, Add = 104,
              Remove = 105, Mappings = 103, Interval = 2013, From = 109, To = 111, Kb = 108, SwNote = 110,
              LoadLasD = 112, LoadLasA = 113, ReplaceGamma = 114, ImportAsTvd = 115;
}

// The targets of the e-log import, in "Import As.." order (target n = entry n).
const QStringList& ElogImportTargets();

// What the dialog is given besides its files.
struct ImportDlgSetup {
    QString source;           // the LAS file
    QString destination;      // shown in field 106
    QString dataFolder;       // the TVD file name starts with it
    QString wellName;
    std::string_view curveList;  // the ~Curve lines of the file
    int mode = kImportCurves;
    QStringList targets;      // "Import As.." entries; empty: the e-log targets
    bool presets = false;     // the extended-data option with drilling mode: Load LAS D / A shown
    LasHeader* header = nullptr;  // null: no header ("NA")
};

class ImportDlg : public platform::Dialog {
public:
    // `columnMap` holds one int32 a target (entry 0 unused).
    ImportDlg(QWidget* parent, const ImportDlgSetup& setup, std::span<std::int32_t> columnMap);

    QString destination;  // field 106 after Import, ".svm" added when it has no "."

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    void EvAvailableChange();
    void EvImportAsChange();
    void CmAdd();
    void CmRemove();
    void CmImportAsTvd();

public:
    // The preset maps of the spectrometer's files (Load LAS D, Load LAS A): the map replaced, one
    // mapping row for each column set.
    void LoadLasDMap();
    void LoadLasAMap();

private:
    void ShowPreset();

    ImportDlgSetup setup_;
    std::span<std::int32_t> map_;
    std::vector<int> rowTarget_;  // target of each mapping row
    int available_ = -1;
    QString availableText_;
    int target_ = 0;
    QString targetText_;
    int tvdLine_ = 0;
    bool preset_ = false;
};

}  // namespace elog
