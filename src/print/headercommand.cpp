#include "print/headercommand.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "app/transferscript.h"
#include "drilling/welltitle.h"
#include "platform/services.h"
#include "platform/text.h"
#include "print/sendheadercopy.h"
#include "wellfile/depthcorrection.h"

namespace print {

namespace {

// The typed fields into the header and the header written; a failed write is said with the file's path.
bool WriteTyped(app::LogState& log, wellfile::WellHeader& header, const HeaderTransfer& typed, bool ownHeader)
{
    FieldsToHeader(header, typed, HeaderDialogContextOf(log));
    if (ownHeader)
        header.operatorCode = 0;
    if (WriteWellHeader(log, header))
        return true;
    platform::MessageBox(wellfile::HeaderFilePath(app::PlaceOf(log)) + QStringLiteral("\nThe header could not be written"),
                         QStringLiteral("File Error"), platform::MB_OK | platform::MB_ICONERROR);
    return false;
}

// What the window shows of the header: its titles, the customer flag and the e-log KB elevation.
void TakeTitles(app::LogState& log, const wellfile::WellHeader& header)
{
    log.well.header = header;
    log.well.wellTitle = platform::FieldText(header.well);
    log.well.wellCompany = platform::FieldText(header.company);
    log.well.companyFlag = drilling::FlaggedCompany(log.well.wellCompany);
    log.depthMatch.elogKbElevation = wellfile::KbElevationFromText(header.elogKb, sizeof header.elogKb);
    log.view.redrawPending = true;  // the title band is part of the rendered log
    log.view.Invalidate();
}

}  // namespace

bool HeaderCommandBusy(const app::LogState& log)
{
    return log.interaction.commandLock || log.scroll.renderingImage || log.view.logImageMode;
}

HeaderDialogContext HeaderDialogContextOf(const app::LogState& log)
{
    HeaderDialogContext c;
    c.wellName = log.well.file.wellName;
    c.profile = log.well.loggerId;
    c.secondProfile = log.well.secondProfile;
    c.alternateHeader = log.print.profileOptions.alternateHeader;
    c.narrowFormat = log.print.narrowFormat;
    return c;
}

bool SaveHeaderFromDialog(app::LogState& log, wellfile::WellHeader& header, const HeaderTransfer& typed)
{
    if (!WriteTyped(log, header, typed, true))
        return false;
    log.well.kbElevation = wellfile::KbElevationFromText(header.kellyBushing, sizeof header.kellyBushing);
    TakeTitles(log, header);
    if (log.well.file.drilling) {
        if (log.well.loggerId == 2 && platform::FieldText(log.well.config.transferScript).empty())
            app::SetTransferScript(log.well, platform::FieldText(header.company));
        CopyHeaderToSendFolder(app::PlaceOf(log));
    }
    return true;
}

bool StoreHeaderForPrint(app::LogState& log, wellfile::WellHeader& header, const HeaderTransfer& typed)
{
    if (!WriteTyped(log, header, typed, false))
        return false;
    TakeTitles(log, header);
    log.print.narrowFormat = typed.narrowFormat != 0 || log.print.profileOptions.alternateHeader;
    return true;
}

}  // namespace print
