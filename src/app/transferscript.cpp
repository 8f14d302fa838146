#include "app/transferscript.h"

#include "app/wellsettings.h"
#include "app/wellstate.h"
#include "platform/text.h"

#include <algorithm>

namespace app {

std::string TransferScriptName(std::string_view text)
{
    const std::string_view word = text.substr(0, std::min(text.find(' '), std::string_view::size_type(5)));
    return word.empty() ? std::string() : std::string(word) + ".jfw";
}

bool SetTransferScript(WellState& well, std::string_view text)
{
    const std::string name = TransferScriptName(text);
    if (name.empty())
        return false;
    const auto saved = UpdateWellConfig(well, [&name](wellfile::WellConfig& config) {
        platform::SetFieldText(config.transferScript, name);
        return true;
    });
    if (!saved)
        return false;
    platform::SetFieldText(well.config.transferScript, name);
    return true;
}

}  // namespace app
