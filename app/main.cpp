// Program start: the application, its title, the main window, the About window, the
// event loop.
#include "ui/controls/Forms.h"
#include "ui/main/TForm1.h"

#include <string>

namespace {

// The author named in the application title, which every error box carries.
constexpr char AuthorName[] = "Mira Lindqvist";

} // namespace

int main(int argc, char** argv)
{
    klarvon::TApplication application(argc, argv);
    application.SetTitle(std::string("Klarvon by ") + AuthorName);

    klarvon::TForm1 form1;

    // --- About window ------------------------------------------------------------------
    // TForm2 is created here, hidden, owned by form1; it is shown by Button3Click.
    // ------------------------------------------------------------------------------------

    form1.Show();
    return application.Run();
}
