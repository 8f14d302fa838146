#include "platform/ui/formdialog.h"

#include <QString>

namespace platform {

QLabel* FormDialog::AddCaption(const char* text) { return AddStatic(IDC_STATIC, QString::fromLatin1(text)); }

void FormDialog::AddCaptionedEdits(std::initializer_list<Captioned> fields)
{
    for (const Captioned& f : fields) {
        AddCaption(f.caption);
        AddEdit(f.id, f.limit, f.chars);
    }
}

void FormDialog::AddCaptionedCombos(std::initializer_list<Captioned> fields)
{
    for (const Captioned& f : fields) {
        AddCaption(f.caption);
        AddCombo(f.id);
    }
}

void FormDialog::AddCaptionedTexts(std::initializer_list<Captioned> fields)
{
    for (const Captioned& f : fields) {
        AddCaption(f.caption);
        AddStatic(f.id, QString());
    }
}

void FormDialog::AddEditGrid(int pairs, std::initializer_list<Captioned> fields)
{
    BeginGrid(2 * pairs);
    AddCaptionedEdits(fields);
    EndGrid();
}

}  // namespace platform
