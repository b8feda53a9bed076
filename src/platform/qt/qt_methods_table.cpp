#include "platform/qt/qt_methods_table.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvel {

namespace {

QString utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QtMethodsTable::QtMethodsTable(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("methods"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* choice = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("&Verdict by:"), this);
    judging_ = new QComboBox(this);
    judging_->setObjectName(QStringLiteral("methods.judging"));
    judging_->addItems(
        {QStringLiteral("Classic"), QStringLiteral("P.530-17"), QStringLiteral("P.530-18")});
    judging_->setAccessibleName(QStringLiteral("Method the verdict judges by"));
    label->setBuddy(judging_);
    choice->addWidget(label);
    choice->addWidget(judging_, 1);
    layout->addLayout(choice);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("methods.table"));
    table_->setAccessibleName(QStringLiteral("Methods: classic, P.530-17 and P.530-18"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setTabKeyNavigation(false);
    table_->setFocusPolicy(Qt::StrongFocus);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // As wide as the results' lines, not as its columns: it scrolls across rather than widen the
    // dock past the page's room.
    table_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    layout->addWidget(table_, 1);

    missing_ = new QLabel(this);
    missing_->setObjectName(QStringLiteral("methods.missing"));
    missing_->setWordWrap(true);
    import_ = new QPushButton(QStringLiteral("&Import climate maps..."), this);
    import_->setObjectName(QStringLiteral("methods.import"));
    import_->setAccessibleName(QStringLiteral("Import climate maps"));
    layout->addWidget(missing_);
    layout->addWidget(import_);
    clear();

    connect(judging_, &QComboBox::currentIndexChanged, this, [this](int column) {
        if (!filling_ && events_ != nullptr) {
            events_->onJudgingColumnChosen(column);
        }
    });
    connect(import_, &QPushButton::clicked, this, [this] {
        if (events_ != nullptr) {
            events_->onImportMaps();
        }
    });
}

void QtMethodsTable::show(const MethodsTableContent& content) {
    setVisible(true);
    filling_ = true;
    judging_->setCurrentIndex(content.judgingColumn);
    filling_ = false;
    judging_->setEnabled(true);
    table_->setColumnCount(static_cast<int>(content.headings.size()));
    table_->setRowCount(static_cast<int>(content.rowLabels.size()));
    QStringList headings;
    for (std::size_t c = 0; c < content.headings.size(); ++c) {
        const bool judges = static_cast<int>(c) == content.judgingColumn;
        headings << utf8(content.headings[c]) +
                        (judges ? QStringLiteral("\n(verdict)") : QString());
    }
    table_->setHorizontalHeaderLabels(headings);
    QStringList labels;
    for (const std::string& label : content.rowLabels) {
        labels << utf8(label);
    }
    table_->setVerticalHeaderLabels(labels);
    for (std::size_t r = 0; r < content.cells.size(); ++r) {
        for (std::size_t c = 0; c < content.cells[r].size(); ++c) {
            const MethodsCell& cell = content.cells[r][c];
            auto* item = new QTableWidgetItem(utf8(cell.text));
            item->setToolTip(utf8(cell.detail));
            item->setData(Qt::AccessibleDescriptionRole, utf8(cell.detail));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    fitColumns();
    missing_->setText(utf8(content.missingMaps));
    missing_->setVisible(!content.missingMaps.empty());
    import_->setVisible(!content.missingMaps.empty());
}

void QtMethodsTable::fitColumns() {
    // Every column in view, and a few rows at least: the rest scrolls within the dock's room.
    constexpr int kRowsShown = 4;
    table_->resizeColumnsToContents();
    int width = table_->verticalHeader()->sizeHint().width() + 2 * table_->frameWidth() +
                table_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < table_->columnCount(); ++c) {
        width += table_->columnWidth(c);
    }
    const int rowHeight = table_->rowCount() > 0 ? table_->rowHeight(0) : 0;
    table_->setMinimumSize(width, table_->horizontalHeader()->sizeHint().height() +
                                      rowHeight * kRowsShown + 2 * table_->frameWidth());
}

void QtMethodsTable::clear() {
    table_->clear();
    table_->setRowCount(0);
    table_->setColumnCount(0);
    judging_->setEnabled(false);
    missing_->setVisible(false);
    import_->setVisible(false);
    // Without results the dock keeps the size it had before there was a table.
    setVisible(false);
}

QString QtMethodsTable::cellText(int row, int column) const {
    const QTableWidgetItem* item = table_->item(row, column);
    return item == nullptr ? QString() : item->text();
}

QString QtMethodsTable::cellDetail(int row, int column) const {
    const QTableWidgetItem* item = table_->item(row, column);
    return item == nullptr ? QString() : item->data(Qt::AccessibleDescriptionRole).toString();
}

QString QtMethodsTable::missingText() const {
    return missing_->isVisibleTo(this) ? missing_->text() : QString();
}

void QtMethodsTable::chooseJudgingColumn(int column) {
    judging_->setCurrentIndex(column);
}

void QtMethodsTable::pressImport() {
    import_->click();
}

} // namespace korvel
