// TFileDialogForm: the host's open, save and folder dialogs, as one form that walks folders.
#pragma once

#include <string>
#include <vector>

#include <QStringList>

#include "host/api/FileDialogs.h"
#include "host/api/Form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace skrivo::host {

class TFileDialogForm final : public TForm {
    Q_OBJECT
public:
    enum class Mode { Open, Save, Folder };

    TFileDialogForm(Mode mode, const TFileDialogOptions& options);

    // Valid after OK: UTF-8 paths as the file system spells them.
    const QStringList& Chosen() const { return chosen_; }

private:
    void ShowFolder(const QString& folder);
    void Accept();
    void Activated(QListWidgetItem* item);
    QStringList Masks() const;
    QStringList TypedNames() const;

    Mode mode_;
    std::string defaultExt_;
    bool multiSelect_;
    std::vector<std::pair<QString, QStringList>> filters_;
    QString folder_;
    QStringList chosen_;
    QLabel* lblFolder_;
    QListWidget* lvFiles_;
    QLineEdit* edFileName_;
    QComboBox* cbFileType_;
};

}  // namespace skrivo::host
