// TfmShortcut: captures one key combination (the options dialog's shortcut boxes).
#include "macros/ui/ShortcutDialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "macros/ui/ShortcutCapture.h"

namespace skrivo {

TfmShortcut* fmShortcut = nullptr;

TfmShortcut::TfmShortcut(QWidget* owner) : TDialogForm("TfmShortcut", "fmShortcut", 356, 40) {
    SetCaption("Enter key combination");
    SetStayOnTop(true);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    edShortcut = new QLineEdit(this);
    SetControlClass(edShortcut, "edShortcut");
    edShortcut->setGeometry(8, 10, 104, 21);
    edShortcut->setReadOnly(true);
    edShortcut->setFocusPolicy(Qt::NoFocus);
    btnOK = AddButton("btnOK", "OK", QRect(120, 8, 75, 25));
    btnClear = AddButton("btnClear", "Clear", QRect(197, 8, 75, 25));
    btnCancel = AddButton("btnCancel", "Cancel", QRect(274, 8, 75, 25));
    SetDefaultButton(btnOK);
    SetCancelButton(btnCancel);
    SetButtonModalResult(btnOK, host::mrOk);
    SetButtonModalResult(btnCancel, host::mrCancel);
    connect(btnClear, &QPushButton::clicked, edShortcut, &QLineEdit::clear);
    preview_ = new TKeyPreview(this, [this](const TPreviewKey& key) { return CaptureShortcut(key, *edShortcut, false); });
    if (owner) {
        const QRect frame = owner->window()->geometry();
        move(frame.center() - QPoint(width() / 2, height() / 2));
    }
    btnOK->setFocus(Qt::OtherFocusReason);
    fmShortcut = this;
}

TfmShortcut::~TfmShortcut() {
    if (fmShortcut == this) fmShortcut = nullptr;
}

bool AskShortcut(win::TShortCut& shortCut, QWidget* owner) {
    TfmShortcut form(owner);
    form.edShortcut->setText(AnsiToQt(win::ShortCutToText(shortCut)));
    if (form.ShowModal() != host::mrOk) return false;
    shortCut = win::TextToShortCut(QtToAnsi(form.edShortcut->text()));
    return true;
}

}  // namespace skrivo
