#include "platform/qt/qt_radio_focus.h"

#include <algorithm>

#include <QButtonGroup>
#include <QList>
#include <QRadioButton>
#include <QWidget>

namespace korvel {

namespace {

// The buttons that exclude each other with this one: its group, else its radio siblings.
QList<QAbstractButton*> groupOf(QAbstractButton& button) {
    if (QButtonGroup* group = button.group(); group != nullptr) {
        return group->buttons();
    }
    QList<QAbstractButton*> siblings;
    if (!button.autoExclusive() || button.parentWidget() == nullptr) {
        return {&button};
    }
    for (auto* sibling :
         button.parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (sibling->autoExclusive()) {
            siblings << sibling;
        }
    }
    return siblings;
}

} // namespace

void placeRadioTabStop(QAbstractButton& button) {
    const QList<QAbstractButton*> group = groupOf(button);
    const bool anyChecked = std::any_of(group.begin(), group.end(),
                                        [](const QAbstractButton* b) { return b->isChecked(); });
    for (QAbstractButton* member : group) {
        // A click still focuses any of them; the arrow keys reach them all either way.
        const bool stop = anyChecked ? member->isChecked() : member == group.front();
        member->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void keepTabOnCheckedRadios(QWidget& form) {
    for (auto* radio : form.findChildren<QRadioButton*>()) {
        placeRadioTabStop(*radio);
        QObject::connect(radio, &QAbstractButton::toggled, radio,
                         [radio] { placeRadioTabStop(*radio); });
    }
}

} // namespace korvel
