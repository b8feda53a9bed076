#include "platform/qt/qt_help_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace korvel {

namespace {

constexpr int kHelpWidth = 720;
constexpr int kHelpHeight = 560;
constexpr int kTextMargin = 12;

// A heading's anchor as links to it are written: lower case, punctuation dropped, blanks as "-".
QString headingAnchor(const QString& heading) {
    QString anchor = heading.toLower();
    static const QRegularExpression punctuation(QStringLiteral("[^\\w\\- ]"));
    anchor.remove(punctuation);
    anchor.replace(QLatin1Char(' '), QLatin1Char('-'));
    return anchor;
}

// Markdown headings carry no anchors of their own; the guide's "#section" links need them.
void anchorHeadings(QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 || block.text().isEmpty()) {
            continue;
        }
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorNames({headingAnchor(block.text())});
        cursor.mergeCharFormat(anchor);
    }
}

class GuideBrowser final : public QTextBrowser {
  public:
    explicit GuideBrowser(QWidget* parent) : QTextBrowser(parent) {
        setObjectName(QStringLiteral("guide"));
        setOpenExternalLinks(true);
    }

  protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override {
        // The page is read again even when only the heading to show changes.
        QTextBrowser::doSetSource(name, type);
        anchorHeadings(*document());
        if (name.hasFragment()) {
            scrollToAnchor(name.fragment());
        }
    }
};

QString notFoundText() {
    return QStringLiteral("<h2>The guide is not installed</h2>"
                          "<p>Korvel looks for its guide in <tt>%1</tt>, where it is installed "
                          "with the program, and in <tt>%2</tt> of the sources it was built "
                          "from. Neither folder holds it: install Korvel again, or read the guide "
                          "in the sources.</p>")
        .arg(QStringLiteral(KORVEL_INSTALLED_GUIDE).toHtmlEscaped(),
             QStringLiteral(KORVEL_SOURCE_GUIDE).toHtmlEscaped());
}

} // namespace

QString guideContentsFile() {
    for (const QString& folder :
         {QStringLiteral(KORVEL_INSTALLED_GUIDE), QStringLiteral(KORVEL_SOURCE_GUIDE)}) {
        const QFileInfo contents(folder + QStringLiteral("/README.md"));
        if (contents.isFile()) {
            return contents.absoluteFilePath();
        }
    }
    return {};
}

QtHelpWindow::~QtHelpWindow() {
    delete window_;
}

void QtHelpWindow::show() {
    if (window_ == nullptr) {
        auto* window = new QWidget;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setObjectName(QStringLiteral("help"));
        window->setWindowTitle(QStringLiteral("Korvel - Short Guide"));
        window->resize(kHelpWidth, kHelpHeight);
        auto* layout = new QVBoxLayout(window);
        auto* buttons = new QHBoxLayout;
        auto* contents = new QPushButton(QStringLiteral("&Contents"), window);
        auto* back = new QPushButton(QStringLiteral("&Back"), window);
        auto* forward = new QPushButton(QStringLiteral("&Forward"), window);
        for (QPushButton* button : {contents, back, forward}) {
            button->setAutoDefault(false);
            buttons->addWidget(button);
        }
        buttons->addStretch();
        layout->addLayout(buttons);
        browser_ = new GuideBrowser(window);
        browser_->document()->setDocumentMargin(kTextMargin);
        layout->addWidget(browser_);
        back->setEnabled(false);
        forward->setEnabled(false);
        QObject::connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
        QObject::connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
        QObject::connect(browser_, &QTextBrowser::backwardAvailable, back,
                         &QPushButton::setEnabled);
        QObject::connect(browser_, &QTextBrowser::forwardAvailable, forward,
                         &QPushButton::setEnabled);
        const QString file = guideContentsFile();
        if (file.isEmpty()) {
            contents->setEnabled(false);
            browser_->setHtml(notFoundText());
        } else {
            QObject::connect(contents, &QPushButton::clicked, browser_, &QTextBrowser::home);
            browser_->setSource(QUrl::fromLocalFile(file), QTextDocument::MarkdownResource);
        }
        window_ = window;
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

QWidget* QtHelpWindow::window() const {
    return window_;
}

QString QtHelpWindow::pageShown() const {
    if (window_ == nullptr) {
        return {};
    }
    return QFileInfo(browser_->source().path()).fileName();
}

} // namespace korvel
