// Qt shows a text browser to AT-SPI as a label with the whole page text and no links. Here the
// page is a document, each link a child named by its text, and the link Tab highlights gets the
// focus event that a screen reader speaks ("目次 link").

#include "help_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace {

const char *const pageProperty = "sorbaHelpPage";

struct Link
{
    int start = 0;
    int end = 0;
    QString text;
};

std::vector<Link> linksOf(const QTextDocument &document)
{
    std::vector<Link> links;
    QString href;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const bool anchor = format.isAnchor() && !format.anchorHref().isEmpty();
            if (!anchor) {
                href.clear();
                continue;
            }
            const int end = fragment.position() + fragment.length();
            // A link split into fragments by its styles is one link.
            if (format.anchorHref() == href && !links.empty() &&
                links.back().end == fragment.position()) {
                links.back().end = end;
                links.back().text += fragment.text();
            } else {
                links.push_back({fragment.position(), end, fragment.text()});
            }
            href = format.anchorHref();
        }
        href.clear();
    }
    return links;
}

class PageInterface;

class LinkInterface : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    LinkInterface(PageInterface &page, Link link)
        : m_page(page)
        , m_link(std::move(link))
    {}

    const Link &link() const { return m_link; }

    bool isValid() const override { return true; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface * /*child*/) const override { return -1; }
    QAccessibleInterface *childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_link.text.trimmed() : QString();
    }
    void setText(QAccessible::Text /*t*/, const QString & /*text*/) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Link; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString & /*actionName*/) const override { return {}; }

private:
    PageInterface &m_page;
    Link m_link;
};

class PageInterface : public QAccessibleWidget
{
public:
    explicit PageInterface(QTextBrowser *browser)
        : QAccessibleWidget(browser, QAccessible::Document)
    {}
    ~PageInterface() override { forgetLinks(); }

    QTextBrowser *browser() const { return static_cast<QTextBrowser *>(widget()); }

    /// The links of the page on show, made afresh when the page changes.
    const std::vector<QAccessible::Id> &links() const
    {
        if (m_linksOf != browser()->document() || m_revision != browser()->document()->revision())
            const_cast<PageInterface *>(this)->makeLinks();
        return m_links;
    }

    LinkInterface *linkAt(int index) const
    {
        const auto &ids = links();
        if (index < 0 || std::size_t(index) >= ids.size())
            return nullptr;
        return static_cast<LinkInterface *>(
            QAccessible::accessibleInterface(ids[std::size_t(index)]));
    }

    /// The link the browser's cursor selects, as Tab leaves it.
    LinkInterface *highlightedLink() const
    {
        const QTextCursor cursor = browser()->textCursor();
        for (int i = 0; i < childCount(); ++i) {
            LinkInterface *link = linkAt(i);
            if (link != nullptr && cursor.hasSelection() &&
                cursor.selectionStart() == link->link().start &&
                cursor.selectionEnd() == link->link().end)
                return link;
        }
        return nullptr;
    }

    int childCount() const override { return int(links().size()); }
    QAccessibleInterface *child(int index) const override { return linkAt(index); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto &ids = links();
        for (std::size_t i = 0; i < ids.size(); ++i) {
            if (QAccessible::accessibleInterface(ids[i]) == child)
                return int(i);
        }
        return -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        if (!browser()->hasFocus())
            return nullptr;
        if (LinkInterface *link = highlightedLink())
            return link;
        return const_cast<PageInterface *>(this);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return browser()->toPlainText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

private:
    void forgetLinks()
    {
        for (const QAccessible::Id id : m_links)
            QAccessible::deleteAccessibleInterface(id);
        m_links.clear();
    }

    void makeLinks()
    {
        forgetLinks();
        m_linksOf = browser()->document();
        m_revision = m_linksOf->revision();
        for (Link &link : linksOf(*m_linksOf))
            m_links.push_back(QAccessible::registerAccessibleInterface(
                new LinkInterface(*this, std::move(link))));
    }

    std::vector<QAccessible::Id> m_links;
    QPointer<QTextDocument> m_linksOf;
    int m_revision = -1;
};

QWindow *LinkInterface::window() const
{
    return m_page.window();
}

QAccessibleInterface *LinkInterface::parent() const
{
    return &m_page;
}

QRect LinkInterface::rect() const
{
    QTextBrowser *browser = m_page.browser();
    QTextCursor cursor(browser->document());
    cursor.setPosition(m_link.start);
    const QRect local = browser->cursorRect(cursor);
    return {browser->viewport()->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::State LinkInterface::state() const
{
    QAccessible::State s;
    s.focusable = true;
    s.linked = true;
    s.focused = m_page.browser()->hasFocus() && m_page.highlightedLink() == this;
    return s;
}

void LinkInterface::doAction(const QString &actionName)
{
    if (actionName != pressAction())
        return;
    // Following a link is what Enter does on the link Tab has highlighted.
    QTextBrowser *browser = m_page.browser();
    QTextCursor cursor(browser->document());
    cursor.setPosition(m_link.start);
    cursor.setPosition(m_link.end, QTextCursor::KeepAnchor);
    browser->setTextCursor(cursor);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(browser, &press);
}

QAccessibleInterface *pageFactory(const QString & /*className*/, QObject *object)
{
    auto *browser = qobject_cast<QTextBrowser *>(object);
    if (browser == nullptr || !browser->property(pageProperty).toBool())
        return nullptr;
    return new PageInterface(browser);
}

} // namespace

namespace help_accessible {

void expose(QTextBrowser &browser)
{
    static const bool installed = [] {
        QAccessible::installFactory(pageFactory);
        return true;
    }();
    (void)installed;
    browser.setProperty(pageProperty, true);
    // Tab highlights the next link: the link gets the focus event a screen reader speaks.
    QObject::connect(&browser, &QTextBrowser::highlighted, &browser, [&browser](const QUrl &) {
        auto *page = dynamic_cast<PageInterface *>(QAccessible::queryAccessibleInterface(&browser));
        if (page == nullptr || !browser.hasFocus())
            return;
        if (LinkInterface *link = page->highlightedLink()) {
            QAccessibleEvent focus(link, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    });
}

} // namespace help_accessible
