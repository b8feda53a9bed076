#include "platform/qt/qt_chart_export.h"

#include <cmath>

#include <QBuffer>
#include <QPainter>
#include <QStringList>
#include <QSvgGenerator>
#include <QtCharts/QChartView>

#include "platform/qt/qt_text.h"

namespace korvel {

namespace {

constexpr int kBlockPadding = 8;
constexpr double kInchesPerMetre = 1.0 / 0.0254;

// The block's lines: the hop, its stations, frequency and date in bold, then the verdict; a chart
// without one carries its title and verdict.
QStringList titleLines(const ChartContent& content) {
    QStringList lines;
    if (content.titleBlock.lines.empty()) {
        lines << toQString(content.title);
        if (!content.verdict.empty()) {
            lines << toQString(content.verdict).split(QLatin1Char('\n'));
        }
        return lines;
    }
    for (const std::string& line : content.titleBlock.lines) {
        lines << toQString(line).split(QLatin1Char('\n'));
    }
    return lines;
}

int blockHeight(const QWidget& view, const QStringList& lines) {
    return static_cast<int>(lines.size()) * view.fontMetrics().lineSpacing() + 2 * kBlockPadding;
}

// Draws the block and the chart under it on `painter`, in the view's own pixels.
void paintChart(QPainter& painter, QChartView& view, const QStringList& lines) {
    const int width = view.width();
    const int top = blockHeight(view, lines);
    painter.fillRect(QRect(0, 0, width, top + view.height()), view.palette().window());
    painter.setPen(view.palette().windowText().color());
    QFont font = view.font();
    const int lineHeight = view.fontMetrics().lineSpacing();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        font.setBold(i == 0);
        painter.setFont(font);
        const QRect line(kBlockPadding, kBlockPadding + static_cast<int>(i) * lineHeight,
                         width - 2 * kBlockPadding, lineHeight);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    }
    view.render(&painter, QRectF(0, top, width, view.height()));
}

} // namespace

QImage chartImage(QChartView& view, const ChartContent& content, double dpi) {
    const QStringList lines = titleLines(content);
    const double screenDpi = view.logicalDpiX();
    const double scale = dpi > 0.0 ? dpi / screenDpi : 1.0;
    const QSize logical(view.width(), view.height() + blockHeight(view, lines));
    QImage image((QSizeF(logical) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = static_cast<int>(std::lround((dpi > 0.0 ? dpi : screenDpi) * kInchesPerMetre));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    paintChart(painter, view, lines);
    painter.end();
    return image;
}

QByteArray chartSvg(QChartView& view, const ChartContent& content) {
    const QStringList lines = titleLines(content);
    const QSize size(view.width(), view.height() + blockHeight(view, lines));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(toQString(content.title));
    svg.setDescription(lines.join(QLatin1Char('\n')));
    QPainter painter(&svg);
    paintChart(painter, view, lines);
    return painter.end() ? buffer.data() : QByteArray();
}

QString chartCsv(const ChartTable& table) {
    const auto quoted = [](const std::string& cell) {
        if (cell == "-") {
            return QString();
        }
        QString text = toQString(cell);
        if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
            text.contains(QLatin1Char('\n'))) {
            text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                   QLatin1Char('"');
        }
        return text;
    };
    const std::size_t columns = table.columns.size();
    QString out;
    const auto line = [&](const std::vector<std::string>& cells) {
        QStringList row;
        for (std::size_t i = 0; i < columns; ++i) {
            row << (i < cells.size() ? quoted(cells[i]) : QString());
        }
        out += row.join(QLatin1Char(',')) + QLatin1Char('\n');
    };
    line(table.columns);
    for (const auto& row : table.rows) {
        line(row);
    }
    return out;
}

} // namespace korvel
