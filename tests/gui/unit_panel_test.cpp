// Smoke suite of the unit panel in the desktop window: opened from the menu, worked with real
// mouse clicks and keys under Qt's offscreen platform, closed with "戻る".

#include "gui_session.h"
#include "twips.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QWindow>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

std::vector<sorba::Control *> panelControls(sorba::MainForm &form)
{
    std::vector<sorba::Control *> controls;
    for (int n = 1; n <= 9; ++n)
        controls.push_back(&form.Check(n));
    for (int n = 1; n <= 11; ++n)
        controls.push_back(&form.Option(n));
    controls.push_back(&form.Command3);
    controls.push_back(&form.Command4);
    return controls;
}

bool shown(const Session &s, const sorba::Control &control)
{
    const QWidget *widget = s.window.widgetFor(control);
    return widget != nullptr && widget->isVisible();
}

} // namespace

class UnitPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void panelConvertsWithClicks();
};

void UnitPanelTest::panelConvertsWithClicks()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    sorba::MainForm &form = s.calc.form;
    const TwipsScale scale = twipsScaleOf(s.window.screen());
    QVERIFY(s.chooseFromMenus({"menu_option", "Tani_Mnu", "TNN(1)"}));

    // A fixed window of 4400 × 4750 twips: the native window takes no other size.
    const QSize panelSize = scale.toPixels(4750, 4400);
    QTRY_COMPARE(s.window.frameGeometry().size(), panelSize);
    QCOMPARE(s.window.minimumSize(), s.window.maximumSize());
    s.window.windowHandle()->resize(s.window.size() + QSize(120, 200));
    QCOMPARE(s.window.frameGeometry().size(), panelSize);
    QCOMPARE(form.window.height(), 4750);

    // Below the readout at the model's places, bold, 9.6 points, a face with Japanese glyphs.
    const int readoutBottom = s.window.widgetFor(form.Readout)->geometry().bottom();
    for (sorba::Control *control : panelControls(form)) {
        const QString name = QString::fromStdString(control->path());
        QVERIFY2(shown(s, *control) == control->visible, qPrintable(name));
        if (!control->visible)
            continue;
        const QWidget &widget = *s.window.widgetFor(*control);
        QCOMPARE(widget.geometry(),
                 scale.toPixels(control->left, control->top, control->width, control->height));
        QVERIFY2(widget.y() > readoutBottom, qPrintable(name));
        QVERIFY2(widget.isEnabled(), qPrintable(name));
        const QFontInfo font(widget.font());
        QVERIFY2(font.bold(), qPrintable(name));
        QCOMPARE(qRound(widget.font().pointSizeF() * 10), 96);
        QVERIFY2(QFontDatabase::writingSystems(font.family()).contains(QFontDatabase::Japanese),
                 qPrintable(font.family()));
    }
    QCOMPARE(form.Check(4).fontName, "Terminal");
    QCOMPARE(s.text(form.Command3), u"戻る"_s);
    QCOMPARE(s.text(form.Check(1)), u"寸"_s);

    clickWithMouse(s.window.widgetFor(form.Check(5)));
    QCOMPARE(form.Check(5).value(), 1);
    QCOMPARE(form.Check(4).value(), 0);
    QCOMPARE(s.text(form.Option(1)), u"ｇ"_s);
    QVERIFY(!shown(s, form.Option(10)));
    // 貫 converts to five units; ｇ to two.
    clickWithMouse(s.window.widgetFor(form.Option(6)));
    QVERIFY(shown(s, form.Check(8)) && shown(s, form.Check(9)));
    QCOMPARE(s.text(form.Check(9)), u"米トン"_s);
    clickWithMouse(s.window.widgetFor(form.Option(1)));
    QVERIFY(form.Option(1).selected());
    QVERIFY(!shown(s, form.Check(3)) && !shown(s, form.Check(8)) && !shown(s, form.Check(9)));
    QCOMPARE(s.text(form.Check(1)), u"匁"_s);

    QTest::keyClicks(&s.window, u"1000"_s);
    QCOMPARE(s.readout(), u"1,000."_s);
    clickWithMouse(s.window.widgetFor(form.Check(1)));
    QCOMPARE(s.readout(), u"266.67匁"_s);

    // 戻る: the keypad window again, in a size band and resizable.
    clickWithMouse(s.window.widgetFor(form.Command3));
    QCOMPARE(s.calc.state.unitPanelShown, 0);
    for (sorba::Control *control : panelControls(form))
        QVERIFY2(!shown(s, *control), qPrintable(QString::fromStdString(control->path())));
    QTRY_COMPARE(s.window.frameGeometry().size(), scale.toPixels(1356, 5295));
    QVERIFY(s.window.minimumSize() != s.window.maximumSize());
}

QTEST_MAIN(UnitPanelTest)
#include "unit_panel_test.moc"
