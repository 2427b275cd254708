#include "PanelBand.h"

#include <QLinearGradient>
#include <QPainter>

namespace assets {

namespace {

constexpr int kWidth = 11;
constexpr int kHeight = 154;

// Rows of the band. The window shows it from about row 1.7 on, so the light edge
// reaches row 3 to stay visible, and the body begins well before the first heading
// (row 5.5). The dark band starts below the list and holds the two buttons (rows
// 138 to 145).
constexpr double kEdgeEnd = 3.0;
constexpr double kBodyStart = 4.5;
constexpr double kBandStart = 128.0;
constexpr double kBandFull = 131.0;

} // namespace

QImage panelBand()
{
    QLinearGradient gradient(0, 0, 0, kHeight);
    auto at = [](double row, const char *colour) { return std::pair{row / kHeight, QColor(colour)}; };
    gradient.setStops({
        at(0, "#e4eefb"),
        at(kEdgeEnd, "#b9d0ef"),
        at(kBodyStart, "#3a6db5"),
        at(kBandStart, "#2c5ba1"),
        at(kBandFull, "#1f4382"),
        at(kHeight, "#16325f"),
    });
    QImage band(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&band);
    painter.fillRect(band.rect(), gradient);
    return band;
}

} // namespace assets
