// The IDE's main window ("TEditWindow"): main menu, one tab per module editor, status line.
#pragma once

#include <memory>

#include "host/api/Form.h"

class QLabel;
class QMenuBar;
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
    QString CursorText() const;
    QString LayoutText() const;

signals:
    void CurrentEditorChanged(EditorControl* editor);
    void CloseRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QMenuBar* menuBar_;
    QTabWidget* tabs_;
    QLabel* cursorLabel_;
    QLabel* modifiedLabel_;
    QLabel* layoutLabel_;
    std::unique_ptr<MainMenu> menu_;
};

}  // namespace skrivo::host
