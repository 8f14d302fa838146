// The frame the station sends back to the rig: the lag depth and the total gas the mud logger measures,
// for one logging company also the bit depth and the chromatograph components.
#include "wits/wits.h"

#include "drilling/driller.h"
#include "gasmon/autogas.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/openwell.h"
#include "wits/sidefiles.h"

namespace wits {

namespace {

constexpr int kGasAlwaysProfile = 88;
constexpr int kFullFrameProfile = 134;
constexpr std::string_view kLineEnd = "\r\n";

// Scale mode 1 takes gas in hundredths.
double Scaled(float gas, bool scaled) { return scaled ? double(gas * 0.01f) : double(gas); }

}  // namespace

std::string Wits::BuildOutputFrame()
{
    const bool scaled = gasSettings_.pasonFeed == 1;
    const bool trafficLog = host.Link().trafficLog;
    const QString& folder = host.Well().dataFolder;
    std::string frame = "&&\r\n";
    if (!host.SendGas() && host.Profile() != kGasAlwaysProfile) {
        frame += "12120\r\n!!\r\n";
        if (trafficLog)
            LogTraffic(folder, platform::LocalTime(), frame + "-OUT-Not sending gas int this mode", true);
        return frame;
    }

    const float lagDepth = host.Driller() ? host.Driller()->LagDepth() : 0.0f;
    frame += platform::CFormat("0139%4.2f", double(lagDepth));
    frame += kLineEnd;
    std::string totalGas;
    if (host.CustomLinkGas())
        totalGas = platform::CFormat("%.2f", Scaled(host.Link().customLinkTotalGas, scaled));
    else if (host.Gas())
        totalGas = scaled ? platform::CFormat("%.2f", Scaled(host.Gas()->Readings().currentTotalGas, true))
                          : platform::CFormat("%d", TruncInt(host.Gas()->Readings().currentTotalGas));
    else if (host.GasMonitorType() == 10 || host.GasMonitorType() == 11)
        totalGas = platform::CFormat("%.2f", Scaled(gas_.gasValues[0], scaled));
    else
        totalGas = "1";
    frame += "0140" + totalGas;
    frame += kLineEnd;

    if (host.Profile() == kFullFrameProfile) {
        frame += platform::CFormat("0108%d", host.Well().fileBottomDepth);
        frame += kLineEnd;
        frame += platform::CFormat("0139%d", TruncInt(lagDepth));
        frame += kLineEnd;
        for (int i = 0; i < kComponentCount; ++i) {
            frame += platform::CFormat("%d%d", 1212 + i, TruncInt(gas_.componentsToSend[std::size_t(i)]));
            frame += kLineEnd;
        }
    }
    frame += "!!\r\n";
    if (trafficLog)
        LogTraffic(folder, platform::LocalTime(), frame + "-OUT-", true);
    return frame;
}

}  // namespace wits
