// What screen readers get from the main window: the readout as a focused read-only text with
// the marks beside it in its spoken text, menu items named without leaders and with their keys,
// and F10 opening the menu bar. That each change sends one event is checked where a screen
// reader listens, in tests/speech.

#include "gui_session.h"
#include "readout_label.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace {

// What the readout would announce after each of those keys.
QStringList spokenAfterEach(Session &s, const QString &keys)
{
    QStringList spoken;
    const auto *readout = qobject_cast<ReadoutLabel *>(s.window.widgetFor(s.calc.form.Readout));
    for (const QChar key : keys) {
        QTest::keyClicks(&s.window, QString(key));
        spoken << (readout != nullptr ? readout->spokenText() : u"(no readout)"_s);
    }
    return spoken;
}

QString spokenNow(const Session &s)
{
    const auto *readout = qobject_cast<ReadoutLabel *>(s.window.widgetFor(s.calc.form.Readout));
    return readout != nullptr ? readout->spokenText() : u"(no readout)"_s;
}

QAccessibleInterface *readoutInterface(const Session &s)
{
    return QAccessible::queryAccessibleInterface(s.window.widgetFor(s.calc.form.Readout));
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void readoutIsAFocusedReadOnlyText();
    void eachNewReadoutIsAnnouncedOnce();
    void conversionsAndTaxAreAnnounced();
    void englishEraYearsNameTheirEra();
    void menuItemsAreNamedWithoutLeaders();
    void f10OpensTheMenuBarAndEscStillEnds();
};

void AccessibilityTest::readoutIsAFocusedReadOnlyText()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    QWidget *readout = s.window.widgetFor(s.calc.form.Readout);
    QCOMPARE(QApplication::focusWidget(), readout);
    QAccessibleInterface *iface = readoutInterface(s);
    QVERIFY(iface != nullptr);
    QCOMPARE(iface->role(), QAccessible::EditableText);
    QVERIFY(iface->state().readOnly);
    QVERIFY(iface->state().focused);
    QCOMPARE(iface->text(QAccessible::Name), u"表示"_s);
    QAccessibleTextInterface *text = iface->textInterface();
    QVERIFY(text != nullptr);
    QCOMPARE(text->text(0, text->characterCount()), u"0."_s);

    // Keys typed while the readout has the focus still go to the calculator, and the line a
    // screen reader reads is the new readout.
    QTest::keyClicks(readout, u"12*3="_s);
    QCOMPARE(s.readout(), u"36."_s);
    QCOMPARE(text->text(0, text->characterCount()), u"36."_s);
    int start = -1;
    int end = -1;
    QCOMPARE(text->textAtOffset(0, QAccessible::LineBoundary, &start, &end), u"36."_s);
    QCOMPARE(iface->childCount(), 1);
    QCOMPARE(iface->child(0)->role(), QAccessible::Notification);
    QCOMPARE(iface->child(0)->parent(), iface);
}

void AccessibilityTest::eachNewReadoutIsAnnouncedOnce()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QCOMPARE(spokenAfterEach(s, u"12+3="_s),
             QStringList({u"1."_s, u"12."_s, u"12., ＋"_s, u"3., ＋"_s, u"15."_s}));
    // The marks keep their own names with what they show.
    QTest::keyClick(&s.window, 'z');
    QCOMPARE(s.window.widgetFor(s.calc.form.MEM2)->accessibleName(), u"演算マーク: M"_s);
    QCOMPARE(spokenNow(s), u"15., M"_s);
}

void AccessibilityTest::conversionsAndTaxAreAnnounced()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QTest::keyClicks(&s.window, u"2024"_s);
    QTest::keyClick(&s.window, Qt::Key_Backspace);
    QCOMPARE(spokenNow(s), u"平成36年"_s);

    QTest::keyClick(&s.window, 'c');
    QTest::keyClicks(&s.window, u"1000"_s);
    QVERIFY(s.chooseFromMenus({"Menu_File", "Syohi_Zei"}));
    QVERIFY(s.readout() != u"1,000."_s);
    QCOMPARE(spokenNow(s), s.readout().trimmed());
}

void AccessibilityTest::englishEraYearsNameTheirEra()
{
    Session s("[SORBA]\nJpFont=1\n");
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QTest::keyClicks(&s.window, u"2019"_s);
    QTest::keyClick(&s.window, Qt::Key_Backspace);
    QCOMPARE(s.readout().trimmed(), u"31"_s);
    QCOMPARE(spokenNow(s), u"31, Heisei"_s);
    QCOMPARE(readoutInterface(s)->text(QAccessible::Name), u"Readout"_s);
}

void AccessibilityTest::menuItemsAreNamedWithoutLeaders()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QMenuBar *bar = s.window.menuBar();
    QAccessibleInterface *edit = QAccessible::queryAccessibleInterface(bar)->child(0);
    QVERIFY(edit != nullptr);
    QCOMPARE(edit->text(QAccessible::Name), u"編集"_s);
    QVERIFY(edit->state().hasPopup);
    QAccessibleInterface *menu = edit->child(0);
    QVERIFY(menu != nullptr);
    QAccessibleInterface *cancel = menu->child(0);
    QVERIFY(cancel != nullptr);
    QCOMPARE(cancel->role(), QAccessible::MenuItem);
    QCOMPARE(cancel->text(QAccessible::Name), u"全入力取り消し"_s);
    QAccessibleActionInterface *actions = cancel->actionInterface();
    QVERIFY(actions != nullptr);
    QCOMPARE(actions->keyBindingsForAction(actions->actionNames().value(0)),
             QStringList({QString(), QString(), u"C"_s}));
    // The look is Qt's: the caption is drawn as the model has it.
    QCOMPARE(bar->actions().at(0)->menu()->actions().at(0)->text(),
             QString::fromStdString(s.calc.form.menu(sorba::MenuId::All_Cancel).caption));

    // Pressing the item does what choosing it does: the operation mark goes.
    QTest::keyClicks(&s.window, u"12+"_s);
    QCOMPARE(s.text(s.calc.form.MEM2), u"＋"_s);
    actions->doAction(actions->actionNames().value(0));
    QCOMPARE(s.text(s.calc.form.MEM2), QString());

    // Choices: checkable, one checked; an item with a submenu has a popup and no key.
    QAccessibleInterface *option = QAccessible::queryAccessibleInterface(bar)->child(1);
    QCOMPARE(option->text(QAccessible::Name), u"オプション"_s);
    QAccessibleInterface *language = nullptr;
    for (int i = 0; i < option->child(0)->childCount(); ++i) {
        QAccessibleInterface *item = option->child(0)->child(i);
        if (item->text(QAccessible::Name) == u"使用言語選択"_s)
            language = item;
    }
    QVERIFY(language != nullptr);
    QVERIFY(language->state().hasPopup);
    QAccessibleInterface *choices = language->child(0);
    QCOMPARE(choices->childCount(), 2);
    QVERIFY(choices->child(0)->state().checkable);
    QVERIFY(choices->child(1)->state().checkable);
    QVERIFY(choices->child(0)->state().checked);
    QVERIFY(!choices->child(1)->state().checked);

    // In English the names follow the captions.
    QVERIFY(s.chooseFromMenus({"menu_option", "JFNT_MNU", "JJJ(1)"}));
    QCOMPARE(cancel->text(QAccessible::Name), u"Cancell Calculation"_s);
    QCOMPARE(option->text(QAccessible::Name), u"Option"_s);
}

void AccessibilityTest::f10OpensTheMenuBarAndEscStillEnds()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    QTest::keyClicks(&s.window, u"7"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    QMenu *edit = s.window.menuBar()->actions().at(0)->menu();
    QVERIFY(QTest::qWaitFor([edit] { return edit->isVisible(); }));
    QCOMPARE(s.readout(), u"7."_s);
    // Esc closes the menu and a second Esc leaves the menu bar, back on the readout; only the
    // next Esc is the calculator's, and it ends the program.
    QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(QTest::qWaitFor([edit] { return !edit->isVisible(); }));
    QCOMPARE(QApplication::focusWidget(), s.window.menuBar());
    QTest::keyClick(s.window.menuBar(), Qt::Key_Escape);
    QVERIFY(!s.calc.ended());
    QCOMPARE(QApplication::focusWidget(), s.window.widgetFor(s.calc.form.Readout));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(s.calc.ended());
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
