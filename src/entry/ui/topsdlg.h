#pragma once
// The formation tops editor (dialog resource 3, "STRATIV EDIT TOPS"): the well's tops one at a time,
// edited in a copy of the window's tops. Save and Delete write the tops at once and hand them to the
// window; "Use Field Tops" / "Use Local Tops" switches the folder the tops are read from and closes.
#include "entry/topsedit.h"
#include "platform/ui/dialog.h"

#include <functional>
#include <vector>

namespace app {
struct LogState;
}

namespace entry {

// What the editor asks of the window it edits the tops of.
struct TopsDlgHost {
    std::function<void()> rebuildMenu;
    std::function<void()> repaint;
    std::function<void()> writeMemoLabels;  // the slot labels over the log
    std::function<void()> printTopsList;    // the log print command as a tops list
    std::function<void(const QString& path)> shellOpen;
};

// The editor's files of the window's open well.
TopsFiles TopsFilesOf(const app::LogState& log);

class TopsDlg final : public platform::Dialog {
    Q_OBJECT
public:
    enum : int {
        IDC_MENU_NAME = 101,
        IDC_DEPTH = 102,
        IDC_TEXT = 103,
        IDC_SAVE = 104,
        IDC_NEXT = 105,
        IDC_PREVIOUS = 106,
        IDC_APPEND_SUBSEA = 107,
        IDC_NUMBER = 108,
        IDC_LOCATION = 109,
        IDC_NEW = 110,
        IDC_DELETE = 111,
        IDC_IMPORT = 112,
        IDC_DRAW_HORIZONTAL = 113,
        IDC_TVD = 114,
        IDC_PRINT = 115,
        IDC_PRINTED = 116,
        IDC_COLOR = 117,
        IDC_TARGET_WIDTH = 118,
        IDC_FIELD_TOPS = 119,
        IDC_TARGET_LABEL = 120,
        IDC_VERBOSE = 121,
        IDC_PRINT_TO_FILE = 122,
        IDC_RECTANGLE = 123,
    };

    TopsDlg(QWidget* parent, app::LogState& log, TopsDlgHost host);

    // True once tops were written (the window's menu and log then need bringing up to date).
    bool Saved() const { return saved_; }
    int Index() const { return index_; }
    int Count() const { return count_; }

protected:
    void SetupWindow() override;

private:
    void ShowTop();
    void CollectTop();
    void ComputeTVD();
    bool SaveAll();
    void HandToWindow();
    void EditDepth();
    wellfile::TOPSEX& Top() { return tops_[std::size_t(index_)]; }

    void CmSave();
    void CmStep(bool forward);
    void CmNewTop();
    void CmDelete();
    void CmImport();
    void CmColor();
    void CmFieldTops();
    void CmPrinted();
    void CmMenuNameLeft();
    void CmPrint();

    app::LogState& log_;
    TopsDlgHost host_;
    std::vector<wellfile::TOPSEX> tops_;  // never empty: without tops, one empty top (count 0)
    int count_ = 0;
    int index_ = 0;
    std::uint32_t colour_ = 0;
    bool saved_ = false;
};

}  // namespace entry
