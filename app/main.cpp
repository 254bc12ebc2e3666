// Program start: the application, its title, the main window, the About window, the
// event loop.
#include "ui/About/TForm2.h"
#include "ui/controls/Forms.h"
#include "ui/main/TForm1.h"

#include <string>

int main(int argc, char** argv) {
    klarvon::TApplication application(argc, argv);
    // The author the About window credits; every error box carries this title.
    application.SetTitle("Klarvon by " + klarvon::AboutAuthorName());

    klarvon::TForm1 form1;
    // Created hidden and kept; "About" shows it.
    klarvon::TForm2 form2(form1);
    form1.Form2 = &form2;

    form1.Show();
    return application.Run();
}
