#pragma once
// CUSTLASDLG (resource 36, "Strativ Custom LAS "): the curve groups of the custom LAS file, shown from
// the range dialog's "Advanced" button. Nothing of it is stored: the export writes its fixed selection.
#include "platform/ui/dialog.h"

namespace elog {

namespace custlasid {
constexpr int Lithology = 101, BasicMudlog = 102, Items = 103;
}

class CUSTLASDLG : public platform::Dialog {
public:
    explicit CUSTLASDLG(QWidget* parent);
};

}  // namespace elog
