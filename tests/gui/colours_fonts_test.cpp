// Smoke suite of the colour items and the font chooser in the desktop window: Qt's own colour
// dialog answered as a user would, and the chooser worked with real key presses and clicks under
// Qt's offscreen platform.

#include "colours.h"
#include "font_fallback.h"
#include "gui_session.h"
#include "twips.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct SeenDialog
{
    bool seen = false;
    QColor openedOn;
    bool modal = false;
    bool ownedByWindow = false;
    bool native = true;
};

// Answers the next colour dialog while it lives: notes what it opened on, then picks `answer`
// and clicks OK, or presses Esc when there is no answer.
class DialogAnswerer
{
public:
    DialogAnswerer(Session &session, std::optional<QColor> answer)
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this, &session, answer] {
            auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible() || seen.seen)
                return;
            seen = {true, dialog->currentColor(), dialog->isModal(),
                    dialog->parentWidget() == &session.window,
                    !dialog->testOption(QColorDialog::DontUseNativeDialog)};
            if (!answer) {
                QTest::keyClick(dialog, Qt::Key_Escape);
                return;
            }
            dialog->setCurrentColor(*answer);
            auto *buttons = dialog->findChild<QDialogButtonBox *>();
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        m_timer.start();
    }

    SeenDialog seen;

private:
    QTimer m_timer;
};

QListWidget *fontList(Session &s)
{
    return qobject_cast<QListWidget *>(
        s.window.fontChooserWindow().widgetFor(s.calc.fontChooser.Lstfontname));
}

QString chooserText(Session &s, const sorba::Control &control)
{
    QWidget *widget = s.window.fontChooserWindow().widgetFor(control);
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    return u"(no widget)"_s;
}

QPushButton *chooserButton(Session &s, const sorba::Button &button)
{
    return qobject_cast<QPushButton *>(s.window.fontChooserWindow().widgetFor(button));
}

bool openChooser(Session &s)
{
    return s.chooseFromMenus({"menu_option", "font2(0)"}) &&
           QTest::qWaitForWindowExposed(&s.window.fontChooserWindow());
}

QString family(const QWidget *widget)
{
    return QFontInfo(widget->font()).family();
}

} // namespace

class ColoursFontsTest : public QObject
{
    Q_OBJECT

private slots:
    void colourDialogAnswered();
    void cancelledDialogKeepsASystemColour();
    void chooserWorkedWithKeys();
    void cancelKeepsThePreview();
    void chooserLoadsAfreshAtItsStoredPlace();
    void closingTheMainWindowClosesTheChooser();
};

void ColoursFontsTest::colourDialogAnswered()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    DialogAnswerer answerer(s, QColor(0x12, 0x34, 0x56));
    QVERIFY(s.chooseFromMenus({"menu_option", "ColorSelect", "MMM(0)"}));

    QVERIFY(answerer.seen.seen);
    QCOMPARE(answerer.seen.openedOn, QColor(0, 255, 0)); // the readout's built-in green
    QVERIFY(answerer.seen.modal);
    QVERIFY(answerer.seen.ownedByWindow);
    QVERIFY(!answerer.seen.native);

    // Blue in the high byte, red in the low one.
    QCOMPARE(s.calc.form.Readout.backColor, sorba::Colour(0x563412));
    QWidget *readout = s.window.widgetFor(s.calc.form.Readout);
    QCOMPARE(readout->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
    QCOMPARE(s.window.widgetFor(s.calc.form.MEM2)->palette().color(QPalette::Window),
             QColor(0x12, 0x34, 0x56));
    QVERIFY(s.settingsText().contains(u"MColor=5649426"_s));
}

void ColoursFontsTest::cancelledDialogKeepsASystemColour()
{
    Session s("[SORBA]\nMColor=&H8000000F&\n");
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    DialogAnswerer answerer(s, std::nullopt);
    QVERIFY(s.chooseFromMenus({"menu_option", "ColorSelect", "MMM(0)"}));

    // The button face of the palette is shown; the code itself is written back.
    QVERIFY(answerer.seen.seen);
    QCOMPARE(answerer.seen.openedOn,
             QApplication::palette().color(QPalette::Active, QPalette::Button));
    QCOMPARE(s.calc.form.Readout.backColor, sorba::Colour(0x8000000F));
    QVERIFY(s.settingsText().contains(u"MColor=-2147483633"_s));
}

void ColoursFontsTest::chooserWorkedWithKeys()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    // "System" is drawn in a face with Japanese glyphs of its own.
    const QString systemFace = family(s.window.widgetFor(s.calc.form.Readout));
    if (!QFontDatabase::families(QFontDatabase::Japanese).isEmpty())
        QVERIFY(QFontDatabase::writingSystems(systemFace).contains(QFontDatabase::Japanese));

    QVERIFY(openChooser(s));
    FormWindow &chooser = s.window.fontChooserWindow();
    QCOMPARE(chooser.windowTitle(), u"FontMenu"_s);
    QVERIFY(!chooser.isModal());
    QCOMPARE(chooserText(s, s.calc.fontChooser.FNTNAME), u"System"_s);
    QCOMPARE(chooserText(s, s.calc.fontChooser.END), u"CANCEL"_s);

    // The toolkit's families, "@" faces folded, each once, in the toolkit's order.
    QStringList expected;
    for (QString name : QFontDatabase::families()) {
        if (name.startsWith(u'@'))
            name.remove(0, 1);
        if (!expected.contains(name))
            expected.append(name);
    }
    QListWidget *list = fontList(s);
    QVERIFY(list != nullptr);
    QVERIFY(list->count() >= 2);
    QStringList shown;
    for (int row = 0; row < list->count(); ++row)
        shown.append(list->item(row)->text());
    QCOMPARE(shown, expected);
    QCOMPARE(list->currentRow(), -1);

    // Down highlights the first name, and each step previews it on the readout at once.
    list->setFocus(Qt::TabFocusReason);
    QCOMPARE(list->currentRow(), -1);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(s.calc.fontChooser.Lstfontname.highlighted, std::optional<std::size_t>(0));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    const QString second = expected.at(1);
    QCOMPARE(s.calc.fontChooser.Lstfontname.highlighted, std::optional<std::size_t>(1));
    QCOMPARE(chooserText(s, s.calc.fontChooser.FNTNAME), second);
    QCOMPARE(QString::fromStdString(s.calc.form.Readout.fontName), second);
    QCOMPARE(s.window.widgetFor(s.calc.form.Readout)->font().family(), second);

    QTest::mouseClick(chooserButton(s, s.calc.fontChooser.OK), Qt::LeftButton);
    QTRY_VERIFY(!chooser.isVisible());
    QVERIFY(s.settingsText().contains(u"FontDef="_s + second));
    QVERIFY(s.window.isVisible());
}

void ColoursFontsTest::cancelKeepsThePreview()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QVERIFY(openChooser(s));
    QListWidget *list = fontList(s);
    QVERIFY(list != nullptr && list->count() >= 1);
    const QString first = list->item(0)->text();
    // A click on a name highlights it as the keys do.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QCOMPARE(QString::fromStdString(s.calc.form.Readout.fontName), first);

    QTest::mouseClick(chooserButton(s, s.calc.fontChooser.END), Qt::LeftButton);
    QTRY_VERIFY(!s.window.fontChooserWindow().isVisible());
    QCOMPARE(QString::fromStdString(s.calc.form.Readout.fontName), first);
    QVERIFY(!s.settingsText().contains(u"FontDef"_s));

    // Shown again, the list has nothing highlighted, and OK then stores "System".
    QVERIFY(openChooser(s));
    QCOMPARE(fontList(s)->currentRow(), -1);
    QTest::mouseClick(chooserButton(s, s.calc.fontChooser.OK), Qt::LeftButton);
    QTRY_VERIFY(!s.window.fontChooserWindow().isVisible());
    QVERIFY(s.settingsText().contains(u"FontDef=System"_s));
}

void ColoursFontsTest::chooserLoadsAfreshAtItsStoredPlace()
{
    Session s("[SORBA]\nForm2Top=900\nForm2Left=1500\n");
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QVERIFY(openChooser(s));
    FormWindow &chooser = s.window.fontChooserWindow();
    const TwipsScale twips = twipsScaleOf(chooser.screen());
    const QPoint stored(twips.toPixelsX(1500), twips.toPixelsY(900));
    QTRY_COMPARE(chooser.frameGeometry().topLeft(), stored);

    // The user's move is the model's, until the chooser is closed.
    chooser.move(stored + QPoint(40, 30));
    QTRY_COMPARE(s.calc.fontChooser.window.left, twips.toTwipsX(stored.x() + 40));
    QWidget *oldList = fontList(s);
    chooser.close(); // the close box stores nothing
    QTRY_VERIFY(!chooser.isVisible());
    QVERIFY(!s.calc.fontChooser.window.loaded);

    QVERIFY(openChooser(s));
    QTRY_COMPARE(chooser.frameGeometry().topLeft(), stored);
    QVERIFY(fontList(s) != nullptr);
    QVERIFY(fontList(s) != oldList);
    QVERIFY(!s.settingsText().contains(u"FontDef"_s));
}

void ColoursFontsTest::closingTheMainWindowClosesTheChooser()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QVERIFY(openChooser(s));
    QListWidget *list = fontList(s);
    QTest::keyClick(list, Qt::Key_Down);
    s.window.close();
    QVERIFY(s.calc.ended());
    QVERIFY(!s.window.fontChooserWindow().isVisible());
    QVERIFY(!s.settingsText().contains(u"FontDef"_s));
}

QTEST_MAIN(ColoursFontsTest)
#include "colours_fonts_test.moc"
