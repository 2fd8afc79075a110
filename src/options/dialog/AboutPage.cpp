// The About page: the product's name and version with its shadow, and the way to its web page.
#include <QLabel>
#include <QPushButton>

#include "host/api/Form.h"
#include "options/dialog/OptionsForm.h"
#include "options/dialog/OptionsPage.h"
#include "options/dialog/OptionsServices.h"
#include "options/dialog/Pages.h"
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

constexpr const char* kProductTitle = "Skrivo Expert v1.0";
constexpr const char* kWebPage = "https://skrivo.example.org/";

class TAboutPage final : public TOptionsPage {
public:
    explicit TAboutPage(TfmOptions& form) : TOptionsPage(form, "shtAbout", "О про&грамме||Ab&out") {
        QFont title = font();
        title.setPixelSize(26);
        title.setBold(true);
        // The name is drawn twice, one pixel apart: the lower one is its shadow.
        QLabel* shadow = AddLabel("lblTitleShadow", kProductTitle, QRect(21, 31, 340, 40));
        shadow->setFont(title);
        QPalette grey = shadow->palette();
        grey.setColor(QPalette::WindowText, grey.color(QPalette::Dark));
        shadow->setPalette(grey);
        QLabel* name = AddLabel("lblTitle", kProductTitle, QRect(20, 30, 340, 40));
        name->setFont(title);
        AddLabel("lblAbout",
                 "A typing assistant for Object Pascal: word completion from a self-teaching dictionary, substitutions, "
                 "brackets, keyboard macros, layout and case conversion, block navigation and bookmarks.",
                 QRect(20, 84, 350, 96));
        QPushButton* web = AddButton("btnWebPage", "Web page", QRect(20, 190, 120, 25));
        connect(web, &QPushButton::clicked, this, [this] {
            if (!Form().Expert().OpenUrl(kWebPage))
                host::MessageDlg("Skrivo Expert", std::string("No web browser could be started for ") + kWebPage + ".",
                                 host::MessageButtons::Ok);
        });
    }

    THelpTable Help() const override { return AboutHelp(); }
    void Prepare(const TExpertConfig&) override {}
    void WriteBack(TExpertConfig&) const override {}
};

}  // namespace

TOptionsPage* CreateAboutPage(TfmOptions& form) { return new TAboutPage(form); }

}  // namespace skrivo
