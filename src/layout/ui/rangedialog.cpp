#include "layout/ui/rangedialog.h"

#include "platform/services.h"
#include "platform/winapi.h"

#include <QKeyEvent>

namespace layout {

namespace id = rangeid;

RangeDlg::RangeDlg(QWidget* parent, QString& startText, QString& stopText, const RangeRequest& request)
    : Dialog(parent, request.caption), startText_(startText), stopText_(stopText), request_(request)
{
    BeginGrid(2);
    AddStatic(id::StartLabel, QStringLiteral("Start"));
    AddEdit(id::Start, 11, 10);
    AddStatic(id::ToLabel, QStringLiteral("To"));
    SkipCell();
    AddStatic(id::StopLabel, QStringLiteral("Stop"));
    AddEdit(id::Stop, 11, 10);
    EndGrid();
    NewRow();
    AddCheck(id::LasVer3, QStringLiteral("LAS Ver 3 (includes descriptions)"));
    NewRow();
    AddCheck(id::TabDelimiter, QStringLiteral("Use Tab Delimiter ( comma is default)"));
    NewRow();
    AddCheck(id::Ppm, QStringLiteral("PPM"));
    NewRow();
    AddButton(id::Advanced, QStringLiteral("Advanced"));
    AddOkCancel();
    Show(id::TabDelimiter, false);  // shown by "LAS Ver 3"
    // The dialogs' edits move on to the next field with Enter; here it answers the box.
    for (int edit : {id::Start, id::Stop})
        Control(edit)->installEventFilter(this);

    On(id::LasVer3, platform::BN_CLICKED, [this] {
        Show(id::TabDelimiter, true);
        SetCheck(id::TabDelimiter, platform::BST_CHECKED);
    });
    On(id::Advanced, platform::BN_CLICKED, [this] {
        if (advanced)
            advanced();
    });
}

void RangeDlg::SetupWindow()
{
    SetText(id::StartLabel, request_.startLabel);
    SetText(id::ToLabel, request_.toLabel);
    SetText(id::StopLabel, request_.stopLabel);
    SetText(id::Start, startText_);
    SetText(id::Stop, stopText_);
    Show(id::Advanced, false);
    Show(id::LasVer3, false);
    if (request_.loggerId == 134) {
        SetCheck(id::Ppm, platform::BST_CHECKED);
        Enable(id::Ppm, false);
    }
}

bool RangeDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Click(platform::IDOK);
            return true;
        }
    }
    return Dialog::eventFilter(watched, event);
}

bool RangeDlg::CanClose()
{
    // A text that is no whole number lies inside no range.
    bool startOk = false, stopOk = false;
    const int start = GetInt(id::Start, &startOk);
    const int stop = GetInt(id::Stop, &stopOk);
    const std::int32_t lo = request_.lowest, hi = request_.highest;
    if (!startOk || (lo > 0 && (start < lo || (hi >= 1 && start >= hi)))) {
        platform::MessageBox(QStringLiteral("Start Value out of Range"), QStringLiteral("Error"), platform::MB_OK);
        SetFocusTo(id::Start);
        return false;
    }
    if (!stopOk || (hi >= 1 && (stop > hi || stop <= lo))) {
        platform::MessageBox(QStringLiteral("End Value out of Range"), QStringLiteral("Error"), platform::MB_OK);
        SetFocusTo(id::Stop);
        return false;
    }
    startText_ = GetText(id::Start);
    stopText_ = GetText(id::Stop);
    if (!Control(id::LasVer3)->isHidden()) {
        if (request_.lasVersion3)
            *request_.lasVersion3 = GetCheck(id::LasVer3);
        if (request_.tabDelimiter)
            *request_.tabDelimiter = GetCheck(id::TabDelimiter);
    }
    if (request_.ppm)
        *request_.ppm = GetCheck(id::Ppm);
    return true;
}

}  // namespace layout
