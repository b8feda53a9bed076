#include "scenario_window_actions.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <filesystem>

#include "platform/qt/qt_main_window.h"

namespace korvel {

std::optional<std::string> windowAction(QtMainWindow& window, const std::string& action,
                                        const std::string& rest) {
    if (action == "close" && rest.empty()) {
        window.close();
        return "";
    }
    if (action != "drop" || rest.empty()) {
        return std::nullopt;
    }
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(
        QString::fromStdString(std::filesystem::absolute(std::filesystem::path(rest)).string()))});
    QDropEvent drop(QPointF(window.width() / 2.0, window.height() / 2.0), Qt::CopyAction, &dropped,
                    Qt::LeftButton, Qt::NoModifier);
    // Straight to the window: the application passes a drop only to the target of a real drag.
    static_cast<QObject&>(window).event(&drop);
    return "";
}

} // namespace korvel
