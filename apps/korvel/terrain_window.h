#pragma once
// Tools > Terrain...: the elevation models Korvel reads the terrain from (files, folders of
// rasters, virtual rasters), kept in the settings as the planner adds or removes them, in the
// order they are tried. korvel-cli reads the same list when no --dem is given.

#include <filesystem>
#include <functional>
#include <vector>

#include <QPointer>

#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "user_profile.h"

class QDialog;
class QListWidget;
class QWidget;

namespace korvel {

class TerrainWindow {
  public:
    // `settingsChanged` is told after the settings file was written.
    TerrainWindow(QWidget* owner, FileChooser& files, Messages& messages, UserProfile& profile,
                  std::function<void()> settingsChanged);
    ~TerrainWindow();
    TerrainWindow(const TerrainWindow&) = delete;
    TerrainWindow& operator=(const TerrainWindow&) = delete;

    // Opens the window, or brings it up, with the list the settings hold now.
    void open();
    [[nodiscard]] QWidget* window() const;

  private:
    void build();
    void showSources();
    void add(FileDialogUse use);
    void removeChosen();
    // Writes the list into the settings; false after saying why not (nothing changed then).
    bool save(const std::vector<std::filesystem::path>& sources);

    QWidget* owner_;
    FileChooser& files_;
    Messages& messages_;
    UserProfile& profile_;
    std::function<void()> settingsChanged_;
    QPointer<QDialog> dialog_;
    QListWidget* list_ = nullptr;
};

} // namespace korvel
