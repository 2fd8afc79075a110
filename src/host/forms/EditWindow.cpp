// The IDE's main window ("TEditWindow"): main menu, one tab per module editor, status line.
#include "host/forms/EditWindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "host/editor/EditorControl.h"
#include "host/forms/Desktop.h"
#include "host/menu/MainMenu.h"

namespace skrivo::host {

TEditWindow::TEditWindow(QWidget* parent) : TForm("TEditWindow", "EditWindow_0", parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    menuBar_->setObjectName(QStringLiteral("MainMenu"));
    layout->addWidget(menuBar_);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("TabControl"));
    tabs_->setDocumentMode(true);
    tabs_->setMovable(false);
    tabs_->setFocusPolicy(Qt::NoFocus);
    messages_ = new QListWidget(this);
    messages_->setObjectName(QStringLiteral("MessageView"));
    messages_->hide();
    auto* split = new QSplitter(Qt::Vertical, this);
    split->setChildrenCollapsible(false);
    split->addWidget(tabs_);
    split->addWidget(messages_);
    split->setStretchFactor(0, 1);
    layout->addWidget(split, 1);

    auto* status = new QStatusBar(this);
    status_ = status;
    status->setObjectName(QStringLiteral("StatusBar"));
    status->setSizeGripEnabled(false);
    cursorLabel_ = new QLabel(QStringLiteral("1: 1"), status);
    cursorLabel_->setObjectName(QStringLiteral("CursorPanel"));
    // The position changes with every key: a panel of one fixed size lets a
    // new text be painted without laying out the whole window again.
    const int positionWidth = cursorLabel_->fontMetrics().horizontalAdvance(QStringLiteral("9999999: 99999"));
    cursorLabel_->setFixedSize(std::max(90, positionWidth + 8), cursorLabel_->sizeHint().height());
    modifiedLabel_ = new QLabel(status);
    modifiedLabel_->setObjectName(QStringLiteral("ModifiedPanel"));
    modifiedLabel_->setMinimumWidth(70);
    layoutLabel_ = new QLabel(status);
    layoutLabel_->setObjectName(QStringLiteral("LayoutPanel"));
    layoutLabel_->setMinimumWidth(30);
    status->addWidget(cursorLabel_);
    status->addWidget(modifiedLabel_);
    status->addPermanentWidget(layoutLabel_);
    layout->addWidget(status);

    menu_ = std::make_unique<MainMenu>(*menuBar_);

    connect(tabs_, &QTabWidget::currentChanged, this, [this](int) {
        EditorControl* editor = CurrentEditor();
        if (editor) editor->setFocus(Qt::OtherFocusReason);
        emit CurrentEditorChanged(editor);
    });
    setWindowTitle(QStringLiteral("Skrivo IDE"));
    resize(1000, 700);
}

TEditWindow::~TEditWindow() {
    // The menu items refer to actions of the menu bar; let them go first.
    menu_.reset();
}

int TEditWindow::AddEditor(EditorControl* editor, const QString& title) {
    const int index = tabs_->addTab(editor, title);
    tabs_->setCurrentIndex(index);
    editor->setFocus(Qt::OtherFocusReason);
    return index;
}

void TEditWindow::RemoveEditor(EditorControl* editor) {
    const int index = tabs_->indexOf(editor);
    if (index >= 0) tabs_->removeTab(index);
}

EditorControl* TEditWindow::CurrentEditor() const { return qobject_cast<EditorControl*>(tabs_->currentWidget()); }

void TEditWindow::SetCurrentEditor(EditorControl* editor) {
    const int index = tabs_->indexOf(editor);
    if (index >= 0) tabs_->setCurrentIndex(index);
}

void TEditWindow::SetEditorTitle(EditorControl* editor, const QString& title, const QString& toolTip) {
    const int index = tabs_->indexOf(editor);
    if (index < 0) return;
    tabs_->setTabText(index, title);
    tabs_->setTabToolTip(index, toolTip);
}

void TEditWindow::SetCursorText(const QString& text) { cursorLabel_->setText(text); }
void TEditWindow::SetModifiedText(const QString& text) { modifiedLabel_->setText(text); }
void TEditWindow::SetLayoutText(const QString& text) { layoutLabel_->setText(text); }
QString TEditWindow::ModifiedText() const { return modifiedLabel_->text(); }
QString TEditWindow::CursorText() const { return cursorLabel_->text(); }
QString TEditWindow::LayoutText() const { return layoutLabel_->text(); }

namespace {
// Long enough to read a sentence, short enough not to stand for the state.
constexpr int kStatusMessageMs = 6000;
}  // namespace

void TEditWindow::ShowStatusMessage(const QString& text) { status_->showMessage(text, kStatusMessageMs); }
QString TEditWindow::StatusMessage() const { return status_->currentMessage(); }

void TEditWindow::moveEvent(QMoveEvent* event) {
    TForm::moveEvent(event);
    if (isVisible() && event->oldPos() != event->pos()) Desktop::Instance().HideFloatingWindows();
}

void TEditWindow::resizeEvent(QResizeEvent* event) {
    TForm::resizeEvent(event);
    if (isVisible() && event->oldSize().isValid() && event->oldSize() != event->size()) Desktop::Instance().HideFloatingWindows();
}

void TEditWindow::changeEvent(QEvent* event) {
    TForm::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) Desktop::Instance().HideFloatingWindows();
}

void TEditWindow::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the IDE; the host decides (unsaved files).
    event->ignore();
    emit CloseRequested();
}

}  // namespace skrivo::host
