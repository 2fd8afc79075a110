// How a control of the options dialog carries its bilingual hint, and the per-page tables the hints come from.
#pragma once

#include <span>
#include <string>
#include <vector>

#include <QString>

class QWidget;

namespace skrivo {

// One control's help and captions, as its page's help table gives them
// (UTF-8). Captions may be left empty: the control then keeps the caption it
// was built with in both languages (fixed texts such as "ENTER").
struct TControlHelp {
    const char* name;
    const char* english;
    const char* russian;
    const char* ruCaption = "";
    const char* enCaption = "";
};
using THelpTable = std::span<const TControlHelp>;

// The hint in its stored format (see HintText.h); empty when it has none.
QString HintOf(const QWidget* control);
void SetHint(QWidget* control, const QString& hint);

// Gives every control named in the table, among root and its descendants,
// its hint; returns the names that name no control (a table and its page
// out of step).
std::vector<std::string> ApplyHelpTable(QWidget* root, THelpTable table);

// The "?" button explains right-click help with a left click: its tag is 1.
int TagOf(const QWidget* control);
void SetTag(QWidget* control, int tag);

}  // namespace skrivo
