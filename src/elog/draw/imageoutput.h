#pragma once
// Where a drawn log image goes as it is drawn band by band. BMP, PNG and TIFF leave through the row
// writer, so a whole well at 5in is written in bounded memory whatever its length; JPEG and GIF, whose
// sides are held in 16 bits, are gathered into one image and saved whole. Both follow SaveLogImage's
// colours: a 24-bit drawing leaves as its 256-colour copy unless it was drawn at 300 dpi (a BMP always
// does), grey as 8-bit grey, black and white as 1 bit.
#include "elog/draw/imageexport.h"
#include "platform/draw/imagewriter.h"

#include <QImage>
#include <QString>

namespace elog {

// BMP, PNG and TIFF leave row by row, whatever their length; JPEG and GIF are held whole.
bool WrittenRowByRow(int format);

struct LogImageTarget {
    QString path;
    int format = IMAGE_PNG;
    int width = 0;
    int height = 0;
    int bits = 24;  // of the colour mode: 24, 8 or 1
    bool dpi300 = false;
    bool compress = false;
};

class LogImageOutput {
public:
    explicit LogImageOutput(LogImageTarget target);

    // Starts (or starts again) the file; the library's code.
    int Start();
    // Takes the next `rows` rows of the drawing: rows `from` on of `band` (RGB32, as wide as the image).
    int Take(const QImage& band, int from, int rows);
    // The colours ran past an exact 256-colour palette: Start again and draw every row anew (the colour
    // cube's nearest colours are taken then).
    bool Again() const { return again_; }
    int Finish();

private:
    int OutBits() const;

    LogImageTarget t_;
    platform::RowImageWriter writer_;
    platform::PaletteBuilder palette_{256};
    platform::ImageDescriptor whole_;
    QImage reduced_;  // one band in the file's depth
    int y_ = 0;
    bool again_ = false;
};

}  // namespace elog
