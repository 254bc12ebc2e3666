#include "ui/controls/Dialogs.h"

#include <array>
#include <optional>

namespace klarvon {
namespace {

struct TButtonKind {
    bool TMsgDlgButtons::*Offered;
    const char* Caption;
    TModalResult Result;
    TMsgDlgBtn Button;
};

// In the order the buttons stand in the dialog.
constexpr std::array<TButtonKind, 4> ButtonKinds{{
    {&TMsgDlgButtons::Yes, "&Yes", TModalResult::Yes, TMsgDlgBtn::Yes},
    {&TMsgDlgButtons::No, "&No", TModalResult::No, TMsgDlgBtn::No},
    {&TMsgDlgButtons::OK, "OK", TModalResult::OK, TMsgDlgBtn::OK},
    {&TMsgDlgButtons::Cancel, "Cancel", TModalResult::Cancel, TMsgDlgBtn::Cancel},
}};

// Esc answers the most cautious button offered.
constexpr std::array<TModalResult, 3> EscapeOrder{TModalResult::Cancel, TModalResult::No,
                                                  TModalResult::OK};

struct TDialogKind {
    const char* Title;
    TMessageIcon Icon;
};

TDialogKind KindOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::Warning:
        return {"Warning", TMessageIcon::Warning};
    case TMsgDlgType::Error:
        return {"Error", TMessageIcon::Error};
    case TMsgDlgType::Information:
        return {"Information", TMessageIcon::Information};
    case TMsgDlgType::Confirmation:
        return {"Confirmation", TMessageIcon::Question};
    }
    return {"", TMessageIcon::None};
}

std::vector<TModalResult> OfferedResults(TMsgDlgButtons buttons) {
    std::vector<TModalResult> results;
    for (const TButtonKind& kind : ButtonKinds) {
        if (buttons.*kind.Offered) {
            results.push_back(kind.Result);
        }
    }
    return results;
}

TMessageBoxRequest BoxRequest(std::string_view text, TMsgDlgType type, TMsgDlgButtons buttons,
                              std::optional<TMsgDlgBtn> defaultButton) {
    const TDialogKind kind = KindOf(type);
    TMessageBoxRequest request;
    request.Title = kind.Title;
    request.Text = text;
    request.Icon = kind.Icon;
    request.DefaultButton = 0;
    for (const TButtonKind& button : ButtonKinds) {
        if (buttons.*button.Offered) {
            if (defaultButton == button.Button) {
                request.DefaultButton = static_cast<int>(request.Buttons.size());
            }
            request.Buttons.emplace_back(button.Caption);
        }
    }
    const std::vector<TModalResult> offered = OfferedResults(buttons);
    for (const TModalResult escape : EscapeOrder) {
        for (std::size_t i = 0; i < offered.size(); ++i) {
            if (offered[i] == escape && request.EscapeButton < 0) {
                request.EscapeButton = static_cast<int>(i);
            }
        }
    }
    return request;
}

TModalResult AskBox(const TMessageBoxRequest& request, TMsgDlgButtons buttons) {
    const int answer = PlatformDialogs().ShowMessageBox(request);
    const std::vector<TModalResult> offered = OfferedResults(buttons);
    if (answer < 0 || static_cast<std::size_t>(answer) >= offered.size()) {
        return TModalResult::Cancel;
    }
    return offered[static_cast<std::size_t>(answer)];
}

} // namespace

TOpenDialog::TOpenDialog(TForm& /*owner*/, std::string_view name) : TComponent(name) {}

bool TOpenDialog::Execute() {
    std::string chosen;
    if (!PlatformDialogs().ExecuteOpenDialog(request_, chosen)) {
        return false;
    }
    request_.FileName = chosen;
    return true;
}

TMessageBoxRequest MessageDlgRequest(std::string_view text, TMsgDlgType type,
                                     TMsgDlgButtons buttons) {
    return BoxRequest(text, type, buttons, std::nullopt);
}

TMessageBoxRequest MessageDlgRequest(std::string_view text, TMsgDlgType type,
                                     TMsgDlgButtons buttons, TMsgDlgBtn defaultButton) {
    return BoxRequest(text, type, buttons, defaultButton);
}

TModalResult MessageDlg(std::string_view text, TMsgDlgType type, TMsgDlgButtons buttons) {
    return AskBox(MessageDlgRequest(text, type, buttons), buttons);
}

TModalResult MessageDlg(std::string_view text, TMsgDlgType type, TMsgDlgButtons buttons,
                        TMsgDlgBtn defaultButton) {
    return AskBox(MessageDlgRequest(text, type, buttons, defaultButton), buttons);
}

TListDialogRequest ListDlgRequest(std::string_view title, std::string_view header,
                                  const std::vector<std::string>& lines,
                                  std::string_view selectCaption, std::string_view closeCaption) {
    TListDialogRequest request;
    request.Title = title;
    request.Header = header;
    request.Lines = lines;
    request.SelectCaption = selectCaption;
    request.CloseCaption = closeCaption;
    return request;
}

int ListDlg(std::string_view title, std::string_view header, const std::vector<std::string>& lines,
            std::string_view selectCaption, std::string_view closeCaption) {
    const int answer = PlatformDialogs().ShowListDialog(
        ListDlgRequest(title, header, lines, selectCaption, closeCaption));
    if (answer < 0 || static_cast<std::size_t>(answer) >= lines.size()) {
        return ListDialogClosed;
    }
    return answer;
}

bool SelectDirectory(std::string_view title, std::string_view startFolder, std::string& folder) {
    std::string chosen;
    if (!PlatformDialogs().ExecuteFolderDialog(
            {.Title = std::string(title), .Folder = std::string(startFolder)}, chosen)) {
        return false;
    }
    folder = chosen;
    return true;
}

} // namespace klarvon
