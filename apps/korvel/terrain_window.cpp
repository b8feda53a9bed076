#include "terrain_window.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/elevation_sources.h"
#include "platform/qt/qt_window_close.h"
#include "platform/text_encoding.h"

namespace korvel {

namespace {

constexpr QSize kTerrainSize(560, 320);

QString pathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

TerrainWindow::TerrainWindow(QWidget* owner, FileChooser& files, Messages& messages,
                             UserProfile& profile, std::function<void()> settingsChanged)
    : owner_(owner), files_(files), messages_(messages), profile_(profile),
      settingsChanged_(std::move(settingsChanged)) {}

TerrainWindow::~TerrainWindow() {
    if (dialog_ != nullptr) {
        closeSelfDeletingWindow(dialog_);
    }
}

void TerrainWindow::build() {
    auto* dialog = new QDialog(owner_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("terrain"));
    dialog->setWindowTitle(QStringLiteral("Terrain"));
    dialog->resize(kTerrainSize);
    auto* layout = new QVBoxLayout(dialog);
    auto* label = new QLabel(QStringLiteral("&Elevation models, tried in this order (files, "
                                            "folders of rasters, virtual rasters):"),
                             dialog);
    list_ = new QListWidget(dialog);
    list_->setObjectName(QStringLiteral("sources"));
    list_->setAccessibleName(QStringLiteral("Elevation models, tried in this order"));
    label->setBuddy(list_);
    layout->addWidget(label);
    auto* row = new QHBoxLayout;
    row->addWidget(list_, 1);
    auto* buttons = new QVBoxLayout;
    for (const auto& [text, name, accessible, action] :
         {std::tuple{"Add &file...", "addFile", "Add an elevation model file",
                     std::function<void()>([this] { add(FileDialogUse::ElevationModel); })},
          std::tuple{"Add f&older...", "addFolder", "Add a folder of elevation models",
                     std::function<void()>([this] { add(FileDialogUse::TerrainFolder); })},
          std::tuple{"&Remove", "remove", "Remove the chosen elevation model",
                     std::function<void()>([this] { removeChosen(); })}}) {
        auto* button = new QPushButton(QString::fromUtf8(text), dialog);
        button->setObjectName(QLatin1String(name));
        button->setAccessibleName(QString::fromUtf8(accessible));
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, dialog, action);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    row->addLayout(buttons);
    layout->addLayout(row, 1);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    close->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("close"));
    QObject::connect(close, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    layout->addWidget(close);
    dialog_ = dialog;
}

void TerrainWindow::open() {
    if (dialog_ == nullptr) {
        build();
    }
    showSources();
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

QWidget* TerrainWindow::window() const {
    return dialog_;
}

void TerrainWindow::showSources() {
    list_->clear();
    for (const auto& source : elevationSources(profile_)) {
        list_->addItem(pathText(source));
    }
    if (list_->count() > 0) {
        list_->setCurrentRow(0);
    }
}

void TerrainWindow::add(FileDialogUse use) {
    const auto chosen = files_.choose(use);
    if (!chosen) {
        return;
    }
    auto sources = elevationSources(profile_);
    if (std::ranges::find(sources, chosen->fullName) == sources.end()) {
        sources.push_back(chosen->fullName);
    }
    if (save(sources)) {
        list_->setCurrentRow(list_->count() - 1);
    }
}

void TerrainWindow::removeChosen() {
    auto sources = elevationSources(profile_);
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(sources.size())) {
        return;
    }
    sources.erase(sources.begin() + row);
    if (save(sources)) {
        list_->setCurrentRow(std::min(row, list_->count() - 1));
    }
}

bool TerrainWindow::save(const std::vector<std::filesystem::path>& sources) {
    const auto file = profile_.file();
    const std::string error = file ? saveElevationSources(*file, sources)
                                   : "the settings file cannot be named (no home folder)";
    if (!error.empty()) {
        messages_.show("The elevation models are not kept: " + utf8ToCp1252(error), kAppCaption,
                       MessageIcon::Warning);
        return false;
    }
    if (settingsChanged_) {
        settingsChanged_();
    }
    showSources();
    return true;
}

} // namespace korvel
