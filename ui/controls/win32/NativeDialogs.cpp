#include "ui/controls/win32/NativeDialogs.h"
#include "table/WideText.h"
#include "ui/controls/win32/ControlImpl.h"

#include <commdlg.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <shobjidl.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace klarvon {
namespace {

// The message dialog's layout, in pixels.
constexpr int Margin = 12;
constexpr int IconSize = 32;
constexpr int TextMaxWidth = 420;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 23;
constexpr int ButtonGap = 6;
constexpr int FirstButtonId = 100;
// DialogBox answers with the button's index moved up by one, so that a box closed by its
// close box answers 0 and nothing collides with DialogBox's own -1 for failure.
constexpr INT_PTR AnswerShift = 1;

// The list dialog's layout, in pixels: room for lines of about a hundred characters.
constexpr int ListClientWidth = 640;
constexpr int ListClientHeight = 360;
constexpr int ListMinClientWidth = 320;
constexpr int ListMinClientHeight = 160;
constexpr int ListHeaderHeight = 16;

// The largest path the wide file functions take.
constexpr std::size_t PathBufferLength = 32768;

const wchar_t* SystemIconOf(TMessageIcon icon) {
    switch (icon) {
    case TMessageIcon::Error:
        return MAKEINTRESOURCEW(32513); // IDI_HAND
    case TMessageIcon::Warning:
        return MAKEINTRESOURCEW(32515); // IDI_EXCLAMATION
    case TMessageIcon::Information:
        return MAKEINTRESOURCEW(32516); // IDI_ASTERISK
    case TMessageIcon::Question:
        return MAKEINTRESOURCEW(32514); // IDI_QUESTION
    case TMessageIcon::None:
        break;
    }
    return nullptr;
}

UINT MessageBoxIconOf(TMessageIcon icon) {
    switch (icon) {
    case TMessageIcon::Error:
        return MB_ICONERROR;
    case TMessageIcon::Warning:
        return MB_ICONWARNING;
    case TMessageIcon::Information:
        return MB_ICONINFORMATION;
    case TMessageIcon::Question:
        return MB_ICONQUESTION;
    case TMessageIcon::None:
        break;
    }
    return 0;
}

// A box with one "OK" that Esc also presses is exactly what the system's message box is.
bool IsPlainMessageBox(const TMessageBoxRequest& request) {
    return request.Buttons.size() == 1 && request.Buttons.front() == "OK" &&
           request.EscapeButton == 0;
}

void Append(std::vector<WORD>& words, const std::wstring& text) {
    words.insert(words.end(), text.begin(), text.end());
    words.push_back(0);
}

constexpr DWORD FixedDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

// An empty dialog with the request's title in the dialog font; WM_INITDIALOG fills it.
std::vector<WORD> DialogTemplate(const std::string& title, DWORD style = FixedDialogStyle) {
    constexpr WORD pointSize = 8;
    std::vector<WORD> words{LOWORD(style),
                            HIWORD(style),
                            0,
                            0, // style, extended style
                            0, // no controls
                            0,
                            0,
                            100,
                            50, // placed when filled
                            0,
                            0}; // no menu, the dialog class
    Append(words, Widen(title));
    words.push_back(pointSize);
    Append(words, L"MS Shell Dlg");
    return words;
}

struct TDialogState {
    const TMessageBoxRequest* Request = nullptr;
};

HWND AddControl(HWND dialog, const wchar_t* className, const std::wstring& text, DWORD style,
                int id, RECT bounds) {
    HWND control = CreateWindowExW(
        0, className, text.c_str(), style | WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
        bounds.right - bounds.left, bounds.bottom - bounds.top, dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, static_cast<WPARAM>(SendMessageW(dialog, WM_GETFONT, 0, 0)),
                 FALSE);
    return control;
}

// Lays the dialog out: icon, text beside it, the buttons centred in a row below.
HWND FillDialog(HWND dialog, const TMessageBoxRequest& request) {
    const std::wstring text = Widen(request.Text);
    HDC dc = GetDC(dialog);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    RECT textBounds{0, 0, TextMaxWidth, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textBounds,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(dialog, dc);

    const wchar_t* icon = SystemIconOf(request.Icon);
    const int textLeft = Margin + (icon != nullptr ? IconSize + Margin : 0);
    const int contentHeight =
        std::max(icon != nullptr ? IconSize : 0, static_cast<int>(textBounds.bottom));
    const int textTop = Margin + (contentHeight - textBounds.bottom) / 2;
    if (icon != nullptr) {
        HWND iconControl = AddControl(dialog, L"STATIC", L"", SS_ICON, -1,
                                      {Margin, Margin, Margin + IconSize, Margin + IconSize});
        SendMessageW(iconControl, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, icon)),
                     0);
    }
    AddControl(dialog, L"STATIC", text, SS_NOPREFIX, -1,
               {textLeft, textTop, textLeft + textBounds.right, textTop + textBounds.bottom});

    const int count = static_cast<int>(request.Buttons.size());
    const int rowWidth = count * ButtonWidth + (count > 0 ? (count - 1) * ButtonGap : 0);
    const int clientWidth =
        std::max(textLeft + static_cast<int>(textBounds.right) + Margin, rowWidth + 2 * Margin);
    const int buttonTop = Margin + contentHeight + Margin + Margin / 2;
    const int clientHeight = buttonTop + ButtonHeight + Margin;
    HWND defaultButton = nullptr;
    for (int i = 0; i < count; ++i) {
        const bool isDefault = i == request.DefaultButton;
        const int left = (clientWidth - rowWidth) / 2 + i * (ButtonWidth + ButtonGap);
        HWND button = AddControl(
            dialog, L"BUTTON", Widen(request.Buttons[static_cast<std::size_t>(i)]),
            (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP | (i == 0 ? WS_GROUP : 0),
            FirstButtonId + i, {left, buttonTop, left + ButtonWidth, buttonTop + ButtonHeight});
        if (isDefault) {
            defaultButton = button;
        }
    }
    if (defaultButton != nullptr) {
        SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(GetDlgCtrlID(defaultButton)), 0);
    }

    // The whole box, frame included, centred on the work area.
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    SetWindowPos(dialog, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, width, height, SWP_NOZORDER);
    return defaultButton;
}

INT_PTR CALLBACK MessageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        const auto& state = *reinterpret_cast<const TDialogState*>(lParam);
        HWND defaultButton = FillDialog(dialog, *state.Request);
        if (defaultButton == nullptr) {
            return TRUE;
        }
        SetFocus(defaultButton);
        return FALSE; // the focus is set
    }
    case WM_COMMAND: {
        const auto& state =
            *reinterpret_cast<const TDialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
        const int id = LOWORD(wParam);
        const int count = static_cast<int>(state.Request->Buttons.size());
        if (id >= FirstButtonId && id < FirstButtonId + count) {
            EndDialog(dialog, id - FirstButtonId + AnswerShift);
            return TRUE;
        }
        // Esc arrives as IDCANCEL; without an Esc button it does nothing.
        if (id == IDCANCEL && state.Request->EscapeButton >= 0 &&
            state.Request->EscapeButton < count) {
            EndDialog(dialog, state.Request->EscapeButton + AnswerShift);
            return TRUE;
        }
        return TRUE;
    }
    case WM_CLOSE:
        // The close box always works, whatever Esc does.
        EndDialog(dialog, MessageBoxClosed + AnswerShift);
        return TRUE;
    default:
        return FALSE;
    }
}

// Places a dialog's frame around a client area of the given size, centred on the owner
// when it shows, else on the work area, and kept inside the work area.
void PlaceDialog(HWND dialog, int clientWidth, int clientHeight) {
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT around = area;
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (owner != nullptr && IsWindowVisible(owner) != FALSE && IsIconic(owner) == FALSE) {
        GetWindowRect(owner, &around);
    }
    const int width = std::min<int>(outer.right - outer.left, area.right - area.left);
    const int height = std::min<int>(outer.bottom - outer.top, area.bottom - area.top);
    const int left = std::clamp<int>(around.left + (around.right - around.left - width) / 2,
                                     area.left, area.right - width);
    const int top = std::clamp<int>(around.top + (around.bottom - around.top - height) / 2,
                                    area.top, area.bottom - height);
    SetWindowPos(dialog, nullptr, left, top, width, height, SWP_NOZORDER);
}

struct TListDialogState {
    const TListDialogRequest* Request = nullptr;
    SIZE MinimumSize{}; // the whole window's, frame included
};

// Header on top, the buttons bottom right, the list in between: the list takes what the
// user adds by resizing.
void LayOutListDialog(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    const int width = client.right;
    const int buttonTop = client.bottom - Margin - ButtonHeight;
    const int listTop = Margin + ListHeaderHeight + ButtonGap;
    MoveWindow(GetDlgItem(dialog, ListHeaderId), Margin, Margin, width - 2 * Margin,
               ListHeaderHeight, TRUE);
    MoveWindow(GetDlgItem(dialog, ListLinesId), Margin, listTop, width - 2 * Margin,
               std::max(buttonTop - Margin - listTop, ButtonHeight), TRUE);
    const int closeLeft = width - Margin - ButtonWidth;
    MoveWindow(GetDlgItem(dialog, IDCANCEL), closeLeft, buttonTop, ButtonWidth, ButtonHeight, TRUE);
    MoveWindow(GetDlgItem(dialog, IDOK), closeLeft - ButtonGap - ButtonWidth, buttonTop,
               ButtonWidth, ButtonHeight, TRUE);
}

void FillListDialog(HWND dialog, TListDialogState& state) {
    const TListDialogRequest& request = *state.Request;
    AddControl(dialog, L"STATIC", Widen(request.Header), SS_NOPREFIX | SS_ENDELLIPSIS, ListHeaderId,
               {});
    HWND lines = AddControl(dialog, L"LISTBOX", L"",
                            LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL |
                                WS_BORDER | WS_TABSTOP | WS_GROUP,
                            ListLinesId, {});
    // Wide lines scroll sideways rather than being cut.
    HDC dc = GetDC(lines);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(lines, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const std::string& line : request.Lines) {
        const std::wstring text = Widen(line);
        SendMessageW(lines, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        widest = std::max(widest, static_cast<int>(extent.cx));
    }
    SelectObject(dc, previous);
    ReleaseDC(lines, dc);
    SendMessageW(lines, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + Margin), 0);

    HWND select = AddControl(dialog, L"BUTTON", Widen(request.SelectCaption),
                             BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, IDOK, {});
    AddControl(dialog, L"BUTTON", Widen(request.CloseCaption), BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL,
               {});
    SendMessageW(dialog, DM_SETDEFID, IDOK, 0);
    // Nothing to choose until a line is selected: Enter then does nothing.
    EnableWindow(select, FALSE);

    RECT smallest{0, 0, ListMinClientWidth, ListMinClientHeight};
    AdjustWindowRectEx(&smallest, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    state.MinimumSize = {smallest.right - smallest.left, smallest.bottom - smallest.top};
    PlaceDialog(dialog, ListClientWidth, ListClientHeight);
    LayOutListDialog(dialog);
    SetFocus(lines);
}

INT_PTR CALLBACK ListDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<TListDialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        FillListDialog(dialog, *reinterpret_cast<TListDialogState*>(lParam));
        return FALSE; // the focus is set
    case WM_SIZE:
        if (state != nullptr) {
            LayOutListDialog(dialog);
        }
        return TRUE;
    case WM_GETMINMAXINFO:
        // Also sent before WM_INITDIALOG, when there is no state yet.
        if (state != nullptr) {
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {state->MinimumSize.cx,
                                                                     state->MinimumSize.cy};
        }
        return TRUE;
    case WM_COMMAND: {
        HWND lines = GetDlgItem(dialog, ListLinesId);
        const auto selected = static_cast<int>(SendMessageW(lines, LB_GETCURSEL, 0, 0));
        const int id = LOWORD(wParam);
        if (id == ListLinesId && HIWORD(wParam) == LBN_SELCHANGE) {
            EnableWindow(GetDlgItem(dialog, IDOK), selected >= 0 ? TRUE : FALSE);
        } else if ((id == ListLinesId && HIWORD(wParam) == LBN_DBLCLK) || id == IDOK) {
            // A double click on a line, Enter, or the select button.
            if (selected >= 0) {
                EndDialog(dialog, selected + AnswerShift);
            }
        } else if (id == IDCANCEL) {
            EndDialog(dialog, ListDialogClosed + AnswerShift);
        }
        return TRUE;
    }
    case WM_CLOSE:
        EndDialog(dialog, ListDialogClosed + AnswerShift);
        return TRUE;
    default:
        return FALSE;
    }
}

// The folder dialog of the shell; false when the user cancels or it cannot be shown.
bool PickFolder(const TFolderDialogRequest& request, std::string& folder) {
    // The dialog is a COM object; the apartment may well be there already.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IFileOpenDialog* dialog = nullptr;
    bool chosen = false;
    if (SUCCEEDED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IFileOpenDialog, reinterpret_cast<void**>(&dialog)))) {
        FILEOPENDIALOGOPTIONS options = 0;
        dialog->GetOptions(&options);
        dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
        const std::wstring title = Widen(request.Title);
        dialog->SetTitle(title.c_str());
        const std::wstring start = WideText(request.Folder);
        IShellItem* startItem = nullptr;
        if (!start.empty() &&
            SUCCEEDED(SHCreateItemFromParsingName(start.c_str(), nullptr, IID_IShellItem,
                                                  reinterpret_cast<void**>(&startItem)))) {
            dialog->SetFolder(startItem);
            startItem->Release();
        }
        IShellItem* result = nullptr;
        if (SUCCEEDED(dialog->Show(DialogOwner())) && SUCCEEDED(dialog->GetResult(&result))) {
            PWSTR path = nullptr;
            if (SUCCEEDED(result->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
                folder = FromWide(path);
                chosen = true;
                CoTaskMemFree(path);
            }
            result->Release();
        }
        dialog->Release();
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return chosen;
}

class TWin32PlatformDialogs : public TPlatformDialogs {
public:
    bool ExecuteOpenDialog(const TOpenDialogRequest& request, std::string& fileName) override {
        std::wstring filter;
        for (const TFileFilter& entry : request.Filters) {
            filter += Widen(entry.Name);
            filter += L'\0';
            filter += Widen(entry.Pattern);
            filter += L'\0';
        }
        filter += L'\0';
        std::wstring chosen = WideText(request.FileName);
        chosen.resize(PathBufferLength, L'\0');
        const std::wstring title = Widen(request.Title);

        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = DialogOwner();
        dialog.lpstrFilter = filter.c_str();
        dialog.nFilterIndex = 1;
        dialog.lpstrFile = chosen.data();
        dialog.nMaxFile = static_cast<DWORD>(chosen.size());
        dialog.lpstrTitle = title.c_str();
        dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST |
                       (request.HideReadOnly ? OFN_HIDEREADONLY : 0U);
        if (GetOpenFileNameW(&dialog) == FALSE) {
            return false;
        }
        // Used as the system spells it: UTF-8 inside reaches every name again.
        fileName = FromWide(chosen.c_str());
        return true;
    }

    int ShowMessageBox(const TMessageBoxRequest& request) override {
        if (!IsPlainMessageBox(request)) {
            return ShowMessageDialog(request, DialogOwner());
        }
        const std::wstring text = Widen(request.Text);
        const std::wstring title = Widen(request.Title);
        MessageBoxW(DialogOwner(), text.c_str(), title.c_str(),
                    MB_OK | MessageBoxIconOf(request.Icon));
        return 0;
    }

    int ShowListDialog(const TListDialogRequest& request) override {
        return klarvon::ShowListDialog(request, DialogOwner());
    }

    void Beep() override { MessageBeep(MB_OK); }

    // A document of the working folder opens in front, restored, on behalf of the main
    // window; a web page goes to the browser with no window of ours and no window of its
    // own to show from the shell.
    void ShellOpen(const std::string& target) override {
        const bool isWebPage = target.find("://") != std::string::npos;
        const std::wstring file = WideText(target);
        ShellExecuteW(isWebPage ? nullptr : MainFormWindow(), L"open", file.c_str(), nullptr,
                      nullptr, isWebPage ? SW_HIDE : SW_RESTORE);
    }

    bool ExecuteFolderDialog(const TFolderDialogRequest& request, std::string& folder) override {
        return PickFolder(request, folder);
    }

    bool PlayWave(const TWaveRequest& request) override {
        // The system reads the bytes while it plays: they stay here until the next sound or
        // the stop, and the sound playing stops before they change.
        StopWave();
        if (waveOutGetNumDevs() == 0) {
            return false;
        }
        playing_ = request.Wav;
        if (PlaySoundW(reinterpret_cast<LPCWSTR>(playing_.data()), nullptr,
                       SND_MEMORY | SND_ASYNC | SND_NODEFAULT) == FALSE) {
            playing_.clear();
            return false;
        }
        return true;
    }

    void StopWave() override {
        PlaySoundW(nullptr, nullptr, 0);
        playing_.clear();
    }

private:
    std::vector<std::uint8_t> playing_;
};

// Runs the dialog modally; the index its procedure ended it with (shifted by AnswerShift),
// or closed for anything that is not one of count choices.
int RunDialog(const std::vector<WORD>& dialogTemplate, HWND owner, DLGPROC procedure, LPARAM state,
              std::size_t count, int closed) {
    const INT_PTR answer = DialogBoxIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
        owner, procedure, state);
    const INT_PTR index = answer - AnswerShift;
    return index >= 0 && index < static_cast<INT_PTR>(count) ? static_cast<int>(index) : closed;
}

} // namespace

int ShowMessageDialog(const TMessageBoxRequest& request, HWND owner) {
    TDialogState state{&request};
    return RunDialog(DialogTemplate(request.Title), owner, MessageDialogProc,
                     reinterpret_cast<LPARAM>(&state), request.Buttons.size(), MessageBoxClosed);
}

int ShowListDialog(const TListDialogRequest& request, HWND owner) {
    TListDialogState state{&request, {}};
    const DWORD resizable = (FixedDialogStyle & ~static_cast<DWORD>(DS_MODALFRAME)) | WS_THICKFRAME;
    return RunDialog(DialogTemplate(request.Title, resizable), owner, ListDialogProc,
                     reinterpret_cast<LPARAM>(&state), request.Lines.size(), ListDialogClosed);
}

std::unique_ptr<TPlatformDialogs> MakeNativePlatformDialogs() {
    return std::make_unique<TWin32PlatformDialogs>();
}

} // namespace klarvon
