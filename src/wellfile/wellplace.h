#pragma once
// Where the open well's settings files live and the mode they are read in: the part of the main
// window's state that the settings loaders and savers need, handed to them explicitly.
#include <QString>

namespace wellfile {

struct WellPlace {
    QString dataFolder;     // the field folder of the wells (documents or install folder)
    QString currentFolder;  // the local folder: the folder of the open data file
    QString workingFolder;  // stands in for the process's working folder (the data folder after file dialogs)
    QString wellName;       // the open file's name without folder and extension; empty when no well is open
    bool drilling = false;
    bool sharedFolderWell = false;  // the file lies in a shared ("DROPBOX") folder
};

}  // namespace wellfile
