#pragma once
// ImageDlg (resource 61, "Strativ Save As Image"): the type, colours and compression of a log image and
// the 300-dpi choice. A type other than "tif" saves uncompressed.
#include "platform/ui/dialog.h"

#include <cstdint>

namespace elog {

namespace imageid {
constexpr int Type = 101, Colours = 102, Colour = 103, Grey = 104, Dpi300 = 105, Compression = 106;
constexpr int Lzw = 107, NoCompression = 108, Resolution = 109, Res25 = 110, Res5 = 111, BlackWhite = 112;
}  // namespace imageid

// What OK hands back: the type text, the format index, the colour mode (1 colour, 2 grey, 3 black and
// white; left as it was when no radio is checked), the compression (1 LZW/G4), the resolution (0) and the
// 300-dpi choice.
struct ImageChoice {
    QString type;
    std::int32_t format = 2;
    std::int32_t colours = 1;
    std::int32_t compression = 0;
    std::int32_t resolution = 0;
    bool dpi300 = false;
    QString folder;  // where the files are saved, said in the dialog's text
};

class ImageDlg : public platform::Dialog {
public:
    ImageDlg(QWidget* parent, ImageChoice& choice);

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    void TypeChanged();
    ImageChoice& choice_;
};

}  // namespace elog
