#include "platform/ui/formdialog.h"

#include "platform/ui/dialogitems.h"
#include "platform/ui/svedit.h"

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

void FormDialog::AddTable(std::span<const DialogItem> items)
{
    using K = DialogItem::Kind;
    for (const DialogItem& i : items) {
        const QString text = QString::fromLatin1(i.text);
        switch (i.kind) {
        case K::Static: AddStatic(i.id, text); break;
        case K::Edit: AddEdit(i.id, i.number, i.chars); break;
        case K::ReadOnlyEdit: AddEdit(i.id, i.number, i.chars)->setReadOnly(true); break;
        case K::Check: AddCheck(i.id, text); break;
        case K::Radio: AddRadio(i.id, text); break;
        case K::FirstRadio: AddRadio(i.id, text, true); break;
        case K::Button: AddButton(i.id, text); break;
        case K::DefaultButton: AddButton(i.id, text, true); break;
        case K::Combo: AddCombo(i.id); break;
        case K::Arrows: AddUpDown(i.id); break;
        case K::Group: BeginGroup(i.id, text); break;
        case K::EndGroup: EndGroup(); break;
        case K::Grid: BeginGrid(i.number); break;
        case K::EndGrid: EndGrid(); break;
        case K::Row: NewRow(); break;
        case K::Skip: SkipCell(); break;
        case K::Stretch: AddStretch(); break;
        }
    }
}

}  // namespace platform
