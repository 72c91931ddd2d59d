// The About box's widgets come from the model; OK is the dialog's default button, so Enter
// presses it as a click does.

#include "about_dialog.h"

#include "model/about_form.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

AboutDialog::AboutDialog(sorba::AboutForm &about, QWidget *parent, ClickControl click)
    : QDialog(parent)
    , m_about(about)
    , m_click(std::move(click))
    , m_canvas(new QWidget(this))
    , m_view(
          *m_canvas, about.window, about.controls(),
          [this](const std::function<void()> &action) { dispatch(action); },
          [this](sorba::Control &control) { dispatch([this, &control] { m_click(control); }); })
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_canvas);
    // No help button in the title bar; the box has nothing to explain.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(QString::fromStdString(about.window.caption));
    setModal(true);
    applyGeometry();
    m_view.sync(twipsScaleOf(screen()));
    auto *ok = qobject_cast<QPushButton *>(m_view.widgetFor(about.Command1));
    if (ok == nullptr)
        return;
    ok->setDefault(true);
    // Orca reads out a dialog's unrelated labels of three words or more, so "Version14" went
    // unheard. The labels now label OK, and the dialog's description, which Orca reads when no
    // unrelated label is left, holds every text of the box.
    QStringList texts;
    for (const sorba::Control *control : about.controls()) {
        auto *label = qobject_cast<QLabel *>(m_view.widgetFor(*control));
        if (label == nullptr || label->text().trimmed().isEmpty())
            continue;
        label->setBuddy(ok);
        texts << label->text().trimmed();
    }
    setAccessibleDescription(texts.join(u'\n'));
}

void AboutDialog::dispatch(const std::function<void()> &action)
{
    action();
    if (!m_about.window.loaded) {
        accept();
        return;
    }
    m_view.sync(twipsScaleOf(screen()));
}

void AboutDialog::applyGeometry()
{
    const TwipsScale twips = twipsScaleOf(screen());
    const sorba::Form &form = m_about.window;
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    // Before the first show the window system has not framed the dialog yet: the frame is 0.
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    setFixedSize(twips.toPixels(form.height(), form.width()).shrunkBy(frame));
    move(twips.toPixelsX(form.left), twips.toPixelsY(form.top));
}

void AboutDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    applyGeometry();
}
