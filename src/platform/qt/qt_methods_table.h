#pragma once
// MethodsView on Qt: the methods table under the results in their dock. A table of a column per
// method, each cell's inputs and sources as its tooltip and accessible description; above it the
// choice of the column that judges the hop; under it what climate maps are missing, with the
// button that imports them. Reached by Tab, the cells walked by the arrow keys.

#include <QWidget>

#include "platform/methods_view.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace korvel {

class QtMethodsTable final : public QWidget, public MethodsView {
  public:
    explicit QtMethodsTable(QWidget* parent);

    void setEvents(MethodsViewEvents* events) override { events_ = events; }
    void show(const MethodsTableContent& content) override;
    void clear() override;

    // For the scenario player: the cell's text ("" outside the table), the choice, the note.
    [[nodiscard]] QString cellText(int row, int column) const;
    [[nodiscard]] QString cellDetail(int row, int column) const;
    [[nodiscard]] QString missingText() const;
    void chooseJudgingColumn(int column);
    void pressImport();

  private:
    void fitColumns();

    MethodsViewEvents* events_ = nullptr;
    QComboBox* judging_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* missing_ = nullptr;
    QPushButton* import_ = nullptr;
    bool filling_ = false; // the choice set by show() is not the planner's
};

} // namespace korvel
