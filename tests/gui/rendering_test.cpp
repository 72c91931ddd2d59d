// What the window draws of the model: the whole readout clear of the marks in every size band,
// the unit panel in the desktop theme's colours, and menu separators without text.

#include "gui_session.h"
#include "readout_label.h"
#include "text/readout_format.h"

#include <QAccessible>
#include <QCheckBox>
#include <QImage>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// WCAG 2 relative luminance of an sRGB colour.
double relativeLuminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double lighter = std::max(relativeLuminance(a), relativeLuminance(b));
    const double darker = std::min(relativeLuminance(a), relativeLuminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

QPalette darkPalette()
{
    QPalette palette;
    const QColor window(0x2b, 0x2b, 0x2b);
    const QColor text(0xe8, 0xe8, 0xe8);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    palette.setColor(QPalette::ButtonText, text);
    return palette;
}

// Leaves the application's palette as it found it.
class PaletteScope
{
public:
    explicit PaletteScope(const QPalette &palette)
        : m_saved(QApplication::palette())
    {
        QApplication::setPalette(palette);
    }
    ~PaletteScope() { QApplication::setPalette(m_saved); }
    PaletteScope(const PaletteScope &) = delete;
    PaletteScope &operator=(const PaletteScope &) = delete;

private:
    QPalette m_saved;
};

// The first column, from the left, in which the picture has anything but its background.
std::optional<int> firstInkColumn(const QImage &image, QRgb background)
{
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) != background)
                return x;
        }
    }
    return std::nullopt;
}

std::vector<QAction *> allActions(const QList<QAction *> &actions)
{
    std::vector<QAction *> all;
    for (QAction *action : actions) {
        all.push_back(action);
        if (action->menu() != nullptr) {
            const std::vector<QAction *> below = allActions(action->menu()->actions());
            all.insert(all.end(), below.begin(), below.end());
        }
    }
    return all;
}

constexpr int narrowest = 4400;
constexpr int widest = 7000;

} // namespace

class RenderingTest : public QObject
{
    Q_OBJECT

private slots:
    void readoutShowsItsWholeText_data();
    void readoutShowsItsWholeText();
    void shortTextKeepsTheBandSize();
    void tooLongEvenAtTheSmallestSizeIsCutVisibly();
    void unitPanelFollowsADarkTheme();
    void separatorsCarryNoText();
};

void RenderingTest::readoutShowsItsWholeText_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("bandFontSize");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text");

    const QString exponent = QString::fromStdString(sorba::plainNumberText(-1.23456789012345e-100));
    const std::vector<std::pair<const char *, QString>> texts = {
        {"grouped", u"12,345,678,901,234."_s},
        {"exponent", exponent},
        {"era", u"平成31年"_s},
        {"boundary", u"昭和 64年:平成 1年"_s},
        {"boundary English", u"S 64:H 1"_s},
        {"period", u"旧石器～古墳時代"_s},
        {"unit", u"86,049,378.6867in"_s},
    };
    const std::vector<std::pair<int, double>> bands = {{1356, 19}, {1620, 30}, {1800, 40.5}};
    for (const auto &[height, fontSize] : bands) {
        for (const int width : {narrowest, widest}) {
            for (const auto &[name, text] : texts) {
                QTest::addRow("%d x %d %s", height, width, name)
                    << height << fontSize << width << text;
            }
        }
    }
}

void RenderingTest::readoutShowsItsWholeText()
{
    QFETCH(int, height);
    QFETCH(double, bandFontSize);
    QFETCH(int, width);
    QFETCH(QString, text);

    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    sorba::MainForm &form = s.calc.form;
    form.window.resizeByUser(height, width);
    s.calc.setReadout(text.toStdString());
    form.MEM1.text = "M";
    form.MEM2.caption = "×";
    s.window.sync();

    auto *readout = qobject_cast<ReadoutLabel *>(s.window.widgetFor(form.Readout));
    QVERIFY(readout != nullptr);
    const QImage picture = readout->grab().toImage();
    const std::optional<ReadoutLabel::Drawn> &drawn = readout->lastDrawn();
    QVERIFY(drawn.has_value());

    // All of it, at a legible size no larger than the band's.
    QCOMPARE(drawn->text, text);
    QVERIFY2(drawn->pointSize >= ReadoutLabel::minimumPointSize && drawn->pointSize <= bandFontSize,
             qPrintable(QString::number(drawn->pointSize)));
    QVERIFY(drawn->textRect.left() >= 0);
    QVERIFY(drawn->textRect.right() < readout->width());

    // Both marks lie over the readout's corner, and the text starts right of them.
    int marksRight = -1;
    for (const sorba::Control *mark :
         std::initializer_list<const sorba::Control *>{&form.MEM1, &form.MEM2}) {
        const QWidget *widget = s.window.widgetFor(*mark);
        QVERIFY(widget != nullptr && widget->isVisible());
        const QRect box = widget->geometry().translated(-readout->pos());
        QVERIFY(box.intersects(readout->rect()));
        QVERIFY2(
            drawn->textRect.left() > box.right(),
            qPrintable(u"text from %1, mark to %2"_s.arg(drawn->textRect.left()).arg(box.right())));
        marksRight = std::max(marksRight, box.right());
    }
    // No ink under the marks: the picture of the readout alone is plain background there.
    const QRgb background = readout->palette().color(readout->backgroundRole()).rgb();
    const std::optional<int> ink = firstInkColumn(picture, background);
    QVERIFY(ink.has_value());
    QVERIFY2(*ink > marksRight, qPrintable(u"ink from %1"_s.arg(*ink)));

    // The model keeps its band size and its text; screen readers hear all of it.
    QCOMPARE(form.Readout.fontSize, bandFontSize);
    QCOMPARE(QString::fromStdString(s.calc.readout()), text);
    QCOMPARE(readout->text(), text);
    QVERIFY(readout->spokenText().startsWith(text));
}

void RenderingTest::shortTextKeepsTheBandSize()
{
    for (const auto &[height, fontSize] :
         std::vector<std::pair<int, double>>{{1356, 19}, {1620, 30}, {1800, 40.5}}) {
        Session s;
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        s.calc.form.window.resizeByUser(height, narrowest);
        s.calc.setReadout("1,234.");
        s.window.sync();
        auto *readout = qobject_cast<ReadoutLabel *>(s.window.widgetFor(s.calc.form.Readout));
        QVERIFY(readout != nullptr);
        readout->grab();
        QVERIFY(readout->lastDrawn().has_value());
        QCOMPARE(readout->lastDrawn()->pointSize, fontSize);
        QCOMPARE(readout->lastDrawn()->text, u"1,234."_s);
    }
}

void RenderingTest::tooLongEvenAtTheSmallestSizeIsCutVisibly()
{
    ReadoutLabel readout;
    readout.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font = readout.font();
    font.setPointSizeF(40.5);
    readout.setFont(font);
    readout.resize(90, 60);
    readout.setCoveredLeft(20);
    const QString text = u"12,345,678,901,234."_s;
    readout.setText(text);
    readout.grab();

    const std::optional<ReadoutLabel::Drawn> &drawn = readout.lastDrawn();
    QVERIFY(drawn.has_value());
    QCOMPARE(drawn->pointSize, ReadoutLabel::minimumPointSize);
    QVERIFY2(drawn->text.startsWith(u'…'), qPrintable(drawn->text));
    // The rightmost characters stay, the point among them.
    QVERIFY(drawn->text.size() > 2);
    QVERIFY(text.endsWith(drawn->text.mid(1)));
    QVERIFY(drawn->textRect.left() >= 20);
    QVERIFY(drawn->textRect.right() < 90);
    QCOMPARE(readout.text(), text);
}

void RenderingTest::unitPanelFollowsADarkTheme()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    sorba::MainForm &form = s.calc.form;
    QWidget *readout = s.window.widgetFor(form.Readout);
    const QColor digits = readout->palette().color(readout->foregroundRole());
    const QColor readoutBack = readout->palette().color(readout->backgroundRole());

    const QPalette dark = darkPalette();
    const PaletteScope scope(dark);
    QVERIFY(s.chooseFromMenus({"menu_option", "Tani_Mnu", "TNN(1)"}));

    std::vector<sorba::Control *> labelled;
    for (int n = 1; n <= 10; ++n)
        labelled.push_back(&form.Check(n));
    for (int n = 1; n <= 11; ++n)
        labelled.push_back(&form.Option(n));
    int seen = 0;
    for (const sorba::Control *control : labelled) {
        QWidget *widget = s.window.widgetFor(*control);
        if (widget == nullptr || !widget->isVisible())
            continue;
        ++seen;
        const QString name = QString::fromStdString(control->path());
        const QColor text = widget->palette().color(widget->foregroundRole());
        const QColor back = widget->palette().color(widget->backgroundRole());
        QVERIFY2(contrastRatio(text, back) >= 4.5, qPrintable(name));
        // Light on dark, as the theme has it, and drawn so: the box's corner is the theme's.
        QVERIFY2(text == dark.color(QPalette::WindowText), qPrintable(name));
        QVERIFY2(back == dark.color(QPalette::Window), qPrintable(name));
        const QImage picture = widget->grab().toImage();
        QCOMPARE(picture.pixelColor(picture.width() - 1, 0), dark.color(QPalette::Window));
    }
    QVERIFY(seen >= 10);

    for (const sorba::Control *control :
         std::initializer_list<const sorba::Control *>{&form.Command3, &form.Command4}) {
        QWidget *button = s.window.widgetFor(*control);
        QVERIFY(button != nullptr);
        QCOMPARE(button->palette().color(QPalette::ButtonText), dark.color(QPalette::ButtonText));
        QCOMPARE(button->palette().color(QPalette::Button), dark.color(QPalette::Button));
    }
    // The readout keeps the colours the settings give it, whatever the theme.
    QCOMPARE(readout->palette().color(readout->foregroundRole()), digits);
    QCOMPARE(readout->palette().color(readout->backgroundRole()), readoutBack);
}

void RenderingTest::separatorsCarryNoText()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    for (const bool english : {false, true}) {
        if (english)
            QVERIFY(s.chooseFromMenus({"menu_option", "JFNT_MNU", "JJJ(1)"}));
        int separators = 0;
        for (QAction *action : allActions(s.window.menuBar()->actions())) {
            if (!action->isSeparator())
                continue;
            ++separators;
            QCOMPARE(action->text(), QString());
        }
        // 編集 has one before 終了, ヘルプ one before バージョン情報.
        QCOMPARE(separators, 2);

        // What a screen reader is told of each menu's separators.
        for (QAction *title : s.window.menuBar()->actions()) {
            QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(title->menu());
            QVERIFY(menu != nullptr);
            for (int i = 0; i < menu->childCount(); ++i) {
                QAccessibleInterface *child = menu->child(i);
                if (child != nullptr && child->role() == QAccessible::Separator)
                    QCOMPARE(child->text(QAccessible::Name), QString());
            }
        }
    }
}

QTEST_MAIN(RenderingTest)
#include "rendering_test.moc"
