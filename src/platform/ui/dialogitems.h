#pragma once
// A dialog declared as a table: each item is a control or a step of the layout, in the order
// FormDialog::AddTable adds them (the tab order). The items say what the one-by-one Add* calls say:
//
//     const DialogItem kControls[] = {
//         Grid(2), Label("Depth"), Edit(101, 10), EndGrid(),
//         Row(), Check(102, "Metres"), Stretch(), DefaultButton(IDOK, "OK"),
//     };
//     ...
//     AddTable(kControls);
//
// Texts are Latin-1.
#include "platform/ui/controls.h"

namespace platform {

struct DialogItem {
    enum class Kind {
        Static, Edit, ReadOnlyEdit, Check, Radio, FirstRadio, Button, DefaultButton, Combo, Arrows,
        Group, EndGroup, Grid, EndGrid, Row, Skip, Stretch,
    };
    Kind kind;
    int id = IDC_STATIC;
    const char* text = "";
    int number = 0;  // an edit's text limit; a grid's columns
    int chars = 0;   // the characters an edit shows (0: the default width)
};

namespace dialogitems {

using K = DialogItem::Kind;

constexpr DialogItem Label(const char* text) { return {K::Static, IDC_STATIC, text}; }
constexpr DialogItem Label(int id, const char* text) { return {K::Static, id, text}; }
constexpr DialogItem Edit(int id, int limit, int chars = 0) { return {K::Edit, id, "", limit, chars}; }
constexpr DialogItem ReadOnlyEdit(int id, int limit, int chars = 0) { return {K::ReadOnlyEdit, id, "", limit, chars}; }
constexpr DialogItem Check(int id, const char* text) { return {K::Check, id, text}; }
// A radio button joins the group of the radio buttons just before it; FirstRadio starts a new group.
constexpr DialogItem Radio(int id, const char* text) { return {K::Radio, id, text}; }
constexpr DialogItem FirstRadio(int id, const char* text) { return {K::FirstRadio, id, text}; }
constexpr DialogItem Button(int id, const char* text) { return {K::Button, id, text}; }
constexpr DialogItem DefaultButton(int id, const char* text) { return {K::DefaultButton, id, text}; }
constexpr DialogItem Combo(int id) { return {K::Combo, id}; }
// Up-down arrows beside the edit before them (AddUpDown).
constexpr DialogItem Arrows(int id) { return {K::Arrows, id}; }
constexpr DialogItem Group(int id, const char* title) { return {K::Group, id, title}; }
constexpr DialogItem EndGroup() { return {K::EndGroup}; }
constexpr DialogItem Grid(int columns) { return {K::Grid, IDC_STATIC, "", columns}; }
constexpr DialogItem EndGrid() { return {K::EndGrid}; }
constexpr DialogItem Row() { return {K::Row}; }
constexpr DialogItem Skip() { return {K::Skip}; }
constexpr DialogItem Stretch() { return {K::Stretch}; }

}  // namespace dialogitems

}  // namespace platform
