#pragma once
// The help window: the program's guide (Markdown pages) in a window of its own, with the links
// between the pages working. One window at a time; asking again brings it to the front.

#include <QPointer>
#include <QString>

class QTextBrowser;
class QWidget;

namespace korvel {

class QtHelpWindow {
  public:
    QtHelpWindow() = default;
    ~QtHelpWindow();
    QtHelpWindow(const QtHelpWindow&) = delete;
    QtHelpWindow& operator=(const QtHelpWindow&) = delete;

    // Opens the window at the guide's contents, or raises the one open.
    void show();
    // The open window (nullptr when closed) and the file of the page it shows.
    [[nodiscard]] QWidget* window() const;
    [[nodiscard]] QString pageShown() const;

  private:
    QPointer<QWidget> window_;
    QTextBrowser* browser_ = nullptr;
};

// The contents page of the guide: installed with the program, else in the sources the program
// was built from; empty when neither is there.
QString guideContentsFile();

} // namespace korvel
