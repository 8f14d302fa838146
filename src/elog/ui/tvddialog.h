#pragma once
// TvdDlg ("TVD WELL DATA", resource 24): survey stations typed in by MD, stored in the depth record of
// their MD (survey mode) and noted as a survey memo on the log (both modes); from the stations it
// builds the TVD well (elog/tvdfile.h) and extends it with every later station while its TVD log is
// active. Works on the caller's copy of the records (every record of the file and ten zeroed ones).
#include "elog/survey.h"
#include "elog/tvdfile.h"
#include "platform/ui/dialog.h"
#include "wellfile/record.h"

#include <span>
#include <vector>

namespace app {
struct LogState;
}

namespace elog {

namespace tvdid {
constexpr int Done = 1, Save = 101, Md = 102, Tvd = 103, List = 104, Azm = 105, MdLabel = 106, TvdLabel = 107,
              Incl = 108, VertSect = 109, Info = 110, DogLeg = 111, DogLegLabel = 112, Delete = 113,
              CopyDescriptions = 114, CreateLog = 118, InclLabel = 120, AzmLabel = 121, EnterValues = 123,
              VertSectLabel = 124;
}  // namespace tvdid

constexpr int kTvdMemoMode = 0;
constexpr int kTvdSurveyMode = 1;

class TvdDlg : public platform::Dialog {
public:
    TvdDlg(QWidget* parent, app::LogState& log, TvdFile& file, std::span<wellfile::RECORD> records, int mode);

    // Builds the TVD log from the stored stations at once, never shown; true when it was built.
    bool CreateTvdLog();

    void CmSave();
    void CmDelete();
    void CmCreateTvdLog();
    bool BuildTvdFile();
    void UpdateTvdFile(float md, float tvd);
    bool SaveSurvey(std::int32_t md, const SurveyValues& v);

protected:
    void SetupWindow() override;

private:
    void LbnSelChangeList();
    void EndMaxInclination(bool checked);
    void CopyWellFiles();
    void EmptyEdits();
    float Value(int id) const;
    std::int32_t RecordIndex(std::int32_t md) const;

    app::LogState& log_;
    TvdFile& file_;
    std::span<wellfile::RECORD> records_;
    int selected_ = -1;  // the list line the user chose since the last SAVE; -1: none
    QString tvdPath_;
    int stationCount_ = 0;
    bool newBuild_ = false;
    bool logActive_ = false;
    int mode_;
    TvdInterval interval_;
    std::vector<TvdInterval> stations_;
    float lastTvd_ = 0;
    float lastVerticalSection_ = 0;
    bool listQuiet_ = false;  // the program changes the list: no selection handling
};

}  // namespace elog
