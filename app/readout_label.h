#pragma once
// The readout: a right-aligned label that always shows its whole text. A text wider than the
// room right of the marks is drawn in a smaller size of the same face, never below a legible
// minimum; only below that do the leftmost characters give way to an ellipsis.

#include <QLabel>
#include <QRect>
#include <QString>

#include <optional>

class ReadoutLabel : public QLabel
{
    Q_OBJECT

public:
    /// What the last paint drew, in the label's own coordinates.
    struct Drawn
    {
        /// The whole text, or its rightmost characters after "…".
        QString text;
        double pointSize = 0;
        QRect textRect;
    };

    /// The smallest size the readout is drawn in, still legible at a glance.
    static constexpr double minimumPointSize = 8;

    explicit ReadoutLabel(QWidget *parent = nullptr);

    /// The marks cover the label left of x; the text keeps to the right of it.
    void setCoveredLeft(int x);
    int coveredLeft() const { return m_coveredLeft; }
    const std::optional<Drawn> &lastDrawn() const { return m_lastDrawn; }

    /// What a screen reader says for the readout: its text with the marks beside it. A new
    /// text is announced at once.
    void setSpokenText(const QString &spoken);
    const QString &spokenText() const { return m_spokenText; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_coveredLeft = 0;
    QString m_spokenText;
    std::optional<Drawn> m_lastDrawn;
};
