// How a control of the options dialog carries its bilingual hint, and the per-page tables the hints come from.
#include "options/dialog/ControlHelp.h"

#include <QVariant>
#include <QWidget>

#include "options/dialog/HintText.h"

namespace skrivo {

namespace {

constexpr const char* kHintProperty = "skrivoHint";
constexpr const char* kTagProperty = "skrivoTag";

}  // namespace

QString HintOf(const QWidget* control) { return control ? control->property(kHintProperty).toString() : QString(); }

void SetHint(QWidget* control, const QString& hint) { control->setProperty(kHintProperty, hint); }

std::vector<std::string> ApplyHelpTable(QWidget* root, THelpTable table) {
    std::vector<std::string> missing;
    for (const TControlHelp& help : table) {
        const QString name = QString::fromUtf8(help.name);
        QWidget* control = root->objectName() == name ? root : root->findChild<QWidget*>(name);
        if (!control) {
            missing.emplace_back(help.name);
            continue;
        }
        SetHint(control, QString::fromStdString(MakeHint(help.english, help.russian, help.ruCaption, help.enCaption)));
    }
    return missing;
}

int TagOf(const QWidget* control) { return control ? control->property(kTagProperty).toInt() : 0; }

void SetTag(QWidget* control, int tag) { control->setProperty(kTagProperty, tag); }

}  // namespace skrivo
