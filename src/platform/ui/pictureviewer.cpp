#include "platform/ui/pictureviewer.h"

#include "platform/ui/titlebar.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace platform {

bool ShowPicture(QWidget* parent, const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);  // a camera's picture stands as it was taken
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    auto* window = new QWidget(parent, Qt::Window);
    window->setObjectName(QStringLiteral("PictureViewer"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QFileInfo(path).fileName());
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("Picture"));
    picture->setPixmap(QPixmap::fromImage(image));
    auto* scroll = new QScrollArea;
    scroll->setWidget(picture);
    scroll->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    // As large as the picture, within a window that fits a small screen.
    window->resize(std::min(image.width() + 4, 1000), std::min(image.height() + 4, 700));
    WidenToCaption(*window);  // a small picture still shows its file's name
    window->show();
    return true;
}

}  // namespace platform
