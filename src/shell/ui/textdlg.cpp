#include "shell/ui/textdlg.h"

#include "shell/textlines.h"

#include <QFont>
#include <QListWidget>

namespace shell {

TextDlg::TextDlg(QWidget& owner, shell::ToolWindows& tools, int kind, std::vector<std::string> lines)
    : Dialog(&owner, QStringLiteral("Data as Text")), owner_(owner), tools_(tools), kind_(kind),
      lines_(std::move(lines))
{
    setWindowFlag(Qt::Tool);
    QListWidget* list = AddList(ID_LIST);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::Monospace);
    list->setFont(fixed);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    NewRow();
    AddStretch();
    AddButton(ID_CLOSE, QStringLiteral("CLOSE"));
    On(ID_CLOSE, platform::BN_CLICKED, [this] { CmClose(); });
    resize(555, 184);  // 370 x 113 dialog units
}

void TextDlg::SetupWindow() { FillTables(); }

void TextDlg::Refill(std::vector<std::string> lines, bool activateOwner)
{
    lines_ = std::move(lines);
    FillTables(activateOwner);
}

void TextDlg::FillTables(bool activateOwner)
{
    ClearStrings(ID_LIST);
    setWindowTitle(QString::fromLatin1(kind_ == kElog ? shell::kElogTextCaption : shell::kMudlogTextCaption));
    for (const std::string& line : lines_)
        AddString(ID_LIST, platform::FromCp1252(line.data(), line.size()));
    // The table is for reading: the keys stay with the log.
    if (activateOwner)
        owner_.activateWindow();
}

void TextDlg::reject() { CmClose(); }

void TextDlg::CmClose()
{
    shell::ToolWindows& tools = tools_;
    // Both go at once for the commands that wait on them; the objects are deleted from the event loop,
    // since this one is inside its own button's handler.
    for (QPointer<QWidget>* w : {&tools.dataAsText, &tools.elogAsText}) {
        if (QWidget* window = w->data()) {
            window->hide();
            window->deleteLater();
        }
        *w = nullptr;
    }
    tools.textRecords = {};
    owner_.activateWindow();
}

}  // namespace shell
