// TfmSearchFast: the search dialog that a recording uses in place of the IDE's own.
#include "macros/ui/SearchDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "macros/ui/KeyPreview.h"
#include "platform/VirtualKeys.h"


namespace skrivo {

namespace {

// A radio group of two, the first chosen.
QGroupBox* RadioGroup(TDialogForm* form, const char* name, const char* caption, const QRect& bounds,
                      const char* first, const char* second, QRadioButton*& a, QRadioButton*& b) {
    auto* group = new QGroupBox(AnsiToQt(caption), form);
    TDialogForm::SetControlClass(group, name);
    group->setGeometry(bounds);
    a = new QRadioButton(AnsiToQt(first), group);
    a->setGeometry(8, 18, bounds.width() - 16, 20);
    a->setChecked(true);
    b = new QRadioButton(AnsiToQt(second), group);
    b->setGeometry(8, 40, bounds.width() - 16, 20);
    return group;
}

}  // namespace

TfmSearchFast::TfmSearchFast() : TDialogForm("TfmSearchFast", "fmSearchFast", 352, 240) {
    SetCaption("Search for");
    SetStayOnTop(true);
    AddLabel("Label1", "Text to find:  ", QRect(8, 12, 80, 16));
    cbText = new QComboBox(this);
    SetControlClass(cbText, "cbText");
    cbText->setEditable(true);
    cbText->setInsertPolicy(QComboBox::NoInsert);
    cbText->setGeometry(92, 8, 252, 21);

    grpOptions = new QGroupBox(QStringLiteral("Options"), this);
    SetControlClass(grpOptions, "grpOptions");
    grpOptions->setGeometry(8, 38, 164, 88);
    chkCaseSensitive = new QCheckBox(QStringLiteral("&Case sensitive"), grpOptions);
    SetControlClass(chkCaseSensitive, "chkCaseSensitive");
    chkCaseSensitive->setGeometry(8, 18, 150, 20);
    chkWholeWordsOnly = new QCheckBox(QStringLiteral("&Whole words only"), grpOptions);
    SetControlClass(chkWholeWordsOnly, "chkWholeWordsOnly");
    chkWholeWordsOnly->setGeometry(8, 40, 150, 20);
    chkRegularExpressions = new QCheckBox(QStringLiteral("&Regular expressions"), grpOptions);
    SetControlClass(chkRegularExpressions, "chkRegularExpressions");
    chkRegularExpressions->setGeometry(8, 62, 150, 20);

    grpDirection = RadioGroup(this, "grpDirection", "Direction", QRect(180, 38, 164, 66), "Forwar&d", "&Backward",
                              rbForward, rbBackward);
    grpScope = RadioGroup(this, "grpScope", "Scope", QRect(8, 132, 164, 66), "&Global", "&Selected text", rbGlobal,
                          rbSelectedText);
    grpOrigin = RadioGroup(this, "grpOrigin", "Origin", QRect(180, 132, 164, 66), "&From cursor", "&Entire scope",
                           rbFromCursor, rbEntireScope);

    btnOK = AddButton("btnOK", "OK", QRect(188, 208, 75, 25));
    btnCancel = AddButton("btnCancel", "Cancel", QRect(269, 208, 75, 25));
    SetDefaultButton(btnOK);
    SetCancelButton(btnCancel);
    SetButtonModalResult(btnOK, host::mrOk);
    SetButtonModalResult(btnCancel, host::mrCancel);
    cbText->setFocus(Qt::OtherFocusReason);
    // The editable box would keep Enter for itself; in a dialog it means OK.
    new TKeyPreview(this, [this](const TPreviewKey& key) {
        if (key.key != win::VK_RETURN || key.shift != 0) return false;
        btnOK->click();
        return true;
    });
}

void TfmSearchFast::SetOptions(const host::TSearchOptions& options, const std::vector<std::string>& history) {
    chkCaseSensitive->setChecked(options.CaseSensitive);
    chkWholeWordsOnly->setChecked(options.WordBoundary);
    chkRegularExpressions->setChecked(options.RegularExpression);
    (options.WholeFile ? rbGlobal : rbSelectedText)->setChecked(true);
    (options.Forward ? rbForward : rbBackward)->setChecked(true);
    (options.FromCursor ? rbFromCursor : rbEntireScope)->setChecked(true);
    for (const std::string& item : history) cbText->addItem(AnsiToQt(item));
    cbText->setEditText(AnsiToQt(options.SearchText));
}

host::TSearchOptions TfmSearchFast::Options() const {
    host::TSearchOptions options;
    options.SearchText = QtToAnsi(cbText->currentText());
    options.CaseSensitive = chkCaseSensitive->isChecked();
    options.WordBoundary = chkWholeWordsOnly->isChecked();
    options.RegularExpression = chkRegularExpressions->isChecked();
    options.WholeFile = rbGlobal->isChecked();
    options.Forward = !rbBackward->isChecked();
    options.FromCursor = rbFromCursor->isChecked();
    return options;
}

bool AskSearch(host::TSearchOptions& options, const std::vector<std::string>& history) {
    TfmSearchFast form;
    form.SetOptions(options, history);
    if (form.ShowModal() != host::mrOk) return false;
    options = form.Options();
    return true;
}

}  // namespace skrivo
