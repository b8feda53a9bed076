#pragma once
// FileChooser on QFileDialog: the filters, the default extension, the overwrite question of the
// Save dialog and the existence rule of the Open dialogs.

#include <QString>

#include "platform/file_chooser.h"

class QWidget;

namespace korvel {

// What each use of the chooser offers.
struct FileDialogSettings {
    QString title;
    QString filters;          // "Hop files (*.hop);;All files (*)"
    QString defaultExtension; // appended to a name typed without one
    bool save;
};
FileDialogSettings fileDialogSettings(FileDialogUse use);

// The path with the default extension appended when its name has none.
QString withDefaultExtension(const QString& path, const QString& extension);
// The default extension in the case of the proposed name's own (LINK7.HOP gives "HOP").
QString extensionLike(const QString& defaultExtension, const QString& proposedName);

class QtFileChooser final : public FileChooser {
  public:
    explicit QtFileChooser(QWidget* mainWindow) : mainWindow_(mainWindow) {}
    std::optional<ChosenFile> choose(FileDialogUse use) override;
    void setStartFolder(const std::string& utf8Folder) override;
    void setStartName(const std::string& utf8Name) override;

  private:
    QWidget* mainWindow_;
    QString lastFolder_; // the current file's folder, else where the last dialog chose
    QString startName_;  // proposed by the next dialog only
};

// The full and the bare name of a chosen path, as the file system spells them.
ChosenFile chosenFile(const QString& path);

} // namespace korvel
