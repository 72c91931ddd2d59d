#pragma once
// The help page as screen readers meet it: a document whose links are its children, each
// focused in turn as Tab walks them.

class QTextBrowser;

namespace help_accessible {

/// Lets screen readers read that browser as a document with links; once per browser.
void expose(QTextBrowser &browser);

} // namespace help_accessible
