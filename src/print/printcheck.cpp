#include "print/printcheck.h"

namespace print {

const std::array<const char*, 7> kPrinterModels = {
    "Epson Stylus 1500", "Epson Stylus 1520", "Epson Stylus Color 1520", "Epson Stylus 1000 ESC/P 2",
    "Epson LQ-2070 Esc/P 2", "Epson LQ-1060", "Esc/P 2",
};

bool HasUsableResolution(const platform::PrinterInfo& info)
{
    return info.DeviceCaps(platform::LOGPIXELSY) >= kMinimumPrinterDpi;
}

namespace {

bool HoldsAny(const QString& text, std::initializer_list<const char*> parts)
{
    for (const char* p : parts)
        if (text.contains(QLatin1String(p), Qt::CaseSensitive))
            return true;
    return false;
}

}  // namespace

std::uint8_t CheckPrinter(const platform::PrinterInfo& info, PrintState& state)
{
    state.v305LexPrinter = false;
    state.pdfPrinter = false;

    const int r = info.DeviceCaps(platform::LOGPIXELSY);
    if (r < kMinimumPrinterDpi)
        return 0;
    const int paperInches = info.DeviceCaps(platform::PHYSICALWIDTH) / r;
    const int paperHeight = info.DeviceCaps(platform::PHYSICALHEIGHT);

    state.columnUnit = r / 10;
    state.rowHeight = state.columnUnit * 8 / 10 + (r % 10 != 0 ? 1 : 0);

    if (info.color == platform::DMCOLOR_COLOR) {
        state.colourPrinter = true;
    } else {
        state.colourPrinter = false;
        state.printInColour = false;
    }
    state.tractorFeed = info.defaultSource == platform::DMBIN_TRACTOR;
    // The copies stay as the print dialog set them.

    const QString& name = info.deviceName;
    const QString& port = info.port;
    std::uint8_t result = 0;
    const QLatin1String model(kPrinterModels[kContinuousPaperModel]);
    if (name.startsWith(model, Qt::CaseInsensitive) && port.startsWith(QLatin1String("LPT1")) && paperInches >= 11) {
        state.tractorFeed = true;
        result = 1;
    }
    if (state.tractorFeed && paperInches >= 11 && HoldsAny(name, {"Epson", "EPSON"}) && port == QLatin1String("LPT1"))
        result = 1;

    if (HoldsAny(name, {"V305", "v305", "LEX", "Lex"}))
        state.v305LexPrinter = true;
    if (HoldsAny(name, {"PDF", "pdf"}))
        state.pdfPrinter = true;
    state.pageClass = paperHeight == 3072 || paperHeight == 6144;
    state.faxPrinter = HoldsAny(name, {"fax", "FAX", "Fax"});
    return result;
}

}  // namespace print
