#include "ui/controls/qt/NativeDialogs.h"
#include "ui/controls/qt/ControlImpl.h"
#include "ui/controls/qt/WavePlayer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace klarvon {
namespace {

// Room for lines of about a hundred characters without scrolling sideways.
constexpr int ListDialogWidth = 640;
constexpr int ListDialogHeight = 360;

QMessageBox::Icon ToQtIcon(TMessageIcon icon) {
    switch (icon) {
    case TMessageIcon::None:
        return QMessageBox::NoIcon;
    case TMessageIcon::Error:
        return QMessageBox::Critical;
    case TMessageIcon::Warning:
        return QMessageBox::Warning;
    case TMessageIcon::Information:
        return QMessageBox::Information;
    case TMessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

class TQtPlatformDialogs : public TPlatformDialogs {
public:
    bool ExecuteOpenDialog(const TOpenDialogRequest& request, std::string& fileName) override {
        const std::unique_ptr<QFileDialog> dialog = MakeFileDialog(request);
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
            return false;
        }
        fileName = QFile::encodeName(dialog->selectedFiles().constFirst()).toStdString();
        return true;
    }

    int ShowMessageBox(const TMessageBoxRequest& request) override {
        TMessageBoxDialog box(request);
        box.exec();
        return box.Answer();
    }

    int ShowListDialog(const TListDialogRequest& request) override {
        TListDialog dialog(request, QApplication::activeWindow());
        dialog.exec();
        return dialog.Answer();
    }

    void Beep() override { QApplication::beep(); }

    void ShellOpen(const std::string& target) override {
        const QString text = QFile::decodeName(QByteArray::fromStdString(target));
        const QUrl url = text.contains(QStringLiteral("://"))
                             ? QUrl(text)
                             : QUrl::fromLocalFile(QDir::current().absoluteFilePath(text));
        QDesktopServices::openUrl(url);
    }

    bool ExecuteFolderDialog(const TFolderDialogRequest& request, std::string& folder) override {
        const QString chosen = QFileDialog::getExistingDirectory(
            QApplication::activeWindow(), ToQt(request.Title),
            QFile::decodeName(QByteArray::fromStdString(request.Folder)));
        if (chosen.isEmpty()) {
            return false;
        }
        folder = QFile::encodeName(chosen).toStdString();
        return true;
    }

    bool PlayWave(const TWaveRequest& request) override { return player_.Play(request.Wav); }
    void StopWave() override { player_.Stop(); }

private:
    TWavePlayer player_;
};

} // namespace

TMessageBoxDialog::TMessageBoxDialog(const TMessageBoxRequest& request)
    : escapeCloses_(request.EscapeButton >= 0) {
    setWindowTitle(ToQt(request.Title));
    setTextFormat(Qt::PlainText);
    setText(ToQt(request.Text));
    setIcon(ToQtIcon(request.Icon));
    for (const std::string& caption : request.Buttons) {
        buttons_.push_back(addButton(ToQt(caption), QMessageBox::AcceptRole));
    }
    const auto count = static_cast<int>(buttons_.size());
    if (request.DefaultButton >= 0 && request.DefaultButton < count) {
        setDefaultButton(
            static_cast<QPushButton*>(buttons_[static_cast<std::size_t>(request.DefaultButton)]));
    }
    if (escapeCloses_ && request.EscapeButton < count) {
        setEscapeButton(buttons_[static_cast<std::size_t>(request.EscapeButton)]);
    }
}

int TMessageBoxDialog::Answer() const {
    if (closedByCloseBox_) {
        return MessageBoxClosed;
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i] == clickedButton()) {
            return static_cast<int>(i);
        }
    }
    return MessageBoxClosed;
}

void TMessageBoxDialog::keyPressEvent(QKeyEvent* event) {
    if (!escapeCloses_ && event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void TMessageBoxDialog::closeEvent(QCloseEvent* event) {
    // QMessageBox would refuse the close box when Esc has no button; here it closes.
    closedByCloseBox_ = true;
    QDialog::closeEvent(event);
}

TListDialog::TListDialog(const TListDialogRequest& request, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ListDialog"));
    setWindowTitle(ToQt(request.Title));
    setModal(true);
    resize(ListDialogWidth, ListDialogHeight);

    auto* header = new QLabel(this);
    header->setObjectName(QStringLiteral("ListHeader"));
    header->setTextFormat(Qt::PlainText);
    header->setText(ToQt(request.Header));

    auto* lines = new QListWidget(this);
    lines->setObjectName(QStringLiteral("ListLines"));
    lines->setSelectionMode(QAbstractItemView::SingleSelection);
    lines->setUniformItemSizes(true);
    for (const std::string& line : request.Lines) {
        lines->addItem(ToQt(line));
    }

    auto* buttons = new QDialogButtonBox(this);
    buttons->setObjectName(QStringLiteral("ListButtons"));
    QPushButton* select =
        buttons->addButton(ToQt(request.SelectCaption), QDialogButtonBox::AcceptRole);
    select->setObjectName(QStringLiteral("ListSelect"));
    QPushButton* close =
        buttons->addButton(ToQt(request.CloseCaption), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("ListClose"));
    // Enter in the list presses the select button; with nothing selected it does nothing.
    select->setDefault(true);
    select->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(lines, 1);
    layout->addWidget(buttons);

    connect(lines, &QListWidget::itemSelectionChanged, select,
            [lines, select] { select->setEnabled(!lines->selectedItems().isEmpty()); });
    // A double click, not "activated": a style that activates on a single click would
    // otherwise choose a line the user only meant to select.
    connect(lines, &QListWidget::itemDoubleClicked, this,
            [this, lines](QListWidgetItem* item) { Choose(lines->row(item)); });
    connect(select, &QPushButton::clicked, this, [this, lines] {
        const QList<QListWidgetItem*> selected = lines->selectedItems();
        if (!selected.isEmpty()) {
            Choose(lines->row(selected.constFirst()));
        }
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    lines->setFocus();
}

void TListDialog::Choose(int line) {
    if (line < 0) {
        return;
    }
    chosen_ = line;
    accept();
}

QString AnyCasePattern(const QString& pattern) {
    QString result;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper()) {
            result += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        } else {
            result += c;
        }
    }
    return result;
}

std::unique_ptr<QFileDialog> MakeFileDialog(const TOpenDialogRequest& request) {
    auto dialog = std::make_unique<QFileDialog>(QApplication::activeWindow(), ToQt(request.Title));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    // Only the filter's name shows, as the user knows it.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    QStringList filters;
    for (const TFileFilter& filter : request.Filters) {
        filters << ToQt(filter.Name) + QStringLiteral(" (") + AnyCasePattern(ToQt(filter.Pattern)) +
                       QLatin1Char(')');
    }
    dialog->setNameFilters(filters);
    if (!request.FileName.empty()) {
        dialog->selectFile(QFile::decodeName(QByteArray::fromStdString(request.FileName)));
    }
    return dialog;
}

std::unique_ptr<TPlatformDialogs> MakeNativePlatformDialogs() {
    return std::make_unique<TQtPlatformDialogs>();
}

} // namespace klarvon
