#include "ui/controls/ExtCtrls.h"
#include "assets/Assets.h"
#include "ui/controls/Forms.h"
#include "ui/controls/JpegDecoder.h"
#include "ui/controls/qt/ControlImpl.h"

#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QSlider>
#include <QTimer>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace klarvon {
namespace {

// Draws a picture at its own top-left corner, clipped to the widget, or stretched over
// it; transparent where there is no picture.
class TPictureWidget : public QWidget {
public:
    explicit TPictureWidget(QWidget* parent) : QWidget(parent) {}

    QImage Picture;
    bool Stretch = false;

protected:
    void paintEvent(QPaintEvent*) override {
        if (Picture.isNull()) {
            return;
        }
        QPainter painter(this);
        if (Stretch) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(rect(), Picture);
        } else {
            painter.drawImage(0, 0, Picture);
        }
    }
};

QImage ToQImage(const TBitmap& bitmap) {
    QImage image(bitmap.Width, bitmap.Height, QImage::Format_RGB888);
    const auto rowBytes = static_cast<std::size_t>(bitmap.Width) * 3;
    for (int y = 0; y < bitmap.Height; ++y) {
        const std::uint8_t* row = bitmap.Rgb.data() + static_cast<std::size_t>(y) * rowBytes;
        std::copy(row, row + rowBytes, image.scanLine(y));
    }
    return image;
}

} // namespace

TPanel::TPanel(TWinControl& parent, std::string_view name)
    : TWinControl(&parent, &parent.Form(), name, MakeImpl<QFrame>(&parent, name, nullptr)) {
    Impl().FillsBackground = true;
}

void TPanel::SetBevel(TBevel bevel) {
    bevel_ = bevel;
    auto* frame = WidgetOf<QFrame>(*this);
    switch (bevel) {
    case TBevel::None:
        frame->setFrameStyle(QFrame::NoFrame);
        break;
    case TBevel::Lowered:
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    case TBevel::Raised:
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    }
    frame->setLineWidth(1);
}

TImage::TImage(TWinControl& parent, std::string_view name)
    : TControl(&parent, name, MakeImpl<TPictureWidget>(&parent, name, nullptr)) {}

void TImage::LoadFromResource(std::string_view path) {
    auto* widget = WidgetOf<TPictureWidget>(*this);
    widget->Picture = QImage();
    widget->update();
    const std::vector<std::uint8_t> bytes = ReadAsset(std::string(path));
    widget->Picture = ToQImage(DecodeJpeg(std::span<const std::uint8_t>(bytes)));
}

bool TImage::HasPicture() const {
    return !WidgetOf<TPictureWidget>(*this)->Picture.isNull();
}
int TImage::PictureWidth() const {
    return WidgetOf<TPictureWidget>(*this)->Picture.width();
}
int TImage::PictureHeight() const {
    return WidgetOf<TPictureWidget>(*this)->Picture.height();
}

void TImage::SetStretch(bool stretch) {
    stretch_ = stretch;
    auto* widget = WidgetOf<TPictureWidget>(*this);
    widget->Stretch = stretch;
    widget->update();
}

TTrackBar::TTrackBar(TWinControl& parent, std::string_view name)
    : TControl(&parent, name, MakeImpl<QSlider>(&parent, name, nullptr)) {
    auto* slider = WidgetOf<QSlider>(*this);
    slider->setOrientation(Qt::Horizontal);
    slider->setRange(0, 10);
    slider->setSingleStep(1);
    slider->setPageStep(2);
    slider->setTickInterval(1);
    slider->setTickPosition(QSlider::TicksBelow);
    QObject::connect(slider, &QSlider::valueChanged, slider, [this] { FireEvent(OnChange); });
}

int TTrackBar::Position() const {
    return WidgetOf<QSlider>(*this)->value();
}
void TTrackBar::SetPosition(int position) {
    WidgetOf<QSlider>(*this)->setValue(position);
}

// The timer is a child of the form's window, where the window's other parts are found
// by name, and goes with it.
struct TTimerImpl {
    QTimer* Timer = nullptr;
};

TTimer::TTimer(TForm& owner, std::string_view name)
    : TComponent(name), impl_(std::make_unique<TTimerImpl>()) {
    impl_->Timer = new QTimer(owner.Impl().Widget);
    QTimer& timer = *impl_->Timer;
    timer.setObjectName(ToQt(name));
    timer.setInterval(1000);
    QObject::connect(&timer, &QTimer::timeout, &timer, [this] { FireEvent(OnTimer); });
}

TTimer::~TTimer() = default;

void TTimer::SetInterval(int milliseconds) {
    impl_->Timer->setInterval(milliseconds);
}
bool TTimer::Enabled() const {
    return impl_->Timer->isActive();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled) {
        impl_->Timer->start();
    } else {
        impl_->Timer->stop();
    }
}

} // namespace klarvon
