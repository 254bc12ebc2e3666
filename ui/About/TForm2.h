#pragma once
// The About window: a small credits window over a stretched background picture. It is
// created hidden once, with the main window as its owner, and kept for the program's
// life. While it shows, the main window is disabled, so it behaves like a modal dialog
// without running a loop of its own; closing it in any way enables the main window
// again. It has no Russian texts.

#include "ui/controls/ExtCtrls.h"
#include "ui/controls/Forms.h"
#include "ui/controls/StdCtrls.h"

#include <string>
#include <string_view>

namespace klarvon {

// The credits: the program is made by its contributors as a group, one word in each of
// the two name labels and the whole name on the credit line. The application title, the
// main window's caption, AUTHORS.txt and the packages name them in the same words.
inline constexpr std::string_view AboutAuthorFirstName = "Klarvon";
inline constexpr std::string_view AboutAuthorSurname = "contributors";
inline constexpr std::string_view AboutContributor = "Modders";
inline constexpr std::string_view AboutCreditLine = "Klarvon contributors";
// "Klarvon contributors": the application title is "Klarvon by " and this.
inline std::string AboutAuthorName() {
    return std::string(AboutAuthorFirstName) + " " + std::string(AboutAuthorSurname);
}
// Opened by a click on the first name label: the list of who made the program, shipped
// beside it like ReadMe.txt.
inline constexpr std::string_view AboutAuthorPage = "AUTHORS.txt";

class TForm2 : public TForm {
public:
    // mainForm: the window it is centred on and disables while it shows.
    explicit TForm2(TForm& mainForm);

    // The main window's "About": beep, show centred on the main window, then disable
    // the main window.
    void Open();

    TImage* Image2 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TButton* Button1 = nullptr;

private:
    void CreateControls();
    void ConnectEvents();

    void Button1Click();
    void FormClose();
    void Label3Click();

    TForm& mainForm_;
};

} // namespace klarvon
