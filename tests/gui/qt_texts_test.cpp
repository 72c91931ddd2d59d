// Qt's own texts (the buttons of its boxes and dialogs) follow the interface language: Japanese
// after a Japanese start-up, English once start-up has run in English.

#include "gui_session.h"

#include <QLibraryInfo>

using namespace Qt::StringLiterals;

namespace {

QString qtCancel()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

} // namespace

class QtTextsTest : public QObject
{
    Q_OBJECT

private slots:
    void followTheInterfaceLanguage();
};

void QtTextsTest::followTheInterfaceLanguage()
{
    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    QVERIFY2(QFile::exists(translations + u"/qtbase_ja.qm"_s),
             "Qt's Japanese translation is missing: apt-get install qt6-translations-l10n");
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QCOMPARE(qtCancel(), u"キャンセル"_s);

    // English from the menu renames the menus at once; the interface language follows at the
    // next start-up, which closing the unit panel runs.
    QVERIFY(s.chooseFromMenus({"menu_option", "JFNT_MNU", "JJJ(1)"}));
    QCOMPARE(qtCancel(), u"キャンセル"_s);
    QVERIFY(s.chooseFromMenus({"menu_option", "Tani_Mnu", "TNN(1)"}));
    clickWithMouse(s.window.widgetFor(s.calc.form.Command3));
    QCOMPARE(s.window.windowTitle(), u"【SorbaPal】"_s);
    QCOMPARE(qtCancel(), u"Cancel"_s);
}

QTEST_MAIN(QtTextsTest)
#include "qt_texts_test.moc"
