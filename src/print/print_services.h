#pragma once
// Log printing and the printed header. What the main window asks of this subsystem.
// Until the subsystem is built, the default services say so on stderr (commands also beep).
namespace app {
struct LogState;
}

namespace print {

class PrintServices {
public:
    virtual ~PrintServices() = default;
    // Command 51690: print the log.
    virtual void CmPrint(app::LogState& log) = 0;
    // Command 51695: page set-up.
    virtual void CmPageSetup(app::LogState& log) = 0;
    // Command 51685: the well header.
    virtual void CmHeader(app::LogState& log) = 0;
};

// The services in force for this subsystem.
PrintServices& DefaultPrintServices();

// The header dialog's "PRINT": the printed header alone, on one page, through the print command.
void PrintHeaderOnly(PrintServices& services, app::LogState& log);
// The tops editor's print: the list of the well's formation tops, on one page, through the print command.
void PrintTopsList(PrintServices& services, app::LogState& log);

}  // namespace print
