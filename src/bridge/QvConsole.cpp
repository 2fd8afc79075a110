// TfmConsole: layout, the OnTop switch and the one global console.
#include "bridge/QvConsole.h"

#include <QAction>
#include <QFont>
#include <QMenu>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include "bridge/Diagnostics.h"
#include "platform/CodePage.h"

namespace skrivo {

TfmConsole* fmConsole = nullptr;

namespace {

void ReportToConsole(std::string_view line) {
    if (fmConsole) fmConsole->Report(line);
}

}  // namespace

TfmConsole::TfmConsole() : host::TForm("TfmConsole", "fmConsole") {
    // A sizeable tool window with only the system-menu icon.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    SetStayOnTop(true);
    SetCaption("Debug Console");
    SetBoundsRect({569, 77, 569 + 403, 77 + 173});
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    setFont(font);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->viewport()->setCursor(Qt::ArrowCursor);
    // The text area stays hidden unless this build keeps diagnostics: with
    // the sink discarding, there is nothing it could show.
    RichEdit1->setVisible(kKeepDiagnostics);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RichEdit1);

    PopupMenu1 = new QMenu(this);
    OnTop1 = PopupMenu1->addAction("OnTop");
    OnTop1->setObjectName("OnTop1");
    OnTop1->setCheckable(true);
    OnTop1->setChecked(true);
    // The item's check follows OnTop1Click, not Qt's own toggling.
    connect(OnTop1, &QAction::triggered, this, [this] {
        OnTop1->setChecked(!OnTop1->isChecked());
        OnTop1Click();
    });
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(RichEdit1->mapToGlobal(at)); });
}

TfmConsole::~TfmConsole() { FormDestroy(); }

void TfmConsole::Report(std::string_view line) {
    RichEdit1->append(QString::fromStdString(win::AnsiToUtf8(line, win::GetACP())));
    QScrollBar* bar = RichEdit1->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void TfmConsole::OnTop1Click() {
    OnTop1->setChecked(!OnTop1->isChecked());
    SetStayOnTop(OnTop1->isChecked());
}

void TfmConsole::FormDestroy() {
    if (fmConsole == this) {
        fmConsole = nullptr;
        SetDiagnosticListener(nullptr);
    }
}

void CreateConsole(TQvExpert* expert) {
    if (fmConsole) return;
    fmConsole = new TfmConsole();
    fmConsole->SetExpert(expert);
    fmConsole->show();
    SetDiagnosticListener(&ReportToConsole);
}

void FreeConsole() { delete fmConsole; }

}  // namespace skrivo
