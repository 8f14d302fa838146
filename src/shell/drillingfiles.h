#pragma once
// The well's files that a drilling step has written, as the window's services in force answer them:
// copies out, the update package, the dated backup, the custom LAS export and the date memo.
#include "drilling/drillinghost.h"
#include "shell/neighbours.h"

namespace shell {

class DrillingFiles final : public drilling::WellFileWork {
public:
    // All three belong to the window and outlive this object.
    DrillingFiles(app::LogState& log, const Neighbours& neighbours, const app::WellServices& wellServices)
        : log_(log), neighbours_(neighbours), wellServices_(wellServices) {}

    // The well's file of that extension copied out (the window's copy-out).
    void CopyWellFileOut(const QString& extension) override;
    void BuildUpdatePackage() override;
    bool BackupData() override;
    void ExportCustomLas(std::int32_t first, std::int32_t last) override;
    // A memo of its own (the date at a day change): a memo being edited keeps its place and its text.
    void AddMemo(const QString& text, int x, std::int32_t depth) override;

private:
    app::LogState& log_;
    const Neighbours& neighbours_;
    const app::WellServices& wellServices_;
};

}  // namespace shell
