#include "app/CheckStatus.h"

#include "app/ElidedLabel.h"
#include "app/ScaledFont.h"
#include "app/ShownText.h"
#include "varnel/common/DBC.h"

#include <cmath>

#include <QEvent>
#include <QHBoxLayout>

namespace varnel {

namespace {

// The contrast that text needs against its background to be read with ease (WCAG 2, level AA).
constexpr qreal readable_contrast = 4.5;
constexpr qreal mark_font_factor = 1.4;

qreal luminance(const QColor& colour) {
    const auto linear = [](qreal channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

qreal contrast(const QColor& a, const QColor& b) {
    const qreal first = luminance(a);
    const qreal second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The colour in its hue, darkened on a light background or lightened on a dark one until it can be
// read on it. Black or white can be read on any background, so the walk ends there at the latest.
QColor readable_on(QColor colour, const QColor& background) {
    const qreal step = luminance(background) > 0.18 ? -0.02 : 0.02;
    colour = colour.toHsl();
    while (contrast(colour, background) < readable_contrast) {
        const qreal lightness = std::clamp(colour.lightnessF() + step, 0.0, 1.0);
        colour.setHslF(colour.hslHueF(), colour.hslSaturationF(), lightness);
        if (lightness == 0.0 || lightness == 1.0) {
            break;
        }
    }
    return colour;
}

struct StateLook {
    const char16_t* mark;
    QColor colour;
};

StateLook look_of(CheckReport::State state) {
    switch (state) {
    case CheckReport::State::rebuilds:
        return {u"\u2713", QColor(0x2E, 0x9E, 0x4F)};
    case CheckReport::State::differs:
        return {u"\u2260", QColor(0xE0, 0x8A, 0x00)};
    case CheckReport::State::no_match:
        return {u"\u2205", QColor(0xE0, 0x8A, 0x00)};
    case CheckReport::State::error:
        return {u"\u2717", QColor(0xE5, 0x39, 0x35)};
    }
    DBC_UNREACHABLE();
}

} // namespace

CheckStatus::CheckStatus(QWidget* parent)
    : QWidget(parent), mark(new QLabel), message(new ElidedLabel) {
    mark->setObjectName(QStringLiteral("check_mark"));
    message->setObjectName(QStringLiteral("check_text"));
    // The marks are thin glyphs: larger and heavy, their colour shows.
    QFont heavy = scaled_default_font(mark->font(), mark_font_factor);
    heavy.setBold(true);
    mark->setFont(heavy);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mark);
    layout->addWidget(message, 1);
    hide();
}

void CheckStatus::show_report(const CheckReport& report) {
    state = report.state;
    mark->setText(QString::fromUtf16(look_of(state).mark));
    message->set_whole_text(shown_text(report.text));
    update_colour();
    show();
}

void CheckStatus::clear() {
    hide();
}

void CheckStatus::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        update_colour();
    }
}

void CheckStatus::update_colour() {
    QPalette palette = mark->palette();
    palette.setColor(QPalette::WindowText,
                     readable_on(look_of(state).colour, this->palette().color(QPalette::Window)));
    mark->setPalette(palette);
}

} // namespace varnel
