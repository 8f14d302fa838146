#pragma once
// The tool windows and child windows of the main window. Each is null while it is closed; the guarded
// pointers clear themselves when a window goes away on its own.
#include "wellfile/record.h"

#include <QPointer>
#include <QWidget>

#include <vector>

namespace shell {

struct ToolWindows {
    QPointer<QWidget> quickBar;  // the quick view bar
    QPointer<QWidget> liveBar;   // the bar of shared wells, while the live view is on
    QPointer<QWidget> horzView;  // the horizontal-well view
    QPointer<QWidget> gasChart;  // the real-time gas chart
    QPointer<QWidget> witsChart;
    QPointer<QWidget> readoutA;  // read-out windows of the log
    QPointer<QWidget> readoutB;
    QPointer<QWidget> elogReadout;
    QPointer<QWidget> depthScrollBar;
    QPointer<QWidget> memoEdit;        // the open memo edit box
    QPointer<QWidget> dataAsText;      // the data file, the e-log and the lag list shown as text
    QPointer<QWidget> elogAsText;
    QPointer<QWidget> lagList;
    QPointer<QWidget> helpWindow;  // the open help text window (HelpDlg), shared by its openers
    QPointer<QWidget> lithologyHelp;  // the lithology entry's help window, left open by the entry
    // The records the data-as-text window was opened on (room for 101); freed when the text windows close.
    std::vector<wellfile::RECORD> textRecords;
};

}  // namespace shell
