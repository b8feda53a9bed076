#include "platform/qt/qt_file_chooser.h"

#include <QFileDialog>
#include <QFileInfo>

#include <utility>

namespace korvel {

FileDialogSettings fileDialogSettings(FileDialogUse use) {
    const QString hops = QStringLiteral("Hop files (*.hop);;All files (*)");
    switch (use) {
    case FileDialogUse::SaveHop:
        return {QStringLiteral("Save As"), hops, QStringLiteral("hop"), true};
    case FileDialogUse::OpenHop:
        return {QStringLiteral("Open"), hops, QStringLiteral("hop"), false};
    case FileDialogUse::OpenHopOrRoute:
        return {QStringLiteral("Open"),
                QStringLiteral("Hop and route files (*.hop *.rou);;All files (*)"), QString(),
                false};
    case FileDialogUse::RouteFolder:
        return {QStringLiteral("Route directory"), QString(), QString(), false};
    case FileDialogUse::ExportKml:
        return {QStringLiteral("Export KML"), QStringLiteral("KML files (*.kml);;All files (*)"),
                QStringLiteral("kml"), true};
    case FileDialogUse::ExportGeoJson:
        return {QStringLiteral("Export GeoJSON"),
                QStringLiteral("GeoJSON files (*.geojson);;All files (*)"),
                QStringLiteral("geojson"), true};
    case FileDialogUse::ImportProfile:
        return {QStringLiteral("Import profile"),
                QStringLiteral("CSV files (*.csv);;All files (*)"), QStringLiteral("csv"), false};
    case FileDialogUse::ImportClimateMaps:
        return {QStringLiteral("Import climate maps"),
                QStringLiteral("ITU climate maps (*.zip *.txt *.csv *.npz);;All files (*)"),
                QString(), false};
    case FileDialogUse::ExportChart:
        return {QStringLiteral("Export chart"),
                QStringLiteral(
                    "PNG image (*.png);;SVG drawing (*.svg);;Comma-separated values (*.csv)"),
                QStringLiteral("png"), true};
    case FileDialogUse::ElevationModel:
        return {QStringLiteral("Add elevation model"),
                QStringLiteral("Elevation models (*.tif *.tiff *.hgt *.vrt *.asc *.img *.dt0 "
                               "*.dt1 *.dt2 *.bil *.flt);;All files (*)"),
                QString(), false};
    case FileDialogUse::TerrainFolder:
        return {QStringLiteral("Add folder of elevation models"), QString(), QString(), false};
    case FileDialogUse::OpenRoute:
        break;
    }
    return {QStringLiteral("Open"), QStringLiteral("Route files (*.rou);;All files (*)"),
            QStringLiteral("rou"), false};
}

QString withDefaultExtension(const QString& path, const QString& extension) {
    if (!extension.isEmpty() && !QFileInfo(path).fileName().contains(QLatin1Char('.'))) {
        return path + QLatin1Char('.') + extension;
    }
    return path;
}

QString extensionLike(const QString& defaultExtension, const QString& proposedName) {
    const QString own = QFileInfo(proposedName).suffix();
    return own.compare(defaultExtension, Qt::CaseInsensitive) == 0 ? own : defaultExtension;
}

ChosenFile chosenFile(const QString& path) {
    // The platform's own bytes: a name Windows-1252 cannot hold still names its file.
    const QFileInfo file(path);
    const std::filesystem::path full = file.filesystemAbsoluteFilePath();
    return {full, full.filename()};
}

std::optional<ChosenFile> QtFileChooser::choose(FileDialogUse use) {
    const FileDialogSettings settings = fileDialogSettings(use);
    const QString proposed = std::exchange(startName_, QString());
    QFileDialog dialog(mainWindow_, settings.title, lastFolder_);
    if (!settings.filters.isEmpty()) {
        dialog.setNameFilter(settings.filters);
    }
    dialog.setDefaultSuffix(extensionLike(settings.defaultExtension, proposed));
    if (use == FileDialogUse::ExportChart) {
        // A name typed without an extension takes the one of the kind chosen.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) {
                             dialog.setDefaultSuffix(
                                 filter.contains(QStringLiteral("svg"))   ? QStringLiteral("svg")
                                 : filter.contains(QStringLiteral("csv")) ? QStringLiteral("csv")
                                                                          : QStringLiteral("png"));
                         });
    }
    // The name patterns match whatever the case of the name (LINK7.HOP as well as link7.hop).
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    if (choosesFolder(use)) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else if (settings.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!proposed.isEmpty()) {
            dialog.selectFile(proposed);
        }
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString path = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(path).absolutePath();
    return chosenFile(path);
}

void QtFileChooser::setStartFolder(const std::string& utf8Folder) {
    if (!utf8Folder.empty()) {
        lastFolder_ = QString::fromStdString(utf8Folder);
    }
}

void QtFileChooser::setStartName(const std::string& utf8Name) {
    startName_ = QString::fromStdString(utf8Name);
}

} // namespace korvel
