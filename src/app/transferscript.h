#pragma once
// The transfer script of a well: the script the send station runs for the well's client, named after
// the first word of a text (the header's company), kept in the well's settings record.
#include <string>
#include <string_view>

namespace app {

struct WellState;

// The first word of `text` (up to the first blank, at most 5 characters) + ".jfw"; empty when the text
// starts with no word.
std::string TransferScriptName(std::string_view text);

// Names the well's transfer script after `text`, in the well's settings as the window holds them and in
// the stored record; false when the text gives no name or the record could not be read or written (the
// window's copy then stays).
bool SetTransferScript(WellState& well, std::string_view text);

}  // namespace app
