// TFileDialogForm: the host's open, save and folder dialogs, as one form that walks folders.
#include "host/forms/FileDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>

#include "host/forms/Desktop.h"
#include "host/text/AnsiText.h"

namespace skrivo::host {

namespace {

QString FromAnsi(const std::string& text) { return QString::fromStdString(AnsiToEditorText(text)); }
std::string ToAnsi(const QString& text) { return EditorTextToAnsi(text.toStdString()); }

const char* DefaultCaption(TFileDialogForm::Mode mode) {
    switch (mode) {
    case TFileDialogForm::Mode::Open:
        return "Open";
    case TFileDialogForm::Mode::Save:
        return "Save As";
    case TFileDialogForm::Mode::Folder:
        return "Browse for Folder";
    }
    return "";
}

// Entries that are folders carry this role, so a folder named like a file
// still opens.
constexpr int kIsFolderRole = Qt::UserRole + 1;

}  // namespace

TFileDialogForm::TFileDialogForm(Mode mode, const TFileDialogOptions& options)
    : TForm(mode == Mode::Folder ? "TBrowseForFolder" : mode == Mode::Open ? "TOpenDialog" : "TSaveDialog", "FileDialog"),
      mode_(mode),
      defaultExt_(options.defaultExt),
      multiSelect_(options.multiSelect && mode == Mode::Open) {
    SetCaption(mode == Mode::Folder || options.title.empty() ? DefaultCaption(mode) : options.title);
    setWindowModality(Qt::ApplicationModal);
    const QStringList parts = FromAnsi(options.filter).split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters_.emplace_back(parts[i], parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts));

    auto* grid = new QGridLayout(this);
    if (mode == Mode::Folder) {
        auto* title = new QLabel(FromAnsi(options.title), this);
        SetControlClass(title, "Title");
        grid->addWidget(title, 0, 0, 1, 2);
    }
    lblFolder_ = new QLabel(this);
    SetControlClass(lblFolder_, "Folder");
    grid->addWidget(lblFolder_, 1, 0, 1, 2);
    lvFiles_ = new QListWidget(this);
    SetControlClass(lvFiles_, "Files");
    lvFiles_->setMinimumSize(360, 200);
    grid->addWidget(lvFiles_, 2, 0, 1, 2);
    auto* nameLabel = new QLabel(mode == Mode::Folder ? QStringLiteral("Folder:") : QStringLiteral("File name:"), this);
    grid->addWidget(nameLabel, 3, 0);
    edFileName_ = new QLineEdit(this);
    SetControlClass(edFileName_, "FileName");
    grid->addWidget(edFileName_, 3, 1);
    cbFileType_ = new QComboBox(this);
    SetControlClass(cbFileType_, "FileType");
    for (const auto& [description, masks] : filters_) cbFileType_->addItem(description);
    if (mode != Mode::Folder && !filters_.empty()) {
        grid->addWidget(new QLabel(QStringLiteral("Files of type:"), this), 4, 0);
        grid->addWidget(cbFileType_, 4, 1);
    } else {
        cbFileType_->hide();
    }
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    const char* okText = mode == Mode::Open ? "Open" : mode == Mode::Save ? "Save" : "OK";
    auto* ok = new QPushButton(QString::fromLatin1(okText), this);
    SetControlClass(ok, okText);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetControlClass(cancel, "Cancel");
    SetButtonModalResult(cancel, mrCancel);
    row->addWidget(ok);
    row->addWidget(cancel);
    grid->addLayout(row, 5, 0, 1, 2);

    connect(ok, &QPushButton::clicked, this, [this] { Accept(); });
    connect(lvFiles_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { Activated(item); });
    connect(lvFiles_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && (mode_ == Mode::Folder || !item->data(kIsFolderRole).toBool())) edFileName_->setText(item->text());
    });
    connect(cbFileType_, &QComboBox::currentIndexChanged, this, [this] { ShowFolder(folder_); });

    QString start = FromAnsi(options.initialDir);
    if (start.isEmpty() || !QFileInfo(start).isDir()) start = QDir::currentPath();
    ShowFolder(QDir(start).absolutePath());
    if (mode != Mode::Folder) edFileName_->setText(FromAnsi(options.fileName));
    edFileName_->setFocus(Qt::OtherFocusReason);
    adjustSize();
    const QSize screen = Desktop::Instance().ScreenSize();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

QStringList TFileDialogForm::Masks() const {
    const int index = cbFileType_->currentIndex();
    if (index < 0 || index >= static_cast<int>(filters_.size())) return {QStringLiteral("*")};
    return filters_[static_cast<std::size_t>(index)].second;
}

void TFileDialogForm::ShowFolder(const QString& folder) {
    folder_ = QDir::cleanPath(folder);
    lblFolder_->setText(folder_);
    lvFiles_->clear();
    QDir dir(folder_);
    if (!dir.isRoot()) {
        auto* up = new QListWidgetItem(QStringLiteral(".."), lvFiles_);
        up->setData(kIsFolderRole, true);
    }
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(name + QLatin1Char('/'), lvFiles_);
        item->setData(kIsFolderRole, true);
    }
    if (mode_ == Mode::Folder) {
        edFileName_->setText(folder_);
        return;
    }
    for (const QString& name : dir.entryList(Masks(), QDir::Files, QDir::Name | QDir::IgnoreCase)) new QListWidgetItem(name, lvFiles_);
}

void TFileDialogForm::Activated(QListWidgetItem* item) {
    if (!item) return;
    if (item->data(kIsFolderRole).toBool()) {
        QString name = item->text();
        if (name.endsWith(QLatin1Char('/'))) name.chop(1);
        ShowFolder(QDir(folder_).absoluteFilePath(name));
        return;
    }
    edFileName_->setText(item->text());
    Accept();
}

// One name, or with multiSelect several in double quotes ("a.km" "b.km").
QStringList TFileDialogForm::TypedNames() const {
    const QString text = edFileName_->text().trimmed();
    if (!multiSelect_ || !text.startsWith(QLatin1Char('"'))) return text.isEmpty() ? QStringList{} : QStringList{text};
    QStringList names;
    static const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
    for (auto it = quoted.globalMatch(text); it.hasNext();) names << it.next().captured(1);
    return names;
}

void TFileDialogForm::Accept() {
    const QStringList names = TypedNames();
    if (names.isEmpty()) return;
    QStringList paths;
    for (const QString& name : names) paths << QDir::cleanPath(QDir(folder_).absoluteFilePath(name));
    if (mode_ == Mode::Folder) {
        if (!QFileInfo(paths.front()).isDir()) {
            MessageDlg(Caption(), "The folder " + ToAnsi(paths.front()) + " does not exist.", MessageButtons::Ok);
            return;
        }
        chosen_ = {paths.front()};
        SetModalResult(mrOk);
        return;
    }
    // A folder typed as the name is entered, as the system's dialogs do.
    if (paths.size() == 1 && QFileInfo(paths.front()).isDir()) {
        ShowFolder(paths.front());
        edFileName_->clear();
        return;
    }
    if (mode_ == Mode::Open) {
        for (const QString& path : paths)
            if (!QFileInfo(path).isFile()) {
                MessageDlg(Caption(), ToAnsi(path) + "\nFile not found.\nPlease verify the correct file name was given.", MessageButtons::Ok);
                return;
            }
    } else {
        QString& path = paths.front();
        if (!defaultExt_.empty() && QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + FromAnsi(defaultExt_);
        if (QFileInfo(path).isDir()) return;
        if (QFileInfo::exists(path) &&
            MessageDlg("Confirm Save As", ToAnsi(path) + " already exists.\nDo you want to replace it?", MessageButtons::YesNo) != mrYes)
            return;
        paths = QStringList{path};
    }
    chosen_ = paths;
    SetModalResult(mrOk);
}

std::vector<std::string> OpenFileDialog(const TFileDialogOptions& options) {
    TFileDialogForm form(TFileDialogForm::Mode::Open, options);
    std::vector<std::string> files;
    if (form.ShowModal() != mrOk) return files;
    for (const QString& path : form.Chosen()) files.push_back(ToAnsi(path));
    return files;
}

std::optional<std::string> SaveFileDialog(const TFileDialogOptions& options) {
    TFileDialogForm form(TFileDialogForm::Mode::Save, options);
    if (form.ShowModal() != mrOk || form.Chosen().isEmpty()) return std::nullopt;
    return ToAnsi(form.Chosen().front());
}

std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& initialDir) {
    TFileDialogOptions options;
    options.title = title;
    options.initialDir = initialDir;
    TFileDialogForm form(TFileDialogForm::Mode::Folder, options);
    if (form.ShowModal() != mrOk || form.Chosen().isEmpty()) return std::nullopt;
    return ToAnsi(form.Chosen().front());
}

}  // namespace skrivo::host
