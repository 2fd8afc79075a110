// TfmSearchOption: finds the options dialog's controls by a text fragment and takes the user to one of them.
#include "options/SearchOption.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>

#include "host/api/Host.h"
#include "host/api/Widgets.h"

namespace skrivo {

namespace {

// A row's data: the control it stands for.
constexpr int kControlRole = Qt::UserRole + 1;

QString WithoutAccelerator(QString text) {
    for (int i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char('&')) text.remove(i, 1);  // "&&" keeps one
    return text;
}

// A control is listed only when it is visible of itself; one on a page that
// is not in front is hidden only through its page.
bool ShownByItself(const QWidget* w) {
    return !(w->testAttribute(Qt::WA_WState_Hidden) && w->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

bool IsRadioGroup(const QGroupBox* box) {
    for (const QObject* child : box->children())
        if (const auto* radio = qobject_cast<const QRadioButton*>(child); radio && radio->objectName().isEmpty())
            return true;
    return false;
}

QString DefaultHint(const QWidget* w) { return w->property("hint").toString(); }

bool IsPage(const QWidget* w) { return qobject_cast<const QStackedWidget*>(w->parentWidget()) != nullptr; }

QWidget* PageOfControl(const QWidget* control, const QWidget* dialog) {
    for (const QWidget* w = control; w && w != dialog; w = w->parentWidget())
        if (IsPage(w)) return const_cast<QWidget*>(w);
    return nullptr;
}

int DefaultPageOf(const QWidget* control, const QWidget* dialog) {
    const QWidget* page = PageOfControl(control, dialog);
    return page ? qobject_cast<const QStackedWidget*>(page->parentWidget())->indexOf(const_cast<QWidget*>(page)) : -1;
}

// Every stack of pages in the dialog; the one holding a page index shows it.
void DefaultShowPage(QWidget* dialog, int index) {
    for (auto* stack : dialog->findChildren<QStackedWidget*>()) {
        if (index < 0 || index >= stack->count()) continue;
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
            tabs->setCurrentIndex(index);
        else
            stack->setCurrentIndex(index);
        return;
    }
}

QIcon KindIcon(TOptionKind kind) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 120), 1.2));
    switch (kind) {
    case TOptionKind::Label: {
        QFont f = p.font();
        f.setPixelSize(13);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("A"));
        break;
    }
    case TOptionKind::Button:
        p.setBrush(QColor(225, 225, 225));
        p.drawRoundedRect(QRectF(1.5, 4.5, 13, 8), 2, 2);
        break;
    case TOptionKind::Group:
        p.drawRect(QRectF(1.5, 4.5, 13, 10));
        p.fillRect(QRectF(3, 2, 7, 5), Qt::white);
        p.drawLine(QPointF(4, 4.5), QPointF(9, 4.5));
        break;
    case TOptionKind::CheckBox:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        p.setPen(QPen(QColor(20, 110, 20), 2));
        p.drawPolyline(QPolygonF({QPointF(4.5, 8), QPointF(7, 11), QPointF(11.5, 5)}));
        break;
    case TOptionKind::Other:
        break;
    }
    return QIcon(pixmap);
}

}  // namespace

TOptionKind OptionKindOf(const QWidget* control) {
    if (qobject_cast<const QLabel*>(control)) return TOptionKind::Label;
    if (qobject_cast<const QCheckBox*>(control)) return TOptionKind::CheckBox;
    if (qobject_cast<const QRadioButton*>(control)) return TOptionKind::Other;
    if (qobject_cast<const QAbstractButton*>(control)) return TOptionKind::Button;
    if (qobject_cast<const QGroupBox*>(control)) return TOptionKind::Group;
    return TOptionKind::Other;
}

QString OptionCaption(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return WithoutAccelerator(label->text()).trimmed();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return WithoutAccelerator(button->text()).trimmed();
    if (const auto* box = qobject_cast<const QGroupBox*>(control)) return WithoutAccelerator(box->title()).trimmed();
    return {};
}

QString OptionSearchText(const QWidget* control) {
    const auto* box = qobject_cast<const QGroupBox*>(control);
    if (!box || !IsRadioGroup(box)) return OptionCaption(control);
    QString text;
    for (const QObject* child : box->children())
        if (const auto* radio = qobject_cast<const QRadioButton*>(child))
            text += WithoutAccelerator(radio->text()) + QLatin1Char('\r');
    return text + QLatin1Char('\r') + OptionCaption(control);
}

TfmSearchOption::TfmSearchOption(TOptionSearchTarget target)
    : TDialogForm("TfmSearchOption", "fmSearchOption", 335, 230), target_(std::move(target)) {
    QWidget* dialog = target_.dialog;
    if (!target_.hintOf) target_.hintOf = DefaultHint;
    if (!target_.pageOf) target_.pageOf = [dialog](const QWidget* control) { return DefaultPageOf(control, dialog); };
    if (!target_.showPage) target_.showPage = [dialog](int page) { DefaultShowPage(dialog, page); };
    if (!target_.beepOnError)
        target_.beepOnError = [dialog] {
            const auto* beep = dialog ? dialog->findChild<QCheckBox*>(QStringLiteral("chkBeep")) : nullptr;
            return beep && beep->isChecked();
        };
    SetCaption("Search an option");
    edPattern = new QLineEdit(this);
    SetControlClass(edPattern, "edPattern");
    edPattern->setGeometry(8, 8, 238, 21);
    edPattern->installEventFilter(this);
    btnFind = AddButton("btnFind", "Find", QRect(252, 6, 75, 25));
    lvFoundOptions = new QListWidget(this);
    SetControlClass(lvFoundOptions, "lvFoundOptions");
    lvFoundOptions->setGeometry(8, 37, 319, 155);
    lvFoundOptions->setViewMode(QListView::ListMode);
    lvFoundOptions->setFlow(QListView::TopToBottom);
    lvFoundOptions->setWrapping(true);
    lvFoundOptions->setResizeMode(QListView::Adjust);
    lvFoundOptions->setIconSize(QSize(16, 16));
    chkSearchInHints = AddCheckBox("chkSearchInHints", "Search in hints", QRect(8, 203, 120, 17));
    chkSearchInHints->setChecked(true);
    btnGo = AddButton("btnGo", "Go", QRect(171, 199, 75, 25));
    btnCancel = AddButton("btnCancel", "Cancel", QRect(252, 199, 75, 25));
    SetDefaultButton(btnGo);
    SetCancelButton(btnCancel);
    SetButtonModalResult(btnCancel, host::mrCancel);
    btnFind->setEnabled(false);
    btnGo->setEnabled(false);
    connect(edPattern, &QLineEdit::textChanged, this, [this](const QString& text) { btnFind->setEnabled(!text.isEmpty()); });
    connect(btnFind, &QPushButton::clicked, this, &TfmSearchOption::Find);
    connect(btnGo, &QPushButton::clicked, this, &TfmSearchOption::Go);
    connect(lvFoundOptions, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        lvFoundOptions->setCurrentItem(item);
        Go();
    });
    // Kept until the options dialog goes, as its own child window.
    if (target_.dialog) {
        setParent(target_.dialog, windowFlags());
        CenterOver(target_.dialog);
    }
    edPattern->setFocus(Qt::OtherFocusReason);
}

void TfmSearchOption::Localize(bool russian) {
    // Opened from a Russian options dialog, an English one would be the only
    // English window the user meets there.
    struct Caption {
        QWidget* control;
        const char* english;
        const char* russian;
    };
    const Caption captions[] = {{btnFind, "Find", "Найти"},
                                {chkSearchInHints, "Search in hints", "Искать в подсказках"},
                                {btnGo, "Go", "Перейти"},
                                {btnCancel, "Cancel", "Отмена"}};
    for (const Caption& c : captions)
        static_cast<QAbstractButton*>(c.control)->setText(QString::fromUtf8(russian ? c.russian : c.english));
    setWindowTitle(QString::fromUtf8(russian ? "Поиск настройки" : "Search an option"));
    // The Russian caption needs the room up to the "Go" button.
    chkSearchInHints->resize(russian ? 160 : 120, chkSearchInHints->height());
}

bool TfmSearchOption::Execute(bool searchInHints) {
    chkSearchInHints->setChecked(searchInHints);
    if (target_.dialog) CenterOver(target_.dialog);
    ShowModal();
    return chkSearchInHints->isChecked();
}

QWidget* TfmSearchOption::FoundControl(int row) const {
    const QListWidgetItem* item = lvFoundOptions->item(row);
    return item ? static_cast<QWidget*>(item->data(kControlRole).value<QObject*>()) : nullptr;
}

void TfmSearchOption::Find() {
    lvFoundOptions->clear();
    btnGo->setEnabled(false);
    const QString pattern = edPattern->text().toLower();
    if (pattern.isEmpty() || !target_.dialog) return;
    struct Found {
        QWidget* control;
        TOptionKind kind;
        QString caption;
    };
    std::vector<Found> found;
    const bool inHints = chkSearchInHints->isChecked();
    for (QWidget* w : target_.dialog->findChildren<QWidget*>()) {
        // Components only: named controls of the dialog's own window.
        if (w->objectName().isEmpty() || w->window() != target_.dialog || !ShownByItself(w)) continue;
        const TOptionKind kind = OptionKindOf(w);
        const QString hint = target_.hintOf(w);
        if (kind == TOptionKind::Other && hint.isEmpty()) continue;
        const bool match = (kind != TOptionKind::Other && OptionSearchText(w).toLower().contains(pattern)) ||
                           (inHints && hint.toLower().contains(pattern));
        if (match) found.push_back({w, kind, kind == TOptionKind::Other ? QString() : OptionCaption(w)});
    }
    // Bringing a page forward reorders Qt's children; the user expects the
    // rows in the order of the pages.
    std::stable_sort(found.begin(), found.end(), [&](const Found& a, const Found& b) {
        return target_.pageOf(a.control) < target_.pageOf(b.control);
    });
    // A label that only repeats its check box's (or button's) caption.
    std::erase_if(found, [&](const Found& f) {
        if (f.kind != TOptionKind::Label) return false;
        return std::any_of(found.begin(), found.end(),
                           [&](const Found& o) { return o.kind != TOptionKind::Label && o.caption == f.caption; });
    });
    for (const Found& f : found) {
        auto* item = new QListWidgetItem(f.caption, lvFoundOptions);
        if (f.kind != TOptionKind::Other) item->setIcon(KindIcon(f.kind));
        item->setData(kControlRole, QVariant::fromValue(static_cast<QObject*>(f.control)));
    }
    btnGo->setEnabled(!found.empty());
    if (!found.empty()) {
        lvFoundOptions->setCurrentRow(0);
        return;
    }
    if (target_.beepOnError())
        if (host::IHost* h = host::Host()) h->Windows().MessageBeep();
}

void TfmSearchOption::Go() {
    QWidget* control = FoundControl(lvFoundOptions->currentRow());
    if (!control) return;
    if (const int page = target_.pageOf(control); page >= 0) target_.showPage(page);
    // A label takes no focus; a disabled control keeps the user on its page
    // without pretending it can be used.
    if (!qobject_cast<QLabel*>(control) && control->isEnabled()) control->setFocus(Qt::OtherFocusReason);
    if (host::IHost* h = host::Host()) {
        const QPoint centre = control->mapToGlobal(control->rect().center());
        h->Windows().SetCursorPos(centre.x(), centre.y());
    }
    SetModalResult(host::mrOk);
}

bool TfmSearchOption::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edPattern && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (btnFind->isEnabled()) btnFind->click();
            return true;
        }
    }
    return TDialogForm::eventFilter(watched, event);
}

}  // namespace skrivo
