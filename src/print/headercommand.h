#pragma once
// The work behind "&Header...": what the window must allow, what the header dialog reads of the window,
// and what its "SAVE" and "PRINT" do with the header and the window once the fields are typed.
#include "print/headertransfer.h"
#include "wellfile/wellheader.h"

namespace app {
struct LogState;
}

namespace print {

// A view function, a log image export or the image view holds the window: "&Header..." only beeps.
bool HeaderCommandBusy(const app::LogState& log);

// What the dialog's copies read of the window.
HeaderDialogContext HeaderDialogContextOf(const app::LogState& log);

// "SAVE": the typed fields into `header`, its operator code 0, the header written; then the window takes
// its titles, customer flag and both KB elevations and redraws the log, and while drilling the header goes
// to "sendfile/" (profile 2 without a transfer script also names it after the company). A header that
// cannot be written is reported and leaves the window as it was: false.
bool SaveHeaderFromDialog(app::LogState& log, wellfile::WellHeader& header, const HeaderTransfer& typed);

// "PRINT"'s part before the print: the typed fields into `header` and the header written, the window's
// titles, customer flag and e-log KB elevation taken from it, and its narrow-format flag from the box
// (always on with the alternate header layout). False, with nothing to print, when the write failed.
bool StoreHeaderForPrint(app::LogState& log, wellfile::WellHeader& header, const HeaderTransfer& typed);

}  // namespace print
