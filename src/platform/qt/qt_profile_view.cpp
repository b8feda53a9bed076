#include "platform/qt/qt_profile_view.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/qt/qt_chart_panel.h"
#include "platform/qt/qt_screen_room.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_window_close.h"
#include "platform/qt/qt_window_places.h"

namespace korvel {

namespace {

constexpr QSize kProfileSize(980, 680);
constexpr int kChoiceCharacters = 24;
constexpr int kNumberWidth = 70;
// Reads shorter than this show no progress at all.
constexpr int kProgressDelayMs = 400;
// Below this the plot is squeezed to a strip between its titles and its legend.
constexpr int kChartLeastHeight = 340;

QLineEdit* numberEdit(QWidget* parent, const QString& accessibleName) {
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleName(accessibleName);
    edit->setMaximumWidth(kNumberWidth);
    return edit;
}

} // namespace

QtProfileView::~QtProfileView() {
    close();
}

// The controls are made in the order Tab walks them.
void QtProfileView::makeControls(QDialog& dialog) {
    k_ = numberEdit(&dialog, QStringLiteral("Earth radius factor k of the drawing"));
    ruleSet_ = new QComboBox(&dialog);
    ruleSet_->setAccessibleName(QStringLiteral("Clearance rule set"));
    rule1C_ = numberEdit(&dialog, QStringLiteral("Rule 1 clearance (share of F1)"));
    rule1K_ = numberEdit(&dialog, QStringLiteral("Rule 1 earth radius factor k"));
    rule2C_ = numberEdit(&dialog, QStringLiteral("Rule 2 clearance (share of F1)"));
    rule2K_ = numberEdit(&dialog, QStringLiteral("Rule 2 earth radius factor k"));
    heightsMode_ = new QComboBox(&dialog);
    heightsMode_->setAccessibleName(QStringLiteral("Antenna heights found"));
    // The long rule names do not set the window's width: a small screen still holds it, and the
    // choice shown stays readable whole in its tool tip and its list.
    for (QComboBox* choice : {ruleSet_, heightsMode_}) {
        choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        choice->setMinimumContentsLength(kChoiceCharacters);
        QObject::connect(choice, &QComboBox::currentTextChanged, choice,
                         [choice](const QString& text) { choice->setToolTip(text); });
    }
    draw_ = new QPushButton(QStringLiteral("&Draw"), &dialog);
    draw_->setDefault(true);
    draw_->setAccessibleName(QStringLiteral("Draw the profile"));
    apply_ = new QPushButton(QStringLiteral("&Apply"), &dialog);
    apply_->setAutoDefault(false);
    apply_->setAccessibleName(QStringLiteral("Apply the antenna heights to the Form page"));
    importCsv_ = new QPushButton(QStringLiteral("&Import CSV..."), &dialog);
    importCsv_->setAutoDefault(false);
    importCsv_->setAccessibleName(QStringLiteral("Import the terrain profile from a CSV file"));
    fromTerrain_ = new QPushButton(QStringLiteral("&From terrain"), &dialog);
    fromTerrain_->setAutoDefault(false);
    fromTerrain_->setAccessibleName(
        QStringLiteral("Take the terrain profile from the elevation models"));
    sites_ = new QPushButton(QStringLiteral("&Sites..."), &dialog);
    sites_->setAutoDefault(false);
    sites_->setAccessibleName(
        QStringLiteral("Sites: latitude, longitude (degrees) and ground elevation (m) of each "
                       "station"));
}

QGridLayout* QtProfileView::controlGrid(QDialog& dialog) {
    auto* grid = new QGridLayout;
    const auto labelled = [&](int row, int column, const QString& text, QWidget* field) {
        auto* label = new QLabel(text, &dialog);
        label->setBuddy(field);
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
    };
    labelled(0, 0, QStringLiteral("&k:"), k_);
    labelled(0, 2, QStringLiteral("&Rules:"), ruleSet_);
    labelled(0, 4, QStringLiteral("Heights:"), heightsMode_);
    labelled(1, 0, QStringLiteral("Rule &1 c (F1):"), rule1C_);
    labelled(1, 2, QStringLiteral("at k:"), rule1K_);
    labelled(2, 0, QStringLiteral("Rule &2 c (F1):"), rule2C_);
    labelled(2, 2, QStringLiteral("at k:"), rule2K_);
    grid->addWidget(draw_, 1, 4);
    grid->addWidget(apply_, 1, 5);
    grid->addWidget(importCsv_, 2, 4);
    grid->addWidget(fromTerrain_, 2, 5);
    grid->addWidget(sites_, 2, 6);
    grid->setColumnStretch(7, 1);
    return grid;
}

void QtProfileView::connectEvents(QDialog& dialog) {
    const auto send = [this](void (ProfileEvents::*event)(const ProfileSettings&)) {
        return [this, event] {
            if (events_ != nullptr) {
                (events_->*event)(settings());
            }
        };
    };
    QObject::connect(draw_, &QPushButton::clicked, &dialog, send(&ProfileEvents::onRedraw));
    QObject::connect(heightsMode_, &QComboBox::activated, &dialog, send(&ProfileEvents::onRedraw));
    QObject::connect(ruleSet_, &QComboBox::activated, &dialog,
                     send(&ProfileEvents::onRuleSetChosen));
    QObject::connect(importCsv_, &QPushButton::clicked, &dialog, send(&ProfileEvents::onImportCsv));
    QObject::connect(fromTerrain_, &QPushButton::clicked, &dialog,
                     send(&ProfileEvents::onFromTerrain));
    QObject::connect(apply_, &QPushButton::clicked, &dialog,
                     [this, apply = send(&ProfileEvents::onApply)] {
                         apply();
                         // The heights drawn again after Apply are said even when they read as
                         // before.
                         if (heights_ != nullptr && heights_->isVisible()) {
                             QAccessibleEvent changed(heights_, QAccessible::NameChanged);
                             QAccessible::updateAccessibility(&changed);
                         }
                     });
    QObject::connect(sites_, &QPushButton::clicked, &dialog, [this] {
        if (events_ != nullptr) {
            events_->onSites();
        }
    });
}

void QtProfileView::build() {
    auto* dialog = new QDialog(owner_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("profile"));
    dialog->setWindowFlag(Qt::WindowMaximizeButtonHint);
    dialog->setWindowTitle(QStringLiteral("Path profile"));
    dialog->resize(sizeOnScreen(owner_, kProfileSize));
    auto* layout = new QVBoxLayout(dialog);
    makeControls(*dialog);
    layout->addLayout(controlGrid(*dialog));
    heights_ = new QLabel(dialog);
    heights_->setWordWrap(true);
    heights_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(heights_);
    rules_ = new QTableWidget(0, 4, dialog);
    rules_->setHorizontalHeaderLabels({QStringLiteral("Rule"), QStringLiteral("Required"),
                                       QStringLiteral("Achieved"), QStringLiteral("Met")});
    rules_->setAccessibleName(QStringLiteral("Clearance rules: required, achieved (F1), met"));
    rules_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table; the arrow keys walk its cells.
    rules_->setTabKeyNavigation(false);
    rules_->verticalHeader()->setVisible(false);
    // Rows as tight as their text: the table must leave the chart its room.
    rules_->verticalHeader()->setDefaultSectionSize(rules_->fontMetrics().height() + 4);
    rules_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    rules_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    rules_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(rules_);
    panel_ = new QtChartPanel(dialog, exportPorts_);
    panel_->setMinimumHeight(kChartLeastHeight);
    layout->addWidget(panel_, 1);
    connectEvents(*dialog);
    // The scenario player reaches the controls by these names ("type profile.k 1").
    for (const auto& [control, name] : {std::pair<QWidget*, const char*>{k_, "k"},
                                        {ruleSet_, "ruleSet"},
                                        {rule1C_, "rule1C"},
                                        {rule1K_, "rule1K"},
                                        {rule2C_, "rule2C"},
                                        {rule2K_, "rule2K"},
                                        {heightsMode_, "heightsMode"},
                                        {draw_, "draw"},
                                        {apply_, "apply"},
                                        {importCsv_, "importCsv"},
                                        {fromTerrain_, "fromTerrain"},
                                        {sites_, "sites"},
                                        {heights_, "heights"},
                                        {rules_, "rules"}}) {
        control->setObjectName(QLatin1String(name));
    }
    placeBesideMainWindow(*dialog, *owner_->window());
    dialog_ = dialog;
}

void QtProfileView::open(const std::vector<std::string>& ruleSets,
                         const std::vector<std::string>& heightsModes, ProfileEvents& events) {
    events_ = &events;
    const bool isNew = dialog_ == nullptr;
    if (isNew) {
        build();
    }
    ruleSet_->clear();
    for (const std::string& set : ruleSets) {
        ruleSet_->addItem(toQString(set));
    }
    heightsMode_->clear();
    for (const std::string& mode : heightsModes) {
        heightsMode_->addItem(toQString(mode));
    }
    dialog_->show();
    dialog_->raise();
    if (isNew && opened) {
        opened("profile", dialog_->windowTitle());
    }
}

void QtProfileView::setSettings(const ProfileSettings& settings) {
    if (dialog_ == nullptr) {
        return;
    }
    k_->setText(toQString(settings.k));
    ruleSet_->setCurrentIndex(settings.ruleSet);
    rule1C_->setText(toQString(settings.rule1C));
    rule1K_->setText(toQString(settings.rule1K));
    rule2C_->setText(toQString(settings.rule2C));
    rule2K_->setText(toQString(settings.rule2K));
    heightsMode_->setCurrentIndex(settings.heightsMode);
}

void QtProfileView::showChart(const ChartContent& chart) {
    if (dialog_ != nullptr) {
        dialog_->setWindowTitle(toQString(chart.title));
        panel_->setChart(chart);
    }
}

void QtProfileView::showHeights(const std::string& text, bool applicable) {
    if (dialog_ != nullptr) {
        heights_->setText(toQString(text));
        heights_->setVisible(!text.empty());
        apply_->setEnabled(applicable);
    }
}

void QtProfileView::showRules(const std::vector<ProfileRuleRow>& rows) {
    if (dialog_ == nullptr) {
        return;
    }
    rules_->setRowCount(static_cast<int>(rows.size()));
    const QColor metColour(0x2c, 0xa0, 0x2c);
    const QColor missedColour(0xd6, 0x27, 0x28);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const ProfileRuleRow& rule = rows[static_cast<std::size_t>(row)];
        const QStringList cells{toQString(rule.rule), toQString(rule.required),
                                toQString(rule.achieved),
                                rule.met ? QStringLiteral("met") : QStringLiteral("not met")};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column == 3) {
                item->setForeground(Qt::white);
                item->setBackground(rule.met ? metColour : missedColour);
                item->setTextAlignment(Qt::AlignCenter);
            }
            rules_->setItem(row, column, item);
        }
    }
    rules_->resizeColumnsToContents();
    rules_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    rules_->setVisible(!rows.empty());
    const int height = rules_->horizontalHeader()->height() + rules_->verticalHeader()->length() +
                       2 * rules_->frameWidth();
    rules_->setFixedHeight(height);
}

void QtProfileView::close() {
    if (dialog_ != nullptr) {
        events_ = nullptr;
        closeSelfDeletingWindow(dialog_);
        dialog_ = nullptr;
    }
}

bool QtProfileView::showProgress(const std::string& text, std::size_t done, std::size_t total) {
    if (done >= total) {
        delete progress_;
        progress_ = nullptr;
        return true;
    }
    if (progress_ == nullptr) {
        progress_ = new QProgressDialog(toQString(text), QStringLiteral("Cancel"), 0,
                                        static_cast<int>(total), window());
        progress_->setWindowModality(Qt::WindowModal);
        progress_->setMinimumDuration(kProgressDelayMs);
        progress_->setAccessibleName(toQString(text));
        progress_->setObjectName(QStringLiteral("progress"));
    }
    progress_->setValue(static_cast<int>(done)); // modal: keeps the window answering
    return !progress_->wasCanceled();
}

bool QtProfileView::isOpen() const {
    return dialog_ != nullptr;
}

QWidget* QtProfileView::window() const {
    return dialog_;
}

ProfileSettings QtProfileView::settings() const {
    ProfileSettings settings;
    settings.k = toCp1252(k_->text());
    settings.ruleSet = ruleSet_->currentIndex();
    settings.rule1C = toCp1252(rule1C_->text());
    settings.rule1K = toCp1252(rule1K_->text());
    settings.rule2C = toCp1252(rule2C_->text());
    settings.rule2K = toCp1252(rule2K_->text());
    settings.heightsMode = heightsMode_->currentIndex();
    return settings;
}

} // namespace korvel
