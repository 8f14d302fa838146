#include "entry/entry_services.h"

#include "app/notbuilt.h"

namespace entry {

namespace {

class NotBuilt final : public EntryServices {
public:
    void CmEnterRates(app::LogState&) override { app::NotBuiltCommand("entry", "CmEnterRates"); }
    void CmEnterLithology(app::LogState&) override { app::NotBuiltCommand("entry", "CmEnterLithology"); }
    void CmEnterGas(app::LogState&) override { app::NotBuiltCommand("entry", "CmEnterGas"); }
    void CmEnterShows(app::LogState&) override { app::NotBuiltCommand("entry", "CmEnterShows"); }
    void CmFlareData(app::LogState&) override { app::NotBuiltCommand("entry", "CmFlareData"); }
};
}  // namespace

int EntryServices::RunTopsDialog(app::LogState&)
{
    app::NotBuiltCommand("entry", "TopsDlg");
    return 2;  // IDCANCEL
}
void EntryServices::RunTestGasDialog(app::LogState&, wellfile::RECORD&) { app::NotBuiltCommand("entry", "TestGasDlg"); }

void EntryServices::RunOutLineDialog(app::LogState&) { app::NotBuiltCommand("entry", "OutLineDlg"); }

int EntryServices::RunMemoDialog(app::LogState&, int)
{
    app::NotBuilt("entry", "MEMODLG");
    return 2;  // IDCANCEL
}

int EntryServices::RunNoteDialog(app::LogState&, std::vector<wellfile::HTEXTEX>&, int, int&)
{
    app::NotBuilt("entry", "HTEXTDLG");
    return 2;  // IDCANCEL
}

EntryServices& DefaultEntryServices()
{
    static NotBuilt services;
    return services;
}

}  // namespace entry
