// TfmNewSubst: defines or edits one substitution, its pattern and its replacement.
#include "options/NewSubst.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace skrivo {

QFont SubstitutionFont() {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(kDialogFontPixels);
    return font;
}

TfmNewSubst::TfmNewSubst(QWidget* owner) : TDialogForm("TfmNewSubst", "fmNewSubst", 361, 97) {
    SetCaption("Define substitution");
    AddLabel("Label1", "From:", QRect(8, 12, 32, 16));
    edFrom = new QLineEdit(this);
    SetControlClass(edFrom, "edFrom");
    edFrom->setGeometry(44, 8, 309, 21);
    AddLabel("Label2", "To:", QRect(8, 40, 32, 16));
    edTo = new QLineEdit(this);
    SetControlClass(edTo, "edTo");
    edTo->setGeometry(44, 36, 309, 21);
    for (QLineEdit* edit : {edFrom, edTo}) {
        edit->setFont(SubstitutionFont());
        edit->installEventFilter(this);
    }
    btnOK = AddButton("btnOK", "OK", QRect(197, 66, 75, 25));
    btnCancel = AddButton("btnCancel", "Cancel", QRect(278, 66, 75, 25));
    SetDefaultButton(btnOK);
    SetCancelButton(btnCancel);
    SetButtonModalResult(btnOK, host::mrOk);
    SetButtonModalResult(btnCancel, host::mrCancel);
    if (owner) CenterOver(owner);
    edFrom->setFocus(Qt::OtherFocusReason);
}

bool TfmNewSubst::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && watched == edFrom && key->key() == Qt::Key_Down) {
            edTo->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (plain && watched == edTo && key->key() == Qt::Key_Up) {
            edFrom->setFocus(Qt::BacktabFocusReason);
            return true;
        }
    }
    return TDialogForm::eventFilter(watched, event);
}

bool AskSubstitution(std::string& from, std::string& to, QWidget* owner) {
    TfmNewSubst form(owner);
    form.edFrom->setText(AnsiToQt(from));
    form.edTo->setText(AnsiToQt(to));
    form.edFrom->selectAll();
    if (form.ShowModal() != host::mrOk) return false;
    from = QtToAnsi(form.edFrom->text());
    to = QtToAnsi(form.edTo->text());
    return true;
}

}  // namespace skrivo
