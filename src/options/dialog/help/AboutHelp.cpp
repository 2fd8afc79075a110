// Help for the About page.
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

const TControlHelp kHelp[] = {
    {"lblTitle", "The product and its version.", "Название программы и её версия."},
    {"lblTitleShadow", "The product and its version.", "Название программы и её версия."},
    {"lblAbout", "What Skrivo does for you.", "Что Skrivo делает для вас.",
     "Помощник набора для Object Pascal: дополнение слов из самообучающегося словаря, подстановки, скобки, макросы клавиатуры, "
     "смена раскладки и регистра, переходы по блокам и закладки.",
     "A typing assistant for Object Pascal: word completion from a self-teaching dictionary, substitutions, brackets, keyboard "
     "macros, layout and case conversion, block navigation and bookmarks."},
    {"btnWebPage", "Open the product's web page in your browser.", "Открыть страницу программы в браузере.", "Веб-страница",
     "Web page"},
};

}  // namespace

THelpTable AboutHelp() { return kHelp; }

}  // namespace skrivo
