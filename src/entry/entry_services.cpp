#include "entry/entry_services.h"

#include "app/nowindow.h"

namespace entry {

namespace {

class Windowless final : public EntryServices {
public:
    void CmEnterRates(app::LogState&) override { app::NoWindowCommand("entry", "CmEnterRates"); }
    void CmEnterLithology(app::LogState&) override { app::NoWindowCommand("entry", "CmEnterLithology"); }
    void CmEnterGas(app::LogState&) override { app::NoWindowCommand("entry", "CmEnterGas"); }
    void CmEnterShows(app::LogState&) override { app::NoWindowCommand("entry", "CmEnterShows"); }
    void CmFlareData(app::LogState&) override { app::NoWindowCommand("entry", "CmFlareData"); }
};
}  // namespace

int EntryServices::RunTopsDialog(app::LogState&)
{
    app::NoWindowCommand("entry", "TopsDlg");
    return 2;  // IDCANCEL
}
void EntryServices::RunTestGasDialog(app::LogState&, wellfile::RECORD&) { app::NoWindowCommand("entry", "TestGasDlg"); }

void EntryServices::RunOutLineDialog(app::LogState&) { app::NoWindowCommand("entry", "OutLineDlg"); }

int EntryServices::RunMemoDialog(app::LogState&, int)
{
    app::NoWindow("entry", "MEMODLG");
    return 2;  // IDCANCEL
}

int EntryServices::RunNoteDialog(app::LogState&, std::vector<wellfile::HTEXTEX>&, int, int&)
{
    app::NoWindow("entry", "HTEXTDLG");
    return 2;  // IDCANCEL
}

EntryServices& DefaultEntryServices()
{
    static Windowless services;
    return services;
}

}  // namespace entry
