#include "platform/qt/qt_elided_label.h"

#include <algorithm>

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

namespace korvel {

namespace {

const char* const kFullText = "korvelFullText";
const char* const kElider = "korvelMiddleElider";
const char* const kOwnMinimumWidth = "korvelOwnMinimumWidth";

void elide(QLabel& label) {
    const QString full = label.property(kFullText).toString();
    label.setText(
        label.fontMetrics().elidedText(full, Qt::ElideMiddle, label.contentsRect().width()));
}

// Elides the label again whenever its width or font changes.
class MiddleElider final : public QObject {
  public:
    explicit MiddleElider(QLabel& label) : QObject(&label) {
        setObjectName(QLatin1String(kElider));
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange) {
            elide(*static_cast<QLabel*>(watched));
        }
        return false;
    }
};

} // namespace

void setMiddleElidedText(QLabel& label, const QString& text, int roomCharacters) {
    if (label.findChild<MiddleElider*>(QLatin1String(kElider), Qt::FindDirectChildrenOnly) ==
        nullptr) {
        label.installEventFilter(new MiddleElider(label));
        // The label's own hint would follow the elided text and never let it widen again.
        label.setSizePolicy(QSizePolicy::Ignored, label.sizePolicy().verticalPolicy());
        label.setWordWrap(false);
        label.setProperty(kOwnMinimumWidth, label.minimumWidth());
    }
    const QFontMetrics metrics = label.fontMetrics();
    const int wanted = std::min(metrics.horizontalAdvance(text) + 2 * label.margin() + 2,
                                metrics.averageCharWidth() * roomCharacters);
    label.setMinimumWidth(std::max(label.property(kOwnMinimumWidth).toInt(), wanted));
    label.setProperty(kFullText, text);
    label.setToolTip(text);
    label.setAccessibleDescription(text);
    elide(label);
}

QString fullLabelText(const QLabel& label) {
    const QVariant full = label.property(kFullText);
    return full.isValid() ? full.toString() : label.text();
}

} // namespace korvel
