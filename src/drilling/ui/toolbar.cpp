#include "drilling/ui/toolbar.h"

#include "app/logstate.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"

#include <QLayout>

namespace drilling {

namespace {

LogTime* TimeOf(app::LogState& log)
{
    Driller* d = log.engines.driller;
    return d ? d->Time() : nullptr;
}

}  // namespace

TOOLBAR::TOOLBAR(QWidget* parent, app::LogState& log, std::function<void()> focusBack)
    : Dialog(parent, QStringLiteral("Drilling Status")), log_(log), focusBack_(std::move(focusBack))
{
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint);
    AddButton(ID_BOTTOM, QStringLiteral("On Bottom"));
    AddButton(ID_PUMP, QStringLiteral("Pump On"));
    if (QLayout* l = layout()) {
        l->setContentsMargins(2, 2, 2, 2);
        l->setSpacing(2);
        l->setSizeConstraint(QLayout::SetNoConstraint);
    }
    setMinimumSize(0, 0);
    NeverTakeFocus();  // keys go on reaching the log
    On(ID_BOTTOM, platform::BN_CLICKED, [this] { CmBottom(); });
    On(ID_PUMP, platform::BN_CLICKED, [this] { CmPump(); });
}

void TOOLBAR::Texts(bool offBottom, bool circulating)
{
    SetText(ID_BOTTOM, offBottom ? QStringLiteral("Off Bottom") : QStringLiteral("On Bottom"));
    SetText(ID_PUMP, !offBottom || circulating ? QStringLiteral("Pump On") : QStringLiteral("Pump Off"));
}

void TOOLBAR::SetupWindow()
{
    const Driller* d = log_.engines.driller;
    const LogTime* t = TimeOf(log_);
    const bool offBottom = t && t->offBottom, circulating = t && t->circulating;
    const bool both = d && d->Setup().switchPolarity == 2;
    Enable(ID_BOTTOM, both);
    Enable(ID_PUMP, both);
    Texts(offBottom, circulating);
    setWindowTitle(QStringLiteral("Drilling Status"));
}

void TOOLBAR::ShowStatus(bool offBottom, bool circulating, int polarity)
{
    Enable(ID_BOTTOM, polarity == 2);
    Enable(ID_PUMP, polarity == 2 || offBottom);
    Texts(offBottom, circulating);
}

void TOOLBAR::CmBottom()
{
    if (LogTime* t = TimeOf(log_)) {
        if (!t->offBottom)
            t->GoOffBottom();
        else
            t->GoOnBottom();
        Texts(t->offBottom != 0, t->circulating != 0);
    }
    if (focusBack_)
        focusBack_();
}

void TOOLBAR::CmPump()
{
    if (LogTime* t = TimeOf(log_)) {
        if (!t->offBottom)
            t->GoOffBottom();
        if (!t->circulating)
            t->circulating = 1;
        else if (!t->strokes)
            t->ClearCirculating();
        Texts(t->offBottom != 0, t->circulating != 0);
    }
    if (focusBack_)
        focusBack_();
}

}  // namespace drilling
