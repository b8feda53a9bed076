#include "platform/qt/qt_chart_export.h"

#include <cmath>
#include <utility>
#include <vector>

#include <QBuffer>
#include <QFontMetrics>
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

// The block's lines as they wrap at the view's width: the first in bold.
struct TitleLayout {
    QStringList lines;
    std::vector<QRect> boxes;
    int height = 0;
};

QFont lineFont(const QWidget& view, qsizetype line) {
    QFont font = view.font();
    font.setBold(line == 0);
    return font;
}

TitleLayout layoutTitle(const QWidget& view, QStringList lines) {
    TitleLayout layout{std::move(lines), {}, kBlockPadding};
    const int width = view.width() - 2 * kBlockPadding;
    for (qsizetype i = 0; i < layout.lines.size(); ++i) {
        const QRect box =
            QFontMetrics(lineFont(view, i))
                .boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, layout.lines[i]);
        layout.boxes.emplace_back(kBlockPadding, layout.height, width, box.height());
        layout.height += box.height();
    }
    layout.height += kBlockPadding;
    return layout;
}

// Draws the block and the chart under it on `painter`, in the view's own pixels.
void paintChart(QPainter& painter, QChartView& view, const TitleLayout& title) {
    painter.fillRect(QRect(0, 0, view.width(), title.height + view.height()),
                     view.palette().window());
    painter.setPen(view.palette().windowText().color());
    for (qsizetype i = 0; i < title.lines.size(); ++i) {
        painter.setFont(lineFont(view, i));
        painter.drawText(title.boxes[static_cast<std::size_t>(i)], Qt::AlignLeft | Qt::TextWordWrap,
                         title.lines[i]);
    }
    view.render(&painter, QRectF(0, title.height, view.width(), view.height()));
}

} // namespace

QImage chartImage(QChartView& view, const ChartContent& content, double dpi) {
    const TitleLayout title = layoutTitle(view, titleLines(content));
    const double screenDpi = view.logicalDpiX();
    const double scale = dpi > 0.0 ? dpi / screenDpi : 1.0;
    const QSize logical(view.width(), view.height() + title.height);
    QImage image((QSizeF(logical) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    paintChart(painter, view, title);
    painter.end();
    // Marked only once painted: a painter sizes its fonts by the image's resolution.
    const auto dotsPerMetre =
        static_cast<int>(std::lround((dpi > 0.0 ? dpi : screenDpi) * kInchesPerMetre));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

QByteArray chartSvg(QChartView& view, const ChartContent& content) {
    const TitleLayout title = layoutTitle(view, titleLines(content));
    const QSize size(view.width(), view.height() + title.height);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(toQString(content.title));
    svg.setDescription(title.lines.join(QLatin1Char('\n')));
    QPainter painter(&svg);
    paintChart(painter, view, title);
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
    for (const auto& row : rowsOf(table)) {
        line(row);
    }
    return out;
}

} // namespace korvel
