// TfmOptions: the options dialog's frame: title panel, left tabs, pages, help and search buttons, OK and Cancel.
#include "options/dialog/OptionsForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>

#include "host/api/Host.h"
#include "options/dialog/HelpWindow.h"
#include "options/dialog/HintText.h"
#include "options/dialog/OptionsPage.h"
#include "options/dialog/OptionsTabs.h"
#include "options/dialog/Pages.h"
#include "options/dialog/RadioGroup.h"
#include "options/dialog/SearchOption.h"
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

constexpr int kTitleHeight = 20;
constexpr int kButtonsTop = 292;

}  // namespace

TfmOptions::TfmOptions(IOptionsExpert& expert) : TDialogForm("TfmOptions", "fmOptions", kOptionsWidth, kOptionsHeight), expert_(expert) {
    SetCaption("Skrivo Expert options");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    BuildFrame();
    using Factory = TOptionsPage* (*)(TfmOptions&);
    for (Factory create : {CreateGeneralPage, CreateReplacePage, CreateWordsListPage, CreateRulesPage, CreateExclusionsPage,
                           CreateDictionaryPage, CreateMousePage, CreateSoundPage, CreateShortcutsPage, CreateMacrosPage,
                           CreateSubstPage, CreateAboutPage}) {
        TOptionsPage* page = create(*this);
        pcOptions->AddPage(page);
        pages_.push_back(page);
        ApplyHelpTable(page, page->Help());
    }
    ApplyHelpTable(this, FrameHelp());
    pcOptions->SetActiveIndex(0);
    LocalizyCaptions(kEnglish);
    qApp->installEventFilter(this);
}

TfmOptions::~TfmOptions() {
    qApp->removeEventFilter(this);
    help_.reset();
}

void TfmOptions::BuildFrame() {
    pnTitle = new QLabel(this);
    SetControlClass(pnTitle, "pnTitle");
    pnTitle->setGeometry(0, 0, kOptionsWidth, kTitleHeight);
    pnTitle->setAlignment(Qt::AlignCenter);
    pnTitle->setFrameShape(QFrame::Panel);
    pnTitle->setFrameShadow(QFrame::Raised);
    pnTitle->setText(QStringLiteral("Skrivo Expert options"));
    QFont bold = font();
    bold.setBold(true);
    pnTitle->setFont(bold);
    pnTitle->setCursor(Qt::SizeAllCursor);

    pcOptions = new TOptionsTabs(this);
    SetControlClass(pcOptions, "pcOptions");
    pcOptions->setGeometry(2, kTitleHeight + 2, kOptionsWidth - 4, kButtonsTop - kTitleHeight - 6);

    btnHelp = AddButton("btnHelp", "?", QRect(4, kButtonsTop, 25, 25));
    SetTag(btnHelp, 1);
    connect(btnHelp, &QPushButton::clicked, this, [this] { RMouseUp(btnHelp, Qt::LeftButton); });
    btnSearch = AddButton("btnSearch", "", QRect(32, kButtonsTop, 25, 25));
    btnSearch->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    connect(btnSearch, &QPushButton::clicked, this, [this] { RunOptionSearch(*this); });
    btnOK = AddButton("btnOK", "OK", QRect(kOptionsWidth - 162, kButtonsTop, 75, 25));
    btnCancel = AddButton("btnCancel", "Cancel", QRect(kOptionsWidth - 82, kButtonsTop, 75, 25));
    SetDefaultButton(btnOK);
    TDialogForm::SetCancelButton(btnCancel);
    host::TForm::SetCancelButton(btnCancel);
    connect(btnOK, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { SetModalResult(host::mrCancel); });
}

void TfmOptions::OkClick() {
    for (TOptionsPage* page : pages_)
        if (!page->BeforeOk()) return;
    SetModalResult(host::mrOk);
}

void TfmOptions::PrepareFromConfig(const TExpertConfig& cfg) {
    for (TOptionsPage* page : pages_) page->Prepare(cfg);
    UpdateEnables();
    if (activated_) LocalizyCaptions(Language());
}

void TfmOptions::WriteBack(TExpertConfig& cfg) const {
    for (const TOptionsPage* page : pages_) page->WriteBack(cfg);
}

void TfmOptions::Commit() {
    for (TOptionsPage* page : pages_) page->Commit();
}

void TfmOptions::UpdateEnables() {
    for (TOptionsPage* page : pages_) page->UpdateEnables();
}

TOptionsPage* TfmOptions::Page(int index) const {
    return index >= 0 && index < PageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

int TfmOptions::ActivePage() const { return pcOptions->ActiveIndex(); }

void TfmOptions::SetActivePage(int index) { pcOptions->SetActiveIndex(index >= 0 && index < PageCount() ? index : 0); }

int TfmOptions::PageIndexOf(const QString& text) const {
    const QString wanted = text.trimmed().toLower();
    for (int i = 0; i < PageCount(); ++i)
        for (int language : {kEnglish, kRussian}) {
            const TAcceleratedText caption = SplitAccelerator(PageHintCaption(HintOf(Page(i)).toStdString(), language));
            if (QString::fromStdString(caption.text).toLower() == wanted) return i;
        }
    return -1;
}

QString TfmOptions::TabCaption(int index) const { return pcOptions->TabCaption(index); }

int TfmOptions::PageOf(const QWidget* control) const {
    for (const QWidget* w = control; w; w = w->parentWidget())
        for (int i = 0; i < PageCount(); ++i)
            if (w == Page(i)) return i;
    return -1;
}

int TfmOptions::Language() const {
    const auto* combo = findChild<QComboBox*>(QStringLiteral("cbLanguage"));
    return combo && combo->currentIndex() == kRussian ? kRussian : kEnglish;
}

void TfmOptions::LocalizyCaptions(int language) {
    if (auto* group = findChild<QGroupBox*>(QStringLiteral("grpExceedMaxWords"))) group->setTitle(QString());
    for (QWidget* control : findChildren<QWidget*>()) {
        const QString hint = HintOf(control);
        if (hint.isEmpty()) continue;
        const std::optional<std::string> caption = HintCaption(hint.toStdString(), language);
        if (!caption) continue;
        const QString text = QString::fromStdString(*caption);
        if (auto* group = qobject_cast<QGroupBox*>(control))
            group->setTitle(QStringLiteral("  ") + text + QStringLiteral("  "));
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(text);
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(text);
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->setText(text);
        else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->isEditable())
            combo->setEditText(text);
    }
    for (TOptionsPage* page : pages_) page->Localize(language);
    for (int i = 0; i < PageCount(); ++i) {
        const QString caption = QString::fromStdString(PageHintCaption(HintOf(Page(i)).toStdString(), language));
        Page(i)->setWindowTitle(caption.toLower());
        pcOptions->SetTabCaption(i, caption);
    }
    pcOptions->update();
}

void TfmOptions::CloseHelp() { help_.reset(); }

void TfmOptions::RMouseUp(QWidget* sender, Qt::MouseButton button) {
    CloseHelp();
    if (!sender) return;
    const QString hint = HintOf(sender);
    if (hint.isEmpty()) return;
    if (button != Qt::RightButton && TagOf(sender) != 1) return;
    help_ = std::make_unique<TfmHelp>(sender, AnimatedTooltips());
    help_->memHelp->setPlainText(QString::fromStdString(HintHelp(hint.toStdString(), Language())));
    help_->Execute();
}

void TfmOptions::FormMouseUp(Qt::MouseButton button, const QPoint& globalPos) {
    if (button != Qt::RightButton) return;
    // childAt finds disabled controls too, which never see the mouse themselves.
    QWidget* control = childAt(mapFromGlobal(globalPos));
    while (control && control != this && HintOf(control).isEmpty()) control = control->parentWidget();
    if (control && control != this) RMouseUp(control, button);
}

bool TfmOptions::AnimatedTooltips() const {
    const auto* box = findChild<QCheckBox*>(QStringLiteral("chkAnimatedTooltips"));
    return box && box->isChecked();
}

bool TfmOptions::BeepOnErrorChecked() const {
    const auto* box = findChild<QCheckBox*>(QStringLiteral("chkBeep"));
    return box && box->isChecked();
}

void TfmOptions::RefusedKeyBeep() const {
    if (!BeepOnErrorChecked()) return;
    if (host::IHost* h = host::Host()) h->Windows().MessageBeep();
}

QWidget* TfmOptions::Control(const std::string& name) const {
    const QString wanted = QString::fromStdString(name);
    if (objectName() == wanted) return const_cast<TfmOptions*>(this);
    return findChild<QWidget*>(wanted);
}

// Without a window frame the dialog still needs an edge against what lies
// behind it.
void TfmOptions::paintEvent(QPaintEvent* event) {
    TDialogForm::paintEvent(event);
    QPainter painter(this);
    const QRect edge = rect().adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
}

void TfmOptions::showEvent(QShowEvent* event) {
    TDialogForm::showEvent(event);
    if (!activated_) FormActivate();
}

void TfmOptions::FormActivate() {
    activated_ = true;
    for (TOptionsPage* page : pages_) page->Activate();
    LocalizyCaptions(Language());
    UpdateEnables();
}

bool TfmOptions::PageAccelerator(QKeyEvent& event) {
    if (!(event.modifiers() & Qt::AltModifier) || event.text().isEmpty()) return false;
    const QString key = event.text().toLower();
    for (int i = 0; i < PageCount(); ++i) {
        const TAcceleratedText caption = SplitAccelerator(TabCaption(i).toStdString());
        if (caption.accelerator < 0) continue;
        const QString shown = QString::fromStdString(caption.text);
        const int letter = QString::fromUtf8(caption.text.data(), caption.accelerator).size();
        if (shown.mid(letter, 1).toLower() == key) {
            SetActivePage(i);
            return true;
        }
    }
    return false;
}

void TfmOptions::keyPressEvent(QKeyEvent* event) {
    if (PageAccelerator(*event)) return;
    TDialogForm::keyPressEvent(event);
}

bool TfmOptions::DragTitle(QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton) return false;
        dragging_ = true;
        dragOffset_ = mouse->globalPosition().toPoint() - pos();
        return true;
    case QEvent::MouseMove:
        if (!dragging_) return false;
        move(mouse->globalPosition().toPoint() - dragOffset_);
        return true;
    case QEvent::MouseButtonRelease:
        if (mouse->button() != Qt::LeftButton || !dragging_) return false;
        dragging_ = false;
        return true;
    default:
        return false;
    }
}

// Seen before any control: the right-click help of every control (disabled
// ones included), the title panel's drag, and the key preview.
bool TfmOptions::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return TDialogForm::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ContextMenu:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) return true;
        if (widget == pnTitle) return DragTitle(event);
        break;
    case QEvent::MouseMove:
        if (widget == pnTitle) return DragTitle(event);
        break;
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            FormMouseUp(Qt::RightButton, mouse->globalPosition().toPoint());
            return true;
        }
        if (widget == pnTitle) return DragTitle(event);
        break;
    }
    case QEvent::KeyPress: {
        // Once a key, where it arrives first: the focused control (the
        // form's own when the application has none, as offscreen).
        QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : focusWidget();
        if (widget != (first ? first : this)) break;
        auto* key = static_cast<QKeyEvent*>(event);
        if (PageAccelerator(*key)) return true;
        if (TOptionsPage* page = Page(ActivePage()); page && page->PageKey(*key)) return true;
        break;
    }
    default:
        break;
    }
    return TDialogForm::eventFilter(watched, event);
}

}  // namespace skrivo
