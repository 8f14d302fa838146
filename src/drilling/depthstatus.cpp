// The depth and rate texts of the drilling status band.
#include "drilling/driller.h"

namespace drilling {

void Driller::ShowDepthStatus()
{
    const DrillingWindow w = Window();
    const std::int32_t bottom = Well().fileBottomDepth;
    QString text = w.metric ? QString::asprintf("Depth: %7.1f ", double(bottom) + (halfStepToggle ? 0.5 : 0.0))
                            : QString::asprintf("Depth: %5d ", bottom);
    const bool udp = w.gasInstrumentType == 9 && !w.witsLinkOn;
    if ((w.witsLinkOn && depthFromWits) || w.customLinkDepth || udp) {
        text += udp && !depthFromWits ? QString::asprintf("  UDP: %5.2f ", double(w.witsHoleDepth))
                                      : QString::asprintf("  Wits: %5.2f  ", double(w.witsHoleDepth));
        if (w.metric)
            text += QStringLiteral(" meters ");
        if (w.unmanned)
            text += QStringLiteral("  Unmanned Mode");
    }
    StatusCanvas& canvas = Canvas();
    canvas.Text(int(w.unitWidth * 1.4), 3 * w.rowHeight, text, TextAlign::BottomLeft, FontRole::Status, kBlack, kWhite);
    canvas.Text(int(w.rowHeight * 1.5), int(w.rowHeight * 7.6), QString::asprintf("M / Hr: %3d  ", rate),
                TextAlign::BottomLeft, FontRole::Status, kBlack, kWhite);
}

}  // namespace drilling
