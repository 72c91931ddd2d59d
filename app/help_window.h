#pragma once
// The program's own help viewer: the help file's pages in a browser with back, forward and
// contents buttons, in a window of its own beside the calculator. A missing help file is
// reported on its page, with the path that was looked up.

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent);

    /// Shows the help file at its contents in that language ("#en" or "#ja"), or the page that
    /// says the file is missing; the window's title and buttons follow the language.
    void openContents(const QString &helpFile, bool english);

    QTextBrowser *browser() const { return m_browser; }

private:
    void showContents();

    QTextBrowser *m_browser;
    QPushButton *m_back;
    QPushButton *m_forward;
    QPushButton *m_home;
    QUrl m_contents;
    QString m_missingPage;
};
