// TfmNewMacro: names a new recording and gives it a shortcut.
#include "macros/ui/NewMacroDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "macros/ui/ShortcutCapture.h"

namespace skrivo {

TfmNewMacro* fmNewMacro = nullptr;

TfmNewMacro::TfmNewMacro() : TDialogForm("TfmNewMacro", "fmNewMacro", 253, 95) {
    SetCaption("Store macro");
    SetStayOnTop(true);
    AddLabel("Label1", "Name:  ", QRect(8, 12, 56, 16));
    edName = new QLineEdit(this);
    SetControlClass(edName, "edName");
    edName->setGeometry(72, 8, 173, 21);
    AddLabel("Label2", "Shortcut:  ", QRect(8, 40, 56, 16));
    edShortcut = new QLineEdit(this);
    SetControlClass(edShortcut, "edShortcut");
    edShortcut->setGeometry(72, 36, 173, 21);
    edShortcut->setReadOnly(true);
    QPalette face = edShortcut->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    edShortcut->setPalette(face);
    btnOK = AddButton("btnOK", "OK", QRect(8, 64, 75, 25));
    btnClear = AddButton("btnClear", "Clear", QRect(89, 64, 75, 25));
    btnCancel = AddButton("btnCancel", "Cancel", QRect(170, 64, 75, 25));
    SetDefaultButton(btnOK);
    SetCancelButton(btnCancel);
    SetButtonModalResult(btnOK, host::mrOk);
    SetButtonModalResult(btnCancel, host::mrCancel);
    connect(btnClear, &QPushButton::clicked, edShortcut, &QLineEdit::clear);
    preview_ = new TKeyPreview(this, [this](const TPreviewKey& key) { return CaptureShortcut(key, *edShortcut, true); });
    edName->setFocus(Qt::OtherFocusReason);
    fmNewMacro = this;
}

TfmNewMacro::~TfmNewMacro() {
    if (fmNewMacro == this) fmNewMacro = nullptr;
}

bool AskNewMacro(const std::string& preset, std::string& name, win::TShortCut& shortCut) {
    TfmNewMacro form;
    form.edName->setText(AnsiToQt(preset));
    form.edName->selectAll();
    if (form.ShowModal() != host::mrOk) return false;
    name = QtToAnsi(form.edName->text());
    shortCut = win::TextToShortCut(QtToAnsi(form.edShortcut->text()));
    return true;
}

}  // namespace skrivo
