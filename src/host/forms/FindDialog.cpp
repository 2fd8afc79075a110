// The IDE's Find Text dialog: the search text and options of the editor in front, then a search.
#include "host/forms/FindDialog.h"

#include "host/services/SearchHistory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "host/forms/Desktop.h"
#include "host/text/AnsiText.h"

namespace skrivo::host {

namespace {
// A group of two choices; returns the first.
QRadioButton* AddChoice(QWidget* owner, QHBoxLayout* row, const char* title, const char* groupName, const char* firstName,
                        const char* firstText, const char* secondName, const char* secondText, bool first) {
    auto* group = new QGroupBox(QString::fromLatin1(title), owner);
    TForm::SetControlClass(group, groupName);
    auto* layout = new QVBoxLayout(group);
    auto* a = new QRadioButton(QString::fromLatin1(firstText), group);
    auto* b = new QRadioButton(QString::fromLatin1(secondText), group);
    TForm::SetControlClass(a, firstName);
    TForm::SetControlClass(b, secondName);
    (first ? a : b)->setChecked(true);
    layout->addWidget(a);
    layout->addWidget(b);
    row->addWidget(group);
    return a;
}
}  // namespace

TFindTextDialog::TFindTextDialog(const TSearchOptions& options, QWidget* parent) : TForm("TSrchDialog", "SrchDialog", parent) {
    SetCaption("Find Text");
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);

    auto* textRow = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("&Text to find:"), this);
    text_ = new QComboBox(this);
    text_->setEditable(true);
    text_->setMinimumWidth(260);
    for (const std::string& item : ReadSearchHistory()) text_->addItem(QString::fromStdString(AnsiToEditorText(item)));
    text_->setEditText(QString::fromStdString(AnsiToEditorText(options.SearchText)));
    SetControlClass(text_, "cbText");
    label->setBuddy(text_);
    textRow->addWidget(label);
    textRow->addWidget(text_, 1);
    layout->addLayout(textRow);

    auto* optionsGroup = new QGroupBox(QStringLiteral("Options"), this);
    SetControlClass(optionsGroup, "grpOptions");
    auto* optionsLayout = new QVBoxLayout(optionsGroup);
    caseSensitive_ = new QCheckBox(QStringLiteral("&Case sensitive"), optionsGroup);
    wholeWords_ = new QCheckBox(QStringLiteral("&Whole words only"), optionsGroup);
    regex_ = new QCheckBox(QStringLiteral("&Regular expressions"), optionsGroup);
    SetControlClass(caseSensitive_, "chkCaseSensitive");
    SetControlClass(wholeWords_, "chkWholeWordsOnly");
    SetControlClass(regex_, "chkRegularExpressions");
    caseSensitive_->setChecked(options.CaseSensitive);
    wholeWords_->setChecked(options.WordBoundary);
    regex_->setChecked(options.RegularExpression);
    optionsLayout->addWidget(caseSensitive_);
    optionsLayout->addWidget(wholeWords_);
    optionsLayout->addWidget(regex_);

    auto* row1 = new QHBoxLayout;
    row1->addWidget(optionsGroup);
    forward_ = AddChoice(this, row1, "Direction", "grpDirection", "rbForward", "Forwar&d", "rbBackward", "&Backward", options.Forward);
    layout->addLayout(row1);
    auto* row2 = new QHBoxLayout;
    global_ = AddChoice(this, row2, "Scope", "grpScope", "rbGlobal", "&Global", "rbSelectedText", "&Selected text", options.WholeFile);
    fromCursor_ = AddChoice(this, row2, "Origin", "grpOrigin", "rbFromCursor", "&From cursor", "rbEntireScope", "&Entire scope", options.FromCursor);
    layout->addLayout(row2);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetControlClass(ok, "btnOK");
    SetControlClass(cancel, "btnCancel");
    SetButtonModalResult(ok, mrOk);
    SetButtonModalResult(cancel, mrCancel);
    ok->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    text_->setFocus(Qt::OtherFocusReason);
    adjustSize();
    const QSize screen = Desktop::Instance().ScreenSize();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

TSearchOptions TFindTextDialog::Options() const {
    TSearchOptions options;
    options.SearchText = EditorTextToAnsi(text_->currentText().toStdString());
    options.CaseSensitive = caseSensitive_->isChecked();
    options.WordBoundary = wholeWords_->isChecked();
    options.RegularExpression = regex_->isChecked();
    options.Forward = forward_->isChecked();
    options.WholeFile = global_->isChecked();
    options.FromCursor = fromCursor_->isChecked();
    return options;
}

}  // namespace skrivo::host
