#pragma once
// The entry services of a main window: the four entry commands run their one command path
// (entry/entrycommand.h) with this window's text views, input box and paint, and open their dialogs with
// the window as parent; the flare command likewise with its own dialog.
#include "entry/entry_services.h"

#include <QPointer>
#include <QWidget>

namespace entry { enum class EntryKind; }

namespace shell {

class EntryWindowServices final : public entry::EntryServices {
public:
    EntryWindowServices(QWidget* window, entry::EntryServices& rest);

    void CmEnterRates(app::LogState& log) override;
    void CmEnterLithology(app::LogState& log) override;
    void CmEnterGas(app::LogState& log) override;
    void CmEnterShows(app::LogState& log) override;
    void CmFlareData(app::LogState& log) override;
    // The test-gas and outline dialogs (valuedialogservices.cpp).
    void RunTestGasDialog(app::LogState& log, wellfile::RECORD& last) override;
    void RunOutLineDialog(app::LogState& log) override;
    // The memo and note dialogs (notedialogservices.cpp).
    int RunMemoDialog(app::LogState& log, int index) override;
    int RunNoteDialog(app::LogState& log, std::vector<wellfile::HTEXTEX>& notes, int index, int& count) override;
    // The tops editor (topsdialogservices.cpp): IDOK when it wrote tops or was closed with Close.
    int RunTopsDialog(app::LogState& log) override;

private:
    void Run(app::LogState& log, entry::EntryKind kind);

    QPointer<QWidget> window_;
    entry::EntryServices& rest_;
};

}  // namespace shell
