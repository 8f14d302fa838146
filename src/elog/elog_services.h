#pragma once
// E-log curves, LAS export and log images. What the main window asks of this subsystem.
// Until the subsystem is built, the default services say so on stderr (commands also beep).
namespace app {
struct LogState;
}

namespace elog {

class ElogServices {
public:
    virtual ~ElogServices() = default;
    // Command 18933: the log saved as an image.
    virtual void CmSaveAsImage(app::LogState& log) = 0;
    // Command 51684: LAS export.
    virtual void CreateLasFile(app::LogState& log) = 0;
};

// The services in force for this subsystem.
ElogServices& DefaultElogServices();

}  // namespace elog
