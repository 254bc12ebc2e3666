// Program start: the application, its title, the main window, the About window, the file
// the program was started with, the event loop.
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
    // A file dropped on the program or opened with it: only the first counts, as the
    // window shows one file. A failure shows in the error box over the window, which stays.
    if (application.ParamCount() >= 1) {
        const std::string path = application.ParamStr(1);
        application.Invoke([&form1, &path] { form1.OpenStartFile(path); });
    }
    return application.Run();
}
