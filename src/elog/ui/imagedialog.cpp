#include "elog/ui/imagedialog.h"

#include "elog/draw/imageexport.h"
#include "platform/winapi.h"

namespace elog {

namespace id = imageid;
using platform::BST_CHECKED;
using platform::BST_UNCHECKED;

ImageDlg::ImageDlg(QWidget* parent, ImageChoice& choice) : Dialog(parent, QStringLiteral("Strativ Save As Image")), choice_(choice)
{
    AddStatic(platform::IDC_STATIC,
              QStringLiteral("After selecting file type, you will be prompted for an interval. BMP, TIF, and PNG files "
                             "have no limit on length, and will be saved in one file. Tif files are single page files. "
                             "A JPG file holds at most the last %1 meters of the interval, and JPG and GIF files at "
                             "most %2 pixels in height: a longer interval starts lower. Files will be saved to %3, "
                             "additionally,  A Save As dialog will open after files are created allowing you to save to "
                             "a location of your choice. Long files may take up to a minute to create on some machines.")
                  .arg(kJpegSpan)
                  .arg(kTallestImage)
                  .arg(choice.folder))
        ->setWordWrap(true);
    NewRow();
    AddStatic(platform::IDC_STATIC, QStringLiteral("Select Type"));
    AddStatic(platform::IDC_STATIC, QStringLiteral("Image Type"));
    AddCombo(id::Type);
    NewRow();
    BeginGroup(id::Colours, QStringLiteral("Color"));
    AddRadio(id::Colour, QStringLiteral("Color"), true);
    AddRadio(id::Grey, QStringLiteral("Gray Scale"));
    AddRadio(id::BlackWhite, QStringLiteral("Black and White"));
    EndGroup();
    BeginGroup(id::Compression, QStringLiteral("Compression"));
    AddRadio(id::Lzw, QStringLiteral("LZW or  ( G4 for B&W )"), true);
    AddRadio(id::NoCompression, QStringLiteral("No Compression"));
    EndGroup();
    NewRow();
    BeginGroup(id::Resolution, QStringLiteral("Vertical Resolution"));
    AddRadio(id::Res25, QStringLiteral("2.5 in/100 ft"), true);
    AddRadio(id::Res5, QStringLiteral("5 in/100 ft"));
    EndGroup();
    NewRow();
    AddCheck(id::Dpi300, QStringLiteral("Scale to 300 dpi for printing"));
    AddOkCancel();
    On(id::Type, platform::CBN_SELCHANGE, [this] { TypeChanged(); });
}

void ImageDlg::SetupWindow()
{
    for (int i = 0; i < kImageFormats; ++i)
        AddString(id::Type, ImageTypeText(i));
    SetSelIndex(id::Type, IMAGE_TIF);
    SetCheck(id::Colour, BST_CHECKED);
    SetCheck(id::NoCompression, BST_CHECKED);
    SetCheck(id::Res5, BST_CHECKED);
    for (int r : {id::Res25, id::Res5}) {
        Enable(r, false);
        Show(r, false);
    }
    Show(id::Resolution, false);
}

void ImageDlg::TypeChanged()
{
    if (GetSelIndex(id::Type) == IMAGE_TIF) {
        Enable(id::Lzw, true);
        SetCheck(id::NoCompression, BST_UNCHECKED);
        SetCheck(id::Lzw, BST_CHECKED);
        return;
    }
    SetCheck(id::Lzw, BST_UNCHECKED);
    SetCheck(id::NoCompression, BST_CHECKED);
    Enable(id::Lzw, false);
}

bool ImageDlg::CanClose()
{
    choice_.dpi300 = GetCheck(id::Dpi300) == BST_CHECKED;
    const int format = GetSelIndex(id::Type);
    choice_.format = format >= 0 ? format : IMAGE_TIF;
    choice_.type = ImageTypeText(choice_.format);
    if (GetCheck(id::Colour) == BST_CHECKED)
        choice_.colours = IMAGE_COLOUR;
    else if (GetCheck(id::Grey) == BST_CHECKED)
        choice_.colours = IMAGE_GREY;
    else if (GetCheck(id::BlackWhite) == BST_CHECKED)
        choice_.colours = IMAGE_BLACK_WHITE;
    choice_.compression = GetCheck(id::Lzw) == BST_CHECKED && choice_.format == IMAGE_TIF ? 1 : 0;
    choice_.resolution = 0;
    return true;
}

}  // namespace elog
