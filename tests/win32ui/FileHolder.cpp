// klarvon_file_holder PATH: holds PATH open as the running game holds gta_sa.exe, for
// reading with read sharing only, so that every other program's open for writing fails
// with a sharing violation. Writes "holding" and a line end on standard output once it
// holds the file, then keeps it until its standard input ends (the test closes its end of
// the pipe, or ends the program). Exit status 0 after holding, 1 when the file would not
// open (the reason on standard output), 2 for a wrong command line.
#include <windows.h>

#include <shellapi.h>

#include <string>

namespace {

void Say(const std::string& line) {
    const std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()),
              &written, nullptr);
}

} // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 2) {
        Say("usage: klarvon_file_holder PATH");
        return 2;
    }
    HANDLE file = CreateFileW(arguments[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    LocalFree(arguments);
    if (file == INVALID_HANDLE_VALUE) {
        Say("cannot open: error " + std::to_string(GetLastError()));
        return 1;
    }
    Say("holding");
    char ignored[64];
    DWORD got = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), ignored, sizeof ignored, &got, nullptr) &&
           got > 0) {
    }
    CloseHandle(file);
    return 0;
}
