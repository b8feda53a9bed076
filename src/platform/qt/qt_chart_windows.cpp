#include "platform/qt/qt_chart_windows.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_chart_panel.h"
#include "platform/qt/qt_screen_room.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_window_close.h"
#include "platform/qt/qt_window_places.h"

namespace korvel {

namespace {

constexpr QSize kChartSize(860, 560);

QDialog* chartDialog(QWidget* owner, const QString& name) {
    auto* dialog = new QDialog(owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(name);
    dialog->setWindowFlag(Qt::WindowMaximizeButtonHint);
    dialog->resize(sizeOnScreen(owner, kChartSize));
    return dialog;
}

} // namespace

QtChartWindows::~QtChartWindows() {
    closeAll();
}

void QtChartWindows::showChart(const ChartContent& chart) {
    QPointer<QDialog>& dialog = windows_[chart.name];
    const bool isNew = dialog == nullptr;
    if (isNew) {
        // Over a modal dialog (the Hops list) the chart belongs to it, or it could not be used.
        QWidget* modal = QApplication::activeModalWidget();
        dialog = chartDialog(modal != nullptr ? modal : owner_, QString::fromStdString(chart.name));
        auto* layout = new QVBoxLayout(dialog);
        layout->addWidget(new QtChartPanel(dialog, exportPorts_));
        placeBesideMainWindow(*dialog, *owner_->window());
    }
    dialog->setWindowTitle(toQString(chart.title));
    dialog->findChild<QtChartPanel*>()->setChart(chart);
    dialog->show();
    dialog->raise();
    if (isNew && opened) {
        opened(chart.name, dialog->windowTitle());
    }
}

void QtChartWindows::refreshChart(const ChartContent& chart) {
    const auto found = windows_.find(chart.name);
    if (found != windows_.end() && found->second != nullptr) {
        found->second->findChild<QtChartPanel*>()->setChart(chart);
    }
}

void QtChartWindows::closeAll() {
    for (auto& [name, dialog] : windows_) {
        if (dialog != nullptr) {
            closeSelfDeletingWindow(dialog);
        }
    }
    windows_.clear();
}

QWidget* QtChartWindows::window(const std::string& name) const {
    const auto found = windows_.find(name);
    return found == windows_.end() ? nullptr : found->second.data();
}

QtSweepView::~QtSweepView() {
    close();
}

void QtSweepView::build() {
    auto* dialog = chartDialog(owner_, QStringLiteral("sweep"));
    dialog->setWindowTitle(QStringLiteral("Sweep"));
    auto* layout = new QVBoxLayout(dialog);
    auto* form = new QHBoxLayout;
    input_ = new QComboBox(dialog);
    input_->setObjectName(QStringLiteral("sweep_input"));
    input_->setAccessibleName(QStringLiteral("Input to vary"));
    from_ = new QLineEdit(dialog);
    to_ = new QLineEdit(dialog);
    steps_ = new QLineEdit(dialog);
    steps_->setAccessibleName(QStringLiteral("Steps (points)"));
    from_->setObjectName(QStringLiteral("sweep_from"));
    to_->setObjectName(QStringLiteral("sweep_to"));
    steps_->setObjectName(QStringLiteral("sweep_steps"));
    for (QLineEdit* edit : {from_, to_, steps_}) {
        edit->setMaximumWidth(90);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setDefault(true);
    ok->setAccessibleName(QStringLiteral("Draw the sweep"));
    ok->setObjectName(QStringLiteral("sweep_ok"));
    const auto labelled = [&](const QString& text, QWidget* field) {
        auto* label = new QLabel(text, dialog);
        label->setBuddy(field);
        form->addWidget(label);
        form->addWidget(field);
    };
    labelled(QStringLiteral("&Vary:"), input_);
    labelled(QStringLiteral("&From:"), from_);
    labelled(QStringLiteral("&To:"), to_);
    labelled(QStringLiteral("&Steps:"), steps_);
    form->addWidget(ok);
    form->addStretch(1);
    layout->addLayout(form);
    panel_ = new QtChartPanel(dialog, exportPorts_);
    layout->addWidget(panel_, 1);
    auto* hint = new QLabel(
        QStringLiteral("Click the chart, or press Enter on a row of the table, to take that value "
                       "into the page."),
        dialog);
    layout->addWidget(hint);
    QObject::connect(ok, &QPushButton::clicked, dialog, [this] { sweep(); });
    QObject::connect(input_, &QComboBox::activated, dialog, [this](int index) {
        if (events_ != nullptr) {
            events_->onInputChanged(index);
        }
    });
    panel_->pointChosen = [this](double value) {
        if (events_ != nullptr) {
            events_->onPointChosen(value);
        }
    };
    dialog_ = dialog;
    placeBesideMainWindow(*dialog, *owner_->window());
    if (opened) {
        opened("sweep", dialog->windowTitle());
    }
}

void QtSweepView::open(const std::vector<std::string>& inputs, SweepEvents& events) {
    events_ = &events;
    if (dialog_ == nullptr) {
        build();
    }
    input_->clear();
    units_.clear();
    for (const std::string& input : inputs) {
        input_->addItem(toQString(input));
        const auto open = input.rfind('(');
        units_.push_back(open == std::string::npos ? std::string() : input.substr(open));
    }
    dialog_->show();
    dialog_->raise();
}

void QtSweepView::setRange(int input, const std::string& from, const std::string& to,
                           const std::string& steps) {
    if (dialog_ == nullptr) {
        return;
    }
    input_->setCurrentIndex(input);
    const QString unit = input >= 0 && input < static_cast<int>(units_.size())
                             ? QLatin1Char(' ') + toQString(units_[static_cast<std::size_t>(input)])
                             : QString();
    from_->setAccessibleName(QStringLiteral("From") + unit);
    to_->setAccessibleName(QStringLiteral("To") + unit);
    from_->setText(toQString(from));
    to_->setText(toQString(to));
    steps_->setText(toQString(steps));
}

void QtSweepView::showChart(const ChartContent& chart) {
    if (panel_ != nullptr && dialog_ != nullptr) {
        panel_->setChart(chart);
    }
}

void QtSweepView::close() {
    if (dialog_ != nullptr) {
        events_ = nullptr;
        closeSelfDeletingWindow(dialog_);
        dialog_ = nullptr;
    }
}

bool QtSweepView::isOpen() const {
    return dialog_ != nullptr;
}

QWidget* QtSweepView::window() const {
    return dialog_;
}

void QtSweepView::sweep() {
    if (events_ != nullptr) {
        events_->onSweep(input_->currentIndex(), toCp1252(from_->text()), toCp1252(to_->text()),
                         toCp1252(steps_->text()));
    }
}

} // namespace korvel
