#include "platform/ui/formdialog.h"
#include "support/testmain.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include <gtest/gtest.h>

using namespace platform;

namespace {

class CaptionedDlg : public FormDialog {
public:
    CaptionedDlg() : FormDialog(nullptr, QStringLiteral("Captioned"))
    {
        AddEditGrid(2, {{"Depth", 101, 6, 12}, {"", 102, 20}, {"Name", 103, 30}});
        NewRow();
        BeginGrid(2);
        AddCaptionedCombos({{"Scale", 104}});
        AddCaptionedTexts({{"Index", 105}});
        EndGrid();
    }
};

struct Place {
    int row = -1, column = -1;
    QLabel* left = nullptr;  // the caption in the cell left of it
};

Place PlaceOf(QWidget* w)
{
    Place p;
    for (QGridLayout* grid : w->window()->findChildren<QGridLayout*>()) {
        const int at = grid->indexOf(w);
        if (at < 0)
            continue;
        int rows, columns;
        grid->getItemPosition(at, &p.row, &p.column, &rows, &columns);
        if (QLayoutItem* left = p.column > 0 ? grid->itemAtPosition(p.row, p.column - 1) : nullptr)
            p.left = qobject_cast<QLabel*>(left->widget());
    }
    return p;
}

}  // namespace

// Each caption stands in the cell left of its control, pairs row after row, and an edit keeps its limit.
TEST(FormDialog, CaptionsStandLeftOfTheirControlsInTheGrid)
{
    CaptionedDlg d;
    const struct {
        int id, row, column;
        const char* caption;
    } expected[] = {
        {101, 0, 1, "Depth"}, {102, 0, 3, ""}, {103, 1, 1, "Name"}, {104, 0, 1, "Scale"}, {105, 1, 1, "Index"},
    };
    for (const auto& e : expected) {
        const Place p = PlaceOf(d.Control(e.id));
        EXPECT_EQ(p.row, e.row) << e.id;
        EXPECT_EQ(p.column, e.column) << e.id;
        ASSERT_NE(p.left, nullptr) << e.id;
        EXPECT_EQ(p.left->text(), QString::fromLatin1(e.caption)) << e.id;
    }
    EXPECT_NE(d.ControlAs<QComboBox>(104), nullptr);
    EXPECT_EQ(d.ControlAs<QLabel>(105)->text(), "");
    d.SetText(101, QStringLiteral("123456789"));
    EXPECT_EQ(d.GetText(101), "12345");  // a limit of 6 bytes holds 5 characters and the end
}
