// The IDE's main window ("TEditWindow"): main menu, one tab per module editor, status line.
#pragma once

#include <memory>

#include "host/api/Form.h"

class QLabel;
class QListWidget;
class QMenuBar;
class QStatusBar;
class QTabWidget;

namespace skrivo::host {

class EditorControl;
class MainMenu;

// Only the window: what the menu items do and which module a tab shows is
// the host's business (HostApplication, ModuleManager).
class TEditWindow final : public TForm {
    Q_OBJECT
public:
    explicit TEditWindow(QWidget* parent = nullptr);
    ~TEditWindow() override;

    MainMenu& Menu() { return *menu_; }
    QTabWidget& Tabs() { return *tabs_; }

    int AddEditor(EditorControl* editor, const QString& title);
    void RemoveEditor(EditorControl* editor);
    EditorControl* CurrentEditor() const;
    void SetCurrentEditor(EditorControl* editor);
    void SetEditorTitle(EditorControl* editor, const QString& title, const QString& toolTip);

    void SetCursorText(const QString& text);
    void SetModifiedText(const QString& text);
    void SetLayoutText(const QString& text);
    // A passing message on the status line (it goes by itself after a while).
    void ShowStatusMessage(const QString& text);
    QString StatusMessage() const;
    QString ModifiedText() const;
    QString CursorText() const;
    // The messages pane under the editor (the compiler's output); hidden
    // until something is shown in it.
    QListWidget& Messages() { return *messages_; }
    QString LayoutText() const;

signals:
    void CurrentEditorChanged(EditorControl* editor);
    void CloseRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QMenuBar* menuBar_;
    QTabWidget* tabs_;
    QListWidget* messages_;
    QLabel* cursorLabel_;
    QLabel* modifiedLabel_;
    QLabel* layoutLabel_;
    QStatusBar* status_;
    std::unique_ptr<MainMenu> menu_;
};

}  // namespace skrivo::host
