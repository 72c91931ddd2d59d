#pragma once
// What the window's GUI tests share: one run of the program on a fresh folder, and the ways a
// user reaches the window (menus walked with the mouse, buttons clicked where they take clicks).

#include "main_window.h"
#include "qt_platform.h"
#include "settings/settings_file.h"
#include "window/calculator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <initializer_list>
#include <string_view>

// One run of the program: its folder, its settings, the calculator and the window, started.
struct Session
{
    Session() { window.start(); }
    /// A run that starts from that settings file.
    explicit Session(const QByteArray &settingsFile)
    {
        QFile file(folder.filePath(QStringLiteral("SORBA.INI")));
        if (file.open(QIODevice::WriteOnly))
            file.write(settingsFile);
        file.close();
        window.start();
    }

    QString text(const sorba::Control &control) const
    {
        QWidget *widget = window.widgetFor(control);
        if (auto *label = qobject_cast<QLabel *>(widget))
            return label->text();
        if (auto *line = qobject_cast<QLineEdit *>(widget))
            return line->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            return button->text();
        return QStringLiteral("(no widget)");
    }
    QString readout() const { return text(calc.form.Readout); }

    /// The settings file as it stands on disk.
    QString settingsText() const
    {
        QFile file(folder.filePath(QStringLiteral("SORBA.INI")));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll());
    }

    /// Clicks through the menu bar as a user does: the title, each submenu on the way, then the
    /// item; each step is named by its model path ("menu_option", "TNN(1)") and found by the
    /// caption it shows.
    bool chooseFromMenus(std::initializer_list<std::string_view> path)
    {
        QMenuBar *bar = window.menuBar();
        QMenu *menu = nullptr;
        for (const std::string_view step : path) {
            const auto *item = dynamic_cast<const sorba::MenuItem *>(calc.form.find(step));
            if (item == nullptr)
                return false;
            const QString caption = QString::fromStdString(item->caption);
            const QList<QAction *> actions = menu ? menu->actions() : bar->actions();
            const auto found = std::find_if(actions.begin(), actions.end(),
                                            [&](QAction *a) { return a->text() == caption; });
            if (found == actions.end())
                return false;
            QAction *action = *found;
            QWidget *where = menu ? static_cast<QWidget *>(menu) : bar;
            const QRect box = menu ? menu->actionGeometry(action) : bar->actionGeometry(action);
            QTest::mouseClick(where, Qt::LeftButton, {}, box.center());
            if (QMenu *submenu = action->menu()) {
                if (!QTest::qWaitFor([submenu] { return submenu->isVisible(); }))
                    return false;
                menu = submenu;
            }
        }
        return QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; });
    }

    QTemporaryDir folder;
    QtPlatform platform{folder.path().toStdString()};
    sorba::SettingsFile settings{platform.programFolder(), sorba::SettingsFile::Fallback::None};
    sorba::Calculator calc{platform, settings};
    MainWindow window{calc, platform};
};

/// A user's click on a check box or option button: on its box, which takes clicks whatever the
/// length of the caption beside it; a push button anywhere.
inline void clickWithMouse(QWidget *widget)
{
    auto *button = qobject_cast<QAbstractButton *>(widget);
    if (button == nullptr || !button->isCheckable()) {
        QTest::mouseClick(widget, Qt::LeftButton);
        return;
    }
    QStyleOptionButton option;
    option.initFrom(button);
    const auto element = qobject_cast<QRadioButton *>(button) ? QStyle::SE_RadioButtonIndicator
                                                              : QStyle::SE_CheckBoxIndicator;
    const QRect indicator = button->style()->subElementRect(element, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, {}, indicator.center());
}
