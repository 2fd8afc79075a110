// TOptionsPage: one page of the options dialog, with the hooks the dialog calls and helpers that build named controls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QRect>
#include <QString>
#include <QWidget>

#include "config/ExpertConfig.h"
#include "options/dialog/ControlHelp.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace skrivo {

class TfmOptions;
class TSKRadioGroup;
class TFocusLabel;

// See the page contract in OptionsForm.h.
class TOptionsPage : public QWidget {
    Q_OBJECT
public:
    // tabHint: "Russian caption||English caption", each with "&" before the
    // tab's accelerator letter.
    TOptionsPage(TfmOptions& form, const std::string& name, const char* tabHint);

    virtual THelpTable Help() const = 0;
    virtual void Prepare(const TExpertConfig& cfg) = 0;
    virtual void WriteBack(TExpertConfig& cfg) const = 0;
    virtual void Commit() {}
    virtual void Activate() {}
    virtual void UpdateEnables() {}
    virtual void Localize(int /*language*/) {}
    virtual bool PageKey(QKeyEvent& /*event*/) { return false; }
    virtual bool BeforeOk() { return true; }

    TfmOptions& Form() const { return form_; }

protected:
    // Controls named as the dialog's components, in page coordinates. Texts
    // are UTF-8: the English caption the hint tables relabel.
    QCheckBox* AddCheck(const char* name, const char* caption, const QRect& bounds, QWidget* parent = nullptr);
    QLabel* AddLabel(const char* name, const char* caption, const QRect& bounds, QWidget* parent = nullptr);
    // A label that toggles and focuses its check box when clicked, framed
    // while the box has the focus; the box itself shows no text.
    TFocusLabel* AddCheckLabel(const char* name, QCheckBox* box, const QRect& bounds, QWidget* parent = nullptr);
    QPushButton* AddButton(const char* name, const char* caption, const QRect& bounds, QWidget* parent = nullptr);
    QLineEdit* AddEdit(const char* name, const QRect& bounds, QWidget* parent = nullptr);
    QComboBox* AddCombo(const char* name, const QStringList& items, bool editable, const QRect& bounds, QWidget* parent = nullptr);
    QGroupBox* AddGroup(const char* name, const char* caption, const QRect& bounds, QWidget* parent = nullptr);
    TSKRadioGroup* AddRadioGroup(const char* name, const char* caption, const QStringList& items, const QRect& bounds,
                                 QWidget* parent = nullptr);
    QTreeWidget* AddList(const char* name, const QStringList& columns, const QRect& bounds, QWidget* parent = nullptr);

    // Controls bound to an option of the record: a check box to a Boolean,
    // a radio group's item index to an Integer. PrepareBound and WriteBound
    // move every bound option at once.
    QCheckBox* AddOption(const char* name, const char* caption, const QRect& bounds, bool TExpertConfig::*option,
                         QWidget* parent = nullptr);
    TSKRadioGroup* AddOption(const char* name, const char* caption, const QStringList& items, const QRect& bounds,
                             std::int32_t TExpertConfig::*option, QWidget* parent = nullptr);
    void PrepareBound(const TExpertConfig& cfg);
    void WriteBound(TExpertConfig& cfg) const;

    // Re-runs the page's enable rules whenever the control changes.
    void UpdateOn(QCheckBox* box);
    void UpdateOn(TSKRadioGroup* group);

    // Window colour for an enabled field, button face for a disabled one.
    static void SetFieldEnabled(QWidget* field, bool enabled);

private:
    QWidget* Parent(QWidget* parent) { return parent ? parent : this; }

    TfmOptions& form_;
    std::vector<std::pair<QCheckBox*, bool TExpertConfig::*>> checks_;
    std::vector<std::pair<TSKRadioGroup*, std::int32_t TExpertConfig::*>> indexes_;
};

}  // namespace skrivo
