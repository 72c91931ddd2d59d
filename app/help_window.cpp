// The contents page is the help file itself, at the anchor of the interface language; the
// pages it links to open in the same browser and join its history.

#include "help_window.h"

#include "help_accessible.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

struct HelpTexts
{
    QString title;
    QString back;
    QString forward;
    QString contents;
    QString missing;
    QString page;
};

HelpTexts helpTexts(bool english)
{
    if (english)
        return {u"【SorbaPal】Help"_s,
                u"Back"_s,
                u"Forward"_s,
                u"Contents"_s,
                u"The help file was not found."_s,
                u"Help page"_s};
    return {u"【計算丸】ヘルプ"_s,
            u"戻る"_s,
            u"進む"_s,
            u"目次"_s,
            u"ヘルプ・ファイルが見つかりません。"_s,
            u"ヘルプ・ページ"_s};
}

QString missingPage(const QString &message, const QString &helpFile)
{
    return u"<html><body><h2>"_s + message.toHtmlEscaped() + u"</h2><p>"_s +
           helpFile.toHtmlEscaped() + u"</p></body></html>"_s;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
    , m_back(new QPushButton(this))
    , m_forward(new QPushButton(this))
    , m_home(new QPushButton(this))
{
    // Links to the web open in the desktop's browser; the help pages open here.
    m_browser->setOpenExternalLinks(true);
    // Tab walks the page's links and Enter follows one, as it does for a screen reader's user.
    m_browser->setTextInteractionFlags(Qt::TextBrowserInteraction);
    help_accessible::expose(*m_browser);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(m_home);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    resize(640, 480);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QPushButton::clicked, this, &HelpWindow::showContents);
}

void HelpWindow::openContents(const QString &helpFile, bool english)
{
    const HelpTexts texts = helpTexts(english);
    setWindowTitle(texts.title);
    m_browser->setAccessibleName(texts.page);
    m_back->setText(texts.back);
    m_forward->setText(texts.forward);
    m_home->setText(texts.contents);

    m_contents.clear();
    m_missingPage.clear();
    if (const QFileInfo file(helpFile); file.isFile() && file.isReadable()) {
        m_contents = QUrl::fromLocalFile(helpFile);
        m_contents.setFragment(english ? u"en"_s : u"ja"_s);
    } else {
        m_missingPage = missingPage(texts.missing, helpFile);
    }
    // Each opening reads the file afresh and starts a new history at the contents.
    m_browser->clear();
    showContents();
    m_browser->clearHistory();
    show();
    raise();
    activateWindow();
    m_browser->setFocus();
}

void HelpWindow::showContents()
{
    if (m_contents.isEmpty()) {
        m_browser->setHtml(m_missingPage);
        return;
    }
    // The help file's own name does not say HTML; the pages it links to do.
    m_browser->setSource(m_contents, QTextDocument::HtmlResource);
}
