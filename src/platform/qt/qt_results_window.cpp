#include "platform/qt/qt_results_window.h"

#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"

namespace korvel {

namespace {

constexpr int kLineCharacters = 41;
constexpr int kUpperLines = 10;
constexpr int kLowerLines = 5;
constexpr int kGap = 8; // between the main window and the results window, pixels

QLabel* block(QDialog& dialog, int control, int lines, const QString& accessibleName) {
    auto* label = new QLabel(QStringLiteral(" "), &dialog);
    label->setObjectName(QStringLiteral("control_%1").arg(control));
    label->setAccessibleName(accessibleName);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const QFontMetrics metrics(dialog.font());
    label->setFixedSize(metrics.horizontalAdvance(QLatin1Char('0')) * (kLineCharacters + 1),
                        metrics.lineSpacing() * lines + 2);
    return label;
}

QString joined(const std::vector<std::string>& lines) {
    QStringList shown;
    for (const std::string& line : lines) {
        shown << toQString(line);
    }
    return shown.isEmpty() ? QStringLiteral(" ") : shown.join(QLatin1Char('\n'));
}

} // namespace

QtResultsWindow::~QtResultsWindow() {
    close();
}

void QtResultsWindow::show() {
    if (dialog_ == nullptr) {
        auto* dialog = new QDialog(owner_);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setObjectName(QStringLiteral("results"));
        dialog->setWindowTitle(QStringLiteral("Results"));
        dialog->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        auto* layout = new QVBoxLayout(dialog);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        upper_ = block(*dialog, 1300, kUpperLines, QStringLiteral("Results without diversity"));
        lower_ = block(*dialog, 1301, kLowerLines, QStringLiteral("Results with diversity"));
        layout->addWidget(upper_);
        layout->addWidget(lower_);
        dialog->move(owner_->frameGeometry().topRight() + QPoint(kGap, 0));
        dialog_ = dialog;
    }
    dialog_->show();
}

void QtResultsWindow::setLines(const std::vector<std::string>& upper,
                               const std::vector<std::string>& lower, bool lowerChanged) {
    if (dialog_ == nullptr) {
        return;
    }
    // The lines are also the blocks' accessible descriptions: a screen reader reads them there.
    upper_->setText(joined(upper));
    upper_->setAccessibleDescription(upper_->text());
    if (lowerChanged) {
        lower_->setText(joined(lower));
        lower_->setAccessibleDescription(lower_->text());
    }
}

void QtResultsWindow::close() {
    if (dialog_ != nullptr) {
        // The window goes once the event loop comes round; it counts as closed at once.
        dialog_->close();
        dialog_ = nullptr;
    }
}

bool QtResultsWindow::isOpen() const {
    return dialog_ != nullptr;
}

void QtResultsWindow::setEnabled(bool enabled) {
    if (dialog_ != nullptr) {
        dialog_->setEnabled(enabled);
    }
}

QWidget* QtResultsWindow::window() const {
    return dialog_;
}

} // namespace korvel
