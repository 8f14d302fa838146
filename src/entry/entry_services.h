#pragma once
// Manual data entry by depth. What the main window asks of this subsystem.
// Until the subsystem is built, the default services say so on stderr (commands also beep).
#include <vector>

namespace app {
struct LogState;
}
namespace wellfile {
struct RECORD;
}

namespace wellfile {
struct HTEXTEX;
}

namespace entry {

class EntryServices {
public:
    virtual ~EntryServices() = default;
    // Command 51705: rates.
    virtual void CmEnterRates(app::LogState& log) = 0;
    // Command 52697: lithology.
    virtual void CmEnterLithology(app::LogState& log) = 0;
    // Command 52696: gas.
    virtual void CmEnterGas(app::LogState& log) = 0;
    // Command 51700: shows.
    virtual void CmEnterShows(app::LogState& log) = 0;
    // Command 51923: flares.
    virtual void CmFlareData(app::LogState& log) = 0;
    // The tops dialog on the well's tops, run modally: IDOK when the tops were changed and saved.
    virtual int RunTopsDialog(app::LogState& log);
    // The "Gas Percent Values" dialog on `last`, the data file's last record, run modally.
    virtual void RunTestGasDialog(app::LogState& log, wellfile::RECORD& last);
    // The "Interval Outline" dialog (OutLineDlg, dialog 27), run modally; it reads the view's scale
    // index, which the caller keeps at 2 or below while it runs.
    virtual void RunOutLineDialog(app::LogState& log);
    // The memo dialog on memo `index` of the well's memo file (below 0: the last), run modally; the
    // window's memos are loaded again and the log repainted afterwards.
    virtual int RunMemoDialog(app::LogState& log, int index);
    // The note dialog on the horizontal view's `notes` (`count` of them, kept up to date), showing note
    // `index`, run modally. Result 1 (CLOSE): the view reads its notes again.
    virtual int RunNoteDialog(app::LogState& log, std::vector<wellfile::HTEXTEX>& notes, int index, int& count);
};

// The services in force for this subsystem.
EntryServices& DefaultEntryServices();

}  // namespace entry
