#include "ui/controls/StdCtrls.h"
#include "ui/controls/qt/ControlImpl.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>

#include <limits>

namespace klarvon {
namespace {

// A click on a widget that has no click of its own (a label): press and release of the
// left button inside it.
class TClickFilter : public QObject {
public:
    TClickFilter(QWidget* widget, std::function<void()> onClick)
        : QObject(widget), onClick_(std::move(onClick)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            auto* widget = static_cast<QWidget*>(watched);
            if (mouse->button() == Qt::LeftButton &&
                widget->rect().contains(mouse->position().toPoint())) {
                onClick_();
            }
        }
        return false;
    }

private:
    std::function<void()> onClick_;
};

// List lines as high as the design's, 13 pixels.
class TFixedHeightDelegate : public QStyledItemDelegate {
public:
    TFixedHeightDelegate(int height, QObject* parent)
        : QStyledItemDelegate(parent), height_(height) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};

constexpr int ListItemHeight = 13;

// A label that can space its characters out to fill its width.
class TLabelWidget : public QLabel {
public:
    explicit TLabelWidget(QWidget* parent) : QLabel(parent) {}

    bool Spread = false;

protected:
    void paintEvent(QPaintEvent* event) override {
        const QString caption = text();
        if (!Spread || caption.size() < 2) {
            QLabel::paintEvent(event);
            return;
        }
        QFont spaced = font();
        const qreal room = width() - QFontMetricsF(spaced).horizontalAdvance(caption);
        if (room > 0) {
            spaced.setLetterSpacing(QFont::AbsoluteSpacing,
                                    room / static_cast<qreal>(caption.size() - 1));
        }
        QPainter painter(this);
        painter.setFont(spaced);
        style()->drawItemText(&painter, rect(), static_cast<int>(alignment()), palette(),
                              isEnabled(), caption, foregroundRole());
    }
};

} // namespace

TButton::TButton(TWinControl& parent, std::string_view name)
    : TControl(&parent, name, MakeImpl<QPushButton>(&parent, name, "text")) {
    auto* button = WidgetOf<QPushButton>(*this);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] { FireEvent(OnClick); });
}

void TButton::Click() {
    FireEvent(OnClick);
}

TLabel::TLabel(TWinControl& parent, std::string_view name)
    : TControl(&parent, name, MakeImpl<TLabelWidget>(&parent, name, "text")) {
    auto* label = WidgetOf<QLabel>(*this);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Impl().AutoSize = autoSize_;
    new TClickFilter(label, [this] { FireEvent(OnClick); });
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    Impl().AutoSize = autoSize;
    if (autoSize) {
        FitToCaption();
    }
}

void TLabel::SetSpread(bool spread) {
    auto* label = WidgetOf<TLabelWidget>(*this);
    label->Spread = spread;
    label->update();
}

void TLabel::FitToCaption() {
    auto* label = WidgetOf<QLabel>(*this);
    SetWidth(label->fontMetrics().horizontalAdvance(label->text()));
}

TEdit::TEdit(TWinControl& parent, std::string_view name)
    : TControl(&parent, name, MakeImpl<QLineEdit>(&parent, name, "text")) {
    auto* edit = WidgetOf<QLineEdit>(*this);
    edit->setMaxLength(std::numeric_limits<int>::max());
    Impl().BackgroundRole = QPalette::Base;
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { FireEvent(OnChange); });
}

int TEdit::SelStart() const {
    return WidgetOf<QLineEdit>(*this)->cursorPosition();
}
void TEdit::SetSelStart(int position) {
    WidgetOf<QLineEdit>(*this)->setCursorPosition(position);
}

TCheckBox::TCheckBox(TWinControl& parent, std::string_view name)
    : TControl(&parent, name, MakeImpl<QCheckBox>(&parent, name, "text")) {
    auto* box = WidgetOf<QCheckBox>(*this);
    QObject::connect(box, &QCheckBox::toggled, box, [this] { FireEvent(OnClick); });
}

bool TCheckBox::Checked() const {
    return WidgetOf<QCheckBox>(*this)->isChecked();
}
void TCheckBox::SetChecked(bool checked) {
    WidgetOf<QCheckBox>(*this)->setChecked(checked);
}

TRadioButton::TRadioButton(TWinControl& parent, std::string_view name)
    : TControl(&parent, name, MakeImpl<QRadioButton>(&parent, name, "text")) {}

bool TRadioButton::Checked() const {
    return WidgetOf<QRadioButton>(*this)->isChecked();
}

void TRadioButton::SetChecked(bool checked) {
    auto* button = WidgetOf<QRadioButton>(*this);
    if (checked) {
        button->setChecked(true);
        return;
    }
    // Qt keeps the checked button of an exclusive group checked; the group may have no
    // choice at all, so step out of it for the moment.
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

TListBox::TListBox(TWinControl& parent, std::string_view name)
    : TControl(&parent, name, MakeImpl<QListWidget>(&parent, name, nullptr)) {
    auto* list = WidgetOf<QListWidget>(*this);
    list->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    list->setUniformItemSizes(true);
    list->setItemDelegate(new TFixedHeightDelegate(ListItemHeight, list));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Impl().BackgroundRole = QPalette::Base;
    // The program's own changes block the list's signals, so this hears the user only.
    // Tabbing into the list moves the current row without selecting it: not a choice.
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [this] {
        if (ItemIndex() >= 0) {
            FireEvent(OnClick);
        }
    });
}

void TListBox::AddItem(std::string_view text) {
    auto* list = WidgetOf<QListWidget>(*this);
    const QSignalBlocker quiet(list);
    list->addItem(ToQt(text));
}

void TListBox::Clear() {
    auto* list = WidgetOf<QListWidget>(*this);
    const QSignalBlocker quiet(list);
    list->clear();
}

int TListBox::Count() const {
    return WidgetOf<QListWidget>(*this)->count();
}

std::string TListBox::Item(int index) const {
    const QListWidgetItem* item = WidgetOf<QListWidget>(*this)->item(index);
    return item != nullptr ? FromQt(item->text()) : std::string();
}

int TListBox::ItemIndex() const {
    const QList<QListWidgetItem*> selected = WidgetOf<QListWidget>(*this)->selectedItems();
    return selected.isEmpty() ? -1 : WidgetOf<QListWidget>(*this)->row(selected.constFirst());
}

void TListBox::SetItemIndex(int index) {
    auto* list = WidgetOf<QListWidget>(*this);
    const QSignalBlocker quiet(list);
    list->setCurrentRow(index);
}

TGroupBox::TGroupBox(TWinControl& parent, std::string_view name)
    : TWinControl(&parent, &parent.Form(), name, MakeImpl<QGroupBox>(&parent, name, "title")) {}

} // namespace klarvon
