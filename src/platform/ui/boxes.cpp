#include "platform/ui/boxes.h"

#include "platform/ui/titlebar.h"
#include "platform/winapi.h"

#include <QInputDialog>
#include <QLineEdit>

namespace platform {

namespace {

// A box without a caption of its own shows the program's name, never the window manager's placeholder.
QString TitleOf(const QString& caption) { return caption.isEmpty() ? QStringLiteral("StrativM") : caption; }

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& text, const QString& caption, unsigned flags,
                                            QList<std::pair<QMessageBox::StandardButton, int>>& answers)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(TitleOf(caption));
    box->setText(text);
    switch (flags & MB_ICONMASK) {
    case MB_ICONHAND: box->setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box->setIcon(QMessageBox::Question); break;
    case MB_ICONEXCLAMATION: box->setIcon(QMessageBox::Warning); break;
    case MB_ICONASTERISK: box->setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL: answers = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case MB_ABORTRETRYIGNORE: answers = {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}}; break;
    case MB_YESNOCANCEL: answers = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case MB_YESNO: answers = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
    case MB_RETRYCANCEL: answers = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}}; break;
    default: answers = {{QMessageBox::Ok, IDOK}}; break;
    }
    QMessageBox::StandardButtons set;
    for (const auto& [button, id] : answers)
        set |= button;
    box->setStandardButtons(set);
    const int def = int((flags >> 8) & 0x3);
    if (def < answers.size())
        box->setDefaultButton(answers[def].first);
    KeepCaptionWidth(*box);
    return box;
}

std::unique_ptr<QInputDialog> MakeInputBox(QWidget* parent, const QString& prompt, const QString& caption,
                                           const QString& initial, int size)
{
    auto box = std::make_unique<QInputDialog>(parent);
    box->setWindowTitle(TitleOf(caption));
    box->setLabelText(prompt);
    box->setInputMode(QInputDialog::TextInput);
    const int limit = size > 0 ? size - 1 : 0;
    box->setTextValue(limit > 0 ? initial.left(limit) : initial);
    if (limit > 0)
        if (auto* edit = box->findChild<QLineEdit*>())
            edit->setMaxLength(limit);
    box->sizeHint();  // the box builds its layout when first measured
    KeepCaptionWidth(*box);
    return box;
}

}  // namespace platform
