#pragma once
// Menu items as screen readers meet them: the caption without its leader run and key text as
// the name, the key as the item's key binding, a popup that expands for an item that opens a
// submenu, and checkable and checked for choices.

#include <QString>

class QAction;
class QWidget;

namespace menu_accessible {

/// Lets Qt build the accessible objects of attached actions; once per program.
void install();

/// The action sits in that menu or menu bar and is spoken as describe() says.
void attach(QAction &action, QWidget &owner);

/// The spoken name and key of an attached action; set before its caption changes.
void describe(QAction &action, const QString &name, const QString &key);

} // namespace menu_accessible
