// The numeric fields' keyboard rules: which typed characters they take, and the beep for a refused one.
#include "options/dialog/InputRules.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace skrivo {

namespace {

enum class KeyKind { Other, Digit, Backspace, Enter, Character };

KeyKind KindOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
        return KeyKind::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyKind::Enter;
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return KeyKind::Other;
    default:
        break;
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return KeyKind::Other;
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint()) return KeyKind::Other;
    return text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9') ? KeyKind::Digit : KeyKind::Character;
}

class KeyRule final : public QObject {
public:
    KeyRule(QLineEdit* edit, std::function<bool(QLineEdit&, const QKeyEvent&, KeyKind)> rule)
        : QObject(edit), edit_(edit), rule_(std::move(rule)) {
        edit->installEventFilter(this);
        // A combo box hands typed keys to its edit without the event
        // filters seeing them again: its keys are checked where they arrive.
        if (auto* combo = qobject_cast<QComboBox*>(edit->parentWidget())) combo->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || (watched != edit_ && watched != edit_->parentWidget())) return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const KeyKind kind = KindOf(key);
        if (kind == KeyKind::Other) return false;
        return rule_(*edit_, key, kind);
    }

private:
    QLineEdit* edit_;
    std::function<bool(QLineEdit&, const QKeyEvent&, KeyKind)> rule_;
};

}  // namespace

void AcceptDigitsOnly(QLineEdit* edit, int maxDigits, std::function<void()> refused) {
    new KeyRule(edit, [maxDigits, refused](QLineEdit& e, const QKeyEvent&, KeyKind kind) {
        if (kind == KeyKind::Backspace || kind == KeyKind::Enter) return false;
        // What the text would be: a selection is typed over.
        const qsizetype after = e.text().size() - e.selectedText().size() + 1;
        if (kind == KeyKind::Digit && after <= maxDigits) return false;
        if (refused) refused();
        return true;
    });
}

void AcceptOneDigit(QLineEdit* edit, std::function<void()> refused) {
    new KeyRule(edit, [refused](QLineEdit& e, const QKeyEvent& key, KeyKind kind) {
        if (kind == KeyKind::Enter) return true;
        if (kind == KeyKind::Digit && key.text() != QLatin1String("0")) {
            e.setText(key.text());
            e.selectAll();
            return true;
        }
        if (refused) refused();
        return true;
    });
}

}  // namespace skrivo
